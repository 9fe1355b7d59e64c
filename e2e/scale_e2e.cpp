// The clock at the display scale of the screen (e2e/display_scale.sh runs
// these at 120, 144 and 192 DPI; the whole run at 96) and its zoom.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include "display/face_images.h"
#include "e2e/harness.h"
#include "settings/clock_settings.h"
#include "tools/artgen/scaled_art.h"
#include "ui/scale.h"

namespace orlavox::e2e {
namespace {

int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return dpi;
}

class ScaleE2E : public ::testing::Test {
 protected:
  void SetUp() override { ResetRegistry(); }
  void TearDown() override { ResetRegistry(); }
  const int dpi = ScreenDpi();
  const int slack = dpi / 96;  // a pixel for every 96
  int S(int v, int zoom = 100) const { return ui::Scaled(v, ui::ZoomedDpi(dpi, zoom)); }
  std::string Name(const char* what) const { return OutputDir() + "dpi" + std::to_string(dpi) + "-" + what + ".bmp"; }
  SIZE Client(HWND w) const {
    RECT c;
    GetClientRect(w, &c);
    return {c.right, c.bottom};
  }
};

// The colours of a rectangle of the screen.
std::set<COLORREF> ScreenColours(const RECT& r) {
  std::set<COLORREF> colours;
  HDC dc = GetDC(nullptr);
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) colours.insert(GetPixel(dc, x, y));
  ReleaseDC(nullptr, dc);
  return colours;
}

// The four shapes' client sizes, a screenshot of each, the sharpness of the
// big digits, and the settings, alarm and about dialogs at the screen's scale.
TEST_F(ScaleE2E, ShapesDialogsAndSharpDigits) {
  const int caption = GetSystemMetrics(SM_CYCAPTION), smallCaption = GetSystemMetrics(SM_CYSMCAPTION);
  struct Shape {
    const char* name;
    const char* bin;
    const char* snum;
    SIZE client;
  } shapes[] = {
      {"big-framed", "00100000000", "6000000000", {S(292), S(130)}},
      {"big-frameless", "00100010000", "6000000000", {S(292), S(130)}},
      {"small-framed", "00100000000", "6000000100", {S(150), S(32) + caption - smallCaption}},
      {"small-frameless", "00100010000", "6000000100", {S(150), S(40)}},
  };
  for (const Shape& s : shapes) {
    SCOPED_TRACE(s.name);
    WriteSettings(s.bin, "0200020001000000", s.snum);
    ClockProcess p;
    ASSERT_TRUE(p.Start("2026-12-07 19:07:00"));
    HWND w = p.WaitForMainWindow(true);
    ASSERT_NE(w, nullptr);
    Sleep(600);
    EXPECT_NEAR(Client(w).cx, s.client.cx, slack);
    EXPECT_NEAR(Client(w).cy, s.client.cy, slack);
    EXPECT_TRUE(SaveScreenshot(Name(s.name)));
    if (std::string(s.name) == "big-frameless") {
      // The hour units cell (at 96: 50, 36, 31 x 47, its last two columns and
      // row under its neighbours) shows a 9 drawn at this scale: only the
      // colours the drawing itself makes, none of a stretch.
      POINT o{0, 0};
      ClientToScreen(w, &o);
      const RECT cell{o.x + S(50), o.y + S(36), o.x + S(50 + 29), o.y + S(36 + 46)};
      const Picture nine = artgen::FaceImageAt(ImageList::HrMin, 9, dpi);
      std::set<COLORREF> drawn;
      for (size_t i = 0; i + 3 < nine.Bgra.size(); i += 4)
        drawn.insert(RGB(nine.Bgra[i + 2], nine.Bgra[i + 1], nine.Bgra[i]));
      const std::set<COLORREF> shown = ScreenColours(cell);
      int foreign = 0;
      for (COLORREF c : shown) foreign += drawn.count(c) ? 0 : 1;
      EXPECT_EQ(foreign, 0) << shown.size() << " colours on the screen, " << drawn.size() << " in the drawing";
      EXPECT_GT(shown.size(), 3u);  // ink, ground, shadow and the edges between
    }
    if (std::string(s.name) == "big-framed") {
      struct Dialog {
        std::function<void()> open;
        const char* caption;
        SIZE client;
      } dialogs[] = {
          {[&] { PressKeys(w, {VK_CONTROL, 'S'}); }, "Settings", {381, 190}},
          {[&] { PressKeys(w, {VK_CONTROL, 'A'}); }, "Alarm settings", {332, 297}},
          {[&] {
             POINT b{S(110 + 20), S(102 + 11)};  // the Options button
             ClientToScreen(w, &b);
             PickFromMenu([&] { ClickAt(b.x, b.y); },
                          {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
                          [&] { return FindProcessWindow(p.Pid(), "About Multilingual Orlavox") != nullptr; });
           },
           "About Multilingual Orlavox",
           {350, 203}},
      };
      for (const Dialog& d : dialogs) {
        SCOPED_TRACE(d.caption);
        d.open();
        HWND dlg = WaitForDialog(p.Pid(), d.caption);
        ASSERT_NE(dlg, nullptr);
        Sleep(500);
        EXPECT_NEAR(Client(dlg).cx, S(d.client.cx), slack);
        EXPECT_NEAR(Client(dlg).cy, S(d.client.cy), slack);
        EXPECT_TRUE(SaveScreenshot(Name(d.caption)));
        PressKeys(dlg, {VK_ESCAPE});
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dlg); }, 5000));
      }
    }
    EXPECT_TRUE(p.Close());
  }
}

