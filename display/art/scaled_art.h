#pragma once
// The artwork drawn at any display scale, for the program itself: the same
// pictures as the build's resources, drawn at more pixels, never stretched.
#include "display/picture.h"
#include "resources/languages.h"

namespace artgen {

// The face's words (weekday labels, the day label) are in `language`.
orlavox::Picture FaceImageAt(orlavox::ImageList list, int index, int dpi,
                             orlavox::Language language = orlavox::Language::English);
orlavox::Picture GlyphAt(orlavox::Glyph g, bool enabled, int size);
// The program's icon, size x size.
orlavox::Picture ProgramIconAt(int size);
// The tray clock's dial, size x size, with its hour and minute hands: a
// white face with a dark rim and hands, blue hour marks.
orlavox::Picture TrayClockAt(int size, int hour, int minute);

}  // namespace artgen
