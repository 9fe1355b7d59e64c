#pragma once
// The alarm's sounds. AlarmSound (a setting) picks one by index: 0 the
// system beep, 1..4 the built-in sounds, 5 the user's wave file; any other
// index means silence. This file decides which platform call an index leads
// to; alarm_sound_player.cpp makes the call.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace orlavox {

constexpr int kAlarmSoundSystemBeep = 0;
constexpr int kAlarmSoundWaveFile = 5;
constexpr int kBuiltInAlarmSoundCount = 4;

// A complete wave-file image (RIFF header and all chunks), as played from memory.
using WaveImage = std::vector<uint8_t>;
// The built-in sounds "Yipe", "Lazer", "Whistle", "Fanfare": sound n (1..4) is item n - 1.
using AlarmSoundList = std::array<WaveImage, kBuiltInAlarmSoundCount>;

enum class AlarmSoundCall {
  Nothing,
  MessageBeep,  // MessageBeep(0)
  PlayImage,    // sndPlaySoundA(image, SND_ASYNC | SND_NODEFAULT | SND_MEMORY)
  PlayFile,     // PlaySoundA(path, 0, SND_FILENAME | SND_ASYNC), the path as given
};

struct AlarmSoundPlan {
  AlarmSoundCall Call = AlarmSoundCall::Nothing;
  const WaveImage* Image = nullptr;  // for PlayImage: the list's item, which outlives the sound
};

// What playing sound `index` means. A built-in sound with an empty image, or
// any built-in sound when `waveDevices` reports no wave output device, plays
// nothing; `waveDevices` is asked only when there is an image to play.
AlarmSoundPlan PlanAlarmSound(int index, const AlarmSoundList& sounds, const std::function<unsigned()>& waveDevices);

}  // namespace orlavox
