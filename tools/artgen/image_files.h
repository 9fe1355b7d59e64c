#pragma once
// Writers of the Windows picture formats the resource compiler takes.
#include <string>
#include <vector>

#include "display/art/raster.h"

namespace artgen {

// 24 bits a pixel, opaque.
std::vector<uint8_t> Bmp24(const Canvas& c);
// 32 bits a pixel, straight (not premultiplied) alpha in the fourth byte.
std::vector<uint8_t> Bmp32(const Canvas& c);

// An icon image: either 32-bit with alpha, or 4-bit with the 16-colour
// palette (indices, 16 = transparent).
struct IconImage {
  int Size = 0;
  const Canvas* Rgba = nullptr;
  std::vector<uint8_t> Indices;
};
std::vector<uint8_t> Ico(const std::vector<IconImage>& images);

// The standard 16-colour palette (black, maroon, ..., white).
extern const Color kPalette16[16];

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace artgen
