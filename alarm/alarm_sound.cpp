#include "alarm/alarm_sound.h"

namespace orlavox {

AlarmSoundPlan PlanAlarmSound(int index, const AlarmSoundList& sounds, const std::function<unsigned()>& waveDevices) {
  if (index == kAlarmSoundSystemBeep) return {AlarmSoundCall::MessageBeep, nullptr};
  if (index == kAlarmSoundWaveFile) return {AlarmSoundCall::PlayFile, nullptr};
  if (index < 1 || index > kBuiltInAlarmSoundCount) return {};
  const WaveImage& image = sounds[size_t(index - 1)];
  if (image.empty() || waveDevices() == 0) return {};
  return {AlarmSoundCall::PlayImage, &image};
}

}  // namespace orlavox
