#include "display/face_layout.h"

#include "display/drawn_scales.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(FaceLayout, WindowShapes) {
  WindowShape s = ShapeFor(DisplayMode::Big, false, 19);
  EXPECT_EQ(s.Border, BorderStyle::Single);
  EXPECT_EQ(s.Width, 298);
  EXPECT_EQ(s.Height, 19 + 136);
  EXPECT_STREQ(s.Caption, "Multilingual Orlavox");
  EXPECT_FALSE(s.HasRegion);
  EXPECT_FALSE(s.MinimizeShown);
  EXPECT_EQ(s.Background, kMiscBigBackground);

  s = ShapeFor(DisplayMode::Small, false, 23);
  EXPECT_EQ(s.Border, BorderStyle::ToolWindow);
  EXPECT_EQ(s.Height, 23 + 38);  // the normal caption height, not the small one
  EXPECT_STREQ(s.Caption, "Orlavox");
  EXPECT_EQ(s.Background, kMiscSmallBackground);

  s = ShapeFor(DisplayMode::Big, true, 19);
  EXPECT_EQ(s.Caption, nullptr);
  EXPECT_TRUE(s.HasRegion && s.MinimizeShown);
  EXPECT_EQ(s.Width, 292);
  EXPECT_EQ(s.Height, 130);
  EXPECT_EQ(s.RgnRight, 293);
  EXPECT_EQ(s.RgnEllipse, 2);

  s = ShapeFor(DisplayMode::Small, true, 19);
  EXPECT_EQ(s.Caption, nullptr);
  EXPECT_EQ(s.RgnBottom, 41);
  EXPECT_EQ(s.RgnEllipse, 1);
}

// At 144 DPI the client and region scale by 1.5 and the frame is the system's.
TEST(FaceLayout, WindowShapesAtADisplayScale) {
  WindowShape s = ShapeFor(DisplayMode::Big, false, 30, 144, {4, 5});
  EXPECT_EQ(s.Width, 438 + 8);
  EXPECT_EQ(s.Height, 30 + 195 + 10);
  s = ShapeFor(DisplayMode::Small, false, 30, 144, {4, 4});
  EXPECT_EQ(s.Height, 30 + 48 + 8);
  s = ShapeFor(DisplayMode::Big, true, 30, 144);
  EXPECT_EQ(s.Width, 438);
  EXPECT_EQ(s.RgnRight, 440);  // 293 x 1.5 = 439.5
  EXPECT_EQ(s.RgnEllipse, 3);
}

// The zoom falls back, step by step, to the largest window the work area holds.
TEST(FaceLayout, FittingZoomKeepsTheWindowOnTheWorkArea) {
  // 192 DPI on 1024 x 738: 150 % is 876 x 390 with the frame; 175 % is 1028 wide.
  EXPECT_EQ(FittingZoom(300, DisplayMode::Big, false, 38, 192, {6, 6}, 1024, 738), 150);
  EXPECT_EQ(FittingZoom(300, DisplayMode::Big, true, 38, 192, {6, 6}, 1024, 738), 175);  // 1022 frameless
  EXPECT_EQ(FittingZoom(125, DisplayMode::Big, false, 19, 96, {}, 1024, 738), 125);
  EXPECT_EQ(FittingZoom(300, DisplayMode::Small, true, 19, 96, {}, 1024, 738), 300);
  EXPECT_EQ(FittingZoom(200, DisplayMode::Big, false, 19, 96, {}, 200, 100), 100);  // never below 100
}

TEST(FaceLayout, SmallDisplayShowsTheTimeLineAndMovesTheDate) {
  std::vector<std::string> shownSmall;
  for (const CellInfo& c : Cells())
    if (c.ShownSmall) shownSmall.push_back(c.Name);
  EXPECT_EQ(shownSmall, (std::vector<std::string>{"Date1Paintbox", "Date2Paintbox", "MTPaintBox"}));
  EXPECT_EQ(CellRect(Cell::Date1, DisplayMode::Small).Left, 50);
  EXPECT_EQ(CellRect(Cell::Date2, DisplayMode::Small).Top, 10);
  EXPECT_EQ(CellRect(Cell::Date2, DisplayMode::Big).Left, 180);
  EXPECT_FALSE(CellOf(Cell::MT).ShownBig);
  EXPECT_EQ(ButtonOf(Button::Announce).Small.Width, 24);
  EXPECT_EQ(ButtonOf(Button::Minimize).Small.Left, 132);
  // Every cell of the big display lies on the panel.
  for (const CellInfo& c : Cells()) {
    EXPECT_GE(c.Big.Left, 0);
    EXPECT_LE(c.Big.Right(), kBackPanel.Width) << c.Name;
    EXPECT_LE(c.Big.Bottom(), kBackPanel.Height) << c.Name;
  }
}

