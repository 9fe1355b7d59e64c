#include "shell/tray_hint.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(TrayHint, TextAndTheShellsLimit) {
  EXPECT_EQ(TrayHintText("21:07:42", "05.12.2026"), "Time: 21:07:42   Date: 05.12.2026");
  const std::string longText = TrayHintText(std::string(100, 't'), std::string(100, 'd'));
  EXPECT_EQ(CutTrayTip(longText).size(), 127u);
  EXPECT_EQ(CutTrayTip(longText), longText.substr(0, 127));
  EXPECT_EQ(CutTrayTip("short"), "short");
  EXPECT_EQ(CutTrayTip(std::string(126, 't') + "\xC5\x81x"), std::string(126, 't'));  // "Ł" not cut in two
}

}  // namespace
}  // namespace orlavox

namespace orlavox {
namespace {

// The tooltip follows the second only while the pointer may be on the icon.
TEST(TrayHintSchedule, EverySecondOnlyWhileThePointerIsOnTheIcon) {
  using P = TrayHintSchedule::Point;
  TrayHintSchedule s;
  EXPECT_FALSE(s.SecondDue(1000, false, {5, 5}));
  EXPECT_TRUE(s.SecondDue(2000, true, {5, 5}));  // a new minute: always

  EXPECT_TRUE(s.PointerMoved(2500, P{10, 10}));  // arrives: send at once
  EXPECT_FALSE(s.PointerMoved(2600, P{11, 10}));
  EXPECT_TRUE(s.SecondDue(3000, false, {40, 40}));   // moved, but only just
  EXPECT_TRUE(s.SecondDue(60000, false, {11, 10}));  // resting on the icon: as long as it likes
  EXPECT_FALSE(s.SecondDue(61000, false, {40, 40}));  // gone without a notification
  EXPECT_FALSE(s.Hovering());
  EXPECT_FALSE(s.SecondDue(62000, false, {11, 10}));  // back at the spot, but silent: not there

  // Across the wrap of the millisecond count.
  EXPECT_TRUE(s.PointerMoved(0xFFFFFF00u, P{1, 1}));
  EXPECT_TRUE(s.SecondDue(0x100u, false, {2, 2}));
  EXPECT_FALSE(s.SecondDue(0x800u, false, {2, 2}));
}

}  // namespace
}  // namespace orlavox
