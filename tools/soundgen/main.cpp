// soundgen <output folder>: writes the alarm's four built-in sounds as wave
// files (yipe.wav, lazer.wav, whistle.wav, fanfare.wav), which the program's
// resource script embeds.
#include <cstdio>
#include <string>

#include "tools/soundgen/alarm_synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen <output folder>\n");
    return 2;
  }
  for (int i = 0; i < soundgen::kAlarmSoundCount; ++i) {
    const std::string path = std::string(argv[1]) + "/" + soundgen::kAlarmSounds[i].FileName;
    const std::vector<uint8_t> image = soundgen::AlarmSoundImage(i);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(image.data(), 1, image.size(), f) == image.size();
    if (f) ok &= std::fclose(f) == 0;
    if (!ok) {
      std::fprintf(stderr, "soundgen: could not write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
