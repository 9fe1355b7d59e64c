// Start-up, settings and close of the real program, checked from outside.
#include <gtest/gtest.h>

#include "e2e/harness.h"
#include "settings/clock_settings.h"
#include "win/wide_text.h"

namespace orlavox::e2e {
namespace {

const char* const kSettings = kSettingsKey;

class StartupE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    deskW_ = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    deskH_ = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  }
  void TearDown() override { ResetRegistry(); }

  // Starts the clock, waits until it shows its window, closes it.
  RECT RunAndClose(ClockProcess& p, bool expectVisible = true) {
    RECT r{};
    EXPECT_TRUE(p.Start());
    HWND w = p.WaitForMainWindow(expectVisible);
    EXPECT_NE(w, nullptr);
    if (w) GetWindowRect(w, &r);
    EXPECT_TRUE(p.Close());
    return r;
  }
  int deskW_ = 0, deskH_ = 0;
};

TEST_F(StartupE2E, FirstRunCentredFramelessAndSaved) {
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(false);
  ASSERT_NE(w, nullptr);
  // The probe is answered once start-up has finished and the loop runs.
  p.Probe(kProbeFirstRun);
  EXPECT_EQ(ReadValue(kSettings, "CurrentVer"), "2.5");  // right after start-up
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "<absent>");
  HANDLE m = OpenMutexA(SYNCHRONIZE, FALSE, "OrlavoxLite");
  EXPECT_NE(m, nullptr);
  if (m) CloseHandle(m);
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, deskW_ / 2 - 170);
  EXPECT_EQ(r.top, deskH_ / 2 - 72);
  EXPECT_EQ(r.right - r.left, 292);
  EXPECT_EQ(r.bottom - r.top, 130);
  EXPECT_EQ(GetWindowLongA(w, GWL_STYLE) & WS_CAPTION, 0);
  EXPECT_EQ(DismissNotice(p.Pid()), "Welcome!");
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "00000010000");
  char lnum[17];
  snprintf(lnum, sizeof lnum, "%04d%04d01000000", deskH_ / 2 - 72, deskW_ / 2 - 170);
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), lnum);
  EXPECT_EQ(ReadValue(kSettings, "SNumSettings"), "6000000000");
  EXPECT_EQ(ReadValue(kSettings, "WaveFileName"), "");
  // The tests run in Wine's US English: the first English voice of the sorted
  // list ("Dutch (male)" comes first) and the 12-hour face.
  EXPECT_EQ(ReadValue(kSettings, "SelLang"), "1");
  EXPECT_EQ(ReadValue(kRunKey, kRunValue), "<absent>");
}

TEST_F(StartupE2E, OlderEditionOnly) {
  WriteValue(kOldEditionKey, "WindowTop", "120");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(DismissNotice(p.Pid()), "Thank you for upgrading");
  EXPECT_EQ(p.Probe(kProbeFirstRun), 0);
  EXPECT_EQ(p.Probe(kProbeNewVersion), 0);  // shown
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 298);  // framed: Windowless is off
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION) + 136);
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "00000000000");
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), "0000000001000000");
}

TEST_F(StartupE2E, VersionMarkerOfAnEarlierVersion) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  WriteValue(kSettings, "CurrentVer", "2.4");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  ASSERT_NE(p.WaitForMainWindow(false), nullptr);
  EXPECT_EQ(ReadValue(kSettings, "CurrentVer"), "2.5");
  EXPECT_EQ(DismissNotice(p.Pid()), "Thank you for upgrading");
  ASSERT_TRUE(p.Close());
  ClockProcess again;
  ASSERT_TRUE(again.Start());
  ASSERT_NE(again.WaitForMainWindow(false), nullptr);
  EXPECT_EQ(again.Probe(kProbeNewVersion), 0);
  EXPECT_EQ(DismissNotice(again.Pid(), 1500), "");  // no notice the second time
  EXPECT_TRUE(again.Close());
}

TEST_F(StartupE2E, StartInTrayShowsNoWindowButClosesAndSaves) {
  WriteSettings("1", "0100010001000000", "6000000000");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(false);
  ASSERT_NE(w, nullptr);
  Sleep(1500);  // many ticks
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(p.Probe(kProbeMainWindowPending), 0);
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "10000000000");
}

