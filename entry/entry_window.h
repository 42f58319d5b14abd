// The Information Item window: the user types a subject in free text and the
// window shows the fields of the entry type it implies (or the one chosen by
// hand), with a body, a date panel and a category panel. Every change of the
// subject runs the quick-entry parser and applies its answer without touching
// what the user chose by hand. Several windows may be open at once; each frees
// itself when it closes.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/entry_keys.h"
#include "core/quick_entry.h"
#include "entry/caption_menu_button.h"
#include "entry/entry_data.h"
#include "entry/entry_dates.h"
#include "entry/entry_footer.h"
#include "entry/entry_header.h"
#include "entry/entry_late_parts.h"
#include "entry/entry_parser.h"
#include "entry/entry_texts.h"
#include "entry/entry_type_buttons.h"
#include "entry/entry_window_layout.h"
#include "entry/field_keys.h"
#include "entry/web_service_body.h"
#include "ui/edits.h"
#include "ui/form.h"

namespace qrv {

class EntryWindow : public Form {
 public:
  EntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock = SystemClock());
  ~EntryWindow() override;

  // Back to an empty task, keeping the marks and choices a reset keeps.
  void Clear();

  // The subject, To and Cc, the icon, the status, the journal type and the web
  // service; a change of To written with its notification lays the window out anew.
  EntryHeader& Header() { return header_; }
  const EntryHeader& Header() const { return header_; }
  // The type button that is down and the priority.
  const EntryTypeButtons& TypeButtons() const { return typeButtons_; }
  // The date panel, the attached files and the category panel, made when first needed.
  const EntryLateParts& LateParts() const { return lateParts_; }
  // The subject the item stores, keyword removal and the label the parser matched.
  EntryParser& Parser() { return parser_; }
  const EntryParser& Parser() const { return parser_; }

  // What the window holds beside its parts.
  std::optional<EntryType> Type() const;  // with the requests
  std::wstring Body() const { return body_.PlainText(); }
  const EntryDates& Dates() const { return dates_; }
  const HandChoices& ByHand() const { return byHand_; }
  bool Empty() const;
  bool Sends() const { return footer_.Sends(); }

  // Commands of the buttons and keys.
  bool Save();  // clears and closes the window when the save finished
  bool Open();
  void CheckNames() { actions_.CheckNames(*this); }
  void FindContact() { actions_.FindContact(*this); }
  void ChooseType(EntryType type);  // as a type button pressed by hand
  void AssignDate();
  void ToggleCategoryPanel() { layout_.ToggleCategoryPanel(); }
  void Print();
  void AddAttachment(const std::wstring& path);
  void ChooseAttachments();  // through the file dialog
  void ChooseIcon();         // through the icon chooser

  // The button in the caption bar with the subject menu.
  CaptionMenuButton& CaptionButton() { return captionButton_; }

  // The files the user chose in the file dialog; tests answer it instead.
  std::function<std::vector<std::wstring>()> chooseFiles;

  // For the bar's list of open windows: called once as the window closes.
  std::function<void(HWND)> onClosed;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool PreTranslate(MSG& msg) override;
  bool CanClose() override;
  void DpiChanged() override;

 private:
  // Made and wired as the window is made
  void WireParts();
  void WireLateParts();
  void WireCommands();

  void RunKeyCommand(const KeyAction& action, EntryField field);
  bool AskBeforeClosing();
  void DropFiles(HDROP drop);

  const EntryData& data_;
  EntryActions& actions_;
  const EntryClock& clock_;
  const LocaleFacts& locale_;
  HandChoices byHand_;
  bool asking_ = false;
  bool categoriesRead_ = false;
  bool built_ = false;
  CaptionMenuButton captionButton_{*this, data_.settings.keywordRemoval};
  std::wstring attachFolder_;  // where the file dialog opens

  // The parts, in the Tab order: the header, the body, the attached files, the
  // date panel, the priority button, the footer, the category panel, then the
  // type buttons (made last, taking no focus). The parts made late take their
  // places as they are made.
  EntryHeader header_{*this, data_};
  RichEdit body_{*this, {.bounds = {0, 61, 245, 138}}};
  WebServiceBody webBody_{*this, body_, data_.keywords};
  EntryTypeButtons typeButtons_{*this, data_.settings.emailType != "1"};
  EntryFooter footer_{*this};
  EntryLateParts lateParts_{*this, dates_, data_.categoryNames, locale_, clock_, typeButtons_};
  // The date panel's buttons start as the settings were when the window was made.
  EntryDates dates_{lateParts_.DatePanelIfMade(), clock_, data_.settings.apptReminder, data_.settings.journalTime};
  EntryWindowLayout layout_{
      *this, {header_, body_, webBody_, footer_, typeButtons_, lateParts_, dates_}, data_.iconNoteFound};
  EntryParser parser_{
      data_, {header_, body_, webBody_, typeButtons_, lateParts_, dates_, layout_, byHand_, built_}, locale_, clock_};
  // What the subject and the body take other than typed, and the keys of the fields.
  EntryTexts texts_{*this, header_.Subject(), body_};
  FieldKeys keys_{
      *this, {header_, body_, lateParts_.DatePanelIfMade(), footer_, texts_, typeButtons_.Down()}, data_.settings};
};

}  // namespace qrv
