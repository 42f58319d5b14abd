// The Information Item window: the user types a subject in free text and the
// window shows the fields of the entry type it implies (or the one chosen by
// hand), with a body, a date panel and a category panel. Every change of the
// subject runs the quick-entry parser and applies its answer without touching
// what the user chose by hand. Several windows may be open at once; each frees
// itself when it closes.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/entry_keys.h"
#include "core/entry_layout.h"
#include "core/quick_entry.h"
#include "core/service_hint.h"
#include "entry/attachment_list.h"
#include "entry/entry_data.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/lists.h"
#include "ui/menu.h"
#include "ui/panels.h"
#include "ui/pickers.h"

namespace qrv {

enum class Priority { kLow, kNormal, kHigh };

// The longest subject Outlook keeps, and the longest body the window takes, in
// characters: longer text is cut off, and the user is told.
inline constexpr int kSubjectLimit = 255;
inline constexpr int kBodyLimit = 64 * 1024;

// An editable combo of "None" and the half-hour times, whose leaving is an event of its own. The list is
// filled when the box first takes the focus or drops down: two filled lists cost the window's opening more
// than the rest of its date panel, and most items are typed without ever opening them.
class TimeBox : public ComboBox {
 public:
  TimeBox(Container& parent, const ComboArgs& args) : ComboBox(parent, args) {}
  // A time picked from the list is in the box's text before onSelect runs.
  std::function<void()> onExit;
  void HandleCommand(WORD code) override;

 private:
  void FillList();
  bool filled_ = false;
};

class EntryWindow : public Form {
 public:
  EntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock = SystemClock());
  ~EntryWindow() override;

  // Back to an empty task, keeping the marks and choices a reset keeps.
  void Clear();

  // What the window holds.
  std::optional<EntryType> TypeButton() const { return typeButton_; }  // the type button that is down
  std::optional<EntryType> Type() const;                               // with the requests
  std::wstring Subject() const { return subjectEdit_.Text(); }
  // The subject the item stores: without the marked phrases while keyword removal is on.
  std::wstring StoredSubject() const;
  bool KeywordRemoval() const { return keywordRemoval_; }
  void SetKeywordRemoval(bool on);
  std::wstring Recipients() const { return recipientsEdit_.Text(); }
  std::wstring Copies() const { return copiesEdit_.Text(); }
  std::wstring Body() const { return body_.PlainText(); }
  std::wstring StartTimeText() const { return startTime_.Text(); }
  std::wstring EndTimeText() const { return endTime_.Text(); }
  DateRange Dates() const;
  bool DatePanelShown() const { return datePanel_.Visible(); }
  bool CategoryPanelShown() const { return categoryPanel_.Visible(); }
  std::vector<std::wstring> ChosenCategories() const;
  Priority ItemPriority() const { return priority_; }
  bool ReminderOn() const { return reminderButton_.Checked(); }
  const HandChoices& ByHand() const { return byHand_; }
  const std::string& LabelMatch() const { return labelMatch_; }
  int IconIndex() const { return iconIndex_; }  // from 0; -1 for none
  // The attached files' full paths, in the list's order.
  std::vector<std::wstring> Attachments() const { return attachmentsList_.Paths(); }
  bool Empty() const;
  // What the item commands read and write back beside the getters above.
  int StatusIndex() const { return statusCombo_.Selection(); }  // -1: none chosen
  std::wstring JournalTypeText() const;
  std::wstring ServiceCaption() const;
  bool TimerOn() const { return timerButton_.Checked(); }
  bool FloatOn() const { return floatButton_.Checked(); }
  bool PriorityShown() const { return priorityButton_.Visible(); }
  bool Sends() const { return processButton_.Text() == L"&Send"; }  // the process button reads "&Send"
  void SetSubject(const std::wstring& text) { subjectEdit_.SetPlainText(text); }
  void SetRecipients(const std::wstring& text) { recipientsEdit_.SetText(text, Notify::kYes); }  // lays out anew
  void SetCopies(const std::wstring& text) { copiesEdit_.SetText(text); }

