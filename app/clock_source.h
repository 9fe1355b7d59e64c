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

// The system's local time as both programs read it (system_clock.cpp): UTC
// plus the zone's offset, looked up once a minute and after ForgetZoneOffset,
// which WM_TIMECHANGE calls (the user or Windows picked another time zone).
void ReadSystemLocalTime(SYSTEMTIME& st);
void ForgetZoneOffset();
// Tests: where the offset is looked up (100 ns steps at the UTC moment given,
// 100 ns since 1601); null for the system's time zone.
using ZoneOffsetSource = int64_t (*)(int64_t utc);
void SetZoneOffsetSource(ZoneOffsetSource source);

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
