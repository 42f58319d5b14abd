#include "hotkeys/hotkey_editor.h"

#include <algorithm>
#include <numeric>

#include "core/sorted_place.h"
#include "core/text.h"
#include "ui/wide.h"

namespace qrv {
namespace {

constexpr wchar_t kCaption[] = L"Hotkey Editor";
constexpr wchar_t kLayoutFile[] = L"prefs-qrv.ini";
constexpr SIZE kMinimumSize = {411, 244};  // the window, at 96 DPI
constexpr std::array<const wchar_t*, 5> kColumns = {L"Description", L"Action", L"Data", L"Hotkey", L"Active"};

// A cell of the list: the row's description, action, data, hotkey text, active.
std::wstring CellOf(const HotkeyRow& row, int column) {
  switch (column) {
    case 0:
      return Widen(row.description);
    case 1:
      return Widen(kHotkeyActionNames[static_cast<std::size_t>(row.action)]);
    case 2:
      return Widen(DataText(row));
    case 3:
      return Widen(HotkeyText(row));
    default:
      return row.active ? L"True" : L"False";
  }
}

// What reading the hotkey file met, and what the editor shows instead.
std::wstring ReadingWarning(const HotkeyFileContents& contents) {
  const std::wstring file = L"The hotkey file \"" + Widen(kHotkeyFileName) + L"\"";
  if (contents.status == HotkeyFileStatus::kEmpty) return file + L" is empty: it holds no hotkeys.";
  const std::wstring reason = Widen(AsSentence(contents.reason));
  const std::wstring kept = L" The file stays as it is until the list is saved.";
  if (contents.status == HotkeyFileStatus::kUnreadable) {
    return file + L" could not be read: " + reason + L" No hotkeys were read from it." + kept;
  }
  const std::size_t read = contents.rows.size();
  const std::wstring shown = read == 0   ? L" No hotkey could be read before the damage."
                             : read == 1 ? L" The one hotkey before the damage is shown."
                                         : L" The " + std::to_wstring(read) + L" hotkeys before the damage are shown.";
  return file + L" is damaged: " + reason + shown + kept;
}

bool SameCombination(const HotkeyRow& a, const HotkeyRow& b) { return HasKey(a) && HotkeyText(a) == HotkeyText(b); }

}  // namespace

HotkeyEditor::HotkeyEditor(std::filesystem::path folder, HotkeyTargets targets)
    : Form({.caption = kCaption, .clientSize = {543, 356}, .style = FormStyle::kSizable}),
      folder_(std::move(folder)),
      actions_(std::move(targets), [this] { ShowEditor(); }) {
  actions_.Hotkeys().onHotkey = [this](int index) { actions_.Run(index, Handle()); };
  list_.cellText = [this](int row, int column) {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? CellOf(rows_[static_cast<std::size_t>(row)], column)
                                                            : std::wstring();
  };
  list_.onSelect = [this](int row) { ShowRow(row); };
  // A click that leaves no row selected selects the edited row again: the
  // row shown selected is always the one that edits change.
  list_.onClick = [this](int) {
    if (list_.Selection() < 0) SelectRow(current_);
  };
  // What the user changes in the fields goes to the edited row; a new
  // description may move it in the list.
  fields_.onDescriptionChange = [this] {
    Current() = fields_.Row();
    PlaceCurrent();
    SetModified(true);
  };
  fields_.onChange = [this] {
    Current() = fields_.Row();
    ShowCurrentRow();
    SetModified(true);
  };
  fields_.acceptCombination = [this](const HotkeyRow& candidate) { return CheckHotkey(candidate); };
  newButton_.onClick = [this] { NewRow(); };
  deleteButton_.onClick = [this] { DeleteRow(); };
  applyButton_.onClick = [this] { SaveList(); };
  closeButton_.onClick = [this] { Close(); };

  LoadList();
  RegisterHotkeys();
  ReadLayout();
}

HotkeyEditor::~HotkeyEditor() { WriteLayout(); }

void HotkeyEditor::ShowEditor() {
  if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
  Show();
  SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(Handle());
}

LRESULT HotkeyEditor::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kShowEditorMessage:
      if (wp == kShowEditorMessage) ShowEditor();
      return 0;
    case kSendKeysMessage:
      if (wp == kSendKeysMessage) actions_.SendKeysOf(static_cast<int>(lp));
      return 0;
    case WM_GETMINMAXINFO: {
      const LRESULT result = Form::WndProc(msg, wp, lp);
      auto& info = *reinterpret_cast<MINMAXINFO*>(lp);
      info.ptMinTrackSize = {Scale(kMinimumSize.cx), Scale(kMinimumSize.cy)};
      return result;
    }
    default:
      return Form::WndProc(msg, wp, lp);
  }
}

