#include "app/clock_tick.h"

#include <algorithm>

namespace orlavox {

bool TickPlan::Contains(TickAction a) const {
  for (TickAction x : *this)
    if (x == a) return true;
  return false;
}

int FirstRinging(uint32_t ringing) {
  for (int i = 0; i < 32; ++i)
    if (ringing >> i & 1) return i;
  return -1;
}

bool NotificationStateHoldsBack(int state) {
  // QUNS_BUSY, QUNS_RUNNING_D3D_FULL_SCREEN, QUNS_PRESENTATION_MODE.
  return state == 2 || state == 3 || state == 4;
}

bool FullScreenHoldsBack(int state, const FrontWindow& front) {
  if (state == 4) return true;  // presentation settings, switched on by the user: no window to check
  if (!NotificationStateHoldsBack(state) || !front.Present) return false;
  if (front.ShellWindow || front.Class == "Progman" || front.Class == "WorkerW") return false;
  const ui::PixelRect& w = front.Window;
  const ui::PixelRect& m = front.Monitor;
  return m.Width > 0 && m.Height > 0 && w.Left <= m.Left && w.Top <= m.Top &&
         w.Left + w.Width >= m.Left + m.Width && w.Top + w.Height >= m.Top + m.Height;
}

bool NewMinute(const TickInputs& in) {
  if (in.Local == kNoStamp || in.Utc == kNoStamp || in.Memory.LastLocal == kNoStamp)
    return in.Now.Minute != in.Last.Minute;
  return FloorDivide(in.Local, 60) != FloorDivide(in.Memory.LastLocal, 60);
}

TickPlan PlanTick(const TickInputs& in) {
  TickPlan plan;
  TickMemory& memory = plan.Memory;
  memory = in.Memory;
  const bool stamped = in.Local != kNoStamp && in.Utc != kNoStamp;
  const bool known = stamped && in.Memory.LastLocal != kNoStamp;  // the previous tick's moment
  const int64_t nowMinute = stamped ? FloorDivide(in.Local, 60) : 0;
  const int64_t lastMinute = known ? FloorDivide(in.Memory.LastLocal, 60) : kNoStamp;
  if (known && nowMinute < lastMinute) {
    // The local clock went back. While UTC went on (summer time ended), or by
    // less than kServedBackSeconds (a time sync), the minutes up to the last
    // one seen were served already; a clock set back further serves them again.
    if ((memory.LastUtc != kNoStamp && in.Utc >= memory.LastUtc) || memory.LastLocal - in.Local < kServedBackSeconds)
      memory.RepeatUntil = std::max(memory.RepeatUntil, lastMinute);
    else
      memory.RepeatUntil = kNoStamp;
  }
  if (memory.RepeatUntil != kNoStamp && (!stamped || nowMinute > memory.RepeatUntil)) memory.RepeatUntil = kNoStamp;
  const bool repeated = memory.RepeatUntil != kNoStamp;
  const bool quiet = InQuietHours(in.Quiet, in.Now.Hour * 60 + in.Now.Minute) || in.FullScreen;
  const bool big = in.SmallDisplay == 0;
  // Against the previous tick's moment when it is known: a clock that jumps a
  // whole day (or month) changes what the fields alone would not show.
  auto changed = [&](int64_t seconds, uint8_t now, uint8_t last) {
    return known ? FloorDivide(in.Local, seconds) != FloorDivide(in.Memory.LastLocal, seconds) : now != last;
  };
  const bool secondChanged = changed(1, in.Now.Second, in.Last.Second);
  const bool minuteChanged = changed(60, in.Now.Minute, in.Last.Minute);
  const bool hourChanged = changed(3600, in.Now.Hour, in.Last.Hour);
  const bool dayChanged = changed(86400, in.Now.Day, in.Last.Day);

  if (secondChanged) {
    if (big)
      plan.Add(TickAction::UpdateSeconds);
    else if (in.SmallDisplay == 1)
      plan.Add(in.BlinkColonOn ? TickAction::ShowColon : TickAction::BlankColon);
    plan.Add(TickAction::SetTrayHint);
  }
  if (minuteChanged) {
    if (in.SmallDisplay == 1)
      plan.Add(TickAction::UpdateMiniTime);
    else if (big)
      plan.Add(TickAction::UpdateMinutes);
    plan.Add(TickAction::UpdateTrayIcon);
  }
  bool speechBusy = in.SpeechBusy;
  if (minuteChanged && in.AnnounceInterval > 0 && in.Now.Minute % in.AnnounceInterval == 0 &&
      in.AnnounceOn && !speechBusy && !quiet && !repeated) {
    plan.Add(TickAction::StartAnnouncement);
    speechBusy = true;
  }
  bool alarmHandled = in.AlarmHandled;
  if (minuteChanged) {
    plan.Add(TickAction::ClearAlarmHandled);
    alarmHandled = false;
  }
  if (hourChanged) {
    if (in.SmallDisplay == 1)
      plan.Add(TickAction::UpdateMiniTime);
    else if (big)
      plan.Add(TickAction::UpdateHours);
  }
  if (dayChanged && big) plan.Add(TickAction::UpdateDate);
  if (secondChanged || minuteChanged || hourChanged || dayChanged) plan.Add(TickAction::RememberTime);
  AlarmEntry single;
  const AlarmEntry* alarms = in.Alarms;
  const size_t count = alarms ? std::min<size_t>(in.AlarmCount, 32) : 1;
  if (!alarms) {
    single.On = in.AlarmOn, single.Hour = in.AlarmHour, single.Minute = in.AlarmMinute;
    alarms = &single;
  }
  // A snooze ends with its alarms: gone, or switched off (a once alarm,
  // off as soon as it rang, keeps its snooze).
  uint32_t live = 0;
  for (size_t i = 0; i < count; ++i)
    if (alarms[i].On || alarms[i].Once) live |= 1u << i;
  memory.SnoozedAlarms &= live;
  if (memory.SnoozedAlarms == 0) memory.SnoozeDue = kNoStamp;
  if (!in.AlarmActive) {
    uint32_t ringing = 0, late = 0;  // late: rung after their minute, by the first one's lateness
    int64_t lateness = 0;
    if (stamped) {
      // Once an occurrence: a clock set back does not ring it again; one
      // skipped by a jump forward (or while an alert was open) rings late,
      // within kLateAlarmMinutes.
      const int64_t seen = memory.AlarmsSeen;
      const bool marked = memory.RungAlarm != kNoStamp && memory.RungAlarm <= nowMinute + 1440;
      int64_t latest = kNoStamp;
      for (size_t i = 0; i < count; ++i) {
        if (!alarms[i].On) continue;
        const int64_t occurrence = AlarmOccurrence(nowMinute, alarms[i]);
        if (occurrence == kNoStamp || (marked && occurrence <= memory.RungAlarm)) continue;
        const bool onTime = occurrence == nowMinute && !alarmHandled;
        if (!onTime && !(seen != kNoStamp && seen < occurrence && occurrence < nowMinute &&
                         nowMinute - occurrence <= kLateAlarmMinutes))
          continue;
        if (ringing == 0) lateness = nowMinute - occurrence;
        ringing |= 1u << i;
        latest = std::max(latest, occurrence);
      }
      if (ringing != 0) memory.RungAlarm = latest;
      late = ringing;
      if (memory.SnoozeDue != kNoStamp && in.Utc >= memory.SnoozeDue) {
        // Snoozed alarms due with others ring in the same alert; overslept by more than the hour, dropped.
        if (in.Utc - memory.SnoozeDue <= kLateAlarmMinutes * 60) {
          plan.Snoozed = ringing == 0;
          ringing |= memory.SnoozedAlarms;
        }
        memory.SnoozeDue = kNoStamp;
        memory.SnoozedAlarms = 0;
      }
      memory.AlarmsSeen = nowMinute;
    } else if (!alarmHandled) {
      for (size_t i = 0; i < count; ++i) {
        const AlarmEntry& a = alarms[i];
        const bool day = a.Once || (in.Now.DayOfWeek >= 1 && (a.Days >> (in.Now.DayOfWeek - 1) & 1));
        if (a.On && day && in.Now.Hour == a.Hour && in.Now.Minute == a.Minute) ringing |= 1u << i;
      }
    }
    if (ringing != 0) {
      plan.Ringing = ringing;
      plan.LateMinutes = late >> FirstRinging(ringing) & 1 ? lateness : 0;
      plan.Add(TickAction::Alarm);
    }
  }
  if (stamped) {
    memory.LastLocal = in.Local;
    memory.LastUtc = in.Utc;
  }
  return plan;
}

}  // namespace orlavox
