#include "app/clock_source.h"
#include "app/seams.h"

namespace orlavox {

// GetLocalTime looks up the time zone at every call. The local time's
// distance from UTC only changes at a whole minute (summer time begins or
// ends, the user picks another zone), so it is looked up at the first read of
// each UTC minute and added to the cheap UTC clock in between.
void ReadLocalTime(SYSTEMTIME& st) {
  constexpr int64_t kMinute = 600000000;  // in 100 ns steps
  static int64_t lookedUpMinute = -1;
  static int64_t offset = 0;
  FILETIME utc;
  GetSystemTimeAsFileTime(&utc);
  const int64_t now = int64_t((uint64_t(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
  if (now / kMinute != lookedUpMinute) {
    GetLocalTime(&st);
    FILETIME local;
    if (!SystemTimeToFileTime(&st, &local)) return;
    const int64_t l = int64_t((uint64_t(local.dwHighDateTime) << 32) | local.dwLowDateTime);
    // Time zones lie whole minutes apart; the two reads a moment apart do not.
    const int64_t d = l - now;
    offset = (d >= 0 ? d + kMinute / 2 : d - kMinute / 2) / kMinute * kMinute;
    lookedUpMinute = now / kMinute;
    return;
  }
  const int64_t l = now + offset;
  const FILETIME local{DWORD(uint64_t(l) & 0xFFFFFFFFu), DWORD(uint64_t(l) >> 32)};
  if (!FileTimeToSystemTime(&local, &st)) GetLocalTime(&st);
}

int64_t ReadUtcSeconds() {
  SYSTEMTIME st;
  GetSystemTime(&st);
  return SecondsSince1970(st);
}

bool HandleTestProbe(TMainForm&, WPARAM, LRESULT&) { return false; }

std::optional<bool> SuppliedModernStandby() { return std::nullopt; }
std::optional<int> SuppliedNotificationState() { return std::nullopt; }

void PrepareTestProcess() {}

void SetTestClock(const TestClockSetting&) {}

UINT TimerPeriod(UINT updateInterval) { return updateInterval; }

}  // namespace orlavox
