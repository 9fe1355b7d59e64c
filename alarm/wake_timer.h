#pragma once
// A waitable timer that resumes the computer from sleep at the next ring of
// the alarm. Nobody waits on it: its one purpose is the wake-up, after which
// the clock's own tick finds the alarm minute (or rings late).
#include <windows.h>

#include <cstdint>

#include "win/unique_handle.h"

namespace orlavox {

// Whether the computer sleeps in modern standby (S0 low-power idle): there the
// wake timers of desktop programs do not apply and the program is paused
// until the screen comes on. False when Windows cannot tell.
bool SleepsInModernStandby();

class WakeTimer {
 public:
  // Sets the timer to the local time `local` with the resume flag; false
  // when the timer could not be created or set.
  bool ArmAt(const SYSTEMTIME& local);
  void Cancel();
  bool Armed() const { return armed_; }
  // What the last ArmAt passed to SetWaitableTimer: the due time (UTC, in
  // 100 ns since 1601) and the resume flag.
  int64_t DueTime() const { return due_; }
  bool Resume() const { return resume_; }
  HANDLE Handle() const { return timer_.Get(); }

 private:
  struct CloseHandleFree {
    void operator()(HANDLE h) const { CloseHandle(h); }
  };
  UniqueHandle<HANDLE, CloseHandleFree> timer_;
  bool armed_ = false;
  int64_t due_ = 0;
  bool resume_ = false;
};

}  // namespace orlavox
