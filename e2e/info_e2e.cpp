// Help, the web link and the two information dialogs, as a user reaches them:
// Ctrl+H on the clock, the Options menu, a click on the link, Enter and Escape.
#include <gtest/gtest.h>

#include "e2e/capture.h"
#include "e2e/harness.h"
#include "resources/lang_text.h"
#include "settings/clock_settings.h"
#include "shell/help_engine.h"
#include "win/wide_text.h"

namespace orlavox::e2e {
namespace {

constexpr const char* kSite = "https://orlavox.example.org/";

struct InfoE2E : ::testing::Test {
  std::string events;
  ClockProcess clock;
  HWND main = nullptr;

  void SetUp() override {
    ResetRegistry();
    WriteSettings("00000000000", "0312034201000000", "6000000000");  // framed, no first run
    events = ScratchDir() + "info-events.txt";
    DeleteFileA(events.c_str());
    SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
    if (clock.Running()) {
      EXPECT_TRUE(clock.Close());
    }
  }
  void Start(const std::string& exe = "") {
    ASSERT_TRUE(clock.Start("", exe));
    main = clock.WaitForMainWindow(true);
    ASSERT_TRUE(main);
  }
  bool Logged(const std::string& line) {
    for (const std::string& l : ReadLines(events))
      if (l == line) return true;
    return false;
  }
  // Opens the Options menu with a click on its button and picks an item with
  // the keys given: its letter, or the arrow keys and Enter when another item
  // has the same letter ("&Big display" and "A&bout...").
  HWND FromMenu(std::initializer_list<WORD> keys, const char* caption) {
    POINT p{110 + 20, 102 + 11};  // the middle of the Options button
    ClientToScreen(main, &p);
    HWND dlg = nullptr;
    PickFromMenu([&] { ClickAt(p.x, p.y); }, keys,
                 [&] { return (dlg = FindProcessWindow(clock.Pid(), caption)) != nullptr; });
    return dlg;
  }
};

const ChildWindow* Child(const std::vector<ChildWindow>& all, const std::string& cls, const std::string& text) {
  for (const ChildWindow& c : all)
    if (c.Class == cls && (text == "*" || WithoutMnemonic(c.Text) == text)) return &c;
  return nullptr;
}

void ExpectPlace(const ChildWindow* c, int x, int y, int w, int h, const char* what) {
  ASSERT_TRUE(c) << what;
  EXPECT_EQ(c->Rect.left, x) << what;
  EXPECT_EQ(c->Rect.top, y) << what;
  if (w) {
    EXPECT_EQ(c->Width(), w) << what;
  }
  if (h) {
    EXPECT_EQ(c->Height(), h) << what;
  }
}

// Centred on the work area of the clock's monitor.
void ExpectCentredClient(HWND dlg, int w, int h, HWND clock) {
  RECT c, r;
  GetClientRect(dlg, &c);
  GetWindowRect(dlg, &r);
  EXPECT_EQ(c.right, w);
  EXPECT_EQ(c.bottom, h);
  const RECT work = MonitorWorkArea(clock);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2);
}

TEST_F(InfoE2E, CtrlHOpensTheHelpWindow) {
  // The prefix registers the control as Windows does (scripts/lib.sh): REG_EXPAND_SZ with %SystemRoot%.
  char data[MAX_PATH] = "";
  DWORD size = sizeof data;
  ASSERT_EQ(RegGetValueA(HKEY_CLASSES_ROOT, kHtmlHelpClsidKey, nullptr, RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                         data, &size), ERROR_SUCCESS);
  ASSERT_EQ(std::string(data).find("%SystemRoot%"), 0u) << data;
  Start();
  PressKeys(main, {VK_CONTROL, 'H'});
  HWND help = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (help = FindProcessWindow(clock.Pid(), nullptr, "HH Parent")) != nullptr; },
                      10000));
  EXPECT_TRUE(Logged("help 0 0"));  // the default topic
  Sleep(1000);
  SaveScreenshot(OutputDir() + "help-default-topic.bmp");
}

