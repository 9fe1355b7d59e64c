#include "ui/speed_button.h"

#include <commctrl.h>

#include "ui/common_controls.h"
#include "win/wide_text.h"

namespace orlavox::ui {

bool SpeedButton::Create(HWND parent, int x, int y, int width, int height, const std::string& hint) {
  hint_ = hint;
  // The hint is the button's text: screen readers give it as the button's name.
  return Window::Create(WindowClass{"OrlavoxSpeedButton", CS_DBLCLKS}, hint.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                        0, x, y, width, height, parent);
}

// The tooltip comes with the first move of the mouse over the button: a clock
// nobody points at needs no common controls.
void SpeedButton::MakeTip(WPARAM wp, LPARAM lp) {
  if (tooltip_) return;
  UseCommonControls();
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, Instance(),
                             nullptr);
  Tip(TTM_ADDTOOLW);
  if (!tooltip_) return;
  // The tooltip watches the button's messages from the next one on: it is
  // given this move too, so the hint shows after the usual rest.
  const DWORD pos = GetMessagePos();
  MSG move{hwnd_, WM_MOUSEMOVE, wp, lp, DWORD(GetMessageTime()), {short(LOWORD(pos)), short(HIWORD(pos))}};
  SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void SpeedButton::Tip(UINT message) {
  if (!tooltip_) return;
  std::wstring text = Wide(hint_);
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = hwnd_;
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  ti.lpszText = text.data();
  SendMessageW(tooltip_, message, 0, reinterpret_cast<LPARAM>(&ti));
}

void SpeedButton::SetHint(const std::string& hint) {
  hint_ = hint;
  SetWindowCaption(hwnd_, hint);
  Tip(TTM_UPDATETIPTEXTW);
}

void SpeedButton::SetGlyph(GlyphPainter paint, int size, GlyphPlace place) {
  glyph_ = std::move(paint);
  glyphSize_ = size;
  place_ = place;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SpeedButton::SetCaption(const std::string& caption, HFONT font) {
  caption_ = caption;
  font_ = font;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SpeedButton::SetFlat(bool flat) {
  flat_ = flat;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SpeedButton::Move(int x, int y, int width, int height) {
  // The glyph is centred on the new size: nothing of the old picture may be
  // copied along, the whole button is drawn again.
  SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void SpeedButton::SetVisible(bool visible) {
  // Its own flag, whatever its parent shows: asked again, nothing to change.
  const bool shown = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void SpeedButton::Paint(HDC target) {
  RECT r;
  GetClientRect(hwnd_, &r);
  const int w = r.right, h = r.bottom;
  // Composed off screen, shown with one blit: no flicker.
  MemoryDc mem(target);
  UniqueBitmap canvas(CreateCompatibleBitmap(target, w, h));
  SelectGuard sel(mem.Get(), canvas.Get());
  HDC dc = mem.Get();
  const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
  if (flat_ && PaintBackground)
    PaintBackground(dc, r);
  else
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (pressed_ && hot_) {
    RECT e = r;
    DrawEdge(dc, &e, BDR_SUNKENOUTER, BF_RECT);
  } else if (!flat_ || (hot_ && enabled)) {
    RECT e = r;
    DrawEdge(dc, &e, flat_ ? BDR_RAISEDINNER : EDGE_RAISED, BF_RECT);
  }
  const int shift = pressed_ && hot_ ? 1 : 0;
  if (glyph_) {
    const int gx = (w - glyphSize_) / 2 + shift;
    const int gy = (place_ == GlyphPlace::Bottom ? h - glyphSize_ : (h - glyphSize_) / 2) + shift;
    glyph_(dc, gx, gy, enabled);
  }
  if (!caption_.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SelectGuard fs(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    RECT t = r;
    // Low characters such as "_" sit in the font's descent: lift the line.
    OffsetRect(&t, shift, shift - 3);
    DrawTextW(dc, Wide(caption_).c_str(), -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
  BitBlt(target, 0, 0, w, h, dc, 0, 0, SRCCOPY);
}

LRESULT SpeedButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PaintDc pdc(hwnd_);
      Paint(pdc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE:
      MakeTip(wp, lp);
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&tme);
        InvalidateRect(hwnd_, nullptr, FALSE);
      }
      if (pressed_) {
        POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
        RECT r;
        GetClientRect(hwnd_, &r);
        const bool inside = PtInRect(&r, pt) != FALSE;
        if (inside != hot_) {
          hot_ = inside;
          InvalidateRect(hwnd_, nullptr, FALSE);
        }
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      hot_ = true;
      SetCapture(hwnd_);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = pressed_ && hot_;
      pressed_ = false;
      ReleaseCapture();
      InvalidateRect(hwnd_, nullptr, FALSE);
      if (click && IsWindowEnabled(hwnd_) && OnClick) OnClick();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace orlavox::ui
