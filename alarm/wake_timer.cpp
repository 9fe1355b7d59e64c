#include "alarm/wake_timer.h"

#include <cstddef>
#include <string>

#include "win/system_library.h"
#include "win/test_events.h"

namespace orlavox {

bool SleepsInModernStandby() {
  HMODULE powrprof = LoadSystemLibrary(L"powrprof.dll");
  if (!powrprof) return false;
  using Query = BOOLEAN(WINAPI*)(SYSTEM_POWER_CAPABILITIES*);
  const Query query = reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(powrprof, "GetPwrCapabilities")));
  SYSTEM_POWER_CAPABILITIES caps{};
  // Windows' headers name the three bytes after FastSystemS4 Hiberboot,
  // WakeAlarmPresent and AoAc (at 0x14); MinGW's still call them spare2.
  static_assert(offsetof(SYSTEM_POWER_CAPABILITIES, spare2) + 2 == 0x14, "AoAc lies at 0x14");
  const bool modern = query && query(&caps) && caps.spare2[2];
  FreeLibrary(powrprof);
  return modern;
}

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
