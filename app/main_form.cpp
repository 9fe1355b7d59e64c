#include "app/main_form.h"

#include <windowsx.h>

#include "app/clock_source.h"
#include "app/key_commands.h"
#include "app/seams.h"
#include "app/window_place.h"
#include "ui/dpi.h"
#include "ui/dialog.h"
#include "ui/gdi.h"
#include "ui/scale.h"
#include "ui/wide_text.h"
#include "display/clock_data.h"
#include "resources/resource_ids.h"
#include "settings/settings_store.h"

namespace orlavox {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTrayIconId = 1;

// UTF-8: the folder's name need not be one the ANSI code page can spell.
std::string ModulePath() {
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return Utf8(path, int(n));
}

std::string ModuleFolder() {
  const std::string path = ModulePath();
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace

TMainForm::TMainForm(TApplication& app) : app_(app), accessible_([this] { return CurrentTimeHint(); }) {
  BuildMainPopupMenu();
  GlobalSpeechKey.OnKeyDown = [this](unsigned, unsigned) { GlobalSpeechKeyKeyDown(); };
}

TMainForm::~TMainForm() {
  accessible_.Disconnect();
  KillTimer(hwnd_, kTimer1);
  Destroy();
}

bool TMainForm::Create() {
  const ui::WindowClass cls{"OrlavoxMainForm", CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                            LoadIconA(ui::Instance(), MAKEINTRESOURCEA(IDI_PROGRAM)), nullptr};
  if (!ui::Window::Create(cls, kApplicationTitle, WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 292, 130, app_.Handle()))
    return false;
  CreateButtons();
  FormCreate();
  return true;
}

void TMainForm::BuildMainPopupMenu() {
  for (const MenuItemInfo& info : MainPopupMenuItems()) {
    if (info.Kind == MenuKind::Separator) {
      MainPopupMenu.AddSeparator(info.Name);
      continue;
    }
    ui::PopupMenu::Item it;
    it.Name = info.Name;
    it.Caption = info.Caption;
    it.ShortCut = info.OnlyWithGlobalShortcut ? std::string() : ShortcutText(info.Keys);
    it.Radio = info.Kind == MenuKind::Radio;
    const unsigned command = info.Command;
    it.OnClick = [this, command](ui::PopupMenu::Item&) { RunMenuCommand(command); };
    MainPopupMenu.Add(std::move(it));
  }
  MainPopupMenu.Find("MI_big")->Checked = true;
}

void TMainForm::RunMenuCommand(unsigned command) {
  // Only the tray reaches the menu while a dialog is open (the window is disabled then).
  if (BringModalForward()) return;
  switch (command) {
    case IDM_SPEAK: Speak1Click(); break;
    case IDM_ALARM_SETUP: AlarmButtonClick(); break;
    case IDM_SETTINGS: SetupButtonClick(); break;
    case IDM_MORE_OPTIONS: MoreOptionsClick(); break;
    case IDM_HELP: HelpButtonClick(); break;
    case IDM_BIG_DISPLAY: MI_bigClick(); break;
    case IDM_SMALL_DISPLAY: MI_smallClick(); break;
    case IDM_MINIMIZE_TO_TRAY: HideMainWindow(); break;
    case IDM_ABOUT: About1Click(); break;
    case IDM_MORE_FEATURES: Wantmorefeatures1Click(); break;
    case IDM_EXIT: Exit2Click(); break;
    default: break;
  }
}

ui::SpeedButton& TMainForm::ButtonFor(Button b) {
  switch (b) {
    case Button::Alarm: return AlarmButton;
    case Button::Setup: return SetupButton;
    case Button::Options: return OptionsButton;
    case Button::Help: return HelpButton;
    case Button::Announce: return AnnounceButton;
    case Button::LangSel: return LangSelButton;
    case Button::Minimize: break;
  }
  return MinimizeButton;
}

void TMainForm::CreateButtons() {
  for (const ButtonInfo& info : Buttons()) {
    ui::SpeedButton& b = ButtonFor(info.Id);
    const PanelRect& r = info.Big;
    b.Create(hwnd_, r.Left, r.Top, r.Width, r.Height, info.Hint);
    if (info.Face != Glyph::None) {
      const Glyph g = info.Face;
      b.SetGlyph([this, g](HDC dc, int x, int y, bool enabled) {
                   if (ClockData) ClockData->DrawGlyph(dc, g, enabled, x, y, ui::Scaled(kGlyphSize, faceDpi_));
                 },
                 kGlyphSize, info.GlyphAtBottom ? ui::SpeedButton::GlyphPlace::Bottom : ui::SpeedButton::GlyphPlace::Centre);
    }
    // Flat buttons let the face's picture show through.
    b.PaintBackground = [this, &b](HDC dc, const RECT&) {
      RECT r;
      GetWindowRect(b.Handle(), &r);
      MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
      if (ClockData)
        ClockData->Draw(dc, ImageList::Misc, Mode() == DisplayMode::Small ? kMiscSmallBackground : kMiscBigBackground,
                        -r.left, -r.top);
    };
  }
  AlarmButton.OnClick = [this] { AlarmButtonClick(); };
  SetupButton.OnClick = [this] { SetupButtonClick(); };
  OptionsButton.OnClick = [this] { OptionsButtonClick(); };
  HelpButton.OnClick = [this] { HelpButtonClick(); };
  AnnounceButton.OnClick = [this] { AnnounceButtonClick(); };
  LangSelButton.OnClick = [this] { LangSelButtonClick(); };
  MinimizeButton.OnClick = [this] { MinimizeButtonClick(); };
}

void TMainForm::FormCreate() {
  ProgramFolder = ModuleFolder();
  instanceMutex_ = CreateMutexA(nullptr, FALSE, kMutexName);  // a second copy runs all the same

  SYSTEMTIME st;
  ReadLocalTime(st);
  TickTime = DecodeTickTime(st);
  LastTick = orlavox::LastTick{};

  CheckRegistry();
  OpenRegistry();

  SysTrayIcon.OnDblClick = [this] { SysTrayDblClick(); };
  SysTrayIcon.OnRightClick = [this] { PopupMainMenuAtCursor(); };
  SysTrayIcon.OnMouseMove = [this] { TrayMouseMove(); };
  SysTrayIcon.Show(kTrayIconId);
  UpdateTrayIcon();
  SetTrayHint(st);

  PrepareVoiceFolder();
  ScanVoiceFolder();
  BuildLangMenu();
  LoadStartVoice();

  SetTimer1(timer1Interval_, true);
  ArmWakeTimer();
  HideTaskbarButton();
  MainPopupMenu.Find("MI_small")->Checked = ClockSettings.SmallDisplay == 1;
  MainPopupMenu.Find("MI_big")->Checked = ClockSettings.SmallDisplay != 1;
  Zoom = LoadZoomFromRegistry();
  ApplyScale();  // the shape too
  ChangeButtonMode();
  KeepWindowOnScreen();
  if (ClockSettings.OnTop) SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!ClockSettings.StartInTray) MainWindowPending = true;
  PostMessageA(hwnd_, kFirstTickMessage, 0, 0);
}

void TMainForm::FirstRunExecute() {
  if (MainWindowPending) {
    ShowMainWindow();
    PlaceTaskbarButton();
    MainWindowPending = false;
  }
  if (!soundPrepared_) {
    UpdateWindow(hwnd_);  // the face is on screen before the sound is readied
    PrepareSound();
  }
  // Ticks go on inside the message box and the notices: nothing here opens twice.
  if (firstRunBusy_) return;
  firstRunBusy_ = true;
  TellSkippedVoice();
  firstRunBusy_ = false;
  ShowNotices();
}

bool TMainForm::FormKeyDown(UINT key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0, alt = GetKeyState(VK_MENU) < 0;
  switch (DecideKeyCommand(key, ctrl, shift, alt)) {
    case KeyCommand::AlarmSetup: AlarmButtonClick(); return true;
    case KeyCommand::Settings: SetupButtonClick(); return true;
    case KeyCommand::MoreOptions: MoreOptionsClick(); return true;
    case KeyCommand::Help: HelpButtonClick(); return true;
    case KeyCommand::ZoomIn: SetZoom(ui::StepZoom(shownZoom_, 1)); return true;
    case KeyCommand::ZoomOut: SetZoom(ui::StepZoom(shownZoom_, -1)); return true;
    case KeyCommand::ZoomReset: SetZoom(ui::kZoomMin); return true;
    case KeyCommand::None: return false;
  }
  return false;
}

bool TMainForm::FormCloseQuery() {
  if (SpeechBusy) {
    if (!CloseRequested) closeWaitStart_ = GetTickCount();
    CloseRequested = true;
    // A voice that has not returned long after any phrase would have ended
    // never will: the program ends without it (FormDestroy leaves it loaded).
    if (GetTickCount() - closeWaitStart_ < kHungVoiceCloseMs) return false;
  }
  SaveSettings();
  return true;
}

void TMainForm::Close() {
  if (closed_ || !FormCloseQuery()) return;
  EndRun();
}

void TMainForm::EndSession() {
  if (closed_) return;
  SaveSettings();
  EndRun();
}

void TMainForm::EndRun() {
  closed_ = true;
  // Nothing may start after the close: no tick, no hot key, no announcement.
  GlobalSpeechKey.SetActive(false);
  SetTimer1(timer1Interval_, false);
  ShowWindow(hwnd_, SW_HIDE);
  PostQuitMessage(0);
}

void TMainForm::FormDestroy() {
  SetTimer1(timer1Interval_, false);
  SpeakProc = nullptr;
  // A voice still speaking keeps its code: it goes with the process.
  if (SpeechBusy)
    VoiceModule.Abandon();
  else
    VoiceModule.Reset();
  LanguageList.clear();
}

void TMainForm::CheckRegistry() { FirstRun = CheckFirstRunInRegistry(); }

void TMainForm::OpenRegistry() {
  const DesktopSize desktop{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN),
                            GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
  const LoadedSettings loaded = LoadSettingsFromRegistry(FirstRun, desktop);
  ClockSettings = loaded.Settings;
  LanguageStored = loaded.LanguageStored;
  if (loaded.NewVersion) NewVersion = true;
  if (FirstRun) {
    // A new user sees the hours as the region's own time format counts them.
    char format[80] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, format, sizeof format))
      ClockSettings.Hour24 = TimeFormatIs24Hour(format);
  }
  SetWindowPos(hwnd_, nullptr, ClockSettings.WindowLeft, ClockSettings.WindowTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer1(UINT(ClockSettings.UpdateInterval), timer1Enabled_);
  ApplyGlobalShortcut();
  MoreOptions = LoadMoreOptionsFromRegistry();
  if (const std::optional<int64_t> rung = LoadAlarmRungFromRegistry()) TickState.RungAlarm = *rung;
}

