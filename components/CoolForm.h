// TCoolForm: the picture that gives a borderless form its shape and background.
// It sits at the form's top-left corner, applies the region stored with it (its
// "Mask2" value) to the form's window once when loaded, and lets the user move
// the whole window by pressing the left button anywhere on the picture.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/control.h"

class TCoolForm : public ui::Image {
 public:
  TCoolForm(ui::Form& owner, const ui::LayoutRow& row);
  ~TCoolForm() override;

  // Reads a "Mask2" value and gives the form's window its region. A count of 0,
  // damaged data or a region the system cannot make leave the window
  // rectangular. True when the window got a region.
  bool LoadMask(std::span<const std::uint8_t> mask);
  // The "Mask2" value: the count and the region data last read (count 0 alone
  // without a region).
  std::vector<std::uint8_t> SaveMask() const;

  // Stored with the form; the left-button move happens whatever its value.
  bool Draggable = true;

  // The component always sits at the form's top-left corner.
  void SetBounds(int left, int top, int width, int height) override;
  // A new picture drops the region the component holds; the window keeps its shape.
  void SetPicture(ui::Picture picture);

  void MouseDown(ui::MouseButton button, int x, int y) override;

 private:
  std::vector<std::uint8_t> region_data_;
  HRGN region_ = nullptr;  // owned until handed to the window
};
