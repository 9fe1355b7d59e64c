#include "app/fake_clock.h"

namespace orlavox {
namespace {

bool Digits(std::string_view s, size_t pos, size_t n, int& out) {
  if (pos + n > s.size()) return false;
  int v = 0;
  for (size_t i = pos; i < pos + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
  }
  out = v;
  return true;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

// Days since 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
int64_t DaysFromCivil(int year, int month, int day) {
  const int64_t y = int64_t(year) - (month <= 2);
  const int64_t era = FloorDiv(y, 400);
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CivilTime CivilFromMs(int64_t ms) {
  const int64_t days = FloorDiv(ms, 86400000);
  int64_t rest = ms - days * 86400000;
  CivilTime t;
  t.Millisecond = int(rest % 1000);
  rest /= 1000;
  t.Second = int(rest % 60);
  t.Minute = int(rest / 60 % 60);
  t.Hour = int(rest / 3600);
  const int64_t z = days + 719468;
  const int64_t era = FloorDiv(z, 146097);
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  t.Day = int(doy - (153 * mp + 2) / 5 + 1);
  t.Month = int(mp < 10 ? mp + 3 : mp - 9);
  t.Year = int(yoe + era * 400 + (t.Month <= 2));
  // 1970-01-01 was a Thursday.
  t.DayOfWeek = int(((days % 7) + 7 + 4) % 7);
  return t;
}

std::optional<TestClockSetting> ParseTestClock(std::string_view s) {
  // YYYY-MM-DD HH:MM:SS
  int y, mo, d, h, mi, se;
  if (s.size() < 19 || !Digits(s, 0, 4, y) || s[4] != '-' || !Digits(s, 5, 2, mo) || s[7] != '-' ||
      !Digits(s, 8, 2, d) || s[10] != ' ' || !Digits(s, 11, 2, h) || s[13] != ':' ||
      !Digits(s, 14, 2, mi) || s[16] != ':' || !Digits(s, 17, 2, se))
    return std::nullopt;
  if (y < 1601 || mo < 1 || mo > 12 || d < 1 || d > DaysInMonth(y, mo) || h > 23 || mi > 59 || se > 59)
    return std::nullopt;
  TestClockSetting setting;
  setting.StartMs = ((DaysFromCivil(y, mo, d) * 24 + h) * 60 + mi) * 60000 + int64_t(se) * 1000;
  std::string_view rest = s.substr(19);
  if (!rest.empty()) {
    if (rest.size() < 3 || rest[0] != ' ' || rest[1] != 'x') return std::nullopt;
    uint64_t rate = 0;
    for (char c : rest.substr(2)) {
      if (c < '0' || c > '9') return std::nullopt;
      rate = rate * 10 + uint64_t(c - '0');
      if (rate > 1000000) return std::nullopt;
    }
    if (rate == 0) return std::nullopt;
    setting.Rate = uint32_t(rate);
  }
  return setting;
}

CivilTime TestClockTime(const TestClockSetting& setting, uint64_t realElapsedMs) {
  return CivilFromMs(setting.StartMs + int64_t(realElapsedMs) * setting.Rate);
}

}  // namespace orlavox
