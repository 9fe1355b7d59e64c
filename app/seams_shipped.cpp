#include "app/clock_source.h"
#include "app/seams.h"

namespace orlavox {

void ReadLocalTime(SYSTEMTIME& st) { GetLocalTime(&st); }

bool HandleTestProbe(TMainForm&, WPARAM, LRESULT&) { return false; }

void SetTestClock(const TestClockSetting&) {}

}  // namespace orlavox
