// The main window's settings in the registry: read at the start, written at
// the close and whenever a choice is confirmed.
#include "alarm/alarm_store.h"
#include "app/main_form.h"
#include "win/wide_text.h"
#include "settings/settings_store.h"

namespace orlavox {

// UTF-8: the folder's name need not be one the ANSI code page can spell.
std::string TMainForm::ModulePath() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return Utf8(path, int(n));
}

std::string TMainForm::ModuleFolder() {
  const std::string path = ModulePath();
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

void TMainForm::CheckRegistry() { FirstRun = CheckFirstRunInRegistry(); }

void TMainForm::OpenRegistry() {
  const DesktopSize desktop{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
  const LoadedSettings loaded = LoadSettingsFromRegistry(FirstRun, desktop, ModulePath());
  ClockSettings = loaded.Settings;
  LanguageStored = loaded.LanguageStored;
  if (loaded.NewVersion) NewVersion = true;
  if (FirstRun) {
    // A new user sees the hours as the region's own time format counts them.
    char format[80] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, sizeof format))
      ClockSettings.Hour24 = TimeFormatIs24Hour(format);
  }
  SetWindowPos(hwnd_, nullptr, ClockSettings.WindowLeft, ClockSettings.WindowTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer1(UINT(ClockSettings.UpdateInterval), timer1Enabled_);
  ApplyGlobalShortcut();
  AlarmList = LoadAlarmsFromRegistry(ClockSettings);
  MoreOptions = LoadMoreOptionsFromRegistry();
  if (const std::optional<int64_t> rung = LoadAlarmRungFromRegistry()) TickState.RungAlarm = *rung;
}

void TMainForm::ApplyGlobalShortcut() {
  GlobalSpeechKey.SetHotKey(kSpeakShortCut);
  GlobalSpeechKey.SetActive(ClockSettings.GlobalShortcut);
  MainPopupMenu.Find("MI_Speak")->ShortCut =
      ClockSettings.GlobalShortcut ? ShortcutText(MainPopupMenuItems()[0].Keys) : std::string();
}

void TMainForm::SaveSettings() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  savedLeft_ = r.left;
  savedTop_ = r.top;
  SaveSettingsToRegistry(ClockSettings, r.top, r.left, ModulePath());
  RefreshFirstAlarm();
  SaveAlarmsToRegistry(AlarmList);
}

void TMainForm::SavePlaceIfMoved() {
  RECT r{};
  if (closed_ || !GetWindowRect(hwnd_, &r) || (r.left == savedLeft_ && r.top == savedTop_)) return;
  SaveSettings();
}

}  // namespace orlavox
