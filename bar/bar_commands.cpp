#include "bar/bar_commands.h"

#include "bar/categories_dialog.h"
#include "bar/registry.h"
#include "bar/settings.h"
#include "components/windows_system.h"
#include "core/bar_windows.h"
#include "core/outlook_road.h"
#include "ui/app.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

// A caption as the user reads it: without a hotkey text behind a tab.
std::wstring PlainCaption(const std::wstring& caption) { return caption.substr(0, caption.find(L'\t')); }

// An Information Item fills and saves its own item: it never asks.
constexpr wchar_t kInformationItemCaption[] = L"New Item";

// The MeetingStatus that makes an appointment a meeting request.
constexpr int kMeeting = 1;

}  // namespace

BarCommands::BarCommands(OutlookSession& outlook, BarData& data, CommandHost& host)
    : outlook_(outlook), data_(data), host_(host) {}

bool BarCommands::OtherMailProgram() const { return data_.settings.emailType == kOtherMailProgram; }

void BarCommands::Open(const std::string& file, const std::string& parameters, int show) const {
  ShellOpen(host_.Owner(), Widen(file), Widen(parameters), show);
}

// --- items ---------------------------------------------------------------------------

OleObject BarCommands::NewItem(EntryType type, Origin origin, bool askCategories, const std::wstring& caption) {
  const BarSettings& settings = data_.settings;
  const std::wstring name = PlainCaption(caption);
  const bool otherMail = OtherMailProgram() && (type == EntryType::kContact || type == EntryType::kEmail);
  const bool prompted = PromptsForCategories(settings.categoryPromptTypes, type) && name != kInformationItemCaption;
  std::string categories;
  const bool asked = !otherMail && (prompted || askCategories);
  if (asked) categories = AskCategories(origin, name);
  const bool collapsed = settings.minimizeButton && origin == Origin::kBar;
  if (collapsed) host_.CollapseAfterAction();
  // The closed prompt and the collapsed bar are drawn before Outlook is asked.
  if (asked || collapsed) Application::Get().ProcessMessages();

  if (otherMail) {
    Open(type == EntryType::kContact ? settings.addressBookPath : "mailto:");
    return {};
  }
  const auto road = ItemRoadOf(type);
  if (!road) return {};
  outlook_.DefaultFolder(road->folder);  // the default folder of the kind is opened first
  OleObject item = outlook_.CreateItem(road->kind);
  if (type == EntryType::kNote) {
    // A new note opens beside the bar, as high as its strip.
    item.Put("Left", 40);
    item.Put("Top", host_.BarTop());
    item.Put("Height", host_.StripHeight());
  } else if (type == EntryType::kTaskRequest) {
    item.Call("Assign");
  } else if (type == EntryType::kMeetingRequest) {
    item.Put("MeetingStatus", kMeeting);
  }
  item.Put("Categories", categories);
  return item;
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
  std::vector<std::wstring> entries;
  for (const std::string& name : data_.categoryNames) entries.push_back(Widen(name));
  dialog.SetEntries(entries);
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
  Application::Get().ProcessMessages();
  if (OtherMailProgram() && (folder == FolderKind::kContacts || folder == FolderKind::kInbox)) {
    Open(folder == FolderKind::kInbox ? settings.expressPath : settings.addressBookPath);
    return;
  }
  const auto road = FolderRoadOf(folder);
  if (!road) return;
  if (settings.folderState == kFolderInNewWindow || newWindow) {
    OpenFolderWindow(road->folder);
    return;
  }
  if (const OleObject explorer = outlook_.ActiveExplorer(); !explorer.IsEmpty()) {
    // The open Outlook window turns to the folder.
    explorer.Put("CurrentFolder", outlook_.DefaultFolder(road->folder));
    explorer.Call("Display");
  } else if (FileExists(settings.outlookExePath)) {
    Open(settings.outlookExePath, road->argument);
  }
}

void BarCommands::OpenFolderWindow(int folder) {
  const OleObject shown = outlook_.DefaultFolder(folder);
  if (data_.settings.folderType == kFolderWithoutOutlookBar) {
    shown.Call("GetExplorer", 1).Object().Call("Display");
  } else {
    shown.Call("Display");
  }
}

void BarCommands::RunExtraAction(ExtraAction action, Origin origin) {
  const BarSettings& settings = data_.settings;
  Application::Get().ProcessMessages();
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

// --- categories ----------------------------------------------------------------------

// Outlook keeps its category list in one of two places, by version. A list of
// another type than text counts as no list there.
std::vector<std::string> ReadCategoryNames(const wchar_t* officeKey) {
  const std::wstring office = officeKey;
  std::optional<std::string> source;
  if (RegKey key(HKEY_CURRENT_USER, office + L"\\9.0\\Outlook\\Categories"); key) {
    source = key.Text(L"MasterList");
    if (!source && !key.HasValue(L"MasterList")) source = "";
  }
  if (!source) {
    if (RegKey key(HKEY_CURRENT_USER, office + L"\\8.0\\Outlook\\Categories"); key) source = key.Text(nullptr);
  }
  std::vector<std::string> names = SplitCategoryList(source.value_or(""));
  if (names.empty()) names = DefaultCategoryNames();
  SortCategoryNames(names, CompareInUserLocale);
  return names;
}

}  // namespace qrv
