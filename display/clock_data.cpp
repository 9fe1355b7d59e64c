#include "display/clock_data.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "resources/resource_ids.h"

namespace orlavox {
namespace {

UniqueBitmap LoadDib(HINSTANCE module, int id) {
  return UniqueBitmap(static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// The pixels of a top-down DIB section of ours, row by row.
struct DibRows {
  uint8_t* Bits = nullptr;
  int Width = 0, Height = 0, BitsPerPixel = 0;

  size_t Stride() const { return size_t((Width * BitsPerPixel + 31) / 32) * 4; }
  uint8_t* Row(int y) const { return Bits + size_t(y) * Stride(); }
};

// A top-down DIB section of the given depth, its pixels zero.
UniqueBitmap CreateDib(int width, int height, int bitsPerPixel, DibRows& rows) {
  void* bits = nullptr;
  UniqueBitmap bmp = CreateTopDownDib(width, height, bitsPerPixel, &bits);
  rows = bmp && bits ? DibRows{static_cast<uint8_t*>(bits), width, height, bitsPerPixel} : DibRows{};
  return bmp;
}

// Copies the resource bitmap `id` into `strip` with its top-left corner at
// (left, 0): true when it is there, w x h and of the strip's depth. The
// resource's own bitmap goes again at once.
bool CopyIntoStrip(HDC dc, HINSTANCE module, int id, int w, int h, const DibRows& strip, int left) {
  const UniqueBitmap image = LoadDib(module, id);
  BITMAP info{};
  if (!image || GetObjectA(image.Get(), sizeof info, &info) != sizeof info || info.bmWidth != w ||
      info.bmHeight != h || info.bmBitsPixel != strip.BitsPerPixel || !strip.Bits || left + w > strip.Width ||
      h > strip.Height)
    return false;
  // Read top-down at the image's own depth: the bytes as they are, alpha included.
  BITMAPINFO bi = TopDownDibInfo(w, h, strip.BitsPerPixel);
  // An image as wide as its strip goes straight in; the others by way of a
  // small buffer (the heap keeps what it once held: no large one there).
  if (left == 0 && w == strip.Width) return GetDIBits(dc, image.Get(), 0, UINT(h), strip.Bits, &bi, DIB_RGB_COLORS) == h;
  const DibRows read{nullptr, w, h, strip.BitsPerPixel};
  std::vector<uint8_t> bytes(read.Stride() * size_t(h));
  if (GetDIBits(dc, image.Get(), 0, UINT(h), bytes.data(), &bi, DIB_RGB_COLORS) != h) return false;
  GdiFlush();
  const size_t bytesPerPixel = size_t(strip.BitsPerPixel / 8);
  for (int y = 0; y < h; ++y)
    memcpy(strip.Row(y) + size_t(left) * bytesPerPixel, bytes.data() + size_t(y) * read.Stride(), size_t(w) * bytesPerPixel);
  return true;
}

// AlphaBlend wants colour multiplied by alpha; the files keep it straight.
void Premultiply(const DibRows& rows) {
  for (int y = 0; y < rows.Height; ++y) {
    uint8_t* px = rows.Row(y);
    for (int x = 0; x < rows.Width; ++x, px += 4) {
      const unsigned a = px[3];
      for (int c = 0; c < 3; ++c) px[c] = uint8_t((px[c] * a + 127) / 255);
    }
  }
}

UniqueBitmap FromPicture(const Picture& p) {
  if (p.Width <= 0 || p.Height <= 0 || p.Bgra.size() != size_t(p.Width) * size_t(p.Height) * 4) return {};
  void* bits = nullptr;
  UniqueBitmap bmp = CreateDib32(p.Width, p.Height, &bits);
  if (!bmp || !bits) return {};
  memcpy(bits, p.Bgra.data(), p.Bgra.size());
  return bmp;
}

}  // namespace

void TClockData::SetSources(FacePictureSource faces, GlyphPictureSource glyphs) {
  faceSource_ = faces;
  glyphSource_ = glyphs;
}

int TClockData::SetDpi(int dpi) {
  if (dpi <= 0) return dpi_;
  for (;;) {
    const int use = faceSource_ ? scales_.Usable(dpi) : 96;
    if (use == dpi_) return dpi_;
    for (auto& list : scaled_) list.clear();
    dpi_ = use;
    if (use == 96) return dpi_;
    if (DrawScaled()) {
      scales_.Drawn(use);
      return dpi_;
    }
    scales_.Failed(use);
  }
}

// Every picture of the face at the store's scale; false when one could not be
// drawn (the others are let go again).
bool TClockData::DrawScaled() {
  try {
    for (int l = 0; l < kImageListCount; ++l)
      for (int i = 0; i < ImageCount(static_cast<ImageList>(l)); ++i)
        if (present_[size_t(l)][size_t(i)] && !Scaled(static_cast<ImageList>(l), i)) throw std::bad_alloc();
    return true;
  } catch (const std::bad_alloc&) {
    for (auto& list : scaled_) list.clear();
    return false;
  }
}

void TClockData::SetLanguage(Language language) {
  if (language == language_) return;
  language_ = language;
  auto& misc = scaled_[size_t(ImageList::Misc)];
  for (size_t i = 0; i < misc.size(); ++i)
    if (IsFaceWord(ImageList::Misc, int(i))) misc[i].Reset();
}

TClockData::TClockData(HINSTANCE module) {
  bool ok = dc_.Get() != nullptr;
  // Each image is read from the resources into its strip, the resource's own
  // bitmap let go again: one allocation per strip stays, not one per image.
  std::array<DibRows, kImageStripCount> rows;
  for (int s = 0; s < kImageStripCount; ++s) {
    const ImageSize size = StripSize(s);
    strips_[size_t(s)] = CreateDib(size.Width, size.Height, 24, rows[size_t(s)]);
  }
  for (int l = 0; l < kImageListCount; ++l) {
    const auto list = static_cast<ImageList>(l);
    present_[size_t(l)].assign(size_t(ImageCount(list)), false);
    for (int i = 0; i < ImageCount(list); ++i) {
      const StripPlace place = StripPlaceOf(list, i);
      const ImageSize size = ImageSizeOf(list, i);
      const bool loaded =
          CopyIntoStrip(dc_.Get(), module, ImageResourceId(list, i), size.Width, size.Height, rows[size_t(place.Strip)], place.Left);
      present_[size_t(l)][size_t(i)] = loaded;
      ok = ok && loaded;
    }
  }
  DibRows glyphRows;
  glyphStrip_ = CreateDib(2 * kGlyphCount * kGlyphSize, kGlyphSize, 32, glyphRows);
  for (int g = 0; g < kGlyphCount; ++g)
    for (bool enabled : {true, false}) {
      const bool loaded = CopyIntoStrip(dc_.Get(), module, GlyphResourceId(static_cast<Glyph>(g), enabled), kGlyphSize, kGlyphSize,
                                        glyphRows, GlyphStripLeft(static_cast<Glyph>(g), enabled));
      glyphPresent_[size_t(2 * g + (enabled ? 0 : 1))] = loaded;
      ok = ok && loaded;
    }
  if (glyphRows.Bits) Premultiply(glyphRows);
  GdiFlush();
  loaded_ = ok;
}

template <class Source>
UniqueBitmap TClockData::Timed(Source draw) const {
  LARGE_INTEGER before, after;
  QueryPerformanceCounter(&before);
  UniqueBitmap bmp = FromPicture(draw());
  QueryPerformanceCounter(&after);
  drawingTicks_ += after.QuadPart - before.QuadPart;
  return bmp;
}

HBITMAP TClockData::Scaled(ImageList list, int index) const {
  auto& scaled = scaled_[size_t(list)];
  if (scaled.size() != present_[size_t(list)].size()) scaled.resize(present_[size_t(list)].size());
  UniqueBitmap& bmp = scaled[size_t(index)];
  if (!bmp) bmp = Timed([&] { return faceSource_(list, index, dpi_, language_); });
  return bmp.Get();
}

bool TClockData::SelectStrip(int strip) const {
  HBITMAP bmp = strips_[size_t(strip)].Get();
  if (bmp != selectedStrip_) {
    const HGDIOBJ old = SelectObject(dc_.Get(), bmp);
    if (!old || old == HGDI_ERROR) return false;
    selectedStrip_ = bmp;
  }
  return true;
}

namespace {

// Copies the w x h picture at (srcX, srcY) of `from` to (x, y) of `dc`, only
// the part inside `clip` when there is one. Nothing inside: nothing to copy.
bool CopyClipped(HDC dc, int x, int y, int w, int h, HDC from, int srcX, int srcY, const RECT* clip) {
  int left = x, top = y, right = x + w, bottom = y + h;
  if (clip) {
    left = std::max(left, int(clip->left));
    top = std::max(top, int(clip->top));
    right = std::min(right, int(clip->right));
    bottom = std::min(bottom, int(clip->bottom));
    if (left >= right || top >= bottom) return true;
  }
  return BitBlt(dc, left, top, right - left, bottom - top, from, srcX + left - x, srcY + top - y, SRCCOPY);
}

}  // namespace

bool TClockData::Draw(HDC dc, ImageList list, int index, int x, int y, const RECT* clip) const {
  const StripPlace place = StripPlaceOf(list, index);
  if (!dc || place.Strip < 0 || !present_[size_t(list)][size_t(index)]) return false;
  if ((dpi_ != 96 || (language_ != Language::English && IsFaceWord(list, index))) && faceSource_) {
    HBITMAP bmp = Scaled(list, index);
    BITMAP info{};
    if (!bmp || GetObjectA(bmp, sizeof info, &info) != sizeof info) return false;
    SelectGuard select(dc_.Get(), bmp);
    return select.Ok() && CopyClipped(dc, x, y, info.bmWidth, info.bmHeight, dc_.Get(), 0, 0, clip);
  }
  const ImageSize size = ImageSizeOf(list, index);
  return SelectStrip(place.Strip) && CopyClipped(dc, x, y, size.Width, size.Height, dc_.Get(), place.Left, 0, clip);
}

bool TClockData::DrawGlyph(HDC dc, Glyph g, bool enabled, int x, int y, int size) const {
  const int i = static_cast<int>(g);
  if (!dc || i < 0 || i >= kGlyphCount || !glyphPresent_[size_t(2 * i + (enabled ? 0 : 1))]) return false;
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  if (size != kGlyphSize && glyphSource_) {
    UniqueBitmap& scaled = scaledGlyphs_[size * 64 + 2 * i + (enabled ? 0 : 1)];
    if (!scaled) scaled = Timed([&] { return glyphSource_(g, enabled, size); });
    SelectGuard select(dc_.Get(), scaled.Get());
    return scaled && select.Ok() && AlphaBlend(dc, x, y, size, size, dc_.Get(), 0, 0, size, size, blend);
  }
  SelectGuard select(dc_.Get(), glyphStrip_.Get());
  return select.Ok() && AlphaBlend(dc, x, y, kGlyphSize, kGlyphSize, dc_.Get(), GlyphStripLeft(g, enabled), 0,
                                   kGlyphSize, kGlyphSize, blend);
}

}  // namespace orlavox
