#include "app/tick_timer.h"

#include <algorithm>

#include "win/calendar.h"

namespace orlavox {
namespace {

// A tenth of the period, at most 50 ms: late enough to share a wake with
// other programs, never late enough to show.
uint32_t Tolerance(uint32_t ms) { return std::min<uint32_t>(ms / 10, 50); }

}  // namespace

TickTimer PlanTickTimer(const TickTimerInputs& in) {
  TickTimer t;
  if (in.FaceSeen || in.Pending) {
    t.DueMs = std::max(in.PolledMs, kShortestTimerMs);
    t.ToleranceMs = Tolerance(t.DueMs);
    return t;
  }
  t.Polled = false;
  const int64_t step = in.Hovering ? 1000 : 60000;
  int64_t until = step - (in.LocalMs - FloorDivide(in.LocalMs, step) * step);
  if (in.SnoozeDue != kNoStamp && in.Utc != kNoStamp) {
    // Local time and UTC lie whole minutes apart: they share the millisecond.
    const int64_t snooze = (in.SnoozeDue - in.Utc) * 1000 - (in.LocalMs - FloorDivide(in.LocalMs, 1000) * 1000);
    if (snooze > 0) until = std::min(until, snooze);  // past due: the open alert holds it
  }
  const int64_t rate = std::max<uint32_t>(in.Rate, 1);
  t.DueMs = uint32_t(std::max<int64_t>((until + rate - 1) / rate, kShortestTimerMs));
  t.ToleranceMs = Tolerance(uint32_t(until)) / uint32_t(rate);  // late by at most 50 ms of the clock
  return t;
}

}  // namespace orlavox
