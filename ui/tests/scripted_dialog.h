#pragma once
// A dialog of the tests driven by a script: its steps run one by one from a
// timer while it is open, as a user pressing keys would, each after the
// previous one has been handled. A watchdog ends a dialog still open
// WatchdogMs after the last step ran (a key that went nowhere, a step that
// forgot to close it) as cancelled: that test fails, and the run goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/dpi.h"
#include "ui/text_room.h"
#include "win/wide_text.h"

namespace orlavox::ui {

template <class D>
class Scripted : public D {
 public:
  using D::D;
  std::deque<std::function<void()>> Steps;
  DWORD WatchdogMs = 5000;
  // The client's width the form was drawn with, at 96 DPI.
  int FormWidth() const { return this->Layout().ClientWidth; }

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

// Windows moving a top-level window onto a monitor of `dpi`: asks its size
// there, then gives it a window of that size at its place. Returns the size.
inline SIZE ChangeScale(HWND window, int dpi) {
  RECT r;
  GetWindowRect(window, &r);
  SIZE size{r.right - r.left, r.bottom - r.top};
  EXPECT_TRUE(SendMessageA(window, WM_GETDPISCALEDSIZE, WPARAM(dpi), reinterpret_cast<LPARAM>(&size))) << dpi;
  RECT suggested{r.left, r.top, r.left + size.cx, r.top + size.cy};
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  return size;
}

// Every child window's rectangle in its parent, and whether it is sized by its text (a label, a list's header).
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
      // A list view's header is as high as its text, and as wide as the list's inside.
      const bool textSized = lstrcmpiA(cls, "Static") == 0 || lstrcmpiA(cls, "SysHeader32") == 0;
      reinterpret_cast<std::vector<ChildRect>*>(list)->push_back({r, textSized});
      return TRUE;
    }
  };
  std::vector<ChildRect> rects;
  EnumChildWindows(window, &Each::Add, reinterpret_cast<LPARAM>(&rects));
  return rects;
}

// Each rectangle of `scaled` is that of `base` (at 96) at `dpi` within a
// pixel; back at 96, exactly. A label may be as large as its text, which
// does not grow exactly with the scale: its corner alone is compared.
inline void ExpectLayoutScaled(const std::vector<ChildRect>& base, const std::vector<ChildRect>& scaled, int dpi,
                               const char* window) {
  ASSERT_EQ(base.size(), scaled.size()) << window;
  auto close = [&](LONG was, LONG now) { return std::abs(now * 96 - was * dpi) <= (dpi == 96 ? 0 : 96); };
  for (size_t i = 0; i < base.size(); ++i) {
    const RECT &b = base[i].Rect, &s = scaled[i].Rect;
    const bool sized = (base[i].Label && dpi != 96) || (close(b.right, s.right) && close(b.bottom, s.bottom));
    EXPECT_TRUE(close(b.left, s.left) && close(b.top, s.top) && sized)
        << window << ", window " << i << " at " << dpi << ": {" << b.left << "," << b.top << "," << b.right << ","
        << b.bottom << "} became {" << s.left << "," << s.top << "," << s.right << "," << s.bottom << "}";
  }
}

