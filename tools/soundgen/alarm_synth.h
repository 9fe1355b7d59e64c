#pragma once
// The alarm's four built-in sounds, synthesised: a yelp ("Yipe"), a laser zap
// ("Lazer"), a wolf whistle ("Whistle") and a short brass call ("Fanfare").
// Each has a fixed length in samples at 44.1 kHz.
#include <cstdint>
#include <vector>

namespace soundgen {

struct AlarmSoundInfo {
  const char* Name;      // as the alarm's sound list shows it
  const char* FileName;  // what soundgen writes
  int Samples;
};
constexpr int kAlarmSoundCount = 4;
// In the order of the alarm's sound list (built-in sound n is entry n - 1).
extern const AlarmSoundInfo kAlarmSounds[kAlarmSoundCount];

// Sound `i` (0..3) as 16-bit mono samples, kAlarmSounds[i].Samples of them,
// peaking at 70 % of full scale and fading to silence at the end.
std::vector<int16_t> SynthesiseAlarmSound(int i);

// The whole wave-file image of sound `i` as the program embeds it.
std::vector<uint8_t> AlarmSoundImage(int i);

}  // namespace soundgen
