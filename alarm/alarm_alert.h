#pragma once
// The alarm's alert "Alarm!": a topmost window of its own on the desktop,
// with its own taskbar button, flashing until it is confirmed, with an OK and
// a Snooze button. When it opens it announces the time (when asked to and a
// voice is free), then plays the alarm sound at once and every
// AlarmRepeatInterval seconds until OK, Enter or Snooze.
#include <string>

#include "alarm/alarm_alert_host.h"
#include "alarm/alarm_sound_player.h"
#include "resources/lang_text.h"
#include "ui/dialog.h"

namespace orlavox {

// Longest wait for the alarm's announcement before the sound starts anyway:
// a phrase of the shipped voices lasts a few seconds; a voice that hangs
// must not keep the alarm silent.
inline constexpr DWORD kAlarmVoiceWaitMs = 8000;

// The alert's result when the user snoozed it.
inline constexpr int kResultSnooze = 3;

class TAlarmAlertForm : public ui::Dialog {
 public:
  // firstLine: the panel's first line; a late ring names its lateness there.
  // names: the names of the alarms ringing, shown under it when not empty.
  explicit TAlarmAlertForm(AlarmAlertHost& host, const std::string& firstLine = Tr(Str::alert_Label1),
                           const std::string& names = "");
  ~TAlarmAlertForm() override;

  // Plays the alarm sound once, with the stored choice.
  void AlarmTimerTimer();
  void DisableAlarmTimer();

 protected:
  void FormShow() override;
  void FormActivate() override;
  bool FormCloseQuery() override { return false; }  // OK (or Enter) only
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void EnableAlarmTimer();
  void WaitForVoice();

  AlarmAlertHost& host_;
  UINT interval_ = 0;  // ms; 0: no repeats
  bool activated_ = false;
  bool timerOn_ = false;
  DWORD voiceStart_ = 0;
  // The alarm sound of this alert: the wave file is read once for all its
  // rings and freed when the alert closes.
  AlarmSoundPlayer player_{*this};
};

}  // namespace orlavox
