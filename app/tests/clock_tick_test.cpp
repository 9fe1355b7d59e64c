#include "app/clock_tick.h"
#include "app/fake_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "resources/lang_text.h"

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

// Ticks as the main window runs them, the memory carried on, an alert
// confirmed at once; the clock in 2026-12-<day> (on into January), UTC `bias` seconds behind.
struct TickRun {
  TickInputs in;
  std::vector<AlarmEntry> list;  // when not empty, the alarms; a once alarm goes off as it rings
  int64_t bias = 3600;
  TickRun(int alarmHour, int alarmMinute) {
    in.AlarmOn = in.AnnounceOn = true;
    in.AlarmHour = alarmHour;
    in.AlarmMinute = alarmMinute;
  }
  TickPlan Read(int64_t local, int64_t utc) {
    const CivilTime c = CivilFromMs(local * 1000);
    in.Now = TickTime{uint8_t(c.Hour), uint8_t(c.Minute), uint8_t(c.Second), uint8_t(c.Day), uint8_t(c.DayOfWeek + 1)};
    in.Local = local, in.Utc = utc;
    if (!list.empty()) in.Alarms = list.data(), in.AlarmCount = list.size();
    const TickPlan plan = PlanTick(in);
    for (size_t i = 0; i < list.size(); ++i)
      if (plan.Ringing >> i & 1 && list[i].Once) list[i].On = false;
    in.Memory = plan.Memory;
    in.AlarmHandled = plan.Contains(A::Alarm) || (in.AlarmHandled && !plan.Contains(A::ClearAlarmHandled));
    if (plan.Contains(A::RememberTime)) in.Last = Remember(in.Now);
    return plan;
  }
  TickPlan At(int day, int h, int m, int s = 0) {
    const int64_t local = (DaysFromCivil(2026, 12, day) * 1440 + h * 60 + m) * 60 + s;
    return Read(local, local - bias);
  }
  bool Rings(int day, int h, int m, int s = 0) { return At(day, h, m, s).Contains(A::Alarm); }
  bool Announces(int day, int h, int m, int s = 0) { return At(day, h, m, s).Contains(A::StartAnnouncement); }
};

TEST(ClockTick, SkippedAlarmRingsLateWithinAnHourAndOnceADay) {
  TickRun run(7, 0);
  EXPECT_FALSE(run.Rings(7, 6, 59, 50));
  EXPECT_EQ(run.At(7, 7, 5, 10).LateMinutes, 5);  // held for five minutes: rings at once
  EXPECT_FALSE(run.Rings(7, 6, 30, 0));            // set back: not again that day
  EXPECT_FALSE(run.Rings(7, 7, 0, 0));
  EXPECT_TRUE(run.Rings(8, 7, 0, 0));
  EXPECT_EQ(LateAlarmLine(7, 0, true, 5), "07:00 alarm, 5 minutes late!");
  EXPECT_EQ(LateAlarmLine(19, 30, false, 1), "7:30 PM alarm, 1 minute late!");
  UseTexts(Language::Polish, TextsOf(ParseLangFile("alert.lateFew = F %s %d\nalert.lateMany = M %s %d")));
  EXPECT_EQ(LateAlarmLine(7, 0, true, 22) + LateAlarmLine(7, 0, true, 12) + LateAlarmLine(7, 0, true, 5),
            "F 07:00 22M 07:00 12M 07:00 5");  // Polish: 22 minuty, 12 minut, 5 minut
  UseTexts(Language::English, TextsOf(LangFile{}));
  TickRun far(7, 0), start(7, 0), night(23, 50);
  EXPECT_FALSE(far.Rings(7, 6, 59, 50) || far.Rings(7, 8, 1, 0));  // 61 minutes: not made up
  EXPECT_FALSE(start.Rings(7, 7, 5, 0));                            // a start is no jump
  EXPECT_FALSE(night.Rings(7, 23, 49, 0));
  EXPECT_EQ(night.At(8, 0, 20, 0).LateMinutes, 30);  // across midnight
  TickRun two(0, 0);  // 07:00 and 07:02: the second falls while the first one's alert is open
  two.list.resize(2);
  two.list[0].On = two.list[1].On = true, two.list[0].Hour = two.list[1].Hour = 7, two.list[1].Minute = 2;
  EXPECT_EQ(two.At(7, 7, 0, 0).Ringing, 1u);
  two.in.AlarmActive = true;
  EXPECT_FALSE(two.Rings(7, 7, 2, 0) || two.Rings(7, 7, 4, 0));
  two.in.AlarmActive = false;
  const TickPlan after = two.At(7, 7, 4, 1);
  EXPECT_TRUE(after.Ringing == 2u && after.LateMinutes == 2);
}

