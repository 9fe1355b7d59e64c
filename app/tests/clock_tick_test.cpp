#include "app/clock_tick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orlavox {
namespace {

using A = TickAction;

std::vector<A> Actions(const TickInputs& in) {
  const TickPlan p = PlanTick(in);
  return std::vector<A>(p.begin(), p.end());
}

TickInputs At(int h, int m, int s, int day, LastTick last) {
  TickInputs in;
  in.Now = TickTime{uint8_t(h), uint8_t(m), uint8_t(s), uint8_t(day), 2};
  in.Last = last;
  return in;
}

TEST(ClockTick, NothingChangedDoesNothing) {
  TickInputs in = At(10, 20, 30, 5, LastTick{10, 20, 30, 5});
  in.AnnounceOn = true;
  in.AnnounceInterval = 1;
  EXPECT_TRUE(Actions(in).empty());
}

TEST(ClockTick, MidnightRedrawsEverythingAndAnnounces) {
  TickInputs in = At(0, 0, 0, 8, LastTick{23, 59, 59, 7});
  in.AnnounceOn = true;
  in.AnnounceInterval = 7;  // minute 0 suits every interval
  EXPECT_EQ(Actions(in), (std::vector<A>{A::UpdateSeconds, A::SetTrayHint, A::UpdateMinutes,
                                     A::UpdateTrayIcon, A::StartAnnouncement, A::ClearAlarmHandled,
                                     A::UpdateHours, A::UpdateDate, A::RememberTime}));
}

TEST(ClockTick, SmallDisplayBlinksAndSkipsTheDate) {
  TickInputs in = At(0, 0, 0, 8, LastTick{23, 59, 59, 7});
  in.SmallDisplay = 1;
  in.BlinkColonOn = true;
  EXPECT_EQ(Actions(in), (std::vector<A>{A::ShowColon, A::SetTrayHint, A::UpdateMiniTime,
                                     A::UpdateTrayIcon, A::ClearAlarmHandled, A::UpdateMiniTime,
                                     A::RememberTime}));
  in = At(0, 0, 1, 8, LastTick{0, 0, 0, 8});
  in.SmallDisplay = 1;
  in.BlinkColonOn = false;
  EXPECT_EQ(Actions(in), (std::vector<A>{A::BlankColon, A::SetTrayHint, A::RememberTime}));
}

TEST(ClockTick, FirstTickAfterStart) {
  // Start at 10:00:20: minute 0 equals the zeroed LastTick, so no announcement.
  TickInputs in = At(10, 0, 20, 7, LastTick{});
  in.AnnounceOn = true;
  in.AnnounceInterval = 15;
  std::vector<A> a = Actions(in);
  EXPECT_EQ(a, (std::vector<A>{A::UpdateSeconds, A::SetTrayHint, A::UpdateHours, A::UpdateDate,
                               A::RememberTime}));
  // Start at 10:30:20 with interval 15: one announcement at once.
  in = At(10, 30, 20, 7, LastTick{});
  in.AnnounceOn = true;
  in.AnnounceInterval = 15;
  a = Actions(in);
  EXPECT_EQ(std::count(a.begin(), a.end(), A::StartAnnouncement), 1);
  EXPECT_TRUE(PlanTick(in).Contains(A::UpdateMinutes));
}

TEST(ClockTick, AnnouncementSchedule) {
  auto announces = [](int minute, int interval, bool busy) {
    TickInputs in = At(9, minute, 0, 1, LastTick{9, uint8_t((minute + 59) % 60), 59, 1});
    in.AnnounceOn = true;
    in.AnnounceInterval = interval;
    in.SpeechBusy = busy;
    return PlanTick(in).Contains(A::StartAnnouncement);
  };
  EXPECT_TRUE(announces(45, 15, false));
  EXPECT_FALSE(announces(50, 15, false));
  EXPECT_TRUE(announces(45, 45, false));
  EXPECT_FALSE(announces(30, 45, false));
  EXPECT_TRUE(announces(56, 7, false));
  EXPECT_TRUE(announces(0, 60, false));
  EXPECT_FALSE(announces(15, 15, true));  // still speaking: skipped, not queued
  TickInputs off = At(9, 15, 0, 1, LastTick{9, 14, 59, 1});
  off.AnnounceInterval = 15;
  EXPECT_FALSE(PlanTick(off).Contains(A::StartAnnouncement));
}

TEST(ClockTick, AlarmLatchPerMinute) {
  TickInputs in = At(7, 0, 0, 1, LastTick{6, 59, 59, 1});
  in.AlarmOn = true;
  in.AlarmHour = 7;
  in.AlarmMinute = 0;
  std::vector<A> a = Actions(in);
  ASSERT_FALSE(a.empty());
  EXPECT_EQ(a.back(), A::Alarm);  // after LastTick is remembered

  // Confirmed at 07:00:40: nothing at 07:00:41.
  in = At(7, 0, 41, 1, LastTick{7, 0, 40, 1});
  in.AlarmOn = true;
  in.AlarmHour = 7;
  in.AlarmHandled = true;
  EXPECT_FALSE(PlanTick(in).Contains(A::Alarm));
  // The alert still open: no second one.
  in.AlarmHandled = false;
  in.AlarmActive = true;
  EXPECT_FALSE(PlanTick(in).Contains(A::Alarm));
  // 07:01 clears the latch; nothing fires since the minute no longer matches.
  in = At(7, 1, 0, 1, LastTick{7, 0, 59, 1});
  in.AlarmOn = true;
  in.AlarmHour = 7;
  in.AlarmHandled = true;
  EXPECT_TRUE(PlanTick(in).Contains(A::ClearAlarmHandled));
  EXPECT_FALSE(PlanTick(in).Contains(A::Alarm));
  // Next day at 07:00, latch cleared by the minute change of this very tick.
  in = At(7, 0, 0, 2, LastTick{6, 59, 59, 1});
  in.AlarmOn = true;
  in.AlarmHour = 7;
  in.AlarmHandled = true;
  EXPECT_TRUE(PlanTick(in).Contains(A::Alarm));
  // Alarm off never fires.
  in.AlarmOn = false;
  EXPECT_FALSE(PlanTick(in).Contains(A::Alarm));
}

TEST(ClockTick, ClockJumps) {
  // Set back from 14:31:10 to 09:15:05: every field that differs is drawn once,
  // one announcement for the new minute.
  TickInputs in = At(9, 15, 5, 3, LastTick{14, 31, 10, 3});
  in.AnnounceOn = true;
  in.AnnounceInterval = 15;
  std::vector<A> a = Actions(in);
  EXPECT_EQ(a, (std::vector<A>{A::UpdateSeconds, A::SetTrayHint, A::UpdateMinutes,
                               A::UpdateTrayIcon, A::StartAnnouncement, A::ClearAlarmHandled,
                               A::UpdateHours, A::RememberTime}));
  // Forward over the alarm minute: the skipped alarm is not made up.
  in = At(8, 10, 0, 3, LastTick{6, 50, 0, 3});
  in.AlarmOn = true;
  in.AlarmHour = 7;
  in.AlarmMinute = 0;
  EXPECT_FALSE(PlanTick(in).Contains(A::Alarm));
  // Same second, other day (resume a day later at the same time): only the date.
  in = At(8, 10, 0, 4, LastTick{8, 10, 0, 3});
  EXPECT_EQ(Actions(in), (std::vector<A>{A::UpdateDate, A::RememberTime}));
}

}  // namespace
}  // namespace orlavox
