#pragma once
// Draws the clock face into a device context: the panel's DC of the main
// window (in WM_PAINT or straight from the clock tick) or a memory bitmap.
// Coordinates are the panel's: the background panel sits at (0, 0) of `dc`;
// set a viewport origin first to draw it elsewhere. The layout's pixels are
// for 96 DPI and drawn at the store's scale.
//
// How the main window uses it:
//   WM_PAINT:        PaintFace(ps.hdc, store, now, settings, mode);
//   a field changed: FacePlan p; PlanUpdateSeconds(p, now);
//                    DrawPlan(dc, p, store, mode);   // dc from GetDC(panel)
// When a plan hides Hour1Paintbox (FacePlan::Hour1 == Visibility::Hide) the
// caller invalidates CellRect(Cell::Hour1, mode) so the next WM_PAINT shows the
// background there; a plan never draws into a hidden cell.
#include <windows.h>

#include "display/clock_data.h"
#include "display/face_layout.h"
#include "display/face_plan.h"

namespace orlavox {

// Draws the plan's steps in order, each image clipped to its cell (and to the
// DC's own clipping). A null store or an image that cannot be drawn ends the
// drawing there: false, the rest is skipped.
bool DrawPlan(HDC dc, const FacePlan& plan, const TClockData* store, DisplayMode mode);

// The background panel's picture for the mode (MiscList 15 or 16) at (0, 0).
bool DrawBackground(HDC dc, const TClockData* store, DisplayMode mode);

// A whole repaint: the background, then everything of the current mode.
bool PaintFace(HDC dc, const TClockData* store, const TickTime& t, const FaceSettings& s, DisplayMode mode);

}  // namespace orlavox
