// The face's pictures drawn tile by tile, skipping what a shape surely
// covers or leaves alone, against the plain drawing that tests every pixel of
// every shape: at 96 DPI (the resources' pictures) and at other scales.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

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

// Outlines filled even-odd: a ring inside another is a hole, the moved
// outline lies where its corners moved, and the drawing that skips gives the
// plain drawing's bytes, from the rows of corners and centres too (scale 3).
TEST(FaceArt, OutlinesFilledEvenOdd) {
  artgen::DrawingScale scale(3);
  const std::vector<artgen::Pt> outer{{2, 2}, {18, 2}, {18, 18}, {2, 18}}, hole{{6, 6}, {14, 6}, {14, 14}, {6, 14}};
  const artgen::Shape framed = artgen::Shifted(artgen::Polygons({outer, hole}), 0.5, 1);
  auto draw = [&] {
    artgen::Canvas c(20, 20, {0, 0, 0});
    c.Paint(framed, {255, 255, 255});
    Picture p{c.Width(), c.Height(), std::vector<uint8_t>(size_t(c.Width() * c.Height() * 4))};
    c.Bgra(p.Bgra.data());
    return p;
  };
  const Picture fast = draw();
  auto red = [&](int x, int y) { return int(fast.Bgra[size_t(y * fast.Width + x) * 4 + 2]); };
  EXPECT_EQ(red(9, 55), 255);  // the frame moved down onto y 18..19
  EXPECT_EQ(red(9, 7), 0);     // and off y 2..3
  EXPECT_EQ(red(30, 33), 0);   // the hole
  artgen::PlainDrawing plain;
  EXPECT_EQ(MaxDifference(fast, draw()), 0);
}

}  // namespace
}  // namespace orlavox
