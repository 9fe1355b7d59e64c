#pragma once
// When the clock's timer fires next. While the face is on the screen the tick
// polls the clock every UpdateInterval; while nobody can see it (the window
// hidden in the tray or minimised, the session locked, the display off) the
// timer is aimed at the next whole minute, which is all the tray icon, the
// announcement and the alarm need, or at a snoozed alarm's second when that
// comes first, or at the next second while the pointer rests on the tray
// icon, whose tooltip then follows the second. Nothing here touches Win32.
#include <cstdint>

#include "alarm/alarm_times.h"

namespace orlavox {

struct TickTimerInputs {
  bool FaceSeen = true;          // the window shows the face
  bool Hovering = false;         // the pointer may be on the tray icon
  bool Pending = false;          // work the polled tick retries (a close waiting for the voice)
  uint32_t PolledMs = 1000;      // the polled tick's period
  int64_t LocalMs = 0;           // the clock now: local milliseconds since 1970
  int64_t Utc = kNoStamp;        // the same moment in UTC seconds since 1970
  int64_t SnoozeDue = kNoStamp;  // UTC second at which a snoozed alarm rings
  uint32_t Rate = 1;             // clock milliseconds to a real one (the test build's fast clock)
};

struct TickTimer {
  bool Polled = true;        // the periodic tick; else a wake aimed at a moment, re-aimed at each wake
  uint32_t DueMs = 0;        // real milliseconds to the next wake (the period when polled)
  uint32_t ToleranceMs = 0;  // how late the system may fire it, to wake together with others
};

// The shortest period Windows gives a timer.
inline constexpr uint32_t kShortestTimerMs = 10;

TickTimer PlanTickTimer(const TickTimerInputs& in);

}  // namespace orlavox
