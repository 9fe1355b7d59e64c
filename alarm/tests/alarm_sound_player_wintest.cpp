// The alarm's sounds under Wine, heard through ALSA's file plug-in: each opening
// of the sound device writes one capture file (capture.raw, then
// capture.raw.0001 ...) of raw PCM. Run by the ctest entry alarm_sounds_heard,
// which sets up the capture.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "alarm/alarm_sound_player.h"
#include "speech/tests/wintest_util.h"

namespace orlavox {
namespace {

const std::string kCapture = test::Env("ORLAVOX_TEST_CAPTURE");

std::vector<std::string> CaptureFiles() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((kCapture + "*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(kCapture.substr(0, kCapture.rfind('\\') + 1) + fd.cFileName);
  while (FindNextFileA(h, &fd));
  FindClose(h);
  return names;
}

// Plays `index` on a fresh capture and returns what was heard once the
// output has not grown for a second (or after `limitMs`).
std::string Heard(const AlarmSoundList& sounds, int index, const std::string& path, int limitMs) {
  for (const std::string& f : CaptureFiles()) DeleteFileA(f.c_str());
  static const ui::Window noWindow;  // these paths are played by name, never read
  AlarmSoundPlayer(noWindow).Play(sounds, index, path);
  std::string all;
  for (int waited = 0, still = 0; waited < limitMs && still < 1000; waited += 100) {
    Sleep(100);
    const size_t before = all.size();
    all.clear();
    for (const std::string& f : CaptureFiles()) all += test::ReadFileBytes(f);
    still = all.size() == before ? still + 100 : 0;
  }
  return all;
}

TEST(AlarmSoundPlayback, BuiltInSoundsAreHeardAtTheirLengthOtherIndicesAreSilent) {
  if (kCapture.empty()) GTEST_SKIP() << "needs the sound capture of the alarm_sounds_heard test";
  ASSERT_EQ(waveOutGetNumDevs(), 1u) << "no captured sound device: see ALSA_CONFIG_PATH";
  const AlarmSoundList sounds = LoadAlarmSounds(GetModuleHandleA(nullptr));
  const char* names[] = {"Yipe", "Lazer", "Whistle", "Fanfare"};
  const size_t samples[] = {22848, 20928, 76224, 114688}, blocks[] = {12, 11, 38, 57};

  for (int index = 1; index <= 4; ++index) {
    SCOPED_TRACE(names[index - 1]);
    const std::string pcm = Heard(sounds, index, "", 10000);
    // 16-bit mono at 44.1 kHz: the loud part from the first to the last sample above a whisper.
    long first = -1, last = -1, peak = 0;
    for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
      const long s = std::labs(int16_t(uint8_t(pcm[i]) | uint8_t(pcm[i + 1]) << 8));
      peak = std::max(peak, s);
      if (s > 500) last = long(i / 2), first = first < 0 ? last : first;
    }
    const double loud = double(last - first) / 44100, length = double(samples[index - 1]) / 44100;
    std::printf("[ measure  ] %d %s: %zu bytes captured, %.2f s loud of %.2f s, peak %ld\n", index, names[index - 1],
                pcm.size(), loud, length, peak);
    // At least the sound's samples, at most its whole blocks (the end of the last block is silence).
    EXPECT_GE(pcm.size(), samples[index - 1] * 2);
    EXPECT_LE(pcm.size(), blocks[index - 1] * 2036 * 2);
    EXPECT_GT(peak, 10000);
    EXPECT_GT(loud, 0.8 * length);
    EXPECT_LT(loud, 1.05 * length);
  }
  for (int index : {6, -1}) EXPECT_EQ(Heard(sounds, index, "", 1500), "") << index;
  // A missing wave file: the platform plays its default sound instead, and a
  // fresh Wine prefix has none, so nothing reaches the device.
  for (const char* path : {"Z:\\no-such-folder\\no-such-alarm.wav", ""}) {
    const std::string pcm = Heard(sounds, 5, path, 3000);
    std::printf("[ measure  ] 5 with the file \"%s\": %zu bytes captured\n", path, pcm.size());
    EXPECT_EQ(pcm.size(), 0u) << path;
  }
  for (const std::string& f : CaptureFiles()) DeleteFileA(f.c_str());
}

TEST(AlarmSoundPlayback, SoundsMissingFromTheModuleStayEmpty) {
  // kernel32 has none of the clock's sounds: they stay empty, which plays nothing.
  for (const WaveImage& sound : LoadAlarmSounds(GetModuleHandleA("kernel32.dll"))) EXPECT_TRUE(sound.empty());
}

}  // namespace
}  // namespace orlavox
