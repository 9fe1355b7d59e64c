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

namespace orlavox {

bool TrayHintSchedule::PointerMoved(uint32_t nowMs, Point pointer) {
  const bool arrived = !hovering_;
  hovering_ = true;
  lastMove_ = nowMs;
  at_ = pointer;
  return arrived;
}

bool TrayHintSchedule::SecondDue(uint32_t nowMs, bool newMinute, Point pointer) {
  const bool moved = pointer.X != at_.X || pointer.Y != at_.Y;
  // Unsigned difference: right across the wrap of the millisecond count.
  if (hovering_ && moved && nowMs - lastMove_ > kLingerMs) hovering_ = false;
  return hovering_ || newMinute;
}

}  // namespace orlavox
