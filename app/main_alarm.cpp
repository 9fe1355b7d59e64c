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

void TMainForm::RefreshFirstAlarm() { TakeSettingsRecord(ClockSettings, AlarmList.front()); }

std::vector<AlarmEntry> TMainForm::Alarms() const {
  std::vector<AlarmEntry> list = AlarmList;
  TakeSettingsRecord(ClockSettings, list.front());
  return list;
}

void TMainForm::SetAlarms(std::vector<AlarmEntry> list) {
  RefreshFirstAlarm();
  if (list.empty()) list.push_back(AlarmList.front());  // the first alarm stays
  if (list.size() > size_t(kMaxAlarms)) list.resize(kMaxAlarms);
  // A snooze goes on for the alarms kept as they were; it ends for one changed or removed.
  uint32_t snoozed = 0;
  for (size_t i = 0; i < AlarmList.size(); ++i) {
    if (!(TickState.SnoozedAlarms >> i & 1)) continue;
    for (size_t j = 0; j < list.size(); ++j)
      if (!(snoozed >> j & 1) && list[j] == AlarmList[i]) {
        snoozed |= 1u << j;
        break;
      }
  }
  TickState.SnoozedAlarms = snoozed;
  if (snoozed == 0) TickState.SnoozeDue = kNoStamp;
  std::string days;
  StoreFirstAlarm(list.front(), ClockSettings, days);
  AlarmList = std::move(list);
  InvalidateRect(hwnd_, nullptr, FALSE);  // the alarm mark
  SaveSettings();
  ArmWakeTimer();
}

void TMainForm::Alarm(int64_t lateMinutes, uint32_t ringing) {
  RefreshFirstAlarm();
  if (AlarmList.size() < 32) ringing &= (1u << AlarmList.size()) - 1;
  if (ringing == 0) ringing = 1;
  const AlarmEntry lead = AlarmList[size_t(FirstRinging(ringing))];
  // The alert plays the first one's sound, with its interval and announcement.
  std::string unusedDays;
  ringingSettings_ = ClockSettings;
  StoreFirstAlarm(lead, ringingSettings_, unusedDays);
  const std::string firstLine = lateMinutes > 0
                                    ? LateAlarmLine(lead.Hour, lead.Minute, ClockSettings.Hour24, lateMinutes)
                                    : Tr(Str::alert_Label1);
  const std::string names = RingingNames(AlarmList, ringing);
  // A once alarm goes off as it rings, and is stored so.
  bool switchedOff = false;
  for (size_t i = 0; i < AlarmList.size(); ++i) {
    if (!(ringing >> i & 1) || !AlarmList[i].Once || !AlarmList[i].On) continue;
    AlarmList[i].On = false;
    if (i == 0) ClockSettings.AlarmOn = false;
    switchedOff = true;
  }
  if (switchedOff) {
    SaveSettings();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  auto alert = std::make_unique<TAlarmAlertForm>(*this, firstLine, names);
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
  if (result == kResultSnooze) {
    TickState.SnoozeDue = ReadUtcSeconds() + int64_t(MoreOptions.SnoozeMinutes) * 60;
    TickState.SnoozedAlarms |= ringing;
  }
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
  if (AlarmSounds) player.Play(*AlarmSounds, AlarmSettings().AlarmSound, AlarmSettings().WaveFile);
}

void TMainForm::AlarmButtonClick() {
  auto dialog = std::make_unique<TAlarmForm>(ClockSettings, AlarmSounds);
  PlaceTaskbarButton(true);
  if (dialog->ShowModal(hwnd_) == ui::kResultOk) {
    ApplyAlarmForm(dialog->Values(), ClockSettings);
    RefreshFirstAlarm();
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
  if (dialog->ShowModal(hwnd_) == ui::kResultOk) SetAlarms(dialog->List());  // stored at once
  dialog.reset();
  PlaceTaskbarButton();  // back to what the window shows
}

}  // namespace orlavox
