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
#include "entry/attachment_list.h"
#include "entry/caption_menu_button.h"
#include "entry/category_panel.h"
#include "entry/date_panel.h"
#include "entry/entry_data.h"
#include "entry/entry_dates.h"
#include "entry/entry_footer.h"
#include "entry/entry_header.h"
#include "entry/entry_texts.h"
#include "entry/field_keys.h"
#include "entry/web_service_body.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace qrv {

enum class Priority { kLow, kNormal, kHigh };

class EntryWindow : public Form {
 public:
  EntryWindow(const EntryData& data, EntryActions& actions, const EntryClock& clock = SystemClock());
  ~EntryWindow() override;

  // Back to an empty task, keeping the marks and choices a reset keeps.
  void Clear();

  // The subject, To and Cc, the icon, the status, the journal type and the web
  // service; a change of To written with its notification lays the window out anew.
  EntryHeader& Header() { return header_; }
  const EntryHeader& Header() const { return header_; }

  // What the window holds beside the header.
  std::optional<EntryType> TypeButton() const { return typeButton_; }  // the type button that is down
  std::optional<EntryType> Type() const;                               // with the requests
  // The subject the item stores: without the marked phrases while keyword removal is on.
  std::wstring StoredSubject() const;
  bool KeywordRemoval() const { return keywordRemoval_; }
  void SetKeywordRemoval(bool on);
  std::wstring Body() const { return body_.PlainText(); }
  const EntryDates& Dates() const { return dates_; }
  bool CategoryPanelShown() const { return categoryPanel_ && categoryPanel_->Visible(); }
  std::vector<std::wstring> ChosenCategories() const {
    return categoryPanel_ ? categoryPanel_->Chosen() : std::vector<std::wstring>{};
  }
  Priority ItemPriority() const { return priority_; }
  const HandChoices& ByHand() const { return byHand_; }
  const std::string& LabelMatch() const { return labelMatch_; }
  // The attached files' full paths, in the list's order.
  std::vector<std::wstring> Attachments() const {
    return attachmentsList_ ? attachmentsList_->Paths() : std::vector<std::wstring>{};
  }
  bool Empty() const;
  // What the item commands read beside the getters above.
  bool PriorityShown() const { return priorityButton_.Visible(); }
  bool Sends() const { return footer_.Sends(); }

  // Commands of the buttons and keys.
  bool Save();  // clears and closes the window when the save finished
  bool Open();
  void CheckNames() { actions_.CheckNames(*this); }
  void FindContact() { actions_.FindContact(*this); }
  void ChooseType(EntryType type);  // as a type button pressed by hand
  void AssignDate();
  void ToggleCategoryPanel();
  void ChoosePriority(Priority priority);
  void Print();
  void AddAttachment(const std::wstring& path);
  void ChooseAttachments();  // through the file dialog
  void ChooseIcon();         // through the icon chooser

  // The button in the caption bar with the subject menu.
  CaptionMenuButton& CaptionButton() { return captionButton_; }

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
  // Made and wired as the window is made
  void MakeTypeButtons();
  void WireParts();
  void WireCommands();

  // The date panel, made when first shown or given dates or times: a new window is an undated task.
  DatePanel& MadeDatePanel();
  // The list of attached files, made with the first file: a new window has none.
  AttachmentList& MadeAttachmentList();
  bool HasAttachments() const { return attachmentsList_ && attachmentsList_->Count() > 0; }
  // The category panel, made when first shown or given categories: a new window chooses none.
  CategoryPanel& MadeCategoryPanel();
  const std::vector<std::string>& CategoryItems() const {
    return categoryPanel_ ? categoryPanel_->Items() : categoryNames_;
  }
  // A part made late takes its place in the Tab order before the part given.
  void MadeBefore(Control& made, const Control& next);

  // Layout
  void CheckCaption();
  bool DatePanelMayChange(const EntryLayoutInput& input) const;
  void ApplyDateArea(const EntryLayout& layout);
  void Arrange();
  void ArrangeEntryArea(int width, int height);
  void ShowCalendar();
  void HideCalendar();
  void GrowBy(int dx, int dy);
  void CheckSubjectLines(const std::wstring& subject);

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
  void SetTypeButton(std::optional<EntryType> type);
  std::vector<TextSpan> MarkedSpans() const;
  void ShowSubjectMarks();

  // Keys, times and closing
  void RunKeyCommand(const KeyAction& action, EntryField field);
  void StartTimeChanged();
  void EndTimeChanged();
  bool AskBeforeClosing();

  // Pictures, the frame, files
  void ShowPictures();
  bool OnFrameMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  void DropFiles(HDROP drop);
  std::vector<std::wstring> RunFileDialog();

  const EntryData& data_;
  EntryActions& actions_;
  const EntryClock& clock_;
  const LocaleFacts& locale_;
  HandChoices byHand_;
  // The type button that is down, kept here as the buttons change: every
  // keystroke asks for it several times.
  std::optional<EntryType> typeButton_;
  bool keywordRemoval_ = data_.settings.keywordRemoval;
  // The date panel's buttons start as the settings were when the window was made.
  EntryDates dates_{datePanel_, clock_, data_.settings.apptReminder, data_.settings.journalTime};
  // The category list's items while the category panel is not made.
  std::vector<std::string> categoryNames_ = data_.categoryNames;
  bool asking_ = false;
  bool categoriesRead_ = false;
  bool built_ = false;
  EntryLayout layout_;
  std::optional<EntryLayoutInput> laidOutFor_;
  bool laidOutWithAttachments_ = false;
  Priority priority_ = Priority::kNormal;
  std::string labelMatch_;
  std::wstring caption_;  // "<type> - QRV", the window's caption while shown
  CaptionMenuButton captionButton_{*this, data_.settings.keywordRemoval};
  std::wstring attachFolder_;  // where the file dialog opens

  // The parts, in the Tab order: the header, the body, the date panel, the
  // priority and type buttons right (made last), the footer, the category panel.
  EntryHeader header_{*this, data_};
  RichEdit body_{*this, {.bounds = {0, 61, 245, 138}}};
  WebServiceBody webBody_{*this, body_, data_.keywords};
  std::optional<AttachmentList> attachmentsList_;
  std::optional<DatePanel> datePanel_;
  Button priorityButton_{*this, {.bounds = {248, 1, 21, 19}, .text = L"!", .takesFocus = false, .pictureOnly = true}};
  std::array<std::unique_ptr<RadioButton>, 8> typeButtons_;
  EntryFooter footer_{*this};
  std::optional<CategoryPanel> categoryPanel_;
  // Priority menu
  PopupMenu priorityMenu_;
  MenuItem lowItem_{priorityMenu_, {.text = L"Low"}};
  MenuItem normalItem_{priorityMenu_, {.text = L"Normal"}};
  MenuItem highItem_{priorityMenu_, {.text = L"High"}};
  // What the subject and the body take other than typed, and the keys of the fields.
  EntryTexts texts_{*this, header_.Subject(), body_};
  FieldKeys keys_{*this, {header_, body_, datePanel_, footer_, texts_, typeButton_}, data_.settings};
};

// The entry types of the type buttons, top to bottom.
inline constexpr std::array kTypeButtonTypes{EntryType::kInternet,    EntryType::kTask,        EntryType::kNote,
                                             EntryType::kAppointment, EntryType::kContact,     EntryType::kEmail,
                                             EntryType::kJournal,     EntryType::kTextDocument};

}  // namespace qrv
