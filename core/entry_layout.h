// How the Information Item window lays itself out: for each entry type the
// caption, the rows of its header, the process button and the date area; and
// the window's sizes with and without its date and category panels. Pixels are
// at 96 DPI; the window scales them.
#pragma once

#include <optional>
#include <string_view>

#include "core/keyword_record.h"

namespace qrv {

// Client sizes of the window (the frame comes on top of them).
inline constexpr int kEntryMinClientWidth = 272;  // without the category panel
inline constexpr int kEntryPanelHeight = 221;     // everything but the date panel
inline constexpr int kDatePanelHeight = 190;
inline constexpr int kCategoryPanelWidth = 222;
inline constexpr int kFooterHeight = 22;
inline constexpr int kTypeColumnWidth = 27;
inline constexpr int kSubjectHeight = 19;
inline constexpr int kTwoLineSubjectHeight = 33;
inline constexpr int kFieldLeft = 65;
// The tops of header rows 2 and 3 under a one-line subject.
inline constexpr int kRow2Top = 21;
inline constexpr int kRow3Top = 40;

struct ClientSize {
  int width;
  int height;
  bool operator==(const ClientSize&) const = default;
};

// The smallest client area: 272 x 221, plus the date panel's height and the
// category panel's width while they show.
ClientSize EntryMinimumClientSize(bool datePanel, bool categoryPanel);

// What a header row shows as its caption.
enum class RowCaption { kNone, kLabel, kToButton, kCcButton, kContactButton };
// The field of a header row.
enum class RowField { kNone, kRecipients, kCopies, kStatus, kLocation, kJournalType, kService };

struct HeaderRow {
  RowCaption caption = RowCaption::kNone;
  std::string_view text;  // of the label or button
  RowField field = RowField::kNone;
  int top = 0;       // of the field and a button
  int labelTop = 0;  // of a label
};

// A change to a control that some layouts leave as it is.
enum class Show { kKeep, kShow, kHide };

struct EntryLayout {
  std::string_view captionWord;     // "Task" ... ; the window shows it with " - QRV"
  std::string_view processCaption;  // "&Save" or "&Send"; empty: unchanged
  std::optional<bool> processEnabled;
  bool changesHeader = true;  // false: rows 1 to 3 stay as they are
  std::string_view subjectCaption;
  int headerHeight = 0;
  HeaderRow row2;
  HeaderRow row3;
  int addressFields = 0;       // what the address book fills: 1 To, 2 To and Cc
  Show webBody = Show::kKeep;  // kShow: the read-only help body instead of the body
  Show priority = Show::kKeep;
  std::string_view timeLabel;  // empty: unchanged
  std::optional<bool> startTimeEnabled;
  std::optional<bool> endTimeEnabled;
  bool startTimeNowWhenNone = false;  // a start time of "None" becomes the time now
  Show datePanel = Show::kKeep;
  bool assignDateEnabled = false;
  Show reminder = Show::kKeep;
  Show timer = Show::kKeep;
  Show noneButton = Show::kKeep;
  Show floatButton = Show::kKeep;
  std::optional<int> todayLeft;
  bool iconShown = false;
  bool attachmentsAllowed = true;  // the attachment list shows when it holds files
};

struct EntryLayoutInput {
  std::optional<EntryType> type;  // of the pressed type button; none: no type
  bool hasRecipients = false;     // the To field, trimmed, is not empty
  bool twoLineSubject = false;
  bool iconNoteFound = false;
  bool floatShown = false;  // the floating-date button shows now
  bool operator==(const EntryLayoutInput&) const = default;
};

// The entry type the window stands for: a task or an appointment with
// recipients is a request.
std::optional<EntryType> WindowEntryType(std::optional<EntryType> button, bool hasRecipients);

EntryLayout LayOutEntry(const EntryLayoutInput& input);

}  // namespace qrv