// How many pixels of its text `control` (a button or label Windows draws)
// shows when its client is `w` x `h`: those that differ when drawn with the
// text and without it. Its size and text are given back.
inline int TextInk(HWND control, int w, int h) {
  RECT was;
  GetWindowRect(control, &was);
  const int len = GetWindowTextLengthW(control);
  std::wstring text(size_t(len) + 1, L'\0');
  GetWindowTextW(control, text.data(), len + 1);
  const UINT keep = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
  SetWindowPos(control, nullptr, 0, 0, w, h, keep);
  std::vector<uint32_t> drawn[2];
  for (int k = 0; k < 2; ++k) {
    SetWindowTextW(control, k ? L" " : text.c_str());  // a line of no ink
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageW(control, WM_MOUSELEAVE, 0, 0);  // not lit up by the pointer either
    SendMessageW(control, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    GdiFlush();
    drawn[k].assign(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + size_t(w) * size_t(h));
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  SetWindowTextW(control, text.c_str());
  SetWindowPos(control, nullptr, 0, 0, was.right - was.left, was.bottom - was.top, keep);
  int ink = 0;
  for (size_t i = 0; i < drawn[0].size(); ++i) ink += drawn[0][i] != drawn[1][i];
  return ink;
}

// The first text of `window` (a dialog) that does not fit its control at
// `dpi`, or that overlaps a text of its row: "Button \"&Cancel\": 12 pixels
// missing". A text Windows draws (a button's, a check box's, a label's) must
// show every pixel it shows on a control twice as wide and four times as
// high, its focus cue hidden; the dialog's own (glyph buttons, group boxes,
// combo boxes) are measured on their fonts. Empty when every text fits.
inline std::string FirstMisfit(HWND window, int dpi) {
  struct Control {
    HWND Hwnd;
    RECT Rect;  // in its parent
    int Need;
    int Lost = 0, Ink = 0;  // pixels of its text Windows leaves out, and shows in all
  };
  std::vector<Control> controls;
  struct Each {
    static BOOL CALLBACK Add(HWND c, LPARAM list) {
      RECT r;
      GetWindowRect(c, &r);
      MapWindowPoints(nullptr, GetParent(c), reinterpret_cast<POINT*>(&r), 2);
      reinterpret_cast<std::vector<Control>*>(list)->push_back({c, r, 0});
      return TRUE;
    }
  };
  EnumChildWindows(window, &Each::Add, reinterpret_cast<LPARAM>(&controls));
  SetFocus(window);  // no focus cue on the texts
  for (Control& c : controls) {
    c.Need = TextWidthNeeded(c.Hwnd, dpi);
    char cls[32] = "";
    GetClassNameA(c.Hwnd, cls, sizeof cls);
    const LONG style = GetWindowLongA(c.Hwnd, GWL_STYLE);
    if (!c.Need || (lstrcmpiA(cls, "Static") && lstrcmpiA(cls, "Button")) ||
        (style & BS_TYPEMASK) == BS_OWNERDRAW)
      continue;
    RECT room;
    GetClientRect(c.Hwnd, &room);
    c.Ink = TextInk(c.Hwnd, 2 * room.right + 200, 4 * room.bottom);
    c.Lost = c.Ink - TextInk(c.Hwnd, room.right, room.bottom);
    c.Need = 1;  // checked by its pixels
  }
  auto name = [](HWND c) {
    char cls[32] = "";
    GetClassNameA(c, cls, sizeof cls);
    wchar_t text[256] = L"";
    GetWindowTextW(c, text, 256);
    return std::string(cls) + " \"" + Utf8(text) + "\"";
  };
  for (const Control& c : controls) {
    RECT room;
    GetClientRect(c.Hwnd, &room);
    if (c.Lost)
      return name(c.Hwnd) + ": " + std::to_string(c.Lost) + " of its text's " + std::to_string(c.Ink) +
             " pixels not drawn";
    if (c.Need > room.right) return name(c.Hwnd) + ": " + std::to_string(c.Need - room.right) + " pixels missing";
    for (const Control& o : controls) {
      const RECT &a = c.Rect, &b = o.Rect;
      const LONG across = std::min(a.right, b.right) - std::max(a.left, b.left);
      const LONG down = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
      // Two texts of one row that share more than half a line.
      if (&o != &c && c.Need && o.Need && GetParent(o.Hwnd) == GetParent(c.Hwnd) && across > 0 &&
          2 * down > std::min(a.bottom - a.top, b.bottom - b.top))
        return name(c.Hwnd) + " overlaps " + name(o.Hwnd) + " by " + std::to_string(across) + " pixels";
    }
  }
  return {};
}

}  // namespace orlavox::ui
