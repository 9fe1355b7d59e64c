// The main window in this process: start-up, close deferral and window shapes.
#include "app/main_form.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/clock_source.h"
#include "app/seams.h"
#include <oleacc.h>
#include "ui/monitors.h"
#include "ui/tests/scripted_dialog.h"
#include "win/registry.h"

namespace orlavox {

// The main window's own state, as its tests set it up and read it.
struct MainFormInside {
  explicit MainFormInside(TMainForm& f)
      : ClockSettings(f.ClockSettings), MainWindowPending(f.MainWindowPending), SpeechBusy(f.SpeechBusy),
        SpeakProc(f.SpeakProc), LanguageList(f.LanguageList), LangMenu(f.LangMenu), MainPopupMenu(f.MainPopupMenu),
        GlobalSpeechKey(f.GlobalSpeechKey), SysTrayIcon(f.SysTrayIcon), AlarmButton(f.AlarmButton),
        SetupButton(f.SetupButton), HelpButton(f.HelpButton), AnnounceButton(f.AnnounceButton),
        MoreOptions(f.MoreOptions), WakeAt(f.WakeAt) {}
  orlavox::ClockSettings& ClockSettings;
  bool& MainWindowPending;
  bool& SpeechBusy;
  orlavox::SpeakProc& SpeakProc;
  std::vector<std::string>& LanguageList;
  ui::PopupMenu& LangMenu;
  ui::PopupMenu& MainPopupMenu;
  GlobalHotKey& GlobalSpeechKey;
  orlavox::SysTrayIcon& SysTrayIcon;
  ui::SpeedButton &AlarmButton, &SetupButton, &HelpButton, &AnnounceButton;
  orlavox::MoreOptions& MoreOptions;
  int64_t& WakeAt;
};

namespace {

MainFormInside In(TMainForm& f) { return MainFormInside(f); }

bool HasValue(const char* name) {
  Registry reg;
  return reg.OpenKey(kSettingsKey, false) && reg.ValueExists(name);
}

// Only the program's own keys.
void ForgetSettings() {
  Registry().DeleteKey(kSettingsKey);
  Registry().DeleteKey(kOldEditionKey);
}

bool QuitPosted() {
  MSG msg;
  return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    DispatchMessageA(&msg);
  }
}

std::string ExeFolder() {
  char path[MAX_PATH];
  std::string p(path, GetModuleFileNameA(nullptr, path, sizeof path));
  return p.substr(0, p.find_last_of('\\') + 1);
}

// The voice folder beside this test program: the given test plug-ins only.
void PrepareVoices(const std::vector<std::string>& plugins) {
  const std::string voice = ExeFolder() + "voice\\";
  CreateDirectoryA(voice.c_str(), nullptr);
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((voice + "*.dll").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do DeleteFileA((voice + fd.cFileName).c_str());
    while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  for (const std::string& p : plugins)
    CopyFileA((std::string(ORLAVOX_TEST_PLUGIN_DIR) + "\\" + p).c_str(), (voice + p).c_str(), FALSE);
}

// Presses OK of every notice the main window opens, as a user would, and
// notes its caption and whether the main window was visible under it.
struct NoticeWatch {
  static std::vector<std::string> Seen;
  static HWND Main;
  static BOOL CALLBACK Each(HWND w, LPARAM) {
    char cls[32], text[64];
    if (IsWindowVisible(w) && GetClassNameA(w, cls, sizeof cls) && std::string(cls) == "OrlavoxDialog") {
      GetWindowTextA(w, text, sizeof text);
      Seen.push_back(std::string(text) + (IsWindowVisible(Main) ? " over the window" : " alone"));
      ShowWindow(w, SW_HIDE);  // seen once
      for (const char* ok : {"OK", "&OK"})
        if (HWND b = FindWindowExA(w, nullptr, nullptr, ok))
          PostMessageA(w, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), LPARAM(b));
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), &Each, 0); }
};
std::vector<std::string> NoticeWatch::Seen;
HWND NoticeWatch::Main = nullptr;

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NoticeWatch::Seen.clear();
    watch_ = SetTimer(nullptr, 0, 50, &NoticeWatch::Tick);
    PrepareVoices({"Test (logging).dll", "Test (sleeping).dll"});
    ForgetSettings();
    app_.SetShowMainForm(false);
    app_.SetTitle(Tr(Str::main_caption));
    ASSERT_TRUE(app_.Initialize());
  }
  void TearDown() override {
    KillTimer(nullptr, watch_);
    if (form_) form_->FormDestroy();
    app_.SetMainForm(nullptr);
    form_.reset();
    QuitPosted();
    ForgetSettings();
  }
  TMainForm& Start() {
    form_ = std::make_unique<TMainForm>(app_);
    app_.SetMainForm(form_.get());
    EXPECT_TRUE(form_->Create());
    NoticeWatch::Main = form_->Handle();
    return *form_;
  }
  SIZE WindowSize() {
    RECT r;
    GetWindowRect(form_->Handle(), &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  TApplication app_;
  std::unique_ptr<TMainForm> form_;
  UINT_PTR watch_ = 0;
};

TEST_F(MainFormTest, FirstStartIsHiddenUntilTheFirstTick) {
  TMainForm& f = Start();
  EXPECT_TRUE(f.Snapshot().FirstRun);
  EXPECT_TRUE(f.Snapshot().MainWindowPending);
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));  // no taskbar button
  f.Timer1Timer();  // returns when the welcome notice has been closed
  EXPECT_TRUE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(f.Snapshot().MainWindowPending);
  EXPECT_EQ(NoticeWatch::Seen, (std::vector<std::string>{"Welcome! over the window"}));
  EXPECT_FALSE(f.Snapshot().FirstRun);
  EXPECT_FALSE(f.Snapshot().FirstRunPending);
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));  // ShowInTaskbar is off
  f.Timer1Timer();
  EXPECT_EQ(NoticeWatch::Seen.size(), 1u);  // once only
}

