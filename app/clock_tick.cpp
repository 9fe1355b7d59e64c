#include "app/clock_tick.h"

namespace orlavox {

bool TickPlan::Contains(TickAction a) const {
  for (TickAction x : *this)
    if (x == a) return true;
  return false;
}

TickPlan PlanTick(const TickInputs& in) {
  TickPlan plan;
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
      in.AnnounceOn && !speechBusy) {
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
  if (!in.AlarmActive && in.AlarmOn && !alarmHandled && in.Now.Hour == in.AlarmHour &&
      in.Now.Minute == in.AlarmMinute)
    plan.Add(TickAction::Alarm);
  return plan;
}

}  // namespace orlavox
