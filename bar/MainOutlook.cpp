// The bar's Outlook road: connecting, making items (with the categories
// prompt), opening folders, the extra actions and Outlook's category names.
// Every call into Outlook is late-bound; a call Outlook refuses ends the command
// there, and the handler that started it reports Outlook's message.
#include "bar/Main.h"
#include "bar/Registry.h"
#include "bar/Settings.h"
#include "bar/unitCategories.h"
#include "core/outlook_road.h"
#include "ui/dialogs.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace {

// The other mail program (EmailType "1") takes the contacts and e-mail roads.
bool OtherMailProgram() { return BarSettings.emailType == "1"; }

void ShellOpen(HWND owner, const std::string& file, const std::string& parameters = {}, int show = SW_SHOWNORMAL) {
  ui::ShellOpen(owner, ui::Widen(file), ui::Widen(parameters), show);
}

// A caption as the user reads it: without a hotkey text behind a tab.
std::wstring PlainCaption(const std::wstring& caption) { return caption.substr(0, caption.find(L'\t')); }

}  // namespace

// --- connection ----------------------------------------------------------------------

bool TQV::ConnectToOutlook() {
  try {
    OutlookApp = qrv::OleObject::Create(L"Outlook.Application");
    OutlookNameSpace = OutlookApp.Call("GetNameSpace", "MAPI").Object();
    OutlookNameSpace.Call("Logon");
    return true;
  } catch (const std::exception&) {
    // Not installed, not starting, or refusing the logon: the bar runs on without it.
    ReleaseOutlook();
  }
  MessageBeep(MB_ICONEXCLAMATION);
  ui::MessageDlg(L"Outlook could not be accessed.\r\nMake sure Outlook is correctly installed.", ui::MsgKind::kWarning,
                 ui::kOk);
  return false;
}

void TQV::CloseOutlook() {
  if (OutlookApp.IsEmpty()) return;
  try {
    OutlookNameSpace.Call("Logoff");
    OutlookApp.Call("Quit");
  } catch (const std::exception&) {
    // Outlook gone already: nothing left to close.
  }
}

// Any Outlook window: a main window or the window of an item.
bool TQV::OutlookWindowOpen() {
  if (!OutlookApp.Call("ActiveExplorer").IsEmpty()) return true;
  return OutlookApp.Get("Inspectors").Object().Get("Count").Int() > 0;
}

void TQV::ReleaseOutlook() {
  for (auto* object : {&OutlookItem, &OutlookExplorer, &OutlookFolder, &OutlookNameSpace, &OutlookApp})
    object->Clear();
}

// An action started from the open bar collapses it. The bar may have collapsed
// meanwhile (the idle time ran out while the categories were chosen): it is
// not opened again.
void TQV::CollapseAfterAction() {
  if (!Collapsed()) MinimizeBar();
}

// --- items ---------------------------------------------------------------------------

void TQV::NewItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption) {
  const std::wstring name = PlainCaption(caption);
  const bool other_mail = OtherMailProgram() && (item_type == 4 || item_type == 5);
  std::string categories;
  if (!other_mail &&
      ((qrv::PromptsForCategories(BarSettings.categoryPromptTypes, static_cast<qrv::EntryType>(item_type)) && name != L"New Item") || force_prompt))
    categories = AskCategories(from_bar, name);
  if (BarSettings.minimizeButton && from_bar) CollapseAfterAction();
  ui::Application::Get().ProcessMessages();

  // Whatever happens next, no earlier item is left to be filled or saved.
  OutlookItem.Clear();
  if (other_mail) {
    ShellOpen(Handle(), item_type == 4 ? BarSettings.addressBookPath : "mailto:");
    return;
  }
  const auto road = qrv::ItemRoadOf(static_cast<qrv::EntryType>(item_type));
  if (!road) return;
  OutlookFolder = OutlookNameSpace.Call("GetDefaultFolder", road->folder).Object();
  OutlookItem = OutlookApp.Call("CreateItem", road->kind).Object();
  if (item_type == 2) {
    // A new note opens beside the bar, as high as its strip.
    OutlookItem.Put("Left", 40);
    OutlookItem.Put("Top", Top());
    OutlookItem.Put("Height", BMinBar->Height());
  } else if (item_type == 7) {
    OutlookItem.Call("Assign");
  } else if (item_type == 8) {
    OutlookItem.Put("MeetingStatus", 1);
  }
  OutlookItem.Put("Categories", categories);
}