// A first start whose window stays in the tray still greets the user.
TEST_F(MainFormTest, WelcomeWithTheWindowInTheTray) {
  TMainForm& f = Start();
  In(f).ClockSettings.StartInTray = true;  // as start-up leaves it with StartInTray on
  In(f).MainWindowPending = false;
  f.Timer1Timer();
  EXPECT_EQ(NoticeWatch::Seen, (std::vector<std::string>{"Welcome! alone"}));
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(f.Snapshot().FirstRunPending);
}

// With a taskbar button the main window keeps the focus: the zero-size
// application window that carries the button must not take it.
TEST_F(MainFormTest, TaskbarButtonLeavesTheFocusOnTheMainWindow) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("BinSettings", "00000001000");  // framed, ShowInTaskbar
    reg.WriteString("CurrentVer", "2.5");
  }
  TMainForm& f = Start();
  f.Timer1Timer();  // shows the window, then the button
  Pump();
  EXPECT_TRUE(IsWindowVisible(app_.Handle()));
  EXPECT_EQ(GetActiveWindow(), f.Handle());
  f.HideMainWindow();
  SendMessageA(In(f).SysTrayIcon.Handle(), SysTrayIcon::kCallbackMessage, 1, WM_LBUTTONDBLCLK);  // back from the tray
  Pump();
  EXPECT_TRUE(IsWindowVisible(app_.Handle()));
  EXPECT_EQ(GetActiveWindow(), f.Handle());
}

TEST_F(MainFormTest, StartInTrayNeverShowsTheWindow) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("BinSettings", "10000001000");  // StartInTray, ShowInTaskbar
    reg.WriteString("CurrentVer", "2.5");
  }
  TMainForm& f = Start();
  for (int i = 0; i < 3; ++i) f.Timer1Timer();
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  // In the tray, a taskbar button only while a dialog is open, and only with ShowInTaskbar.
  f.PlaceTaskbarButton();
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  f.PlaceTaskbarButton(true);
  EXPECT_TRUE(IsWindowVisible(app_.Handle()));
  In(f).ClockSettings.ShowInTaskbar = false;
  f.PlaceTaskbarButton(true);
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
  In(f).ClockSettings.ShowInTaskbar = true;
  // From the tray the window comes back with its taskbar button (as a double-click on the icon).
  f.ShowMainWindow();
  f.PlaceTaskbarButton();
  EXPECT_TRUE(IsWindowVisible(f.Handle()));
  EXPECT_TRUE(IsWindowVisible(app_.Handle()));
  f.HideMainWindow();
  EXPECT_FALSE(IsWindowVisible(f.Handle()));
  EXPECT_FALSE(IsWindowVisible(app_.Handle()));
}

