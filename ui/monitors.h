#pragma once
// The monitors as Windows reports them, for the placement rules of
// monitor_place.h.
#include <windows.h>

#include <optional>
#include <vector>

#include "ui/monitor_place.h"

namespace orlavox::ui {

// Every monitor with its work area and scale; the primary screen alone when
// Windows reports none.
std::vector<MonitorArea> Monitors();

// The work area of the monitor holding the largest part of `window` (the
// nearest one when it lies on none); none when the window or the monitor
// cannot be read.
std::optional<PixelRect> WorkAreaOf(HWND window);

}  // namespace orlavox::ui
