#pragma once
// Which face scales (dots per inch) the pictures were drawn at in this run
// and which could not be drawn (out of memory), so that a scale that failed
// is not tried again at every paint: the face falls back to the nearest
// smaller scale that was drawn, or to the resources' 96.
#include <set>

namespace orlavox {

class DrawnScales {
 public:
  // The scale to draw the face at when it asks for `dpi`.
  int Usable(int dpi) const;
  void Drawn(int dpi) { drawn_.insert(dpi); }
  void Failed(int dpi) {
    failed_.insert(dpi);
    drawn_.erase(dpi);
  }

 private:
  std::set<int> drawn_, failed_;
};

}  // namespace orlavox
