// The clock tick: read the clock, compare with the previous tick, do the work
// of each change.
#include <cstdio>

#include "app/clock_source.h"
#include "app/main_form.h"
#include "app/seams.h"
#include "settings/settings_store.h"
#include "shell/tray_hint.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

// "DD HH:MM" of the tick, for the test build's event log.
std::string TickEventTime(const TickTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02u %02u:%02u", unsigned(t.Day), unsigned(t.Hour), unsigned(t.Minute));
  return text;
}

}  // namespace

void TMainForm::Timer1Timer() {
  CheckSpeechThread();
  if (FirstRunPending) FirstRunExecute();
  if (CloseRequested) {
    Close();
    if (closed_) return;  // the loop is ending; start nothing new
  }

  SYSTEMTIME st;
  ReadLocalTime(st);
  const int64_t utc = ReadUtcSeconds();
  TickTime = DecodeTickTime(st);

  TickInputs in;
  in.Now = TickTime;
  in.Last = LastTick;
  in.SmallDisplay = ClockSettings.SmallDisplay;
  in.AnnounceOn = ClockSettings.AnnounceOn;
  in.AnnounceInterval = ClockSettings.AnnounceInterval;
  RefreshFirstAlarm();
  in.Alarms = AlarmList.data();
  in.AlarmCount = AlarmList.size();
  in.SpeechBusy = SpeechBusy;
  in.AlarmActive = AlarmActive;
  in.AlarmHandled = AlarmHandled;
  in.BlinkColonOn = BlinkColonOn;
  in.Local = SecondsSince1970(st);
  in.Utc = utc;
  in.Memory = TickState;
  in.Quiet = MoreOptions.Quiet;
  const bool newMinute = NewMinute(in);
  // Asked once a minute, when an announcement may be due.
  in.FullScreen = newMinute && MoreOptions.HoldBackFullScreen && FullScreenHoldsBack();

  const TickPlan plan = PlanTick(in);
  TickState = plan.Memory;  // before the alert: the ticks inside it go on from here
  for (TickAction action : plan) {
    switch (action) {
      case TickAction::UpdateSeconds: UpdateSeconds(); break;
      case TickAction::ShowColon: DrawBlinkColon(true); BlinkColonOn = false; break;
      case TickAction::BlankColon: DrawBlinkColon(false); BlinkColonOn = true; break;
      case TickAction::SetTrayHint: RefreshTrayHint(st, newMinute); break;
      case TickAction::UpdateMiniTime: UpdateMiniTime(); break;
      case TickAction::UpdateMinutes: UpdateMinutes(); break;
      case TickAction::UpdateTrayIcon:
        UpdateTrayIcon();
        RecordTestEvent("tray", TickEventTime(TickTime));  // the long runs count the minutes
        break;
      case TickAction::StartAnnouncement:
        if (StartAnnouncement()) RecordTestEvent("announce", TickEventTime(TickTime));
        break;
      case TickAction::ClearAlarmHandled: AlarmHandled = false; break;
      case TickAction::UpdateHours: UpdateHours(); break;
      case TickAction::UpdateDate: UpdateDate(); break;
      case TickAction::RememberTime: LastTick = Remember(TickTime); break;
      case TickAction::Alarm:
        // Kept at once: a clock started again within the minute (an update, a crash) rings it no more.
        if (!plan.Snoozed) SaveAlarmRungToRegistry(plan.Memory.RungAlarm);
        Alarm(plan.LateMinutes, plan.Ringing);
        break;
    }
  }
}

namespace {

std::string HintAt(const SYSTEMTIME& st) {
  // In the user's formats, whatever script they are written in.
  wchar_t time[80] = L"", date[80] = L"";
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 80);
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 80);
  return TrayHintText(Utf8(time), Utf8(date));
}

TrayHintSchedule::Point PointerNow() {
  POINT p{};
  GetCursorPos(&p);
  return {int(p.x), int(p.y)};
}

}  // namespace

void TMainForm::SetTrayHint(const SYSTEMTIME& st) {
  TimeHint = HintAt(st);
  SysTrayIcon.SetHint(TimeHint);
  ++Counters.TrayHints;
}

void TMainForm::RefreshTrayHint(const SYSTEMTIME& st, bool newMinute) {
  const TrayHintSchedule::Point pointer = TrayHintTimes.Hovering() ? PointerNow() : TrayHintSchedule::Point{};
  if (TrayHintTimes.SecondDue(GetTickCount(), newMinute, pointer)) SetTrayHint(st);
}

void TMainForm::TrayMouseMove() {
  if (!TrayHintTimes.PointerMoved(GetTickCount(), PointerNow())) return;
  SYSTEMTIME st;
  ReadLocalTime(st);
  SetTrayHint(st);
  ScheduleTimer1();  // a clock out of sight wakes every second while the pointer rests on its icon
}

std::string TMainForm::CurrentTimeHint() const {
  SYSTEMTIME st;
  ReadLocalTime(st);
  return HintAt(st);
}

}  // namespace orlavox
