#include "alarm/alarm_times.h"

#include <cstdio>

#include "resources/lang_text.h"

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
  char time[48];
  if (hour24)
    std::snprintf(time, sizeof time, "%02d:%02d", alarmHour, alarmMinute);
  else
    std::snprintf(time, sizeof time, "%d:%02d %s", alarmHour % 12 == 0 ? 12 : alarmHour % 12, alarmMinute,
                  Tr(alarmHour < 12 ? Str::alarm_AMRadio : Str::alarm_PMRadio).c_str());
  const int64_t ones = late % 10, tens = late % 100;
  const Str form = late == 1                                           ? Str::alert_lateOne
                   : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? Str::alert_lateFew
                                                                         : Str::alert_lateMany;
  return Tr(form, {time, std::to_string(late)});
}

}  // namespace orlavox