std::string TQV::AskCategories(bool from_bar, const std::wstring& caption) {
  ReadCategories();
  TCategories dialog;
  if (from_bar) {
    dialog.SetBounds(40, Top(), dialog.Width(), dialog.Height());
  } else {
    dialog.SetBounds((GetSystemMetrics(SM_CXSCREEN) - dialog.Width()) / 2,
                     (GetSystemMetrics(SM_CYSCREEN) - dialog.Height()) / 2, dialog.Width(), dialog.Height());
  }
  dialog.SetCaption(caption);
  std::vector<std::wstring> entries;
  for (const std::string& name : CategoryNames) entries.push_back(ui::Widen(name));
  dialog.CategoriesList->SetItems(entries);
  dialog.ShowModal();  // however it was closed, the selection counts
  std::vector<std::string> chosen;
  for (const std::wstring& entry : dialog.CategoriesList->SelectedItems()) chosen.push_back(ui::Narrow(entry));
  return qrv::JoinCategories(chosen);
}

void TQV::CreateDisplayOLItem(int item_type, bool from_bar, bool force_prompt, const std::wstring& caption) {
  NewItem(item_type, from_bar, force_prompt, caption);
  if (!OutlookItem.IsEmpty()) OutlookItem.Call("Display");
}

// --- folders and the extra actions ---------------------------------------------------

void TQV::FolderView(int folder_type, bool collapse, bool new_window) {
  if (BarSettings.minimizeView && collapse) CollapseAfterAction();
  ui::Application::Get().ProcessMessages();
  if (OtherMailProgram() && (folder_type == 4 || folder_type == 5)) {
    ShellOpen(Handle(), folder_type == 5 ? BarSettings.expressPath : BarSettings.addressBookPath);
    return;
  }
  const auto road = qrv::FolderRoadOf(static_cast<qrv::FolderKind>(folder_type));
  if (!road) return;
  if (BarSettings.folderState == 1 || new_window) {
    OutlookFolder = OutlookNameSpace.Call("GetDefaultFolder", road->folder).Object();
    if (BarSettings.folderType == 1) {
      OutlookExplorer = OutlookFolder.Call("GetExplorer", 1).Object();
      OutlookExplorer.Call("Display");
    } else {
      OutlookFolder.Call("Display");
    }
    return;
  }
  OutlookExplorer = OutlookApp.Call("ActiveExplorer").Object();
  if (!OutlookExplorer.IsEmpty()) {
    // The open Outlook window turns to the folder.
    OutlookExplorer.Put("CurrentFolder", OutlookNameSpace.Call("GetDefaultFolder", road->folder).Object());
    OutlookExplorer.Call("Display");
  } else if (FileExists(BarSettings.outlookExePath)) {
    ShellOpen(Handle(), BarSettings.outlookExePath, road->argument);
  }
}

void TQV::OpenExtraItem(int action, bool collapse) {
  ui::Application::Get().ProcessMessages();
  if (BarSettings.minimizeButton && collapse) CollapseAfterAction();
  const std::string& outlook = BarSettings.outlookExePath;
  switch (action) {
    case 1:
      OutlookExplorer = OutlookApp.Call("ActiveExplorer").Object();
      if (!OutlookExplorer.IsEmpty()) OutlookExplorer.Call("Display");
      else if (FileExists(outlook)) ShellOpen(Handle(), outlook);
      break;
    case 2:
      if (FileExists(outlook)) ShellOpen(Handle(), outlook, "Outlook:Outlook Today");
      break;
    case 3:
      if (FileExists(BarSettings.officeShortcutPath)) ShellOpen(Handle(), BarSettings.officeShortcutPath, "-n");
      break;
    case 4:
      if (FileExists(BarSettings.fileName)) ShellOpen(Handle(), BarSettings.fileName);
      break;
    case 5:
      // Advanced Find is a program beside Outlook's own.
      if (FileExists(outlook)) ShellOpen(Handle(), FolderOf(outlook) + "Finder.exe", {}, SW_SHOW);
      break;
  }
}

// --- categories ----------------------------------------------------------------------

// Outlook keeps its category list in one of two places, by version. A list of
// another type than text counts as no list there.
void TQV::ReadCategories(const wchar_t* office_key) {
  const std::wstring office = office_key;
  std::optional<std::string> source;
  if (RegKey key(HKEY_CURRENT_USER, office + L"\\9.0\\Outlook\\Categories"); key) {
    source = key.Text(L"MasterList");
    if (!source && !key.HasValue(L"MasterList")) source = "";
  }
  if (!source) {
    if (RegKey key(HKEY_CURRENT_USER, office + L"\\8.0\\Outlook\\Categories"); key) source = key.Text(nullptr);
  }
  CategoryNames = qrv::SplitCategoryList(source.value_or(""));
  if (CategoryNames.empty()) CategoryNames = qrv::DefaultCategoryNames();
  qrv::SortCategoryNames(CategoryNames);
}
