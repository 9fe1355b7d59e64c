#pragma once
// The display scale Windows gives a window, read through the newest call the
// system has: per-monitor (Windows 10: GetDpiForWindow; 8.1: GetDpiForMonitor),
// else the system's (LOGPIXELSX). Older systems lack the newer calls, so they
// are looked up at run time.
#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace orlavox::ui {

// Dots per inch of the window's monitor; of the system when unknown.
int WindowDpi(HWND hwnd);
// Dots per inch of the monitor under the point (screen coordinates).
int MonitorDpi(POINT p);
// Dots per inch of the monitor (GetDpiForMonitor); of the system when unknown.
int MonitorDpi(HMONITOR monitor);
int SystemDpi();
// Whether the calling thread is aware of each monitor's scale in the second
// way (Windows 10 1703 and later), where Windows scales the frame too.
bool ThreadPerMonitorV2();
// A system metric (SM_CYCAPTION, ...) at `dpi`; at the system's scale where
// the thread is not per-monitor v2 (MetricsDpi in ui/scale.h).
int MetricForDpi(int index, int dpi);
// Window rectangle for a client rectangle, with the frame at `dpi` (the same
// rule).
void AdjustForDpi(RECT& r, DWORD style, DWORD exStyle, int dpi);
// The system's message font at `dpi` (the same rule); false when unknown.
bool MessageFontForDpi(LOGFONTW& font, int dpi);

// While it lives, the thread creates windows aware of the system's scale only,
// which Windows stretches on every other scale: for windows of other code
// (the help viewer, the rich-text control) that do not follow a change of
// scale themselves. The thread's earlier awareness comes back when it goes.
// Without the calls (before Windows 10 1607) it does nothing.
class SystemAwareScope {
 public:
  SystemAwareScope();
  ~SystemAwareScope();
  SystemAwareScope(const SystemAwareScope&) = delete;
  SystemAwareScope& operator=(const SystemAwareScope&) = delete;

 private:
  HANDLE previous_ = nullptr;  // the thread's DPI_AWARENESS_CONTEXT before
};

}  // namespace orlavox::ui
