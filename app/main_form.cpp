// The main window: its creation, start-up and close, the clock timer and the
// message switch. The other topics are in the main_*.cpp files beside it.
#include "app/main_form.h"

#include <windowsx.h>

#include "app/clock_source.h"
#include "app/key_commands.h"
#include "app/seams.h"
#include "ui/dpi.h"
#include "ui/gdi.h"
#include "ui/scale.h"
#include "resources/resource_ids.h"
#include "settings/settings_store.h"

namespace orlavox {
namespace {

constexpr UINT kTrayIconId = 1;

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
  if (!ui::Window::Create(cls, Tr(Str::main_caption).c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 292, 130, app_.Handle()))
    return false;
  CreateButtons();
  FormCreate();
  return true;
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

  WatchSession();
  SetTimer1(timer1Interval_, true);
  ArmWakeTimer();
  HideTaskbarButton();
  MainPopupMenu.Find("MI_small")->Checked = ClockSettings.SmallDisplay == 1;
  MainPopupMenu.Find("MI_big")->Checked = ClockSettings.SmallDisplay != 1;
  Zoom = LoadZoomFromRegistry();
  ApplyScale(ui::WindowDpi(hwnd_));  // the shape too
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
    case KeyCommand::Alarms: AlarmsClick(); return true;
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
  UnwatchSession();
  SpeakProc = nullptr;
  // A voice still speaking keeps its code: it goes with the process.
  if (SpeechBusy)
    VoiceModule.Abandon();
  else
    VoiceModule.Reset();
  LanguageList.clear();
}

TMainForm::ProbeSnapshot TMainForm::Snapshot() const {
  ProbeSnapshot s;
  s.Tick = TickTime;
  s.SpeechBusy = SpeechBusy;
  s.CloseRequested = CloseRequested;
  s.FirstRun = FirstRun;
  s.NewVersion = NewVersion;
  s.FirstRunPending = FirstRunPending;
  s.MainWindowPending = MainWindowPending;
  s.TimerInterval = timer1Interval_;
  s.Counters = Counters;
  s.SpeechEnabled = SpeechControlsEnabled();
  s.VoiceLoaded = SpeakProc != nullptr;
  s.AnnounceButtonEnabled = IsWindowEnabled(AnnounceButton.Handle()) != FALSE;
  s.LangSelButtonEnabled = IsWindowEnabled(LangSelButton.Handle()) != FALSE;
  s.SelectedLanguage = ClockSettings.SelectedLanguage;
  s.LanguageCount = LanguageList.size();
  s.AlarmActive = AlarmActive;
  s.AlarmHandled = AlarmHandled;
  s.ButtonsFlat = AnnounceButton.Flat() && HelpButton.Flat();
  s.SpeakShortCutShown = !MainPopupMenu.Find("MI_Speak")->ShortCut.empty();
  s.Hour24 = ClockSettings.Hour24;
  s.WakeArmed = AlarmWakeTimer.Armed();
  s.WakeResume = AlarmWakeTimer.Resume();
  s.WakeAt = WakeAt;
  return s;
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
      if (wp == kTimer1) {
        Timer1Timer();
        ScheduleTimer1();
      }
      return 0;
    case kFirstTickMessage:
      if (timer1Enabled_) Timer1Timer();
      ScheduleTimer1();
      return 0;
    case kFaceStateMessage:
      FaceStateChanged();
      return 0;
    case WM_WINDOWPOSCHANGED: {
      // Shown, hidden, minimised or restored: the timer is chosen again once it has settled.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
      if (pos && ((pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) || !(pos->flags & SWP_NOSIZE)) &&
          !faceStatePosted_)
        faceStatePosted_ = PostMessageA(hwnd_, kFaceStateMessage, 0, 0) != FALSE;
      break;
    }
    case WM_WTSSESSION_CHANGE:
      SessionMessage(msg, wp, lp);
      return 0;
    case WM_CLOSE:
      if (!RefusesClose()) Close();
      return 0;
    case WM_POWERBROADCAST:
      if (wp == PBT_POWERSETTINGCHANGE) {
        SessionMessage(msg, wp, lp);  // the display went off or on
        return TRUE;
      }
      // The wake timer for the next ring, set anew before sleep and after it.
      if (wp == PBT_APMSUSPEND || wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) ArmWakeTimer();
      return TRUE;
    case WM_TIMECHANGE:
      // The clock was set or another time zone picked: the face reads the
      // new zone at once, and the wake timer wakes at the ring's new instant.
      ForgetZoneOffset();
      ArmWakeTimer();
      return 0;
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
    case WM_GETDPISCALEDSIZE:
      if (!lp || LOWORD(wp) == 0) return FALSE;
      *reinterpret_cast<SIZE*>(lp) = ScaledSize(LOWORD(wp));
      return TRUE;
    case WM_DPICHANGED:
      if (lp) FormDpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_ENTERSIZEMOVE:
      moving_ = true;
      break;
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
    case WM_EXITSIZEMOVE:  // the end of a drag, by the face or by a framed window's caption
      MoveEnded();
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

}  // namespace orlavox
