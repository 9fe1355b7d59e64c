#pragma once
// Wine's sound captured to files: every opening of the sound device gives one
// capture file (capture.raw, then capture.raw.0001 ...), raw 16-bit PCM.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "speech/voices/clip_resources.h"

namespace orlavox::e2e {

inline constexpr double kBytesPerSecond = kClipSampleRate * 2;  // as the voices play
inline constexpr int kLoud = 500;  // a sample above this is sound, not silence

inline std::string Env(const char* name) {
  char buf[1024];
  const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

inline std::string ReadBytes(const std::string& path) {
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
  // Seconds from the first to the last loud sample of one capture.
  static double SoundSeconds(const std::string& pcm, int* peak = nullptr) {
    long first = -1, last = -1;
    int top = 0;
    for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
      int s = int16_t(uint8_t(pcm[i]) | uint8_t(pcm[i + 1]) << 8);
      s = s < 0 ? -s : s;
      top = std::max(top, s);
      if (s > kLoud) {
        if (first < 0) first = long(i);
        last = long(i);
      }
    }
    if (peak) *peak = top;
    return first < 0 ? 0 : (last - first) / kBytesPerSecond;
  }
  bool AnyLoud() const {
    for (const std::string& f : Files())
      if (SoundSeconds(ReadBytes(f)) > 0) return true;
    return false;
  }

 private:
  std::string base_, folder_;
};

}  // namespace orlavox::e2e
