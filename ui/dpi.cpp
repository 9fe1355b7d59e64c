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
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
// DPI_AWARENESS_CONTEXT is a handle; its values are fixed.
using GetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)();
using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);
using AreDpiAwarenessContextsEqualFn = BOOL(WINAPI*)(HANDLE, HANDLE);
const HANDLE kSystemAware = reinterpret_cast<HANDLE>(-2);
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(-4);

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

bool ThreadPerMonitorV2() {
  static auto get = User32<GetThreadDpiAwarenessContextFn>("GetThreadDpiAwarenessContext");
  static auto equal = User32<AreDpiAwarenessContextsEqualFn>("AreDpiAwarenessContextsEqual");
  return get && equal && equal(get(), kPerMonitorAwareV2);
}

// The system's metrics are those of the system's scale: the ...ForDpi calls
// only for another scale, and only where Windows scales the frame with it.
int MetricForDpi(int index, int dpi) {
  static auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  const int system = SystemDpi(), at = MetricsDpi(ThreadPerMonitorV2(), dpi, system);
  if (forDpi && at != system) return forDpi(index, UINT(at));
  return GetSystemMetrics(index);
}

void AdjustForDpi(RECT& r, DWORD style, DWORD exStyle, int dpi) {
  static auto forDpi = User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  const int system = SystemDpi(), at = MetricsDpi(ThreadPerMonitorV2(), dpi, system);
  if (forDpi && at != system && forDpi(&r, style, FALSE, exStyle, UINT(at))) return;
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

bool MessageFontForDpi(LOGFONTW& font, int dpi) {
  static auto forDpi = User32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  const int system = SystemDpi(), at = MetricsDpi(ThreadPerMonitorV2(), dpi, system);
  NONCLIENTMETRICSW m{};
  m.cbSize = sizeof m;
  const bool got = forDpi && at != system ? forDpi(SPI_GETNONCLIENTMETRICS, m.cbSize, &m, 0, UINT(at))
                                          : SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, m.cbSize, &m, 0);
  if (!got || !m.lfMessageFont.lfFaceName[0]) return false;
  font = m.lfMessageFont;
  return true;
}

SystemAwareScope::SystemAwareScope() {
  static auto set = User32<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext");
  if (set) previous_ = set(kSystemAware);
}

SystemAwareScope::~SystemAwareScope() {
  static auto set = User32<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext");
  if (set && previous_) set(previous_);
}

}  // namespace orlavox::ui
