// The bar menu (also the notification-area icon's menu), the programs that
// enable its items, and what its items start.
#include "bar/bar_window.h"
#include "bar/hotkey_editor.h"
#include "bar/settings.h"
#include "ui/layout.h"

namespace qrv {
namespace {

using ui::Make;

constexpr wchar_t kMenu[] = L"barMenu";

ui::LayoutRow Item(const wchar_t* name, const wchar_t* caption, int tag = 0, unsigned style = 0) {
  return {.name = name, .make = Make<ui::MenuItem>, .caption = caption, .style = style, .tag = tag, .parent = kMenu};
}

}  // namespace

void BarWindow::BuildMenu() {
  ui::BuildLayout(*this, {
      {.name = kMenu, .make = Make<ui::PopupMenu>},
      Item(L"tasksFolderItem", L"Tasks", 1),
      Item(L"notesFolderItem", L"Notes", 2),
      Item(L"calendarFolderItem", L"Calendar", 3),
      Item(L"contactsFolderItem", L"Contacts", 4),
      Item(L"inboxFolderItem", L"Inbox", 5),
      Item(L"journalFolderItem", L"Journal", 6),
      Item(L"foldersSeparator", L"-"),
      Item(L"newTaskItem", L"New Task", 1),
      Item(L"newNoteItem", L"New Note", 2),
      Item(L"newAppointmentItem", L"New Appointment", 3),
      Item(L"newContactItem", L"New Contact", 4),
      Item(L"newMailItem", L"New E-Mail Item", 5),
      Item(L"newJournalItem", L"New Journal Item", 6),
      Item(L"itemsSeparator", L"-"),
      Item(L"newTaskRequestItem", L"New Task Request", 7),
      Item(L"newMeetingRequestItem", L"New Meeting Request", 8),
      Item(L"requestsSeparator", L"-"),
      Item(L"openOutlookItem", L"Open Outlook", 1),
      Item(L"outlookTodayItem", L"Open Outlook Today", 2),
      Item(L"advancedFindItem", L"Advanced Find...", 5),
      Item(L"informationItemItem", L"New Information Item"),
      Item(L"officeDocumentItem", L"New Office Document", 3),
      Item(L"actionsSeparator", L"-"),
      Item(L"toggleBarItem", L"Tavrobar Enabled", 0, ui::kChecked),
      Item(L"preferencesItem", L"About / Preferences..."),
      Item(L"keywordsItem", L"Keywords..."),
      Item(L"hotkeysItem", L"Hotkeys..."),
      Item(L"updateItem", L"Update Web Services"),
      Item(L"helpItem", L"Help"),
      Item(L"exitSeparator", L"-"),
      Item(L"exitItem", L"Exit 'Quorvel'"),
  });
  ui::BindClicks(*this, {
      {L"tasksFolderItem", &BarWindow::OnFolderMenuClick}, {L"notesFolderItem", &BarWindow::OnFolderMenuClick},
      {L"calendarFolderItem", &BarWindow::OnFolderMenuClick}, {L"contactsFolderItem", &BarWindow::OnFolderMenuClick},
      {L"inboxFolderItem", &BarWindow::OnFolderMenuClick}, {L"journalFolderItem", &BarWindow::OnFolderMenuClick},
      {L"newTaskItem", &BarWindow::OnNewItemMenuClick}, {L"newNoteItem", &BarWindow::OnNewItemMenuClick},
      {L"newAppointmentItem", &BarWindow::OnNewItemMenuClick}, {L"newContactItem", &BarWindow::OnNewItemMenuClick},
      {L"newMailItem", &BarWindow::OnNewItemMenuClick}, {L"newJournalItem", &BarWindow::OnNewItemMenuClick},
      {L"newTaskRequestItem", &BarWindow::OnNewItemMenuClick},
      {L"newMeetingRequestItem", &BarWindow::OnNewItemMenuClick},
      {L"openOutlookItem", &BarWindow::OnExtraMenuClick}, {L"outlookTodayItem", &BarWindow::OnExtraMenuClick},
      {L"advancedFindItem", &BarWindow::OnExtraMenuClick},
      {L"informationItemItem", &BarWindow::OnInformationItemMenuClick},
      {L"officeDocumentItem", &BarWindow::OnExtraMenuClick}, {L"toggleBarItem", &BarWindow::OnToggleBarMenuClick},
      {L"preferencesItem", &BarWindow::OnPreferencesMenuClick}, {L"keywordsItem", &BarWindow::OnKeywordsMenuClick},
      {L"hotkeysItem", &BarWindow::OnHotkeysMenuClick}, {L"updateItem", &BarWindow::OnUpdateMenuClick},
      {L"helpItem", &BarWindow::OnHelpMenuClick}, {L"exitItem", &BarWindow::OnQuitButtonClick},
  });
  barMenu_ = &Get<ui::PopupMenu>(kMenu);
  toggleBarItem_ = &Get<ui::MenuItem>(L"toggleBarItem");
}

// The Outlook programs' items are offered only when the programs are there.
void BarWindow::EnableMenuPrograms() {
  const BarSettings& settings = data_.settings;
  const bool outlook = FileExists(settings.outlookExePath);
  Get<ui::MenuItem>(L"openOutlookItem").SetEnabled(outlook);
  Get<ui::MenuItem>(L"outlookTodayItem").SetEnabled(outlook);
  Get<ui::MenuItem>(L"advancedFindItem").SetEnabled(FileExists(FolderOf(settings.outlookExePath) + "Finder.exe"));
  Get<ui::MenuItem>(L"officeDocumentItem").SetEnabled(FileExists(settings.officeShortcutPath));
}

// --- what the items start ----------------------------------------------------------------

void BarWindow::OnFolderMenuClick(ui::Control& sender) {
  commands_.ViewFolder(static_cast<FolderKind>(sender.Tag), Origin::kMenu, false);
}

void BarWindow::OnNewItemMenuClick(ui::Control& sender) {
  commands_.ShowNewItem(static_cast<EntryType>(sender.Tag), Origin::kMenu, false, sender.Caption());
}

void BarWindow::OnExtraMenuClick(ui::Control& sender) {
  commands_.RunExtraAction(static_cast<ExtraAction>(sender.Tag), Origin::kMenu);
}

void BarWindow::OnInformationItemMenuClick(ui::Control&) { CreateEntry(); }

// Shows or hides the bar; the new mode lives until the preferences are saved.
void BarWindow::OnToggleBarMenuClick(ui::Control&) {
  SetVisible(!Visible());
  data_.settings.programMode = ToggledProgramMode(data_.settings.programMode);
  ApplyProgramMode();
}

void BarWindow::OnPreferencesMenuClick(ui::Control&) { ShowPreferences(PreferencePage::kGeneral); }

void BarWindow::OnKeywordsMenuClick(ui::Control&) { ShowPreferences(PreferencePage::kKeywords); }

void BarWindow::OnHotkeysMenuClick(ui::Control&) {
  if (hotkeyEditor) hotkeyEditor->Show();
}

void BarWindow::OnUpdateMenuClick(ui::Control&) { ShowPreferences(PreferencePage::kUpdate); }

void BarWindow::OnHelpMenuClick(ui::Control&) { ShowHelp(0); }

// The help viewer and the Information Item window each arrive with their own
// change, placed by PlaceHelpViewer and PlaceEntryWindow.
void BarWindow::ShowHelp(int) {}

void BarWindow::CreateEntry() {}

}  // namespace qrv
