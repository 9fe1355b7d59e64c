// The face's pictures drawn tile by tile, skipping what a shape surely
// covers or leaves alone, against the plain drawing that tests every pixel of
// every shape: at 96 DPI (the resources' pictures) and at other scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "display/art/raster.h"
#include "display/art/scaled_art.h"

namespace orlavox {
namespace {

int MaxDifference(const Picture& a, const Picture& b) {
  if (a.Width != b.Width || a.Height != b.Height || a.Bgra.size() != b.Bgra.size()) return 256;
  int most = 0;
  for (size_t i = 0; i < a.Bgra.size(); ++i) most = std::max(most, std::abs(a.Bgra[i] - b.Bgra[i]));
  return most;
}

TEST(FaceArt, SkippingDrawsTheBytesOfThePlainDrawing) {
  for (int dpi : {96, 144, 216})
    for (int l = 0; l < kImageListCount; ++l)
      for (int i = 0; i < ImageCount(static_cast<ImageList>(l)); ++i) {
        const Picture fast = artgen::FaceImageAt(static_cast<ImageList>(l), i, dpi);
        artgen::PlainDrawing plain;
        EXPECT_EQ(MaxDifference(fast, artgen::FaceImageAt(static_cast<ImageList>(l), i, dpi)), 0)
            << "list " << l << " image " << i << " at " << dpi;
      }
  for (int size : {16, 32}) {
    const Picture fast = artgen::GlyphAt(Glyph::Speaker, false, size);
    artgen::PlainDrawing plain;
    EXPECT_EQ(MaxDifference(fast, artgen::GlyphAt(Glyph::Speaker, false, size)), 0) << size;
  }
}

}  // namespace
}  // namespace orlavox
