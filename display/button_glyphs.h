#pragma once
// The glyphs of the dialogs' buttons come from the image store.
#include "display/clock_data.h"
#include "ui/dialog.h"

namespace orlavox {

// Ok, Cancel and Help buttons get their pictures; other buttons the glyph
// whose number (a Glyph) the dialog's table gives.
ui::ButtonGlyphs DialogButtonGlyphs(const TClockData& store);

}  // namespace orlavox
