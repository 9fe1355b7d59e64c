#pragma once
// The local time as the program reads it. The shipped program reads the
// system clock; the test build (clock_testbuild.cpp) can start its clock at a
// given moment and run it faster, from ORLAVOX_TEST_CLOCK.
#include <windows.h>

#include "app/clock_tick.h"
#include "win/calendar.h"

namespace orlavox {

void ReadLocalTime(SYSTEMTIME& st);
// UTC, in seconds since 1970, on the same clock as ReadLocalTime.
int64_t ReadUtcSeconds();

// A SYSTEMTIME's seconds since 1970 (local or UTC, as it was read).
inline int64_t SecondsSince1970(const SYSTEMTIME& st) {
  return SecondsSince1970(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

inline SYSTEMTIME ToSystemTime(const CivilTime& t) {
  SYSTEMTIME st{};
  st.wYear = WORD(t.Year);
  st.wMonth = WORD(t.Month);
  st.wDayOfWeek = WORD(t.DayOfWeek);
  st.wDay = WORD(t.Day);
  st.wHour = WORD(t.Hour);
  st.wMinute = WORD(t.Minute);
  st.wSecond = WORD(t.Second);
  st.wMilliseconds = WORD(t.Millisecond);
  return st;
}

inline TickTime DecodeTickTime(const SYSTEMTIME& st) {
  return TickTime{uint8_t(st.wHour), uint8_t(st.wMinute), uint8_t(st.wSecond), uint8_t(st.wDay),
                  uint8_t(st.wDayOfWeek + 1)};
}

}  // namespace orlavox
