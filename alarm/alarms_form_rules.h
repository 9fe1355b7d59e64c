#pragma once
// What the "Alarms" dialog and its alarm editor decide, without Win32: the
// columns' texts of a row, the week in the user's order and the editor's
// rules when it is closed with OK.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "alarm/alarm_list.h"

namespace orlavox {

// The week as the user's locale writes it: the short day names by weekday
// (0 = Sunday ... 6 = Saturday) and the day it starts on.
struct LocaleWeek {
  std::array<std::string, 7> ShortNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  int FirstDay = 0;  // a weekday, 0 = Sunday
};
// From what Windows reports: its first day (0 = Monday ... 6 = Sunday) and the
// short names from Monday on. A first day out of range counts as Monday.
LocaleWeek LocaleWeekFrom(int localeFirstDay, const std::array<std::string, 7>& namesFromMonday);
// The weekdays in the locale's order, starting from its first day.
std::array<int, 7> WeekOrder(const LocaleWeek& week);

// The Days column, in the windows' language: "Once", "Every day", "Never",
// or the locale's short names: "Mon–Fri", "Sat, Sun", else the days in the
// locale's order.
std::string DaysText(const AlarmEntry& a, const LocaleWeek& week);
// The Sound column: the sound's name, or the wave file's name without its folder.
std::string SoundText(const AlarmEntry& a);
// The sound list's six names, as the alarm dialogs offer them.
std::vector<std::string> AlarmSoundNames();
// The Time column, as the alarm dialog shows the hour: "07:00", or "7:00 AM".
std::string AlarmTimeText(int hour, int minute, bool hour24);

// What the alarm editor holds when it is closed with OK.
struct AlarmEditorValues {
  bool On = false, Once = false, Announce = false;
  bool Pm = false;
  bool Hour24 = true;
  uint8_t Days = 0;  // the checked days, as bits of weekdays
  int Sound = 0;
  std::string Hour, Minute, RepeatInterval, Name, WaveFile;
};
// Why OK is refused ("" when it is not): a repeating alarm needs a day.
std::string AlarmEditorProblem(const AlarmEditorValues& v);
// The alarm `a` with the editor's values: a minute or a sound interval out
// of its range keeps what it had; the name is cut to kMaxAlarmNameChars.
AlarmEntry ApplyAlarmEditor(const AlarmEditorValues& v, AlarmEntry a);
// The first kMaxAlarmNameChars characters of a UTF-8 text.
std::string ClipAlarmName(const std::string& name);

}  // namespace orlavox
