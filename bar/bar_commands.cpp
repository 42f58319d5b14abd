#include "bar/bar_commands.h"

#include "bar/categories_dialog.h"
#include "components/settings.h"
#include "core/bar_windows.h"
#include "core/outlook_numbers.h"
#include "outlook/outlook_categories.h"
#include "outlook/outlook_items.h"
#include "ui/paint_now.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// A caption as the user reads it: without a hotkey text behind a tab.
std::wstring PlainCaption(const std::wstring& caption) { return caption.substr(0, caption.find(L'\t')); }

}  // namespace

BarCommands::BarCommands(OutlookSession& outlook, BarData& data, CommandHost& host)
    : outlook_(outlook), data_(data), host_(host) {}

bool BarCommands::OtherMailProgram() const { return UsesOtherMailProgram(data_.settings); }

void BarCommands::Open(const std::string& file, const std::string& parameters, int show) const {
  ShellOpen(host_.Owner(), Widen(file), Widen(parameters), show);
}

// --- items ---------------------------------------------------------------------------

OleObject BarCommands::NewItem(EntryType type, Origin origin, bool askCategories, const std::wstring& caption) {
  const BarSettings& settings = data_.settings;
  const std::wstring name = PlainCaption(caption);
  const bool otherMail = OtherMailProgram() && (type == EntryType::kContact || type == EntryType::kEmail);
  const bool prompted = PromptsForCategories(settings.categoryPromptTypes, type);
  std::string categories;
  const bool asked = !otherMail && (prompted || askCategories);
  if (asked) categories = AskCategories(origin, name);
  const bool collapsed = settings.minimizeButton && origin == Origin::kBar;
  if (collapsed) host_.CollapseAfterAction();
  // The closed prompt and the collapsed bar are drawn before Outlook is asked.
  if (asked || collapsed) PaintNow();

  if (otherMail) {
    Open(type == EntryType::kContact ? settings.addressBookPath : "mailto:");
    return {};
  }
  // A new note opens beside the bar, as high as its strip.
  return NewOutlookItem(outlook_, type, categories, {kBesideBarLeft, host_.BarTop(), host_.StripHeight()});
}

void BarCommands::ShowNewItem(EntryType type, Origin origin, bool askCategories, const std::wstring& caption) {
  const OleObject item = NewItem(type, origin, askCategories, caption);
  if (!item.IsEmpty()) item.Call("Display");
}

std::string BarCommands::AskCategories(Origin origin, const std::wstring& caption) {
  data_.categoryNames = ReadCategoryNames();
  CategoriesDialog dialog;
  const RECT r = dialog.WindowRect();
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (origin == Origin::kBar) {
    dialog.SetWindowRect(dialog.Scale(kBesideBarLeft), host_.BarTop(), width, height);
  } else {
    dialog.SetWindowRect((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2,
                         width, height);
  }
  dialog.SetCaption(caption);
  dialog.SetEntries(WidenAll(data_.categoryNames));
  // Cancelled (Esc, or closed otherwise), the item gets no categories.
  if (dialog.ShowModal() != DialogResult::kOk) return {};
  std::vector<std::string> chosen;
  for (const std::wstring& entry : dialog.ChosenEntries()) chosen.push_back(Narrow(entry));
  return JoinCategories(chosen);
}

// --- folders and the extra actions ---------------------------------------------------

void BarCommands::ViewFolder(FolderKind folder, Origin origin, bool newWindow) {
  const BarSettings& settings = data_.settings;
  if (settings.minimizeView && origin == Origin::kBar) host_.CollapseAfterAction();
  PaintNow();
  if (OtherMailProgram() && (folder == FolderKind::kContacts || folder == FolderKind::kInbox)) {
    Open(folder == FolderKind::kInbox ? settings.expressPath : settings.addressBookPath);
    return;
  }
  const auto opening = FolderOpeningOf(folder);
  if (!opening) return;
  if (settings.folderState == kFolderInNewWindow || newWindow) {
    OpenFolderWindow(opening->folder);
    return;
  }
  if (const OleObject explorer = outlook_.ActiveExplorer(); !explorer.IsEmpty()) {
    // The open Outlook window turns to the folder.
    explorer.Put("CurrentFolder", outlook_.DefaultFolder(opening->folder));
    explorer.Call("Display");
  } else if (FileExists(settings.outlookExePath)) {
    Open(settings.outlookExePath, opening->argument);
  }
}

void BarCommands::OpenFolderWindow(OutlookFolder folder) {
  const OleObject shown = outlook_.DefaultFolder(folder);
  if (data_.settings.folderType == kFolderWithoutOutlookBar) {
    shown.Call("GetExplorer", 1).Object().Call("Display");
  } else {
    shown.Call("Display");
  }
}

void BarCommands::RunExtraAction(ExtraAction action, Origin origin) {
  const BarSettings& settings = data_.settings;
  PaintNow();
  if (settings.minimizeButton && origin == Origin::kBar) host_.CollapseAfterAction();
  const std::string& outlook = settings.outlookExePath;
  switch (action) {
    case ExtraAction::kOpenOutlook:
      if (const OleObject explorer = outlook_.ActiveExplorer(); !explorer.IsEmpty())
        explorer.Call("Display");
      else if (FileExists(outlook))
        Open(outlook);
      break;
    case ExtraAction::kOutlookToday:
      if (FileExists(outlook)) Open(outlook, "Outlook:Outlook Today");
      break;
    case ExtraAction::kNewOfficeDocument:
      if (FileExists(settings.officeShortcutPath)) Open(settings.officeShortcutPath, "-n");
      break;
    case ExtraAction::kLaunchProgram:
      if (FileExists(settings.fileName)) Open(settings.fileName);
      break;
    case ExtraAction::kAdvancedFind:
      // Advanced Find is a program beside Outlook's own.
      if (FileExists(outlook)) Open(FolderOf(outlook) + "Finder.exe", {}, SW_SHOW);
      break;
  }
}

}  // namespace qrv
