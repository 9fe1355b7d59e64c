#pragma once
// A clock reading for the face tests.
#include <cstdint>

#include "display/tick_time.h"

namespace orlavox {

inline TickTime At(int h, int m, int s = 0, int day = 1, int dow = 1) {
  TickTime t;
  t.Hour = uint8_t(h);
  t.Minute = uint8_t(m);
  t.Second = uint8_t(s);
  t.Day = uint8_t(day);
  t.DayOfWeek = uint8_t(dow);
  return t;
}

}  // namespace orlavox
