#pragma once
// The clock's side of the voice plug-ins on Win32: loading a voice, calling
// its Speak so that a fault inside the plug-in does not end the clock, and
// the file work of the voice folder (legacy migration, listing).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "speech/plugin/orlavox_voice.h"

namespace orlavox {

using SpeakProc = OrlavoxSpeakProc;

// A loaded voice plug-in; frees the library when destroyed or reset.
class VoiceModule {
 public:
  VoiceModule() = default;
  // LoadLibraryW(path), without the system's error boxes; check Loaded().
  // Paths here are UTF-8.
  explicit VoiceModule(const std::string& path);
  VoiceModule(const VoiceModule&) = delete;
  VoiceModule& operator=(const VoiceModule&) = delete;
  VoiceModule(VoiceModule&& other) noexcept : module_(other.module_) { other.module_ = nullptr; }
  VoiceModule& operator=(VoiceModule&& other) noexcept;
  ~VoiceModule() { Reset(); }

  bool Loaded() const { return module_ != nullptr; }
  HMODULE Handle() const { return module_; }
  // The "Speak" export; null when not loaded or not a voice.
  SpeakProc FindSpeak() const;
  // FreeLibrary. Never while its Speak is running.
  void Reset();
  // Forgets the module without freeing it: for a voice still speaking when
  // the program ends.
  void Abandon() { module_ = nullptr; }

 private:
  HMODULE module_ = nullptr;
};

struct GuardedCall {
  bool faulted = false;
  DWORD exceptionCode = 0;  // EXCEPTION_ACCESS_VIOLATION and the like
};

// Calls speak on this thread. An exception the plug-in leaves unhandled
// (access violation, division by zero, ...) ends the call instead of the
// process: the plug-in's frames are unwound, the call returns with faulted
// set. Exceptions the plug-in handles itself are left to it. Any thread;
// calls may nest on different threads.
GuardedCall CallSpeakGuarded(SpeakProc speak);

// Names (not paths, UTF-8) of the entries matching a FindFirstFileW pattern.
std::vector<std::string> FindFileNames(const std::string& pattern);
bool PathExists(const std::string& path);

// Moves the legacy plug-ins beside the program into the voice folder and
// deletes LANG.DAT (see PlanLegacyMigration). programFolder ends with "\".
// A move that fails falls back to deleting the old file; nothing is reported.
void RunLegacyMigration(const std::string& programFolder);

// AnsiCompareText's order: case-insensitive in the user's locale.
int CompareTextInUserLocale(std::string_view a, std::string_view b);

// The sorted voice list of programFolder + "voice\".
std::vector<std::string> ReadVoiceFolder(const std::string& programFolder);

// programFolder + "voice\" + name + ".dll".
std::string VoicePath(const std::string& programFolder, const std::string& voiceName);

}  // namespace orlavox