TEST(ClockTick, WokenForTheAlarmADayLaterRingsAndAnnounces) {
  // Rung at 07:00:00, confirmed at 07:00:20, the lid closed at 07:00:40; the
  // wake timer resumes the computer at 07:00:00 the next day.
  TickRun run(7, 0);
  EXPECT_TRUE(run.Rings(7, 7, 0, 0));
  run.At(7, 7, 0, 20), run.At(7, 7, 0, 40);
  const TickPlan woken = run.At(8, 7, 0, 0);
  EXPECT_TRUE(woken.Contains(A::Alarm) && woken.Contains(A::StartAnnouncement) && woken.Contains(A::UpdateDate));
  EXPECT_TRUE(run.At(39, 7, 0, 0).Contains(A::UpdateDate));  // a month later to the second: 8 January
}

TEST(ClockTick, ClockGoingBackServesNoMinuteTwice) {
  TickRun sync(7, 0);  // a time sync steps the clock (and UTC) back 2 s at 07:00:01
  sync.At(7, 6, 59, 59);
  EXPECT_TRUE(sync.Announces(7, 7, 0, 0));
  sync.At(7, 7, 0, 1), sync.At(7, 6, 59, 59);
  const TickPlan again = sync.At(7, 7, 0, 0);
  EXPECT_FALSE(again.Contains(A::StartAnnouncement) || again.Contains(A::Alarm));

  TickRun run(2, 30);
  run.in.AnnounceInterval = 15;
  run.bias = 7200;
  EXPECT_TRUE(run.Rings(25, 2, 30, 0));
  run.At(25, 2, 59, 59);
  run.bias = 3600;  // UTC goes on, the local clock goes back an hour
  for (int m : {0, 15, 30, 45}) {
    const TickPlan again = run.At(25, 2, m, 0);
    EXPECT_FALSE(again.Contains(A::StartAnnouncement) || again.Contains(A::Alarm)) << m;
  }
  EXPECT_TRUE(run.Announces(25, 3, 0, 0));
  EXPECT_TRUE(run.Announces(25, 2, 45, 0));  // set back by hand, UTC too: as before
}

// Random runs: ticks, holds of seconds to days, time syncs, clocks set back by
// hand (never a day behind the latest time seen) and the repeated hour at the
// end of summer time, with one to four alarms (days of the week or once, some
// in the same minute). Every occurrence a tick read, or one jumped over by at
// most an hour, rings once if it is later than every occurrence rung before,
// in one alert with the others due, and no other does: none on a day its
// alarm is not set for, a once alarm at most once. No minute is announced
// twice (but after a set-back of two minutes or more, which serves its minutes again).
TEST(ClockTick, RandomRunsRingEachAlarmOnceAndAnnounceNoMinuteTwice) {
  std::mt19937_64 rng(20261207);
  auto pick = [&](int64_t lo, int64_t hi) { return lo + int64_t(rng() % uint64_t(hi - lo + 1)); };
  for (int round = 0; round < 400; ++round) {
    TickRun run(0, 0);
    for (int64_t n = pick(1, 4); n > 0; --n) {
      run.list.emplace_back();
      AlarmEntry& a = run.list.back();
      a.On = pick(0, 7) > 0, a.Once = pick(0, 3) == 0, a.Days = uint8_t(pick(0, 127));
      a.Hour = int(pick(0, 23)), a.Minute = int(pick(0, 1) * 30);
    }
    run.in.AnnounceInterval = int(pick(1, 60));
    int64_t local = DaysFromCivil(2026, 12, 7) * 86400 + pick(0, 86399), utc = local - 3600, top = local;
    int64_t last = INT64_MAX, mark = kNoStamp;  // the previous tick's minute, the latest occurrence due
    std::map<std::pair<size_t, int64_t>, int> rings, due;
    std::set<int64_t> announced;
    for (int step = 0; step < 300; ++step) {
      const int64_t kind = pick(0, 19), lastLocal = local, lastUtc = utc;
      const int64_t by = kind < 12 ? pick(0, 2) : kind < 15 ? pick(3, 600) : kind < 16 ? pick(600, 6 * 3600)
                       : kind < 17 ? 86400 * pick(1, 2) + pick(0, 1) * pick(-7200, 7200)
                       : kind < 18 ? -pick(1, 119) : kind < 19 ? -pick(120, 12 * 3600) : pick(0, 2) - 3600;
      local += std::max(by, top - 20 * 3600 - local);
      utc += kind == 19 ? pick(0, 2) : local - lastLocal;  // summer time ends: UTC goes on
      top = std::max(top, local);
      const int64_t minute = FloorDivide(local, 60);
      const std::vector<AlarmEntry> before = run.list;
      const TickPlan plan = run.Read(local, utc);
      int64_t latest = mark;
      for (size_t i = 0; i < before.size(); ++i) {
        const AlarmEntry& a = before[i];
        const int64_t occurrence = AlarmOccurrence(minute, a);
        if (a.On && occurrence != kNoStamp && (mark == kNoStamp || occurrence > mark) &&
            (occurrence == minute || (last < occurrence && minute - occurrence <= kLateAlarmMinutes)))
          due[{i, occurrence}] = 1, latest = std::max(latest, occurrence);
        if (!(plan.Ringing >> i & 1)) continue;
        ++rings[{i, occurrence}];
        ASSERT_TRUE(a.On && occurrence % 1440 == a.Hour * 60 + a.Minute) << round << " " << step;
        ASSERT_TRUE(a.Once || a.Days >> WeekdayFromDays(FloorDivide(occurrence, 1440)) & 1) << round << " " << step;
        if (i == size_t(FirstRinging(plan.Ringing))) { ASSERT_EQ(plan.LateMinutes, minute - occurrence); }
      }
      mark = latest;
      if (utc < lastUtc && lastLocal - local >= kServedBackSeconds)
        announced.erase(announced.lower_bound(minute), announced.end());
      ASSERT_TRUE(!plan.Contains(A::StartAnnouncement) || announced.insert(minute).second) << round << " " << step;
      last = minute;
    }
    ASSERT_EQ(rings, due) << round;
    for (size_t i = 0; i < run.list.size(); ++i) {
      int once = 0;
      for (const auto& r : rings) once += r.first.first == i && run.list[i].Once;
      ASSERT_LE(once, 1) << round;
    }
  }
}

