// The clock face and the tray clock of the running program.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "e2e/harness.h"
#include "settings/clock_settings.h"

namespace orlavox::e2e {
namespace {

class FaceE2E : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }
};


TEST_F(FaceE2E, ScreenshotAtAFakedTime) {
  // Framed big display, 24-hour clock, alarm and announcements on, taskbar button.
  WriteSettings("00111001000", "0200030001000000", "1507300000");
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-05 21:07:42"));
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  Sleep(1500);
  const std::string path = OutputDir() + "face-2026-12-05-2107.bmp";
  ASSERT_TRUE(SaveScreenshot(path)) << path;
  std::printf("screenshot: %s\n", path.c_str());
  EXPECT_EQ(p.Probe(kProbeHour), 21);
  EXPECT_TRUE(p.Close());
}

TEST_F(FaceE2E, TrayIconEveryMinuteTooltipEverySecondUnderThePointer) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess p;
  // Wine's HTML Help control imports the common controls: without it, what
  // the clock loads by itself is seen below.
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_HELP_CONTROL", "1");
  ASSERT_TRUE(p.Start("2026-12-07 10:00:56"));
  SetEnvironmentVariableA("ORLAVOX_TEST_NO_HELP_CONTROL", nullptr);
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  SetCursorPos(400, 300);  // away from the icon and the clock's buttons
  const LRESULT icons0 = p.Probe(kProbeTrayIconCount), hints0 = p.Probe(kProbeTrayHintCount);
  // Until past 10:01:02, nobody pointing at the icon: one new minute.
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeMinute) == 1 && p.Probe(kProbeSecond) >= 2; }, 15000));
  EXPECT_EQ(p.Probe(kProbeTrayIconCount) - icons0, 1);
  EXPECT_EQ(p.Probe(kProbeTrayHintCount) - hints0, 1);
  // Shown, in the tray and left alone, the clock has not loaded the common
  // controls, nor the pictures their library loads with it.
  EXPECT_FALSE(p.HasModule("comctl32.dll"));
  // The pointer comes onto the icon in the notification area and rests:
  // the tooltip follows every second.
  // Wine's taskbar puts the only icon at its right end.
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  ASSERT_NE(taskbar, nullptr);
  RECT r;
  GetWindowRect(taskbar, &r);
  const LRESULT hints1 = p.Probe(kProbeTrayHintCount);
  SetCursorPos(r.right - GetSystemMetrics(SM_CXSMICON) / 2 - 1, (r.top + r.bottom) / 2);
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeSecond) >= 7; }, 15000));
  const LRESULT hints = p.Probe(kProbeTrayHintCount) - hints1;
  EXPECT_GE(hints, 4);
  EXPECT_LE(hints, 8);
  EXPECT_TRUE(p.Close());
}

TEST_F(FaceE2E, NoHandleGrowthOverSixtyFakedHours) {
  WriteSettings("00000000000", "0100010001000000", "6000000000");
  ClockProcess p;
  // Four hours a second: every tick changes the minute, most the hour, some the day.
  ASSERT_TRUE(p.Start("2026-12-07 10:00:00 x14400"));
  ASSERT_NE(p.WaitForMainWindow(true), nullptr);
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeHour) >= 11 || p.Probe(kProbeDay) != 7; }, 10000));
  const LRESULT gdi1 = p.Probe(kProbeGdiObjects), user1 = p.Probe(kProbeUserObjects);
  const LRESULT icons1 = p.Probe(kProbeTrayIconCount);
  // 60 faked hours later: two and a half days on.
  ASSERT_TRUE(WaitFor([&] { return p.Probe(kProbeDay) == 9 && p.Probe(kProbeHour) >= 22; }, 40000));
  const LRESULT gdi60 = p.Probe(kProbeGdiObjects), user60 = p.Probe(kProbeUserObjects);
  std::printf("GDI objects %ld -> %ld, icons and menus %ld -> %ld, tray icons built %ld\n", long(gdi1), long(gdi60),
              long(user1), long(user60), long(p.Probe(kProbeTrayIconCount) - icons1));
  EXPECT_GT(p.Probe(kProbeTrayIconCount) - icons1, 100);  // the icon really was rebuilt
  EXPECT_LE(gdi60 - gdi1, 3);
  EXPECT_LE(user60 - user1, 3);
  EXPECT_TRUE(p.Close());
}

