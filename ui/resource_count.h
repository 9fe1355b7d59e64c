#pragma once
// Counts of the process's own live GDI and USER objects. GetGuiResources
// answers nothing useful under Wine, so we walk the handle values instead:
// Wine's GDI handles carry their index in the low word.
#include <windows.h>

namespace orlavox::ui {

unsigned CountGdiObjects();
unsigned CountUserObjects();  // icons and menus

}  // namespace orlavox::ui
