#include "shell/sys_tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "shell/tray_hint.h"
#include "win/wide_text.h"

namespace orlavox {

SysTrayIcon::~SysTrayIcon() {
  if (added_) Notify(NIM_DELETE);
  Destroy();
  if (icon_) DestroyIcon(icon_);
}

bool SysTrayIcon::Show(UINT id) {
  id_ = id;
  // Explorer announces a restart to every top-level window with this message.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  if (!hwnd_ && !Create(ui::WindowClass{"OrlavoxTrayWindow"}, "", WS_POPUP, 0, 0, 0, 0, 0, nullptr)) return false;
  added_ = Notify(NIM_ADD);
  NOTIFYICONDATAW nid{};
  nid.cbSize = kRecordSize;
  nid.hWnd = hwnd_;
  nid.uID = id_;
  nid.uVersion = 0;  // classic notifications
  Shell_NotifyIconW(NIM_SETVERSION, &nid);
  return added_;
}

bool SysTrayIcon::Notify(DWORD message, UINT what) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = kRecordSize;
  nid.hWnd = hwnd_;
  nid.uID = id_;
  nid.uFlags = what;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = icon_;
  // Whole characters, never more UTF-16 units than bytes.
  const std::wstring tip = Wide(CutTrayTip(hint_));
  std::memcpy(nid.szTip, tip.c_str(), (tip.size() + 1) * sizeof(wchar_t));
  return Shell_NotifyIconW(message, &nid) != FALSE;
}

void SysTrayIcon::SetIcon(HICON icon) {
  HICON old = icon_;
  icon_ = icon;
  if (hwnd_ && icon != old) Notify(NIM_MODIFY, NIF_ICON);
  if (old && old != icon) DestroyIcon(old);
}

void SysTrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  // The tooltip alone: a record with the icon costs the shell a copy of the
  // icon every second.
  if (hwnd_) Notify(NIM_MODIFY, NIF_TIP);
}

LRESULT SysTrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kCallbackMessage) {
    switch (LOWORD(lp)) {
      case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick();
        break;
      case WM_RBUTTONDOWN:
        if (OnRightClick) OnRightClick();
        break;
      case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove();
        break;
    }
    return 0;
  }
  if (taskbarCreated_ && msg == taskbarCreated_) {
    added_ = Notify(NIM_ADD);
    return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace orlavox
