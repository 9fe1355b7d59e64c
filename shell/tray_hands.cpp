#include "shell/tray_hands.h"

#include <cmath>

namespace orlavox {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfTolerance = 1e-9;

IconPoint HandEnd(double angle, double length) {
  return {kTrayDialCentre.X + RoundHalfEven(length * std::cos(angle)),
          kTrayDialCentre.Y + RoundHalfEven(length * std::sin(angle))};
}

}  // namespace

int RoundHalfEven(double x) {
  const double lower = std::floor(x);
  const double fraction = x - lower;
  if (std::fabs(fraction - 0.5) < kHalfTolerance) {
    const long long l = static_cast<long long>(lower);
    return static_cast<int>(l % 2 == 0 ? l : l + 1);
  }
  return static_cast<int>(std::lround(x));
}

TrayHands TrayHandEnds(int hour, int minute) {
  // 3π/2 points straight up; both hands turn clockwise.
  const double hourAngle = (hour + minute / 60.0) * 2 * kPi / 12 + 3 * kPi / 2;
  const double minuteAngle = minute * 2 * kPi / 60 + 3 * kPi / 2;
  return {HandEnd(hourAngle, 5), HandEnd(minuteAngle, 7)};
}

}  // namespace orlavox