void TMainForm::ApplyGlobalShortcut() {
  GlobalSpeechKey.SetHotKey(kSpeakShortCut);
  GlobalSpeechKey.SetActive(ClockSettings.GlobalShortcut);
  MainPopupMenu.Find("MI_Speak")->ShortCut = ClockSettings.GlobalShortcut ? "Ctrl+Alt+S" : "";
}

void TMainForm::SaveSettings() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  savedLeft_ = r.left;
  savedTop_ = r.top;
  SaveSettingsToRegistry(ClockSettings, r.top, r.left, ModulePath());
}

void TMainForm::KeepWindowOnScreen() {
  // Settings saved on a larger screen, or with a monitor since removed.
  RECT r;
  if (!GetWindowRect(hwnd_, &r)) return;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return;
  const RECT& work = info.rcWork;
  const ScreenRect window{r.left, r.top, r.right, r.bottom};
  const ScreenRect fitted = FitIntoWorkArea(window, ScreenRect{work.left, work.top, work.right, work.bottom});
  if (!(fitted == window))
    SetWindowPos(hwnd_, nullptr, fitted.Left, fitted.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::SetTimer1(UINT interval, bool enabled) {
  timer1Interval_ = interval;
  timer1Enabled_ = enabled;
  if (!hwnd_) return;
  if (enabled)
    SetTimer(hwnd_, kTimer1, TimerPeriod(interval), nullptr);
  else
    KillTimer(hwnd_, kTimer1);
}

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

WindowShape TMainForm::CurrentShape() const {
  const bool windowless = ClockSettings.Windowless;
  return ShapeFor(Mode(), windowless, ui::MetricForDpi(SM_CYCAPTION, monitorDpi_), faceDpi_,
                  FrameOf(BorderOf(Mode(), windowless), monitorDpi_));
}

void TMainForm::ApplyWindowShape() {
  const WindowShape shape = CurrentShape();
  if (shape.Caption) SetWindowTextA(hwnd_, shape.Caption);
  const LONG visible = GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE;
  LONG style = LONG(StyleOf(shape.Border)), exStyle = 0;
  if (shape.Border == BorderStyle::ToolWindow) exStyle = WS_EX_TOOLWINDOW;
  // A framed shape never keeps the rounded region of a frameless one.
  SetWindowRgn(hwnd_, nullptr, FALSE);
  SetWindowLongA(hwnd_, GWL_STYLE, style | visible | WS_CLIPCHILDREN);
  SetWindowLongA(hwnd_, GWL_EXSTYLE, exStyle | (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST));
  SetWindowPos(hwnd_, nullptr, 0, 0, shape.Width, shape.Height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
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
  for (const ButtonInfo& info : Buttons()) {
    ui::SpeedButton& b = ButtonFor(info.Id);
    const bool moves = info.Id == Button::Minimize || info.Shown == ButtonShown::Both;
    const PanelRect& r = moves && mode == DisplayMode::Small ? info.Small : info.Big;
    const ui::PixelRect p = ui::Scaled(ui::PixelRect{r.Left, r.Top, r.Width, r.Height}, faceDpi_);
    b.Move(p.Left, p.Top, p.Width, p.Height);
    if (info.Shown == ButtonShown::BigOnly) b.SetVisible(mode == DisplayMode::Big);
  }
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

void TMainForm::SavePlaceIfMoved() {
  RECT r{};
  if (closed_ || !GetWindowRect(hwnd_, &r) || (r.left == savedLeft_ && r.top == savedTop_)) return;
  SaveSettings();
}

void TMainForm::OptionsButtonClick() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const ScreenPoint p = OptionsMenuPoint(r.left, r.top, faceDpi_);
  MainPopupMenu.Popup(hwnd_, p.X, p.Y);
}

void TMainForm::LangSelButtonClick() {
  RECT r;
  GetWindowRect(hwnd_, &r);
  const ScreenPoint p = LangMenuPoint(r.left, r.top, faceDpi_);
  LangMenu.Popup(hwnd_, p.X, p.Y);
}

void TMainForm::ShowMainWindow() {
  app_.Restore();
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(app_.Handle());
  SetForegroundWindow(hwnd_);
}

void TMainForm::HideMainWindow() {
  ShowWindow(hwnd_, SW_HIDE);
  HideTaskbarButton();
}

void TMainForm::ShowTaskbarButton() {
  // The zero-size application window only carries the button: shown without
  // activation, so the main window keeps the focus and its keys.
  if (!IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_SHOWNA);
}

void TMainForm::HideTaskbarButton() {
  if (IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_HIDE);
}

bool TMainForm::BringModalForward() {
  HWND modal = ui::Dialog::ModalWindow();
  // A message box of the window itself (a voice that failed to load) disables it too.
  if (!modal && !IsWindowEnabled(hwnd_)) modal = GetLastActivePopup(hwnd_);
  if (!modal || modal == hwnd_) return false;
  if (IsIconic(modal)) ShowWindow(modal, SW_RESTORE);
  // A message box the dialog shows comes first.
  HWND front = GetLastActivePopup(modal);
  SetForegroundWindow(front && IsWindowVisible(front) ? front : modal);
  return true;
}

void TMainForm::PlaceTaskbarButton(bool dialogOpen) {
  if (ClockSettings.ShowInTaskbar && (dialogOpen || IsWindowVisible(hwnd_)))
    ShowTaskbarButton();
  else
    HideTaskbarButton();
}

void TMainForm::SysTrayDblClick() {
  if (BringModalForward()) return;
  ShowMainWindow();
  PlaceTaskbarButton();
}

void TMainForm::PopupMainMenuAtCursor() {
  POINT pt;
  GetCursorPos(&pt);
  SetForegroundWindow(hwnd_);
  app_.ProcessMessages();
  MainPopupMenu.Popup(hwnd_, pt.x, pt.y);
  PostMessageA(hwnd_, WM_NULL, 0, 0);  // lets the menu close properly
}

bool TMainForm::HandleApplicationMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE) {
    // Minimising the program from its taskbar button sends it to the tray.
    HideMainWindow();
    result = 0;
    return true;
  }
  return false;
}

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kProbeMessage: {
      LRESULT result = 0;
      if (HandleTestProbe(*this, wp, result)) return result;
      break;
    }
    case kThreadDoneMessage:
      ThreadDone();
      return 0;
    case WM_TIMER:
      if (wp == kTimer1) Timer1Timer();
      return 0;
    case kFirstTickMessage:
      if (timer1Enabled_) Timer1Timer();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_POWERBROADCAST:
      // The wake timer for the next ring, set anew before sleep and after it.
      if (wp == PBT_APMSUSPEND || wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) ArmWakeTimer();
      return TRUE;
    case WM_QUERYENDSESSION:
      return TRUE;  // never holds up the log-off, not even while speaking
    case WM_ENDSESSION:
      if (wp) EndSession();
      return 0;
    case WM_MOUSEWHEEL:
      if (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL) {
        FormMouseWheel(GET_WHEEL_DELTA_WPARAM(wp));
        return 0;
      }
      break;
    case WM_DPICHANGED:
      if (lp) FormDpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE) {
        HideMainWindow();
        return 0;
      }
      break;
    case WM_PAINT: {
      PaintDc dc(hwnd_);
      FormPaint(dc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // the face covers the whole panel
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a second quick press drags as the first did
      BackPanelMouseDown(MK_LBUTTON);
      return 0;
    case WM_EXITSIZEMOVE:  // a framed window dragged by its caption
      SavePlaceIfMoved();
      break;
    case WM_RBUTTONDOWN:
      BackPanelMouseDown(MK_RBUTTON);
      break;
    case WM_GETOBJECT:
      // Screen readers read the time and date as the tray's tooltip shows them.
      if (LRESULT r = accessible_.Answer(hwnd_, wp, lp)) return r;
      break;
    case WM_NCDESTROY:
      accessible_.Disconnect();  // screen readers holding the object hear "disconnected" from now on
      break;
    case WM_CONTEXTMENU: {
      int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
      if (x == -1 && y == -1) {  // from the keyboard: at the window's corner
        RECT r;
        GetWindowRect(hwnd_, &r);
        x = r.left;
        y = r.top;
      }
      MainPopupMenu.Popup(hwnd_, x, y);
      return 0;
    }
  }
  return Default(msg, wp, lp);
}

