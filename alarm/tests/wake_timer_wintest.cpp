// The wake timer as the system sees it. (A wake from sleep cannot be tried under Wine.)
#include "alarm/wake_timer.h"

#include <gtest/gtest.h>

#include <string>

#include "win/calendar.h"

namespace orlavox {
namespace {

// ctest wake_timer_berlin runs this under TZ=Europe/Berlin (Wine takes its zone from TZ).
TEST(WakeTimer, DueAtTheLocalTimeInUtcWithResume) {
  // 07:00 local on the days either side of both changes of 2026, and Berlin's offset then.
  const struct {
    int month, day, berlin;
  } days[] = {{3, 28, 60}, {3, 29, 120}, {10, 24, 120}, {10, 25, 60}, {12, 8, 60}};
  char name[64] = "";
  const bool berlin = GetEnvironmentVariableA("TZ", name, sizeof name) && std::string(name) == "Europe/Berlin";
  TIME_ZONE_INFORMATION tz;
  GetTimeZoneInformation(&tz);
  if (!berlin && tz.StandardDate.wMonth != 0) GTEST_SKIP() << "a zone with summer time other than Berlin's";
  WakeTimer timer;
  for (const auto& d : days) {
    SCOPED_TRACE(d.day);
    ASSERT_TRUE(timer.ArmAt(SYSTEMTIME{2026, WORD(d.month), 0, WORD(d.day), 7, 0, 0, 0}));
    EXPECT_TRUE(timer.Resume());
    // 100 ns since 1601, 134774 days before 1970.
    const int offset = berlin ? d.berlin : -int(tz.Bias);
    const int64_t minutes = (DaysFromCivil(2026, d.month, d.day) + 134774) * 1440 + 7 * 60 - offset;
    EXPECT_EQ(timer.DueTime(), minutes * 60 * 10000000);
  }
  ASSERT_TRUE(timer.ArmAt(SYSTEMTIME{2099, 12, 0, 8, 7, 0, 0, 0}));
  EXPECT_EQ(WaitForSingleObject(timer.Handle(), 0), WAIT_TIMEOUT);  // an absolute time, not yet due
  timer.Cancel();
  EXPECT_FALSE(timer.Armed());
}

}  // namespace
}  // namespace orlavox