// Ctrl+wheel twice: 150 %; Ctrl+0: 100 %, stored; a zoom stored is where the
// next start begins; the largest zoom keeps the window on the screen.
TEST_F(ScaleE2E, ZoomByWheelAndKeysKeptAcrossStarts) {
  WriteSettings("00100010000", "0200020001000000", "6000000000");  // big, frameless
  ClockProcess p;
  ASSERT_TRUE(p.Start("2026-12-07 21:07:00"));
  HWND w = p.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(Client(w).cx, S(292), slack);
  RECT r;
  GetWindowRect(w, &r);
  SetForegroundWindow(w);
  SetCursorPos(r.left + S(230), r.top + S(50));
  auto wheel = [](int notches) {
    INPUT in[3] = {};
    in[0].type = in[2].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[2].ki.wVk = VK_CONTROL;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[1].type = INPUT_MOUSE;
    in[1].mi.dwFlags = MOUSEEVENTF_WHEEL;
    in[1].mi.mouseData = DWORD(notches * WHEEL_DELTA);
    SendInput(3, in, sizeof(INPUT));
  };
  wheel(1);
  wheel(1);
  EXPECT_TRUE(WaitFor([&] { return std::abs(Client(w).cx - S(292, 150)) <= slack; }, 5000)) << Client(w).cx;
  EXPECT_NEAR(Client(w).cy, S(130, 150), slack);
  RECT zoomed, work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // The top-left corner stays, unless the larger window would leave the work area.
  EXPECT_TRUE(WaitFor(
      [&] {
        GetWindowRect(w, &zoomed);
        return zoomed.left == std::min(r.left, work.right - (zoomed.right - zoomed.left)) &&
               zoomed.top == std::min(r.top, work.bottom - (zoomed.bottom - zoomed.top));
      },
      5000))
      << zoomed.left << "," << zoomed.top << " from " << r.left << "," << r.top;
  EXPECT_TRUE(WaitFor([] { return ReadValue(kSettingsKey, "Zoom") == "150"; }, 5000));
  EXPECT_TRUE(SaveScreenshot(Name("zoom-150")));
  PressKeys(w, {VK_CONTROL, '0'});
  EXPECT_TRUE(WaitFor([&] { return std::abs(Client(w).cx - S(292)) <= slack; }, 5000)) << Client(w).cx;
  EXPECT_TRUE(WaitFor([] { return ReadValue(kSettingsKey, "Zoom") == "100"; }, 5000));
  PressKeys(w, {VK_CONTROL, VK_ADD});
  EXPECT_TRUE(WaitFor([&] { return std::abs(Client(w).cx - S(292, 125)) <= slack; }, 5000)) << Client(w).cx;
  EXPECT_TRUE(p.Close());

  ClockProcess again;
  ASSERT_TRUE(again.Start("2026-12-07 21:07:00"));
  w = again.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(Client(w).cx, S(292, 125), slack);
  EXPECT_TRUE(again.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "Zoom"), "125");

  // 300 % on a screen too small for it: the window stays whole on the work area.
  WriteValue(kSettingsKey, "Zoom", "300");
  WriteSettings("00100000000", "0200020001000000", "6000000000");  // big, framed
  ClockProcess large;
  ASSERT_TRUE(large.Start("2026-12-07 21:07:00"));
  w = large.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  GetWindowRect(w, &r);
  EXPECT_GE(r.left, work.left);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.right, work.right);
  EXPECT_LE(r.bottom, work.bottom);
  Sleep(3000);  // the first picture at a new scale is drawn before it shows
  EXPECT_TRUE(SaveScreenshot(Name("zoom-300")));
  EXPECT_TRUE(large.Close());
  EXPECT_EQ(ReadValue(kSettingsKey, "Zoom"), "300");  // what the user chose stays chosen

  // A step beyond what fits changes nothing, and the zoom shown is kept.
  ClockProcess beyond;
  ASSERT_TRUE(beyond.Start("2026-12-07 21:07:00"));
  w = beyond.WaitForMainWindow(true);
  ASSERT_NE(w, nullptr);
  int shown = 300;
  while (shown > 100 && std::abs(Client(w).cx - S(292, shown)) > slack) shown -= 25;
  PressKeys(w, {VK_CONTROL, VK_ADD});
  EXPECT_TRUE(WaitFor([&] { return ReadValue(kSettingsKey, "Zoom") == std::to_string(shown); }, 5000)) << shown;
  EXPECT_NEAR(Client(w).cx, S(292, shown), slack);
  EXPECT_TRUE(beyond.Close());
}

}  // namespace
}  // namespace orlavox::e2e
