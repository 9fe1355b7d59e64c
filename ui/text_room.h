#pragma once
// How wide a control must be for its text: measured on the control's own font
// (WM_GETFONT) at its window's scale. A check box or radio button needs room
// for its box and the gap after it too, a push button for its edges, a button
// with a glyph for the glyph, a group box for the insets of its caption, a
// combo box for its widest item and its arrow; a label that wraps its words
// needs the least width at which they fit the lines its height holds.
#include <windows.h>

#include <string>

namespace orlavox::ui {

// The client width `control` needs at `dpi`, or 0 when it shows no text of
// its own (edits, up-downs, pictures, panels, rich text, empty captions, a
// button marked with kGlyphOnlyProp).
int TextWidthNeeded(HWND control, int dpi);

// The window property of a button that shows only its glyph: its text names
// it for screen readers and is never drawn.
inline constexpr wchar_t kGlyphOnlyProp[] = L"OrlavoxGlyphOnly";

// How far `text` reaches, drawn on the font selected in `dc` as the controls
// draw it: on one line (its advance or its ink, the further, and the line's
// height), or with its words wrapped at `wrapAt` (> 0; down to its lowest ink).
// `align`: DT_CENTER for a centred text.
SIZE DrawnTextSize(HDC dc, const std::wstring& text, int wrapAt = 0, UINT align = 0);

}  // namespace orlavox::ui
