// The main window's alarm: the alert at the alarm time and the alarm dialog.
#include <memory>

#include "alarm/alarm_alert.h"
#include "alarm/alarm_form.h"
#include "alarm/alarm_sound_player.h"
#include "app/main_form.h"

namespace orlavox {

void TMainForm::Alarm() {
  auto alert = std::make_unique<TAlarmAlertForm>(*this);
  // Set before the alert opens: the ticks inside its modal loop must not open another.
  AlarmActive = true;
  ++Counters.Alarms;
  SetForegroundWindow(hwnd_);
  alert->ShowModal(hwnd_);  // however it closed, the same steps follow
  alert->DisableAlarmTimer();
  alert.reset();
  AlarmActive = false;
  AlarmHandled = true;  // cleared by the tick when the minute changes
}

bool TMainForm::StartAlarmAnnouncement() {
  // A voice already speaking (a periodic announcement) is not interrupted:
  // the alarm then says nothing of its own.
  if (!MayStartSpeech()) return false;
  ++Counters.AlarmAnnouncements;
  // SpeechBusy is set: the voice stays loaded and the close waits until it has finished.
  return StartSpeakThread();
}

void TMainForm::SoundAlarm() {
  ++Counters.AlarmSounds;
  if (AlarmSounds) PlayAlarmSound(*AlarmSounds, ClockSettings.AlarmSound, ClockSettings.WaveFile);
}

void TMainForm::AlarmButtonClick() {
  auto dialog = std::make_unique<TAlarmForm>(ClockSettings, AlarmSounds);
  PlaceTaskbarButton(true);
  if (dialog->ShowModal(hwnd_) == ui::kResultOk) {
    ApplyAlarmForm(dialog->Values(), ClockSettings);
    InvalidateRect(hwnd_, nullptr, FALSE);  // the alarm and announcement indicators
    SaveSettings();
  }
  dialog.reset();
  PlaceTaskbarButton();  // back to what the window shows
}

}  // namespace orlavox
