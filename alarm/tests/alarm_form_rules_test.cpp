#include "alarm/alarm_form_rules.h"

#include <gtest/gtest.h>

namespace orlavox {
namespace {

TEST(AlarmFormRules, TwelveHourFormShowsAndStoresTheSameHour) {
  struct Row {
    int stored, shown;
    bool pm;
  };
  for (Row r : {Row{0, 12, false}, Row{1, 1, false}, Row{11, 11, false}, Row{12, 12, true}, Row{13, 1, true},
                Row{23, 11, true}}) {
    const HourEntry e = HourEntryFor(r.stored, false);
    EXPECT_EQ(e.Position, r.shown) << r.stored;
    EXPECT_EQ(e.Pm, r.pm) << r.stored;
    EXPECT_EQ(e.Min, 1);
    EXPECT_EQ(e.Max, 12);
    EXPECT_EQ(AlarmHourFromEntry(e.Position, false, e.Pm), r.stored) << "round trip of " << r.stored;
  }
  EXPECT_EQ(AlarmHourFromEntry(12, false, false), 0);  // 12 AM
  EXPECT_EQ(AlarmHourFromEntry(12, false, true), 12);  // 12 PM
  EXPECT_EQ(AlarmHourFromEntry(0, false, true), 12);
  EXPECT_EQ(AlarmHourFromEntry(0, false, false), 0);
  const HourEntry h24 = HourEntryFor(17, true);
  EXPECT_EQ(h24.Position, 17);
  EXPECT_EQ(h24.Max, 23);
  EXPECT_EQ(AlarmHourFromEntry(17, true, true), 17);  // the radios do not count in the 24-hour form
}

TEST(AlarmFormRules, TypingChecks) {
  EXPECT_EQ(CheckTyped("13", HourTyping(false)), TypingCheck::OutOfRange);
  EXPECT_EQ(CheckTyped("12", HourTyping(false)), TypingCheck::Accepted);
  EXPECT_EQ(CheckTyped("24", HourTyping(true)), TypingCheck::OutOfRange);
  EXPECT_EQ(CheckTyped("23", HourTyping(true)), TypingCheck::Accepted);
  EXPECT_EQ(CheckTyped("a", kMinuteTyping), TypingCheck::NotNumeric);
  EXPECT_EQ(CheckTyped("5x", kMinuteTyping), TypingCheck::NotNumeric);
  EXPECT_EQ(CheckTyped("-", kMinuteTyping), TypingCheck::NotNumeric);  // a sign alone is no number
  EXPECT_EQ(CheckTyped(" 5", kMinuteTyping), TypingCheck::NotNumeric);
  EXPECT_EQ(CheckTyped("-1", kMinuteTyping), TypingCheck::OutOfRange);
  EXPECT_EQ(CheckTyped("60", kMinuteTyping), TypingCheck::OutOfRange);
  EXPECT_EQ(CheckTyped("+7", kMinuteTyping), TypingCheck::Accepted);
  EXPECT_EQ(CheckTyped("", kMinuteTyping), TypingCheck::Accepted);  // emptying passes silently
  EXPECT_EQ(CheckTyped("0", kAnnounceTyping), TypingCheck::Accepted);
  EXPECT_EQ(CheckTyped("61", kAnnounceTyping), TypingCheck::OutOfRange);
  EXPECT_STREQ(TypingMessage(TypingCheck::NotNumeric), "Only numeric values allowed!");
  EXPECT_STREQ(TypingMessage(TypingCheck::OutOfRange), "Numeric value out of range!");
  EXPECT_EQ(ParseSignedDecimal("1234567890"), std::nullopt);
  EXPECT_EQ(PadMinute("7"), "07");
  EXPECT_EQ(PadMinute(""), "");
  EXPECT_EQ(PadMinute("42"), "42");
}

TEST(AlarmFormRules, WriteBackKeepsWhatIsOutOfRange) {
  ClockSettings s;
  s.AnnounceInterval = 15;
  s.AlarmMinute = 30;
  s.AlarmRepeatInterval = 5;
  s.AlarmHour = 9;
  AlarmFormValues v;
  v.AlarmOn = true;
  v.AnnounceOn = true;
  v.SoundIndex = 2;
  v.WaveFile = "C:\\kept even when unused.wav";
  v.Hour = "";
  v.Pm = true;
  v.Hour24 = false;
  v.Minute = "";
  v.AnnounceInterval = "0";
  v.RepeatInterval = "61";
  ApplyAlarmForm(v, s);
  EXPECT_TRUE(s.AlarmOn);
  EXPECT_TRUE(s.AnnounceOn);
  EXPECT_FALSE(s.AlarmAnnounce);
  EXPECT_EQ(s.AlarmSound, 2);
  EXPECT_EQ(s.WaveFile, "C:\\kept even when unused.wav");
  EXPECT_EQ(s.AlarmHour, 12);          // an empty hour with PM
  EXPECT_EQ(s.AlarmMinute, 0);         // an empty minute
  EXPECT_EQ(s.AnnounceInterval, 15);   // 0 is kept out
  EXPECT_EQ(s.AlarmRepeatInterval, 5); // 61 is kept out

  v.AnnounceInterval = "";
  v.Minute = "59";
  v.RepeatInterval = "0";
  v.Hour = "7";
  v.Pm = false;
  v.Hour24 = true;
  ApplyAlarmForm(v, s);
  EXPECT_EQ(s.AnnounceInterval, 15);  // empty counts as 0: kept
  EXPECT_EQ(s.AlarmMinute, 59);
  EXPECT_EQ(s.AlarmRepeatInterval, 0);
  EXPECT_EQ(s.AlarmHour, 7);

  // Opened in the 12-hour form, closed after the clock went over to 24 hours:
  // 7 PM is still 19.
  v.Hour24 = false;
  v.Pm = true;
  ApplyAlarmForm(v, s);
  EXPECT_EQ(s.AlarmHour, 19);
}

TEST(AlarmFormRules, MoreOptionsWriteBack) {
  MoreOptions o;
  o.Quiet = QuietHours{false, 22 * 60 + 30, 7 * 60};
  MoreOptionsFormValues v{true, false, true, "10", "75", "12", "", "0", true, false};  // 10 PM, 12 AM
  ApplyMoreOptionsForm(v, false, o);
  EXPECT_TRUE(o.Quiet.On && !o.HoldBackFullScreen && o.WakeForAlarm);
  EXPECT_EQ(o.Quiet.From, 22 * 60 + 30);  // minute 75 keeps :30
  EXPECT_EQ(o.Quiet.To, 0);
  EXPECT_EQ(o.SnoozeMinutes, 5);  // 0 is kept out
  v.SnoozeMinutes = "60";
  ApplyMoreOptionsForm(v, true, o);
  EXPECT_EQ(o.Quiet.From, 10 * 60 + 30);
  EXPECT_EQ(o.SnoozeMinutes, 60);
}

}  // namespace
}  // namespace orlavox
