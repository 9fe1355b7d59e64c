#pragma once
// The program's icon in the notification area: added when created, kept up to
// date (icon and tooltip), added again when Explorer restarts, removed when
// destroyed. Mouse events on it arrive as callbacks.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/window.h"

namespace orlavox {

class SysTrayIcon : public ui::Window {
 public:
  static constexpr UINT kCallbackMessage = 2048;
  static constexpr DWORD kRecordSize = 936;  // the classic Unicode record with a 128-character tip

  SysTrayIcon() = default;
  ~SysTrayIcon() override;

  // Creates the hidden window and adds the icon (NIM_ADD, then NIM_SETVERSION 0).
  bool Show(UINT id);
  // Takes ownership of the icon; the previous one is destroyed after the shell has the new one.
  void SetIcon(HICON icon);
  void SetHint(const std::string& hint);
  const std::string& Hint() const { return hint_; }
  HICON Icon() const { return icon_; }

  std::function<void()> OnDblClick;
  std::function<void()> OnRightClick;  // the popup menu
  std::function<void()> OnMouseMove;   // the pointer is on the icon

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // NIM_ADD and NIM_DELETE carry everything; a change carries only what
  // changed (the tooltip, the icon once a minute).
  bool Notify(DWORD message, UINT what = kAllFields);
  static constexpr UINT kAllFields = 0x7;  // NIF_MESSAGE | NIF_ICON | NIF_TIP
  UINT id_ = 0;
  UINT taskbarCreated_ = 0;
  HICON icon_ = nullptr;
  std::string hint_;
  bool added_ = false;
};

}  // namespace orlavox
