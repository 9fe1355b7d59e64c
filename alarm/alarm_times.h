#pragma once
// When the daily alarm falls, on the local clock counted in seconds (or
// minutes) since 1970: the occurrence a tick may ring for, the alert's line
// for a late ring and the moment the computer must wake for the next ring.
// No Win32 here.
#include <cstdint>
#include <limits>
#include <string>

#include "alarm/alarm_list.h"
#include "win/calendar.h"

namespace orlavox {

inline constexpr int64_t kNoStamp = std::numeric_limits<int64_t>::min();
// A ring found missed (sleep, a held process, a clock set forward) is made up
// when the alarm time lies at most this far back.
inline constexpr int64_t kLateAlarmMinutes = 60;

// The latest alarm minute at or before `nowMinute`: today's or yesterday's.
int64_t AlarmOccurrence(int64_t nowMinute, int alarmHour, int alarmMinute);

// The same for an alarm of the list, its days judged on the weekday of the
// occurrence's date (a once alarm: any day); kNoStamp when it has none (no
// day set). Whether the alarm is on plays no part.
int64_t AlarmOccurrence(int64_t nowMinute, const AlarmEntry& a);
// The minute of the alarm's next ring after `nowMinute`; kNoStamp when it is off or has no day.
int64_t NextAlarmRing(int64_t nowMinute, const AlarmEntry& a);

// The local second at which the computer must be awake for the next ring:
// the earliest next ring of all alarms after nowLocal, or a snooze due
// earlier (a UTC second, kNoStamp for none); kNoStamp when none is due.
int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, const AlarmEntry* alarms, size_t count,
                      int64_t snoozeDueUtc);
// The one daily alarm alone.
int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, bool alarmOn, int alarmHour, int alarmMinute,
                      int64_t snoozeDueUtc);

// The alert's first line for a ring `late` minutes after the alarm time, the
// time in the form the clock shows: "07:00 alarm, 5 minutes late!".
std::string LateAlarmLine(int alarmHour, int alarmMinute, bool hour24, int64_t late);

}  // namespace orlavox