TEST_F(MainFormTest, CloseWhileSpeakingWaitsAndSavesOnce) {
  TMainForm& f = Start();
  f.Timer1Timer();
  In(f).SpeechBusy = true;
  SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(f.Snapshot().CloseRequested);
  EXPECT_FALSE(f.Closed());
  EXPECT_FALSE(HasValue("BinSettings"));
  f.Timer1Timer();
  f.Timer1Timer();
  EXPECT_FALSE(f.Closed());
  EXPECT_FALSE(HasValue("BinSettings"));
  EXPECT_FALSE(QuitPosted());

  In(f).SpeechBusy = false;  // the voice has finished
  f.Timer1Timer();
  EXPECT_TRUE(f.Closed());
  EXPECT_TRUE(HasValue("BinSettings"));
  EXPECT_TRUE(QuitPosted());
  EXPECT_FALSE(IsWindowVisible(f.Handle()));

  // Written once: later ticks and close attempts write nothing.
  Registry reg;
  ASSERT_TRUE(reg.OpenKey(kSettingsKey, false));
  reg.DeleteValue("BinSettings");
  f.Timer1Timer();
  SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_FALSE(HasValue("BinSettings"));
}

// A hot key or an alarm queued behind an accepted close starts nothing: the
// voice is released when the loop ends. The hot key is given up at the close.
TEST_F(MainFormTest, NothingSpeaksAfterTheClose) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("BinSettings", "00000000001");  // GlobalShortcut
  }
  TMainForm& f = Start();
  ASSERT_NE(In(f).SpeakProc, nullptr);
  EXPECT_TRUE(In(f).GlobalSpeechKey.Active());
  f.Close();
  ASSERT_TRUE(f.Closed());
  EXPECT_FALSE(In(f).GlobalSpeechKey.Active());
  SendMessageA(In(f).GlobalSpeechKey.Handle(), WM_HOTKEY, In(f).GlobalSpeechKey.Id(), 0);
  f.Speak1Click();
  EXPECT_FALSE(f.StartAlarmAnnouncement());
  EXPECT_FALSE(f.Snapshot().SpeechBusy);
  EXPECT_EQ(f.Snapshot().Counters.Announcements, 0u);
}

