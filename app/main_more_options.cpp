// The main window's "More options": the dialog, the wake timer for the alarm
// and the full-screen test of the periodic announcement.
#include "alarm/alarm_times.h"
#include "alarm/more_options_form.h"
#include "app/clock_source.h"
#include "app/main_form.h"
#include "app/seams.h"
#include "resources/lang_load.h"
#include "settings/settings_store.h"
#include "speech/voice_list.h"

namespace orlavox {

void TMainForm::MoreOptionsClick() {
  const std::optional<bool> supplied = SuppliedModernStandby();
  TMoreOptionsForm dialog(MoreOptions, ClockSettings.Hour24, supplied ? *supplied : SleepsInModernStandby());
  const std::string storedLanguage = LoadWindowLanguageChoice();
  dialog.WindowLanguageChoice = LanguageChoiceIndex(storedLanguage);
  PlaceTaskbarButton(true);
  if (dialog.ShowModal(hwnd_) == ui::kResultOk) {
    ApplyMoreOptionsForm(dialog.Values(), ClockSettings.Hour24, MoreOptions);
    SaveMoreOptionsToRegistry(MoreOptions);  // its own four values, at once
    ArmWakeTimer();
    const std::string language = LanguageChoiceCode(dialog.Values().WindowLanguage);
    if (language != storedLanguage) SaveWindowLanguageChoice(language);
    ChangeWindowLanguage(ChooseWindowLanguage(language, WindowsUiLanguage()));
  }
  PlaceTaskbarButton();  // back to what the window shows
}

void TMainForm::ChangeWindowLanguage(Language language) {
  if (language == WindowLanguage()) return;
  LoadWindowLanguage(language);
  SetFaceLanguage(language);
  SetMainMenuTexts();
  for (size_t i = 0; i < LanguageList.size() && i < LangMenu.Count(); ++i)
    LangMenu.At(i).Caption = VoiceMenuName(LanguageList[i]);
  for (const ButtonInfo& info : Buttons()) ButtonFor(info.Id).SetHint(Tr(info.Hint));
  app_.SetTitle(Tr(Str::main_caption));
  ui::SetWindowCaption(hwnd_, Tr(Mode() == DisplayMode::Small ? Str::main_smallCaption : Str::main_caption));
  SYSTEMTIME now;
  ReadLocalTime(now);
  SetTrayHint(now);
}

void TMainForm::ArmWakeTimer() {
  SYSTEMTIME now;
  ReadLocalTime(now);
  RefreshFirstAlarm();
  WakeAt = MoreOptions.WakeForAlarm ? NextWakeLocal(SecondsSince1970(now), ReadUtcSeconds(), AlarmList.data(),
                                                    AlarmList.size(), TickState.SnoozeDue)
                                    : kNoStamp;
  if (WakeAt == kNoStamp) {
    AlarmWakeTimer.Cancel();
    return;
  }
  AlarmWakeTimer.ArmAt(ToSystemTime(CivilFromMs(WakeAt * 1000)));
}

namespace {

int UserNotificationState() {
  if (const std::optional<int> supplied = SuppliedNotificationState()) return *supplied;
  // Windows Vista and later; an older system holds nothing back.
  using Query = HRESULT(WINAPI*)(int*);
  static const Query query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
  int state = 0;
  return query && SUCCEEDED(query(&state)) ? state : 0;
}

ui::PixelRect FromRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

FrontWindow ReadFrontWindow() {
  FrontWindow front;
  HWND w = GetForegroundWindow();
  HMONITOR monitor = w ? MonitorFromWindow(w, MONITOR_DEFAULTTONULL) : nullptr;
  RECT r;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!monitor || !GetWindowRect(w, &r) || !GetMonitorInfoA(monitor, &info)) return front;
  front.Present = true;
  front.Window = FromRect(r);
  front.Monitor = FromRect(info.rcMonitor);
  front.ShellWindow = w == GetShellWindow() || w == GetDesktopWindow();
  char cls[64];
  if (GetClassNameA(w, cls, sizeof cls)) front.Class = cls;
  return front;
}

}  // namespace

bool TMainForm::FullScreenHoldsBack() const {
  const int state = UserNotificationState();
  return NotificationStateHoldsBack(state) && orlavox::FullScreenHoldsBack(state, ReadFrontWindow());
}

}  // namespace orlavox
