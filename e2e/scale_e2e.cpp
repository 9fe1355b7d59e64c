// The clock at the display scale of the screen (e2e/display_scale.sh runs
// these at 120, 144 and 192 DPI; the whole run at 96) and its zoom.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "display/art/scaled_art.h"
#include "e2e/harness.h"
#include "settings/clock_settings.h"
#include "ui/scale.h"

namespace orlavox::e2e {
namespace {

class ScaleE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRegistry();
    HDC dc = GetDC(nullptr);
    dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    slack = dpi / 96;  // a pixel for every 96
  }
  void TearDown() override { ResetRegistry(); }
  int S(int v, int zoom = 100) const { return ui::Scaled(v, ui::ZoomedDpi(dpi, zoom)); }
  std::string Shot(const std::string& what) const {
    return OutputDir() + "dpi" + std::to_string(dpi) + "-" + what + ".bmp";
  }
  static SIZE Client(HWND w) {
    RECT c;
    GetClientRect(w, &c);
    return {c.right, c.bottom};
  }
  // Starts the clock with these settings and waits for its window.
  HWND Start(ClockProcess& p, const char* bin, const char* snum = "6000000000", const char* at = "21:07:00") {
    WriteSettings(bin, "0200020001000000", snum);
    if (!p.Start(std::string("2026-12-07 ") + at)) return nullptr;
    return p.WaitForMainWindow(true);
  }
  int dpi = 96, slack = 1;
};

// The screen's pixels in w x h at x, y, rows from the top, as 0xRRGGBB.
std::vector<uint32_t> ScreenPixels(int x, int y, int w, int h) {
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr), mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY);
  std::vector<uint32_t> pixels(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + w * h);
  for (uint32_t& p : pixels) p &= 0xFFFFFF;
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Walks a dialog's text controls (labels, check boxes, radio buttons, push
// buttons, edits) and measures each text with the control's own font: every
// one must fit its control's client area (a check box or radio button's less
// its box; a word-wrapped label in as many lines as its height holds).
// Returns the width of each label and check box text on one line, by its text.
std::map<std::string, int> TextsFitTheirControls(HWND dialog, int dpi) {
  std::map<std::string, int> widths;
  for (const ChildWindow& c : ChildWindows(dialog)) {
    const LONG style = GetWindowLongA(c.Hwnd, GWL_STYLE);
    const bool label = lstrcmpiA(c.Class.c_str(), "Static") == 0, edit = lstrcmpiA(c.Class.c_str(), "Edit") == 0;
    const bool button = lstrcmpiA(c.Class.c_str(), "Button") == 0;
    const LONG kind = style & BS_TYPEMASK;
    if (!(label || edit || button) || (label && (style & SS_TYPEMASK) > SS_RIGHT) ||
        (button && (kind == BS_OWNERDRAW || kind == BS_GROUPBOX)))
      continue;
    wchar_t text[512] = L"";
    const int n = int(SendMessageW(c.Hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text)));
    if (n == 0) continue;
    const bool boxed = button && kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON;
    RECT room;
    GetClientRect(c.Hwnd, &room);
    if (boxed) room.right -= ui::Scaled(16, dpi);  // the box and the gap after it
    if (edit) room.right -= 2 * ui::Scaled(1, dpi);  // the edit's margins
    // Measured by the program, with the control's own font (WM_GETFONT).
    static const UINT question = RegisterWindowMessageA("Orlavox test: text extent");
    LRESULT size = SendMessageW(dialog, question, WPARAM(c.Hwnd), 0);
    if (label || boxed) widths[c.Text] = LOWORD(size);
    // A label higher than a line and a half wraps its words (none has
    // SS_LEFTNOWORDWRAP); its last line may lose the pixel under its descent.
    const bool wraps = label && 2 * room.bottom >= 3 * HIWORD(size);
    if (wraps) size = SendMessageW(dialog, question, WPARAM(c.Hwnd), room.right);
    const int width = LOWORD(size), height = HIWORD(size);
    EXPECT_GT(height, 0) << c.Text;
    EXPECT_TRUE(width <= room.right && (!wraps || height <= room.bottom + dpi / 96))
        << c.Text << " (" << c.Class << "): " << width << " x " << height << " in " << room.right << " x " << room.bottom;
  }
  return widths;
}

// The width of each long label of each dialog at 96 DPI, recorded by the run
// at 96 and compared by the runs at other scales (display_scale.sh runs 96
// first): text grows with its dialog, not to the nearest size of a bitmap font.
std::string WidthsAt96() { return ScratchDir() + "dialog-text-at-96.txt"; }
void TextScalesWithItsDialog(const std::string& dialog, const std::map<std::string, int>& widths, int dpi) {
  const std::string file = WidthsAt96();
  if (dpi == ui::kBaseDpi) {
    std::ofstream out(file, std::ios::app);
    for (const auto& [text, width] : widths) out << dialog << '\t' << text << '\t' << width << '\n';
    return;
  }
  std::ifstream in(file);
  ASSERT_TRUE(in.good()) << "no widths at 96 DPI in " << file;
  std::string line;
  int compared = 0;
  while (std::getline(in, line)) {
    const size_t a = line.find('\t'), b = line.rfind('\t');
    const int at96 = std::atoi(line.c_str() + b + 1);
    const auto found = widths.find(line.substr(a + 1, b - a - 1));
    if (line.substr(0, a) != dialog || at96 < 100 || found == widths.end()) continue;
    ++compared;
    EXPECT_NEAR(found->second, at96 * dpi / 96.0, at96 * dpi / 96.0 * 0.08) << found->first << ", " << at96 << " at 96";
  }
  EXPECT_GT(compared, 0) << dialog;
}