TEST_F(MainFormTest, WindowShapes) {
  TMainForm& f = Start();
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  // First run: frameless big display with a rounded region.
  EXPECT_EQ(WindowSize().cx, 292);
  EXPECT_EQ(WindowSize().cy, 130);
  EXPECT_NE(GetWindowRgn(f.Handle(), probe), ERROR);
  EXPECT_EQ(GetWindowLongA(f.Handle(), GWL_STYLE) & WS_CAPTION, 0);

  In(f).ClockSettings.Windowless = false;
  f.ChangeMode();
  EXPECT_EQ(WindowSize().cx, 298);
  EXPECT_EQ(WindowSize().cy, caption + 136);
  EXPECT_EQ(GetWindowRgn(f.Handle(), probe), ERROR);  // no region left behind
  char text[64];
  GetWindowTextA(f.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Multilingual Orlavox");
  EXPECT_NE(GetWindowLongA(f.Handle(), GWL_STYLE) & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(GetWindowLongA(f.Handle(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);

  f.MI_smallClick();
  EXPECT_EQ(In(f).ClockSettings.SmallDisplay, 1);
  EXPECT_TRUE(In(f).MainPopupMenu.Find("MI_small")->Checked);
  EXPECT_FALSE(In(f).MainPopupMenu.Find("MI_big")->Checked);
  EXPECT_EQ(WindowSize().cx, 156);
  EXPECT_EQ(WindowSize().cy, caption + 38);
  GetWindowTextA(f.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Orlavox");
  EXPECT_NE(GetWindowLongA(f.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

  In(f).ClockSettings.Windowless = true;
  f.ChangeMode();
  EXPECT_EQ(WindowSize().cx, 150);
  EXPECT_EQ(WindowSize().cy, 40);
  EXPECT_NE(GetWindowRgn(f.Handle(), probe), ERROR);
  GetWindowTextA(f.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Orlavox");  // frameless shapes keep the caption they had

  f.MI_bigClick();
  EXPECT_EQ(WindowSize().cx, 292);
  EXPECT_TRUE(In(f).MainPopupMenu.Find("MI_big")->Checked);
  DeleteObject(probe);
}

// Onto a monitor at 150 % and back, as Windows tells it, with the scale in
// the message: the face, its buttons and the window at the new scale; during
// a drag the window stays under the pointer until the move ends.
TEST_F(MainFormTest, FollowsTheScaleOfTheMonitorAndTheDrag) {
  TMainForm& f = Start();
  const std::vector<ui::ChildRect> base = ui::LayoutOf(f.Handle());
  const SIZE answered = ui::ChangeScale(f.Handle(), 144);
  EXPECT_TRUE(answered.cx == 438 && answered.cy == 195);  // the frameless big face
  EXPECT_TRUE(WindowSize().cx == 438 && WindowSize().cy == 195);
  ui::ExpectLayoutScaled(base, ui::LayoutOf(f.Handle()), 144, "the main window");
  ui::ChangeScale(f.Handle(), 96);
  EXPECT_EQ(WindowSize().cx, 292);
  ui::ExpectLayoutScaled(base, ui::LayoutOf(f.Handle()), 96, "the main window");

  // Dragged half off the monitor and onto one at 150 %: fitted onto it only when the move ends.
  RECT r;
  SendMessageA(f.Handle(), WM_ENTERSIZEMOVE, 0, 0);
  SetWindowPos(f.Handle(), nullptr, -150, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ui::ChangeScale(f.Handle(), 144);
  GetWindowRect(f.Handle(), &r);
  EXPECT_EQ(r.left, -150);
  SendMessageA(f.Handle(), WM_EXITSIZEMOVE, 0, 0);
  GetWindowRect(f.Handle(), &r);
  EXPECT_EQ(r.left, ui::WorkAreaOf(f.Handle()).value_or(ui::PixelRect{-1}).Left);
  EXPECT_EQ(r.right - r.left, 438);
}

TEST_F(MainFormTest, LanguageMenuChoosesAndLoadsAVoice) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("BinSettings", "00000000000");
    reg.WriteString("SelLang", "7");  // more than there are voices
  }
  TMainForm& f = Start();
  ASSERT_EQ(In(f).LanguageList, (std::vector<std::string>{"Test (logging)", "Test (sleeping)"}));
  EXPECT_EQ(In(f).ClockSettings.SelectedLanguage, 0);
  ASSERT_EQ(In(f).LangMenu.Count(), 2u);
  EXPECT_EQ(In(f).LangMenu.At(0).Name, "MI_0");
  EXPECT_EQ(In(f).LangMenu.At(1).Name, "MI_1");
  EXPECT_TRUE(In(f).LangMenu.At(0).Checked && In(f).LangMenu.At(0).Radio);
  ASSERT_NE(In(f).SpeakProc, nullptr);
  const auto first = In(f).SpeakProc;

  f.LangMenuItemClick(In(f).LangMenu.At(1));
  EXPECT_EQ(In(f).ClockSettings.SelectedLanguage, 1);
  EXPECT_TRUE(In(f).LangMenu.At(1).Checked);
  EXPECT_FALSE(In(f).LangMenu.At(0).Checked);
  ASSERT_NE(In(f).SpeakProc, nullptr);
  EXPECT_NE(In(f).SpeakProc, first);
  EXPECT_EQ(GetModuleHandleA("Test (logging).dll"), nullptr);  // the first voice was released

  // While a voice speaks, a choice from an already open menu changes nothing.
  In(f).SpeechBusy = true;
  f.LangMenuItemClick(In(f).LangMenu.At(0));
  EXPECT_EQ(In(f).ClockSettings.SelectedLanguage, 1);
  In(f).SpeechBusy = false;
}

TEST_F(MainFormTest, GlobalShortcutFollowsTheSetting) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("BinSettings", "00000000001");
  }
  TMainForm& f = Start();
  EXPECT_TRUE(In(f).GlobalSpeechKey.Active());
  EXPECT_EQ(In(f).GlobalSpeechKey.HotKey(), 49235u);
  EXPECT_EQ(In(f).MainPopupMenu.Find("MI_Speak")->ShortCut, "Ctrl+Alt+S");
  In(f).ClockSettings.GlobalShortcut = false;
  f.ApplyGlobalShortcut();
  EXPECT_FALSE(In(f).GlobalSpeechKey.Active());
  EXPECT_EQ(In(f).MainPopupMenu.Find("MI_Speak")->ShortCut, "");
  // The hot key can be registered again once released.
  EXPECT_TRUE(RegisterHotKey(nullptr, 0x7000, MOD_CONTROL | MOD_ALT, 'S'));
  UnregisterHotKey(nullptr, 0x7000);
}

// What a screen reader gets from the clock: the time and date on the main
// window, and each speed button's hint as its name.
TEST_F(MainFormTest, ScreenReadersReadTheTimeAndTheButtons) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  TMainForm& f = Start();
  auto text = [](IAccessible* a, bool value) {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR b = nullptr;
    std::string out;
    if (SUCCEEDED(value ? a->get_accValue(self, &b) : a->get_accName(self, &b)) && b) {
      char buf[256] = "";
      WideCharToMultiByte(CP_ACP, 0, b, -1, buf, sizeof buf, nullptr, nullptr);
      out = buf;
      SysFreeString(b);
    }
    return out;
  };
  IAccessible* main = nullptr;
  ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(f.Handle(), OBJID_CLIENT, IID_IAccessible,
                                                   reinterpret_cast<void**>(&main))));
  const std::string before = f.CurrentTimeHint();
  const std::string value = text(main, true);
  const std::string after = f.CurrentTimeHint();  // the second may have changed meanwhile
  EXPECT_TRUE(value == before || value == after) << value << " / " << before;
  EXPECT_NE(value.find("Time: "), std::string::npos) << value;
  EXPECT_NE(value.find("Date: "), std::string::npos) << value;
  EXPECT_EQ(text(main, false), "Multilingual Orlavox");  // the caption stays the name
  for (ui::SpeedButton* b : {&In(f).AlarmButton, &In(f).SetupButton, &In(f).HelpButton, &In(f).AnnounceButton}) {
    IAccessible* a = nullptr;
    ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(b->Handle(), OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&a))));
    char hint[64] = "";
    GetWindowTextA(b->Handle(), hint, sizeof hint);
    EXPECT_EQ(text(a, false), hint);
    a->Release();
  }
  char alarmHint[64] = "";
  GetWindowTextA(In(f).AlarmButton.Handle(), alarmHint, sizeof alarmHint);
  EXPECT_STREQ(alarmHint, "Alarm setup");
  // A reader that keeps the object after the window has gone hears "disconnected".
  TearDown();
  VARIANT self{};
  self.vt = VT_I4;
  BSTR gone = nullptr;
  EXPECT_EQ(main->get_accValue(self, &gone), CO_E_OBJNOTCONNECTED);
  EXPECT_EQ(main->get_accName(self, &gone), CO_E_OBJNOTCONNECTED);
  main->Release();
  CoUninitialize();
}

