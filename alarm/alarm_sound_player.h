#pragma once
// PlayAlarmSound: starts alarm sound `index` once and returns at once; the
// sound is never waited for, and a new one replaces one still playing.
// 0 the system beep; 1..4 the built-in sound from `sounds` (silent without a
// wave output device); 5 the wave file `path` (UTF-8), passed on unchanged (the
// platform plays its default sound when it cannot play the file); any other
// index nothing. Nothing is reported. Call on the user-interface thread.
//
// The alert and the alarm dialog's preview call it with the main window's
// ClockData->AlarmSoundList(), ClockSettings.AlarmSound and ClockSettings.WaveFile.
#include <string>

#include "alarm/alarm_sound.h"

namespace orlavox {

void PlayAlarmSound(const AlarmSoundList& sounds, int index, const std::string& path);

}  // namespace orlavox
