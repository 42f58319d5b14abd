// Outlook's numbers, named once: its default folders, item kinds, recipient
// types, meeting status and attachment types; what the bar's items and
// folders are in them; and the rules of Outlook's category list as the bar
// reads and offers it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/keyword_record.h"

namespace qrv {

// Outlook's default folders, by the numbers GetDefaultFolder takes.
enum class OutlookFolder : int {
  kSentMail = 5,
  kInbox = 6,
  kCalendar = 9,
  kContacts = 10,
  kJournal = 11,
  kNotes = 12,
  kTasks = 13,
  kDrafts = 16,
};

// Outlook's item kinds, by the numbers CreateItem takes.
enum class OutlookItemKind : int {
  kMail = 0,
  kAppointment = 1,
  kContact = 2,
  kTask = 3,
  kJournal = 4,
  kNote = 5,
};
inline constexpr int kOutlookItemKinds = 6;

// A recipient's Type: on the To line or the Cc line.
enum class RecipientType : int { kTo = 1, kCc = 2 };

// An appointment's MeetingStatus; a meeting makes it a meeting request.
enum class MeetingStatus : int { kMeeting = 1 };

// How Attachments.Add takes a file: a copy, or embedded.
enum class AttachmentType : int { kByValue = 1, kEmbedded = 5 };

// The Outlook folders the bar's folder buttons, its menu and the "OUTLOOK:"
// start-up arguments open. The numbers are those of the settings and the menu.
enum class FolderKind : int {
  kTasks = 1,
  kNotes = 2,
  kCalendar = 3,
  kContacts = 4,
  kInbox = 5,
  kJournal = 6,
};

// The bar's extra actions, by the numbers of their buttons and menu items.
enum class ExtraAction : int {
  kOpenOutlook = 1,
  kOutlookToday = 2,
  kNewOfficeDocument = 3,
  kLaunchProgram = 4,
  kAdvancedFind = 5,
};

// The folder kind and extra action of a stored or menu number; none for others.
std::optional<FolderKind> FolderKindOf(int number);
std::optional<ExtraAction> ExtraActionOf(int number);

// A new item of a bar item type (task .. meeting request): the default folder
// fetched first and the kind of item made; none for the other entry types.
struct NewItemKind {
  OutlookFolder folder;
  OutlookItemKind kind;
};
std::optional<NewItemKind> NewItemKindOf(EntryType type);

// How a folder kind opens: its default folder and the argument that opens it
// in a starting outlook.exe.
struct FolderOpening {
  OutlookFolder folder;
  const char* argument;
};
// None for a number that is no folder kind.
std::optional<FolderOpening> FolderOpeningOf(FolderKind folder);

// Whether new items of a bar item type ask for categories first: when the
// decimal text of the type is among the prompt types.
bool PromptsForCategories(const std::vector<std::string>& promptTypes, EntryType type);

// The names of a category master list: split at every ";", an empty last name
// (after trimming) dropped, every other name kept as written.
std::vector<std::string> SplitCategoryList(std::string_view masterList);

// The names Outlook offers when it holds no list of its own.
std::vector<std::string> DefaultCategoryNames();

// An order of texts as the user's locale sorts them: below zero when `a`
// comes first, zero when they sort alike, above zero when `b` comes first.
// The Windows program passes the system's comparison for the user's locale.
using TextOrder = int (*)(std::string_view a, std::string_view b);

// Ignoring letter case, by bytes: the order when no locale's is given.
int CaselessByteOrder(std::string_view a, std::string_view b);

// Sorts in `order`; names that sort alike keep their order.
void SortCategoryNames(std::vector<std::string>& names, TextOrder order = CaselessByteOrder);

// Category names as an item's Categories take them: joined by ", ".
std::string JoinCategories(const std::vector<std::string>& names);

}  // namespace qrv
