#include "tools/artgen/image_files.h"

#include <cstdio>

namespace artgen {
namespace {

void Put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, unsigned long x) {
  for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

// BITMAPINFOHEADER; heightRows may be twice the image for icons.
void InfoHeader(std::vector<uint8_t>& v, int w, int heightRows, int bits, unsigned long imageBytes, int colors) {
  Put32(v, 40);
  Put32(v, unsigned(w));
  Put32(v, unsigned(heightRows));
  Put16(v, 1);
  Put16(v, unsigned(bits));
  Put32(v, 0);  // BI_RGB
  Put32(v, imageBytes);
  Put32(v, 2835);  // 72 dots an inch
  Put32(v, 2835);
  Put32(v, unsigned(colors));
  Put32(v, 0);
}

// Pixel rows bottom-up, each padded to 4 bytes.
std::vector<uint8_t> Rows(const Canvas& c, int bytesPerPixel) {
  std::vector<uint8_t> out;
  const int stride = (c.Width() * bytesPerPixel + 3) & ~3;
  for (int y = c.Height() - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < c.Width(); ++x) {
      uint8_t r, g, b, a;
      c.Pixel(x, y, r, g, b, a);
      out.push_back(b);
      out.push_back(g);
      out.push_back(r);
      if (bytesPerPixel == 4) out.push_back(a);
    }
    out.resize(start + size_t(stride), 0);
  }
  return out;
}

std::vector<uint8_t> Bmp(const Canvas& c, int bytesPerPixel) {
  const std::vector<uint8_t> rows = Rows(c, bytesPerPixel);
  std::vector<uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, 14 + 40 + rows.size());
  Put32(v, 0);
  Put32(v, 14 + 40);
  InfoHeader(v, c.Width(), c.Height(), bytesPerPixel * 8, rows.size(), 0);
  v.insert(v.end(), rows.begin(), rows.end());
  return v;
}

// AND mask: 1 where the image is transparent, rows bottom-up padded to 4 bytes.
template <class Transparent>
std::vector<uint8_t> Mask(int size, Transparent transparent) {
  const int stride = ((size + 31) / 32) * 4;
  std::vector<uint8_t> out;
  for (int y = size - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(stride), 0);
    for (int x = 0; x < size; ++x)
      if (transparent(x, y)) row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<uint8_t> IconBits(const IconImage& im) {
  std::vector<uint8_t> v;
  const int n = im.Size;
  if (im.Rgba) {
    std::vector<uint8_t> xorBits = Rows(*im.Rgba, 4);
    std::vector<uint8_t> andBits = Mask(n, [&](int x, int y) {
      uint8_t r, g, b, a;
      im.Rgba->Pixel(x, y, r, g, b, a);
      return a == 0;
    });
    InfoHeader(v, n, 2 * n, 32, xorBits.size() + andBits.size(), 0);
    v.insert(v.end(), xorBits.begin(), xorBits.end());
    v.insert(v.end(), andBits.begin(), andBits.end());
    return v;
  }
  const int stride = ((n * 4 + 31) / 32) * 4;
  std::vector<uint8_t> xorBits;
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(size_t(stride), 0);
    for (int x = 0; x < n; ++x) {
      uint8_t idx = im.Indices[size_t(y * n + x)];
      if (idx >= 16) idx = 0;  // transparent: black under the mask
      row[size_t(x / 2)] |= uint8_t(x % 2 == 0 ? idx << 4 : idx);
    }
    xorBits.insert(xorBits.end(), row.begin(), row.end());
  }
  std::vector<uint8_t> andBits = Mask(n, [&](int x, int y) { return im.Indices[size_t(y * n + x)] >= 16; });
  InfoHeader(v, n, 2 * n, 4, xorBits.size() + andBits.size(), 16);
  for (const Color& c : kPalette16) {
    v.push_back(uint8_t(c.B));
    v.push_back(uint8_t(c.G));
    v.push_back(uint8_t(c.R));
    v.push_back(0);
  }
  v.insert(v.end(), xorBits.begin(), xorBits.end());
  v.insert(v.end(), andBits.begin(), andBits.end());
  return v;
}

}  // namespace

const Color kPalette16[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},  {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

std::vector<uint8_t> Bmp24(const Canvas& c) { return Bmp(c, 3); }
std::vector<uint8_t> Bmp32(const Canvas& c) { return Bmp(c, 4); }

std::vector<uint8_t> Ico(const std::vector<IconImage>& images) {
  std::vector<std::vector<uint8_t>> bits;
  for (const IconImage& im : images) bits.push_back(IconBits(im));
  std::vector<uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);  // icon
  Put16(v, unsigned(images.size()));
  unsigned long offset = 6 + 16 * images.size();
  for (size_t i = 0; i < images.size(); ++i) {
    const IconImage& im = images[i];
    v.push_back(uint8_t(im.Size));
    v.push_back(uint8_t(im.Size));
    v.push_back(im.Rgba ? 0 : 16);  // colours in the palette
    v.push_back(0);
    Put16(v, 1);
    Put16(v, im.Rgba ? 32 : 4);
    Put32(v, bits[i].size());
    Put32(v, offset);
    offset += bits[i].size();
  }
  for (const auto& b : bits) v.insert(v.end(), b.begin(), b.end());
  return v;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace artgen
