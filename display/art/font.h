#pragma once
// A stroke font for the labels of the face: capitals drawn as strokes through
// the centres of a 5 x 7 pixel grid, so straight strokes sit on whole pixels
// and only the slanted ones are softened. Texts are UTF-8: the capitals of the
// clock's languages carry their marks (acute, ring, ogonek, ...) in the rows
// just above and below the letters: a text needs three rows free above it and
// two below when it has them.
#include <string>

#include "display/art/raster.h"

namespace artgen {

inline constexpr int kCapHeight = 7;

// Width in pixels of a text, letters one pixel apart. Narrow letters are a
// column narrower (4 instead of 5), for words that must fit a small space.
int TextWidth(const std::string& text, bool narrow = false);
// Whether the font has every letter of the text.
bool Drawable(const std::string& text);
// The text's strokes with the top-left grid pixel of the first letter at
// pixel (left, top).
Shape TextShape(const std::string& text, int left, int top, double halfStroke = 0.72, bool narrow = false);

}  // namespace artgen
