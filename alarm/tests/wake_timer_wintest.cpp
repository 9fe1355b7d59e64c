// The wake timer as the system sees it: the due time and resume flag passed
// to SetWaitableTimer, and the timer signalled at that time. (A real wake
// from sleep cannot be tried under Wine.)
#include "alarm/wake_timer.h"

#include <gtest/gtest.h>

#include "app/fake_clock.h"

namespace orlavox {
namespace {

SYSTEMTIME LocalIn(DWORD ms) {
  FILETIME now, later;
  SYSTEMTIME st;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
  t.QuadPart += ULONGLONG(ms) * 10000;
  later = FILETIME{t.LowPart, t.HighPart};
  FileTimeToLocalFileTime(&later, &now);
  FileTimeToSystemTime(&now, &st);
  return st;
}

TEST(WakeTimer, DueAtTheLocalAlarmTimeInUtcWithResume) {
  TIME_ZONE_INFORMATION tz;
  GetTimeZoneInformation(&tz);
  if (tz.StandardDate.wMonth != 0) GTEST_SKIP() << "the zone changes to summer time";
  WakeTimer timer;
  const SYSTEMTIME seven{2026, 12, 2, 8, 7, 0, 0, 0};  // Tuesday 8 December 2026, 07:00
  ASSERT_TRUE(timer.ArmAt(seven));
  EXPECT_TRUE(timer.Resume());
  // 100 ns since 1601: 134774 days before 1970; UTC = local + Bias minutes.
  const int64_t minutes = (DaysFromCivil(2026, 12, 8) + 134774) * 1440 + 7 * 60 + tz.Bias + tz.StandardBias;
  EXPECT_EQ(timer.DueTime(), minutes * 60 * 10000000);
  timer.Cancel();
  EXPECT_FALSE(timer.Armed());
}

TEST(WakeTimer, SignalledAtItsTimeAndNotOnceCancelled) {
  WakeTimer timer;
  ASSERT_TRUE(timer.ArmAt(LocalIn(1500)));
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 0), WAIT_TIMEOUT);
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 5000), WAIT_OBJECT_0);
  ASSERT_TRUE(timer.ArmAt(LocalIn(1500)));  // set anew: not signalled until its new time
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 0), WAIT_TIMEOUT);
  timer.Cancel();
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 3000), WAIT_TIMEOUT);
}

}  // namespace
}  // namespace orlavox
