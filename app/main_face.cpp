// Drawing the clock face and the tray clock. Drawing stops silently when it
// cannot draw (before the image store exists, for one).
#include <algorithm>

#include "app/main_form.h"
#include "ui/gdi.h"
#include "ui/scale.h"
#include "display/clock_data.h"
#include "display/face_plan.h"
#include "display/face_render.h"
#include "shell/tray_icon_image.h"

namespace orlavox {
namespace {

// The alarm mark shows while any alarm is on (the first one's switch is the settings record's).
FaceSettings FaceSettingsOf(const ClockSettings& s, const std::vector<AlarmEntry>& alarms) {
  const bool alarmOn = s.AlarmOn || std::any_of(alarms.begin() + 1, alarms.end(), [](const AlarmEntry& a) { return a.On; });
  return FaceSettings{s.Hour24, alarmOn, s.AnnounceOn};
}

}  // namespace

// Every drawing operation of the tick ends here: nothing is drawn while the
// window is hidden; the paint puts the whole face back when it shows again.
void TMainForm::DrawFacePlan(const FacePlan& plan) {
  if (!IsWindowVisible(hwnd_)) return;
  WindowDc dc(hwnd_);
  if (!dc.Get()) return;
  DrawPlan(dc.Get(), plan, ClockData, Mode());
  if (plan.Hour1 == Visibility::Hide) {
    // The hidden hour cell shows the background: the next paint puts it back.
    const PanelRect c = CellRect(Cell::Hour1, Mode());
    RECT r{ui::Scaled(c.Left, faceDpi_), ui::Scaled(c.Top, faceDpi_), ui::Scaled(c.Right(), faceDpi_),
           ui::Scaled(c.Bottom(), faceDpi_)};
    InvalidateRect(hwnd_, &r, FALSE);
  }
}

void TMainForm::UpdateHours() {
  FacePlan plan;
  PlanUpdateHours(plan, TickTime, FaceSettingsOf(ClockSettings, AlarmList));
  DrawFacePlan(plan);
}

void TMainForm::UpdateMinutes() {
  FacePlan plan;
  PlanUpdateMinutes(plan, TickTime);
  DrawFacePlan(plan);
}

void TMainForm::UpdateSeconds() {
  FacePlan plan;
  // Called by the tick before it remembers the time: LastTick holds the second on the face.
  PlanUpdateSeconds(plan, TickTime, LastTick.Second);
  DrawFacePlan(plan);
}

void TMainForm::UpdateDate() {
  FacePlan plan;
  PlanUpdateDate(plan, TickTime);
  DrawFacePlan(plan);
}

void TMainForm::UpdateMiniTime() {
  FacePlan plan;
  PlanUpdateMiniTime(plan, TickTime, FaceSettingsOf(ClockSettings, AlarmList));
  DrawFacePlan(plan);
}

void TMainForm::DrawBlinkColon(bool shown) {
  FacePlan plan;
  PlanBlinkColon(plan, shown);
  DrawFacePlan(plan);
}

void TMainForm::FormPaint(HDC target) {
  // The whole face of the current mode, composed off screen: no flicker.
  const int width = ui::Scaled(kBackPanel.Width, faceDpi_), height = ui::Scaled(kBackPanel.Height, faceDpi_);
  MemoryDc mem(target);
  UniqueBitmap canvas(CreateCompatibleBitmap(target, width, height));
  if (!mem.Get() || !canvas) return;
  SelectGuard select(mem.Get(), canvas.Get());
  RECT all{0, 0, width, height};
  FillRect(mem.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  PaintFace(mem.Get(), ClockData, TickTime, FaceSettingsOf(ClockSettings, AlarmList), Mode());
  BitBlt(target, 0, 0, width, height, mem.Get(), 0, 0, SRCCOPY);
  if (zoomStepStart_) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    auto us = [&](LONGLONG ticks) { return unsigned(ticks * 1000000 / frequency.QuadPart); };
    Counters.ZoomStepMicroseconds = us(now.QuadPart - zoomStepStart_);
    Counters.ZoomDrawMicroseconds = us(ClockData ? ClockData->DrawingTicks() - zoomDrawTicks_ : 0);
    zoomStepStart_ = 0;
  }
}

void TMainForm::SetClockData(TClockData* data) {
  ClockData = data;
  if (ClockData) ClockData->SetLanguage(faceLanguage_);
}

void TMainForm::SetFaceLanguage(Language language) {
  faceLanguage_ = language;
  if (ClockData) ClockData->SetLanguage(language);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TMainForm::UpdateTrayIcon() {
  // As large as Windows shows it, so the hands stay sharp at every scale.
  UniqueIcon icon = MakeTrayIcon(ui::Instance(), TickTime.Hour, TickTime.Minute, GetSystemMetrics(SM_CXSMICON));
  SysTrayIcon.SetIcon(icon.Release());
  ++Counters.TrayIcons;
}

}  // namespace orlavox
