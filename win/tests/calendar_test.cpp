#include "win/calendar.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(Calendar, CivilRoundTripAcrossCenturies) {
  for (int y : {1601, 1900, 1970, 2000, 2038, 2100, 2400}) {
    for (int m = 1; m <= 12; ++m) {
      const CivilTime t = CivilFromMs(DaysFromCivil(y, m, 28) * 86400000LL);
      EXPECT_EQ(t.Year, y);
      EXPECT_EQ(t.Month, m);
      EXPECT_EQ(t.Day, 28);
    }
  }
  EXPECT_EQ(CivilFromMs(DaysFromCivil(2000, 1, 1) * 86400000LL).DayOfWeek, 6);  // Saturday
  // A second before 1970 lies on the last day of 1969, a Wednesday.
  const CivilTime before = CivilFromMs(SecondsSince1970(1969, 12, 31, 23, 59, 59) * 1000);
  EXPECT_EQ(before.Year, 1969);
  EXPECT_EQ(before.Second, 59);
  EXPECT_EQ(before.DayOfWeek, 3);
}

}  // namespace
}  // namespace orlavox
