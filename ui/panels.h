// Containers inside a form: a panel (a control that holds controls and
// reflects their notifications, as a form does), a tab control with one panel
// per page, and a column of image buttons of which one at a time is down.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/buttons.h"
#include "ui/control.h"
#include "ui/image_list.h"

namespace qrv {

struct PanelArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  HWND window = nullptr;  // the parent window, when not the container's own
  int id = 0;             // 0: the container gives one
};

class Panel : public Control, public Container {
 public:
  Panel(Container& parent, const PanelArgs& args);
  HWND ContainerHandle() const override { return Handle(); }
  UINT Dpi() const override { return Parent().Dpi(); }
  Form& OwnerForm() override { return Parent().OwnerForm(); }
  SIZE DesignClientSize() const override { return {DesignBounds().width, DesignBounds().height}; }
  void Place() override;
  void DpiChanged() override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

struct TabArgs {
  Bounds bounds{};
  Anchors anchors{};
  bool visible = true;
  std::vector<std::wstring> pages{};
};

// Each page is a panel, made when first asked for; a page's controls are
// made with the page as parent. In the Tab order a page's controls come right
// after its tab control, and push buttons under the tab control (OK, Cancel,
// Help) after them, also when the tab control is made after the buttons.
// Ctrl+Tab and Ctrl+PageDown turn its pages (the form's keys).
class TabControl : public Control {
 public:
  TabControl(Container& parent, const TabArgs& args);
  Panel& Page(std::size_t index);
  std::size_t PageCount() const { return pages_.size(); }
  int Selection() const { return static_cast<int>(Send(TCM_GETCURSEL)); }
  void SetSelection(int index, Notify notify = Notify::kNo);
  // Turns `step` pages on (back when negative, round at the ends), as the
  // user does: onSelect fires. A focus on the page left goes to the new page.
  void TurnPage(int step);
  std::function<void()> onSelect;
  void Place() override;
  void DpiChanged() override;
  bool HandleNotify(NMHDR& header, LRESULT& result) override;

 private:
  Bounds PageBounds() const;
  void ShowSelectedPage();
  void GoBeforeTheButtonsUnderIt();
  std::vector<std::unique_ptr<Panel>> pages_;
  int firstPageId_;  // the pages' ids follow the tab control's, whenever they are made
};

struct ImageColumnArgs {
  Bounds bounds{};  // of the first button; the others follow below it
  Anchors anchors{};
  int spacing = 0;                  // between buttons, at 96 DPI
  std::vector<HBITMAP> pictures{};  // one per button; the column takes them over
};

// Push-like buttons with a picture each, one down at a time (a radio group).
class ImageButtonColumn {
 public:
  ImageButtonColumn(Container& parent, const ImageColumnArgs& args);
  std::size_t Count() const { return buttons_.size(); }
  RadioButton& Button(std::size_t index) { return *buttons_.at(index); }
  int Selection() const;
  void SetSelection(int index, Notify notify = Notify::kNo);
  std::function<void(int index)> onSelect;

 private:
  std::vector<std::unique_ptr<RadioButton>> buttons_;
  std::vector<std::unique_ptr<Bitmap>> pictures_;
};

}  // namespace qrv
