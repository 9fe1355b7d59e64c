#include "display/art/face_art.h"
#include "display/art/font.h"
#include "display/art/scaled_art.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orlavox {
namespace {

// The strokes of a picture of the LCD: pixels nearer the ink than the ground.
struct Ink {
  std::vector<bool> Dark;
  int Width, Height, Left = 1 << 20, Right = -1, Bottom = -1;
  explicit Ink(const Picture& p) : Dark(size_t(p.Width) * size_t(p.Height)), Width(p.Width), Height(p.Height) {
    for (int y = 0; y < p.Height; ++y)
      for (int x = 0; x < p.Width; ++x)
        if (p.Bgra[(size_t(y) * size_t(p.Width) + size_t(x)) * 4 + 2] < (kGround.R + 38) / 2) {
          Dark[size_t(y) * size_t(p.Width) + size_t(x)] = true;
          Left = std::min(Left, x), Right = std::max(Right, x), Bottom = std::max(Bottom, y);
        }
  }
  // The strokes alone, wherever they stand in the picture.
  std::vector<bool> Strokes() const {
    std::vector<bool> s;
    for (int y = 0; y <= Bottom; ++y) s.insert(s.end(), Dark.begin() + y * Width + Left, Dark.begin() + y * Width + Right + 1);
    return s;
  }
};

// Each language's words drawn at 100 % and 300 %: something in each, seven
// different weekdays, no stroke at an edge of what the face shows of them
// (the strip's end for Saturday, the status cell's for the day label).
TEST(FaceWords, EveryLanguageFitsItsSlots) {
  for (int dpi : {96, 288}) {
    for (int l = 0; l < kLanguageCount; ++l) {
      const auto language = static_cast<Language>(l);
      std::vector<std::vector<bool>> days;
      for (int i : {0, 1, 2, 3, 4, 5, 6, int(kMiscDayLabel)}) {
        SCOPED_TRACE(testing::Message() << InfoOf(language).Code << " image " << i << " at " << dpi);
        EXPECT_TRUE(artgen::Drawable(artgen::FaceWord(language, i)));
        const Picture p = artgen::FaceImageAt(ImageList::Misc, i, dpi, language);
        const Ink ink(p);
        // The day label shows 26 columns of its cell, a weekday its image within the 174 of the strip.
        const int shown = (i == kMiscDayLabel ? 26 : std::min<int>(ImageSizeOf(ImageList::Misc, i).Width, 174 - 25 * i)) * dpi / 96;
        ASSERT_GE(ink.Right, 0);
        EXPECT_GT(ink.Left, 0);
        EXPECT_LT(ink.Right, shown - 1);
        EXPECT_LT(ink.Bottom, p.Height - 1);
        if (i != kMiscDayLabel) days.push_back(ink.Strokes());
      }
      for (size_t a = 0; a < days.size(); ++a)
        for (size_t b = a + 1; b < days.size(); ++b) EXPECT_NE(days[a], days[b]) << InfoOf(language).Code << " " << a << " " << b;
    }
  }
}

// The English words are the pictures the clock always had (a digest of main's).
TEST(FaceWords, EnglishUnchanged) {
  uint32_t digest = 2166136261u;
  for (int i : {0, 1, 2, 3, 4, 5, 6, int(kMiscDayLabel)})
    for (uint8_t b : artgen::FaceImageAt(ImageList::Misc, i, 96).Bgra) digest = (digest ^ b) * 16777619u;
  EXPECT_EQ(digest, 1507367388u);
}

}  // namespace
}  // namespace orlavox
