#include "display/tests/surface.h"

#include <cstdio>

namespace orlavox {

Surface::Surface(int w, int h, uint32_t fill)
    : w_(w), h_(h), bmp_(CreateDib32(w, h, &bits_)), select_(dc_.Get(), bmp_.Get()) {
  auto* px = static_cast<uint32_t*>(bits_);
  for (int i = 0; i < w * h; ++i) px[i] = fill;
}

uint32_t Surface::At(int x, int y) const {
  GdiFlush();
  return static_cast<const uint32_t*>(bits_)[y * w_ + x] & 0xFFFFFF;
}

std::vector<uint32_t> Surface::Pixels() const {
  std::vector<uint32_t> px;
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) px.push_back(At(x, y));
  return px;
}

bool Surface::Save(const std::string& path) const {
  const int stride = (w_ * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + DWORD(stride * h_);
  ih.biSize = sizeof ih;
  ih.biWidth = w_;
  ih.biHeight = h_;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fwrite(&fh, sizeof fh, 1, f);
  std::fwrite(&ih, sizeof ih, 1, f);
  std::vector<uint8_t> row(size_t(stride), 0);
  for (int y = h_ - 1; y >= 0; --y) {
    for (int x = 0; x < w_; ++x) {
      const uint32_t p = At(x, y);
      row[size_t(3 * x)] = uint8_t(p);
      row[size_t(3 * x + 1)] = uint8_t(p >> 8);
      row[size_t(3 * x + 2)] = uint8_t(p >> 16);
    }
    std::fwrite(row.data(), 1, row.size(), f);
  }
  return std::fclose(f) == 0;
}

std::string FirstDifference(const Surface& actual, const Surface& expected) {
  int count = 0;
  char first[96] = "";
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x)
      if (actual.At(x, y) != expected.At(x, y) && count++ == 0)
        std::snprintf(first, sizeof first, "at (%d, %d): %06X instead of %06X", x, y, unsigned(actual.At(x, y)),
                      unsigned(expected.At(x, y)));
  return count ? std::to_string(count) + " pixels differ, first " + first : "";
}

}  // namespace orlavox
