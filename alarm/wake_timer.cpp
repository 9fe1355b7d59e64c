#include "alarm/wake_timer.h"

#include <string>

#include "win/test_events.h"

namespace orlavox {

bool WakeTimer::ArmAt(const SYSTEMTIME& local) {
  if (!timer_) timer_.Reset(CreateWaitableTimerA(nullptr, TRUE, nullptr));
  if (!timer_) return false;
  // The zone's rule for that day, not today's bias: a ring after the change
  // of summer time wakes at its own hour.
  SYSTEMTIME utc{};
  FILETIME file{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, const_cast<SYSTEMTIME*>(&local), &utc) ||
      !SystemTimeToFileTime(&utc, &file))
    return false;
  LARGE_INTEGER due;
  due.LowPart = file.dwLowDateTime;
  due.HighPart = LONG(file.dwHighDateTime);  // positive: an absolute time
  due_ = due.QuadPart;
  resume_ = true;
  armed_ = SetWaitableTimer(timer_.Get(), &due, 0, nullptr, nullptr, resume_) != FALSE;
  if (armed_) RecordTestEvent("wake", std::to_string(due.QuadPart) + (resume_ ? " resume" : ""));
  return armed_;
}

void WakeTimer::Cancel() {
  if (timer_ && armed_) CancelWaitableTimer(timer_.Get());
  armed_ = false;
}

}  // namespace orlavox
