#pragma once
// What a window tells screen readers. Windows describes every window by a
// standard accessible object (its caption as the name, its role, its place);
// for a window that draws its own content, the content itself is missing.
// AccessibleValue wraps the standard object and gives it a value supplied by
// the window, for its WM_GETOBJECT.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace orlavox::ui {

// Owned by the window: the objects it hands out may outlive it (a screen
// reader keeps them as long as it likes); once the window is gone they answer
// every call with CO_E_OBJNOTCONNECTED and reach nothing of the window.
class AccessibleValue {
 public:
  explicit AccessibleValue(std::function<std::string()> value);
  ~AccessibleValue();
  AccessibleValue(const AccessibleValue&) = delete;
  AccessibleValue& operator=(const AccessibleValue&) = delete;

  // For WM_GETOBJECT: the window's client object, whose value (for the window
  // itself, not its children) is what `value` returns at the time it is asked.
  // Returns 0 for other objects, which Windows then answers itself.
  LRESULT Answer(HWND hwnd, WPARAM wp, LPARAM lp);
  // When the window goes: every object handed out is disconnected.
  void Disconnect();

  struct Link {
    std::function<std::string()> Value;
    bool Connected = true;
  };

 private:
  std::shared_ptr<Link> link_;
};

}  // namespace orlavox::ui
