#include "settings/more_options.h"

#include <cstdio>

namespace orlavox {
namespace {

// "HHMM" at text[at]: minutes of the day, or -1.
int TimeOfDay(const std::string& text, size_t at) {
  int v[4];
  for (int i = 0; i < 4; ++i) {
    const char c = text[at + i];
    if (c < '0' || c > '9') return -1;
    v[i] = c - '0';
  }
  const int hour = v[0] * 10 + v[1], minute = v[2] * 10 + v[3];
  return hour < 24 && minute < 60 ? hour * 60 + minute : -1;
}

bool Switch(const StoredString& stored, bool fallback) {
  if (stored == "1") return true;
  if (stored == "0") return false;
  return fallback;
}

}  // namespace

MoreOptions DecodeMoreOptions(const StoredMoreOptions& stored) {
  MoreOptions o;
  if (stored.QuietHours && stored.QuietHours->size() == 9 && (*stored.QuietHours)[4] == '-') {
    const int from = TimeOfDay(*stored.QuietHours, 0), to = TimeOfDay(*stored.QuietHours, 5);
    if (from >= 0 && to >= 0) o.Quiet = QuietHours{true, from, to};
  }
  o.HoldBackFullScreen = Switch(stored.HoldBackFullScreen, true);
  o.WakeForAlarm = Switch(stored.WakeForAlarm, false);
  const std::string& snooze = stored.SnoozeMinutes.value_or(std::string());
  // Digits only: "+5" and " 5" are not what the program writes.
  if (!snooze.empty() && snooze.size() <= 2 && snooze.find_first_not_of("0123456789") == std::string::npos) {
    const int n = std::stoi(snooze);
    if (n >= kMinSnoozeMinutes && n <= kMaxSnoozeMinutes) o.SnoozeMinutes = n;
  }
  return o;
}

EncodedMoreOptions EncodeMoreOptions(const MoreOptions& o) {
  EncodedMoreOptions e;
  if (o.Quiet.On) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d%02d-%02d%02d", o.Quiet.From / 60 % 24, o.Quiet.From % 60,
                  o.Quiet.To / 60 % 24, o.Quiet.To % 60);
    e.QuietHours = text;
  }
  e.HoldBackFullScreen = o.HoldBackFullScreen ? "1" : "0";
  e.SnoozeMinutes = std::to_string(o.SnoozeMinutes);
  e.WakeForAlarm = o.WakeForAlarm ? "1" : "0";
  return e;
}

bool InQuietHours(const QuietHours& q, int minuteOfDay) {
  if (!q.On || q.From == q.To) return false;
  if (q.From < q.To) return minuteOfDay >= q.From && minuteOfDay < q.To;
  return minuteOfDay >= q.From || minuteOfDay < q.To;  // across midnight
}

}  // namespace orlavox
