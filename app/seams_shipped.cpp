#include "app/clock_source.h"
#include "app/seams.h"

namespace orlavox {

void ReadLocalTime(SYSTEMTIME& st) { ReadSystemLocalTime(st); }

int64_t ReadUtcSeconds() {
  SYSTEMTIME st;
  GetSystemTime(&st);
  return SecondsSince1970(st);
}

bool HandleTestProbe(TMainForm&, WPARAM, LRESULT&) { return false; }

std::optional<bool> SuppliedModernStandby() { return std::nullopt; }
std::optional<int> SuppliedNotificationState() { return std::nullopt; }

void PrepareTestProcess() {}

bool RefusesClose() { return false; }

void SetTestClock(const TestClockSetting&) {}

UINT TimerPeriod(UINT updateInterval) { return updateInterval; }

uint32_t ClockRate() { return 1; }

}  // namespace orlavox