// Closing with unsaved changes asks first: save them, drop them, or stay.
bool HotkeyEditor::CanClose() {
  if (!modified_) return true;
  switch (ShowMessage(L"Hotkey definitions have changed. Save changes?", MessageKind::kConfirmation,
                      MessageButtons::kYesNoCancel, {.caption = kCaption, .owner = Handle()})) {
    case DialogResult::kYes:
      return SaveList();
    case DialogResult::kNo:
      SetModified(false);
      LoadList();
      RegisterHotkeys();
      return true;
    default:
      return false;
  }
}

// --- the list ----------------------------------------------------------------------------

void HotkeyEditor::LoadList() {
  const int remembered = std::max(current_, 0);
  HotkeyFileContents contents = LoadHotkeyFile(folder_);
  unreadFile_ = contents.status == HotkeyFileStatus::kDamaged || contents.status == HotkeyFileStatus::kUnreadable;
  if (contents.status != HotkeyFileStatus::kRead && contents.status != HotkeyFileStatus::kMissing) {
    ShowMessage(ReadingWarning(contents), MessageKind::kWarning, MessageButtons::kOk, {.owner = Handle()});
  }
  rows_ = std::move(contents.rows);
  if (rows_.empty()) {
    current_ = -1;
    NewRow();
    // The blank row is no change of the user's: closing does not offer to
    // save it over a file that could not be read.
    if (unreadFile_) SetModified(false);
    return;
  }
  current_ = std::min(remembered, static_cast<int>(rows_.size()) - 1);
  SortRows();
  ShowList();
  fields_.Show(Current(), L"Edit hotkey");
  SetModified(false);
}

// Saves through a temporary file; a failed save says why and the list stays
// unsaved, so that nothing typed is lost. A file that could not be read whole
// is replaced only when the user says so.
bool HotkeyEditor::SaveList() {
  if (unreadFile_ &&
      ShowMessage(L"The hotkey file \"" + Widen(kHotkeyFileName) +
                      L"\" could not be read whole. Saving replaces it with the list as shown, and what could "
                      L"not be read is lost. Save anyway?",
                  MessageKind::kConfirmation, MessageButtons::kYesNo,
                  {.caption = kCaption, .owner = Handle()}) != DialogResult::kYes) {
    return false;
  }
  const SaveResult saved = SaveHotkeyFile(folder_, rows_);
  if (!saved) {
    ShowMessage(L"The hotkeys could not be saved: " + Widen(AsSentence(saved.reason)), MessageKind::kError,
                MessageButtons::kOk, {.owner = Handle()});
    return false;
  }
  unreadFile_ = false;
  SetModified(false);
  RegisterHotkeys();
  return true;
}

void HotkeyEditor::RegisterHotkeys() { actions_.Register(LoadHotkeyFile(folder_).rows); }

void HotkeyEditor::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  // No hotkey works while the list is being changed.
  if (modified_) actions_.Hotkeys().Clear();
  applyButton_.SetEnabled(modified_);
}

// The list draws the rows it shows from rows_.
void HotkeyEditor::ShowList() {
  list_.SetRowCount(static_cast<int>(rows_.size()));
  SelectRow(current_);
}

// The row the user selected, by click or by keys, becomes the one edited.
void HotkeyEditor::ShowRow(int row) {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || row == current_) return;
  current_ = row;
  fields_.Show(Current(), L"Edit hotkey");
}

// Keeps the rows in the order of their descriptions, ignoring case, as the
// list shows them and the file stores them; the edited row stays current.
void HotkeyEditor::SortRows() {
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), 0);
  std::vector<std::wstring> keys;
  keys.reserve(rows_.size());
  for (const HotkeyRow& row : rows_) keys.push_back(Widen(row.description));
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return lstrcmpiW(keys[a].c_str(), keys[b].c_str()) < 0; });
  std::vector<HotkeyRow> sorted;
  sorted.reserve(rows_.size());
  int current = current_;
  for (std::size_t n = 0; n < order.size(); ++n) {
    sorted.push_back(std::move(rows_[order[n]]));
    if (static_cast<int>(order[n]) == current_) current = static_cast<int>(n);
  }
  rows_ = std::move(sorted);
  current_ = current;
}

// After its description changed, the current row moves to where SortRows
// would put it; the other rows keep their order, and only the rows from its
// old to its new place are drawn again.
void HotkeyEditor::PlaceCurrent() {
  const std::wstring description = Widen(Current().description);
  const auto place =
      static_cast<int>(SortedPlace(rows_.size(), static_cast<std::size_t>(current_), [&](std::size_t row) {
        return lstrcmpiW(Widen(rows_[row].description).c_str(), description.c_str());
      }));
  const auto from = rows_.begin() + current_, to = rows_.begin() + place;
  if (place < current_) std::rotate(to, from, from + 1);
  if (place > current_) std::rotate(from, from + 1, to + 1);
  list_.RedrawRows(std::min(place, current_), std::max(place, current_));
  current_ = place;
  SelectRow(current_);
}

