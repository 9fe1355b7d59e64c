// The "Alarms" list's texts and the alarm editor's rules.
#include "alarm/alarms_form_rules.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

AlarmEntry Days(uint8_t days, bool once = false) {
  AlarmEntry a;
  a.Days = days;
  a.Once = once;
  return a;
}

TEST(AlarmsList, DaysColumnInTheLocalesWeek) {
  // German as Windows reports it: the week starts on Monday (0), names from Monday on.
  const LocaleWeek de = LocaleWeekFrom(0, {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"});
  const LocaleWeek us = LocaleWeekFrom(6, {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"});
  EXPECT_EQ(WeekOrder(de), (std::array<int, 7>{1, 2, 3, 4, 5, 6, 0}));
  EXPECT_EQ(WeekOrder(us), (std::array<int, 7>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(DaysText(Days(kEveryDay), de), "Every day");
  EXPECT_EQ(DaysText(Days(kWeekdays), de), "Mo\xE2\x80\x93" "Fr");
  EXPECT_EQ(DaysText(Days(kWeekend), us), "Sat, Sun");
  EXPECT_EQ(DaysText(Days(kWeekend), de), "Sa, So");
  EXPECT_EQ(DaysText(Days(kWeekdays, true), us), "Once");
  const uint8_t sunMonSat = 0x43;
  EXPECT_EQ(DaysText(Days(sunMonSat), de), "Mo, Sa, So");
  EXPECT_EQ(DaysText(Days(sunMonSat), us), "Sun, Mon, Sat");
  EXPECT_EQ(WeekOrder(LocaleWeekFrom(9, us.ShortNames)).front(), 1);  // an unknown first day: Monday
}

TEST(AlarmsList, TimeAndSoundColumns) {
  EXPECT_EQ(AlarmTimeText(7, 5, true), "07:05");
  EXPECT_EQ(AlarmTimeText(0, 0, false), "12:00 AM");
  EXPECT_EQ(AlarmTimeText(13, 0, false), "1:00 PM");
  AlarmEntry a;
  a.Sound = 5;
  a.WaveFile = "C:\\Users\\\xC5\x81ukasz\\wake.wav";
  EXPECT_EQ(SoundText(a), "wake.wav");
  a.WaveFile = "";
  EXPECT_EQ(SoundText(a), "Wave file");
  a.Sound = 4;
  EXPECT_EQ(SoundText(a), "Fanfare");
}

TEST(AlarmEditor, RepeatingNeedsADayAndFieldsOutOfRangeKeepTheirValues) {
  AlarmEditorValues v;
  v.Days = 0;
  EXPECT_EQ(AlarmEditorProblem(v), "Choose at least one day, or \"Only once\".");
  v.Once = true;
  EXPECT_EQ(AlarmEditorProblem(v), "");
  AlarmEntry before;
  before.Days = kWeekdays;
  before.Minute = 30;
  before.RepeatInterval = 5;
  v.Hour24 = false;
  v.Pm = true;
  v.Hour = "1";
  v.Minute = "";  // an emptied field counts as 0
  v.RepeatInterval = "61";
  v.On = true;
  v.Name = std::string(59, 'x') + "\xC3\xA9\xC3\xA9";  // 61 characters, the last two of two bytes
  AlarmEntry a = ApplyAlarmEditor(v, before);
  EXPECT_EQ(a.Hour, 13);
  EXPECT_EQ(a.Minute, 0);
  EXPECT_EQ(a.RepeatInterval, 5);
  EXPECT_TRUE(a.Once && a.On);
  EXPECT_EQ(a.Days, kWeekdays);  // a once-alarm keeps the days it had
  EXPECT_EQ(a.Name, std::string(59, 'x') + "\xC3\xA9");
  v.Once = false;
  v.Days = 0x41;
  v.Minute = "75";
  a = ApplyAlarmEditor(v, before);
  EXPECT_EQ(a.Days, 0x41);
  EXPECT_EQ(a.Minute, 30);
}

}  // namespace
}  // namespace orlavox
