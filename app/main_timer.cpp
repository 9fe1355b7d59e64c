// The clock's timer: every UpdateInterval while the face is seen, aimed at
// the next minute while nobody can see it (the window in the tray or
// minimised, the session locked, the display off), and the session and
// display notifications that tell.
#include <cstring>

#include "app/clock_source.h"
#include "app/main_form.h"
#include "app/seams.h"
#include "app/tick_timer.h"
#include "win/system_library.h"

namespace orlavox {
namespace {

// GUID_CONSOLE_DISPLAY_STATE: the display went off (0), on (1) or dimmed (2).
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr DWORD kNotifyForThisSession = 0;

template <class F>
F Export(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Windows 8 and later may fire a timer up to its tolerance late, to wake
// the processor once for several programs; elsewhere a plain timer.
void SetTickTimer(HWND w, UINT_PTR id, UINT ms, ULONG tolerance) {
  using Coalescable = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);
  static const Coalescable coalescable = Export<Coalescable>(GetModuleHandleA("user32.dll"), "SetCoalescableTimer");
  if (!coalescable || !coalescable(w, id, ms, nullptr, tolerance)) SetTimer(w, id, ms, nullptr);
}

}  // namespace

void TMainForm::SetTimer1(UINT interval, bool enabled) {
  timer1Interval_ = interval;
  timer1Enabled_ = enabled;
  timer1Period_ = 0;  // set anew
  if (!hwnd_) return;
  if (enabled) {
    ScheduleTimer1();
  } else {
    KillTimer(hwnd_, kTimer1);
    timer1Aimed_ = false;
  }
}

bool TMainForm::FaceSeen() const {
  return IsWindowVisible(hwnd_) && !IsIconic(hwnd_) && !sessionLocked_ && !displayOff_;
}

void TMainForm::ScheduleTimer1() {
  if (!hwnd_ || !timer1Enabled_ || closed_) return;
  TickTimerInputs in;
  in.FaceSeen = faceSeen_;
  in.Pending = CloseRequested;
  // The polled tick runs on by itself: nothing to read or set at each tick.
  if ((in.FaceSeen || in.Pending) && !timer1Aimed_ && timer1Period_) return;
  in.Hovering = TrayHintTimes.Hovering();
  in.PolledMs = TimerPeriod(timer1Interval_);
  SYSTEMTIME st;
  ReadLocalTime(st);
  in.LocalMs = SecondsSince1970(st) * 1000 + st.wMilliseconds;
  in.Utc = ReadUtcSeconds();
  in.SnoozeDue = TickState.SnoozeDue;
  in.Rate = ClockRate();
  const TickTimer t = PlanTickTimer(in);
  SetTickTimer(hwnd_, kTimer1, t.DueMs, t.ToleranceMs);
  timer1Aimed_ = !t.Polled;
  timer1Period_ = t.Polled ? t.DueMs : 0;
}

void TMainForm::FaceStateChanged() {
  faceStatePosted_ = false;
  const bool was = faceSeen_;
  faceSeen_ = FaceSeen();
  ScheduleTimer1();
  if (faceSeen_ && !was && timer1Enabled_ && !closed_) {
    // Seen again: the face is brought up to date now, not at the next interval.
    Timer1Timer();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
}

// The session notifications' library is wanted only to register and to
// unregister: loaded for each and let go at once, the registration being the
// system's. It takes no room in the clock's memory while the clock runs.
void TMainForm::WatchSession() {
  displayNotify_ = RegisterPowerSettingNotification(hwnd_, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
  const UniqueHandle<HMODULE, FreeModule> wtsapi(LoadSystemLibrary(L"wtsapi32.dll"));
  using Register = BOOL(WINAPI*)(HWND, DWORD);
  const auto watch = Export<Register>(wtsapi.Get(), "WTSRegisterSessionNotification");
  sessionWatched_ = watch && watch(hwnd_, kNotifyForThisSession);
}

void TMainForm::UnwatchSession() {
  if (displayNotify_) UnregisterPowerSettingNotification(displayNotify_);
  displayNotify_ = nullptr;
  if (!sessionWatched_) return;
  sessionWatched_ = false;
  const UniqueHandle<HMODULE, FreeModule> wtsapi(LoadSystemLibrary(L"wtsapi32.dll"));
  using Unregister = BOOL(WINAPI*)(HWND);
  if (const auto unwatch = Export<Unregister>(wtsapi.Get(), "WTSUnRegisterSessionNotification")) unwatch(hwnd_);
}

bool TMainForm::SessionMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_WTSSESSION_CHANGE && (wp == WTS_SESSION_LOCK || wp == WTS_SESSION_UNLOCK)) {
    sessionLocked_ = wp == WTS_SESSION_LOCK;
  } else if (msg == WM_POWERBROADCAST && wp == PBT_POWERSETTINGCHANGE && lp) {
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lp);
    DWORD state = 0;
    if (std::memcmp(&setting->PowerSetting, &kConsoleDisplayState, sizeof(GUID)) != 0 ||
        setting->DataLength < sizeof state)
      return false;
    std::memcpy(&state, setting->Data, sizeof state);
    displayOff_ = state == 0;  // dimmed is still seen
  } else {
    return false;
  }
  FaceStateChanged();
  return true;
}

}  // namespace orlavox
