#pragma once
// Owners of GDI and user objects: each frees its handle when it goes out of
// scope, so no path through a drawing routine leaks one.
#include <windows.h>

#include "win/unique_handle.h"

namespace orlavox {

struct DeleteGdiObject {
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DeleteDcFree {
  void operator()(HDC h) const { DeleteDC(h); }
};
struct DestroyIconFree {
  void operator()(HICON h) const { DestroyIcon(h); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconFree>;

// A memory DC compatible with `like` (the screen when null).
class MemoryDc : public UniqueHandle<HDC, DeleteDcFree> {
 public:
  explicit MemoryDc(HDC like = nullptr) : UniqueHandle(CreateCompatibleDC(like)) {}
};

// The screen's DC, for as long as the object lives.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  bool Ok() const { return old_ && old_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Saves a DC's state (clipping, selected objects) and restores it.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() {
    if (id_) RestoreDC(dc_, id_);
  }
  bool Ok() const { return id_ != 0; }

 private:
  HDC dc_;
  int id_;
};

// GetDC / ReleaseDC of a window.
class WindowDc {
 public:
  explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(w_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND w_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND w) : w_(w), dc_(BeginPaint(w, &ps_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { EndPaint(w_, &ps_); }
  HDC Get() const { return dc_; }

 private:
  HWND w_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// The header of a top-down DIB of the given depth, without a palette.
BITMAPINFO TopDownDibInfo(int width, int height, int bitsPerPixel);
// A top-down DIB section of that kind, its pixels zero; `bits` gets them.
UniqueBitmap CreateTopDownDib(int width, int height, int bitsPerPixel, void** bits);
// A top-down 32-bit DIB section: pixels readable as 0x00RRGGBB words.
UniqueBitmap CreateDib32(int width, int height, void** bits);

}  // namespace orlavox
