#include "app/clock_source.h"
#include "app/seams.h"
#include "ui/dialog.h"

namespace orlavox {

void ReadLocalTime(SYSTEMTIME& st) { GetLocalTime(&st); }

int64_t ReadUtcSeconds() {
  SYSTEMTIME st;
  GetSystemTime(&st);
  return SecondsSince1970(st);
}

bool HandleTestProbe(TMainForm&, WPARAM, LRESULT&) { return false; }

bool RecordTestEvent(const char*, const std::string&) { return false; }

void PrepareTestProcess() {}

void SetTestClock(const TestClockSetting&) {}

UINT TimerPeriod(UINT updateInterval) { return updateInterval; }

void ui::UnknownControlBound(const std::string&, const std::string&) {}

}  // namespace orlavox
