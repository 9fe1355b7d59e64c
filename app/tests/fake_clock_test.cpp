#include "app/fake_clock.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(TestClock, ParsesStartAndRate) {
  auto setting = ParseTestClock("2026-12-05 23:59:58");
  ASSERT_TRUE(setting);
  EXPECT_EQ(setting->Rate, 1u);
  CivilTime t = TestClockTime(*setting, 0);
  EXPECT_EQ(t.Year, 2026);
  EXPECT_EQ(t.Month, 12);
  EXPECT_EQ(t.Day, 5);
  EXPECT_EQ(t.Hour, 23);
  EXPECT_EQ(t.Second, 58);
  EXPECT_EQ(t.DayOfWeek, 6);  // a Saturday
  t = TestClockTime(*setting, 2500);
  EXPECT_EQ(t.Day, 6);
  EXPECT_EQ(t.Hour, 0);
  EXPECT_EQ(t.Second, 0);
  EXPECT_EQ(t.Millisecond, 500);
  EXPECT_EQ(t.DayOfWeek, 0);  // Sunday

  setting = ParseTestClock("2024-02-28 23:00:00 x3600");
  ASSERT_TRUE(setting);
  EXPECT_EQ(setting->Rate, 3600u);
  t = TestClockTime(*setting, 2000);  // two hours of test time
  EXPECT_EQ(t.Month, 2);
  EXPECT_EQ(t.Day, 29);  // leap day
  EXPECT_EQ(t.Hour, 1);
  EXPECT_EQ(t.DayOfWeek, 4);  // Thursday
}

TEST(TestClock, RejectsMalformedText) {
  for (const char* bad : {"", "2026-12-05", "2026-13-05 10:00:00", "2026-02-30 10:00:00",
                          "2026-12-05 24:00:00", "2026-12-05 10:00:00 x0", "2026-12-05 10:00:00 x",
                          "2026-12-05 10:00:00 y2", "2026-12-05T10:00:00", "2026-12-05 10:00:00x2"})
    EXPECT_FALSE(ParseTestClock(bad)) << bad;
}

}  // namespace
}  // namespace orlavox
