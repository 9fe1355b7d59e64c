#include "app/window_place.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

const ScreenRect kWork{0, 0, 800, 570};  // 800 x 600 with a taskbar

ScreenRect Window(int left, int top) { return ScreenRect{left, top, left + 292, top + 130}; }

TEST(FitIntoWorkArea, MovesJustEnoughToBeWhollyOnTheWorkArea) {
  // Saved on a larger screen: left 900, top 700; only a corner would show.
  EXPECT_EQ(FitIntoWorkArea(Window(900, 700), kWork), Window(508, 440));
  EXPECT_EQ(FitIntoWorkArea(Window(600, 100), kWork), Window(508, 100));  // one edge over
  EXPECT_EQ(FitIntoWorkArea(Window(-40, -8), kWork), Window(0, 0));
  EXPECT_EQ(FitIntoWorkArea(Window(100, 500), kWork), Window(100, 440));   // under the taskbar
}

TEST(FitIntoWorkArea, APlaceThatFitsIsKeptExactly) {
  for (const ScreenRect& w : {Window(0, 0), Window(508, 440), Window(123, 45)})
    EXPECT_EQ(FitIntoWorkArea(w, kWork), w);
  // A second monitor to the left, with negative coordinates.
  const ScreenRect left{-1280, 0, 0, 1000};
  EXPECT_EQ(FitIntoWorkArea(Window(-700, 300), left), Window(-700, 300));
  EXPECT_EQ(FitIntoWorkArea(Window(-100, 300), left), Window(-292, 300));
}

TEST(FitIntoWorkArea, LargerThanTheWorkAreaKeepsItsCornerOnIt) {
  const ScreenRect tiny{0, 0, 200, 100};
  EXPECT_EQ(FitIntoWorkArea(Window(50, 50), tiny), Window(0, 0));
}

}  // namespace
}  // namespace orlavox
