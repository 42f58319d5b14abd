#include "entry/icon_chooser.h"

#include "core/icon_definitions.h"
#include "ui/gdi.h"
#include "ui/wide.h"

namespace qrv {

IconList::IconList(Container& parent, const Bounds& bounds, HIMAGELIST pictures)
    : ListView(parent, {.bounds = bounds,
                        .anchors = {.right = true, .bottom = true},
                        .columns = {{L"Files", 136}},
                        .enterOpens = true,
                        .noHeader = true}),
      pictures_(pictures) {
  ShowPictures();
}

void IconList::DpiChanged() {
  ListView::DpiChanged();
  ShowPictures();
}

void IconList::ShowPictures() {
  if (!pictures_) return;
  int width = 0, height = 0;
  ImageList_GetIconSize(pictures_, &width, &height);
  const int size = Parent().Scale(16);
  if (size == width) {
    scaled_.reset();
    Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures_));
    return;
  }
  auto scaled = std::make_unique<ImageList>(size, size);
  WindowDc screen(nullptr);
  MemoryDc from(screen.Get()), to(screen.Get());
  OwnedBitmap original(CreateCompatibleBitmap(screen.Get(), width, height));
  for (int i = 0; i < ImageList_GetImageCount(pictures_); ++i) {
    OwnedBitmap grown(CreateCompatibleBitmap(screen.Get(), size, size));
    {
      SelectedObject fromPicture(from.Get(), original.Get()), toPicture(to.Get(), grown.Get());
      ImageList_Draw(pictures_, i, from.Get(), 0, 0, ILD_NORMAL);
      SetStretchBltMode(to.Get(), COLORONCOLOR);
      StretchBlt(to.Get(), 0, 0, size, size, from.Get(), 0, 0, width, height, SRCCOPY);
    }
    scaled->Add(grown.Get());
  }
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(scaled->Handle()));
  scaled_ = std::move(scaled);
}

bool IconList::HandleNotify(NMHDR& header, LRESULT& result) {
  if (header.code == NM_CLICK || header.code == NM_RETURN) {
    const int row = header.code == NM_CLICK ? reinterpret_cast<NMITEMACTIVATE&>(header).iItem : Selection();
    if (row >= 0) Fire(onPick, row);
  }
  return ListView::HandleNotify(header, result);
}

IconChooser::IconChooser(Form& owner, const std::vector<std::string>& definitions, HIMAGELIST pictures)
    : Form({.caption = L"Select Icon", .clientSize = {152, 276}, .owner = &owner, .toolWindow = true}),
      icons_(*this, {0, 0, 152, 255}, pictures),
      noneButton_(
          *this,
          {.bounds = {49, 257, 54, 19}, .text = L"None", .anchors = {.left = false, .top = false, .bottom = true}}) {
  for (std::size_t line = 1; line < definitions.size(); ++line) {
    const int row = icons_.AddRow({Widen(IconCaption(definitions, line))});
    icons_.SetRowImage(row, static_cast<int>(line) - 1);
  }
  icons_.onPick = [this](int row) {
    chosen_ = row;
    EndModal(DialogResult::kOk);
  };
  noneButton_.onClick = [this] {
    chosen_.reset();
    EndModal(DialogResult::kOk);
  };
}

std::optional<int> IconChooser::Choose() {
  chosen_.reset();
  // Closed with its close box, the chooser takes the row chosen with the keyboard.
  if (ShowModal() == DialogResult::kCancel) {
    const int row = icons_.Selection();
    if (row >= 0) chosen_ = row;
  }
  return chosen_;
}

}  // namespace qrv
