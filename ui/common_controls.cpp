#include "ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace orlavox::ui {

void UseCommonControls() {
  static const bool ready = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
  }();
  (void)ready;
}

}  // namespace orlavox::ui
