#pragma once
// When the daily alarm falls, on the local clock counted in seconds (or
// minutes) since 1970: the occurrence a tick may ring for, the alert's line
// for a late ring and the moment the computer must wake for the next ring.
// No Win32 here.
#include <cstdint>
#include <limits>
#include <string>

#include "win/calendar.h"

namespace orlavox {

inline constexpr int64_t kNoStamp = std::numeric_limits<int64_t>::min();
// A ring found missed (sleep, a held process, a clock set forward) is made up
// when the alarm time lies at most this far back.
inline constexpr int64_t kLateAlarmMinutes = 60;

// The latest alarm minute at or before `nowMinute`: today's or yesterday's.
int64_t AlarmOccurrence(int64_t nowMinute, int alarmHour, int alarmMinute);

// The local second at which the computer must be awake for the next ring:
// the next alarm time after nowLocal, or a snooze due earlier (a UTC second,
// kNoStamp for none); kNoStamp with the alarm off.
int64_t NextWakeLocal(int64_t nowLocal, int64_t nowUtc, bool alarmOn, int alarmHour, int alarmMinute,
                      int64_t snoozeDueUtc);

// The alert's first line for a ring `late` minutes after the alarm time, the
// time in the form the clock shows: "07:00 alarm, 5 minutes late!".
std::string LateAlarmLine(int alarmHour, int alarmMinute, bool hour24, int64_t late);

}  // namespace orlavox