TEST(ClockTick, SnoozeQuietHoursAndFullScreen) {
  TickRun run(23, 0);
  run.in.Quiet = QuietHours{true, 22 * 60, 7 * 60};
  run.At(7, 22, 59, 59);
  const TickPlan night = run.At(7, 23, 0, 10);
  EXPECT_TRUE(night.Contains(A::Alarm) && !night.Contains(A::StartAnnouncement));  // rings; AlarmE2E hears it speak
  run.in.Memory.SnoozeDue = run.in.Utc + 5 * 60;  // Snooze pressed at once
  run.in.Memory.SnoozedAlarms = 1;
  EXPECT_FALSE(run.Rings(7, 23, 5, 9));
  EXPECT_TRUE(run.At(7, 23, 5, 10).Snoozed);
  run.in.Memory.SnoozeDue = run.in.Utc + 60, run.in.Memory.SnoozedAlarms = 1;
  EXPECT_FALSE(run.Rings(8, 0, 30, 0));  // overslept by more than an hour: dropped
  run.in.Memory.SnoozeDue = run.in.Utc + 60, run.in.Memory.SnoozedAlarms = 1;
  run.in.AlarmOn = false;
  EXPECT_EQ(run.At(8, 0, 30, 5).Memory.SnoozeDue, kNoStamp);  // switched off: ended
  run.At(8, 6, 59, 59);
  EXPECT_TRUE(run.Announces(8, 7, 0, 0));
  run.At(8, 7, 59, 59);
  run.in.FullScreen = true;
  EXPECT_FALSE(run.Announces(8, 8, 0, 0));
  EXPECT_TRUE(NotificationStateHoldsBack(2) && NotificationStateHoldsBack(3) && NotificationStateHoldsBack(4));
  EXPECT_FALSE(NotificationStateHoldsBack(1) || NotificationStateHoldsBack(5) || NotificationStateHoldsBack(6));
}

TEST(ClockTick, FullScreenHoldsBackOnlyForAWindowCoveringItsWholeMonitor) {
  const ui::PixelRect monitor{1920, 0, 1280, 1024};  // the second monitor, right of the first
  FrontWindow front{true, {1920, 0, 1280, 1024}, monitor, false, "SlideShow"};
  EXPECT_TRUE(FullScreenHoldsBack(2, front));
  EXPECT_TRUE(FullScreenHoldsBack(3, FrontWindow{true, {1912, -8, 1296, 1040}, monitor, false, "Game"}));
  EXPECT_TRUE(FullScreenHoldsBack(4, FrontWindow{}));  // presentation settings switched on
  EXPECT_FALSE(FullScreenHoldsBack(1, front));  // Windows accepts notifications
  EXPECT_FALSE(FullScreenHoldsBack(2, FrontWindow{}));  // nothing in front
  // Borderless and maximised: the work area only, above the taskbar.
  EXPECT_FALSE(FullScreenHoldsBack(2, FrontWindow{true, {1920, 0, 1280, 984}, monitor, false, "Editor"}));
  EXPECT_FALSE(FullScreenHoldsBack(2, FrontWindow{true, {0, 0, 1920, 1080}, monitor, false, "Video"}));
  for (const char* desktop : {"Progman", "WorkerW"})
    EXPECT_FALSE(FullScreenHoldsBack(2, FrontWindow{true, monitor, monitor, false, desktop})) << desktop;
  front.ShellWindow = true;
  EXPECT_FALSE(FullScreenHoldsBack(2, front));
}

TEST(ClockTick, WakeForTheNextRingOrAnEarlierSnooze) {
  const int64_t six = (DaysFromCivil(2026, 12, 7) * 1440 + 6 * 60) * 60, utc = six - 3600;
  EXPECT_EQ(NextWakeLocal(six, utc, true, 7, 0, kNoStamp), six + 3600);
  EXPECT_EQ(NextWakeLocal(six + 3630, utc + 3630, true, 7, 0, kNoStamp), six + 3600 + 86400);
  EXPECT_EQ(NextWakeLocal(six, utc, true, 7, 0, utc + 300), six + 300);
  EXPECT_EQ(NextWakeLocal(six, utc, false, 7, 0, utc + 300), kNoStamp);
}

}  // namespace
}  // namespace orlavox
