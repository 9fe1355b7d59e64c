#include "speech/global_hot_key.h"

#include <cstdio>

namespace orlavox {

GlobalHotKey::GlobalHotKey() {
  char name[32];
  std::snprintf(name, sizeof name, "%lu", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(this)));
  atom_ = GlobalAddAtomA(name);
  Create(ui::WindowClass{"OrlavoxHotKeyWindow"}, "", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

GlobalHotKey::~GlobalHotKey() {
  Unregister();
  if (atom_) GlobalDeleteAtom(atom_);
  Destroy();
}

void GlobalHotKey::Register() {
  if (!hotKey_ || !hwnd_) return;
  UINT mods = 0;
  if (hotKey_ & kCtrl) mods |= MOD_CONTROL;
  if (hotKey_ & kAlt) mods |= MOD_ALT;
  if (hotKey_ & kShift) mods |= MOD_SHIFT;
  // Another program may hold the key already: then it simply does not work here.
  RegisterHotKey(hwnd_, atom_, mods, hotKey_ & 0xFF);
}

void GlobalHotKey::Unregister() {
  if (hotKey_ && hwnd_) UnregisterHotKey(hwnd_, atom_);
}

void GlobalHotKey::SetHotKey(unsigned shortCut) {
  if (active_) Unregister();
  hotKey_ = shortCut;
  if (active_) Register();
}

void GlobalHotKey::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active)
    Register();
  else
    Unregister();
}

LRESULT GlobalHotKey::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HOTKEY) {
    if (OnKeyDown) OnKeyDown(hotKey_ & 0xFF, hotKey_ & ~0xFFu);
    return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace orlavox
