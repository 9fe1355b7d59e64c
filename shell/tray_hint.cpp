#include "shell/tray_hint.h"

namespace orlavox {

std::string TrayHintText(std::string_view longTime, std::string_view shortDate) {
  std::string text = "Time: ";
  text += longTime;
  text += "   Date: ";
  text += shortDate;
  return text;
}

std::string CutTrayTip(std::string_view hint) {
  return std::string(hint.substr(0, kTrayTipMax));
}

}  // namespace orlavox