  // Commands of the buttons and keys.
  bool Save();  // clears and closes the window when the save finished
  bool Open();
  void CheckNames() { actions_.CheckNames(*this); }
  void FindContact() { actions_.FindContact(*this); }
  void ChooseType(EntryType type);  // as a type button pressed by hand
  void AssignDate();
  void Today();
  void ToggleCategoryPanel();
  void ChoosePriority(Priority priority);
  void Print();
  void AddAttachment(const std::wstring& path);
  void ChooseAttachments();  // through the file dialog
  void ChooseIcon();         // through the icon chooser
  void SetIcon(int index);   // an icon of the icon note, from 0
  void BlankIcon();

  // The menu of the button in the caption bar.
  PopupMenu& SubjectMenu() { return subjectMenu_; }
  // The caption-bar button's place in window coordinates (its first painting places it).
  RECT CaptionButtonRect() const { return captionButton_; }

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
  // Layout
  void CheckCaption();
  bool DatePanelMayChange(const EntryLayoutInput& input) const;
  void ApplyHeader(const EntryLayout& layout);
  void ApplyDateArea(const EntryLayout& layout);
  void PlaceRow(const HeaderRow& row);
  void Arrange();
  void ArrangeDatePanel(int width);
  void ArrangeEntryArea(int width, int height);
  void ArrangeHeader(int width);
  void ShowCalendar();
  void HideCalendar();
  void GrowBy(int dx, int dy);
  void CheckLine1Height(const std::wstring& subject);
  bool FitsOneLine(const std::wstring& subject) const;

  // Quick entry
  void SubjectChanged();
  void BodyChanged();
  void RecipientsChanged();
  QuickEntryInput ParserInput(const std::string& subject, const std::string& body, const std::string& serviceText,
                              const std::string& startBox) const;
  void RunParser();
  void ParseNow(const std::wstring& subject);
  void ApplyParserResult(const QuickEntryResult& result);
  void ApplyCategories(const CategoryChoice& choice);
  void FillCategoryList();
  void SetTypeButton(std::optional<EntryType> type);
  void TypeClicked(EntryType type);

  // Marks (subject_marks.cpp)
  std::vector<TextSpan> MarkedSpans() const;
  void ShowSubjectMarks();

  // Keys, dates and times
  std::optional<EntryField> FieldOf(HWND window) const;
  EntryKeyContext KeyContext(EntryField field) const;
  bool HandleKeyDown(MSG& msg, EntryField field, Modifiers modifiers);
  bool HandleTab(EntryField field, Modifiers modifiers);
  bool PasteWithin(RichEdit& edit, int limit);
  void RunKeyCommand(const KeyAction& action, EntryField field);
  void StartTimeChanged();
  void EndTimeChanged();
  void LeaveStartTime();
  void LeaveEndTime();
  void CheckSpanDays();
  void SetDates(const DateRange& range);
  bool AskBeforeClosing();

  // Controls hidden at first, made when first shown
  ComboBox& ServiceCombo();
  ComboBox& JournalTypeCombo();
  RichEdit& WebBody();
  void MadeAfter(Control& made, const Control& before);
  int ServiceIndex() const;  // -1: none chosen
  void SetServiceIndex(int index);
  void RenderHintText();

  // Pictures, the web-service hint, the caption-bar button, attachments
  void ShowPictures();
  void ShowServiceHint();
  void ShowHintText(const ServiceHintText& hint);
  void PlaceCaptionButton();
  void DrawCaptionButton();
  bool CaptionButtonClicked(LPARAM screenPoint);
  bool OnFrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void DropFiles(HDROP drop);
  void TakeTextFile(const std::wstring& path);
  void UnwrapBodyFor(std::wstring_view text);
  void WrapBody();
  void TellTextCut(bool subject);
  std::vector<std::wstring> RunFileDialog();

