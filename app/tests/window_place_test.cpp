#include "app/window_place.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

ScreenRect Window(int left, int top) { return ScreenRect{left, top, left + 292, top + 130}; }

TEST(FitIntoWorkArea, MovesJustEnoughAndKeepsAPlaceThatFits) {
  const ScreenRect work{0, 0, 800, 570};  // 800 x 600 with a taskbar
  EXPECT_EQ(FitIntoWorkArea(Window(900, 700), work), Window(508, 440));  // saved on a larger screen
  EXPECT_EQ(FitIntoWorkArea(Window(600, 100), work), Window(508, 100));  // one edge over
  EXPECT_EQ(FitIntoWorkArea(Window(-40, -8), work), Window(0, 0));
  EXPECT_EQ(FitIntoWorkArea(Window(123, 45), work), Window(123, 45));
  EXPECT_EQ(FitIntoWorkArea(Window(-100, 300), ScreenRect{-1280, 0, 0, 1000}), Window(-292, 300));  // left monitor
  EXPECT_EQ(FitIntoWorkArea(Window(50, 50), ScreenRect{0, 0, 200, 100}), Window(0, 0));  // larger: corner on it
}

}  // namespace
}  // namespace orlavox
