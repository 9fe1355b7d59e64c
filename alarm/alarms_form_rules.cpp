#include "alarm/alarms_form_rules.h"

#include <cstdio>

#include "alarm/alarm_form_rules.h"
#include "resources/lang_text.h"

namespace orlavox {

LocaleWeek LocaleWeekFrom(int localeFirstDay, const std::array<std::string, 7>& namesFromMonday) {
  LocaleWeek w;
  for (int i = 0; i < 7; ++i) w.ShortNames[size_t((i + 1) % 7)] = namesFromMonday[size_t(i)];
  if (localeFirstDay < 0 || localeFirstDay > 6) localeFirstDay = 0;
  w.FirstDay = (localeFirstDay + 1) % 7;
  return w;
}

std::array<int, 7> WeekOrder(const LocaleWeek& week) {
  std::array<int, 7> order{};
  for (int i = 0; i < 7; ++i) order[size_t(i)] = (week.FirstDay + i) % 7;
  return order;
}

std::string DaysText(const AlarmEntry& a, const LocaleWeek& week) {
  if (a.Once) return Tr(Str::alarms_once);
  const uint8_t days = a.Days & kEveryDay;
  const auto& name = week.ShortNames;
  if (days == kEveryDay) return Tr(Str::alarms_everyDay);
  if (days == kWeekdays) return name[1] + "\xE2\x80\x93" + name[5];  // with an en dash
  if (days == kWeekend) return name[6] + ", " + name[0];
  if (days == 0) return Tr(Str::alarms_never);
  std::string text;
  for (int d : WeekOrder(week))
    if (days & (1u << d)) text += (text.empty() ? "" : ", ") + week.ShortNames[size_t(d)];
  return text;
}

std::string SoundText(const AlarmEntry& a) {
  if (a.Sound < 0 || a.Sound > 5) return {};
  const size_t slash = a.WaveFile.find_last_of("\\/");
  if (a.Sound == 5 && slash + 1 < a.WaveFile.size()) return a.WaveFile.substr(slash + 1);
  return a.Sound == 5 ? Tr(Str::alarms_waveFile) : AlarmSoundNames()[size_t(a.Sound)];
}

std::vector<std::string> AlarmSoundNames() {
  return {Tr(Str::alarm_AlarmSoundCombo_SystemBeep), Tr(Str::alarm_AlarmSoundCombo_Yipe),
          Tr(Str::alarm_AlarmSoundCombo_Lazer),      Tr(Str::alarm_AlarmSoundCombo_Whistle),
          Tr(Str::alarm_AlarmSoundCombo_Fanfare),    Tr(Str::alarm_AlarmSoundCombo_WaveFile)};
}

std::string AlarmTimeText(int hour, int minute, bool hour24) {
  // The same words for the half of the day as the alarm dialog's buttons.
  char text[48];
  if (hour24)
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  else
    std::snprintf(text, sizeof text, "%d:%02d %s", hour % 12 == 0 ? 12 : hour % 12, minute,
                  WithoutMnemonic(Tr(hour < 12 ? Str::alarm_AMRadio : Str::alarm_PMRadio)).c_str());
  return text;
}

std::string AlarmEditorProblem(const AlarmEditorValues& v) {
  return !v.Once && (v.Days & kEveryDay) == 0 ? Tr(Str::editor_noDay) : "";
}

std::string ClipAlarmName(const std::string& name) {
  size_t chars = 0, i = 0;
  for (; i < name.size(); ++i) {
    if ((uint8_t(name[i]) & 0xC0) == 0x80) continue;  // inside a character
    if (chars++ == kMaxAlarmNameChars) break;
  }
  return name.substr(0, i);
}

AlarmEntry ApplyAlarmEditor(const AlarmEditorValues& v, AlarmEntry a) {
  a.On = v.On;
  a.Once = v.Once;
  if (!v.Once) a.Days = v.Days & kEveryDay;
  a.Announce = v.Announce;
  a.Sound = v.Sound;
  a.WaveFile = v.WaveFile;
  a.Name = ClipAlarmName(v.Name);
  a.Hour = AlarmHourFromEntry(FieldValue(v.Hour).value_or(0), v.Hour24, v.Pm);
  const int minute = FieldValue(v.Minute).value_or(-1);
  if (minute >= 0 && minute <= 59) a.Minute = minute;
  const int repeat = FieldValue(v.RepeatInterval).value_or(-1);
  if (repeat >= 0 && repeat <= 60) a.RepeatInterval = repeat;
  return a;
}

}  // namespace orlavox
