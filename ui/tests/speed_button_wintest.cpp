// Speed buttons as the user sees them: caption, glyph, flat and raised, clicks.
#include "ui/speed_button.h"

#include <gtest/gtest.h>

#include "ui/gdi.h"

namespace orlavox::ui {
namespace {

class Host : public Window {};

struct SpeedButtonTest : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(host.Create(WindowClass{"SpeedButtonTestHost", 0, GetSysColorBrush(COLOR_BTNFACE)}, "host",
                            WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 100, 100, 80, 60, nullptr));
  }
  // Dark pixels of the button, as drawn on the screen.
  int DarkPixels(SpeedButton& b) {
    RedrawWindow(b.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r;
    GetClientRect(b.Handle(), &r);
    WindowDc dc(b.Handle());
    int dark = 0;
    for (int y = 2; y < r.bottom - 2; ++y)
      for (int x = 2; x < r.right - 2; ++x) {
        const COLORREF c = GetPixel(dc.Get(), x, y);
        if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ++dark;
      }
    return dark;
  }
  Host host;
};

TEST_F(SpeedButtonTest, CaptionAndGlyphAreDrawn) {
  SpeedButton caption;
  ASSERT_TRUE(caption.Create(host.Handle(), 4, 4, 14, 12, "Minimize"));
  UniqueFont bold(CreateFontA(-11, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
  EXPECT_EQ(DarkPixels(caption), 0);
  caption.SetCaption("_", bold.Get());
  EXPECT_GT(DarkPixels(caption), 3);  // the bold line of "_" inside the button

  SpeedButton glyph;
  ASSERT_TRUE(glyph.Create(host.Handle(), 20, 4, 40, 22, "Alarm setup"));
  bool enabledLook = false;
  glyph.SetGlyph([&](HDC dc, int x, int y, bool enabled) {
    enabledLook = enabled;
    RECT r{x, y, x + 16, y + 16};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }, 16);
  EXPECT_GE(DarkPixels(glyph), 16 * 16 - 4);
  EXPECT_TRUE(enabledLook);
  EnableWindow(glyph.Handle(), FALSE);
  DarkPixels(glyph);
  EXPECT_FALSE(enabledLook);
}

TEST_F(SpeedButtonTest, ClickRunsOnReleaseInsideOnly) {
  SpeedButton b;
  ASSERT_TRUE(b.Create(host.Handle(), 4, 4, 40, 22, "Settings"));
  int clicks = 0;
  b.OnClick = [&] { ++clicks; };
  SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);
  SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(b.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 5));  // dragged off
  SendMessageA(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
  EXPECT_EQ(clicks, 1);
  EnableWindow(b.Handle(), FALSE);
  SendMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(b.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1);  // disabled: no click
}

// The announce button grows from the small display's size to the big one's:
// the glyph moves to the new centre and nothing of the old one may stay.
TEST_F(SpeedButtonTest, MovedAndResizedItIsDrawnAnew) {
  SpeedButton b;
  ASSERT_TRUE(b.Create(host.Handle(), 4, 4, 24, 22, "Announce the time"));
  b.SetGlyph([](HDC dc, int x, int y, bool) {
    RECT r{x, y, x + 16, y + 16};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }, 16);
  ASSERT_GE(DarkPixels(b), 16 * 16 - 4);  // at x 4..19
  b.Move(2, 4, 58, 22);                    // now centred at x 21..36
  UpdateWindow(host.Handle());
  UpdateWindow(b.Handle());
  WindowDc dc(b.Handle());
  int staleDark = 0, newDark = 0;
  for (int y = 4; y < 18; ++y)
    for (int x = 0; x < 58; ++x) {
      const COLORREF c = GetPixel(dc.Get(), x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 200) continue;
      if (x >= 3 && x < 20) ++staleDark;
      if (x >= 22 && x < 36) ++newDark;
    }
  EXPECT_EQ(staleDark, 0);
  EXPECT_GE(newDark, 14 * 13);
}

// The hint shows when the pointer comes to rest on the button, from its very
// first move there, with the hint given last, before or after.
TEST_F(SpeedButtonTest, HintShowsFromTheFirstMoveAndFollowsSetHint) {
  SpeedButton b;
  ASSERT_TRUE(b.Create(host.Handle(), 4, 4, 40, 22, "Settings"));
  b.SetHint("Alarm setup");
  SetCursorPos(100 + 20, 100 + 12);  // one move, then rest
  HWND tip = nullptr;
  for (DWORD start = GetTickCount(); !tip && GetTickCount() - start < 3000; Sleep(20)) {
    for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&msg);
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr));)
      if (GetWindow(w, GW_OWNER) == host.Handle() && IsWindowVisible(w)) tip = w;
  }
  ASSERT_NE(tip, nullptr) << "no hint shown";
  char text[64] = "";
  GetWindowTextA(tip, text, sizeof text);  // the text it shows
  EXPECT_STREQ(text, "Alarm setup");
  b.SetHint("Settings");
  GetWindowTextA(tip, text, sizeof text);
  EXPECT_STREQ(text, "Settings");
  SetCursorPos(0, 0);
}

}  // namespace
}  // namespace orlavox::ui
