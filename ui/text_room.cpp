#include "ui/text_room.h"

#include <string>

#include "ui/dpi.h"
#include "ui/scale.h"

namespace orlavox::ui {
namespace {

std::wstring TextOf(HWND w) {
  std::wstring text(size_t(GetWindowTextLengthW(w)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(w, text.data(), int(text.size()))));
  return text;
}

// Ink a scalable face draws past the text's advance, at its last letter's
// edge (a ")" or an "a"), and under its last line's descent: the control
// clips both. A bitmap face draws inside its cells.
int Spill(HDC dc) {
  TEXTMETRICW tm{};
  return GetTextMetricsW(dc, &tm) && (tm.tmPitchAndFamily & TMPF_TRUETYPE) ? 1 : 0;
}

// The least width at which a wrapping label's words fit in `height` (on a
// bitmap face a pixel under the last line's descent may go: it is blank).
int WrappedWidth(HDC dc, const std::wstring& text, int width, int height) {
  const int spill = Spill(dc);
  const SIZE line = DrawnTextSize(dc, text);
  if (line.cx <= width) return line.cx;
  auto fits = [&](int w) {
    const SIZE s = DrawnTextSize(dc, text, w);
    return s.cx + spill <= w && s.cy + spill <= height + 1;
  };
  if (2 * height < 3 * line.cy || !fits(line.cx)) return line.cx;  // one line, or no width helps
  int lo = width, hi = line.cx;  // fits(hi)
  if (fits(lo)) return lo;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    (fits(mid) ? hi : lo) = mid;
  }
  return hi;
}

}  // namespace

SIZE DrawnTextSize(HDC dc, const std::wstring& text, int wrapAt) {
  RECT r{0, 0, wrapAt, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &r,
            DT_CALCRECT | DT_EXPANDTABS | (wrapAt > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{r.right + (wrapAt > 0 ? 0 : Spill(dc)), r.bottom};
}

int TextWidthNeeded(HWND control, int dpi) {
  char cls[32] = "";
  GetClassNameA(control, cls, sizeof cls);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const bool stat = lstrcmpiA(cls, "Static") == 0, button = lstrcmpiA(cls, "Button") == 0;
  const bool combo = lstrcmpiA(cls, "ComboBox") == 0, box = lstrcmpiA(cls, "OrlavoxContainer") == 0;
  if (!(stat || button || combo || box)) return 0;
  const LONG type = style & SS_TYPEMASK;
  if (stat && type > SS_RIGHT && type != SS_LEFTNOWORDWRAP) return 0;  // pictures, frames
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  int need = 0;
  if (combo) {
    const int n = int(SendMessageW(control, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      std::wstring item(size_t(SendMessageW(control, CB_GETLBTEXTLEN, WPARAM(i), 0)) + 1, L'\0');
      item.resize(size_t(SendMessageW(control, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(item.data()))));
      const int w = DrawnTextSize(dc, item).cx;
      if (w > need) need = w;
    }
    if (need > 0) need += MetricForDpi(SM_CXVSCROLL, dpi) + Scaled(8, dpi);
  } else if (const std::wstring text = TextOf(control); !text.empty()) {
    const int width = DrawnTextSize(dc, text).cx;
    const LONG kind = style & BS_TYPEMASK;
    if (stat) {
      RECT room;
      GetClientRect(control, &room);
      need = type == SS_LEFTNOWORDWRAP ? width : WrappedWidth(dc, text, room.right, room.bottom);
    } else if (box) {
      need = width + 2 * Scaled(8, dpi);
    } else if (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON) {
      need = width + 2 * Scaled(4, dpi);
    } else if (kind == BS_OWNERDRAW) {
      need = width + Scaled(16 + 4 + 2 * 5, dpi);  // its glyph, the gap and the focus frame's insets
    } else if (kind == BS_GROUPBOX) {
      need = width + 2 * Scaled(8, dpi);
    } else {
      need = width + MetricForDpi(SM_CXMENUCHECK, dpi) + Scaled(4, dpi);  // the box and the gap after it
    }
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return need;
}

}  // namespace orlavox::ui
