#include "ui/monitor_place.h"

#include <gtest/gtest.h>

namespace orlavox::ui {
namespace {

// A 1920 x 1080 primary with its taskbar at the bottom, and a 1280 x 1024
// monitor beside it, left of it or above it (listed first).
const MonitorArea kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true};
MonitorArea Second(int left, int top) { return {{left, top, 1280, 1024}, {left, top, 1280, 1024}, false}; }

TEST(MonitorPlace, CentredOnTheClocksMonitorInEveryArrangement) {
  for (const MonitorArea& second : {Second(1920, 0), Second(-1280, 0), Second(0, -1024)}) {
    const std::vector<MonitorArea> monitors{second, kPrimary};
    const PixelRect& m = second.Monitor;
    ASSERT_EQ(MonitorFor(monitors, PixelRect{m.Left + 500, m.Top + 400, 292, 130}), 0u) << m.Left;
    const PixelRect d = CentreIn(second.Work, 368, 251);
    EXPECT_EQ(d.Left, m.Left + (1280 - 368) / 2);
    EXPECT_EQ(d.Top, m.Top + (1024 - 251) / 2);
    EXPECT_EQ(MonitorFor(monitors, PixelRect{0, 0, 292, 130}), 1u);
    EXPECT_EQ(MonitorFor(monitors, std::nullopt), 1u);  // nothing to go by: the primary
    const PixelRect notice = PlaceOnMonitor(second, {577, 528, 368, 251});  // a designed place moves with it
    EXPECT_EQ(notice.Left, m.Left + 577);
    EXPECT_EQ(notice.Top, m.Top + 528);
  }
  const PixelRect p = CentreIn(kPrimary.Work, 368, 251);  // above the taskbar
  EXPECT_EQ(p.Top, (1040 - 251) / 2);
}

TEST(MonitorPlace, AcrossTheSeamTheLargerPartOffEveryMonitorTheNearest) {
  const std::vector<MonitorArea> monitors{kPrimary, Second(-1280, 0)};
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-100, 300, 292, 130}), 0u);
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-200, 300, 292, 130}), 1u);
  EXPECT_EQ(MonitorFor(monitors, PixelRect{2500, 1500, 100, 100}), 0u);  // a monitor since removed
  EXPECT_EQ(MonitorFor(monitors, PixelRect{-600, 1100, 100, 100}), 1u);
  const PixelRect huge = CentreIn(monitors[1].Work, 1400, 1100);  // larger: its corner on the work area
  EXPECT_EQ(huge.Left, -1280);
  EXPECT_EQ(huge.Top, 0);
}

// A primary at 150 % with the taskbar, a second monitor at 100 % right of it
// where the clock last sat; a dialog of 368 x 251 at 96 DPI.
TEST(MonitorPlace, DialogsTakeTheScaleOfTheMonitorTheyOpenOn) {
  MonitorArea primary = kPrimary, second = Second(1920, 0);
  primary.Dpi = 144;
  const std::vector<MonitorArea> monitors{second, primary};
  const PixelRect clock{2400, 300, 292, 130}, taskbar{0, 1040, 1920, 40};
  const auto size = [](int dpi) { return PixelRect{0, 0, 368 * dpi / 96, 251 * dpi / 96}; };
  FormPlace p = PlaceForm(monitors, clock, false, taskbar, {}, size);  // the clock hidden in the tray
  EXPECT_EQ(p.Monitor, 1u);
  EXPECT_EQ(p.Dpi, 144);
  EXPECT_EQ(p.Window.Width, 552);
  EXPECT_EQ(p.Window.Left, (1920 - 552) / 2);
  EXPECT_EQ(p.Window.Top, (1040 - 376) / 2);
  p = PlaceForm(monitors, clock, false, std::nullopt, FormSpot{false, true, 577, 528}, size);  // the alert, no taskbar
  EXPECT_EQ(p.Dpi, 144);
  EXPECT_EQ(p.Window.Left, 577);
  EXPECT_EQ(p.Window.Height, 376);
  p = PlaceForm(monitors, clock, true, taskbar, {}, size);  // the clock on the screen
  EXPECT_EQ(p.Monitor, 0u);
  EXPECT_EQ(p.Dpi, 96);
  EXPECT_EQ(p.Window.Left, 1920 + (1280 - 368) / 2);
  EXPECT_EQ(p.Window.Width, 368);
}

}  // namespace
}  // namespace orlavox::ui
