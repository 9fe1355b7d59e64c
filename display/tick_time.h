#pragma once
// The local time as one clock tick reads it: what the face, the tray and the
// tick's rules are decided from.
#include <cstdint>

namespace orlavox {

struct TickTime {
  uint8_t Hour = 0;       // 0..23
  uint8_t Minute = 0;
  uint8_t Second = 0;
  uint8_t Day = 0;        // 1..31
  uint8_t DayOfWeek = 1;  // 1 = Sunday .. 7 = Saturday
};

}  // namespace orlavox
