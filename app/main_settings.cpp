// The settings dialog applied to the running clock, and the notices of the
// first start.
#include "app/main_form.h"
#include "settings/notices.h"
#include "settings/settings_dialog.h"
#include "win/registry.h"

namespace orlavox {

void TMainForm::SetupButtonClick() {
  TSettingsForm dialog(ClockSettings);
  PlaceTaskbarButton(true);
  if (dialog.ShowModal(hwnd_) == ui::kResultOk) {
    const orlavox::ClockSettings& chosen = dialog.Settings();
    ClockSettings.Hour24 = chosen.Hour24;
    ClockSettings.StartInTray = chosen.StartInTray;
    if (chosen.TransparentButtons != ClockSettings.TransparentButtons) {
      ClockSettings.TransparentButtons = chosen.TransparentButtons;
      ChangeButtonMode();
    }
    ClockSettings.AutoStart = chosen.AutoStart;  // the log-on entry follows when the settings are saved
    ClockSettings.ShowInTaskbar = chosen.ShowInTaskbar;
    PlaceTaskbarButton(true);
    ClockSettings.UpdateInterval = chosen.UpdateInterval;
    SetTimer1(UINT(ClockSettings.UpdateInterval), timer1Enabled_);
    if (chosen.Windowless != ClockSettings.Windowless) {
      ClockSettings.Windowless = chosen.Windowless;
      ChangeMode();
    }
    ClockSettings.GlobalShortcut = chosen.GlobalShortcut;
    ApplyGlobalShortcut();
    ClockSettings.OnTop = chosen.OnTop;
    const bool topmost = (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (ClockSettings.OnTop != topmost)
      SetWindowPos(hwnd_, ClockSettings.OnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // A change of the hour format shows at once, not at the next hour.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SaveSettings();
  }
  // The taskbar button is where the setting wants it, whichever way the
  // dialog closed.
  PlaceTaskbarButton();
}

void TMainForm::ShowNotices() {
  if (NewVersion) {
    // Cleared first: ticks served by the notice's own loop must not open it again.
    NewVersion = false;
    FirstRunPending = false;
    {
      TNewVerForm notice;
      notice.ShowModal(hwnd_);
    }
    // The older edition's settings are not needed any more; a failure is of
    // no concern to the user.
    Registry reg;
    if (reg.KeyExists(kOldEditionKey)) reg.DeleteKey(kOldEditionKey);
  }
  if (FirstRun) {
    FirstRun = false;
    FirstRunPending = false;
    TInfoForm notice;
    notice.ShowModal(hwnd_);
  }
}

}  // namespace orlavox
