#include "entry/time_box.h"

#include <algorithm>
#include <string>
#include <vector>

namespace qrv {
namespace {

// "None" and the 48 half-hour times of a day.
std::vector<std::wstring> TimeItems() {
  std::vector<std::wstring> items{kNoTime};
  for (int half = 0; half < 48; ++half) {
    const int hour = half / 2 % 12 == 0 ? 12 : half / 2 % 12;
    items.push_back(std::to_wstring(hour) + (half % 2 ? L":30 " : L":00 ") + (half < 24 ? L"AM" : L"PM"));
  }
  return items;
}

}  // namespace

// Adds the items without CB_RESETCONTENT, which would empty the box's text, and selects in the list the
// item the text names ("None" when none), so the arrow keys step on from the time shown.
void TimeBox::FillList() {
  if (filled_) return;
  filled_ = true;
  const std::vector<std::wstring> items = TimeItems();
  QuietScope quiet(*this);
  Send(CB_INITSTORAGE, items.size(), static_cast<LPARAM>(items.size() * 10 * sizeof(wchar_t)));
  for (const std::wstring& item : items) Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  const std::wstring text = Text();
  const LRESULT index = Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  MarkListEntry(static_cast<int>(std::max<LRESULT>(index, 0)));
}

void TimeBox::HandleCommand(WORD code) {
  if (code == CBN_SETFOCUS || code == CBN_DROPDOWN) FillList();
  if (code == CBN_SELCHANGE && Selection() >= 0 && !Quiet()) SetText(ItemText(Selection()));
  ComboBox::HandleCommand(code);
  if (code == CBN_KILLFOCUS) Fire(onExit);
}

}  // namespace qrv
