#include "display/clock_data.h"
#include "display/face_layout.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdint>

namespace orlavox {
namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

uint32_t Rgb(const Rgb8& c) { return uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B; }

// Pixels of a bitmap as 0x00RRGGBB, read through GetDIBits.
std::vector<uint32_t> Pixels(HBITMAP bmp, int w, int h) {
  std::vector<uint32_t> px(size_t(w * h));
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  ScreenDc screen;
  EXPECT_EQ(GetDIBits(screen.Get(), bmp, 0, UINT(h), px.data(), &bi, DIB_RGB_COLORS), h);
  for (uint32_t& p : px) p &= 0xFFFFFF;
  return px;
}

TEST(ClockData, EveryImageLoadsAtItsSizeOnTheLcdGround) {
  TClockData store(Self());
  ASSERT_TRUE(store.Loaded());
  for (int l = 0; l < kImageListCount; ++l) {
    const auto list = static_cast<ImageList>(l);
    for (int i = 0; i < ImageCount(list); ++i) {
      SCOPED_TRACE(testing::Message() << "list " << l << " image " << i);
      HBITMAP bmp = store.Bitmap(list, i);
      ASSERT_NE(bmp, nullptr);
      BITMAP info{};
      GetObjectA(bmp, sizeof info, &info);
      const ImageSize size = ImageSizeOf(list, i);
      EXPECT_EQ(info.bmWidth, size.Width);
      EXPECT_EQ(info.bmHeight, size.Height);
      const std::vector<uint32_t> px = Pixels(bmp, size.Width, size.Height);
      const bool background = list == ImageList::Misc && (i == kMiscBigBackground || i == kMiscSmallBackground);
      const bool blank = (list != ImageList::Misc && i == kBlankDigit) ||
                         (list == ImageList::Misc && (i == kMiscBlankAmPm || i == kMiscBlankPatch ||
                                                      i == kMiscSmallBlankMarker || i == kMiscSmallBlankColon));
      if (background) continue;
      // Every image carries the ground; blanks are nothing else, the others show something dark.
      int ground = 0, dark = 0;
      for (uint32_t p : px) {
        ground += p == Rgb(kGround);
        dark += ((p >> 16) & 0xFF) < 90;
      }
      EXPECT_EQ(px[0], Rgb(kGround));
      if (blank) {
        EXPECT_EQ(ground, size.Width * size.Height);
      } else {
        EXPECT_GT(dark, 0);
      }
    }
  }
  EXPECT_EQ(store.Bitmap(ImageList::HrMin, 11), nullptr);
  EXPECT_EQ(store.Bitmap(ImageList::Misc, -1), nullptr);
}

TEST(ClockData, BackgroundsKeepTheGroundUnderEveryCell) {
  TClockData store(Self());
  for (DisplayMode mode : {DisplayMode::Big, DisplayMode::Small}) {
    const int index = mode == DisplayMode::Big ? kMiscBigBackground : kMiscSmallBackground;
    const ImageSize size = ImageSizeOf(ImageList::Misc, index);
    const std::vector<uint32_t> px = Pixels(store.Bitmap(ImageList::Misc, index), size.Width, size.Height);
    for (const CellInfo& c : Cells()) {
      if (!(mode == DisplayMode::Big ? c.ShownBig : c.ShownSmall)) continue;
      const PanelRect r = CellRect(c.Id, mode);
      for (int y = r.Top; y < r.Bottom(); ++y)
        for (int x = r.Left; x < r.Right(); ++x)
          ASSERT_EQ(px[size_t(y * size.Width + x)], Rgb(kGround)) << c.Name << " at " << x << "," << y;
    }
  }
}

TEST(ClockData, GlyphsBlendOverTheButtonFace) {
  TClockData store(Self());
  void* bits = nullptr;
  UniqueBitmap dib = CreateDib32(16, 16, &bits);
  MemoryDc dc;
  SelectGuard select(dc.Get(), dib.Get());
  auto* px = static_cast<uint32_t*>(bits);
  for (int g = 0; g < kGlyphCount; ++g)
    for (bool enabled : {true, false}) {
      SCOPED_TRACE(testing::Message() << "glyph " << g << (enabled ? "" : " disabled"));
      for (int i = 0; i < 256; ++i) px[i] = 0xD4D0C8;  // classic button face
      ASSERT_TRUE(store.DrawGlyph(dc.Get(), static_cast<Glyph>(g), enabled, 0, 0));
      GdiFlush();
      int changed = 0, cornersKept = 0;
      for (int i = 0; i < 256; ++i) changed += (px[i] & 0xFFFFFF) != 0xD4D0C8;
      for (int i : {0, 15, 240, 255}) cornersKept += (px[i] & 0xFFFFFF) == 0xD4D0C8;
      EXPECT_GT(changed, 8);
      EXPECT_LT(changed, 256);
      // The corners stay free.
      EXPECT_EQ(cornersKept, 4);
    }
  EXPECT_FALSE(store.DrawGlyph(dc.Get(), Glyph::None, true, 0, 0));
}

TEST(ClockData, MissingResourcesLeaveTheStoreUnloaded) {
  // kernel32 has none of the clock's pictures.
  TClockData store(GetModuleHandleA("kernel32.dll"));
  EXPECT_FALSE(store.Loaded());
  MemoryDc dc;
  EXPECT_FALSE(store.Draw(dc.Get(), ImageList::HrMin, 0, 0, 0));
}

TEST(ClockData, TheProgramIconIsTheExesFirstIcon) {
  // Explorer shows the first icon group of an exe: it must be the program's.
  char path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  UniqueIcon first(ExtractIconA(Self(), path, 0));
  ASSERT_TRUE(first);
  HICON program = LoadIconA(Self(), MAKEINTRESOURCEA(IDI_PROGRAM));
  HICON dial = LoadIconA(Self(), MAKEINTRESOURCEA(IDI_TRAY_DIAL));
  auto pixels = [](HICON icon) {
    void* bits = nullptr;
    UniqueBitmap dib = CreateDib32(32, 32, &bits);
    MemoryDc dc;
    SelectGuard select(dc.Get(), dib.Get());
    auto* px = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 32 * 32; ++i) px[i] = 0xFF00FF;
    DrawIconEx(dc.Get(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    GdiFlush();
    return std::vector<uint32_t>(px, px + 32 * 32);
  };
  EXPECT_EQ(pixels(first.Get()), pixels(program));
  EXPECT_NE(pixels(first.Get()), pixels(dial));
}

}  // namespace
}  // namespace orlavox
