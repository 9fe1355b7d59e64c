#include "shell/tray_icon_image.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "display/clock_data.h"
#include "display/face_render.h"
#include "ui/resource_count.h"
#include "display/tests/surface.h"
#include "resources/resource_ids.h"

namespace orlavox {
namespace {

constexpr uint32_t kMagenta = 0xFF00FF, kBlack = 0x000000, kWhite = 0xFFFFFF, kBlue = 0x0000FF;

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// An icon's pixels drawn over magenta.
struct Pixels16 {
  std::vector<uint32_t> Px;
  uint32_t At(int x, int y) const { return Px[size_t(y * 16 + x)]; }
};

Pixels16 Drawn(HICON icon) {
  Surface s(16, 16, kMagenta);
  EXPECT_TRUE(DrawIconEx(s.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
  return {s.Pixels()};
}

TEST(TrayIcon, DialResourceIsTheHandlessClock) {
  const Pixels16 dial = Drawn(LoadIconA(Self(), MAKEINTRESOURCEA(IDI_TRAY_DIAL)));
  for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) EXPECT_EQ(dial.At(x, y), kMagenta);
  for (int x = 7; x <= 8; ++x)
    for (int y = 7; y <= 8; ++y) EXPECT_EQ(dial.At(x, y), kBlack);  // centre
  // Rim at the edge, 2 x 2 marks at 12, 3, 6 and 9, white in between.
  EXPECT_EQ(dial.At(8, 0), kBlack);
  EXPECT_EQ(dial.At(0, 8), kBlack);
  for (auto [x, y] : {std::pair{7, 1}, {8, 2}, {14, 7}, {13, 8}, {7, 14}, {8, 13}, {1, 7}, {2, 8}})
    EXPECT_EQ(dial.At(x, y), kBlue) << x << "," << y;
  EXPECT_EQ(dial.At(8, 5), kWhite);
  EXPECT_EQ(dial.At(11, 8), kWhite);
  int marks = 0;
  for (uint32_t p : dial.Px) marks += p == kBlue;
  EXPECT_EQ(marks, 4 * 4 + 8);
}

// The pixels a 1-pixel line from (8, 8) to the end point paints, the end
// point left out. The cases below have no ties, so rounding is unambiguous.
std::vector<std::pair<int, int>> HandPixels(int x1, int y1) {
  std::vector<std::pair<int, int>> px;
  const int dx = x1 - 8, dy = y1 - 8, steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i)
    px.push_back({8 + int(std::lround(double(dx) * i / steps)), 8 + int(std::lround(double(dy) * i / steps))});
  return px;
}

TEST(TrayIcon, HandsArePaintedOnTheDial) {
  const Pixels16 dial = Drawn(LoadIconA(Self(), MAKEINTRESOURCEA(IDI_TRAY_DIAL)));
  struct Case {
    int h, m, hx, hy, mx, my;
  } cases[] = {{12, 0, 8, 3, 8, 1},  {0, 0, 8, 3, 8, 1},  {3, 0, 13, 8, 8, 1},
               {6, 30, 7, 13, 8, 15}, {9, 45, 3, 6, 1, 8}, {21, 45, 3, 6, 1, 8}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.h << ":" << c.m);
    UniqueIcon icon = MakeTrayIcon(Self(), c.h, c.m);
    ASSERT_TRUE(icon);
    const Pixels16 got = Drawn(icon.Get());
    std::vector<uint32_t> expected = dial.Px;
    for (auto [x, y] : HandPixels(c.hx, c.hy)) expected[size_t(y * 16 + x)] = kBlack;
    for (auto [x, y] : HandPixels(c.mx, c.my)) expected[size_t(y * 16 + x)] = kBlack;
    const std::vector<uint32_t>& actual = got.Px;
    // Pixel for pixel, so the end points that LineTo leaves keep the dial's colour.
    for (int i = 0; i < 256; ++i) EXPECT_EQ(actual[size_t(i)], expected[size_t(i)]) << "pixel " << i % 16 << "," << i / 16;
  }
}

// At the small-icon size of a larger display scale the clock is drawn at that
// size: a white dial in a dark rim, the hands dark, the corners clear.
TEST(TrayIcon, DrawnAtTheSizeWindowsAsksFor) {
  UniqueIcon icon = MakeTrayIcon(Self(), 3, 0, 32);
  ICONINFO info{};
  BITMAP bm{};
  ASSERT_TRUE(GetIconInfo(icon.Get(), &info) && GetObjectA(info.hbmColor, sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 32);  // drawn at 32, not a 16 stretched
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  Surface s(32, 32, kMagenta);
  ASSERT_TRUE(DrawIconEx(s.Dc(), 0, 0, icon.Get(), 32, 32, 0, nullptr, DI_NORMAL));
  auto dark = [&](int x, int y) {
    const uint32_t c = s.At(x, y);
    return (c >> 16 & 0xFF) < 0x40 && (c >> 8 & 0xFF) < 0x40 && (c & 0xFF) < 0x40;
  };
  EXPECT_EQ(s.At(0, 0), kMagenta);
  EXPECT_EQ(s.At(31, 31), kMagenta);
  EXPECT_EQ(s.At(16, 1), kBlack);   // the rim at 12 o'clock
  EXPECT_TRUE(dark(16, 10));        // the minute hand at 0
  EXPECT_TRUE(dark(21, 16));        // the hour hand at 3
  EXPECT_EQ(s.At(11, 16), kWhite);  // nothing towards 9
}

TEST(TrayIcon, NoGdiObjectsLeakFromIconsOrFaces) {
  // The dial is read once and kept for the program's life: warm up first.
  MakeTrayIcon(Self(), 0, 0);
  // The counter itself sees objects come and go.
  const int start = int(ui::CountGdiObjects());
  {
    UniqueBrush a(CreateSolidBrush(1)), b(CreateSolidBrush(2)), c(CreateSolidBrush(3));
    EXPECT_EQ(int(ui::CountGdiObjects()), start + 3);
  }
  EXPECT_EQ(int(ui::CountGdiObjects()), start);
  // A tray icon holds bitmaps of its own, so a forgotten icon shows too.
  HICON kept = MakeTrayIcon(Self(), 1, 2).Release();
  EXPECT_GT(int(ui::CountGdiObjects()), start);
  DestroyIcon(kept);
  EXPECT_EQ(int(ui::CountGdiObjects()), start);

  TClockData store(Self());
  Surface face(292, 130);
  // Warm up once: the first calls may create objects the system keeps.
  MakeTrayIcon(Self(), 0, 0);
  PaintFace(face.Dc(), &store, TickTime{}, {}, DisplayMode::Big);
  const int before = int(ui::CountGdiObjects());
  for (int i = 0; i < 1000; ++i) {
    UniqueIcon icon = MakeTrayIcon(Self(), i % 24, i % 60);
    ASSERT_TRUE(icon);
    TickTime t;
    t.Hour = uint8_t(i % 24);
    t.Minute = uint8_t(i % 60);
    t.Second = uint8_t((i * 7) % 60);
    t.Day = uint8_t(1 + i % 31);
    t.DayOfWeek = uint8_t(1 + i % 7);
    ASSERT_TRUE(PaintFace(face.Dc(), &store, t, {i % 2 == 0, i % 3 == 0, i % 5 == 0},
                          i % 4 ? DisplayMode::Big : DisplayMode::Small));
  }
  EXPECT_EQ(int(ui::CountGdiObjects()), before);
}

}  // namespace
}  // namespace orlavox