// Another time zone picked (WM_TIMECHANGE): the next read of the clock is in
// the new zone, not a minute later, and the wake timer is set for the ring in
// it: the alarm two hours after UTC's time rings today at +00:00 and, at
// +04:00, when it has passed, tomorrow.
int64_t g_zoneOffset = 0;  // 100 ns
TEST_F(MainFormTest, AnotherTimeZoneIsReadAtOnce) {
  SetZoneOffsetSource([](int64_t) { return g_zoneOffset; });
  TMainForm& f = Start();
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  if (utc.wSecond >= 58) {  // the test runs within one UTC minute
    Sleep(2500);
    GetSystemTime(&utc);
  }
  In(f).MoreOptions.WakeForAlarm = true;
  In(f).ClockSettings.AlarmOn = true;
  In(f).ClockSettings.AlarmHour = (utc.wHour + 2) % 24;
  In(f).ClockSettings.AlarmMinute = utc.wMinute;
  SendMessageA(f.Handle(), WM_TIMECHANGE, 0, 0);
  const int64_t wake = In(f).WakeAt;
  SYSTEMTIME local;
  ReadLocalTime(local);
  EXPECT_EQ(local.wHour, utc.wHour);
  g_zoneOffset = 4 * 36000000000LL;
  SendMessageA(f.Handle(), WM_TIMECHANGE, 0, 0);
  ReadLocalTime(local);
  EXPECT_EQ(local.wHour, (utc.wHour + 4) % 24);
  EXPECT_EQ(local.wMinute, utc.wMinute);
  EXPECT_NE(wake, kNoStamp);
  EXPECT_EQ(In(f).WakeAt, wake + 86400);
  SetZoneOffsetSource(nullptr);
}