TEST(FaceLayout, PopupMenuPoints) {
  ScreenPoint p = OptionsMenuPoint(100, 200);
  EXPECT_EQ(p.X, 100 + 110 + 43);
  EXPECT_EQ(p.Y, 200 + 102 + 21);
  p = LangMenuPoint(-300, 5);
  EXPECT_EQ(p.X, -300 + 267 + 18);
  EXPECT_EQ(p.Y, 5 + 102 + 21);
  p = OptionsMenuPoint(100, 200, 144);  // the scaled button's point
  EXPECT_EQ(p.X, 100 + 230);
  EXPECT_EQ(p.Y, 200 + 185);
}

TEST(FaceLayout, MenuTextsAndShortcuts) {
  const auto& items = MainPopupMenuItems();
  EXPECT_EQ(MenuItemText(items[0], true), "S&peak!\tCtrl+Alt+S");
  EXPECT_EQ(MenuItemText(items[0], false), "S&peak!");
  EXPECT_EQ(MenuItemText(items[2], false), "&Alarm setup...\tCtrl+A");
  EXPECT_EQ(MenuItemText(items[3], false), "A&larms...\tCtrl+L");  // right after the alarm dialog
  EXPECT_EQ(MenuItemText(items[5], true), "More &options...\tCtrl+O");  // right after "&Settings..."
  EXPECT_EQ(MenuItemText(items[16], true), "E&xit");
  int radios = 0, separators = 0;
  for (const MenuItemInfo& it : items) {
    radios += it.Kind == MenuKind::Radio;
    separators += it.Kind == MenuKind::Separator;
    EXPECT_EQ(it.Kind == MenuKind::Separator, it.Command == 0) << it.Name;
  }
  EXPECT_EQ(radios, 2);
  EXPECT_EQ(separators, 5);
  EXPECT_EQ(ShortcutText({}), "");
}

// The face is drawn no larger than the largest monitor shows it: a 4K
// laptop at 300 % holds the big face at zoom 300 % (864 DPI), a 1080p one at
// 100 % (288 DPI) beside it does not raise that; the small face fits more.
TEST(FaceScale, NoLargerThanTheLargestMonitorShows) {
  const ui::MonitorArea laptop{{0, 0, 3840, 2160}, {0, 0, 3840, 2100}, true, 288};
  const ui::MonitorArea office{{3840, 0, 1920, 1080}, {3840, 0, 1920, 1040}, false, 96};
  EXPECT_EQ(LargestFaceDpi({laptop, office}, DisplayMode::Big), 864);
  EXPECT_EQ(LargestFaceDpi({office}, DisplayMode::Big), 288);
  const ui::MonitorArea small{{0, 0, 1000, 768}, {0, 0, 1000, 740}, true, 192};  // 292 x 2 x 1.75 > 1000
  EXPECT_EQ(LargestFaceDpi({small}, DisplayMode::Big), 288);
  EXPECT_EQ(LargestFaceDpi({small}, DisplayMode::Small), 576);
  EXPECT_EQ(LargestFaceDpi({{{0, 0, 100, 100}, {0, 0, 100, 100}, true, 120}}, DisplayMode::Big), 120);
}

// A scale whose pictures could not be drawn is not tried again: the face
// takes the nearest smaller scale drawn, else the resources' 96.
TEST(FaceScale, AFailedScaleFallsBackToTheNearestSmallerDrawn) {
  DrawnScales scales;
  EXPECT_EQ(scales.Usable(864), 864);
  scales.Drawn(144);
  scales.Drawn(288);
  scales.Failed(864);
  EXPECT_EQ(scales.Usable(864), 288);
  EXPECT_EQ(scales.Usable(576), 576);  // not known to fail
  scales.Failed(288);
  EXPECT_EQ(scales.Usable(864), 144);
  EXPECT_EQ(scales.Usable(288), 144);
  scales.Failed(144);
  EXPECT_EQ(scales.Usable(864), 96);
}

}  // namespace
}  // namespace orlavox
