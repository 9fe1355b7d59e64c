// The main window's alarm: the alert at the alarm time and the alarm dialog.
#include <memory>

#include "alarm/alarm_alert.h"
#include "alarm/alarm_form.h"
#include "alarm/alarm_sound_player.h"
#include "alarm/alarm_times.h"
#include "app/clock_source.h"
#include "app/main_form.h"

namespace orlavox {

void TMainForm::Alarm(int64_t lateMinutes) {
  const std::string firstLine =
      lateMinutes > 0
          ? LateAlarmLine(ClockSettings.AlarmHour, ClockSettings.AlarmMinute, ClockSettings.Hour24, lateMinutes)
          : Tr(Str::alert_Label1);
  auto alert = std::make_unique<TAlarmAlertForm>(*this, firstLine);
  // Set before the alert opens: the ticks inside its modal loop must not open another.
  AlarmActive = true;
  ++Counters.Alarms;
  SetForegroundWindow(hwnd_);
  // Woken by the wake timer, the computer would go back to sleep after a
  // minute or two with nobody at it: it stays awake while the alert is open.
  if (MoreOptions.WakeForAlarm) SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED);
  const int result = alert->ShowModal(hwnd_);  // OK or snoozed, the same steps follow
  if (MoreOptions.WakeForAlarm) SetThreadExecutionState(ES_CONTINUOUS);
  alert->DisableAlarmTimer();
  alert.reset();
  AlarmActive = false;
  AlarmHandled = true;  // cleared by the tick when the minute changes
  if (result == kResultSnooze) TickState.SnoozeDue = ReadUtcSeconds() + int64_t(MoreOptions.SnoozeMinutes) * 60;
  ArmWakeTimer();
}

bool TMainForm::StartAlarmAnnouncement() {
  // A voice already speaking (a periodic announcement) is not interrupted:
  // the alarm then says nothing of its own.
  if (!MayStartSpeech()) return false;
  ++Counters.AlarmAnnouncements;
  // SpeechBusy is set: the voice stays loaded and the close waits until it has finished.
  return StartSpeakThread();
}

void TMainForm::SoundAlarm(AlarmSoundPlayer& player) {
  ++Counters.AlarmSounds;
  if (AlarmSounds) player.Play(*AlarmSounds, ClockSettings.AlarmSound, ClockSettings.WaveFile);
}

void TMainForm::AlarmButtonClick() {
  auto dialog = std::make_unique<TAlarmForm>(ClockSettings, AlarmSounds);
  PlaceTaskbarButton(true);
  if (dialog->ShowModal(hwnd_) == ui::kResultOk) {
    ApplyAlarmForm(dialog->Values(), ClockSettings);
    InvalidateRect(hwnd_, nullptr, FALSE);  // the alarm and announcement indicators
    SaveSettings();
    ArmWakeTimer();
  }
  dialog.reset();
  PlaceTaskbarButton();  // back to what the window shows
}

}  // namespace orlavox
