#pragma once
// The window wrapper every window of the program derives from: the class is
// registered once, `this` is bound to the native window on WM_NCCREATE, and
// the window procedure forwards each message to the derived class, which
// calls its handlers (Timer1Timer, FormKeyDown, ...). Exceptions stop here.
// Windows are Unicode windows: captions are UTF-8 here and UTF-16 for Windows.
#include <windows.h>

#include <string>

namespace orlavox::ui {

struct WindowClass {
  const char* Name;
  UINT Style = 0;
  HBRUSH Background = nullptr;  // nullptr: the window paints its own ground
  HICON Icon = nullptr;
  HCURSOR Cursor = nullptr;     // nullptr: the arrow
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  bool Create(const WindowClass& cls, const char* caption, DWORD style, DWORD exStyle, int x, int y, int width,
              int height, HWND parent, HMENU menuOrId = nullptr);
  void Destroy();

 protected:
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }
  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// The module the program runs from (the exe, or the test exe).
HINSTANCE Instance();

// Sets a window's text (a caption, a control's text) from UTF-8.
void SetWindowCaption(HWND window, const std::string& text);

}  // namespace orlavox::ui