void HotkeyEditor::SelectRow(int row) {
  if (row < 0) return;
  list_.SetSelection(row);
}

void HotkeyEditor::NewRow() {
  rows_.push_back({});
  current_ = static_cast<int>(rows_.size()) - 1;
  list_.SetRowCount(static_cast<int>(rows_.size()));
  PlaceCurrent();
  fields_.Show(Current(), L"Add hotkey");
  SetModified(true);
}

void HotkeyEditor::DeleteRow() {
  if (current_ < 0 || current_ >= static_cast<int>(rows_.size())) return;
  rows_.erase(rows_.begin() + current_);
  if (rows_.empty()) {
    current_ = -1;
    NewRow();
    return;
  }
  current_ = 0;
  ShowList();
  fields_.Show(Current(), L"Edit hotkey");
  SetModified(true);
}

// --- a new combination's checks ----------------------------------------------------------

// A combination another active row uses needs the user's word, naming the row
// that will then not work (the later one: the earlier is registered first); one
// that another program holds is refused. A row without a key, or inactive,
// registers nothing and needs no check.
bool HotkeyEditor::CheckHotkey(const HotkeyRow& candidate) {
  if (!candidate.active || !HasKey(candidate)) return true;
  // The user goes on where they were once a question is answered.
  HWND focus = GetFocus();
  bool accepted = true;
  const auto conflict = std::find_if(rows_.begin(), rows_.end(), [&](const HotkeyRow& other) {
    return &other != &Current() && WouldRegister(other) && SameCombination(other, candidate);
  });
  if (conflict != rows_.end()) {
    if (!conflictDialog_) conflictDialog_ = &CreateOwned<HotkeyConflictDialog>();
    const std::string& loser = conflict - rows_.begin() < current_ ? candidate.description : conflict->description;
    accepted = conflictDialog_->Ask(Widen(conflict->description), Widen(loser));
  } else if (HeldByOtherProgram(candidate)) {
    ShowMessage(L"This hotkey combination is in use by another application.", MessageKind::kInformation,
                MessageButtons::kOk, {.caption = L"Hotkey combination error", .owner = Handle()});
    accepted = false;
  }
  if (focus && GetFocus() != focus) SetFocus(focus);
  return accepted;
}

// Tries the combination with the system; one of our own saved hotkeys (still
// registered before the first change) is no other program's.
bool HotkeyEditor::HeldByOtherProgram(const HotkeyRow& candidate) {
  SystemHotkeys& hotkeys = actions_.Hotkeys();
  const HotkeyCombination combination = CombinationOf(candidate);
  for (int n = 0; n < hotkeys.Count(); ++n) {
    if (hotkeys.At(n).registered && hotkeys.At(n).combination == combination) return false;
  }
  const bool registered = hotkeys.Add(combination).registered;
  hotkeys.Delete(hotkeys.Count() - 1);
  return !registered;
}

// --- the window's size and the columns' widths, kept beside the program ---------------

void HotkeyEditor::ReadLayout() {
  const std::wstring file = (folder_ / kLayoutFile).wstring();
  const RECT r = WindowRect();
  const int width = static_cast<int>(GetPrivateProfileIntW(L"EditorWindow", L"Width", r.right - r.left, file.c_str()));
  const int height =
      static_cast<int>(GetPrivateProfileIntW(L"EditorWindow", L"Height", r.bottom - r.top, file.c_str()));
  SetWindowRect(r.left, r.top, std::max<int>(width, Scale(kMinimumSize.cx)),
                std::max<int>(height, Scale(kMinimumSize.cy)));
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    const auto now = static_cast<int>(ListView_GetColumnWidth(list_.Handle(), static_cast<int>(column)));
    const UINT width = GetPrivateProfileIntW(L"EWColumns", kColumns[column], now, file.c_str());
    ListView_SetColumnWidth(list_.Handle(), static_cast<int>(column), std::min<UINT>(width, 4000));
  }
}

void HotkeyEditor::WriteLayout() const {
  if (!Handle()) return;  // the window went with the system's session
  const std::wstring file = (folder_ / kLayoutFile).wstring();
  const RECT r = WindowRect();
  WritePrivateProfileStringW(L"EditorWindow", L"Width", std::to_wstring(r.right - r.left).c_str(), file.c_str());
  WritePrivateProfileStringW(L"EditorWindow", L"Height", std::to_wstring(r.bottom - r.top).c_str(), file.c_str());
  for (std::size_t column = 0; column < kColumns.size(); ++column) {
    const int width = ListView_GetColumnWidth(list_.Handle(), static_cast<int>(column));
    WritePrivateProfileStringW(L"EWColumns", kColumns[column], std::to_wstring(width).c_str(), file.c_str());
  }
}

}  // namespace qrv
