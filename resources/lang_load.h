#pragma once
// Loading a language's words from the program's resources (the strings files
// compiled in as RCDATA, resources/lang/).
#include "resources/lang_text.h"

namespace orlavox {

// Makes `language` the language of the windows opened from now on, with the
// texts of its file; a text (or a file) the program lacks is English.
void LoadWindowLanguage(Language language);

// The language of Windows' user interface (GetUserDefaultUILanguage).
uint16_t WindowsUiLanguage();

}  // namespace orlavox
