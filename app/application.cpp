#include "app/application.h"

#include "app/main_form.h"
#include "resources/resource_ids.h"

namespace orlavox {

bool TApplication::Initialize() {
  // A zero-sized popup with a caption: shown, it is the taskbar button of the
  // program; the main window is owned by it and has no button of its own.
  const ui::WindowClass cls{"OrlavoxApplication", 0, nullptr,
                            LoadIconA(ui::Instance(), MAKEINTRESOURCEA(IDI_PROGRAM)), nullptr};
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
  return Create(cls, title_.c_str(), WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, x, y,
                0, 0, nullptr);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (hwnd_) ui::SetWindowCaption(hwnd_, title);
}

void TApplication::Restore() {
  if (hwnd_ && IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
}

LRESULT TApplication::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (mainForm_) {
    LRESULT result = 0;
    if (mainForm_->HandleApplicationMessage(msg, wp, lp, result)) return result;
  }
  switch (msg) {
    case WM_CLOSE:
      // Closing the taskbar button closes the main window.
      if (mainForm_) mainForm_->Close();
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

bool TApplication::PreviewKey(const MSG& msg) {
  if (!mainForm_ || msg.message != WM_KEYDOWN) return false;
  HWND main = mainForm_->Handle();
  if (!main || (msg.hwnd != main && !IsChild(main, msg.hwnd))) return false;
  return mainForm_->FormKeyDown(UINT(msg.wParam));
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    if (PreviewKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int TApplication::Run() {
  if (showMainForm_ && mainForm_) ShowWindow(mainForm_->Handle(), SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreviewKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}

}  // namespace orlavox
