#pragma once
// What the alarm's alert asks of the window that opens it (the main window).
#include "settings/clock_settings.h"

namespace orlavox {

class AlarmSoundPlayer;

class AlarmAlertHost {
 public:
  // The settings the alert reads: AlarmRepeatInterval and AlarmAnnounce.
  virtual const orlavox::ClockSettings& AlarmSettings() const = 0;
  // The alarm's announcement, on the speech worker; false when none starts
  // (a voice already speaking, or none loaded).
  virtual bool StartAlarmAnnouncement() = 0;
  // True while an announcement is being spoken.
  virtual bool VoiceSpeaking() const = 0;
  // Plays the alarm sound once through the alert's player, with the stored choice.
  virtual void SoundAlarm(AlarmSoundPlayer& player) = 0;

 protected:
  ~AlarmAlertHost() = default;
};

}  // namespace orlavox
