#include "ui/text_room.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
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

// The least width at which a wrapping label's words fit in `height`, every
// pixel drawn inside it.
int WrappedWidth(HDC dc, const std::wstring& text, int width, int height, UINT align) {
  const SIZE line = DrawnTextSize(dc, text, 0, align);
  auto inside = [&](int w, bool tall) {
    const SIZE s = DrawnTextSize(dc, text, w, align);
    return s.cx <= w && (!tall || s.cy <= height);
  };
  // On one line: a centred line's ink may reach past either end.
  int hi = line.cx;
  while (!inside(hi, false) && hi < line.cx + line.cy) ++hi;
  if (hi <= width || 2 * height < 3 * line.cy || !inside(hi, true)) return hi;  // no width helps
  int lo = width;
  if (inside(lo, true)) return lo;
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    (inside(mid, true) ? hi : lo) = mid;
  }
  return hi;
}

}  // namespace

SIZE DrawnTextSize(HDC dc, const std::wstring& text, int wrapAt, UINT align) {
  const UINT flags = align | DT_EXPANDTABS | (wrapAt > 0 ? DT_WORDBREAK : DT_SINGLELINE);
  RECT r{0, 0, wrapAt, 0};
  DrawTextW(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | flags);
  // Drawn black on white, with a line's height of room around it but above.
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const int m = tm.tmHeight, w = std::max(int(r.right), wrapAt) + 2 * m, h = r.bottom + m;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  SIZE reach{r.right, r.bottom};
  if (bitmap && bits) {
    HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
    HGDIOBJ oldFont = SelectObject(mem, GetCurrentObject(dc, OBJ_FONT));
    const auto* px = static_cast<const uint32_t*>(bits);
    std::fill(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + size_t(w) * size_t(h), 0xFFFFFFu);
    SetTextColor(mem, RGB(0, 0, 0));
    SetBkMode(mem, TRANSPARENT);
    RECT at{m, 0, m + (wrapAt > 0 ? wrapAt : r.right), r.bottom};
    DrawTextW(mem, text.c_str(), int(text.size()), &at, flags | DT_NOCLIP);
    GdiFlush();
    int left = w, right = 0, bottom = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((px[size_t(y) * size_t(w) + size_t(x)] & 0xFFFFFFu) != 0xFFFFFFu) {
          left = std::min(left, x);
          right = std::max(right, x + 1);
          bottom = y + 1;
        }
    // A letter's ink past its advance (a scalable face's ")"), either side
    // when centred; a wrapped text's lowest ink, which its cells may pass
    // (a descent) or not reach.
    const int before = std::max(0, m - left), after = std::max(0, right - m - int(r.right));
    if (wrapAt == 0 && (align & DT_CENTER))  // centred on its advance: room for the wider spill both sides
      reach.cx = r.right + 2 * std::max(before, after);
    else
      reach.cx = r.right + after + before;
    if (wrapAt > 0) reach.cy = bottom;
    SelectObject(mem, oldFont);
    SelectObject(mem, oldBitmap);
    DeleteObject(bitmap);
  }
  DeleteDC(mem);
  return reach;
}

int TextWidthNeeded(HWND control, int dpi) {
  char cls[32] = "";
  GetClassNameA(control, cls, sizeof cls);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const bool stat = lstrcmpiA(cls, "Static") == 0, button = lstrcmpiA(cls, "Button") == 0;
  const bool combo = lstrcmpiA(cls, "ComboBox") == 0, box = lstrcmpiA(cls, "OrlavoxContainer") == 0;
  if (!(stat || button || combo || box) || GetPropW(control, kGlyphOnlyProp)) return 0;
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
      need = type == SS_LEFTNOWORDWRAP ? width
                                       : WrappedWidth(dc, text, room.right, room.bottom, type == SS_CENTER ? DT_CENTER : 0);
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
    // A button of the common controls 6 says how wide it draws itself (its
    // box, its gap, its theme's margins), which may be more.
    SIZE ideal{};
    if (button && kind != BS_OWNERDRAW && kind != BS_GROUPBOX &&
        SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) && ideal.cx > need)
      need = ideal.cx;
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return need;
}

}  // namespace orlavox::ui
