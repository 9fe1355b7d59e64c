#include "ui/dpi.h"

#include "ui/scale.h"
#include "win/system_library.h"

namespace orlavox::ui {
namespace {

template <typename F>
F User32(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

int MonitorDpiOf(HMONITOR monitor) {
  // Windows 8.1 and later; only from the system folder.
  static HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
  static auto getDpiForMonitor =
      shcore ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
             : nullptr;
  UINT x = 0, y = 0;
  if (monitor && getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, 0 /* effective */, &x, &y)) && x)
    return int(x);
  return SystemDpi();
}

}  // namespace

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND hwnd) {
  static auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (hwnd && getDpiForWindow) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi) return int(dpi);
  }
  return hwnd ? MonitorDpiOf(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST)) : SystemDpi();
}

int MonitorDpi(POINT p) { return MonitorDpiOf(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST)); }

int MonitorDpi(HMONITOR monitor) { return MonitorDpiOf(monitor); }

int MetricForDpi(int index, int dpi) {
  static auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  // The system's metrics are those of the system's scale.
  if (forDpi && dpi != SystemDpi()) return forDpi(index, UINT(dpi));
  return GetSystemMetrics(index);
}

void AdjustForDpi(RECT& r, DWORD style, DWORD exStyle, int dpi) {
  static auto forDpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  if (forDpi && dpi != SystemDpi() && forDpi(&r, style, FALSE, exStyle, UINT(dpi))) return;
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

}  // namespace orlavox::ui
