#include "alarm/alarm_times.h"

#include <cstdio>

namespace orlavox {

int64_t AlarmOccurrence(int64_t nowMinute, int alarmHour, int alarmMinute) {
  const int64_t today = FloorDivide(nowMinute, 1440) * 1440 + alarmHour * 60 + alarmMinute;
  return today <= nowMinute ? today : today - 1440;
}

int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, bool alarmOn, int alarmHour, int alarmMinute,
                      int64_t snoozeDueUtc) {
  if (!alarmOn) return kNoStamp;
  const int64_t next = (AlarmOccurrence(FloorDivide(nowLocal, 60), alarmHour, alarmMinute) + 1440) * 60;
  if (snoozeDueUtc == kNoStamp) return next;
  const int64_t snooze = snoozeDueUtc + (nowLocal - nowUtc);
  return snooze < next ? snooze : next;
}

std::string LateAlarmLine(int alarmHour, int alarmMinute, bool hour24, int64_t late) {
  char text[64];
  char time[16];
  if (hour24)
    std::snprintf(time, sizeof time, "%02d:%02d", alarmHour, alarmMinute);
  else
    std::snprintf(time, sizeof time, "%d:%02d %s", alarmHour % 12 == 0 ? 12 : alarmHour % 12, alarmMinute,
                  alarmHour < 12 ? "AM" : "PM");
  std::snprintf(text, sizeof text, "%s alarm, %lld minute%s late!", time, static_cast<long long>(late),
                late == 1 ? "" : "s");
  return text;
}

}  // namespace orlavox
