#include "app/clock_tick.h"

#include <algorithm>

namespace orlavox {

bool TickPlan::Contains(TickAction a) const {
  for (TickAction x : *this)
    if (x == a) return true;
  return false;
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
  const bool onTime = !alarmHandled && in.Now.Hour == in.AlarmHour && in.Now.Minute == in.AlarmMinute;
  if (!in.AlarmOn) memory.SnoozeDue = kNoStamp;  // a snooze ends with the alarm
  if (!in.AlarmActive && in.AlarmOn) {
    bool ring = onTime;
    if (stamped) {
      // Once an occurrence: a clock set back does not ring it again; one
      // skipped by a jump forward rings late, within kLateAlarmMinutes.
      const int64_t occurrence = AlarmOccurrence(nowMinute, in.AlarmHour, in.AlarmMinute);
      const bool late = lastMinute != kNoStamp && lastMinute < occurrence && occurrence < nowMinute &&
                        nowMinute - occurrence <= kLateAlarmMinutes;
      ring = (onTime || late) && occurrence != memory.RungAlarm;
      if (ring) {
        memory.RungAlarm = occurrence;
        plan.LateMinutes = onTime ? 0 : nowMinute - occurrence;
      } else if (memory.SnoozeDue != kNoStamp && in.Utc >= memory.SnoozeDue) {
        ring = plan.Snoozed = in.Utc - memory.SnoozeDue <= kLateAlarmMinutes * 60;
        memory.SnoozeDue = kNoStamp;
      }
    }
    if (ring) {
      memory.SnoozeDue = kNoStamp;  // the new ring may be snoozed again
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
