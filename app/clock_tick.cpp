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

TickPlan PlanTick(const TickInputs& in) {
  TickPlan plan;
  TickMemory& memory = plan.Memory;
  memory = in.Memory;
  const bool stamped = in.Local != kNoStamp && in.Utc != kNoStamp;
  const int64_t nowMinute = stamped ? FloorDivide(in.Local, 60) : 0;
  const int64_t lastMinute = stamped && memory.LastLocal != kNoStamp ? FloorDivide(memory.LastLocal, 60) : kNoStamp;
  // The local clock went back while UTC went on (summer time ended): the
  // minutes up to the last one seen were served already.
  if (lastMinute != kNoStamp && nowMinute < lastMinute && memory.LastUtc != kNoStamp && in.Utc >= memory.LastUtc)
    memory.RepeatUntil = std::max(memory.RepeatUntil, lastMinute);
  if (memory.RepeatUntil != kNoStamp && (!stamped || nowMinute > memory.RepeatUntil)) memory.RepeatUntil = kNoStamp;
  const bool repeated = memory.RepeatUntil != kNoStamp;
  const bool quiet = InQuietHours(in.Quiet, in.Now.Hour * 60 + in.Now.Minute) || in.FullScreen;
  const bool big = in.SmallDisplay == 0;
  const bool secondChanged = in.Now.Second != in.Last.Second;
  const bool minuteChanged = in.Now.Minute != in.Last.Minute;
  const bool hourChanged = in.Now.Hour != in.Last.Hour;
  const bool dayChanged = in.Now.Day != in.Last.Day;

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
