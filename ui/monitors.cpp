#include "ui/monitors.h"

#include "ui/dpi.h"

namespace orlavox::ui {
namespace {

PixelRect FromRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info))
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
        {FromRect(info.rcMonitor), FromRect(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0,
         MonitorDpi(monitor)});
  return TRUE;
}

}  // namespace

std::vector<MonitorArea> Monitors() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    const PixelRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    monitors.push_back({screen, screen, true, SystemDpi()});
  }
  return monitors;
}

std::optional<PixelRect> WorkAreaOf(HWND window) {
  RECT r;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetWindowRect(window, &r) || !GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info))
    return std::nullopt;
  return FromRect(info.rcWork);
}

}  // namespace orlavox::ui
