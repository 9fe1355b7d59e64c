#pragma once
// A picture of the face drawn at run time for a display scale other than
// 100 %: the image store asks for them through these two sources, which the
// program gives it (the same drawing code as the build's artwork).
#include <cstdint>
#include <vector>

#include "display/face_images.h"
#include "resources/languages.h"

namespace orlavox {

struct Picture {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Bgra;  // rows from the top, 4 bytes a pixel, alpha premultiplied
};

// Image `index` of `list` drawn at `dpi` (96 is the size of the resources),
// its words in `language`.
using FacePictureSource = Picture (*)(ImageList list, int index, int dpi, Language language);
// A button glyph drawn size x size.
using GlyphPictureSource = Picture (*)(Glyph g, bool enabled, int size);

}  // namespace orlavox
