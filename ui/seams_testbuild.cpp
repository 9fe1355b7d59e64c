// The test build's seams of the window layer (and those of the Win32 tests).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ui/dialog.h"

namespace orlavox {

void ui::UnknownControlBound(const std::string& dialog, const std::string& name) {
  // Ended at once and loudly: a handler bound to nothing would let a dialog
  // write defaults where the user's choices belong.
  const std::string text = "Orlavox test build: the dialog \"" + dialog + "\" binds a handler to \"" + name +
                           "\", a name its table does not hold\n";
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  OutputDebugStringA(text.c_str());
  std::_Exit(3);
}

}  // namespace orlavox
