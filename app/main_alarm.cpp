// The main window's alarm: the alert at the alarm time and the alarm dialog.
#include <memory>

#include "alarm/alarm_alert.h"
#include "alarm/alarm_editor_form.h"
#include "alarm/alarm_form.h"
#include "alarm/alarms_form.h"
#include "alarm/alarm_sound_player.h"
#include "alarm/alarm_times.h"
#include "app/clock_source.h"
#include "app/main_form.h"

namespace orlavox {

void TMainForm::Alarm(int64_t lateMinutes) {
  const std::string firstLine =
      lateMinutes > 0
          ? LateAlarmLine(ClockSettings.AlarmHour, ClockSettings.AlarmMinute, ClockSettings.Hour24, lateMinutes)
          : std::string(kAlarmFirstLine);
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

void TMainForm::AlarmsClick() {
  auto dialog = std::make_unique<TAlarmsForm>(Alarms(), ClockSettings.Hour24, UserLocaleWeek(), AlarmSounds);
  PlaceTaskbarButton(true);
  if (dialog->ShowModal(hwnd_) == ui::kResultOk) {
    SetAlarms(dialog->List());  // stored at once
    InvalidateRect(hwnd_, nullptr, FALSE);  // the alarm indicator
  }
  dialog.reset();
  PlaceTaskbarButton();
}

}  // namespace orlavox

// Interim, until the stored alarm list lands: the first alarm is the
// settings' daily alarm, the others live for the run.
namespace orlavox {

std::vector<AlarmEntry> TMainForm::Alarms() const {
  AlarmEntry first;
  first.On = ClockSettings.AlarmOn;
  first.Hour = ClockSettings.AlarmHour;
  first.Minute = ClockSettings.AlarmMinute;
  first.Sound = ClockSettings.AlarmSound;
  first.WaveFile = ClockSettings.WaveFile;
  first.RepeatInterval = ClockSettings.AlarmRepeatInterval;
  first.Announce = ClockSettings.AlarmAnnounce;
  std::vector<AlarmEntry> list{first};
  list.insert(list.end(), laterAlarms_.begin(), laterAlarms_.end());
  return list;
}

void TMainForm::SetAlarms(std::vector<AlarmEntry> list) {
  if (list.empty()) return;
  const AlarmEntry& first = list[0];
  ClockSettings.AlarmOn = first.On;
  ClockSettings.AlarmHour = first.Hour;
  ClockSettings.AlarmMinute = first.Minute;
  ClockSettings.AlarmSound = first.Sound;
  ClockSettings.WaveFile = first.WaveFile;
  ClockSettings.AlarmRepeatInterval = first.RepeatInterval;
  ClockSettings.AlarmAnnounce = first.Announce;
  laterAlarms_.assign(list.begin() + 1, list.end());
  SaveSettings();
  ArmWakeTimer();
}

}  // namespace orlavox
