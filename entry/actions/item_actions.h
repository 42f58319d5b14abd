// What an Information Item window asks of the program that opened it: its Save and
// Open commands turned into an Outlook item, an e-mail through the mail
// program (Simple MAPI or a "mailto:" address), a text document or a web
// search; the name check of the To and Cc boxes; the contact lookup; help.
//
// A command answers whether it finished; one that stopped (a question answered
// No, a cancelled dialog, a failed send, an error) leaves the window and its
// contents as they were. Nothing here edits the window's body: what is stored
// is built apart, so a second attempt stores the same.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "components/email.h"
#include "core/bar_settings.h"
#include "core/entry_item.h"
#include "entry/entry_data.h"
#include "outlook/outlook_items.h"
#include "outlook/outlook_session.h"
#include "ui/form.h"

namespace qrv {

// Where a text document goes: the full path the user chose for the offered
// name, or none when the dialog was cancelled. The program shows the save
// dialog; tests answer in its place.
using SaveNameChooser = std::function<std::optional<std::wstring>(HWND owner, const std::wstring& offered)>;

// Opens a file or address for a window's command through the shell; false,
// after telling the user over the window, when no program opened it.
bool ShellOpened(const EntryWindow& window, const std::wstring& file);

// What the commands read of the program's data, and the category names they read anew.
struct ItemActionsData {
  const BarSettings& settings;
  const std::vector<std::string>& keywordList;
  const std::vector<std::string>& webServiceCaptions;
  std::vector<std::string>& categoryNames;
  const bool& iconNoteFound;  // the user's icon note was there at the last settings read
};

class ItemActions : public EntryActions {
 public:
  ItemActions(ItemActionsData data, OutlookSession& outlook, Email& email, const EntryClock& clock = SystemClock());

  bool Save(EntryWindow& window) override;
  bool Open(EntryWindow& window) override;
  void CheckNames(EntryWindow& window) override;
  void ChooseAddresses(EntryWindow& window, int fields) override;
  void FindContact(EntryWindow& window) override;
  void ShowHelp() override;
  void EditKeywords() override {
    if (editKeywords) editKeywords();
  }
  void ReadCategories() override;

  // The bar's preferences on their Keywords page, and the bar's help viewer on a page.
  std::function<void()> editKeywords;
  std::function<void(int page)> showHelp;
  // Where a new note opens: beside the bar, as high as its strip.
  std::function<NotePlace()> notePlace;

  void SetSaveNameChooser(SaveNameChooser chooser) { chooseSaveName_ = std::move(chooser); }
  // Drops what was kept of a window that closed.
  void Forget(HWND window) {
    offeredNames_.erase(window);
    resolvedTexts_.erase(window);
  }

 private:
  // item_actions.cpp: the two commands.
  bool MapiMail(const ItemInput& input) const;
  bool SaveAsked(EntryWindow& window, ItemInput& input);
  bool SaveItem(EntryWindow& window, const ItemInput& input);
  bool OpenItem(EntryWindow& window, const ItemInput& input);
  ItemInput InputOf(const EntryWindow& window) const;
  ItemClock ClockNow() const;

  // outlook_item.cpp: the Outlook item of the entry.
  struct MadeItem {
    OleObject item;
    bool namesResolved = true;
  };
  std::optional<MadeItem> MakeItem(const EntryWindow& window, const ItemInput& input);

  // mail.cpp: e-mail through the mail program.
  bool SendThroughMapi(const EntryWindow& window, const ItemInput& input);
  bool OpenMailto(const EntryWindow& window, const ItemInput& input) const;

  // documents.cpp: text documents and web searches.
  std::optional<std::wstring> SaveTextDocument(const EntryWindow& window);
  bool RunWebSearch(const EntryWindow& window) const;
  void StartBrowser(const std::string& address) const;

  // recipients.cpp: names and contacts.
  bool ProcessRecipients(EntryWindow& window);
  std::vector<std::string> ResolveBoxes(EntryWindow& window, bool throughOutlook);
  bool ResolveThroughMapi(std::vector<std::string>& names, std::vector<std::string>& failed);

  ItemActionsData data_;
  OutlookSession& outlook_;
  Email& email_;
  const EntryClock& clock_;
  SaveNameChooser chooseSaveName_;
  // The offered file name of a window's last save dialog, for its next one.
  std::map<HWND, std::wstring> offeredNames_;
  // What the name check last wrote into a window's To and Cc boxes.
  std::map<HWND, std::pair<std::string, std::string>> resolvedTexts_;
};

}  // namespace qrv
