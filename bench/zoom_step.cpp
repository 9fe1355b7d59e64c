// A zoom step of the test build's face, from the step to the end of the paint
// that first shows it (bench/run-wine-zoom.sh runs it at 192 DPI):
//   zoom_step [rounds]
// Each round turns the wheel with Ctrl held up two notches and down two
// (zoom 100 -> 125 -> 150 -> 125 -> 100 %), one step at a time, and reads
// from the clock how long each step took in all and how much of that was
// drawing the face's pictures at the new scale. What is left, the resize and
// the paint, should fit in a frame (16.7 ms at 60 Hz). Prints every step,
// then the median and the worst of the drawing and of the rest.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "e2e/harness.h"

using namespace orlavox;
using namespace orlavox::e2e;

namespace {

constexpr double kFrameMs = 1000.0 / 60;

struct Step {
  int Zoom = 0;
  double TotalMs = -1, DrawMs = -1;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? -1 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  ResetRegistry();
  WriteSettings("00000000000", "0100010010000000", "6000000000");  // big, framed, 1 s ticks
  ClockProcess clock;
  HWND w = clock.Start() ? clock.WaitForMainWindow(true) : nullptr;
  if (!w) {
    std::fprintf(stderr, "the clock did not start\n");
    return 1;
  }
  Sleep(1500);  // past the start-up's own painting
  std::printf("screen at %d DPI\n", dpi);
  std::vector<Step> steps;
  int zoom = 100;
  for (int r = 0; r < rounds; ++r)
    for (int notch : {1, 1, -1, -1}) {
      const LRESULT before = clock.Probe(kProbeZoomStepMicroseconds);
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(w, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WORD(notch * WHEEL_DELTA)), 0, SMTO_NORMAL, 10000,
                          &ignored);
      zoom += notch * 25;
      Step s;
      s.Zoom = zoom;
      LRESULT total = before;
      WaitFor([&] { return (total = clock.Probe(kProbeZoomStepMicroseconds)) != before; }, 5000);
      if (total != before) {
        s.TotalMs = double(total) / 1000;
        s.DrawMs = double(clock.Probe(kProbeZoomDrawMicroseconds)) / 1000;
      }
      std::printf("zoom %3d %% (face at %3d DPI): step %7.1f ms, drawing %7.1f ms, the rest %5.1f ms\n", s.Zoom,
                  dpi * s.Zoom / 100, s.TotalMs, s.DrawMs, s.TotalMs - s.DrawMs);
      steps.push_back(s);
      Sleep(300);
    }
  clock.Close();
  std::vector<double> draw, rest;
  bool all = true;
  for (const Step& s : steps) {
    all = all && s.TotalMs >= 0;
    if (s.TotalMs < 0) continue;
    draw.push_back(s.DrawMs);
    rest.push_back(s.TotalMs - s.DrawMs);
  }
  const double worst = rest.empty() ? -1 : *std::max_element(rest.begin(), rest.end());
  std::printf("drawing: median %.1f ms, worst %.1f ms\n", Median(draw),
              draw.empty() ? -1 : *std::max_element(draw.begin(), draw.end()));
  std::printf("the rest: median %.1f ms, worst %.1f ms (a frame: %.1f ms)\n", Median(rest), worst, kFrameMs);
  return all ? 0 : 1;
}
