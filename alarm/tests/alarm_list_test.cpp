#include "alarm/alarm_list.h"
#include "alarm/alarm_times.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

AlarmEntry Entry(int h, int m, uint8_t days, bool once = false, std::string name = "") {
  AlarmEntry a;
  a.On = true, a.Hour = h, a.Minute = m, a.Days = days, a.Once = once, a.Name = std::move(name);
  return a;
}

TEST(AlarmList, StoredFormsReadBackAndRefuseWhatIsNotOne) {
  AlarmEntry a = Entry(6, 5, kWeekdays, false, "Gym | 50% \"early\"; ok, Łódź\t東京");
  a.Sound = 5, a.WaveFile = "C:\\Wavs|%\\日本.wav", a.RepeatInterval = 999, a.Announce = true;
  EXPECT_EQ(DecodeAlarm(EncodeAlarm(a)), a);
  EXPECT_EQ(EncodeAlarm(Entry(7, 0, 0, true, "x")), "1|1|07:00|once|0|0|0|x|");
  const std::string long61(61, 'n');
  for (const char* bad : {"", "2|1|07:00|once|0|0|0||", "1|1|24:00|once|0|0|0||", "1|1|07:00|0111112|0|0|0||",
                          "1|1|07:00|once|6|0|0||", "1|1|07:00|once|0|0|0|%4|", "1|1|07:00|once|0|0|0|\xC3|",
                          "1|1|07:00|once|0|0|0||x|", "1|1|7:00|once|0|0|0||"})
    EXPECT_FALSE(DecodeAlarm(bad)) << bad;
  EXPECT_FALSE(DecodeAlarm("1|1|07:00|once|0|0|0|" + long61 + "|"));
  EXPECT_EQ(DecodeAlarm(EncodeAlarm(Entry(7, 0, kEveryDay, false, long61)))->Name, long61.substr(1));

  // The first alarm: nothing new stored while it rings every day, unnamed.
  ClockSettings s;
  std::string days = "x";
  StoreFirstAlarm(Entry(7, 30, kEveryDay), s, days);
  EXPECT_EQ(days, "");
  EXPECT_TRUE(s.AlarmOn && s.AlarmHour == 7 && s.AlarmMinute == 30);
  StoreFirstAlarm(Entry(7, 30, kWeekdays), s, days);
  EXPECT_EQ(days, "0111110");
  EXPECT_EQ(FirstAlarm(s, days), Entry(7, 30, kWeekdays));
  StoreFirstAlarm(Entry(7, 30, 0, true, "a|b"), s, days);
  EXPECT_EQ(days, "once|a%7Cb");
  EXPECT_EQ(FirstAlarm(s, days), Entry(7, 30, 0, true, "a|b"));
  EXPECT_EQ(FirstAlarm(s, "0111"), Entry(7, 30, kEveryDay));
}

TEST(AlarmList, UnreadableValuesAreSkippedAndSavedAround) {
  const std::string two = EncodeAlarm(Entry(8, 0, kWeekend)), four = EncodeAlarm(Entry(9, 0, kEveryDay));
  std::vector<StoredAlarmValue> values(6);
  values[0] = {true, two}, values[1] = {true, "garbage"}, values[2] = {true, std::nullopt}, values[3] = {true, four};
  EXPECT_EQ(ReadFurtherAlarms(values), (std::vector<AlarmEntry>{Entry(8, 0, kWeekend), Entry(9, 0, kEveryDay)}));
  // Saved as three: the first value is unchanged, the unreadable two kept, the third alarm in the fifth value.
  const auto plan = PlanAlarmSave(values, {Entry(8, 0, kWeekend), Entry(10, 0, kEveryDay), Entry(11, 0, 1)});
  EXPECT_EQ(plan[0].What, AlarmValueChange::Keep);
  EXPECT_TRUE(plan[1].What == AlarmValueChange::Keep && plan[2].What == AlarmValueChange::Keep);
  EXPECT_EQ(plan[3].Text, EncodeAlarm(Entry(10, 0, kEveryDay)));
  EXPECT_EQ(plan[4].Text, EncodeAlarm(Entry(11, 0, 1)));
  EXPECT_EQ(PlanAlarmSave(values, {})[3].What, AlarmValueChange::Delete);
  std::vector<StoredAlarmValue> many(kAlarmValueCount, StoredAlarmValue{true, two});
  EXPECT_EQ(ReadFurtherAlarms(many).size(), size_t(kMaxAlarms - 1));
  EXPECT_EQ(AlarmValueName(1), "Alarm2");
}

TEST(AlarmList, DaysOnceAndTheNextWakeOverAllAlarms) {
  // Monday 7 December 2026, 06:00 local; UTC an hour behind.
  const int64_t monday = DaysFromCivil(2026, 12, 7) * 1440, six = monday + 360;
  EXPECT_EQ(AlarmOccurrence(six, Entry(7, 0, kWeekdays)), monday - 3 * 1440 + 420);  // Friday's
  EXPECT_EQ(NextAlarmRing(six, Entry(7, 0, kWeekend)), monday + 5 * 1440 + 420);     // Saturday's
  EXPECT_EQ(NextAlarmRing(six, Entry(5, 0, 0, true)), monday + 1440 + 300);          // tomorrow's, once
  EXPECT_EQ(NextAlarmRing(six, Entry(7, 0, 0)), kNoStamp);
  std::vector<AlarmEntry> list{Entry(9, 0, kEveryDay), Entry(6, 30, 1 << 1), Entry(6, 10, kEveryDay)};
  list[2].On = false;
  EXPECT_EQ(NextWakeLocal(six * 60, six * 60 - 3600, list.data(), 3, kNoStamp), (six + 30) * 60);
  EXPECT_EQ(NextWakeLocal(six * 60, six * 60 - 3600, list.data(), 3, six * 60 - 3600 + 600), six * 60 + 600);
  list[1].Days = 1 << 2;  // Tuesday: 09:00 today comes first
  EXPECT_EQ(NextWakeLocal(six * 60, six * 60 - 3600, list.data(), 3, kNoStamp), (six + 180) * 60);
}

}  // namespace
}  // namespace orlavox
