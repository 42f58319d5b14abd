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
  // The list's own selection: CB_SETCURSEL would write the item over the box's text.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info))
    SendMessageW(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(std::max<LRESULT>(index, 0)), 0);
}

void TimeBox::HandleCommand(WORD code) {
  if (code == CBN_SETFOCUS || code == CBN_DROPDOWN) FillList();
  if (code == CBN_SELCHANGE && Selection() >= 0 && !Quiet()) {
    std::wstring item(static_cast<std::size_t>(Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(Selection()))) + 1, L'\0');
    item.resize(static_cast<std::size_t>(
        Send(CB_GETLBTEXT, static_cast<WPARAM>(Selection()), reinterpret_cast<LPARAM>(item.data()))));
    SetText(item);
  }
  ComboBox::HandleCommand(code);
  if (code == CBN_KILLFOCUS) Fire(onExit);
}

}  // namespace qrv
