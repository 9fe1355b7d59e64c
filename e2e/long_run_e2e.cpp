// A long run of the test build at a fast clock: every minute the tick sees
// rebuilds the tray icon once and announces the time once (AnnounceInterval
// 1, a voice that returns at once), and nothing the process holds grows.
// ORLAVOX_LONG_RUN_HOURS sets the faked span (2 in the test suite; the
// thousand-hour run is bench/long-run.sh), ORLAVOX_LONG_RUN_SPEED the rate
// (200: a faked minute lasts 300 ms, three ticks at UpdateInterval 100).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "e2e/harness.h"
#include "settings/clock_settings.h"

namespace orlavox::e2e {
namespace {

int EnvInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

struct EventTime {
  int Day = -1, Hour = 0, Minute = 0;
  bool operator==(const EventTime& o) const { return Day == o.Day && Hour == o.Hour && Minute == o.Minute; }
  // The minute after this one; any new day follows 23:59 (months differ in length).
  bool IsFollowedBy(const EventTime& n) const {
    if (Minute < 59) return n.Day == Day && n.Hour == Hour && n.Minute == Minute + 1;
    if (Hour < 23) return n.Day == Day && n.Hour == Hour + 1 && n.Minute == 0;
    return n.Day != Day && n.Hour == 0 && n.Minute == 0;
  }
};

struct Tally {
  int Minutes = 0, Announced = 0, Skipped = 0, Gaps = 0, Twice = 0, Stray = 0;
};

// Walks the event log: "tray DD HH:MM" once a minute, then "announce DD HH:MM"
// for the same minute at most once.
Tally ReadEvents(const std::string& path) {
  Tally t;
  EventTime last, announced;
  bool lastAnnounced = true;
  for (const std::string& line : ReadLines(path)) {
    char kind[16];
    EventTime e;
    if (std::sscanf(line.c_str(), "%15s %d %d:%d", kind, &e.Day, &e.Hour, &e.Minute) != 4) continue;
    if (std::string(kind) == "tray") {
      if (last.Day >= 0 && !last.IsFollowedBy(e)) ++t.Gaps;
      if (!lastAnnounced) ++t.Skipped;
      ++t.Minutes;
      last = e;
      lastAnnounced = false;
    } else if (std::string(kind) == "announce") {
      if (!(e == last)) ++t.Stray;
      else if (lastAnnounced) ++t.Twice;
      else ++t.Announced;
      lastAnnounced = true;
    }
  }
  return t;
}

TEST(LongRunE2E, EveryMinuteOnceAndNothingGrows) {
  const int hours = EnvInt("ORLAVOX_LONG_RUN_HOURS", 2), speed = EnvInt("ORLAVOX_LONG_RUN_SPEED", 200);
  const int checkpoint = hours >= 20 ? 10 : hours / 2;  // the hour the figures are taken from
  ResetRegistry();
  WriteSettings("00010000000", "0100010001000000", "0100000000");  // AnnounceOn, every minute, 100 ms
  const std::string exe = PrepareInstall("long-run", {"Test (logging).dll"});
  const std::string events = ScratchDir() + "long-run-events.log";
  DeleteFileA(events.c_str());
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", nullptr);
  ClockProcess p;
  char clock[48];
  std::snprintf(clock, sizeof clock, "2026-03-01 00:00:30 x%d", speed);
  ASSERT_TRUE(p.Start(clock, exe));
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);

  // Faked hours since the start, from the probe (the run starts on day 1).
  int daysBefore = 0, lastDay = 1;
  auto fakedHours = [&] {
    const int day = int(p.Probe(kProbeDay));
    if (day < lastDay) daysBefore += 31;  // March to April; the run is shorter than two months
    lastDay = day;
    return (daysBefore + day - 1) * 24 + int(p.Probe(kProbeHour));
  };
  const DWORD perHourMs = DWORD(3600000 / speed);
  auto waitHour = [&](int h) { return WaitFor([&] { return fakedHours() >= h; }, perHourMs * DWORD(h + 2) + 20000); };

  ASSERT_TRUE(waitHour(checkpoint));
  const LRESULT gdi0 = p.Probe(kProbeGdiObjects), user0 = p.Probe(kProbeUserObjects);
  const LRESULT mem0 = p.Probe(kProbePrivateKilobytes);
  ASSERT_TRUE(waitHour(hours));
  const LRESULT gdi1 = p.Probe(kProbeGdiObjects), user1 = p.Probe(kProbeUserObjects);
  const LRESULT mem1 = p.Probe(kProbePrivateKilobytes);
  EXPECT_TRUE(p.Close());

  const Tally t = ReadEvents(events);
  std::printf("%d faked hours at x%d: %d minutes seen, %d announced, %d skipped while busy, %d missed, "
              "%d twice, %d stray\n",
              hours, speed, t.Minutes, t.Announced, t.Skipped, t.Gaps, t.Twice, t.Stray);
  std::printf("hour %d -> %d: GDI objects %ld -> %ld, icons and menus %ld -> %ld, private %ld -> %ld kB\n",
              checkpoint, hours, long(gdi0), long(gdi1), long(user0), long(user1), long(mem0), long(mem1));
  EXPECT_GE(t.Minutes, (hours - 1) * 60);
  EXPECT_EQ(t.Gaps, 0);   // the tick saw every minute
  EXPECT_EQ(t.Twice, 0);  // never two announcements in a minute
  EXPECT_EQ(t.Stray, 0);
  EXPECT_LE(t.Skipped, t.Minutes / 100);  // the voice returns at once: hardly ever busy
  EXPECT_LE(gdi1 - gdi0, 3);
  EXPECT_LE(user1 - user0, 3);
  EXPECT_LE(mem1 - mem0, 256);
  ResetRegistry();
}

}  // namespace
}  // namespace orlavox::e2e
