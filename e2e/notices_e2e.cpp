// The welcome and upgrade notices of the first start of the running program.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/harness.h"
#include "settings/clock_settings.h"
#include "shell/help_engine.h"

namespace orlavox::e2e {
namespace {

class NoticesE2E : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }
  // Escape leaves the notice open; OK closes it.
  void EscapeThenOk(HWND notice, const char* ok) {
    PostKey(FindControl(notice, ok), VK_ESCAPE);
    Sleep(700);
    EXPECT_TRUE(IsWindowVisible(notice)) << "Escape closed the notice";
    ASSERT_TRUE(ClickControl(notice, ok));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(notice); }, 5000));
  }
};

TEST_F(NoticesE2E, WelcomeOnAFirstRunOverTheWindow) {
  const std::string events = ScratchDir() + "notice-events.txt";
  DeleteFileA(events.c_str());
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", events.c_str());
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  SetEnvironmentVariableA("ORLAVOX_TEST_EVENTS", nullptr);
  HWND notice = WaitForDialog(p.Pid(), "Welcome!");
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(IsWindowVisible(p.MainWindow()));
  RECT r;
  GetWindowRect(notice, &r);
  const RECT work = MonitorWorkArea(p.MainWindow());  // centred on the clock's monitor
  EXPECT_EQ(r.left, work.left + (work.right - work.left - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2);
  Sleep(500);  // painted
  EXPECT_TRUE(SaveScreenshot(OutputDir() + "notice-welcome.bmp"));
  ASSERT_TRUE(ClickControl(notice, kProductWebPage));
  auto opened = [&] {  // the log also counts the minutes the clock saw
    std::vector<std::string> lines;
    for (const std::string& l : ReadLines(events))
      if (l.rfind("open ", 0) == 0) lines.push_back(l);
    return lines;
  };
  EXPECT_TRUE(WaitFor([&] { return !opened().empty(); }, 3000));
  EXPECT_EQ(opened(), (std::vector<std::string>{std::string("open ") + kProductWebPage}));
  EscapeThenOk(notice, "OK");
  EXPECT_EQ(p.Probe(kProbeFirstRun), 0);
  EXPECT_EQ(p.Probe(kProbeFirstRunPending), 0);
  Sleep(500);
  EXPECT_EQ(FindDialog(p.Pid(), ""), nullptr);  // shown once
  EXPECT_TRUE(p.Close());
}

TEST_F(NoticesE2E, UpgradeFromTheOlderEditionRemovesItsKey) {
  const std::string old = kOldEditionKey;
  WriteValue(old.c_str(), "WindowTop", "120");
  WriteValue((old + "\\Voices").c_str(), "Lang", "1");  // a subkey goes as well
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND notice = WaitForDialog(p.Pid(), "Thank you for upgrading");
  ASSERT_NE(notice, nullptr);
  // At its place on the clock's monitor when that fits, otherwise moved just
  // enough to lie on its work area.
  RECT r, area = MonitorWorkArea(p.MainWindow());
  GetWindowRect(notice, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  EXPECT_EQ(r.left, 577 + w <= area.right ? 577 : area.right - w);
  EXPECT_EQ(r.top, 528 + h <= area.bottom ? 528 : area.bottom - h);
  EXPECT_GE(r.left, area.left);
  EXPECT_GE(r.top, area.top);
  std::printf("upgrade notice at %ld,%ld-%ld,%ld in a work area of %ld x %ld\n", r.left, r.top, r.right, r.bottom,
              area.right - area.left, area.bottom - area.top);
  Sleep(500);  // painted
  EXPECT_TRUE(SaveScreenshot(OutputDir() + "notice-upgrade.bmp"));
  EXPECT_EQ(ReadValue(kOldEditionKey, "WindowTop"), "120");  // removed only after OK
  EscapeThenOk(notice, "&OK");
  EXPECT_TRUE(WaitFor([&] { return ReadValue(kOldEditionKey, "WindowTop") == "<absent>"; }, 3000));
  HKEY key;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, old.c_str() + 1, 0, KEY_READ, &key), ERROR_SUCCESS);
  EXPECT_EQ(WaitForDialog(p.Pid(), "Welcome!", 1500), nullptr);
  EXPECT_TRUE(p.Close());
}

TEST_F(NoticesE2E, UpgradeWithinThisEdition) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  WriteValue(kSettingsKey, "CurrentVer", "2.4");
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  EXPECT_EQ(DismissNotice(p.Pid()), "Thank you for upgrading");
  EXPECT_EQ(WaitForDialog(p.Pid(), "", 1500), nullptr);  // no welcome, no message
  EXPECT_EQ(ReadValue(kSettingsKey, "BinSettings"), "00000000000");
  EXPECT_TRUE(p.Close());
}

}  // namespace
}  // namespace orlavox::e2e
