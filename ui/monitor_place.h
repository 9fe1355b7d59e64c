#pragma once
// Where a dialog opens when there are several monitors: on the monitor that
// holds the window it belongs to, never on the seam between two. Monitors may
// lie left of or above the primary one (negative coordinates).
#include <optional>
#include <vector>

#include "ui/control_table.h"

namespace orlavox::ui {

struct MonitorArea {
  PixelRect Monitor;  // the whole monitor, in virtual-screen coordinates
  PixelRect Work;     // without the taskbar and docked bars
  bool Primary = false;
};

// The index of the monitor for a window that belongs to `anchor` (the
// program's own window, or the taskbar when that window is hidden): the
// monitor holding the largest part of it; when it lies on none, the monitor
// nearest to it. Without an anchor, or when it has no area: the primary
// monitor (the first one when none is marked). `monitors` must not be empty.
size_t MonitorFor(const std::vector<MonitorArea>& monitors, const std::optional<PixelRect>& anchor);

// A window of `width` x `height` centred on the work area `work`; one larger
// than the work area keeps its top-left corner on it.
PixelRect CentreIn(PixelRect work, int width, int height);

// A window designed at `designed` on a screen that starts at the monitor's
// top-left corner: moved with the monitor, then just enough to lie inside
// its work area.
PixelRect PlaceOnMonitor(const MonitorArea& monitor, PixelRect designed);

}  // namespace orlavox::ui
