#include "display/button_glyphs.h"

namespace orlavox {

ui::ButtonGlyphs DialogButtonGlyphs(const TClockData& store) {
  ui::ButtonGlyphs glyphs;
  glyphs.Size = kGlyphSize;
  glyphs.Paint = [&store](HDC dc, ui::ButtonRole role, int glyphId, bool enabled, int x, int y, int size) {
    Glyph g;
    switch (role) {
      case ui::ButtonRole::Ok: g = Glyph::Ok; break;
      case ui::ButtonRole::Cancel: g = Glyph::Cancel; break;
      case ui::ButtonRole::Help: g = Glyph::Help; break;
      default:
        if (glyphId < 0 || glyphId >= kGlyphCount) return;
        g = static_cast<Glyph>(glyphId);
        break;
    }
    store.DrawGlyph(dc, g, enabled, x, y, size);
  };
  return glyphs;
}

}  // namespace orlavox
