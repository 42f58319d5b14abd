#include "entry/attachment_list.h"

#include <shellapi.h>

namespace qrv {
namespace {

// The shell's list of small icons, shared by every list that shows them.
HIMAGELIST ShellSmallIcons() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(L"", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES));
}

int ShellIconOf(const std::wstring& path) {
  SHFILEINFOW info{};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) return 0;
  return info.iIcon;
}

std::wstring FileName(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

}  // namespace

AttachmentList::AttachmentList(Container& parent, const Bounds& bounds)
    : ListView(parent, {.bounds = bounds,
                        .visible = false,
                        .columns = {{.title = L"Files", .width = 201}},
                        .multiSelect = true,
                        .noHeader = true}) {
  // The shell's icons, which the list must not free (the list shares its pictures).
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(ShellSmallIcons()));
}

void AttachmentList::Add(const std::wstring& path) {
  std::wstring name = FileName(path);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = Count();
  item.pszText = name.data();
  item.iImage = ShellIconOf(path);
  QuietScope quiet(*this);
  if (Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) >= 0) paths_.push_back(path);
}

void AttachmentList::RemoveSelected() {
  QuietScope quiet(*this);
  for (int row = Count() - 1; row >= 0; --row) {
    if (!Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED)) continue;
    Send(LVM_DELETEITEM, static_cast<WPARAM>(row));
    paths_.erase(paths_.begin() + row);
  }
}

void AttachmentList::RemoveAll() {
  Clear();
  paths_.clear();
}

bool AttachmentList::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code == LVN_KEYDOWN && reinterpret_cast<NMLVKEYDOWN&>(header).wVKey == VK_DELETE && Count() > 0) {
    RemoveSelected();
    Fire(onRemoved);
    return true;
  }
  if (header.code == NM_DBLCLK) {
    const int row = reinterpret_cast<NMITEMACTIVATE&>(header).iItem;
    if (row >= 0 && row < static_cast<int>(paths_.size())) Fire(onOpen, paths_[static_cast<std::size_t>(row)]);
    return true;
  }
  return ListView::HandleNotify(header, result);
}

}  // namespace qrv