// The four shapes' client sizes, a screenshot of each, the sharpness of the
// big digits, and the settings, alarm, more options, about and alert dialogs
// at the screen's scale, each dialog's text fitting its controls and as much
// wider than at 96 DPI as the dialog.
TEST_F(ScaleE2E, ShapesDialogsAndSharpDigits) {
  const int captions = GetSystemMetrics(SM_CYCAPTION) - GetSystemMetrics(SM_CYSMCAPTION);
  if (dpi == ui::kBaseDpi) std::ofstream(WidthsAt96(), std::ios::trunc);
  const struct {
    const char *name, *bin, *snum;
    SIZE client;
  } shapes[] = {
      {"big-framed", "00100000000", "6000000000", {S(292), S(130)}},
      {"big-frameless", "00100010000", "6000000000", {S(292), S(130)}},
      {"small-framed", "00100000000", "6000000100", {S(150), S(32) + captions}},
      {"small-frameless", "00100010000", "6000000100", {S(150), S(40)}},
  };
  for (const auto& s : shapes) {
    SCOPED_TRACE(s.name);
    ClockProcess p;
    HWND w = Start(p, s.bin, s.snum, "19:07:00");
    ASSERT_NE(w, nullptr);
    auto sized = [&] {
      return std::abs(Client(w).cx - s.client.cx) <= slack && std::abs(Client(w).cy - s.client.cy) <= slack;
    };
    EXPECT_TRUE(WaitFor(sized, 5000)) << Client(w).cx << " x " << Client(w).cy;
    if (s.name == std::string("big-frameless")) {
      // The hour units cell (at 96: 50, 36, 31 x 47, its last two columns and
      // row under its neighbours) shows, pixel for pixel, the 9 the image
      // store draws at this scale, not a stretch of a smaller one.
      POINT o{S(50), S(36)};
      ClientToScreen(w, &o);
      const Picture nine = artgen::FaceImageAt(ImageList::HrMin, 9, dpi);
      const int cw = S(50 + 29) - S(50), ch = S(36 + 46) - S(36);
      ASSERT_TRUE(nine.Width >= cw && nine.Height >= ch);
      int differ = -1;
      auto same = [&] {
        const std::vector<uint32_t> shown = ScreenPixels(o.x, o.y, cw, ch);
        differ = 0;
        for (int y = 0; y < ch; ++y)
          for (int x = 0; x < cw; ++x) {
            const uint8_t* b = &nine.Bgra[size_t(y * nine.Width + x) * 4];
            differ += shown[size_t(y * cw + x)] != uint32_t(b[2] << 16 | b[1] << 8 | b[0]);
          }
        return differ == 0;
      };
      EXPECT_TRUE(WaitFor(same, 5000)) << differ << " of " << cw * ch << " pixels differ";
    }
    EXPECT_TRUE(SaveScreenshot(Shot(s.name)));
    if (s.name == std::string("big-framed")) {
      POINT options{S(110 + 20), S(102 + 11)};
      ClientToScreen(w, &options);
      const struct {
        std::function<void()> open;
        const char* caption;
        SIZE client;
      } dialogs[] = {
          {[&] { PressKeys(w, {VK_CONTROL, 'S'}); }, "Settings", {381, 190}},
          {[&] { PressKeys(w, {VK_CONTROL, 'A'}); }, "Alarm settings", {332, 297}},
          {[&] { PressKeys(w, {VK_CONTROL, 'O'}); }, "More options", {332, 276}},
          {[&] {
             PickFromMenu([&] { ClickAt(options.x, options.y); },
                          {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN},
                          [&] { return FindProcessWindow(p.Pid(), "About Multilingual Orlavox") != nullptr; });
           },
           "About Multilingual Orlavox", {350, 203}},
      };
      for (const auto& d : dialogs) {
        SCOPED_TRACE(d.caption);
        d.open();
        HWND dlg = WaitForDialog(p.Pid(), d.caption);
        ASSERT_NE(dlg, nullptr);
        Sleep(500);
        EXPECT_NEAR(Client(dlg).cx, S(d.client.cx), slack);
        EXPECT_NEAR(Client(dlg).cy, S(d.client.cy), slack);
        TextScalesWithItsDialog(d.caption, TextsFitTheirControls(dlg, dpi), dpi);
        EXPECT_TRUE(SaveScreenshot(Shot(d.caption)));
        PressKeys(dlg, {VK_ESCAPE});
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dlg); }, 5000));
      }
    }
    EXPECT_TRUE(p.Close());
  }
  // The alert, with OK and Snooze, when the alarm rings at 07:00.
  ClockProcess a;
  ASSERT_NE(Start(a, "00101000000", "6007000000", "06:59:58"), nullptr);
  HWND alert = WaitForDialog(a.Pid(), "Alarm!", 8000);
  ASSERT_NE(alert, nullptr);
  Sleep(500);
  EXPECT_NEAR(Client(alert).cx, S(219), slack);
  EXPECT_NEAR(Client(alert).cy, S(130), slack);
  TextScalesWithItsDialog("Alarm!", TextsFitTheirControls(alert, dpi), dpi);
  EXPECT_TRUE(SaveScreenshot(Shot("alert")));
  PressKeys(alert, {VK_RETURN});
  EXPECT_TRUE(a.Close());
}

