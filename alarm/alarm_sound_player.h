#pragma once
// PlayAlarmSound: starts alarm sound `index` once and returns at once; the
// sound is never waited for, and a new one replaces one still playing.
// 0 the system beep; 1..4 the built-in sound from `sounds` (silent without a
// wave output device); 5 the wave file `path` (UTF-8), passed on unchanged (the
// platform plays its default sound when it cannot play the file); any other
// index nothing. Nothing is reported. Call on the user-interface thread.
//
// The alert and the alarm dialog's preview call it with the main window's
// AlarmSounds, ClockSettings.AlarmSound and ClockSettings.WaveFile.
#include <windows.h>

#include <string>

#include "alarm/alarm_sound.h"

namespace orlavox {

// The four built-in sounds in `module`'s resources (the exe), each a whole
// wave-file image seen where the module keeps it: the list is good while the
// module stays loaded. A missing sound stays an empty item, which plays nothing.
AlarmSoundList LoadAlarmSounds(HINSTANCE module);

void PlayAlarmSound(const AlarmSoundList& sounds, int index, const std::string& path);
// Stops an alarm sound still playing (a snoozed alert goes silent at once).
void StopAlarmSound();

}  // namespace orlavox
