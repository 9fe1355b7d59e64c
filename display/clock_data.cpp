#include "display/clock_data.h"

#include <cstdint>

#include "resources/resource_ids.h"

namespace orlavox {
namespace {

UniqueBitmap LoadDib(HINSTANCE module, int id) {
  return UniqueBitmap(static_cast<HBITMAP>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

bool HasSize(HBITMAP bmp, int w, int h, int bits = 0) {
  BITMAP info{};
  if (!bmp || GetObjectA(bmp, sizeof info, &info) != sizeof info) return false;
  return info.bmWidth == w && info.bmHeight == h && (bits == 0 || info.bmBitsPixel == bits);
}

// AlphaBlend wants colour multiplied by alpha; the files keep it straight.
bool Premultiply(HBITMAP bmp) {
  DIBSECTION dib{};
  if (GetObjectA(bmp, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits || dib.dsBm.bmBitsPixel != 32)
    return false;
  GdiFlush();
  auto* px = static_cast<uint8_t*>(dib.dsBm.bmBits);
  const size_t n = size_t(dib.dsBm.bmWidth) * size_t(dib.dsBm.bmHeight);
  for (size_t i = 0; i < n; ++i, px += 4) {
    const unsigned a = px[3];
    for (int c = 0; c < 3; ++c) px[c] = uint8_t((px[c] * a + 127) / 255);
  }
  return true;
}

}  // namespace

TClockData::TClockData(HINSTANCE module) {
  bool ok = dc_.Get() != nullptr;
  for (int l = 0; l < kImageListCount; ++l) {
    const auto list = static_cast<ImageList>(l);
    for (int i = 0; i < ImageCount(list); ++i) {
      UniqueBitmap bmp = LoadDib(module, ImageResourceId(list, i));
      const ImageSize size = ImageSizeOf(list, i);
      if (!HasSize(bmp.Get(), size.Width, size.Height)) {
        ok = false;
        bmp.Reset();
      }
      lists_[size_t(l)].push_back(std::move(bmp));
    }
  }
  for (int g = 0; g < kGlyphCount; ++g)
    for (bool enabled : {true, false}) {
      UniqueBitmap bmp = LoadDib(module, GlyphResourceId(static_cast<Glyph>(g), enabled));
      if (!HasSize(bmp.Get(), kGlyphSize, kGlyphSize, 32) || !Premultiply(bmp.Get())) {
        ok = false;
        bmp.Reset();
      }
      glyphs_[size_t(2 * g + (enabled ? 0 : 1))] = std::move(bmp);
    }
  loaded_ = ok;
}

HBITMAP TClockData::Bitmap(ImageList list, int index) const {
  const auto& images = lists_[size_t(list)];
  if (index < 0 || size_t(index) >= images.size()) return nullptr;
  return images[size_t(index)].Get();
}

bool TClockData::Draw(HDC dc, ImageList list, int index, int x, int y) const {
  HBITMAP bmp = Bitmap(list, index);
  if (!bmp || !dc) return false;
  const ImageSize size = ImageSizeOf(list, index);
  SelectGuard select(dc_.Get(), bmp);
  return select.Ok() && BitBlt(dc, x, y, size.Width, size.Height, dc_.Get(), 0, 0, SRCCOPY);
}

HBITMAP TClockData::GlyphBitmap(Glyph g, bool enabled) const {
  const int i = static_cast<int>(g);
  if (i < 0 || i >= kGlyphCount) return nullptr;
  return glyphs_[size_t(2 * i + (enabled ? 0 : 1))].Get();
}

bool TClockData::DrawGlyph(HDC dc, Glyph g, bool enabled, int x, int y) const {
  HBITMAP bmp = GlyphBitmap(g, enabled);
  if (!bmp || !dc) return false;
  SelectGuard select(dc_.Get(), bmp);
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return select.Ok() && AlphaBlend(dc, x, y, kGlyphSize, kGlyphSize, dc_.Get(), 0, 0, kGlyphSize, kGlyphSize, blend);
}

}  // namespace orlavox
