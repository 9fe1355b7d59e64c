#pragma once
// The local time as the program reads it. The shipped program reads the
// system clock; the test build (clock_testbuild.cpp) can start its clock at a
// given moment and run it faster, from ORLAVOX_TEST_CLOCK.
#include <windows.h>

#include "app/clock_tick.h"

namespace orlavox {

void ReadLocalTime(SYSTEMTIME& st);

inline TickTime DecodeTickTime(const SYSTEMTIME& st) {
  return TickTime{uint8_t(st.wHour), uint8_t(st.wMinute), uint8_t(st.wSecond), uint8_t(st.wDay),
                  uint8_t(st.wDayOfWeek + 1)};
}

}  // namespace orlavox
