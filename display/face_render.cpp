#include "display/face_render.h"

#include "ui/gdi.h"

namespace orlavox {

bool DrawPlan(HDC dc, const FacePlan& plan, const TClockData* store, DisplayMode mode) {
  if (!store || !dc) return false;
  for (const DrawStep& step : plan) {
    const PanelRect cell = CellRect(step.Target, mode);
    SavedDc saved(dc);
    if (!saved.Ok() || IntersectClipRect(dc, cell.Left, cell.Top, cell.Right(), cell.Bottom()) == ERROR) return false;
    if (!store->Draw(dc, step.List, step.Index, cell.Left + step.X, cell.Top + step.Y)) return false;
  }
  return true;
}

bool DrawBackground(HDC dc, const TClockData* store, DisplayMode mode) {
  if (!store) return false;
  return store->Draw(dc, ImageList::Misc, mode == DisplayMode::Small ? kMiscSmallBackground : kMiscBigBackground, 0,
                     0);
}

bool PaintFace(HDC dc, const TClockData* store, const TickTime& t, const FaceSettings& s, DisplayMode mode) {
  return DrawBackground(dc, store, mode) && DrawPlan(dc, PlanRepaint(t, s, mode), store, mode);
}

}  // namespace orlavox
