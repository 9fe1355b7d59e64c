#include "alarm/alarm_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include "ui/wide_text.h"

namespace orlavox {

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
      // The path is UTF-8: a file in a folder of any script plays.
      PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
      break;
    case AlarmSoundCall::Nothing:
      break;
  }
}

}  // namespace orlavox
