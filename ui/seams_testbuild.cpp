// The test build's seams of the window layer (and those of the Win32 tests).
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ui/dialog.h"

namespace orlavox {

void ui::UnknownControlBound(const std::string& dialog, const std::string& name) {
  // Ended at once and loudly: a handler bound to nothing would let a dialog
  // write defaults where the user's choices belong.
  const std::string text = "Orlavox test build: the dialog \"" + dialog + "\" binds a handler to \"" + name +
                           "\", a name its table does not hold\n";
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
  OutputDebugStringA(text.c_str());
  std::_Exit(3);
}

bool ui::AnsweredTextExtent(UINT msg, WPARAM wp, LPARAM lp, LRESULT& answer) {
  static const UINT question = RegisterWindowMessageA("Orlavox test: text extent");
  HWND control = reinterpret_cast<HWND>(wp);
  if (msg != question || !IsWindow(control)) return false;
  wchar_t text[1024] = L"";
  const int n = GetWindowTextW(control, text, 1024);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  if (lp > 0) {
    RECT r{0, 0, int(lp), 0};
    DrawTextW(dc, text, n, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    size = {r.right, r.bottom};
  } else {  // on one line; "&" marks the mnemonic and takes no room
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text, n, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    size = {r.right, r.bottom};
  }
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  answer = MAKELRESULT(size.cx, size.cy);
  return true;
}

}  // namespace orlavox
