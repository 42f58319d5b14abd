// A real bar in the test process with its data and an Outlook session of the
// test's own (the stand-in Outlook with files of the test's own), its message
// boxes and shell requests taken by the test, and an answerer for the
// categories dialog that acts the way a user does: clicks on the entries and
// on a button.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bar/bar_commands.h"
#include "bar/bar_window.h"
#include "bar/program.h"
#include "components/settings.h"
#include "outlook/outlook_categories.h"
#include "standin_fixture.h"
#include "ui/app.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv::testing {

struct Prompt {
  std::wstring text;
  qrv::MessageKind kind;
};

struct ShellRequest {
  std::wstring file;
  std::wstring parameters;
  bool operator==(const ShellRequest&) const = default;
};

// What one categories dialog showed and what the answerer did in it.
struct CategoriesShown {
  std::wstring caption;
  RECT bounds;
  std::vector<std::wstring> entries;
};

// Keys posted to the active window a moment from now: they reach a menu that
// is up by then as a user's keys would.
void ChooseByKeys(std::vector<UINT> keys);
// The keys that choose the item at a place of a menu (1 = the first).
std::vector<UINT> MenuPlace(int place);

// A bar whose web-service import only notes the paths it was given.
class RecordingPreferences : public BarPreferences {
 public:
  RecordingPreferences(Form& bar, BarData& data, std::function<void()> settingsChanged,
                       std::vector<std::wstring>& imported)
      : BarPreferences(bar, data, std::move(settingsChanged)), imported_(imported) {}

 private:
  int ImportWebServiceFiles(Form&, const std::vector<std::wstring>& paths, std::vector<std::string>&) override {
    imported_.insert(imported_.end(), paths.begin(), paths.end());
    return 0;
  }
  std::vector<std::wstring>& imported_;
};

class RecordingBar : public BarWindow {
 public:
  RecordingBar(BarData& data, OutlookSession& outlook, ItemActions& entryActions, std::vector<std::string> args,
               std::vector<std::wstring>& imported)
      : BarWindow(data, outlook, entryActions, std::move(args),
                  [&imported](Form& bar, BarData& barData, std::function<void()> settingsChanged) {
                    return std::make_unique<RecordingPreferences>(bar, barData, std::move(settingsChanged), imported);
                  }) {}
};

class BarTest : public StandInTest {
 public:
  // The categories dialogs shown so far.
  static std::vector<CategoriesShown>& Shown();
  static std::vector<Prompt>& Prompts();
  static std::vector<ShellRequest>& Opened();
  // The button the next prompts are answered with.
  static DialogResult& PromptAnswer();

 protected:
  void SetUp() override;
  void TearDown() override;

  // Answers the next categories dialog: clicks these entries in this order,
  // then the button with this caption ("&OK", "&ALL", "&NONE"; after "&ALL" or
  // "&NONE" the dialog is closed with "&OK"; "Esc" presses Esc instead).
  void AnswerCategories(std::vector<std::wstring> clicks, std::wstring button = L"&OK");

  // The items of the stand-in's store, oldest first.
  std::vector<StoreSection> Items(std::string_view className = {}) const;

  ProgramParts parts_;
  std::unique_ptr<BarWindow> bar_;
  // The paths the bar's web-service file import was given.
  std::vector<std::wstring> imported_;
};

// What the commands need of a bar, standing at top 150 with a 298-pixel strip:
// it counts the collapses asked for.
class TestHost : public CommandHost {
 public:
  HWND Owner() const override { return nullptr; }
  int BarTop() const override { return 150; }
  int StripHeight() const override { return 298; }
  void CollapseAfterAction() override { ++collapses; }
  int collapses = 0;
};

}  // namespace qrv::testing
