#include "win/calendar.h"

namespace orlavox {

int64_t FloorDivide(int64_t value, int64_t by) { return value / by - ((value % by != 0) && ((value < 0) != (by < 0))); }

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

// H. Hinnant's algorithm.
int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = int64_t(year) - (month <= 2);
  const int64_t era = FloorDivide(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

// 1970-01-01 was a Thursday.
int WeekdayFromDays(int64_t days) { return int(((days % 7) + 7 + 4) % 7); }

CivilTime CivilFromMs(int64_t ms) {
  const int64_t days = FloorDivide(ms, 86400000);
  int64_t rest = ms - days * 86400000;
  CivilTime t;
  t.Millisecond = int(rest % 1000);
  rest /= 1000;
  t.Second = int(rest % 60);
  t.Minute = int(rest / 60 % 60);
  t.Hour = int(rest / 3600);
  const int64_t z = days + 719468;
  const int64_t era = FloorDivide(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  t.Day = int(doy - (153 * mp + 2) / 5 + 1);
  t.Month = int(mp < 10 ? mp + 3 : mp - 9);
  t.Year = int(yoe + era * 400 + (t.Month <= 2));
  t.DayOfWeek = WeekdayFromDays(days);
  return t;
}

int64_t SecondsSince1970(int year, int month, int day, int hour, int minute, int second) {
  return (DaysFromCivil(year, month, day) * 24 + hour) * 3600 + minute * 60 + second;
}

}  // namespace orlavox
