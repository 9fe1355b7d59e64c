// The wake timer as the system sees it. (A wake from sleep cannot be tried under Wine.)
#include "alarm/wake_timer.h"

#include <gtest/gtest.h>

#include "win/calendar.h"

namespace orlavox {
namespace {

TEST(WakeTimer, DueAtTheLocalTimeInUtcWithResume) {
  TIME_ZONE_INFORMATION tz;
  GetTimeZoneInformation(&tz);
  WakeTimer timer;
  ASSERT_TRUE(timer.ArmAt(SYSTEMTIME{2026, 12, 2, 8, 7, 0, 0, 0}));  // 8 December 2026, 07:00
  EXPECT_TRUE(timer.Resume());
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 0), WAIT_TIMEOUT);
  // 100 ns since 1601, 134774 days before 1970; UTC = local + Bias minutes.
  const int64_t minutes = (DaysFromCivil(2026, 12, 8) + 134774) * 1440 + 7 * 60 + tz.Bias + tz.StandardBias;
  if (tz.StandardDate.wMonth == 0) {  // a zone without summer time
    EXPECT_EQ(timer.DueTime(), minutes * 60 * 10000000);
  }
  timer.Cancel();
  EXPECT_FALSE(timer.Armed());
}

}  // namespace
}  // namespace orlavox
