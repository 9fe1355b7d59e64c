#include "app/main_form.h"

#include <windowsx.h>

#include "app/clock_source.h"
#include "app/key_commands.h"
#include "app/seams.h"
#include "settings/settings_store.h"

namespace orlavox {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTrayIconId = 1;

std::string ModuleFolder() {
  char path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, n);
  const size_t cut = folder.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : folder.substr(0, cut + 1);
}

std::string ModulePath() {
  char path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, n);
}

}  // namespace

TMainForm::TMainForm(TApplication& app) : app_(app) { BuildMainPopupMenu(); }

TMainForm::~TMainForm() {
  KillTimer(hwnd_, kTimer1);
  Destroy();
}

bool TMainForm::Create() {
  const ui::WindowClass cls{"OrlavoxMainForm", CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                            LoadIconA(ui::Instance(), MAKEINTRESOURCEA(1)), nullptr};
  if (!ui::Window::Create(cls, kApplicationTitle, WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0, 292, 130, app_.Handle()))
    return false;
  FormCreate();
  return true;
}

void TMainForm::BuildMainPopupMenu() {
  using Item = ui::PopupMenu::Item;
  auto item = [this](const char* name, const char* caption, const char* shortCut, void (TMainForm::*handler)()) -> Item& {
    Item it;
    it.Name = name;
    it.Caption = caption;
    it.ShortCut = shortCut;
    if (handler) it.OnClick = [this, handler](Item&) { (this->*handler)(); };
    return MainPopupMenu.Add(std::move(it));
  };
  item("MI_Speak", "Speak!", "Ctrl+Alt+S", &TMainForm::StartAnnouncement);
  MainPopupMenu.AddSeparator("N8");
  item("MenuItem3", "&Alarm setup...", "Ctrl+A", &TMainForm::AlarmButtonClick);
  item("MenuItem4", "&Settings...", "Ctrl+S", &TMainForm::SetupButtonClick);
  item("MenuItem5", "&Help...", "Ctrl+H", &TMainForm::HelpButtonClick);
  MainPopupMenu.AddSeparator("MenuItem6");
  item("MI_big", "&Big display", "", &TMainForm::MI_bigClick).Radio = true;
  item("MI_small", "S&mall display", "", &TMainForm::MI_smallClick).Radio = true;
  MainPopupMenu.Find("MI_big")->Checked = true;
  MainPopupMenu.AddSeparator("N3");
  item("About1", "A&bout...", "", nullptr);
  item("Wantmorefeatures1", "&Want more features?", "", nullptr);
  MainPopupMenu.AddSeparator("N5");
  item("Minimizetotray1", "&Minimize to tray", "", &TMainForm::HideMainWindow);
  MainPopupMenu.AddSeparator("N6");
  item("Exit2", "E&xit", "", &TMainForm::Exit2Click);
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
  SysTrayIcon.Show(kTrayIconId);
  UpdateTrayIcon();
  SetTrayHint(st);

  SetTimer1(timer1Interval_, true);
  HideTaskbarButton();
  MainPopupMenu.CheckRadio(ClockSettings.SmallDisplay == 1 ? 7 : 6);
  ChangeMode();
  ChangeButtonMode();
  if (ClockSettings.OnTop) SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!ClockSettings.StartInTray) MainWindowPending = true;
}

void TMainForm::FirstRunExecute() {
  if (MainWindowPending) {
    ShowMainWindow();
    if (ClockSettings.ShowInTaskbar)
      ShowTaskbarButton();
    else
      HideTaskbarButton();
    MainWindowPending = false;
  }
}

bool TMainForm::FormKeyDown(UINT key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0, alt = GetKeyState(VK_MENU) < 0;
  switch (DecideKeyCommand(key, ctrl, shift, alt)) {
    case KeyCommand::AlarmSetup: AlarmButtonClick(); return true;
    case KeyCommand::Settings: SetupButtonClick(); return true;
    case KeyCommand::Help: HelpButtonClick(); return true;
    case KeyCommand::None: return false;
  }
  return false;
}

bool TMainForm::FormCloseQuery() {
  if (SpeechBusy) {
    CloseRequested = true;
    return false;
  }
  SaveSettings();
  return true;
}

void TMainForm::Close() {
  if (closed_ || !FormCloseQuery()) return;
  closed_ = true;
  // Nothing may run after the close: the voice is released when the loop ends.
  SetTimer1(timer1Interval_, false);
  ShowWindow(hwnd_, SW_HIDE);
  PostQuitMessage(0);
}

