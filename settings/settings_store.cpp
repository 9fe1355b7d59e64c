#include "settings/settings_store.h"

#include "ui/scale.h"
#include "win/registry.h"

namespace orlavox {
namespace {

StoredString Read(const Registry& reg, const char* name) {
  std::string text;
  if (reg.ReadString(name, text) == ReadStatus::BadData) return std::nullopt;
  return text;
}

// A path, through the wide calls: one in any script reads back unchanged.
StoredString ReadPath(const Registry& reg, const char* name) {
  std::string text;
  if (reg.ReadUtf8String(name, text) == ReadStatus::BadData) return std::nullopt;
  return text;
}

void WriteAutoStart(Registry& reg, bool on, const std::string& programPath) {
  if (on) {
    // Quoted: Windows splits an unquoted command at its first space and
    // would try "...\Programs\Multilingual.exe" first. An entry of an older
    // version, unquoted, is ours all the same and is replaced.
    if (reg.OpenKey(kRunKey, false) || reg.OpenKey(kRunKeyNT, false) || reg.OpenKey(kRunKey, true))
      reg.WriteUtf8String(kRunValue, RunCommand(programPath));
  } else {
    if (reg.OpenKey(kRunKey, false)) reg.DeleteValue(kRunValue);
    if (reg.OpenKey(kRunKeyNT, false)) reg.DeleteValue(kRunValue);
  }
  reg.CloseKey();
}

}  // namespace

bool CheckFirstRunInRegistry() {
  Registry reg;
  bool settings = false, oldEdition = false;
  if (reg.KeyExists(kSettingsKey) && reg.OpenKey(kSettingsKey, false)) settings = reg.ValueExists("BinSettings");
  if (reg.KeyExists(kOldEditionKey) && reg.OpenKey(kOldEditionKey, false)) oldEdition = reg.ValueExists("WindowTop");
  return DecideFirstRun(settings, oldEdition);
}

LoadedSettings LoadSettingsFromRegistry(bool firstRun, DesktopSize desktop, const std::string& programPath) {
  Registry reg;
  reg.OpenKey(kSettingsKey, true);  // unopened, every value reads as empty
  StoredSettings stored;
  stored.BinSettings = Read(reg, "BinSettings");
  stored.LNumSettings = Read(reg, "LNumSettings");
  stored.SNumSettings = Read(reg, "SNumSettings");
  stored.WaveFileName = ReadPath(reg, "WaveFileName");
  stored.SelLang = Read(reg, "SelLang");
  stored.CurrentVer = Read(reg, "CurrentVer");
  LoadedSettings loaded = DecodeSettings(stored, firstRun, desktop);
  loaded.LanguageStored = reg.ValueExists("SelLang");
  if (loaded.WriteCurrentVer) reg.WriteString("CurrentVer", kCurrentVersion);
  if (reg.ValueExists(kSetAutoStartValue)) {
    // The program, not the installer, owns the Run value: it follows the request now.
    loaded.Settings.AutoStart = Read(reg, kSetAutoStartValue) == "1";
    WriteAutoStart(reg, loaded.Settings.AutoStart, programPath);
  }
  return loaded;
}

bool SaveSettingsToRegistry(const ClockSettings& s, int32_t windowTop, int32_t windowLeft,
                            const std::string& programPath) {
  const EncodedSettings e = EncodeSettings(s, windowTop, windowLeft);
  Registry reg;
  bool ok = reg.OpenKey(kSettingsKey, true);
  ok = reg.WriteString("BinSettings", e.BinSettings) && ok;
  ok = reg.WriteString("LNumSettings", e.LNumSettings) && ok;
  ok = reg.WriteString("SNumSettings", e.SNumSettings) && ok;
  // A REG_SZ written through the wide call: an ASCII path is the same bytes
  // for a reader of the ANSI value, any other keeps every character.
  ok = reg.WriteUtf8String("WaveFileName", e.WaveFileName) && ok;
  ok = reg.WriteString("SelLang", e.SelLang) && ok;
  // The installer's request is stored now: it goes.
  if (ok && reg.ValueExists(kSetAutoStartValue)) reg.DeleteValue(kSetAutoStartValue);
  WriteAutoStart(reg, s.AutoStart, programPath);
  return ok;
}

int LoadZoomFromRegistry() {
  Registry reg;
  std::string text;
  if (!reg.OpenKey(kSettingsKey, false) || reg.ReadString("Zoom", text) != ReadStatus::Ok) return ui::kZoomMin;
  return ui::ParseZoom(text);
}

bool SaveZoomToRegistry(int zoom) {
  Registry reg;
  return reg.OpenKey(kSettingsKey, true) && reg.WriteString("Zoom", ui::ZoomText(zoom));
}

void MarkVoiceLoading(const std::string& markText) {
  Registry reg;
  if (reg.OpenKey(kSettingsKey, true)) reg.WriteUtf8String(kVoiceLoadingValue, markText);
}

bool SaveSelectedLanguageToRegistry(int selected) {
  Registry reg;
  return reg.OpenKey(kSettingsKey, true) && reg.WriteString("SelLang", std::to_string(selected));
}

void ClearVoiceLoadingMark() {
  Registry reg;
  if (reg.OpenKey(kSettingsKey, false)) reg.DeleteValue(kVoiceLoadingValue);
}

std::optional<std::string> ReadVoiceLoadingMark() {
  Registry reg;
  std::string name;
  if (!reg.OpenKey(kSettingsKey, false) || reg.ReadUtf8String(kVoiceLoadingValue, name) != ReadStatus::Ok)
    return std::nullopt;
  return name;
}

std::optional<int64_t> LoadAlarmRungFromRegistry() {
  Registry reg;
  std::string text;
  if (!reg.OpenKey(kSettingsKey, false) || reg.ReadString(kAlarmRungValue, text) != ReadStatus::Ok) return std::nullopt;
  if (const std::optional<int32_t> minute = ParseDecimal(text)) return *minute;
  return std::nullopt;
}

bool SaveAlarmRungToRegistry(int64_t minute) {
  Registry reg;
  return reg.OpenKey(kSettingsKey, true) && reg.WriteString(kAlarmRungValue, std::to_string(minute));
}

std::string LoadWindowLanguageChoice() {
  Registry reg;
  std::string code;
  if (!reg.OpenKey(kSettingsKey, false) || reg.ReadString(kWindowLanguageValue, code) != ReadStatus::Ok) return {};
  return code;
}

bool SaveWindowLanguageChoice(const std::string& code) {
  Registry reg;
  if (!reg.OpenKey(kSettingsKey, true)) return false;
  if (code.empty()) return !reg.ValueExists(kWindowLanguageValue) || reg.DeleteValue(kWindowLanguageValue);
  return reg.WriteString(kWindowLanguageValue, code);
}

MoreOptions LoadMoreOptionsFromRegistry() {
  Registry reg;
  StoredMoreOptions stored;
  if (reg.OpenKey(kSettingsKey, false)) {
    stored.QuietHours = Read(reg, kQuietHoursValue);
    stored.HoldBackFullScreen = Read(reg, kHoldBackFullScreenValue);
    stored.SnoozeMinutes = Read(reg, kSnoozeMinutesValue);
    stored.WakeForAlarm = Read(reg, kWakeForAlarmValue);
  }
  return DecodeMoreOptions(stored);
}

bool SaveMoreOptionsToRegistry(const MoreOptions& o) {
  const EncodedMoreOptions e = EncodeMoreOptions(o);
  Registry reg;
  bool ok = reg.OpenKey(kSettingsKey, true);
  ok = reg.WriteString(kQuietHoursValue, e.QuietHours) && ok;
  ok = reg.WriteString(kHoldBackFullScreenValue, e.HoldBackFullScreen) && ok;
  ok = reg.WriteString(kSnoozeMinutesValue, e.SnoozeMinutes) && ok;
  ok = reg.WriteString(kWakeForAlarmValue, e.WakeForAlarm) && ok;
  return ok;
}

}  // namespace orlavox
