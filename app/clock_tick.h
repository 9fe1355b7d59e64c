#pragma once
// What one clock tick does, decided from the freshly read time, the previous
// tick's time and the flags and settings the tick reads. The main window runs
// the actions in the order given; nothing here touches Win32.
#include <array>
#include <cstdint>
#include <cstddef>

#include "display/tick_time.h"

namespace orlavox {

struct LastTick {
  uint8_t Hour = 0;
  uint8_t Minute = 0;
  uint8_t Second = 0;
  uint8_t Day = 0;
};

struct TickInputs {
  TickTime Now;
  LastTick Last;
  uint8_t SmallDisplay = 0;
  bool AnnounceOn = false;
  int32_t AnnounceInterval = 60;
  bool AlarmOn = false;
  int32_t AlarmHour = 0;
  int32_t AlarmMinute = 0;
  bool SpeechBusy = false;
  bool AlarmActive = false;
  bool AlarmHandled = false;
  bool BlinkColonOn = true;
};

enum class TickAction : uint8_t {
  UpdateSeconds,      // big display: second digits
  ShowColon,          // small display: colon image, BlinkColonOn := false
  BlankColon,         // small display: blank colon, BlinkColonOn := true
  SetTrayHint,        // tooltip text, every change of second
  UpdateMiniTime,     // small display time line
  UpdateMinutes,      // big display minute digits
  UpdateTrayIcon,     // hands of the tray clock
  StartAnnouncement,  // periodic announcement
  ClearAlarmHandled,  // the alarm's once-per-minute latch
  UpdateHours,        // big display hour digits and indicators
  UpdateDate,         // big display day and weekday
  RememberTime,       // LastTick := the time just read
  Alarm,              // open the alarm alert (modal)
};

struct TickPlan {
  std::array<TickAction, 16> Actions{};
  size_t Count = 0;

  void Add(TickAction a) { Actions[Count++] = a; }
  const TickAction* begin() const { return Actions.data(); }
  const TickAction* end() const { return Actions.data() + Count; }
  bool Contains(TickAction a) const;
};

// Steps 3 to 11 of a tick (after the pending start-up step and a pending close).
TickPlan PlanTick(const TickInputs& in);

// LastTick after the tick.
inline LastTick Remember(const TickTime& t) { return LastTick{t.Hour, t.Minute, t.Second, t.Day}; }

}  // namespace orlavox
