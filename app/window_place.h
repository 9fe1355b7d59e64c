#pragma once
// Where the main window may be restored: wholly on a monitor's work area.
namespace orlavox {

struct ScreenRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const ScreenRect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};

// `window` moved by the least distance that puts it wholly inside `work`
// (the work area of the monitor nearest to it); unchanged when it fits. A
// window wider or taller than the work area keeps its top left corner on it.
ScreenRect FitIntoWorkArea(const ScreenRect& window, const ScreenRect& work);

}  // namespace orlavox
