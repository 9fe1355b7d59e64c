#pragma once
// The hands of the tray clock: two lines from the dial's centre (8, 8) of the
// 16 x 16 icon, y growing downwards. The hour hand is 5 pixels long, the
// minute hand 7; an end point is the nearest pixel, halves going to the even
// neighbour.
namespace orlavox {

struct IconPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(IconPoint a, IconPoint b) { return a.X == b.X && a.Y == b.Y; }
};

inline constexpr IconPoint kTrayDialCentre = {8, 8};

struct TrayHands {
  IconPoint HourEnd;
  IconPoint MinuteEnd;
};

// hour 0..23, minute 0..59.
TrayHands TrayHandEnds(int hour, int minute);

// Nearest integer, halves to the even neighbour. A value within 1e-9 of a
// half counts as that half, so floating-point noise in cos and sin (2.5 that
// comes out as 2.5000000000000004) cannot tip a hand to the other pixel.
int RoundHalfEven(double x);

}  // namespace orlavox
