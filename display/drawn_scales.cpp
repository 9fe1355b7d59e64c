#include "display/drawn_scales.h"

namespace orlavox {

int DrawnScales::Usable(int dpi) const {
  if (dpi <= 96 || !failed_.count(dpi)) return dpi;
  auto below = drawn_.lower_bound(dpi);
  return below == drawn_.begin() ? 96 : *--below;
}

}  // namespace orlavox
