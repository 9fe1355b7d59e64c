// Widening a dialog where a text does not fit its control.
#include "ui/text_fit.h"

#include <gtest/gtest.h>

namespace orlavox::ui {
namespace {

bool operator==(const PixelRect& a, const PixelRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

// Two group boxes side by side over a button, as the settings dialog has them,
// and a label sized to its text with a neighbour in its row.
std::vector<FitItem> Layout(int windowless, int euro, int hour) {
  return {
      {-1, {12, 12, 177, 117}, 0, false},        // 0 the left box
      {0, {12, 20, 157, 17}, windowless, false},  // 1 its widest check box
      {0, {12, 40, 97, 17}, euro, false},         // 2 a short one
      {-1, {196, 12, 177, 117}, 0, false},        // 3 the right box
      {3, {12, 20, 149, 17}, 100, false},         // 4
      {-1, {198, 137, 71, 40}, 60, false},        // 5 a button below
      {3, {12, 96, 30, 13}, hour, true},          // 6 a label sized to its text
      {3, {60, 96, 20, 13}, 0, false},            // 7 its neighbour
  };
}

TEST(TextFit, NothingMovesWhenEveryTextFitsElseTheRowAndItsBoxesMakeRoom) {
  const std::vector<FitItem> fits = Layout(157, 97, 44);
  FitLayout same = FitTexts(fits, 381, 4);
  EXPECT_EQ(same.ClientWidth, 381);
  for (size_t i = 0; i < fits.size(); ++i) EXPECT_TRUE(same.Rects[i] == fits[i].Rect) << i;

  // 30 pixels more for the widest check box: it, its box and the form grow by
  // them and the box to the right moves; the short one grows into the room
  // its box had; the label pushes its neighbour along its row.
  const FitLayout wide = FitTexts(Layout(187, 130, 60), 381, 4);
  EXPECT_TRUE(wide.Rects[1] == (PixelRect{12, 20, 187, 17}));
  EXPECT_TRUE(wide.Rects[2] == (PixelRect{12, 40, 130, 17}));
  EXPECT_TRUE(wide.Rects[0] == (PixelRect{12, 12, 207, 117}));
  EXPECT_TRUE(wide.Rects[3] == (PixelRect{226, 12, 177, 117}));
  EXPECT_TRUE(wide.Rects[5] == fits[5].Rect);  // not in the boxes' row
  EXPECT_TRUE(wide.Rects[6] == fits[6].Rect);
  EXPECT_TRUE(wide.Rects[7] == (PixelRect{72, 96, 20, 13}));
  EXPECT_EQ(wide.ClientWidth, 411);
}

}  // namespace
}  // namespace orlavox::ui
