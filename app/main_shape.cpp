// The main window's shape, place, zoom and display scale: the frame and region
// of each display size, the drag by the face, and the zoom that fits the
// monitor's work area.
#include <algorithm>

#include "app/main_form.h"
#include "ui/dpi.h"
#include "ui/monitors.h"
#include "ui/scale.h"
#include "display/clock_data.h"
#include "settings/settings_store.h"

namespace orlavox {

namespace {

DWORD StyleOf(BorderStyle border) {
  switch (border) {
    case BorderStyle::Single: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case BorderStyle::ToolWindow: return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    case BorderStyle::None: break;
  }
  return WS_POPUP;
}

BorderStyle BorderOf(DisplayMode mode, bool windowless) {
  if (windowless) return BorderStyle::None;
  return mode == DisplayMode::Small ? BorderStyle::ToolWindow : BorderStyle::Single;
}

// The frame Windows draws around a client at `dpi`, a side.
FrameSize FrameOf(BorderStyle border, int dpi) {
  if (border == BorderStyle::None) return {};
  RECT r{0, 0, 100, 100};
  ui::AdjustForDpi(r, StyleOf(border), border == BorderStyle::ToolWindow ? WS_EX_TOOLWINDOW : 0, dpi);
  return {-r.left, r.bottom - 100};
}

}  // namespace

void TMainForm::KeepWindowOnScreen() {
  // Settings saved on a larger screen, or with a monitor since removed.
  RECT r;
  const std::optional<ui::PixelRect> work = ui::WorkAreaOf(hwnd_);
  if (!work || !GetWindowRect(hwnd_, &r)) return;
  const ui::PixelRect fitted = ui::KeepInside({r.left, r.top, r.right - r.left, r.bottom - r.top}, *work);
  if (fitted.Left != r.left || fitted.Top != r.top)
    SetWindowPos(hwnd_, nullptr, fitted.Left, fitted.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowShape TMainForm::CurrentShape() const {
  const bool windowless = ClockSettings.Windowless;
  return ShapeFor(Mode(), windowless, ui::MetricForDpi(SM_CYCAPTION, monitorDpi_), faceDpi_,
                  FrameOf(BorderOf(Mode(), windowless), monitorDpi_));
}

void TMainForm::ApplyWindowShape() {
  const WindowShape shape = CurrentShape();
  if (shape.Caption) ui::SetWindowCaption(hwnd_, shape.Caption);
  const LONG oldStyle = GetWindowLongA(hwnd_, GWL_STYLE), oldExStyle = GetWindowLongA(hwnd_, GWL_EXSTYLE);
  LONG style = LONG(StyleOf(shape.Border)) | (oldStyle & WS_VISIBLE) | WS_CLIPCHILDREN, exStyle = 0;
  if (shape.Border == BorderStyle::ToolWindow) exStyle = WS_EX_TOOLWINDOW;
  exStyle |= oldExStyle & WS_EX_TOPMOST;
  // A framed shape never keeps the rounded region of a frameless one. A zoom
  // step keeps the frame: only the size changes, each change costing a round
  // trip to the window system.
  RECT box;
  if (GetWindowRgnBox(hwnd_, &box) != ERROR) SetWindowRgn(hwnd_, nullptr, FALSE);
  const bool restyle = style != oldStyle || exStyle != oldExStyle;
  if (restyle) {
    SetWindowLongA(hwnd_, GWL_STYLE, style);
    SetWindowLongA(hwnd_, GWL_EXSTYLE, exStyle);
  }
  SetWindowPos(hwnd_, nullptr, 0, 0, shape.Width, shape.Height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (restyle ? SWP_FRAMECHANGED : 0));
  if (shape.HasRegion) {
    // The window owns the region from here on.
    HRGN region = CreateRoundRectRgn(0, 0, shape.RgnRight, shape.RgnBottom, shape.RgnEllipse, shape.RgnEllipse);
    if (region && !SetWindowRgn(hwnd_, region, TRUE)) DeleteObject(region);
  }
  MinimizeButton.SetVisible(shape.MinimizeShown);
}

void TMainForm::ChangeMode() {
  if (ClockSettings.SmallDisplay > 1) return;
  const DisplayMode mode = Mode();
  FitZoom();
  ApplyWindowShape();
  // The buttons move together, in one change of the window system's.
  HDWP moves = BeginDeferWindowPos(int(Buttons().size()));
  for (const ButtonInfo& info : Buttons()) {
    ui::SpeedButton& b = ButtonFor(info.Id);
    const bool small = (info.Id == Button::Minimize || info.Shown == ButtonShown::Both) && mode == DisplayMode::Small;
    const PanelRect& r = small ? info.Small : info.Big;
    const ui::PixelRect p = ui::Scaled(ui::PixelRect{r.Left, r.Top, r.Width, r.Height}, faceDpi_);
    if (moves)
      moves = DeferWindowPos(moves, b.Handle(), nullptr, p.Left, p.Top, p.Width, p.Height,
                             SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    else
      b.Move(p.Left, p.Top, p.Width, p.Height);
    if (info.Shown == ButtonShown::BigOnly) b.SetVisible(mode == DisplayMode::Big);
  }
  if (moves) EndDeferWindowPos(moves);
  // The whole window is drawn anew: frame, face and buttons.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TMainForm::ChangeButtonMode() {
  for (const ButtonInfo& info : Buttons())
    if (info.FollowsTransparent) ButtonFor(info.Id).SetFlat(ClockSettings.TransparentButtons);
}

void TMainForm::MI_bigClick() {
  if (ClockSettings.SmallDisplay == 0) return;
  ClockSettings.SmallDisplay = 0;
  MainPopupMenu.Find("MI_big")->Checked = true;
  MainPopupMenu.Find("MI_small")->Checked = false;
  ChangeMode();
  SaveSettings();
}

void TMainForm::MI_smallClick() {
  if (ClockSettings.SmallDisplay == 1) return;
  ClockSettings.SmallDisplay = 1;
  MainPopupMenu.Find("MI_big")->Checked = false;
  MainPopupMenu.Find("MI_small")->Checked = true;
  ChangeMode();
  SaveSettings();
}

void TMainForm::BackPanelMouseDown(int button) {
  if (button != MK_LBUTTON) return;
  // Drag the window by its face, in every shape.
  HCURSOR previous = GetCursor();
  SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_SIZEALL)));
  ReleaseCapture();
  SendMessageA(hwnd_, WM_SYSCOMMAND, 0xF012, 0);  // returns when the drag has ended
  SetCursor(previous);
  SavePlaceIfMoved();
}

// The face at the monitor's scale (`dpi`) times the zoom. While a drag's move
// loop runs the window stays where the pointer holds it; it is fitted onto
// its monitor when the move ends.
void TMainForm::ApplyScale(int dpi) {
  monitorDpi_ = dpi;
  ChangeMode();
  if (moving_)
    fitAfterMove_ = true;
  else
    KeepWindowOnScreen();
}

// The zoom shown at the monitor's scale `dpi`: the chosen one, shrunk for the
// time being to what fits the monitor's work area in the current shape.
int TMainForm::FittedZoom(int dpi) const {
  const std::optional<ui::PixelRect> work = ui::WorkAreaOf(hwnd_);
  if (!work) return Zoom;
  const bool windowless = ClockSettings.Windowless;
  return FittingZoom(Zoom, Mode(), windowless, ui::MetricForDpi(SM_CYCAPTION, dpi), dpi,
                     FrameOf(BorderOf(Mode(), windowless), dpi), work->Width, work->Height);
}

// The face's pictures, glyphs and caption font follow the fitted zoom, never
// larger than the largest monitor shows the face; where the pictures cannot
// be drawn, at the smaller scale the image store falls back to.
void TMainForm::FitZoom() {
  const int zoom = FittedZoom(monitorDpi_);
  shownZoom_ = zoom;
  int dpi = std::min(ui::ZoomedDpi(monitorDpi_, zoom), LargestFaceDpi(ui::Monitors(), Mode()));
  if (ClockData) dpi = ClockData->SetDpi(dpi);
  if (dpi == faceDpi_ && minimizeFont_) return;
  faceDpi_ = dpi;
  minimizeFont_.Reset(CreateFontA(ui::ScaledFont(-11, faceDpi_), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  "MS Sans Serif"));
  for (const ButtonInfo& b : Buttons()) {
    if (b.Face != Glyph::None)
      ButtonFor(b.Id).SetGlyphSize(ui::Scaled(kGlyphSize, faceDpi_));
    else
      ButtonFor(b.Id).SetCaption(b.Caption, minimizeFont_.Get());
  }
}

// A step past what the work area holds changes nothing and is not kept.
void TMainForm::SetZoom(int zoom) {
  if (zoom == Zoom && zoom == shownZoom_) return;
  // Timed until the face shows at the new scale (FormPaint).
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  zoomStepStart_ = start.QuadPart;
  zoomDrawTicks_ = ClockData ? ClockData->DrawingTicks() : 0;
  Zoom = zoom;
  ApplyScale(monitorDpi_);
  Zoom = shownZoom_;
  SaveZoomToRegistry(Zoom);
}

void TMainForm::FormMouseWheel(int delta) {
  wheel_ += delta;
  const int notches = wheel_ / WHEEL_DELTA;
  if (!notches) return;
  wheel_ -= notches * WHEEL_DELTA;
  SetZoom(ui::StepZoom(shownZoom_, notches));
}

// Moved to a monitor of another scale (`dpi`, as the message gives it): the
// window takes the place Windows suggests, then the size of its shape at the
// new scale. The window's own resize may carry it onto yet another monitor:
// the change that raises is not taken inside this one.
void TMainForm::FormDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || rescaling_) return;
  rescaling_ = true;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyScale(dpi);
  rescaling_ = false;
}

// The window's size at `dpi`, asked before a move to a monitor of that scale:
// its shape there, so the suggested place keeps it under the pointer.
SIZE TMainForm::ScaledSize(int dpi) const {
  const bool windowless = ClockSettings.Windowless;
  const WindowShape shape = ShapeFor(Mode(), windowless, ui::MetricForDpi(SM_CYCAPTION, dpi),
                                     ui::ZoomedDpi(dpi, FittedZoom(dpi)), FrameOf(BorderOf(Mode(), windowless), dpi));
  return SIZE{shape.Width, shape.Height};
}

// The end of a drag's move loop: a scale changed on the way is fitted now.
void TMainForm::MoveEnded() {
  moving_ = false;
  if (fitAfterMove_) KeepWindowOnScreen();
  fitAfterMove_ = false;
}

}  // namespace orlavox