TEST_F(FaceE2E, MinimiseToTrayAndBackByDoubleClick) {
  WriteSettings("00000001000", "0100010001000000", "6000000000");  // framed, ShowInTaskbar
  ClockProcess p;
  ASSERT_TRUE(p.Start());
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  HWND app = FindProcessWindow(p.Pid(), nullptr, "OrlavoxApplication", false);
  HWND tray = FindProcessWindow(p.Pid(), nullptr, "OrlavoxTrayWindow", false);
  ASSERT_NE(app, nullptr);
  ASSERT_NE(tray, nullptr);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(app) != FALSE; }, 3000));  // the taskbar button
  char title[64];
  GetWindowTextA(app, title, sizeof title);
  EXPECT_STREQ(title, "Multilingual Orlavox");
  EXPECT_EQ(GetWindow(w, GW_OWNER), app);

  SendMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);  // the caption's minimise button
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_FALSE(IsWindowVisible(app));

  SendMessageA(tray, 2048, 1, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(w) && IsWindowVisible(app); }, 3000));
  EXPECT_TRUE(p.Close());
}

TEST_F(FaceE2E, SmallDisplayShape) {
  WriteSettings("00100000000", "0100010001000000", "6000000100");  // framed, small, 24-hour
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 21:07:00"));
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right - r.left, 156);
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION) + 38);
  char title[64];
  GetWindowTextA(w, title, sizeof title);
  EXPECT_STREQ(title, "Orlavox");
  Sleep(1200);
  EXPECT_TRUE(SaveScreenshot(OutputDir() + "small-2107.bmp"));
  EXPECT_TRUE(p.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "SNumSettings"), "6000000100");
}

}  // namespace
}  // namespace orlavox::e2e

namespace orlavox::e2e {
namespace {

// The four shapes with raised buttons, then with flat ones switched on in the
// settings dialog; each dragged by its face with a second quick press.
TEST_F(FaceE2E, FourShapesRaisedAndFlatDraggedByTheFace) {
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  struct Shape {
    const char* name;
    const char* bin;
    const char* snum;
    int width, height;
    POINT face;  // a point of the face away from the buttons
  } shapes[] = {
      {"big-framed", "00100000000", "6000000000", 298, caption + 136, {230, 50}},
      {"big-frameless", "00100010000", "6000000000", 292, 130, {230, 50}},
      {"small-framed", "00100000000", "6000000100", 156, caption + 38, {40, 5}},
      {"small-frameless", "00100010000", "6000000100", 150, 40, {40, 5}},
  };
  for (const Shape& s : shapes) {
    SCOPED_TRACE(s.name);
    WriteSettings(s.bin, "0200020001000000", s.snum);
    ClockProcess p;
    ASSERT_TRUE(p.Start("2026-12-07 21:07:00"));
    HWND w = p.WaitForMainWindow(true);
    ASSERT_NE(w, nullptr);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, s.width);
    EXPECT_EQ(r.bottom - r.top, s.height);
    Sleep(600);
    EXPECT_TRUE(SaveScreenshot(OutputDir() + "shape-" + s.name + "-raised.bmp"));
    EXPECT_EQ(p.Probe(kProbeButtonsFlat), 0);

    ASSERT_TRUE(TypeKeys(w, {VK_CONTROL, 'S'}));
    HWND d = WaitForDialog(p.Pid(), "Settings");
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(ClickControl(d, "Transparent buttons"));
    ASSERT_TRUE(ClickControl(d, "&OK"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(d); }, 5000));
    EXPECT_EQ(p.Probe(kProbeButtonsFlat), 1);
    SetCursorPos(0, 700);  // away from the buttons, which show a frame under the mouse
    Sleep(400);
    EXPECT_TRUE(SaveScreenshot(OutputDir() + "shape-" + s.name + "-flat.bmp"));

    // A first quick press, then the drag: its press is a double-click, which drags as well.
    POINT first = s.face;
    ClientToScreen(w, &first);
    ClickAt(first.x, first.y);
    DragBy(w, s.face, 60, 40);
    RECT moved;
    GetWindowRect(w, &moved);
    EXPECT_EQ(moved.left - r.left, 60);
    EXPECT_EQ(moved.top - r.top, 40);
    EXPECT_TRUE(p.Close());
  }
}

}  // namespace
}  // namespace orlavox::e2e
