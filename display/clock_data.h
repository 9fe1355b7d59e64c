#pragma once
// TClockData: the image store of the clock face, loaded once from the
// program's resources and kept for the whole run. It holds the four image
// lists (HrMinList, SecList, MSList, MiscList) and the button glyphs.
//
// Use on the user-interface thread only (the store keeps one memory DC).
#include <windows.h>

#include <array>
#include <vector>

#include "display/face_images.h"
#include "ui/gdi.h"

namespace orlavox {

class TClockData {
 public:
  // Loads every image and glyph from `module` (the exe). Missing or
  // mis-sized images leave Loaded() false; the others still draw.
  explicit TClockData(HINSTANCE module);
  TClockData(const TClockData&) = delete;
  TClockData& operator=(const TClockData&) = delete;

  bool Loaded() const { return loaded_; }

  // Draws image `index` of `list` opaque at its own size with its top-left
  // corner at (x, y) of `dc`, clipped by whatever clipping `dc` has. False when
  // there is no such image or the blit fails.
  bool Draw(HDC dc, ImageList list, int index, int x, int y) const;
  // The image's bitmap (a DIB section), or null; the store keeps ownership.
  HBITMAP Bitmap(ImageList list, int index) const;

  // Draws a 16 x 16 button glyph blended over what `dc` shows at (x, y).
  bool DrawGlyph(HDC dc, Glyph g, bool enabled, int x, int y) const;
  // The glyph's 32-bit bitmap with premultiplied alpha, or null.
  HBITMAP GlyphBitmap(Glyph g, bool enabled) const;

 private:
  std::array<std::vector<UniqueBitmap>, kImageListCount> lists_;
  std::array<UniqueBitmap, 2 * kGlyphCount> glyphs_;
  MemoryDc dc_;
  bool loaded_ = false;
};

}  // namespace orlavox
