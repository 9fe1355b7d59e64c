#pragma once
// The test build's clock: ORLAVOX_TEST_CLOCK="YYYY-MM-DD HH:MM:SS[ xN]" starts
// the program's local time at that moment and runs it N times faster.
#include <cstdint>
#include <optional>
#include <string_view>

#include "win/calendar.h"

namespace orlavox {

struct TestClockSetting {
  int64_t StartMs = 0;  // milliseconds since 1970-01-01 00:00:00 (local)
  uint32_t Rate = 1;
};

std::optional<TestClockSetting> ParseTestClock(std::string_view text);
CivilTime TestClockTime(const TestClockSetting& setting, uint64_t realElapsedMs);

}  // namespace orlavox
