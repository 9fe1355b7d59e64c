#include "ui/monitor_place.h"

#include <algorithm>
#include <cstdint>

namespace orlavox::ui {
namespace {

int64_t Overlap(const PixelRect& a, const PixelRect& b) {
  const int64_t w = std::min(a.Left + a.Width, b.Left + b.Width) - std::max(a.Left, b.Left);
  const int64_t h = std::min(a.Top + a.Height, b.Top + b.Height) - std::max(a.Top, b.Top);
  return w > 0 && h > 0 ? w * h : 0;
}

// How far a span [lo, lo + size) lies from the point range [from, from + length).
int64_t Gap(int64_t lo, int64_t size, int64_t from, int64_t length) {
  if (lo + size <= from) return from - (lo + size);
  if (lo >= from + length) return lo - (from + length);
  return 0;
}

int64_t SquaredDistance(const PixelRect& a, const PixelRect& b) {
  const int64_t dx = Gap(a.Left, a.Width, b.Left, b.Width);
  const int64_t dy = Gap(a.Top, a.Height, b.Top, b.Height);
  return dx * dx + dy * dy;
}

}  // namespace

size_t MonitorFor(const std::vector<MonitorArea>& monitors, const std::optional<PixelRect>& anchor) {
  size_t primary = 0;
  for (size_t i = 0; i < monitors.size(); ++i)
    if (monitors[i].Primary) {
      primary = i;
      break;
    }
  if (!anchor || anchor->Width <= 0 || anchor->Height <= 0) return primary;
  size_t best = primary;
  int64_t bestOverlap = 0;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const int64_t o = Overlap(*anchor, monitors[i].Monitor);
    if (o > bestOverlap) {
      bestOverlap = o;
      best = i;
    }
  }
  if (bestOverlap > 0) return best;
  int64_t nearest = -1;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const int64_t d = SquaredDistance(*anchor, monitors[i].Monitor);
    if (nearest < 0 || d < nearest) {
      nearest = d;
      best = i;
    }
  }
  return best;
}

PixelRect CentreIn(PixelRect work, int width, int height) {
  const PixelRect centred{work.Left + (work.Width - width) / 2, work.Top + (work.Height - height) / 2, width, height};
  return KeepInside(centred, work);
}

PixelRect PlaceOnMonitor(const MonitorArea& monitor, PixelRect designed) {
  designed.Left += monitor.Monitor.Left;
  designed.Top += monitor.Monitor.Top;
  return KeepInside(designed, monitor.Work);
}

FormPlace PlaceForm(const std::vector<MonitorArea>& monitors, const std::optional<PixelRect>& owner,
                    bool ownerShown, const std::optional<PixelRect>& taskbar, const FormSpot& spot,
                    const std::function<PixelRect(int dpi)>& windowSize) {
  FormPlace place;
  if (!spot.Centred && !spot.KeepOnScreen) {
    // A place on the virtual screen: the monitor under it gives the scale.
    const PixelRect base = windowSize(96);
    place.Monitor = MonitorFor(monitors, PixelRect{spot.Left, spot.Top, base.Width, base.Height});
  } else {
    place.Monitor = MonitorFor(monitors, owner && ownerShown ? owner : taskbar);
  }
  const MonitorArea& monitor = monitors[place.Monitor];
  place.Dpi = monitor.Dpi > 0 ? monitor.Dpi : 96;
  const PixelRect size = windowSize(place.Dpi);
  if (spot.Centred)
    place.Window = CentreIn(monitor.Work, size.Width, size.Height);
  else if (spot.KeepOnScreen)
    place.Window = PlaceOnMonitor(monitor, {spot.Left, spot.Top, size.Width, size.Height});
  else
    place.Window = {spot.Left, spot.Top, size.Width, size.Height};
  return place;
}

}  // namespace orlavox::ui
