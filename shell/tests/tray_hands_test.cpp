#include "shell/tray_hands.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orlavox {
namespace {

TEST(TrayHands, EndPointsAtTheEdgeCases) {
  struct Case {
    int h, m;
    IconPoint hour, minute;
  } cases[] = {
      {12, 0, {8, 3}, {8, 1}},  {0, 0, {8, 3}, {8, 1}},  {3, 0, {13, 8}, {8, 1}},
      {6, 30, {7, 13}, {8, 15}}, {9, 45, {3, 6}, {1, 8}}, {21, 45, {3, 6}, {1, 8}},
      {0, 15, {9, 3}, {15, 8}},
  };
  for (const Case& c : cases) {
    const TrayHands hands = TrayHandEnds(c.h, c.m);
    EXPECT_EQ(hands.HourEnd, c.hour) << c.h << ":" << c.m << " hour at " << hands.HourEnd.X << "," << hands.HourEnd.Y;
    EXPECT_EQ(hands.MinuteEnd, c.minute) << c.h << ":" << c.m << " minute at " << hands.MinuteEnd.X << ","
                                         << hands.MinuteEnd.Y;
  }
}

TEST(TrayHands, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(2.5000000000000004), 2);
  EXPECT_EQ(RoundHalfEven(3.4999999999999996), 4);
  EXPECT_EQ(RoundHalfEven(2.49), 2);
  EXPECT_EQ(RoundHalfEven(-4.62), -5);
  // 1 o'clock: 5 cos θ is 2.5 and 5 sin θ is -4.33: the hour hand ends at (10, 4),
  // and the same at 13 o'clock, whatever noise the larger angle brings.
  EXPECT_EQ(TrayHandEnds(1, 0).HourEnd, (IconPoint{10, 4}));
  EXPECT_EQ(TrayHandEnds(13, 0).HourEnd, (IconPoint{10, 4}));
  // 5 past: 7 sin(30°) = 3.5 -> 4 (even), 7 cos(30°) is no half.
  EXPECT_EQ(TrayHandEnds(0, 5).MinuteEnd, (IconPoint{12, 2}));
}

TEST(TrayHands, HandsStayOnTheDialAndAgreeAcrossNoon) {
  for (int h = 0; h < 12; ++h)
    for (int m = 0; m < 60; ++m) {
      const TrayHands am = TrayHandEnds(h, m), pm = TrayHandEnds(h + 12, m);
      EXPECT_EQ(am.HourEnd, pm.HourEnd) << h << ":" << m;
      EXPECT_EQ(am.MinuteEnd, pm.MinuteEnd) << h << ":" << m;
      const double hr = std::hypot(am.HourEnd.X - 8, am.HourEnd.Y - 8);
      const double mr = std::hypot(am.MinuteEnd.X - 8, am.MinuteEnd.Y - 8);
      EXPECT_TRUE(hr > 4.2 && hr < 5.8) << h << ":" << m;
      EXPECT_TRUE(mr > 6.2 && mr < 7.8) << h << ":" << m;
    }
}

}  // namespace
}  // namespace orlavox
