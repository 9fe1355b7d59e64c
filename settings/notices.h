#pragma once
// The two notices of the first start: the welcome after a fresh
// installation and the thanks after an upgrade. Neither can be cancelled:
// only OK (or Enter) closes them; their help buttons leave them open.
#include "ui/dialog.h"

namespace orlavox {

class TInfoForm : public ui::Dialog {
 public:
  TInfoForm();
};

class TNewVerForm : public ui::Dialog {
 public:
  TNewVerForm();
};

// Where the upgrade notice stands when it fits on the screen.
inline constexpr int kNewVerFormLeft = 577;
inline constexpr int kNewVerFormTop = 528;

}  // namespace orlavox