// The face at the monitor's scale times the zoom.
void TMainForm::ApplyScale() {
  monitorDpi_ = ui::WindowDpi(hwnd_);
  ChangeMode();
  KeepWindowOnScreen();
}

// The zoom shrinks, for the time being, to what fits the monitor's work area
// in the current shape; the face's pictures, glyphs and caption font follow.
void TMainForm::FitZoom() {
  int zoom = Zoom;
  RECT r;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetWindowRect(hwnd_, &r) && GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
    const bool windowless = ClockSettings.Windowless;
    zoom = FittingZoom(zoom, Mode(), windowless, ui::MetricForDpi(SM_CYCAPTION, monitorDpi_), monitorDpi_,
                       FrameOf(BorderOf(Mode(), windowless), monitorDpi_), info.rcWork.right - info.rcWork.left,
                       info.rcWork.bottom - info.rcWork.top);
  }
  shownZoom_ = zoom;
  const int dpi = ui::ZoomedDpi(monitorDpi_, zoom);
  if (dpi == faceDpi_ && minimizeFont_) return;
  faceDpi_ = dpi;
  if (ClockData) ClockData->SetDpi(faceDpi_);
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
  Zoom = zoom;
  ApplyScale();
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

// Moved to a monitor of another scale: the window takes the place Windows
// suggests, then the size of its shape at the new scale.
void TMainForm::FormDpiChanged(int, const RECT& suggested) {
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyScale();
}

}  // namespace orlavox
