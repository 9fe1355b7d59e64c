#pragma once
// A dialog of the tests driven by a script: its steps run one by one from a
// timer while it is open, as a user pressing keys would, each after the
// previous one has been handled. A watchdog ends a dialog still open
// WatchdogMs after the last step ran (a key that went nowhere, a step that
// forgot to close it) as cancelled: that test fails, and the run goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "ui/dialog.h"

namespace orlavox::ui {

template <class D>
class Scripted : public D {
 public:
  using D::D;
  std::deque<std::function<void()>> Steps;
  DWORD WatchdogMs = 5000;

  int Run() {
    running_ = this;
    last_ = GetTickCount();
    const int r = this->ShowModal(nullptr);
    running_ = nullptr;
    return r;
  }

 protected:
  void FormActivate() override {
    D::FormActivate();
    if (!started_) SetTimer(this->Handle(), kScriptTimer, 20, &Scripted::Tick);
    started_ = true;
  }

 private:
  static constexpr UINT_PTR kScriptTimer = 0x5C41;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    Scripted* d = running_;
    if (!d) return;
    if (!d->Steps.empty()) {
      auto step = std::move(d->Steps.front());
      d->Steps.pop_front();
      step();
      d->last_ = GetTickCount();
      return;
    }
    if (GetTickCount() - d->last_ < d->WatchdogMs) return;
    running_ = nullptr;
    ADD_FAILURE() << "the dialog \"" << d->Layout().Caption << "\" is still open " << d->WatchdogMs
                  << " ms after its script ended";
    // A message box the script left open runs its own loop over the dialog's: close it first.
    EnumThreadWindows(GetCurrentThreadId(), &CloseOther, reinterpret_cast<LPARAM>(d->Handle()));
    d->CloseWith(kResultCancel);
  }
  static BOOL CALLBACK CloseOther(HWND w, LPARAM dialog) {
    if (w != reinterpret_cast<HWND>(dialog) && IsWindowVisible(w) && IsWindowEnabled(w))
      PostMessageA(w, WM_CLOSE, 0, 0);
    return TRUE;
  }

  static inline Scripted* running_ = nullptr;
  DWORD last_ = 0;
  bool started_ = false;
};

}  // namespace orlavox::ui