  const EntryData& data_;
  EntryActions& actions_;
  const EntryClock& clock_;
  LocaleFacts locale_;
  DigitKeys digitKeys_{};
  HandChoices byHand_;
  // The type button that is down, kept here as the buttons change: every
  // keystroke asks for it several times.
  std::optional<EntryType> typeButton_;
  bool keywordRemoval_ = data_.settings.keywordRemoval;
  std::string parsedSubject_;        // the subject as the last run read it
  std::vector<UsedPhrase> phrases_;  // what that run used of it
  std::string markedSubject_;        // the subject and its phrases marked last
  std::vector<std::string> markedTexts_;
  bool twoLineSubject_ = false;
  bool asking_ = false;
  bool cutToldLater_ = false;  // a message that text was cut is on its way
  bool bodyWraps_ = true;      // false while the body holds a line too long to wrap
  bool categoriesRead_ = false;
  bool built_ = false;
  EntryLayout layout_;
  std::optional<EntryLayoutInput> laidOutFor_;
  bool laidOutWithAttachments_ = false;
  Priority priority_ = Priority::kNormal;
  int iconIndex_ = -1;
  int addressFields_ = 1;
  int todayLeft_ = 87;
  std::string labelMatch_;
  std::vector<std::string> serviceItems_;   // the web-service choice's items, in its order
  std::vector<std::string> categoryItems_;  // the category list's items
  std::vector<std::string> journalTypes_;   // the journal-type choice's items, in its order
  int serviceIndex_ = -1;                   // the chosen service while its choice is not made
  ServiceHintText hint_;                    // what the web-service body shows
  std::wstring caption_;                    // "<type> - QRV", the window's caption while shown
  RECT captionButton_{};
  std::wstring attachFolder_;  // where the file dialog opens
  Bitmap iconPicture_;         // the chosen icon on the icon button

  // Header
  Button iconButton_;
  Label subjectLabel_;
  RichEdit subjectEdit_;
  Button toButton_;
  Label row2Label_;
  Edit recipientsEdit_;
  std::optional<ComboBox> serviceCombo_;
  Button ccButton_;
  Label row3Label_;
  Edit copiesEdit_;
  ComboBox statusCombo_;
  std::optional<ComboBox> journalTypeCombo_;
  // Body
  RichEdit body_;
  std::optional<RichEdit> webBody_;
  AttachmentList attachmentsList_;
  // Date panel
  Panel datePanel_;
  Label timeLabel_;
  TimeBox startTime_;
  Label dashLabel_;
  TimeBox endTime_;
  CheckBox reminderButton_;
  CheckBox timerButton_;
  MonthCalendar calendar_;
  Button todayButton_;
  Button noneButton_;
  CheckBox floatButton_;
  // Right column: priority and the type buttons, task first
  Button priorityButton_;
  std::array<std::unique_ptr<RadioButton>, 8> typeButtons_;
  // Footer
  Button assignDateButton_;
  Button categoriesButton_;
  Button attachButton_;
  Button signatureButton_;
  Button keywordsButton_;
  Button helpButton_;
  Button escapeButton_;
  Button resetButton_;
  Button openButton_;
  Button processButton_;
  // Category panel
  Panel categoryPanel_;
  Label categoryTitle_;
  ListBox categoryList_;
  Button noneCategoryButton_;
  // Priority menu
  PopupMenu priorityMenu_;
  MenuItem lowItem_;
  MenuItem normalItem_;
  MenuItem highItem_;
  // Caption-bar menu
  PopupMenu subjectMenu_;
  MenuItem findContactItem_;
  MenuItem checkNamesItem_;
  MenuItem printBodyItem_;
  MenuItem subjectMenuSeparator_;
  MenuItem keywordRemovalItem_;
};

// The entry types of the type buttons, top to bottom.
inline constexpr std::array kTypeButtonTypes{EntryType::kInternet,    EntryType::kTask,        EntryType::kNote,
                                             EntryType::kAppointment, EntryType::kContact,     EntryType::kEmail,
                                             EntryType::kJournal,     EntryType::kTextDocument};

}  // namespace qrv
