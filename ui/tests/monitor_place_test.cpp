#include "ui/monitor_place.h"

#include <gtest/gtest.h>

namespace orlavox::ui {
namespace {

// A 1920 x 1080 primary monitor with its taskbar at the bottom, and a second
// 1280 x 1024 one beside it, left of it or above it.
const MonitorArea kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true};
MonitorArea Second(int left, int top) { return {{left, top, 1280, 1024}, {left, top, 1280, 1024}, false}; }

TEST(MonitorPlace, DialogsOpenOnTheMonitorOfTheClockInEveryArrangement) {
  const PixelRect clock{0, 0, 292, 130};
  const struct {
    const char* arrangement;
    MonitorArea second;
  } arrangements[] = {{"right of", Second(1920, 0)}, {"left of", Second(-1280, 0)}, {"above", Second(0, -1024)}};
  for (const auto& a : arrangements) {
    SCOPED_TRACE(a.arrangement);
    const std::vector<MonitorArea> monitors{a.second, kPrimary};  // the primary need not come first
    const PixelRect& m = a.second.Monitor;
    // The clock in the middle of the second monitor: the 368 x 251 dialog is centred there.
    const PixelRect there{m.Left + 500, m.Top + 400, clock.Width, clock.Height};
    ASSERT_EQ(MonitorFor(monitors, there), 0u);
    const PixelRect d = CentreIn(monitors[0].Work, 368, 251);
    EXPECT_EQ(d.Left, m.Left + (1280 - 368) / 2);
    EXPECT_EQ(d.Top, m.Top + (1024 - 251) / 2);
    // On the primary: centred on its work area, above the taskbar.
    ASSERT_EQ(MonitorFor(monitors, clock), 1u);
    const PixelRect p = CentreIn(monitors[1].Work, 368, 251);
    EXPECT_EQ(p.Left, (1920 - 368) / 2);
    EXPECT_EQ(p.Top, (1040 - 251) / 2);
    // No window to go by (hidden, no taskbar found): the primary.
    EXPECT_EQ(MonitorFor(monitors, std::nullopt), 1u);
    EXPECT_EQ(MonitorFor(monitors, PixelRect{}), 1u);
  }
}

TEST(MonitorPlace, AcrossTheSeamTheLargerPartWinsAndOffEveryMonitorTheNearest) {
  const std::vector<MonitorArea> monitors{kPrimary, Second(-1280, 0)};
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-100, 300, 292, 130}), 0u);  // 192 of 292 pixels on the primary
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-200, 300, 292, 130}), 1u);
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-1500, 200, 100, 100}), 1u);  // left of everything
  EXPECT_EQ(MonitorFor(monitors, PixelRect{2500, 1500, 100, 100}), 0u);  // a monitor since removed
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-600, 1100, 100, 100}), 1u);  // below the left one's bottom edge
}

TEST(MonitorPlace, ADesignedPlaceMovesWithItsMonitorAndStaysOnItsWorkArea) {
  const PixelRect notice{577, 528, 368, 251};
  const PixelRect onPrimary = PlaceOnMonitor(kPrimary, notice);
  EXPECT_EQ(onPrimary.Left, 577);
  EXPECT_EQ(onPrimary.Top, 528);
  const PixelRect left = PlaceOnMonitor(Second(-1280, 0), notice);
  EXPECT_EQ(left.Left, -1280 + 577);
  EXPECT_EQ(left.Top, 528);
  const MonitorArea small{{0, -600, 800, 600}, {0, -600, 800, 570}, false};  // above, with a taskbar of its own
  const PixelRect above = PlaceOnMonitor(small, notice);
  EXPECT_EQ(above.Left, 800 - 368);
  EXPECT_EQ(above.Top, -30 - 251);
  const PixelRect huge = CentreIn({-1280, 0, 1280, 1024}, 1400, 1100);  // larger: top-left on the work area
  EXPECT_EQ(huge.Left, -1280);
  EXPECT_EQ(huge.Top, 0);
}

}  // namespace
}  // namespace orlavox::ui
