#pragma once
// A speed button: a small, never-focused button showing a glyph (or a short
// caption), with a hint shown when the mouse rests on it. Flat buttons show
// no border until the mouse is over them and let the parent's picture show
// through; raised ones always show their border.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/gdi.h"
#include "ui/window.h"

namespace orlavox::ui {

class SpeedButton : public Window {
 public:
  enum class GlyphPlace { Centre, Bottom };

  bool Create(HWND parent, int x, int y, int width, int height, const std::string& hint);
  // The glyph is drawn by `paint` (a size x size picture at x, y, in its
  // enabled or disabled look), centred or at the bottom edge.
  using GlyphPainter = std::function<void(HDC dc, int x, int y, bool enabled)>;
  void SetGlyph(GlyphPainter paint, int size, GlyphPlace place = GlyphPlace::Centre);
  void SetGlyphSize(int size) { glyphSize_ = size; InvalidateRect(hwnd_, nullptr, FALSE); }
  void SetCaption(const std::string& caption, HFONT font);
  // A new hint: the tooltip's text and the button's name for screen readers.
  void SetHint(const std::string& hint);
  void SetFlat(bool flat);
  bool Flat() const { return flat_; }
  void Move(int x, int y, int width, int height);
  void SetVisible(bool visible);

  std::function<void()> OnClick;
  // Paints what lies beneath the button (in the button's own coordinates),
  // for flat buttons.
  std::function<void(HDC, const RECT&)> PaintBackground;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void MakeTip(WPARAM wp, LPARAM lp);  // at the first move over the button
  void Tip(UINT message);              // adds the tool, or gives it the hint again
  void Paint(HDC dc);
  HWND tooltip_ = nullptr;
  std::string hint_;
  std::string caption_;
  HFONT font_ = nullptr;
  GlyphPainter glyph_;
  int glyphSize_ = 0;
  GlyphPlace place_ = GlyphPlace::Centre;
  bool flat_ = false, hot_ = false, pressed_ = false;
};

}  // namespace orlavox::ui
