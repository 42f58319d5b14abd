#include "prefs/keywords_page.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/icon_definitions.h"
#include "core/keyword_file.h"
#include "core/keyword_record.h"
#include "prefs/keyword_dialog.h"
#include "ui/dpi.h"
#include "ui/shell.h"
#include "ui/wide.h"

namespace qrv {
namespace {

const std::vector<std::wstring> kListNames{L"Items", L"Categories", L"Internet", L"Icons"};
constexpr std::size_t kFactoryFileLimit = std::size_t{4} * 1024 * 1024;
constexpr int kIconColumn = 1;  // of the Icons list

std::vector<ListColumn> Columns(KeywordListKind kind) {
  std::vector<ListColumn> columns;
  for (const GridColumn& column : GridColumns(kind)) columns.push_back({Widen(column.heading), column.width});
  return columns;
}

}  // namespace

WorkingLists OpenWorkingLists(const std::vector<std::string>& keywordList, PreferencesActions& actions) {
  WorkingLists working{.lists = SplitKeywordList(keywordList)};
  working.changed =
      working.lists.categoryKeywords.empty() && FillCategoryKeywords(working.lists, actions.CategoryNames());
  return working;
}

KeywordsPage::KeywordsPage(Panel& page, Form& owner, const PreferencesData& data, PreferencesActions& actions,
                           WorkingLists& working)
    : owner_(owner),
      data_(data),
      actions_(actions),
      working_(working),
      heading_(page, {.bounds = {0, 3, 354, 28},
                      .text = L"When using the Information Item window, the following keywords determine where "
                              L"your information should be directed to.",
                      .centered = true}),
      listLabel_(page, {.bounds = {26, 35, 108, 14}, .text = L"Modify keywords for:"}),
      listChoice_(page, {.bounds = {135, 32, 106, 100}}),
      update_(page, {.bounds = {267, 32, 61, 22}, .text = L"Update"}),
      updating_(page, {.bounds = {47, 102, 200, 20}, .text = L"Updating Web Services...", .visible = false}),
      grid_(page, {.bounds = {0, 55, 265, 148},
                   .columns = Columns(KeywordListKind::kItems),
                   .rowHeight = 18,
                   .virtualRows = true}),
      add_(page, {.bounds = {267, 60, 61, 21}, .text = L"Add..."}),
      modify_(page, {.bounds = {267, 81, 61, 21}, .text = L"Modify...", .enabled = false}),
      remove_(page, {.bounds = {267, 102, 61, 21}, .text = L"Remove", .enabled = false}),
      moveUp_(page, {.bounds = {267, 131, 61, 21}, .text = L"Move Up", .enabled = false}),
      moveDown_(page, {.bounds = {267, 152, 61, 21}, .text = L"Move Dn", .enabled = false}),
      reset_(page, {.bounds = {267, 178, 61, 21}, .text = L"Reset"}) {
  update_.SetHint(L"Download Web Services");
  listChoice_.onSelect = [this] { ShowList(static_cast<KeywordListKind>(listChoice_.Selection())); };
  update_.onClick = [this] {
    if (onUpdate) onUpdate();
  };
  grid_.onSelect = [this](int) { EnableButtons(); };
  grid_.onRowDrawn = [this](HDC dc, int row) { DrawIcon(dc, row); };
  grid_.cellText = [this](int row, int column) { return CellText(row, column); };
  grid_.onDoubleClick = [this](int row) {
    if (row >= 0) Edit(false);
  };
  add_.onClick = [this] { Edit(true); };
  modify_.onClick = [this] { Edit(false); };
  remove_.onClick = [this] { RemoveCurrent(); };
  moveUp_.onClick = [this] { Move(true); };
  moveDown_.onClick = [this] { Move(false); };
  reset_.onClick = [this] { Reset(); };
  Reload();
}

KeywordsPage::~KeywordsPage() = default;

void KeywordsPage::Reload() {
  // The choice's entries replace those of the last opening.
  listChoice_.SetItems({kListNames.begin(), kListNames.begin() + (data_.iconNoteFound ? 4 : 3)});
  ShowList(KeywordListKind::kItems);
}

void KeywordsPage::ShowList(KeywordListKind kind) {
  if (kind != columnsShown_) grid_.SetColumns(Columns(kind));
  columnsShown_ = kind;
  shown_ = kind;
  listChoice_.SetSelection(static_cast<int>(kind));
  Refill(0);
}

std::wstring KeywordsPage::CellText(int row, int column) const {
  if (row < 0 || static_cast<std::size_t>(row) >= ShownList().size()) return {};
  const std::vector<std::string> cells =
      GridCells(shown_, ShownList()[static_cast<std::size_t>(row)], data_.iconDefinitions);
  return column >= 0 && static_cast<std::size_t>(column) < cells.size() ? Widen(cells[static_cast<std::size_t>(column)])
                                                                        : std::wstring();
}

// The grid asks for the rows it shows; a refill only tells it how many there are.
void KeywordsPage::Refill(int current) {
  grid_.SetRowCount(static_cast<int>(List().size()));
  if (!List().empty()) grid_.SetSelection(std::clamp(current, 0, static_cast<int>(List().size()) - 1));
  EnableButtons();
}

// An icon keyword's row shows the icon's picture in the middle of its "Icon" cell.
void KeywordsPage::DrawIcon(HDC dc, int row) {
  if (shown_ != KeywordListKind::kIcons || row < 0 || row >= static_cast<int>(List().size())) return;
  const std::string tail = RecordTail(List()[static_cast<std::size_t>(row)]);
  const int icon = tail.empty() ? 0 : CreateIconValue(tail[0]);
  if (icon < 1 || icon > data_.iconImages.Count()) return;
  const RECT cell = grid_.CellRect(row, kIconColumn);
  data_.iconImages.Draw(dc, icon - 1, cell.left + (cell.right - cell.left) / 2 - kIconSize / 2, cell.top + 1);
}

void KeywordsPage::EnableButtons() {
  const int count = static_cast<int>(List().size());
  const int current = Current();
  const bool any = count > 0 && current >= 0;
  const bool internet = shown_ == KeywordListKind::kInternet;
  modify_.SetEnabled(any);
  remove_.SetEnabled(any && (!internet || IsCustomService(List()[static_cast<std::size_t>(current)])));
  moveUp_.SetEnabled(any && !internet && current >= 1);
  moveDown_.SetEnabled(any && !internet && current < count - 1);
  add_.SetEnabled(true);
}

// Only the rows from `first` to `last` changed, and only they are drawn anew;
// the grid is told the count only when it changed.
void KeywordsPage::Changed(int first, int last, int current) {
  working_.changed = true;
  const int count = static_cast<int>(List().size());
  if (grid_.Count() != count) grid_.SetRowCount(count, RowsDrawn::kByCaller);
  grid_.RedrawRows(first, last);
  if (count > 0) grid_.SetSelection(std::clamp(current, 0, count - 1));
  EnableButtons();
  grid_.Focus();
}

void KeywordsPage::ServicesChanged() {
  working_.changed = true;
  if (shown_ == KeywordListKind::kInternet) Refill(Current());
}

void KeywordsPage::SetGridShown(bool shown) {
  grid_.SetVisible(shown);
  updating_.SetVisible(!shown);
}

void KeywordsPage::Edit(bool add) {
  if (add && shown_ == KeywordListKind::kInternet) return StartWebEditor();
  const int current = Current();
  if (!add && (current < 0 || current >= static_cast<int>(List().size()))) return;
  const std::vector<std::string> choices = shown_ == KeywordListKind::kCategories ? actions_.CategoryNames()
                                           : shown_ == KeywordListKind::kIcons    ? data_.iconDefinitions
                                                                                  : std::vector<std::string>{};
  std::unique_ptr<KeywordDialog>& dialog = dialogs_[static_cast<std::size_t>(shown_)];
  if (dialog)
    dialog->SetChoices(choices);
  else
    dialog = std::make_unique<KeywordDialog>(owner_, shown_, choices, data_.iconImages);
  const RECT window = owner_.WindowRect(), box = dialog->WindowRect();
  dialog->SetWindowRect(window.left + ((window.right - window.left) - (box.right - box.left)) / 2,
                        window.top + ((window.bottom - window.top) - (box.bottom - box.top)) / 2, box.right - box.left,
                        box.bottom - box.top);
  // Kept since its last opening, it takes the DPI of where it opens now, as a new one would.
  dialog->ApplyDpi(DpiOf(dialog->Handle()));
  dialog->Prefill(add ? nullptr : &List()[static_cast<std::size_t>(current)]);
  const auto record = dialog->Run();
  if (!record) return;
  if (add) {
    List().push_back(*record);
    const int added = static_cast<int>(List().size()) - 1;
    Changed(added, added, added);
  } else {
    List()[static_cast<std::size_t>(current)] = *record;
    Changed(current, current, current);
  }
}

void KeywordsPage::RemoveCurrent() {
  const int current = Current();
  if (current < 0 || current >= static_cast<int>(List().size())) return;
  const auto record = List().begin() + current;
  if (shown_ == KeywordListKind::kInternet && !IsCustomService(*record)) return;
  List().erase(record);
  Changed(current, static_cast<int>(List().size()), current);
}

void KeywordsPage::Move(bool up) {
  const int current = Current();
  if (shown_ == KeywordListKind::kInternet || current < 0) return;
  const int place = up ? current - 1 : current + 1;
  if (MoveRecord(List(), static_cast<std::size_t>(current), up))
    Changed(std::min(place, current), std::max(place, current), place);
}

void KeywordsPage::Reset() {
  const std::wstring question = L"Are you sure you want to overwrite\r\nany changes you have made to the\r\n" +
                                kListNames[static_cast<std::size_t>(shown_)] + L" Keywords?";
  const MessageOptions ownBox{.owner = owner_.Handle()};
  if (ShowMessage(question, MessageKind::kWarning, MessageButtons::kYesNo, ownBox) != DialogResult::kYes) return;
  const auto factory = ReadFileBytes(data_.folder / std::string(kFactoryKeywordFileName), kFactoryFileLimit);
  if (!factory) {
    ShowMessage(L"The file PREFS-QRV.BAK needs to be in the\r\nsame folder as Quorvel.exe.", MessageKind::kWarning,
                MessageButtons::kOk, ownBox);
    return;
  }
  const std::vector<std::string> names =
      shown_ == KeywordListKind::kCategories ? actions_.CategoryNames() : std::vector<std::string>{};
  ResetKeywordList(working_.lists, shown_, PlainLines(*factory), names);
  Changed(0, static_cast<int>(List().size()), 0);
}

// New web services come from the editor as web-service files.
void KeywordsPage::StartWebEditor() { StartProgram((data_.folder / L"QRVWebEditor.exe").wstring()); }

}  // namespace qrv
