#pragma once
// A 32-bit memory surface for drawing tests: a DC with a top-down DIB
// selected, its pixels readable as 0x00RRGGBB.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/gdi.h"

namespace orlavox {

class Surface {
 public:
  Surface(int w, int h, uint32_t fill = 0xFF00FF);
  HDC Dc() const { return dc_.Get(); }
  int Width() const { return w_; }
  int Height() const { return h_; }
  uint32_t At(int x, int y) const;
  std::vector<uint32_t> Pixels() const;
  // Writes the surface as a 24-bit BMP file.
  bool Save(const std::string& path) const;

 private:
  int w_, h_;
  void* bits_ = nullptr;
  UniqueBitmap bmp_;
  MemoryDc dc_;
  SelectGuard select_;
};

// Where a failing comparison of two surfaces first differs, or "" when equal.
std::string FirstDifference(const Surface& actual, const Surface& expected);

}  // namespace orlavox
