#include "display/clock_data.h"
#include "display/art/scaled_art.h"
#include "display/face_layout.h"
#include "display/tests/surface.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstdint>
#include <memory>

namespace orlavox {
namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

uint32_t Rgb(const Rgb8& c) { return uint32_t(c.R) << 16 | uint32_t(c.G) << 8 | c.B; }

// Image `index` of `list` as the store draws it on a magenta surface one
// pixel larger each way: the extra column and row show what it drew beyond.
std::unique_ptr<Surface> Drawn(const TClockData& store, ImageList list, int index) {
  const ImageSize size = ImageSizeOf(list, index);
  auto s = std::make_unique<Surface>(size.Width + 1, size.Height + 1);
  EXPECT_TRUE(store.Draw(s->Dc(), list, index, 0, 0));
  return s;
}

TEST(ClockData, EveryImageDrawsAsItsResourceOnTheLcdGround) {
  TClockData store(Self());
  ASSERT_TRUE(store.Loaded());
  MemoryDc resourceDc;
  for (int l = 0; l < kImageListCount; ++l) {
    const auto list = static_cast<ImageList>(l);
    for (int i = 0; i < ImageCount(list); ++i) {
      SCOPED_TRACE(testing::Message() << "list " << l << " image " << i);
      const ImageSize size = ImageSizeOf(list, i);
      const auto drawn = Drawn(store, list, i);
      // Exactly the resource's picture, and nothing of its neighbours in the store.
      UniqueBitmap resource(static_cast<HBITMAP>(
          LoadImageA(Self(), MAKEINTRESOURCEA(ImageResourceId(list, i)), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
      Surface expected(size.Width + 1, size.Height + 1);
      {
        SelectGuard select(resourceDc.Get(), resource.Get());
        BitBlt(expected.Dc(), 0, 0, size.Width, size.Height, resourceDc.Get(), 0, 0, SRCCOPY);
      }
      GdiFlush();
      ASSERT_EQ(FirstDifference(*drawn, expected), "");
      const bool background = list == ImageList::Misc && (i == kMiscBigBackground || i == kMiscSmallBackground);
      const bool blank = (list != ImageList::Misc && i == kBlankDigit) ||
                         (list == ImageList::Misc && (i == kMiscBlankAmPm || i == kMiscBlankPatch ||
                                                      i == kMiscSmallBlankMarker || i == kMiscSmallBlankColon));
      if (background) continue;
      // Every image carries the ground; blanks are nothing else, the others show something dark.
      int ground = 0, dark = 0;
      for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x) {
          const uint32_t p = drawn->At(x, y);
          ground += p == Rgb(kGround);
          dark += ((p >> 16) & 0xFF) < 90;
        }
      EXPECT_EQ(drawn->At(0, 0), Rgb(kGround));
      if (blank) {
        EXPECT_EQ(ground, size.Width * size.Height);
      } else {
        EXPECT_GT(dark, 0);
      }
    }
  }
  MemoryDc dc;
  EXPECT_FALSE(store.Draw(dc.Get(), ImageList::HrMin, 11, 0, 0));
  EXPECT_FALSE(store.Draw(dc.Get(), ImageList::Misc, -1, 0, 0));
}

TEST(ClockData, BackgroundsKeepTheGroundUnderEveryCell) {
  TClockData store(Self());
  for (DisplayMode mode : {DisplayMode::Big, DisplayMode::Small}) {
    const int index = mode == DisplayMode::Big ? kMiscBigBackground : kMiscSmallBackground;
    const auto px = Drawn(store, ImageList::Misc, index);
    for (const CellInfo& c : Cells()) {
      if (!(mode == DisplayMode::Big ? c.ShownBig : c.ShownSmall)) continue;
      const PanelRect r = CellRect(c.Id, mode);
      for (int y = r.Top; y < r.Bottom(); ++y)
        for (int x = r.Left; x < r.Right(); ++x)
          ASSERT_EQ(px->At(x, y), Rgb(kGround)) << c.Name << " at " << x << "," << y;
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
  std::vector<std::vector<uint32_t>> seen;
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
      // Each glyph and variant its own picture.
      std::vector<uint32_t> picture(px, px + 256);
      for (const auto& other : seen) EXPECT_NE(picture, other);
      seen.push_back(std::move(picture));
    }
  EXPECT_FALSE(store.DrawGlyph(dc.Get(), Glyph::None, true, 0, 0));
}

// Above 100 % the store draws the pictures for the scale with the artwork's
// code; back at 100 % it draws its resources again.
TEST(ClockData, PicturesAtADisplayScale) {
  TClockData store(Self());
  const auto resource = Drawn(store, ImageList::HrMin, 8);
  store.SetSources(artgen::FaceImageAt, artgen::GlyphAt);
  // Another language's words are drawn at 100 % as well; the other pictures stay the resources'.
  const auto monday = Drawn(store, ImageList::Misc, 1);
  store.SetLanguage(Language::German);
  const auto montag = Drawn(store, ImageList::Misc, 1);
  const Picture want = artgen::FaceImageAt(ImageList::Misc, 1, 96, Language::German);
  EXPECT_NE(FirstDifference(*montag, *monday), "");
  for (int i = 0; i < want.Width * want.Height; ++i)
    ASSERT_EQ(montag->At(i % want.Width, i / want.Width), uint32_t(want.Bgra[4 * i + 2] << 16 | want.Bgra[4 * i + 1] << 8 | want.Bgra[4 * i]));
  EXPECT_EQ(FirstDifference(*Drawn(store, ImageList::HrMin, 8), *resource), "");
  store.SetLanguage(Language::English);
  EXPECT_EQ(FirstDifference(*Drawn(store, ImageList::Misc, 1), *monday), "");
  store.SetDpi(144);
  Surface s(300, 300);
  EXPECT_TRUE(store.Draw(s.Dc(), ImageList::HrMin, 8, 10, 10));  // 31 x 47 at 150 %: 47 x 71
  EXPECT_EQ(s.At(10, 10), Rgb(kGround));
  EXPECT_LT(s.At(10 + 23, 10 + 35) & 0xFF, 60u);  // the middle segment, dark ink
  EXPECT_NE(s.At(10 + 46, 10 + 70), 0xFF00FFu);  // drawn to its corner ...
  EXPECT_EQ(s.At(10 + 47, 10 + 70), 0xFF00FFu);  // no further
  EXPECT_EQ(s.At(10 + 46, 10 + 71), 0xFF00FFu);
  store.SetDpi(96);
  EXPECT_EQ(FirstDifference(*Drawn(store, ImageList::HrMin, 8), *resource), "");
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
