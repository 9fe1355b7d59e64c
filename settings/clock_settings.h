#pragma once
// The one settings record of the clock and its positional registry encoding.
// No Win32 here: the registry store (settings_store.*) reads and writes the
// strings, this code decides what they mean.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orlavox {

struct ClockSettings {
  bool StartInTray = false;
  bool OnTop = false;
  bool Hour24 = false;
  bool AnnounceOn = false;
  bool AlarmOn = false;
  bool AutoStart = false;
  bool Windowless = false;
  bool ShowInTaskbar = false;
  bool TransparentButtons = false;
  bool AlarmAnnounce = false;
  bool GlobalShortcut = false;
  int32_t WindowTop = 0;
  int32_t WindowLeft = 0;
  int32_t UpdateInterval = 100;      // ms, 100..1000
  int32_t AlarmRepeatInterval = 0;   // s
  int32_t AnnounceInterval = 60;     // min, 1..60
  int32_t AlarmHour = 0;             // 0..23
  int32_t AlarmMinute = 0;           // 0..59
  uint8_t SmallDisplay = 0;          // 0 big, 1 small
  int32_t AlarmSound = 0;            // 0..5
  std::string WaveFile;
  int32_t SelectedLanguage = 0;
};

inline constexpr int kFlagCount = 11;
inline constexpr int kLongLength = 16;
inline constexpr int kShortLength = 10;
inline constexpr const char* kCurrentVersion = "2.5";

// Registry names.
inline constexpr const char* kSettingsKey = "\\Software\\Brenvik\\Orlavox Lite";
inline constexpr const char* kOldEditionKey = "\\Software\\Brenvik\\Orlavox";
inline constexpr const char* kRunKey = "\\software\\microsoft\\windows\\currentversion\\run";
inline constexpr const char* kRunKeyNT = "\\software\\microsoft\\windows nt\\currentversion\\run";
inline constexpr const char* kRunValue = "Orlavox Lite";
// The command the Run value holds: the program's path in double quotes, so
// that a folder name with a space ("Multilingual Orlavox") is not cut there.
// A Windows path holds no quotation marks of its own.
inline std::string RunCommand(const std::string& programPath) { return "\"" + programPath + "\""; }

// A stored string as the store read it: the text, or nullopt when the value
// existed but could not be read as a string (another type, too large).
// A missing value reads as the empty string.
using StoredString = std::optional<std::string>;

struct StoredSettings {
  StoredString BinSettings = std::string();
  StoredString LNumSettings = std::string();
  StoredString SNumSettings = std::string();
  StoredString WaveFileName = std::string();
  StoredString SelLang = std::string();
  StoredString CurrentVer = std::string();
};

// The virtual screen (every monitor together). Left and Top are not 0 when
// a monitor lies left of or above the primary one.
struct DesktopSize {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Left = 0;
  int32_t Top = 0;
};

struct LoadedSettings {
  ClockSettings Settings;
  bool LanguageStored = false;   // "SelLang" was there: the user's choice stands
  bool NewVersion = false;       // the upgrade notice is due
  bool WriteCurrentVer = false;  // "CurrentVer" must be set to "2.5" now
};

// Whether a regional time format ("HH:mm:ss", "h:mm:ss tt") counts the hours
// of the day from 0 to 23.
bool TimeFormatIs24Hour(std::string_view format);

// The installer leaves the user's choice of starting with Windows here; the
// clock takes it as its AutoStart switch at the next start and removes it.
inline constexpr const char* kSetAutoStartValue = "SetAutoStart";
// Present while a voice loads, holding its name (settings_store.h).
inline constexpr const char* kVoiceLoadingValue = "loading";
// The alarm occurrence last rung, a local minute since 1970 (settings_store.h).
inline constexpr const char* kAlarmRungValue = "AlarmRung";
// The language chosen for the windows, its code; missing for Automatic (settings_store.h).
inline constexpr const char* kWindowLanguageValue = "WindowLanguage";

// First run: no settings of this edition and none of the older one.
bool DecideFirstRun(bool settingsHaveBinSettings, bool oldEditionHasWindowTop);

// Everything the load does with the stored strings, in its order.
LoadedSettings DecodeSettings(const StoredSettings& stored, bool firstRun, DesktopSize desktop);

struct EncodedSettings {
  std::string BinSettings;
  std::string LNumSettings;
  std::string SNumSettings;
  std::string WaveFileName;
  std::string SelLang;
};

// The strings the save writes; top and left are the window's current position.
EncodedSettings EncodeSettings(const ClockSettings& s, int32_t windowTop, int32_t windowLeft);

// Group codecs, exposed for the tests.
std::string EncodeFlags(const ClockSettings& s);
void DecodeFlags(std::string_view text, ClockSettings& s);
std::string EncodeLongGroup(int32_t value);   // always 4 characters
std::string EncodeShortGroup(int32_t value);  // always 2 characters
// A signed decimal integer and nothing else; nullopt otherwise.
std::optional<int32_t> ParseDecimal(std::string_view text);

}  // namespace orlavox