// Installed as the installer does, in a folder whose name has a space
// ("...\Programs\Multilingual Orlavox"), beside which lies a program named
// after the first word: the Run entry, run as Windows runs it, starts the clock.
TEST_F(StartupE2E, OnTopAndAutoStartFromFlags) {
  WriteSettings("0101x1", "0100010001000000", "6000000000");
  const std::string programs = ScratchDir() + "\xC5\x81ukasz Programs\\";  // "Łukasz Programs"
  CreateDirectoryW(Wide(programs).c_str(), nullptr);
  ASSERT_TRUE(CopyFileW(L"C:\\windows\\system32\\hostname.exe", Wide(programs + "Multilingual.exe").c_str(), FALSE));
  const std::string exe =
      PrepareInstall("\xC5\x81ukasz Programs\\Multilingual Orlavox", {"shipped:English (female).dll"});
  ClockProcess p;
  ASSERT_TRUE(p.Start("", exe));
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  ASSERT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "01010100000");
  const std::string entry = ReadValue(kRunKey, kRunValue);
  EXPECT_EQ(entry, "\"" + exe + "\"");
  ClockProcess logon;
  ASSERT_TRUE(logon.StartCommand(entry));
  EXPECT_NE(logon.WaitForMainWindow(true), nullptr) << "the Run entry did not start the clock";
  EXPECT_TRUE(logon.Close());

  // Switched off, the entry goes from both Run keys.
  WriteValue(kRunKeyNT, kRunValue, entry);
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess off;
  RunAndClose(off);
  EXPECT_EQ(ReadValue(kRunKey, kRunValue), "<absent>");
  EXPECT_EQ(ReadValue(kRunKeyNT, kRunValue), "<absent>");
}

TEST_F(StartupE2E, LongNumberStrings) {
  struct Case {
    const char* stored;
    int top, left, interval;
    const char* saved;
  } cases[] = {
      {"-005-020", 0, 0, 100, "0000000001000000"},
      {"abcd010003000010", 100, 100, 300, "0100010003000010"},
      {"000000001000", 0, 0, 1000, "0000000010000000"},
      {"000000001001", 0, 0, 100, "0000000001000000"},
      {"000000000099", 0, 0, 100, "0000000001000000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    WriteSettings("00000000000", c.stored, "6000000000");
    ClockProcess p;
    ASSERT_TRUE(p.Start());
    HWND w = p.WaitForMainWindow(true);
    ASSERT_NE(w, nullptr);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.top, c.top);
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(p.Probe(kProbeTimerInterval), c.interval);
    ASSERT_TRUE(p.Close());
    EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), c.saved);
  }
}

TEST_F(StartupE2E, PositionAgainstTheDesktopAndNegativeTops) {
  // Saved on a larger screen: the window is moved just enough to lie wholly
  // on the work area, not left with a 50 x 50 corner showing.
  RECT work;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  char stored[17];
  snprintf(stored, sizeof stored, "%04d%04d01000000", deskH_ + 1, deskW_ - 100);
  WriteSettings("00000000000", stored, "6000000000");
  ClockProcess p1;
  const RECT r = RunAndClose(p1);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.bottom, work.bottom);

  // A window moved to top -8 is saved as -008 and comes back at 0.
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess p3;
  ASSERT_TRUE(p3.Start());
  HWND w = p3.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  SetWindowPos(w, nullptr, 40, -8, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(p3.Close());
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), "-008004001000000");
  ClockProcess p4;
  EXPECT_EQ(RunAndClose(p4).top, 0);

  // Far outside the four-character range: clamped, every group keeps its width.
  ClockProcess p5;
  ASSERT_TRUE(p5.Start());
  w = p5.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  SetWindowPos(w, nullptr, 12000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(p5.Close());
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), "-999999901000000");
}

TEST_F(StartupE2E, ShortNumberStrings) {
  const char* cases[][2] = {
      {"6124530001", "6000530001"},
      {"05", "0500000000"},
      {"150730-102", "1507300002"},
      {"1507300102", "1507300102"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c[0]);
    WriteSettings("00000000000", "0100010001000000", c[0]);
    ClockProcess p;
    RunAndClose(p);
    EXPECT_EQ(ReadValue(kSettings, "SNumSettings"), c[1]);
  }
}

TEST_F(StartupE2E, BadStoredValuesNeverStopTheClock) {
  WriteValue(kSettings, "CurrentVer", "2.5");
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettings + 1, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  DWORD dw = 7;
  RegSetValueExA(key, "BinSettings", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), sizeof dw);
  const BYTE bin[] = {1, 2, 3, 4};
  RegSetValueExA(key, "LNumSettings", 0, REG_BINARY, bin, sizeof bin);
  const std::string huge(1 << 20, '7');
  RegSetValueExA(key, "SNumSettings", 0, REG_SZ, reinterpret_cast<const BYTE*>(huge.c_str()), DWORD(huge.size() + 1));
  RegSetValueExA(key, "WaveFileName", 0, REG_SZ, reinterpret_cast<const BYTE*>(huge.c_str()), DWORD(huge.size() + 1));
  RegSetValueExA(key, "SelLang", 0, REG_SZ, reinterpret_cast<const BYTE*>("x1"), 3);
  RegCloseKey(key);
  ClockProcess p;
  RunAndClose(p);
  EXPECT_EQ(ReadValue(kSettings, "BinSettings"), "00000000000");
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), "0100010001000000");
  EXPECT_EQ(ReadValue(kSettings, "SNumSettings"), "6000000001");
  EXPECT_EQ(ReadValue(kSettings, "WaveFileName"), "");
  EXPECT_EQ(ReadValue(kSettings, "SelLang"), "0");

  // Non-digits everywhere.
  WriteSettings("xxxxxxxxxxx", "a-b-c-d-e-f-g-h-", "zzzzzzzzzz");
  ClockProcess q;
  RunAndClose(q);
  EXPECT_EQ(ReadValue(kSettings, "LNumSettings"), "0100010001000000");
  EXPECT_EQ(ReadValue(kSettings, "SNumSettings"), "6000000001");
}

