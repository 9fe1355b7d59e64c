// A long run of the test build at a fast clock, AnnounceInterval 1 and a voice
// that returns at once: each minute the tick sees rebuilds the tray icon once
// and is announced once, and nothing the process holds grows. The span is
// ORLAVOX_LONG_RUN_HOURS (2 here; bench/long-run.sh runs 1000), the rate
// ORLAVOX_LONG_RUN_SPEED (200: a faked minute lasts three ticks of 100 ms;
// ORLAVOX_TEST_TICK_MS, passed on to the program, shortens the tick). It runs
// with the window shown and again with it in the tray, where the clock wakes
// only at each whole minute.
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

class LongRunE2E : public ::testing::TestWithParam<bool> {};  // true: in the tray

TEST_P(LongRunE2E, EveryMinuteOnceAndNothingGrows) {
  const bool inTray = GetParam();
  const int hours = EnvInt("ORLAVOX_LONG_RUN_HOURS", 2), speed = EnvInt("ORLAVOX_LONG_RUN_SPEED", 200);
  const int from = hours >= 20 ? 10 : hours / 2;  // the hour the figures start at
  ResetRegistry();
  WriteSettings(inTray ? "10010000000" : "00010000000", "0100010001000000", "0100000000");  // AnnounceOn, every minute, 100 ms
  const std::string exe = PrepareInstall("long-run", {"Test (logging).dll"});
  const std::string events = ScratchDir() + "long-run-events.log";
  DeleteFileA(events.c_str());
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-03-01 00:00:30 x" + std::to_string(speed), exe));
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
  ASSERT_NE(p.WaitForMainWindow(!inTray), nullptr);
  int days = 0, lastDay = 1;  // faked days, across the end of March
  auto reached = [&](int h) {
    return WaitFor([&] {
      const int day = int(p.Probe(kProbeDay));
      days += day != lastDay;
      lastDay = day;
      return days * 24 + int(p.Probe(kProbeHour)) >= h;
    }, DWORD(3600000 / speed) * DWORD(h + 2) + 20000);
  };
  auto settle = [&] {  // between two minutes' work, the voice's thread (1 MB while it lives) ended
    WaitFor([&] { return p.Probe(kProbeSpeechBusy) == 0; }, 5000);
    Sleep(100);
  };
  ASSERT_TRUE(reached(from));
  settle();
  const LRESULT gdi0 = p.Probe(kProbeGdiObjects), user0 = p.Probe(kProbeUserObjects);
  const LRESULT mem0 = p.Probe(kProbePrivateKilobytes);
  ASSERT_TRUE(reached(hours));
  settle();
  EXPECT_EQ(IsWindowVisible(p.MainWindow()) != FALSE, !inTray);
  const LRESULT gdi1 = p.Probe(kProbeGdiObjects), user1 = p.Probe(kProbeUserObjects);
  const LRESULT mem1 = p.Probe(kProbePrivateKilobytes);
  EXPECT_TRUE(p.Close());

  // "tray DD HH:MM" for each minute seen, then at most one "announce" of it.
  int minutes = 0, announced = 0, missed = 0, wrong = 0, last = -1;
  bool said = true;
  for (const std::string& line : ReadLines(events)) {
    char kind[16];
    int d, h, m;
    if (std::sscanf(line.c_str(), "%15s %d %d:%d", kind, &d, &h, &m) != 4) continue;
    const int t = (d * 24 + h) * 60 + m;  // a new month restarts d: any t then follows
    if (kind[0] == 't') {
      missed += last >= 0 && t != last + 1 && !(h == 0 && m == 0 && t < last);
      ++minutes;
      last = t;
      said = false;
    } else {
      wrong += t != last || said;  // another minute's, or a second one
      announced += !said;
      said = true;
    }
  }
  std::printf("tick %s ms: ", std::getenv("ORLAVOX_TEST_TICK_MS") ? std::getenv("ORLAVOX_TEST_TICK_MS") : "100");
  std::printf("%d faked hours at x%d: %d minutes seen, %d announced, %d not (busy), %d missed, %d wrong\n", hours,
              speed, minutes, announced, minutes - announced, missed, wrong);
  std::printf("hour %d -> %d: GDI objects %ld -> %ld, icons and menus %ld -> %ld, private %ld -> %ld kB\n", from,
              hours, long(gdi0), long(gdi1), long(user0), long(user1), long(mem0), long(mem1));
  EXPECT_GE(minutes, (hours - 1) * 60);
  EXPECT_EQ(missed, 0);  // the tick saw every minute
  EXPECT_EQ(wrong, 0);   // never twice, never another minute's
  EXPECT_GE(announced, minutes - minutes / 100);
  EXPECT_LE(gdi1 - gdi0, 3);
  EXPECT_LE(user1 - user0, 3);
  EXPECT_LE(mem1 - mem0, 256);
  ResetRegistry();
}

INSTANTIATE_TEST_SUITE_P(Window, LongRunE2E, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "InTheTray" : "Shown"; });

}  // namespace
}  // namespace orlavox::e2e
