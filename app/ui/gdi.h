#pragma once
// Owners of GDI objects and device contexts: each releases what it holds.
#include <windows.h>

namespace orlavox::ui {

template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H h) : h_(h) {}
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& o) noexcept : h_(o.Release()) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    Reset(o.Release());
    return *this;
  }
  ~GdiObject() { Reset(); }
  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  H Release() {
    H h = h_;
    h_ = nullptr;
    return h;
  }
  void Reset(H h = nullptr) {
    if (h_) DeleteObject(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;

// GetDC / ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND w) : w_(w), dc_(GetDC(w)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(w_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND w_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND w) : w_(w) { dc_ = BeginPaint(w, &ps_); }
  ~PaintDC() { EndPaint(w_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND w_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selection() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC: clip regions and the like set inside are undone.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDC() {
    if (id_) RestoreDC(dc_, id_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int id_;
};

// A loaded module (a voice plug-in, the help control); FreeLibrary on release.
class Module {
 public:
  Module() = default;
  explicit Module(HMODULE h) : h_(h) {}
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
  Module(Module&& o) noexcept : h_(o.Release()) {}
  Module& operator=(Module&& o) noexcept {
    Reset(o.Release());
    return *this;
  }
  ~Module() { Reset(); }
  HMODULE Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  HMODULE Release() {
    HMODULE h = h_;
    h_ = nullptr;
    return h;
  }
  void Reset(HMODULE h = nullptr) {
    if (h_) FreeLibrary(h_);
    h_ = h;
  }

 private:
  HMODULE h_ = nullptr;
};

}  // namespace orlavox::ui
