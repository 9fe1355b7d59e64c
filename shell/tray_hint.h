#pragma once
// The tray tooltip: "Time: <long time>   Date: <short date>", in the user's
// regional formats (formatted by the caller), cut to what the shell holds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orlavox {

inline constexpr size_t kTrayTipMax = 127;

std::string TrayHintText(std::string_view longTime, std::string_view shortDate);
// The tooltip as the shell gets it: at most kTrayTipMax bytes of UTF-8, whole
// characters only.
std::string CutTrayTip(std::string_view hint);

// When the tooltip is worth sending to the shell. Each change costs a message
// to Explorer, and the tooltip is only seen while the pointer is on the icon,
// which the icon's mouse-move notifications tell. While the pointer may be
// there the tooltip follows every second; otherwise every minute, so that what
// a screen reader finds in the notification area is the current minute.
class TrayHintSchedule {
 public:
  struct Point {
    int X = 0, Y = 0;
  };
  // After the last notification the pointer may move for this long and still
  // be on the icon; after that, a pointer somewhere else has left it.
  static constexpr uint32_t kLingerMs = 1500;

  // A mouse-move notification from the icon. True when the pointer has just
  // arrived: send the tooltip now, before the shell shows it.
  bool PointerMoved(uint32_t nowMs, Point pointer);
  // Whether the pointer may still be on the icon (the caller reads the
  // pointer's position only then).
  bool Hovering() const { return hovering_; }
  // At a change of second: send the tooltip or not. pointer is where the
  // pointer is now; it is not looked at unless Hovering().
  bool SecondDue(uint32_t nowMs, bool newMinute, Point pointer);

 private:
  bool hovering_ = false;
  uint32_t lastMove_ = 0;
  Point at_;
};

}  // namespace orlavox