void TMainForm::FormDestroy() {
  SetTimer1(timer1Interval_, false);
  if (VoiceModule) FreeLibrary(VoiceModule);
  VoiceModule = nullptr;
  SpeakProc = nullptr;
  LanguageList.clear();
}

void TMainForm::CheckRegistry() { FirstRun = CheckFirstRunInRegistry(); }

void TMainForm::OpenRegistry() {
  const DesktopSize desktop{GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  const LoadedSettings loaded = LoadSettingsFromRegistry(FirstRun, desktop);
  ClockSettings = loaded.Settings;
  if (loaded.NewVersion) NewVersion = true;
  SetWindowPos(hwnd_, nullptr, ClockSettings.WindowLeft, ClockSettings.WindowTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer1(UINT(ClockSettings.UpdateInterval), timer1Enabled_);
  ApplyGlobalShortcut();
}

void TMainForm::ApplyGlobalShortcut() {
  GlobalSpeechKey.SetHotKey(kSpeakShortCut);
  GlobalSpeechKey.SetActive(ClockSettings.GlobalShortcut);
  MainPopupMenu.Find("MI_Speak")->ShortCut = ClockSettings.GlobalShortcut ? "Ctrl+Alt+S" : "";
}

void TMainForm::SaveSettings() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SaveSettingsToRegistry(ClockSettings, r.top, r.left, ModulePath());
}

void TMainForm::SetTimer1(UINT interval, bool enabled) {
  timer1Interval_ = interval;
  timer1Enabled_ = enabled;
  if (!hwnd_) return;
  if (enabled)
    SetTimer(hwnd_, kTimer1, interval, nullptr);
  else
    KillTimer(hwnd_, kTimer1);
}

void TMainForm::ApplyWindowShape() {
  const bool small = ClockSettings.SmallDisplay == 1;
  const LONG visible = GetWindowLongA(hwnd_, GWL_STYLE) & WS_VISIBLE;
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  LONG style, exStyle = 0;
  int width, height;
  if (ClockSettings.Windowless) {
    style = WS_POPUP;
    width = small ? 150 : 292;
    height = small ? 40 : 130;
  } else if (!small) {
    SetWindowTextA(hwnd_, kApplicationTitle);
    style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    width = 298;
    height = caption + 136;
  } else {
    SetWindowTextA(hwnd_, "Orlavox");
    style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    exStyle = WS_EX_TOOLWINDOW;
    width = 156;
    height = caption + 38;
  }
  // A framed shape never keeps the rounded region of a frameless one.
  SetWindowRgn(hwnd_, nullptr, FALSE);
  SetWindowLongA(hwnd_, GWL_STYLE, style | visible | WS_CLIPCHILDREN);
  SetWindowLongA(hwnd_, GWL_EXSTYLE, exStyle);
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  if (ClockSettings.Windowless) {
    // The window owns the region from here on.
    HRGN region = small ? CreateRoundRectRgn(0, 0, 151, 41, 1, 1) : CreateRoundRectRgn(0, 0, 293, 131, 2, 2);
    if (region && !SetWindowRgn(hwnd_, region, TRUE)) DeleteObject(region);
  }
}

void TMainForm::ChangeMode() {
  if (ClockSettings.SmallDisplay > 1) return;
  ApplyWindowShape();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMainForm::ChangeButtonMode() {}

void TMainForm::MI_bigClick() {
  if (ClockSettings.SmallDisplay == 0) return;
  ClockSettings.SmallDisplay = 0;
  MainPopupMenu.Find("MI_big")->Checked = true;
  MainPopupMenu.Find("MI_small")->Checked = false;
  ChangeMode();
}

void TMainForm::MI_smallClick() {
  if (ClockSettings.SmallDisplay == 1) return;
  ClockSettings.SmallDisplay = 1;
  MainPopupMenu.Find("MI_big")->Checked = false;
  MainPopupMenu.Find("MI_small")->Checked = true;
  ChangeMode();
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
  if (!IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_SHOW);
}

void TMainForm::HideTaskbarButton() {
  if (IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_HIDE);
}

void TMainForm::SysTrayDblClick() {
  ShowMainWindow();
  if (ClockSettings.ShowInTaskbar)
    ShowTaskbarButton();
  else
    HideTaskbarButton();
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
    case WM_CLOSE:
      Close();
      return 0;
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_MINIMIZE) {
        HideMainWindow();
        return 0;
      }
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
