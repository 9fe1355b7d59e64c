#pragma once
// Button glyphs and icons.
#include <cstdint>
#include <vector>

#include "display/art/raster.h"
#include "display/face_images.h"

namespace artgen {

// 16 x 16 with alpha; the disabled variant is grey and embossed.
Canvas GlyphImage(orlavox::Glyph g, bool enabled);
const char* GlyphFileName(orlavox::Glyph g);

// The program's icon at 32 or 16 pixels, with alpha.
Canvas ProgramIcon(int size);

// The tray clock's dial, 16 x 16, as indices into the 16-colour palette
// (16 = transparent), row by row from the top.
std::vector<uint8_t> TrayDial();

}  // namespace artgen
