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
// A system metric (SM_CYCAPTION, ...) at `dpi`.
int MetricForDpi(int index, int dpi);
// Window rectangle for a client rectangle, with the frame at `dpi`.
void AdjustForDpi(RECT& r, DWORD style, DWORD exStyle, int dpi);

}  // namespace orlavox::ui
