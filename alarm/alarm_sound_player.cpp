#include "alarm/alarm_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include "resources/resource_ids.h"

namespace orlavox {
namespace {

// The bytes of an RCDATA resource, or nothing.
WaveImage LoadRawResource(HINSTANCE module, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return WaveImage(bytes, bytes + SizeofResource(module, found));
}

}  // namespace

AlarmSoundList LoadAlarmSounds(HINSTANCE module) {
  AlarmSoundList sounds;
  for (int i = 0; i < kBuiltInAlarmSoundCount; ++i) sounds[size_t(i)] = LoadRawResource(module, IDR_ALARM_SOUND_FIRST + i);
  return sounds;
}

void PlayAlarmSound(const AlarmSoundList& sounds, int index, const std::string& path) {
  const AlarmSoundPlan plan = PlanAlarmSound(index, sounds, [] { return unsigned(waveOutGetNumDevs()); });
  switch (plan.Call) {
    case AlarmSoundCall::MessageBeep:
      MessageBeep(0);
      break;
    case AlarmSoundCall::PlayImage:
      // The list keeps the image for the whole run, so it outlives the sound.
      sndPlaySoundA(reinterpret_cast<LPCSTR>(plan.Image->data()), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
      break;
    case AlarmSoundCall::PlayFile:
      PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
      break;
    case AlarmSoundCall::Nothing:
      break;
  }
}

}  // namespace orlavox
