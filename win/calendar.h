#pragma once
// The calendar's arithmetic on counts since 1970-01-01 00:00 (local or UTC,
// as the count was made), in the proleptic Gregorian calendar and also before
// 1970. No Win32 here: every floor may use it.
#include <cstdint>

namespace orlavox {

struct CivilTime {
  int Year = 1970, Month = 1, Day = 1;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
  int DayOfWeek = 4;  // 0 = Sunday .. 6 = Saturday, as the system clock reports it
};

// Floor division: the minute (or day) a second (or minute) lies in, also before 1970.
int64_t FloorDivide(int64_t value, int64_t by);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // month 1..12

// Days since 1970-01-01 of a date.
int64_t DaysFromCivil(int year, int month, int day);
// The weekday of a day since 1970-01-01: 0 = Sunday .. 6 = Saturday.
int WeekdayFromDays(int64_t days);
// The date, time and weekday of a millisecond since 1970.
CivilTime CivilFromMs(int64_t msSinceEpoch);
// The second since 1970 of a date and a time of day.
int64_t SecondsSince1970(int year, int month, int day, int hour, int minute, int second);

}  // namespace orlavox
