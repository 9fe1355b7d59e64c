// Creation order of a table-built dialog: Windows tabs through controls in
// the order they were created, so this order is the dialog's tab order.
#include "ui/control_table.h"

#include <gtest/gtest.h>

#include "ui/scale.h"

namespace orlavox::ui {
namespace {

std::vector<std::string> Names(const std::vector<ControlRow>& t, const std::vector<size_t>& order) {
  std::vector<std::string> names;
  for (size_t i : order) names.push_back(t[i].Name);
  return names;
}

TEST(ControlRow, CreationOrderFollowsTabsInsideEachContainer) {
  const std::vector<ControlRow> table = {
      BitBtn("Ok", "", 2, {}, ButtonRole::Ok, "&OK"),
      GroupBox("Options", "", 1, {}, "Options"),
      Check("Second", "Options", 1, {}, "at the top, second in tab order"),
      Check("First", "Options", 0, {}, "below, first in tab order"),
      Label("Note", "Options", {}, "no tab stop"),
      Panel("Inner", "Options", 2, {}),
      Edit("Deep", "Inner", 0, {}, ""),
      Label("DeepLabel", "Inner", {}, "names the edit: just before it").For("Deep"),
      GroupBox("Display", "", 0, {}, "Display"),
      Check("Lost", "Nowhere", 0, {}, "container missing"),
  };
  EXPECT_EQ(Names(table, CreationOrder(table)),
            (std::vector<std::string>{"Display", "Options", "First", "Second", "Inner", "DeepLabel", "Deep", "Note", "Ok"}));
}

TEST(ControlRow, OnlyLettersBeyondTheWesternCodePageNeedAScalableFace) {
  EXPECT_FALSE(NeedsScalableFace("Gr\xC3\xB6\xC3\x9F" "e \xE2\x80\x9EHilfe\xE2\x80\x9C \xE2\x80\x93 \xC3\xA9t\xC3\xA9"));
  EXPECT_TRUE(NeedsScalableFace("Wy\xC5\x9Bwietlanie"));  // the Polish s with its accent
  EXPECT_TRUE(NeedsScalableFace("\xE6\x99\x82"));
}

TEST(ControlRow, RadioRunsFormOneGroup) {
  const std::vector<ControlRow> table = {
      Edit("Hour", "", 0, {}, "0"),
      Radio("AM", "", 1, {}, "AM"),
      Radio("PM", "", 2, {}, "PM"),
      Check("Alarm", "", 3, {}, "Alarm on"),
      GroupBox("Box", "", 4, {}, ""),
      Radio("Other", "Box", 0, {}, "in another box"),
  };
  const std::vector<size_t> order = CreationOrder(table);
  std::vector<bool> starts;
  for (size_t k = 0; k < order.size(); ++k) starts.push_back(StartsGroup(table, order, k));
  EXPECT_EQ(starts, (std::vector<bool>{true, true, false, true, true, true}));
}

TEST(ControlRow, ButtonRolesGiveDefaultAndCancel) {
  EXPECT_TRUE(BitBtn("b", "", 0, {}, ButtonRole::Ok, "").IsDefault);
  EXPECT_FALSE(BitBtn("b", "", 0, {}, ButtonRole::Ok, "").IsCancel);
  EXPECT_TRUE(BitBtn("b", "", 0, {}, ButtonRole::Cancel, "").IsCancel);
  const ControlRow close = BitBtn("b", "", 0, {}, ButtonRole::Close, "");
  EXPECT_TRUE(close.IsDefault && close.IsCancel);
  EXPECT_FALSE(BitBtn("b", "", 0, {}, ButtonRole::Help, "").IsDefault);
}

// A window at a fixed place (the upgrade notice's 577, 528, about 368 x 251
// with its frame) stays there when it fits and moves just enough when not.
TEST(ControlRow, KeepInsideMovesOnlyAsFarAsNeeded) {
  const PixelRect notice{577, 528, 368, 251};
  const PixelRect big = KeepInside(notice, {0, 0, 1280, 994});
  EXPECT_EQ(big.Left, 577);
  EXPECT_EQ(big.Top, 528);
  const PixelRect small = KeepInside(notice, {0, 0, 800, 572});  // 800 x 600 less a taskbar
  EXPECT_EQ(small.Left, 800 - 368);
  EXPECT_EQ(small.Top, 572 - 251);
  EXPECT_EQ(small.Width, 368);
  const PixelRect tall = KeepInside({577, 100, 368, 251}, {0, 0, 1024, 738});  // only sideways
  EXPECT_EQ(tall.Left, 577);
  EXPECT_EQ(tall.Top, 100);
  const PixelRect offset = KeepInside({-50, -20, 100, 100}, {40, 30, 800, 600});  // a work area not at 0, 0
  EXPECT_EQ(offset.Left, 40);
  EXPECT_EQ(offset.Top, 30);
  const PixelRect left = KeepInside({-100, 300, 292, 130}, {-1280, 0, 1280, 1000});  // a monitor left of the primary
  EXPECT_EQ(left.Left, -292);
  EXPECT_EQ(left.Top, 300);
  const PixelRect huge = KeepInside({10, 10, 900, 700}, {0, 0, 800, 572});  // larger: top-left stays visible
  EXPECT_EQ(huge.Left, 0);
  EXPECT_EQ(huge.Top, 0);
}

// Sizes of 96 DPI at other scales: rounded to the nearest pixel, halves away
// from zero, rectangles by their edges; at 96 nothing changes.
TEST(DisplayScale, SizesScaleByTheirEdges) {
  EXPECT_EQ(Scaled(13, 144), 20);  // 19.5
  EXPECT_EQ(Scaled(-11, 144), -17);  // a font height of -16.5
  EXPECT_EQ(Scaled(292, 120), 365);
  EXPECT_EQ(Scaled(7, 96), 7);
  const PixelRect r = Scaled(PixelRect{5, 5, 5, 5}, 144);  // 7.5 .. 15
  EXPECT_EQ(r.Left, 8);
  EXPECT_EQ(r.Width, 15 - 8);
  const PixelRect next = Scaled(PixelRect{10, 5, 5, 0}, 144);  // begins where r ends
  EXPECT_EQ(next.Left, r.Left + r.Width);
  EXPECT_EQ(next.Height, 0);  // "as high as the text" stays so
}

TEST(DisplayScale, ZoomStepsAndItsStoredText) {
  EXPECT_EQ(ParseZoom("150"), 150);
  EXPECT_EQ(ParseZoom("300"), 300);
  for (const char* bad : {"", "99", "325", "130", "1.5", "-100", " 150", "0150", "abc"})
    EXPECT_EQ(ParseZoom(bad), 100) << bad;
  EXPECT_EQ(ZoomText(175), "175");
  EXPECT_EQ(StepZoom(100, 2), 150);
  EXPECT_EQ(StepZoom(275, 3), 300);
  EXPECT_EQ(StepZoom(125, -4), 100);
  EXPECT_EQ(ZoomedDpi(144, 150), 216);
}

// Windows' own sizes follow a monitor's scale only on per-monitor v2; on v1
// (Windows 10 1607) they stay at the system's scale, frame and all.
TEST(DisplayScale, MetricsAtTheWindowsScaleOnlyOnPerMonitorV2) {
  EXPECT_EQ(MetricsDpi(true, 144, 96), 144);
  EXPECT_EQ(MetricsDpi(false, 144, 96), 96);
  EXPECT_EQ(MetricsDpi(false, 96, 120), 120);
  EXPECT_EQ(MetricsDpi(true, 0, 120), 120);  // a window's scale not known
}

}  // namespace
}  // namespace orlavox::ui
