// PlayAlarmSound under Wine, heard through ALSA's file plug-in: each opening
// of the sound device writes one capture file (capture.raw, then
// capture.raw.0001 ...) of raw 16-bit PCM. Run by the ctest entry
// alarm_sounds_heard, which sets up the capture.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "alarm/alarm_sound_player.h"
#include "display/clock_data.h"

namespace orlavox {
namespace {

std::string Env(const char* name) {
  char value[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
  CloseHandle(f);
  return bytes;
}

class Capture {
 public:
  Capture() : base_(Env("ORLAVOX_TEST_CAPTURE")), folder_(base_.substr(0, base_.rfind('\\') + 1)) {}
  bool Configured() const { return !base_.empty(); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((base_ + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do names.push_back(folder_ + fd.cFileName);
      while (FindNextFileA(h, &fd));
      FindClose(h);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  void Clear() const {
    for (const std::string& f : Files()) DeleteFileA(f.c_str());
  }
  // Everything captured once the output has stopped growing for a second
  // (or after `limitMs`), all openings together.
  std::string Settled(int limitMs) const {
    std::string all;
    size_t last = size_t(-1);
    for (int waited = 0, still = 0; waited < limitMs && still < 1000; waited += 100) {
      Sleep(100);
      all.clear();
      for (const std::string& f : Files()) all += ReadBytes(f);
      still = all.size() == last ? still + 100 : 0;
      last = all.size();
    }
    return all;
  }

 private:
  std::string base_, folder_;
};

struct Heard {
  size_t Bytes = 0;
  double LoudSeconds = 0;  // first to last sample above a whisper, at `rate` 16-bit mono
  int Peak = 0;
};

Heard Measure(const std::string& pcm, double bytesPerSecond) {
  Heard h;
  h.Bytes = pcm.size();
  long first = -1, last = -1;
  for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
    int s = int16_t(uint8_t(pcm[i]) | uint8_t(pcm[i + 1]) << 8);
    s = s < 0 ? -s : s;
    h.Peak = std::max(h.Peak, s);
    if (s > 500) {
      if (first < 0) first = long(i);
      last = long(i);
    }
  }
  h.LoudSeconds = first < 0 ? 0 : double(last - first) / bytesPerSecond;
  return h;
}

TEST(AlarmSoundPlayback, BuiltInSoundsAreHeardAtTheirLengthOtherIndicesAreSilent) {
  const Capture capture;
  if (!capture.Configured()) GTEST_SKIP() << "needs the sound capture of the alarm_sounds_heard test";
  ASSERT_EQ(waveOutGetNumDevs(), 1u) << "no captured sound device: see ALSA_CONFIG_PATH";
  const TClockData data(GetModuleHandleA(nullptr));
  const AlarmSoundList& sounds = data.AlarmSoundList();
  const char* names[] = {"Yipe", "Lazer", "Whistle", "Fanfare"};
  const int samples[] = {22848, 20928, 76224, 114688};
  const int blocks[] = {12, 11, 38, 57};

  for (int index = 1; index <= 4; ++index) {
    const WaveImage& image = sounds[size_t(index - 1)];
    ASSERT_GT(image.size(), 44u) << names[index - 1];
    EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "RIFF");
    capture.Clear();
    PlayAlarmSound(sounds, index, "");
    const std::string pcm = capture.Settled(10000);
    const Heard heard = Measure(pcm, 44100 * 2);
    const double length = samples[index - 1] / 44100.0;
    std::printf("[ measure  ] %d %s: %zu bytes captured in %zu file(s), %.2f s loud (%.2f s long), peak %d\n", index,
                names[index - 1], heard.Bytes, capture.Files().size(), heard.LoudSeconds, length, heard.Peak);
    // Decoded to 16-bit mono at 44.1 kHz: at least the sound's samples, at
    // most its whole blocks (the end of the last block is silence).
    EXPECT_GE(heard.Bytes, size_t(samples[index - 1]) * 2) << names[index - 1];
    EXPECT_LE(heard.Bytes, size_t(blocks[index - 1]) * 2036 * 2) << names[index - 1];
    EXPECT_GT(heard.Peak, 10000) << names[index - 1];
    EXPECT_GT(heard.LoudSeconds, 0.8 * length) << names[index - 1];
    EXPECT_LT(heard.LoudSeconds, 1.05 * length) << names[index - 1];
  }

  for (int index : {6, -1}) {
    capture.Clear();
    PlayAlarmSound(sounds, index, "");
    Sleep(1500);
    EXPECT_TRUE(capture.Files().empty()) << "index " << index << " opened the sound device";
  }

  // A missing wave file: the platform plays its default sound instead, and a
  // fresh Wine prefix has none, so nothing reaches the device.
  for (const char* path : {"Z:\\no-such-folder\\no-such-alarm.wav", ""}) {
    capture.Clear();
    PlayAlarmSound(sounds, 5, path);
    const Heard heard = Measure(capture.Settled(3000), 44100 * 2);
    std::printf("[ measure  ] 5 with the file \"%s\": %zu bytes captured in %zu file(s)\n", path, heard.Bytes,
                capture.Files().size());
    EXPECT_EQ(heard.Bytes, 0u) << path;
  }
  capture.Clear();
}

}  // namespace
}  // namespace orlavox
