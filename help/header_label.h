// The label over a help page, in bold on the colour of tooltips.
#pragma once

#include "ui/buttons.h"

namespace qrv {

class HeaderLabel : public Label {
 public:
  HeaderLabel(Container& parent, const StaticArgs& args);
  HBRUSH HandleCtlColor(HDC dc) override;
};

}  // namespace qrv
