#include "alarm/alarm_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "alarm/wave_file_check.h"
#include "resources/resource_ids.h"
#include "win/test_events.h"
#include "win/wide_text.h"

namespace orlavox {

// What the worker reads, shared by it and the player: the last of the two to
// let go frees it, so a player gone before the read ends (the alert closed)
// does not wait for the disk.
struct AlarmSoundPlayer::Read {
  std::wstring Path;
  SRWLOCK Lock = SRWLOCK_INIT;
  HWND Window = nullptr;  // told when done; cleared when the player lets go
  LONG Holders = 2;
  bool Done = false;
  std::wstring Name;  // by name: the short path (or, when it could not be read, the path)
  std::string Image;  // from memory, when Name is empty

  void LetGo() {
    if (InterlockedDecrement(&Holders) == 0) delete this;
  }
};

namespace {

// The player whose image the platform may be playing, if any: it stops the
// sound before it frees the image.
const AlarmSoundPlayer* g_imagePlaying = nullptr;

// True when `path` can be spelt in the ANSI code page, through which winmm
// opens the names it is given on some systems.
bool AnsiSpellable(const std::wstring& path) {
  if (GetACP() == CP_UTF8) return true;
  BOOL lost = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.c_str(), -1, nullptr, 0, nullptr, &lost);
  return n > 0 && !lost;
}

// The whole file through the wide API, or false when it cannot be read or is
// larger than kMaxWaveFileImageBytes.
bool ReadWaveFile(const std::wstring& path, std::string& bytes) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
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

DWORD WINAPI ReadWorker(void* p) {
  auto* read = static_cast<AlarmSoundPlayer::Read*>(p);
  TestSlowFileOpen();
  // A short name the ANSI code page can spell plays by name, read by nobody.
  const DWORD n = TestShortNamesKept() ? GetShortPathNameW(read->Path.c_str(), nullptr, 0) : 0;
  std::wstring shortPath(n, L'\0');
  if (n > 0 && GetShortPathNameW(read->Path.c_str(), shortPath.data(), n) == n - 1) {
    shortPath.resize(n - 1);
    if (AnsiSpellable(shortPath)) read->Name = shortPath;
  }
  if (read->Name.empty() && !(ReadWaveFile(read->Path, read->Image) && MakeWaveImageSafe(read->Image))) {
    std::string().swap(read->Image);
    read->Name = read->Path;  // the platform plays its default sound for it
  }
  AcquireSRWLockExclusive(&read->Lock);
  read->Done = true;
  if (read->Window) PostMessageW(read->Window, kWaveFileReadMessage, 0, 0);
  ReleaseSRWLockExclusive(&read->Lock);
  read->LetGo();
  return 0;
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

void StopAlarmSound() {
  PlaySoundA(nullptr, nullptr, 0);
  g_imagePlaying = nullptr;
}

AlarmSoundPlayer::AlarmSoundPlayer(const ui::Window& window) : window_(window) {}

void AlarmSoundPlayer::Play(const AlarmSoundList& sounds, int index, const std::string& path) {
  const AlarmSoundPlan plan = PlanAlarmSound(index, sounds, [] { return unsigned(waveOutGetNumDevs()); });
  switch (plan.Call) {
    case AlarmSoundCall::MessageBeep:
      MessageBeep(0);
      break;
    case AlarmSoundCall::PlayImage:
      // The image lies in the program's resources, so it outlives the sound.
      sndPlaySoundA(reinterpret_cast<LPCSTR>(plan.Image->Bytes), SND_ASYNC | SND_NODEFAULT | SND_MEMORY);
      g_imagePlaying = nullptr;
      break;
    case AlarmSoundCall::PlayFile:
      if (path != path_ || (!ready_ && !read_)) {
        Release();
        path_ = path;
        const std::wstring wide = Wide(path);
        if (AnsiSpellable(wide)) {
          name_ = wide;  // also an empty path: the platform's default sound
          ready_ = true;
        } else {
          read_ = new Read;
          read_->Path = wide;
          read_->Window = window_.Handle();
          HANDLE worker = CreateThread(nullptr, 0, &ReadWorker, read_, 0, nullptr);
          if (worker) {
            CloseHandle(worker);
          } else {
            read_->LetGo();
            read_->LetGo();
            read_ = nullptr;
            name_ = wide;
            ready_ = true;
          }
        }
      }
      owed_ = !ready_;
      if (ready_) PlayWaveFile();
      break;
    case AlarmSoundCall::Nothing:
      break;
  }
}

void AlarmSoundPlayer::PlayWaveFile() {
  if (!name_.empty() || image_.empty()) {
    PlaySoundW(name_.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
    g_imagePlaying = nullptr;
  } else {
    PlaySoundW(reinterpret_cast<LPCWSTR>(image_.data()), nullptr, SND_MEMORY | SND_ASYNC);
    g_imagePlaying = this;
  }
}

void AlarmSoundPlayer::WaveFileRead() {
  if (!read_) return;
  AcquireSRWLockExclusive(&read_->Lock);
  const bool done = read_->Done;
  ReleaseSRWLockExclusive(&read_->Lock);
  if (!done) return;  // a message of an earlier read
  name_.swap(read_->Name);
  image_.swap(read_->Image);
  read_->LetGo();
  read_ = nullptr;
  ready_ = true;
  if (owed_) PlayWaveFile();
  owed_ = false;
}

void AlarmSoundPlayer::Release() {
  if (g_imagePlaying == this) StopAlarmSound();  // returns when the platform has let go of the image
  if (read_) {
    AcquireSRWLockExclusive(&read_->Lock);
    read_->Window = nullptr;
    ReleaseSRWLockExclusive(&read_->Lock);
    read_->LetGo();
    read_ = nullptr;
  }
  std::string().swap(image_);
  name_.clear();
  path_.clear();
  ready_ = owed_ = false;
}

}  // namespace orlavox
