#pragma once
// Where a dialog opens when there are several monitors: on the monitor that
// holds the window it belongs to, never on the seam between two, and at that
// monitor's scale. Monitors may lie left of or above the primary one
// (negative coordinates) and have scales of their own.
#include <functional>
#include <optional>
#include <vector>

#include "ui/control_table.h"

namespace orlavox::ui {

struct MonitorArea {
  PixelRect Monitor;  // the whole monitor, in virtual-screen coordinates
  PixelRect Work;     // without the taskbar and docked bars
  bool Primary = false;
  int Dpi = 96;       // the monitor's own display scale
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

// Where a form goes: centred on its monitor's work area, at a place of its
// own taken from the monitor's corner and kept on the work area, or at a
// place of its own on the virtual screen.
struct FormSpot {
  bool Centred = true;
  bool KeepOnScreen = false;
  int Left = 0, Top = 0;
};
struct FormPlace {
  size_t Monitor = 0;  // index in the list of monitors
  int Dpi = 96;        // the scale the form is laid out and created at
  PixelRect Window;    // its window, in virtual-screen coordinates
};
// The monitor a dialog opens on, that monitor's scale and the window there.
// `owner` is the window the dialog belongs to; while it is hidden (in the
// tray, minimised) the dialog goes by the taskbar's monitor, else the
// primary one, and the scale of the monitor the owner last sat on plays no
// part. `windowSize` gives the whole window's Width and Height at a scale.
FormPlace PlaceForm(const std::vector<MonitorArea>& monitors, const std::optional<PixelRect>& owner,
                    bool ownerShown, const std::optional<PixelRect>& taskbar, const FormSpot& spot,
                    const std::function<PixelRect(int dpi)>& windowSize);

}  // namespace orlavox::ui
