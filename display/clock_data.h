#pragma once
// TClockData: the image store of the clock face, loaded once from the
// program's resources and kept for the whole run. It holds the four image
// lists (HrMinList, SecList, MSList, MiscList) and the button glyphs.
//
// Use on the user-interface thread only (the store keeps one memory DC).
#include <windows.h>

#include <array>
#include <map>
#include <vector>

#include "display/drawn_scales.h"
#include "display/face_images.h"
#include "display/picture.h"
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

  // The display scale of the face (dots per inch, zoom included). At 96 the
  // store draws its resources; at any other scale it draws the pictures the
  // sources draw for that scale, all of them at once, and keeps them until
  // the scale changes. A scale whose pictures cannot be drawn (out of
  // memory) is remembered and not tried again: the store falls back to the
  // nearest smaller scale drawn before, or to 96. Returns the scale in force.
  void SetSources(FacePictureSource faces, GlyphPictureSource glyphs);
  int SetDpi(int dpi);
  int Dpi() const { return dpi_; }
  // The language of the face's words (IsFaceWord): English ones come from the
  // resources like every other picture; those of another language are drawn
  // by the face source at every scale, 96 DPI included.
  void SetLanguage(Language language);
  Language FaceLanguage() const { return language_; }

  // Draws image `index` of `list` opaque at its own size (at the store's
  // scale) with its top-left corner at pixel (x, y) of `dc`, clipped by
  // whatever clipping `dc` has and, when given, by `clip` (pixels of `dc`):
  // only the part inside is copied, the DC's own state left alone. False
  // when there is no such image or the blit fails.
  bool Draw(HDC dc, ImageList list, int index, int x, int y, const RECT* clip = nullptr) const;

  // Draws a button glyph, size x size (16 at 100 %), blended over what `dc`
  // shows at (x, y).
  bool DrawGlyph(HDC dc, Glyph g, bool enabled, int x, int y, int size = kGlyphSize) const;

  // Performance-counter ticks spent drawing pictures so far, face and glyphs,
  // each up to its bitmap (what a zoom step's timing tells apart from the
  // rest of it).
  LONGLONG DrawingTicks() const { return drawingTicks_; }

 private:
  mutable LONGLONG drawingTicks_ = 0;
  // A picture from a source made into a bitmap, its time counted.
  template <class Source>
  UniqueBitmap Timed(Source draw) const;
  // At 100 %: the images in their strips (24-bit DIB sections, see
  // StripPlaceOf) and the glyphs in theirs (32-bit, premultiplied alpha);
  // which images and glyphs loaded.
  std::array<UniqueBitmap, kImageStripCount> strips_;
  std::array<std::vector<bool>, kImageListCount> present_;
  UniqueBitmap glyphStrip_;
  std::array<bool, 2 * kGlyphCount> glyphPresent_{};
  MemoryDc dc_;
  bool loaded_ = false;
  int dpi_ = 96;
  Language language_ = Language::English;
  FacePictureSource faceSource_ = nullptr;
  GlyphPictureSource glyphSource_ = nullptr;
  // Pictures drawn for the current scale, and glyphs by size: a cache, filled as they are drawn.
  HBITMAP Scaled(ImageList list, int index) const;
  // The strip last drawn from stays in the memory DC: the next image from it
  // is one BitBlt. The other bitmaps go in and out again around their blit.
  bool SelectStrip(int strip) const;
  mutable HBITMAP selectedStrip_ = nullptr;
  mutable std::array<std::vector<UniqueBitmap>, kImageListCount> scaled_;
  mutable std::map<int, UniqueBitmap> scaledGlyphs_;  // by size * 64 + glyph * 2 + disabled
  // Which scales were drawn and which could not be; all pictures at the scale.
  DrawnScales scales_;
  bool DrawScaled();
};

}  // namespace orlavox
