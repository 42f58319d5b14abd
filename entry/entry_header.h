// The header of the Information Item window: the subject with its marks and
// the icon button before it, row 2 (To, the company, the contact or the web
// service) and row 3 (Cc, the status, the location, the phone or the journal
// type). The entry type's layout says which captions and fields show.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/entry_keys.h"
#include "core/entry_layout.h"
#include "entry/entry_data.h"
#include "entry/subject_marks.h"
#include "ui/buttons.h"
#include "ui/edits.h"
#include "ui/form.h"
#include "ui/image_list.h"

namespace qrv {

// The longest subject Outlook keeps, in characters: longer text is cut off,
// and the user is told.
inline constexpr int kSubjectLimit = 255;

class EntryHeader {
 public:
  EntryHeader(Form& form, const EntryData& data);

  RichEdit& Subject() { return subjectEdit_; }
  const RichEdit& Subject() const { return subjectEdit_; }
  Edit& Recipients() { return recipientsEdit_; }
  const Edit& Recipients() const { return recipientsEdit_; }
  Edit& Copies() { return copiesEdit_; }
  const Edit& Copies() const { return copiesEdit_; }
  SubjectMarks& Marks() { return marks_; }
  const SubjectMarks& Marks() const { return marks_; }
  std::optional<EntryField> FieldOf(HWND window) const;
  // All the text of the subject, To or Cc selected.
  void SelectAll(EntryField field);
  // Subject, To and Cc emptied, as the user would.
  void Clear();
  bool Empty() const;
  // To holds more than blanks.
  bool HasRecipients() const;

  int StatusIndex() const { return statusCombo_.Selection(); }  // -1: none chosen
  int ServiceIndex() const;                                     // -1: none chosen
  void SetServiceIndex(int index);
  const std::vector<std::string>& ServiceItems() const { return serviceItems_; }
  std::wstring ServiceCaption() const;
  std::wstring JournalTypeText() const;
  int AddressFields() const { return addressFields_; }  // what the address book fills

  // The rows for the entry type's layout, and their places for the width left
  // of the type buttons.
  void ApplyLayout(const EntryLayout& layout);
  void ShowIconButton(bool shown);
  void Arrange(int width, const EntryLayout& layout);
  // A subject that wraps gets a second line; it goes back to one only when
  // its text fits one line again. True when that changed.
  bool CheckLines(const std::wstring& subject);
  bool TwoLines() const { return twoLineSubject_; }

  int IconIndex() const { return iconIndex_; }  // from 0; -1 for none
  void SetIcon(int index);
  void BlankIcon();
  void ShowPictures();

  std::function<void()> onChooseIcon;
  std::function<void()> onChooseAddresses;  // the To, Cc or Contact button
  std::function<void()> onServiceChosen;    // by the user

 private:
  // Made when a layout first shows them: a new window is a task.
  ComboBox& ServiceCombo();
  ComboBox& JournalTypeCombo();
  bool FitsOneLine(const std::wstring& subject) const;

  // The fields right of the captions, as wide as the smallest window lays them out.
  static constexpr int kFieldWidth = kEntryMinClientWidth - kTypeColumnWidth - kFieldLeft;

  Form& form_;
  const EntryData& data_;
  std::vector<std::string> serviceItems_;  // the web-service choice's items, in its order
  std::vector<std::string> journalTypes_;  // the journal-type choice's items, in its order
  int serviceIndex_ = -1;                  // the chosen service while its choice is not made
  int addressFields_ = 1;
  bool twoLineSubject_ = false;
  int iconIndex_ = -1;
  Bitmap iconPicture_;  // the chosen icon on the icon button
  Button iconButton_{form_, {.bounds = {0, 2, 20, 20}, .visible = false, .takesFocus = false, .pictureOnly = true}};
  Label subjectLabel_{form_, {.bounds = {10, 5, 52, 13}, .text = L"Subject:", .rightAligned = true}};
  RichEdit subjectEdit_{form_, {.bounds = {kFieldLeft, 2, kFieldWidth, kSubjectHeight}}};
  Button toButton_{form_, {.bounds = {24, kRow2Top, 39, 19}, .text = L"To:", .takesFocus = false}};
  Label row2Label_{form_, {.bounds = {10, kRow2Top + 3, 52, 13}, .text = L"Company:", .rightAligned = true}};
  Edit recipientsEdit_{form_, {.bounds = {kFieldLeft, kRow2Top, kFieldWidth, 19}}};
  std::optional<ComboBox> serviceCombo_;
  Button ccButton_{form_, {.bounds = {24, kRow3Top, 39, 19}, .text = L"Cc:", .visible = false, .takesFocus = false}};
  Label row3Label_{form_, {.bounds = {10, kRow3Top + 3, 52, 13}, .text = L"Status:", .rightAligned = true}};
  Edit copiesEdit_{form_, {.bounds = {kFieldLeft, kRow3Top, kFieldWidth, 19}, .visible = false}};
  ComboBox statusCombo_{
      form_,
      {.bounds = {kFieldLeft, kRow3Top, kFieldWidth, 200},
       .items = {L"Not Started", L"In Progress", L"Completed", L"Waiting on someone else", L"Deferred"}}};
  std::optional<ComboBox> journalTypeCombo_;
  SubjectMarks marks_{subjectEdit_};
};

}  // namespace qrv
