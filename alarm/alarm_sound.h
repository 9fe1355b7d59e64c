#pragma once
// The alarm's sounds. AlarmSound (a setting) picks one by index: 0 the
// system beep, 1..4 the built-in sounds, 5 the user's wave file; any other
// index means silence. This file decides which platform call an index leads
// to; alarm_sound_player.cpp makes the call.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace orlavox {

constexpr int kAlarmSoundSystemBeep = 0;
constexpr int kAlarmSoundWaveFile = 5;
constexpr int kBuiltInAlarmSoundCount = 4;

// A complete wave-file image (RIFF header and all chunks), as played from
// memory: a view of bytes that outlive it (the program's own resources, which
// stay mapped from the file for the whole run, so nothing is copied).
struct WaveImage {
  const uint8_t* Bytes = nullptr;
  size_t Size = 0;
  bool empty() const { return Size == 0; }
};
// The built-in sounds "Yipe", "Lazer", "Whistle", "Fanfare": sound n (1..4) is item n - 1.
using AlarmSoundList = std::array<WaveImage, kBuiltInAlarmSoundCount>;

enum class AlarmSoundCall {
  Nothing,
  MessageBeep,  // MessageBeep(0)
  PlayImage,    // sndPlaySoundA(image, SND_ASYNC | SND_NODEFAULT | SND_MEMORY)
  PlayFile,     // the wave file by name or from memory, SND_ASYNC without SND_NODEFAULT: see below
};

// winmm opens a file it is given by name through the ANSI code page on some
// systems, where a folder such as "Łódź" cannot be spelt: a wave file whose
// path (or short path) the code page cannot spell is read by the program
// itself through the wide API and played from memory (SND_MEMORY), up to this
// size. A file that cannot be read, a larger one or one that cannot be made
// safe to play (wave_file_check.h) is passed by name (SND_FILENAME) as given;
// either way the platform plays its default sound when it cannot play what it got.
constexpr uint64_t kMaxWaveFileImageBytes = uint64_t(64) << 20;

struct AlarmSoundPlan {
  AlarmSoundCall Call = AlarmSoundCall::Nothing;
  const WaveImage* Image = nullptr;  // for PlayImage: the list's item, which outlives the sound
};

// What playing sound `index` means. A built-in sound with an empty image, or
// any built-in sound when `waveDevices` reports no wave output device, plays
// nothing; `waveDevices` is asked only when there is an image to play.
AlarmSoundPlan PlanAlarmSound(int index, const AlarmSoundList& sounds, const std::function<unsigned()>& waveDevices);

}  // namespace orlavox
