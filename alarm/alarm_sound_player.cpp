#include "alarm/alarm_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "resources/resource_ids.h"
#include "win/wide_text.h"

namespace orlavox {
namespace {

// The wave file's image while it plays: the platform reads it until the
// sound ends or the next one replaces it. Never freed, so that a sound still
// playing when the program ends does not read freed memory.
std::string& FileImage() {
  static std::string* image = new std::string;
  return *image;
}

// The whole file through the wide API, or false when it cannot be read or is
// larger than kMaxWaveFileImageBytes.
bool ReadWaveFile(const std::string& path, std::string& bytes) {
  HANDLE f = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(f, &size) && uint64_t(size.QuadPart) <= kMaxWaveFileImageBytes;
  if (ok) {
    bytes.resize(size_t(size.QuadPart));
    DWORD got = 0;
    ok = bytes.empty() || (ReadFile(f, bytes.data(), DWORD(bytes.size()), &got, nullptr) && got == bytes.size());
  }
  CloseHandle(f);
  return ok;
}

void PlayWaveFile(const std::string& path) {
  // The sound still playing goes first: its image is about to be replaced.
  PlaySoundW(nullptr, nullptr, 0);
  std::string& image = FileImage();
  if (!path.empty() && ReadWaveFile(path, image) && !image.empty()) {
    PlaySoundW(reinterpret_cast<LPCWSTR>(image.data()), nullptr, SND_MEMORY | SND_ASYNC);
  } else {
    image.clear();
    PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
  }
}

// The bytes of an RCDATA resource where the module keeps them, or nothing.
WaveImage FindRawResource(HINSTANCE module, int id) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes) return {};
  return {bytes, SizeofResource(module, found)};
}

}  // namespace

AlarmSoundList LoadAlarmSounds(HINSTANCE module) {
  AlarmSoundList sounds;
  for (int i = 0; i < kBuiltInAlarmSoundCount; ++i) sounds[size_t(i)] = FindRawResource(module, IDR_ALARM_SOUND_FIRST + i);
  return sounds;
}

void PlayAlarmSound(const AlarmSoundList& sounds, int index, const std::string& path) {
  const AlarmSoundPlan plan = PlanAlarmSound(index, sounds, [] { return unsigned(waveOutGetNumDevs()); });
  switch (plan.Call) {
    case AlarmSoundCall::MessageBeep:
      MessageBeep(0);
      break;
    case AlarmSoundCall::PlayImage:
      // The image lies in the program's resources, so it outlives the sound.
      sndPlaySoundA(reinterpret_cast<LPCSTR>(plan.Image->Bytes), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
      break;
    case AlarmSoundCall::PlayFile:
      PlayWaveFile(path);  // UTF-8: a file in a folder of any script plays
      break;
    case AlarmSoundCall::Nothing:
      break;
  }
}

void StopAlarmSound() { PlaySoundA(nullptr, nullptr, 0); }

}  // namespace orlavox
