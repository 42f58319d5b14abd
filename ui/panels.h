// Containers inside a form: a panel (a control that holds controls and
// reflects their notifications, as a form does) and a tab control with one
// panel per page.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"

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

}  // namespace qrv
