#pragma once
// Display scale: every size the program knows is given for 96 dots per inch
// (100 %) and scaled here to the dots per inch of the window's monitor, times
// the face's zoom for the main window. At 96 every value stays as it is.
#include <string>

#include "ui/control_table.h"

namespace orlavox::ui {

inline constexpr int kBaseDpi = 96;

// `value` (pixels at 96 DPI) at `dpi`, rounded to the nearest pixel, halves
// away from zero. The one function every size of the program goes through.
int Scaled(int value, int dpi);
// A rectangle scaled by its edges, so neighbours stay neighbours.
PixelRect Scaled(PixelRect r, int dpi);
// A font height (negative: character height, as LOGFONT has it) at `dpi`.
inline int ScaledFont(int height, int dpi) { return Scaled(height, dpi); }

// The face's zoom, in per cent of the display scale.
inline constexpr int kZoomMin = 100, kZoomMax = 300, kZoomStep = 25;
// The stored "Zoom" value read back: a whole number of steps from 100 to 300;
// anything else (missing, not a number, out of range, between steps) is 100.
int ParseZoom(const std::string& text);
std::string ZoomText(int zoom);
// One step in (`steps` > 0) or out (< 0), kept inside 100..300.
int StepZoom(int zoom, int steps);
// The face's dots per inch: the monitor's times the zoom.
int ZoomedDpi(int dpi, int zoom);

// The scale at which Windows' own sizes (system metrics, the frame, the
// message font) are asked for. Only a thread aware of each monitor's scale in
// the second way (Windows 10 1703 and later) has its frame scaled by Windows
// with the window; in the first way (1607) the frame, and so every metric,
// stays at the system's scale.
int MetricsDpi(bool perMonitorV2, int windowDpi, int systemDpi);

}  // namespace orlavox::ui