// A program folder whose name the ANSI code page cannot spell: Ctrl+H opens
// the help file beside the program. The control registered as a plain
// REG_SZ, as Wine and older systems store it, is found too.
TEST_F(InfoE2E, HelpInAFolderOfAnyScript) {
  SetEnvironmentVariableA("ORLAVOX_TEST_HELP_CONTROL_SZ", "C:\\windows\\system32\\hhctrl.ocx");
  const std::string exe = PrepareInstall("\xE6\x99\x82\xE8\xA8\x88 help", {"shipped:English (female).dll"});  // "時計 help"
  const std::string chm = exe.substr(0, exe.find_last_of('\\') + 1) + "Orlavox.chm";
  ASSERT_TRUE(CopyFileW(Wide(DistTestDir() + "Orlavox.chm").c_str(), Wide(chm).c_str(), FALSE));
  Start(exe);
  SetEnvironmentVariableA("ORLAVOX_TEST_HELP_CONTROL_SZ", nullptr);
  PressKeys(main, {VK_CONTROL, 'H'});
  EXPECT_TRUE(WaitFor([&] { return FindProcessWindow(clock.Pid(), nullptr, "HH Parent") != nullptr; }, 10000));
}

// Without the HTML Help control, Ctrl+H does nothing at all. The test build
// is shown a registry of classes without it (a key of the program's own).
TEST_F(InfoE2E, NoHelpControlMeansNoHelp) {
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_HELP_CONTROL", "1");
  Start();
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_HELP_CONTROL", nullptr);
  PressKeys(main, {VK_CONTROL, 'H'});
  Sleep(2000);
  EXPECT_EQ(FindProcessWindow(clock.Pid(), nullptr, "HH Parent"), nullptr);
  EXPECT_EQ(MessageBoxText(clock.Pid()), "");
  EXPECT_TRUE(clock.Running());
  EXPECT_GE(clock.Probe(kProbeHour), 0);  // still answering (-1 when it does not)
  EXPECT_FALSE(Logged("help 0 0"));
}

TEST_F(InfoE2E, AboutBoxLayoutLinkAndEnter) {
  Start();
  HWND about = FromMenu({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
                        "About Multilingual Orlavox");  // past "Alarms..." and "More options..." too
  ASSERT_TRUE(about);
  ExpectCentredClient(about, 350, 203, main);
  const auto kids = ChildWindows(about);
  const ChildWindow* panel = Child(kids, "OrlavoxContainer", "");
  ExpectPlace(panel, 16, 16, 321, 121, "Panel1");
  ExpectPlace(Child(kids, "Static", ""), 8, 10, 41, 41, "Image1");
  ExpectPlace(Child(kids, "Static", "Multilingual Orlavox"), 64, 8, 0, 0, "StaticText1");
  ExpectPlace(Child(kids, "Static", "Version 2.5"), 64, 30, 0, 0, "StaticText2");
  const ChildWindow* link = Child(kids, "Static", kSite);
  ExpectPlace(link, 8, 97, 305, 17, "StaticText4");
  ExpectPlace(Child(kids, "Button", "OK"), 136, 154, 75, 33, "BitBtn1");
  for (const ChildWindow& c : kids)
    if (c.Class == "Static") {
      EXPECT_EQ(c.Parent, panel->Hwnd) << c.Text;
    }
  SaveScreenshot(OutputDir() + "about.bmp");

  RECT r;
  GetWindowRect(link->Hwnd, &r);
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == about; }, 5000));
  Sleep(300);
  ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_TRUE(WaitFor([&] { return Logged(std::string("open ") + kSite); }, 5000));
  PressKeys(about, {VK_RETURN});
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); }, 5000));
}

