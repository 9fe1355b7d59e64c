#include "ui/dialog.h"

#include "ui/scale.h"
#include "win/wide_text.h"

// The painting of the dialog layer: group boxes and panels, and the owner-drawn
// buttons (BitBtns) with their glyphs.

namespace orlavox::ui {
namespace {

ButtonGlyphs& Glyphs() {
  static ButtonGlyphs glyphs;
  return glyphs;
}

}  // namespace

void SetButtonGlyphs(ButtonGlyphs glyphs) { Glyphs() = std::move(glyphs); }

// --- Containers

ControlContainer::ControlContainer(HWND dialog, const ControlRow& row, HFONT font, HBRUSH ground)
    : dialog_(dialog), row_(row), font_(font), ground_(ground) {}

bool ControlContainer::Create(HWND parent, PixelRect p, int dpi) {
  dpi_ = dpi;
  return Window::Create(WindowClass{"OrlavoxContainer", 0, nullptr}, row_.Caption.c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, p.Left, p.Top, p.Width,
                        p.Height, parent);
}

void ControlContainer::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd_, &r);
  FillRect(dc, &r, ground_ ? ground_ : GetSysColorBrush(COLOR_BTNFACE));
  if (row_.Kind == ControlKind::Panel) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    return;
  }
  SelectGuard sel(dc, font_);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  RECT frame = r;
  frame.top = tm.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (row_.Caption.empty()) return;
  const int inset = Scaled(8, dpi_);
  RECT text{inset, 0, r.right - inset, tm.tmHeight};
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  const std::wstring caption = Wide(row_.Caption);
  DrawTextW(dc, caption.c_str(), int(caption.size()), &text, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

LRESULT ControlContainer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_VSCROLL:
    case WM_HSCROLL:
      // What the children report belongs to the dialog.
      return SendMessageA(dialog_, msg, wp, lp);
    case WM_ERASEBKGND:
      return 1;
    case WM_GETFONT:  // the caption's font, to measure it by
      return reinterpret_cast<LRESULT>(font_);
    case WM_PAINT: {
      PaintDc pdc(hwnd_);
      Paint(pdc.Get());
      return 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

void Dialog::DrawBitBtn(const DRAWITEMSTRUCT& d) {
  Item* it = FindByHwnd(d.hwndItem);
  if (!it) return;
  const ControlRow& s = *it->Row;
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  const bool pressed = (d.itemState & ODS_SELECTED) != 0;
  const bool enabled = (d.itemState & ODS_DISABLED) == 0;
  const bool focused = (d.itemState & ODS_FOCUS) != 0;
  const bool isDefault = d.hwndItem == DefaultButton() && enabled;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (isDefault) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  if (pressed) FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));

  const ButtonGlyphs& glyphs = Glyphs();
  const bool hasGlyph = glyphs.Paint && (s.Role == ButtonRole::Ok || s.Role == ButtonRole::Cancel ||
                                         s.Role == ButtonRole::Help || s.GlyphId != kNoGlyph);
  SelectGuard sel(dc, FontFor(s));
  RECT textRect{0, 0, 0, 0};
  const std::wstring caption = Wide(s.Caption);
  const int length = int(caption.size());
  if (!s.Caption.empty()) DrawTextW(dc, caption.c_str(), length, &textRect, DT_CALCRECT | DT_SINGLELINE);
  const int gap = hasGlyph && !s.Caption.empty() ? Scaled(4, dpi_) : 0;
  const int glyphSize = Scaled(glyphs.Size, dpi_);
  const int glyphW = hasGlyph ? glyphSize : 0;
  const int contentW = glyphW + gap + textRect.right;
  const int shift = pressed ? 1 : 0;
  int x = (d.rcItem.left + d.rcItem.right - contentW) / 2 + shift;
  const int midY = (d.rcItem.top + d.rcItem.bottom) / 2 + shift;
  if (hasGlyph) {
    glyphs.Paint(dc, s.Role, s.GlyphId, enabled, x, midY - glyphSize / 2, glyphSize);
    x += glyphW + gap;
  }
  if (!s.Caption.empty()) {
    RECT t{x, midY - textRect.bottom / 2, x + textRect.right, midY - textRect.bottom / 2 + textRect.bottom};
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextW(dc, caption.c_str(), length, &t, DT_SINGLELINE);
    } else {
      // Embossed, as disabled buttons show their captions.
      OffsetRect(&t, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextW(dc, caption.c_str(), length, &t, DT_SINGLELINE);
      OffsetRect(&t, -1, -1);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
      DrawTextW(dc, caption.c_str(), length, &t, DT_SINGLELINE);
    }
  }
  if (focused) {
    RECT f = d.rcItem;
    InflateRect(&f, -Scaled(4, dpi_), -Scaled(4, dpi_));
    DrawFocusRect(dc, &f);
  }
}

}  // namespace orlavox::ui
