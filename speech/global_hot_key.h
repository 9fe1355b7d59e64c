#pragma once
// A system-wide hot key: a hidden message window receives WM_HOTKEY and calls
// OnKeyDown. The hot key's identifier is a global atom of its own.
#include <windows.h>

#include <functional>

#include "ui/window.h"

namespace orlavox {

class GlobalHotKey : public ui::Window {
 public:
  // Short-cut encoding of the menus: key code plus 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
  static constexpr unsigned kShift = 0x2000, kCtrl = 0x4000, kAlt = 0x8000;

  GlobalHotKey();
  ~GlobalHotKey() override;

  void SetHotKey(unsigned shortCut);
  unsigned HotKey() const { return hotKey_; }
  void SetActive(bool active);
  bool Active() const { return active_; }
  ATOM Id() const { return atom_; }

  std::function<void(unsigned key, unsigned shift)> OnKeyDown;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Register();
  void Unregister();
  ATOM atom_ = 0;
  unsigned hotKey_ = 0;
  bool active_ = true;
};

}  // namespace orlavox