// The edition dialog shows info.dat as rich text, as plain text, or says it is
// missing. The rich text lies in a folder the ANSI code page cannot spell,
// beside a riched20.dll and a winmm.dll planted there; Wine looks for them as
// Windows does (the program's folder first), and neither is loaded: not at
// the start, nor by an announcement, nor by the dialog.
TEST_F(InfoE2E, EditionDialogShowsInfoDat) {
  struct Case {
    const char* name;
    std::string content;  // "" leaves the file away
  } cases[] = {{"\xE6\x99\x82\xE8\xA8\x88 info-rtf", "<shipped>"}, {"info-plain", "Plain words about the larger edition.\r\n"},
               {"info-missing", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string exe = PrepareInstall(c.name, {"shipped:English (female).dll"});
    const std::string info = exe.substr(0, exe.find_last_of('\\') + 1) + "info.dat";
    DeleteFileW(Wide(info).c_str());
    const std::string log = ScratchDir() + "planted.log";
    DeleteFileA(log.c_str());
    if (c.content == "<shipped>") {
      ASSERT_TRUE(CopyFileW(Wide(DistTestDir() + "info.dat").c_str(), Wide(info).c_str(), FALSE));
      for (const char* name : {"riched20.dll", "winmm.dll"}) {
        const std::string planted = exe.substr(0, exe.find_last_of('\\') + 1) + name;
        ASSERT_TRUE(CopyFileW(Wide(Env("ORLAVOX_TEST_PLUGINS") + "\\" + name).c_str(), Wide(planted).c_str(), FALSE));
      }
      // Wine reads this when it starts (e2e/CMakeLists.txt), not from a parent's Windows environment.
      ASSERT_NE(Env("WINEDLLOVERRIDES").find("riched20,winmm=n,b"), std::string::npos)
          << "Wine must search as Windows does";
      SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", log.c_str());
      WriteSettings("00000000001", "0312034201000000", "6000000000");  // and the hot key
    } else if (!c.content.empty()) {
      HANDLE f = CreateFileW(Wide(info).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      DWORD n = 0;
      WriteFile(f, c.content.data(), DWORD(c.content.size()), &n, nullptr);
      CloseHandle(f);
    }
    Start(exe);
    SetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOG", nullptr);
    if (c.content == "<shipped>") {  // the voice speaks through winmm
      PressSpeechHotKey();
      EXPECT_TRUE(WaitFor([&] { return clock.Probe(kProbeAnnouncements) == 1; }, 5000));
      EXPECT_TRUE(WaitFor([&] { return clock.Probe(kProbeSpeechBusy) == 0; }, 15000));
    }
    HWND dlg = FromMenu({'W'}, "Try Orlavox Zentra!");
    ASSERT_TRUE(dlg);
    for (const std::string& line : ReadLines(log)) ADD_FAILURE() << line;
    const auto kids = ChildWindows(dlg);
    const ChildWindow* view = Child(kids, "RichEdit20W", "*");
    ASSERT_TRUE(view);
    const std::string text = view->Text;
    if (c.content == "<shipped>") {
      EXPECT_NE(text.find("Orlavox Zentra is the larger edition"), std::string::npos) << text;
      EXPECT_EQ(text.find("\\rtf"), std::string::npos);
      ExpectCentredClient(dlg, 425, 270, main);
      ExpectPlace(view, 8, 8, 409, 193, "RichEdit1");
      ExpectPlace(Child(kids, "Button", "Close"), 330, 214, 87, 47, "CloseButton");
      ExpectPlace(Child(kids, "OrlavoxContainer", ""), 8, 208, 313, 54, "GroupBox1");
      ExpectPlace(Child(kids, "Static", "Click the link below to download Orlavox Zentra!"), 8, 14, 297, 17,
                  "StaticText1");
      ExpectPlace(Child(kids, "Static", kSite), 8, 32, 297, 17, "StaticText2");
      SaveScreenshot(OutputDir() + "edition.bmp");
    } else if (!c.content.empty()) {
      EXPECT_EQ(text.find("Plain words about the larger edition."), 0u) << text;
    } else {
      EXPECT_NE(text.find("could not be read"), std::string::npos) << text;
    }
    PressKeys(dlg, {VK_ESCAPE});
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dlg); }, 5000));
    EXPECT_TRUE(clock.Close());
  }
}

}  // namespace
}  // namespace orlavox::e2e
