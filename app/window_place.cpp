#include "app/window_place.h"

namespace orlavox {
namespace {

// The start of a span of `size` moved least to lie within [low, high].
int FitSpan(int start, int size, int low, int high) {
  if (start + size > high) start = high - size;
  if (start < low) start = low;
  return start;
}

}  // namespace

ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& work) {
  const int left = FitSpan(window.Left, window.Width(), work.Left, work.Right);
  const int top = FitSpan(window.Top, window.Height(), work.Top, work.Bottom);
  return ScreenRect{left, top, left + window.Width(), top + window.Height()};
}

}  // namespace orlavox