// Ctrl+wheel twice: 150 %; Ctrl+0: 100 %, stored; a zoom stored is where the
// next start begins; a zoom too large for the screen keeps the window on it.
TEST_F(ScaleE2E, ZoomByWheelAndKeysKeptAcrossStarts) {
  auto zoomStored = [](int zoom) {
    return WaitFor([&] { return ReadValue(kSettingsKey, "Zoom") == std::to_string(zoom); }, 5000);
  };
  auto clientIs = [&](HWND w, int zoom) {
    return WaitFor([&] { return std::abs(Client(w).cx - S(292, zoom)) <= slack; }, 5000);
  };
  ClockProcess p;
  HWND w = Start(p, "00100010000");  // big, frameless
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(clientIs(w, 100));
  RECT r, zoomed, work;
  GetWindowRect(w, &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // The clock has the focus, and the change has settled, before the keys go:
  // a Wine window that takes the focus late lets go of sent modifiers.
  SetForegroundWindow(w);
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == w; }, 3000));
  Sleep(200);
  SetCursorPos(r.left + S(230), r.top + S(50));
  auto turnTwice = [] {
    keybd_event(VK_CONTROL, 0, 0, 0);
    mouse_event(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA, 0);
    mouse_event(MOUSEEVENTF_WHEEL, 0, 0, WHEEL_DELTA, 0);
    keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  };
  turnTwice();
  // A focus Wine takes later still reads its keymap again and drops the sent
  // Ctrl: the turns go once more when the zoom has not moved at all.
  if (!WaitFor([&] { return std::abs(Client(w).cx - S(292)) > slack; }, 3000)) turnTwice();
  EXPECT_TRUE(clientIs(w, 150)) << Client(w).cx;
  EXPECT_NEAR(Client(w).cy, S(130, 150), slack);
  EXPECT_TRUE(zoomStored(150));
  // The top-left corner stays, unless the larger window would leave the work area.
  EXPECT_TRUE(WaitFor(
      [&] {
        GetWindowRect(w, &zoomed);
        return zoomed.left == std::min(r.left, work.right - (zoomed.right - zoomed.left)) &&
               zoomed.top == std::min(r.top, work.bottom - (zoomed.bottom - zoomed.top));
      },
      5000))
      << zoomed.left << "," << zoomed.top << " from " << r.left << "," << r.top;
  EXPECT_TRUE(SaveScreenshot(Shot("zoom-150")));
  PressKeys(w, {VK_CONTROL, '0'});
  EXPECT_TRUE(clientIs(w, 100)) << Client(w).cx;
  EXPECT_TRUE(zoomStored(100));
  PressKeys(w, {VK_CONTROL, VK_ADD});
  EXPECT_TRUE(clientIs(w, 125)) << Client(w).cx;
  EXPECT_TRUE(p.Close());

  ClockProcess again;
  w = Start(again, "00100010000");
  ASSERT_NE(w, nullptr);
  EXPECT_NEAR(Client(w).cx, S(292, 125), slack);
  EXPECT_TRUE(again.Close());
  EXPECT_TRUE(zoomStored(125));

  // 300 % on a screen too small for it: the window stays whole on the work
  // area at the largest zoom that fits; a step beyond changes nothing, and
  // the zoom shown is what is kept.
  WriteValue(kSettingsKey, "Zoom", "300");
  ClockProcess large;
  w = Start(large, "00100000000");  // big, framed
  ASSERT_NE(w, nullptr);
  GetWindowRect(w, &r);
  EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom);
  // On 1024 x 768 the largest zoom that fits, framed: at 192 DPI 150 % (175 % would be 1034 wide).
  const int shown = dpi == 96 ? 300 : dpi == 120 ? 275 : dpi == 144 ? 225 : 150;
  EXPECT_TRUE(clientIs(w, shown)) << Client(w).cx;
  Sleep(3000);  // the first picture at a new scale is drawn before it shows
  EXPECT_TRUE(SaveScreenshot(Shot("zoom-300")));
  PressKeys(w, {VK_CONTROL, VK_ADD});
  EXPECT_TRUE(zoomStored(shown)) << shown;
  EXPECT_TRUE(clientIs(w, shown));
  EXPECT_TRUE(large.Close());
}

}  // namespace
}  // namespace orlavox::e2e
