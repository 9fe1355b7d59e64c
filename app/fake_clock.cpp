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

}  // namespace

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
  setting.StartMs = SecondsSince1970(y, mo, d, h, mi, se) * 1000;
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
