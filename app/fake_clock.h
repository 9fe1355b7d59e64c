#pragma once
// The test build's clock: ORLAVOX_TEST_CLOCK="YYYY-MM-DD HH:MM:SS[ xN]" starts
// the program's local time at that moment and runs it N times faster.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orlavox {

struct CivilTime {
  int Year = 1970, Month = 1, Day = 1;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
  int DayOfWeek = 4;  // 0 = Sunday .. 6 = Saturday, as the system clock reports it
};

struct TestClockSetting {
  int64_t StartMs = 0;  // milliseconds since 1970-01-01 00:00:00 (local)
  uint32_t Rate = 1;
};

int64_t DaysFromCivil(int year, int month, int day);
CivilTime CivilFromMs(int64_t msSinceEpoch);

std::optional<TestClockSetting> ParseTestClock(std::string_view text);
CivilTime TestClockTime(const TestClockSetting& setting, uint64_t realElapsedMs);

}  // namespace orlavox
