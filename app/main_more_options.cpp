// The main window's "More options": the dialog, the wake timer for the alarm
// and the full-screen test of the periodic announcement.
#include "alarm/alarm_times.h"
#include "alarm/more_options_form.h"
#include "app/clock_source.h"
#include "app/main_form.h"
#include "settings/settings_store.h"

namespace orlavox {

void TMainForm::MoreOptionsClick() {
  TMoreOptionsForm dialog(MoreOptions, ClockSettings.Hour24);
  PlaceTaskbarButton(true);
  if (dialog.ShowModal(hwnd_) == ui::kResultOk) {
    ApplyMoreOptionsForm(dialog.Values(), ClockSettings.Hour24, MoreOptions);
    SaveMoreOptionsToRegistry(MoreOptions);  // its own four values, at once
    ArmWakeTimer();
  }
  PlaceTaskbarButton();  // back to what the window shows
}

void TMainForm::ArmWakeTimer() {
  SYSTEMTIME now;
  ReadLocalTime(now);
  WakeAt = MoreOptions.WakeForAlarm ? NextWakeLocal(SecondsSince1970(now), ReadUtcSeconds(), ClockSettings.AlarmOn,
                                                    ClockSettings.AlarmHour, ClockSettings.AlarmMinute,
                                                    TickState.SnoozeDue)
                                    : kNoStamp;
  if (WakeAt == kNoStamp) {
    AlarmWakeTimer.Cancel();
    return;
  }
  AlarmWakeTimer.ArmAt(ToSystemTime(CivilFromMs(WakeAt * 1000)));
}

bool TMainForm::FullScreenHoldsBack() const {
  // Windows Vista and later; an older system holds nothing back.
  using Query = HRESULT(WINAPI*)(int*);
  static const Query query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryUserNotificationState")));
  int state = 0;
  return query && SUCCEEDED(query(&state)) && NotificationStateHoldsBack(state);
}

}  // namespace orlavox