// Out of sight (locked, the display off, in the tray) the tick wakes at each
// whole minute only; in sight again it polls, and the face is current at
// once. What the ticks read is what they did: at 100 ms a clock running 20
// times faster is read every other second or so.
TEST_F(MainFormTest, OutOfSightTheTickWakesEachMinute) {
  {
    Registry reg;
    ASSERT_TRUE(reg.OpenKey(kSettingsKey, true));
    reg.WriteString("CurrentVer", "2.5");  // no notice
  }
  SetTestClock(*ParseTestClock("2026-03-01 10:00:40 x20"));
  TMainForm& f = Start();
  f.Timer1Timer();  // shows the window
  auto now = [&] { const TickTime t = f.Snapshot().Tick; return t.Minute * 60 + t.Second; };
  auto seen = [&](DWORD ms) {  // the times the ticks read meanwhile
    std::set<int> times;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      Pump();
      times.insert(now());
    }
    return times;
  };
  auto display = [&](DWORD state) {  // GUID_CONSOLE_DISPLAY_STATE: 0 off, 1 on
    struct { GUID Setting; DWORD Length, Data; } s{
        {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}}, 4, state};
    SendMessageA(f.Handle(), WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, LPARAM(&s));
  };
  const std::vector<std::pair<std::function<void()>, std::function<void()>>> outOfSight{
      {[&] { SendMessageA(f.Handle(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0); },
       [&] { SendMessageA(f.Handle(), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0); }},
      {[&] { display(0); }, [&] { display(1); }},
      {[&] { f.HideMainWindow(); }, [&] { f.ShowMainWindow(); }},
  };
  EXPECT_GE(seen(500).size(), 3u);
  for (size_t i = 0; i < outOfSight.size(); ++i) {
    SCOPED_TRACE(i);
    outOfSight[i].first();
    Pump();
    const int left = now();
    const std::set<int> quiet = seen(3500);  // a faked minute and more
    EXPECT_GE(quiet.size(), 2u);
    for (int t : quiet) EXPECT_TRUE(t == left || t % 60 <= 1) << t;  // at the minute (50 ms late reads :01)
    outOfSight[i].second();
    Pump();
    SYSTEMTIME st;
    ReadLocalTime(st);
    EXPECT_LE(st.wMinute * 60 + st.wSecond - now(), 1);  // current at once
    EXPECT_GE(seen(1000).size(), 3u);                    // and polled again
  }
  SetTestClock(TestClockSetting{0, 0});  // the system's clock again
}


}  // namespace
}  // namespace orlavox
