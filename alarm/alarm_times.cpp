#include "alarm/alarm_times.h"

#include <cstdio>

#include "alarm/alarms_form_rules.h"
#include "resources/lang_text.h"

namespace orlavox {

int64_t AlarmOccurrence(int64_t nowMinute, int alarmHour, int alarmMinute) {
  const int64_t today = FloorDivide(nowMinute, 1440) * 1440 + alarmHour * 60 + alarmMinute;
  return today <= nowMinute ? today : today - 1440;
}

namespace {

bool RingsOnDayOf(int64_t minute, const AlarmEntry& a) {
  return a.Once || (a.Days >> WeekdayFromDays(FloorDivide(minute, 1440)) & 1);
}

}  // namespace

int64_t AlarmOccurrence(int64_t nowMinute, const AlarmEntry& a) {
  if (!a.Once && (a.Days & kEveryDay) == 0) return kNoStamp;
  for (int64_t at = AlarmOccurrence(nowMinute, a.Hour, a.Minute);; at -= 1440)
    if (RingsOnDayOf(at, a)) return at;
}

int64_t NextAlarmRing(int64_t nowMinute, const AlarmEntry& a) {
  if (!a.On || (!a.Once && (a.Days & kEveryDay) == 0)) return kNoStamp;
  for (int64_t at = AlarmOccurrence(nowMinute, a.Hour, a.Minute) + 1440;; at += 1440)
    if (RingsOnDayOf(at, a)) return at;
}

int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, const AlarmEntry* alarms, size_t count,
                      int64_t snoozeDueUtc) {
  int64_t wake = snoozeDueUtc == kNoStamp ? kNoStamp : snoozeDueUtc + (nowLocal - nowUtc);
  for (size_t i = 0; i < count; ++i) {
    const int64_t next = NextAlarmRing(FloorDivide(nowLocal, 60), alarms[i]);
    if (next != kNoStamp && (wake == kNoStamp || next * 60 < wake)) wake = next * 60;
  }
  return wake;
}

int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, bool alarmOn, int alarmHour, int alarmMinute,
                      int64_t snoozeDueUtc) {
  if (!alarmOn) return kNoStamp;
  AlarmEntry a;
  a.On = true, a.Hour = alarmHour, a.Minute = alarmMinute;
  return NextWakeLocal(nowLocal, nowUtc, &a, 1, snoozeDueUtc);
}

std::string LateAlarmLine(int alarmHour, int alarmMinute, bool hour24, int64_t late) {
  const std::string time = AlarmTimeText(alarmHour, alarmMinute, hour24);
  const int64_t ones = late % 10, tens = late % 100;
  const Str form = late == 1                                           ? Str::alert_lateOne
                   : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? Str::alert_lateFew
                                                                         : Str::alert_lateMany;
  return Tr(form, {time, std::to_string(late)});
}

}  // namespace orlavox
