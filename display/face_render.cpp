#include "display/face_render.h"

#include "ui/gdi.h"
#include "ui/scale.h"

namespace orlavox {

bool DrawPlan(HDC dc, const FacePlan& plan, const TClockData* store, DisplayMode mode) {
  if (!store || !dc) return false;
  const int dpi = store->Dpi();
  for (const DrawStep& step : plan) {
    // Cells and places are the panel's pixels at 96 DPI, scaled to the store's.
    const PanelRect cell = CellRect(step.Target, mode);
    const RECT clip{ui::Scaled(cell.Left, dpi), ui::Scaled(cell.Top, dpi), ui::Scaled(cell.Right(), dpi),
                    ui::Scaled(cell.Bottom(), dpi)};
    if (!store->Draw(dc, step.List, step.Index, ui::Scaled(cell.Left + step.X, dpi), ui::Scaled(cell.Top + step.Y, dpi),
                     &clip))
      return false;
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
