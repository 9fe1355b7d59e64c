#include "shell/tray_hint.h"

#include "resources/lang_text.h"

namespace orlavox {

std::string TrayHintText(std::string_view longTime, std::string_view shortDate) {
  return Tr(Str::tray_hint, {longTime, shortDate});
}

std::string CutTrayTip(std::string_view hint) {
  size_t n = hint.size() < kTrayTipMax ? hint.size() : kTrayTipMax;
  // Not inside a character: back to the start of the one cut.
  if (n < hint.size())
    while (n > 0 && (static_cast<unsigned char>(hint[n]) & 0xC0) == 0x80) --n;
  return std::string(hint.substr(0, n));
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
