#include "ui/scale.h"

#include <cstdlib>

namespace orlavox::ui {

int Scaled(int value, int dpi) {
  if (dpi == kBaseDpi) return value;
  const long long n = static_cast<long long>(value) * dpi;
  const long long half = kBaseDpi / 2;
  return static_cast<int>(n >= 0 ? (n + half) / kBaseDpi : -((-n + half) / kBaseDpi));
}

PixelRect Scaled(PixelRect r, int dpi) {
  const int left = Scaled(r.Left, dpi), top = Scaled(r.Top, dpi);
  return {left, top, Scaled(r.Left + r.Width, dpi) - left, Scaled(r.Top + r.Height, dpi) - top};
}

int ParseZoom(const std::string& text) {
  if (text.empty() || text.size() > 3) return kZoomMin;
  for (char c : text)
    if (c < '0' || c > '9') return kZoomMin;
  const int z = std::atoi(text.c_str());
  if (z < kZoomMin || z > kZoomMax || z % kZoomStep) return kZoomMin;
  return z;
}

std::string ZoomText(int zoom) { return std::to_string(zoom); }

int StepZoom(int zoom, int steps) {
  int z = zoom + steps * kZoomStep;
  if (z < kZoomMin) z = kZoomMin;
  if (z > kZoomMax) z = kZoomMax;
  return z;
}

int ZoomedDpi(int dpi, int zoom) { return dpi * zoom / 100; }

int MetricsDpi(bool perMonitorV2, int windowDpi, int systemDpi) {
  return perMonitorV2 && windowDpi > 0 ? windowDpi : systemDpi;
}

}  // namespace orlavox::ui
