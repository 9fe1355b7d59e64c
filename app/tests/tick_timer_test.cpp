#include "app/tick_timer.h"

#include <gtest/gtest.h>

#include <tuple>

#include "win/calendar.h"

namespace orlavox {
namespace {

TEST(TickTimer, PolledWhileSeenAimedWhileNot) {
  TickTimerInputs in;
  in.PolledMs = 100;
  in.LocalMs = SecondsSince1970(2026, 3, 1, 10, 0, 20) * 1000 + 250;
  in.Utc = SecondsSince1970(2026, 3, 1, 9, 0, 20);  // an hour east of UTC
  auto plan = [&] {
    const TickTimer t = PlanTickTimer(in);
    return std::make_tuple(t.Polled, t.DueMs, t.ToleranceMs);
  };
  EXPECT_EQ(plan(), std::make_tuple(true, 100u, 10u));
  in.PolledMs = 1000;
  EXPECT_EQ(plan(), std::make_tuple(true, 1000u, 50u));
  in.FaceSeen = false;  // to the next whole minute
  EXPECT_EQ(plan(), std::make_tuple(false, 39750u, 50u));
  in.SnoozeDue = in.Utc + 7;  // the snooze comes first
  EXPECT_EQ(plan(), std::make_tuple(false, 6750u, 50u));
  in.SnoozeDue = in.Utc;  // past due (the alert is open): the minute
  EXPECT_EQ(plan(), std::make_tuple(false, 39750u, 50u));
  in.Hovering = true;  // the tooltip follows the second
  EXPECT_EQ(plan(), std::make_tuple(false, 750u, 50u));
  in.Hovering = false;
  in.Rate = 20;  // the test build's fast clock: real milliseconds, rounded up; 50 ms of the clock late at most
  EXPECT_EQ(plan(), std::make_tuple(false, 1988u, 2u));
  in.LocalMs += 39745;  // 5 ms short of the minute: never below the shortest timer
  EXPECT_EQ(plan(), std::make_tuple(false, kShortestTimerMs, 0u));
  in.Pending = true;  // a close waiting for the voice is retried at the polled rate
  EXPECT_EQ(plan(), std::make_tuple(true, 1000u, 50u));
}

}  // namespace
}  // namespace orlavox
