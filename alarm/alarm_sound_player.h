#pragma once
// The alarm's sounds as the alert and the alarm dialog's preview play them:
// each starts once and returns at once; the sound is never waited for, and a
// new one replaces one still playing. 0 the system beep; 1..4 the built-in
// sound from the list (silent without a wave output device); 5 the wave file
// (the platform plays its default sound when it cannot play it); any other
// index nothing. Nothing is reported. Call on the user-interface thread.
//
// The wave file goes to the platform by name when its path can be spelt in
// the ANSI code page, as winmm opens names through it on some systems, or
// when its short name can. Otherwise a worker reads it once (the window
// thread never waits for the disk) and it is played from memory, made safe
// first (wave_file_check.h); what cannot be read or made safe goes by name,
// as given. The image lives as long as the player, for the repeats of an
// alert; a ring that falls while the file is read sounds as soon as it has
// been read.
#include <windows.h>

#include <string>

#include "alarm/alarm_sound.h"
#include "ui/window.h"

namespace orlavox {

// Posted to the player's window when its worker has read the wave file: the
// window passes it to WaveFileRead().
inline constexpr UINT kWaveFileReadMessage = WM_APP + 0x48;

// The four built-in sounds in `module`'s resources (the exe), each a whole
// wave-file image seen where the module keeps it: the list is good while the
// module stays loaded. A missing sound stays an empty item, which plays nothing.
AlarmSoundList LoadAlarmSounds(HINSTANCE module);

// Stops an alarm sound still playing (a snoozed alert goes silent at once).
void StopAlarmSound();

class AlarmSoundPlayer {
 public:
  // `window` gets kWaveFileReadMessage; its handle is looked at when a read starts.
  explicit AlarmSoundPlayer(const ui::Window& window);
  ~AlarmSoundPlayer() { Release(); }
  AlarmSoundPlayer(const AlarmSoundPlayer&) = delete;
  AlarmSoundPlayer& operator=(const AlarmSoundPlayer&) = delete;

  // Plays sound `index` once; for 5 the wave file `path` (UTF-8), read at
  // the first call for it.
  void Play(const AlarmSoundList& sounds, int index, const std::string& path);
  // The worker has finished: a ring that fell due meanwhile sounds now.
  void WaveFileRead();
  // Stops a sound playing from this player's image and frees it; a read
  // still going on finishes on its own and frees what it read.
  void Release();

  struct Read;  // shared with the worker

 private:
  void PlayWaveFile();

  const ui::Window& window_;
  std::string path_;              // the wave file of the image or the read
  Read* read_ = nullptr;          // while the worker reads (shared with it)
  std::wstring name_;             // played by name: the path, or its short form
  std::string image_;             // played from memory
  bool ready_ = false;            // name_ or image_ holds what to play
  bool owed_ = false;             // a ring fell due while the file was read
};

}  // namespace orlavox
