#pragma once
// What one clock tick does, decided from the freshly read time, the previous
// tick's time and the flags and settings the tick reads. The main window runs
// the actions in the order given; nothing here touches Win32.
#include <array>
#include <cstdint>
#include <cstddef>
#include <string>

#include "alarm/alarm_times.h"
#include "display/tick_time.h"
#include "settings/more_options.h"
#include "ui/control_table.h"

namespace orlavox {

struct LastTick {
  uint8_t Hour = 0;
  uint8_t Minute = 0;
  uint8_t Second = 0;
  uint8_t Day = 0;
};

// What the tick remembers beyond LastTick, so that a clock that jumps neither
// misses the alarm nor serves a minute twice. Seconds and minutes since 1970.
struct TickMemory {
  int64_t LastLocal = kNoStamp;    // the previous tick, local seconds
  int64_t LastUtc = kNoStamp;      // the previous tick, UTC seconds
  // The local minute up to which the minutes were served before the local
  // clock went back while UTC went on (the repeated hour at the end of
  // summer time) or by less than kServedBackSeconds (a time sync): none of
  // them is announced again.
  int64_t RepeatUntil = kNoStamp;
  // The local minute of the latest alarm occurrence rung, a high-water mark:
  // no occurrence at or before it rings (one more than a day ahead of the
  // clock is from a clock that was wrong, and no longer counts).
  int64_t RungAlarm = kNoStamp;
  int64_t SnoozeDue = kNoStamp;    // UTC second at which the snoozed alarms ring again
  uint32_t SnoozedAlarms = 0;      // which: bit i is alarm i of the list
  // The local minute up to which the alarms were looked at: not while an
  // alert is open, so that an alarm falling then rings late when it closes.
  int64_t AlarmsSeen = kNoStamp;
};

// The periodic announcement's holding back while a full-screen program runs:
// the states of SHQueryUserNotificationState that hold it back (busy
// full-screen application, full-screen Direct3D, presentation).
bool NotificationStateHoldsBack(int state);

// The window in front as a new minute starts. Windows reports "busy" for any
// borderless maximised window, and on some machines for the bare desktop
// under a graphics overlay: the announcement is held back only while the
// state says so and the window in front covers its whole monitor and is not
// the shell's desktop. Presentation mode, which the user switches on, holds
// it back whatever is in front.
struct FrontWindow {
  bool Present = false;      // false: no window in front
  ui::PixelRect Window;      // in virtual-screen coordinates
  ui::PixelRect Monitor;     // the whole monitor holding most of it
  bool ShellWindow = false;  // GetShellWindow's own
  std::string Class;         // its window class
};
bool FullScreenHoldsBack(int state, const FrontWindow& front);

// A step back of the local clock shorter than this is a correction of a
// clock that ran fast: the minutes it repeats were served already.
inline constexpr int64_t kServedBackSeconds = 120;

struct TickInputs {
  TickTime Now;
  LastTick Last;
  uint8_t SmallDisplay = 0;
  bool AnnounceOn = false;
  int32_t AnnounceInterval = 60;
  // The alarms (at most 32; the first is the settings record's). Without a
  // list, AlarmOn, AlarmHour and AlarmMinute make the one daily alarm.
  const AlarmEntry* Alarms = nullptr;
  size_t AlarmCount = 0;
  bool AlarmOn = false;
  int32_t AlarmHour = 0;
  int32_t AlarmMinute = 0;
  bool SpeechBusy = false;
  bool AlarmActive = false;
  bool AlarmHandled = false;
  bool BlinkColonOn = true;
  // Beyond the above: the moment of this tick (kNoStamp: unknown, and the
  // rules of a jumping clock stay out) and the announcement's quiet times.
  int64_t Local = kNoStamp;  // local seconds since 1970
  int64_t Utc = kNoStamp;    // UTC seconds since 1970
  TickMemory Memory;
  QuietHours Quiet;
  bool FullScreen = false;   // a full-screen program holds the announcement back
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
  Alarm,              // open the alarm alert (modal) for the alarms ringing
};

struct TickPlan {
  std::array<TickAction, 16> Actions{};
  size_t Count = 0;

  void Add(TickAction a) { Actions[Count++] = a; }
  const TickAction* begin() const { return Actions.data(); }
  const TickAction* end() const { return Actions.data() + Count; }
  bool Contains(TickAction a) const;

  TickMemory Memory;         // what the tick remembers afterwards
  uint32_t Ringing = 0;      // Alarm: which alarms ring, bit i is alarm i
  int64_t LateMinutes = 0;   // Alarm: how many minutes after its time the first of them rings
  bool Snoozed = false;      // Alarm: the ring of snoozed alarms
};

// Whether the tick starts a new minute: the local minute since 1970 changed
// (the minute field, before the first stamped tick or without stamps).
bool NewMinute(const TickInputs& in);

// Steps 3 to 11 of a tick (after the pending start-up step and a pending close).
TickPlan PlanTick(const TickInputs& in);

// The lowest alarm of a set (bit i: alarm i): the one whose sound rings; -1 for none.
int FirstRinging(uint32_t ringing);

// LastTick after the tick.
inline LastTick Remember(const TickTime& t) { return LastTick{t.Hour, t.Minute, t.Second, t.Day}; }

}  // namespace orlavox