// The settings key is a registry link to a key that does not exist: it can be
// neither opened nor created, so nothing can be read or written.
TEST_F(StartupE2E, SettingsKeyThatCannotBeOpened) {
  HKEY parent;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Brenvik", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &parent,
                            nullptr),
            ERROR_SUCCESS);
  HKEY link;
  LONG rc = RegCreateKeyExW(parent, L"Orlavox Lite", 0, nullptr, REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &link, nullptr);
  if (rc != ERROR_SUCCESS) {
    RegCloseKey(parent);
    GTEST_SKIP() << "registry links unavailable here: " << rc;
  }
  const wchar_t target[] = L"\\Registry\\Machine\\Software\\OrlavoxNowhere\\Missing";
  RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target),
                 sizeof target - sizeof(wchar_t));
  RegCloseKey(link);
  RegCloseKey(parent);
  HKEY probe;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettings + 1, 0, KEY_ALL_ACCESS, &probe) == ERROR_SUCCESS) {
    RegCloseKey(probe);
    GTEST_SKIP() << "the link opened; cannot make an unopenable key here";
  }
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, deskW_ / 2 - 170);  // first-run defaults
  EXPECT_EQ(r.right - r.left, 292);
  EXPECT_TRUE(p.Close());
  // Remove the link itself, not its target.
  HKEY brenvik;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brenvik", 0, KEY_ALL_ACCESS, &brenvik) == ERROR_SUCCESS) {
    HKEY l;
    if (RegOpenKeyExW(brenvik, L"Orlavox Lite", REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS, &l) == ERROR_SUCCESS) {
      using DeleteKeyFn = LONG(WINAPI*)(HANDLE);
      auto del = reinterpret_cast<DeleteKeyFn>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey"));
      if (del) del(l);
      RegCloseKey(l);
    }
    RegCloseKey(brenvik);
  }
}

TEST_F(StartupE2E, TwoCopiesRunSideBySide) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess a, b;
  ASSERT_TRUE(a.Start());
  ASSERT_NE(a.WaitForMainWindow(true), nullptr);
  ASSERT_TRUE(b.Start());
  ASSERT_NE(b.WaitForMainWindow(true), nullptr);
  EXPECT_TRUE(a.Running());
  EXPECT_TRUE(b.Running());
  EXPECT_TRUE(a.Close());
  EXPECT_TRUE(b.Close());
}

TEST_F(StartupE2E, TestClockStartsAtTheGivenMomentAndRuns) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-05 23:59:58"));  // a Saturday
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  EXPECT_TRUE(WaitFor([&] { return p.Probe(kProbeDay) == 6; }, 8000));
  EXPECT_EQ(p.Probe(kProbeHour), 0);
  EXPECT_EQ(p.Probe(kProbeDayOfWeek), 1);  // Sunday
  EXPECT_TRUE(p.Close());

  ClockProcess fast;
  ASSERT_TRUE(fast.Start("2026-12-07 10:00:00 x600"));
  ASSERT_NE(fast.WaitForMainWindow(true), nullptr);
  EXPECT_TRUE(WaitFor([&] { return fast.Probe(kProbeHour) == 11; }, 15000));
  EXPECT_TRUE(fast.Close());
}

}  // namespace
}  // namespace orlavox::e2e

namespace orlavox::e2e {
namespace {

// Alt+F4 on the frameless first-run window closes it like the close box does.
TEST_F(StartupE2E, AltF4Closes) {
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(DismissNotice(p.Pid()), "Welcome!");
  SetForegroundWindow(w);
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == w; }, 3000));
  INPUT in[4] = {};
  const WORD keys[2] = {VK_MENU, VK_F4};
  for (int i = 0; i < 2; ++i) {
    in[i].type = in[3 - i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = in[3 - i].ki.wVk = keys[i];
    in[3 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(4, in, sizeof(INPUT));
  EXPECT_TRUE(p.WaitExit(10000));
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "00000010000");
}

}  // namespace
}  // namespace orlavox::e2e
