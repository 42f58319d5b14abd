// What the bar's buttons and menu start in Outlook and beside it: new items
// (with the categories prompt), folders and the extra actions. A call Outlook
// refuses ends the command there with OleError, for the handler that started
// it to report.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "bar/bar_data.h"
#include "bar/bar_types.h"
#include "outlook/outlook_items.h"
#include "outlook/outlook_session.h"

namespace qrv {

// What a command needs of the bar it was started from.
class CommandHost {
 public:
  // The window that owns the programs a command starts.
  virtual HWND Owner() const = 0;
  virtual int BarTop() const = 0;
  // The height of the collapsed bar's strip, which a new note takes.
  virtual int StripHeight() const = 0;
  // Collapses the bar after an action started from it; a bar that collapsed
  // meanwhile stays so.
  virtual void CollapseAfterAction() = 0;

 protected:
  ~CommandHost() = default;
};

// How a command was started: from the open bar (its dialogs open beside the
// bar, and the bar collapses) or from the menu or a hotkey.
enum class Origin { kBar, kMenu };

class BarCommands {
 public:
  BarCommands(OutlookSession& outlook, BarData& data, CommandHost& host);

  // A new item of the type, asking for its categories first where the settings
  // say so or `askCategories` forces it; returned unshown. Empty when the other
  // mail program took the command.
  OleObject NewItem(EntryType type, Origin origin, bool askCategories, const std::wstring& caption);
  // A new item, shown.
  void ShowNewItem(EntryType type, Origin origin, bool askCategories, const std::wstring& caption);
  // Opens a folder: in the open Outlook window, or in a window of its own.
  void ViewFolder(FolderKind folder, Origin origin, bool newWindow);
  void RunExtraAction(ExtraAction action, Origin origin);

 private:
  bool OtherMailProgram() const;
  std::string AskCategories(Origin origin, const std::wstring& caption);
  void OpenFolderWindow(OutlookFolder folder);
  void Open(const std::string& file, const std::string& parameters = {}, int show = SW_SHOWNORMAL) const;

  OutlookSession& outlook_;
  BarData& data_;
  CommandHost& host_;
};

}  // namespace qrv
