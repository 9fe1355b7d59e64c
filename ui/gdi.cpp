#include "ui/gdi.h"

namespace orlavox {

BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = WORD(bitsPerPixel);
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

UniqueBitmap CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits) {
  const BITMAPINFO bi = TopDownDibInfo(width, height, bitsPerPixel);
  return UniqueBitmap(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, bits, nullptr, 0));
}

UniqueBitmap CreateDib32(int width, int height, void** bits) { return CreateTopDownDib(width, height, 32, bits); }

}  // namespace orlavox
