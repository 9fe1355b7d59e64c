#pragma once
// A dialog of the tests driven by a script: its steps run one by one from a
// timer while it is open, as a user pressing keys would, each after the
// previous one has been handled. A watchdog ends a dialog still open
// WatchdogMs after the last step ran (a key that went nowhere, a step that
// forgot to close it) as cancelled: that test fails, and the run goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <functional>
#include <vector>

#include "ui/dialog.h"
#include "ui/dpi.h"

namespace orlavox::ui {

template <class D>
class Scripted : public D {
 public:
  using D::D;
  std::deque<std::function<void()>> Steps;
  DWORD WatchdogMs = 5000;

  int Run() {
    running_ = this;
    last_ = GetTickCount();
    const int r = this->ShowModal(nullptr);
    running_ = nullptr;
    return r;
  }

 protected:
  void FormActivate() override {
    D::FormActivate();
    if (!started_) SetTimer(this->Handle(), kScriptTimer, 20, &Scripted::Tick);
    started_ = true;
  }

 private:
  static constexpr UINT_PTR kScriptTimer = 0x5C41;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Scripted* d = running_;
    if (!d) return;
    if (!d->Steps.empty()) {
      auto step = std::move(d->Steps.front());
      d->Steps.pop_front();
      step();
      d->last_ = GetTickCount();
      return;
    }
    if (GetTickCount() - d->last_ < d->WatchdogMs) return;
    running_ = nullptr;
    ADD_FAILURE() << "the dialog \"" << d->Layout().Caption << "\" is still open " << d->WatchdogMs
                  << " ms after its script ended";
    // A message box the script left open runs its own loop over the dialog's: close it first.
    EnumThreadWindows(GetCurrentThreadId(), &CloseOther, reinterpret_cast<LPARAM>(d->Handle()));
    d->CloseWith(kResultCancel);
  }
  static BOOL CALLBACK CloseOther(HWND w, LPARAM dialog) {
    if (w != reinterpret_cast<HWND>(dialog) && IsWindowVisible(w) && IsWindowEnabled(w))
      PostMessageA(w, WM_CLOSE, 0, 0);
    return TRUE;
  }

  static inline Scripted* running_ = nullptr;
  DWORD last_ = 0;
  bool started_ = false;
};

// A top-level window moved onto a monitor of `dpi`, as Windows tells it: asked
// for its size there (WM_GETDPISCALEDSIZE), then given the window of that
// size at its place (WM_DPICHANGED). Returns the size it answered.
inline SIZE ChangeScale(HWND window, int dpi) {
  RECT r;
  GetWindowRect(window, &r);
  SIZE size{r.right - r.left, r.bottom - r.top};
  EXPECT_TRUE(SendMessageA(window, WM_GETDPISCALEDSIZE, WPARAM(dpi), reinterpret_cast<LPARAM>(&size)))
      << "no size of its own at " << dpi;
  RECT suggested{r.left, r.top, r.left + size.cx, r.top + size.cy};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  return size;
}

// Every child window's rectangle in its parent's client area, in the order
// of the window tree; labels (which may be as large as their text) marked.
struct ChildRect {
  RECT Rect;
  bool Label;
};
inline std::vector<ChildRect> LayoutOf(HWND window) {
  struct Each {
    static BOOL CALLBACK Add(HWND child, LPARAM list) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
      char cls[16] = "";
      GetClassNameA(child, cls, sizeof cls);
      reinterpret_cast<std::vector<ChildRect>*>(list)->push_back({r, lstrcmpiA(cls, "Static") == 0});
      return TRUE;
    }
  };
  std::vector<ChildRect> rects;
  EnumChildWindows(window, &Each::Add, reinterpret_cast<LPARAM>(&rects));
  return rects;
}

// Each rectangle of `scaled` is the one of `base` (at 96) at `dpi` within a
// pixel, and exactly the same back at 96. A label's text does not grow
// exactly with the scale: only its corner is compared.
inline void ExpectLayoutScaled(const std::vector<ChildRect>& base, const std::vector<ChildRect>& scaled, int dpi,
                               const char* window) {
  ASSERT_EQ(base.size(), scaled.size()) << window;
  const int slack = dpi == 96 ? 0 : 96;
  auto close = [&](LONG was, LONG now) { return std::abs(now * 96 - was * dpi) <= slack; };
  for (size_t i = 0; i < base.size(); ++i) {
    const RECT& b = base[i].Rect;
    const RECT& s = scaled[i].Rect;
    const bool sized = base[i].Label && dpi != 96 ? true : close(b.right, s.right) && close(b.bottom, s.bottom);
    EXPECT_TRUE(close(b.left, s.left) && close(b.top, s.top) && sized)
        << window << ", window " << i << " at " << dpi << ": {" << b.left << "," << b.top << "," << b.right << ","
        << b.bottom << "} became {" << s.left << "," << s.top << "," << s.right << "," << s.bottom << "}";
  }
}

// The whole window for a client of `width` x `height` at `dpi`, as Windows frames it.
inline SIZE FramedAt(HWND window, int width, int height, int dpi) {
  using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto adjust = reinterpret_cast<ForDpi>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
  RECT r{0, 0, width, height};
  const DWORD style = DWORD(GetWindowLongA(window, GWL_STYLE)), ex = DWORD(GetWindowLongA(window, GWL_EXSTYLE));
  if (!adjust || !adjust(&r, style, FALSE, ex, UINT(dpi))) AdjustWindowRectEx(&r, style, FALSE, ex);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace orlavox::ui
