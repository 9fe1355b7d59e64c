#include "ui/window.h"

#include "win/wide_text.h"

namespace orlavox::ui {

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

void SetWindowCaption(HWND window, const std::string& text) {
  // The same text again would still go to the window system, and a frame's
  // caption be drawn again.
  const std::wstring wide = Wide(text);
  if (GetWindowTextLengthW(window) == int(wide.size())) {
    std::wstring shown(wide.size() + 1, L'\0');
    shown.resize(size_t(GetWindowTextW(window, shown.data(), int(shown.size()))));
    if (shown == wide) return;
  }
  SetWindowTextW(window, wide.c_str());
}

Window::~Window() { Destroy(); }

void Window::Destroy() {
  if (hwnd_) {
    HWND h = hwnd_;
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(h);
  }
}

bool Window::Create(const WindowClass& cls, const char* caption, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId) {
  const std::wstring name = Wide(cls.Name);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExW(Instance(), name.c_str(), &wc)) {
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = cls.Style;
    wc.lpfnWndProc = &Window::Proc;
    wc.hInstance = Instance();
    wc.hIcon = cls.Icon;
    wc.hIconSm = cls.Icon;
    wc.hCursor = cls.Cursor ? cls.Cursor : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = cls.Background;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) return false;
  }
  return CreateWindowExW(exStyle, name.c_str(), caption ? Wide(caption).c_str() : nullptr, style, x, y, width,
                         height, parent, menuOrId, Instance(), this) != nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK Window::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    LRESULT r = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return r;
  } catch (...) {
    // A failing handler must not take the clock down; the message counts as handled.
    return 0;
  }
}

}  // namespace orlavox::ui
