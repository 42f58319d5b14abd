// The numbers the bar's buttons, menu items and settings stand for.
#pragma once

#include <windows.h>

#include <string_view>

namespace qrv {

// New items the bar makes, numbered as the new-item buttons' and menu items' tags.
enum class ItemType { kTask = 1, kNote, kAppointment, kContact, kMail, kJournal, kTaskRequest, kMeetingRequest };

// Outlook folders the bar opens, numbered as the folder buttons' and menu items' tags.
enum class FolderKind { kTasks = 1, kNotes, kCalendar, kContacts, kInbox, kJournal };

// The extra buttons' and menu items' actions.
enum class ExtraAction { kOpenOutlook = 1, kOutlookToday, kOfficeDocument, kLaunchProgram, kAdvancedFind };

// The page the preferences window opens on.
enum class PreferencePage { kAbout, kKeywords, kUpdate, kWebServiceFile };

// How often the bar looks whether the web services are due for an update:
// every nine hours (and a millisecond).
inline constexpr UINT kUpdateCheckIntervalMs = 9 * 60 * 60 * 1000 + 1;

// The ProgramMode setting: the bar alone, the notification-area icon alone, or both.
inline constexpr std::string_view kBarOnly = "0";
inline constexpr std::string_view kTrayIconOnly = "1";
inline constexpr std::string_view kBarAndTrayIcon = "2";
inline bool ModeShowsBar(std::string_view mode) { return mode == kBarOnly || mode == kBarAndTrayIcon; }
inline bool ModeShowsTrayIcon(std::string_view mode) { return mode == kTrayIconOnly || mode == kBarAndTrayIcon; }

// The EmailType setting of a user whose contacts and e-mail live in the other mail program.
inline constexpr std::string_view kOtherMailProgram = "1";

// The FolderState setting that opens every folder in a window of its own.
inline constexpr int kFolderInNewWindow = 1;
// The FolderType setting that opens a folder's own window without the Outlook Bar.
inline constexpr int kFolderWithoutOutlookBar = 1;
// The UpdateCheck settings that look for due updates (0 never does).
inline bool ChecksForUpdates(int updateCheck) { return updateCheck == 1 || updateCheck == 2; }

}  // namespace qrv
