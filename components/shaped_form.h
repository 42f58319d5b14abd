// A borderless form shaped and painted by a picture: the region stored with it
// (a "Mask2" value) becomes the window's region once loaded, the picture is the
// form's background (drawn controls show it through their transparent parts),
// and the left button pressed anywhere on the background moves the window.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/form.h"
#include "ui/picture.h"

namespace qrv {

class ShapedForm : public Form {
 public:
  explicit ShapedForm(const FormArgs& args);

  // Reads a "Mask2" value and gives the window its region. A count of 0,
  // damaged data or a region the system cannot make leave the window
  // rectangular. True when the window got a region.
  bool LoadMask(std::span<const std::uint8_t> mask);
  // The "Mask2" value: the count and the region data last read (count 0 alone
  // without a region).
  std::vector<std::uint8_t> SaveMask() const;

  // The background picture, at the form's top-left corner; with
  // `transparentBackground` its bottom-left colour shows the form's colour.
  void SetPicture(Picture picture);
  const Picture& BackgroundPicture() const { return picture_; }
  bool transparentBackground = true;
  // Stored with the form; the left-button move happens whatever its value.
  bool draggable = true;

  void PaintBackground(HDC dc, const RECT& area) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Picture picture_;
  // The picture on the form's colour, as last painted.
  Picture flattened_;
  COLORREF flattenedOn_ = CLR_INVALID;
  std::vector<std::uint8_t> regionData_;
};

}  // namespace qrv
