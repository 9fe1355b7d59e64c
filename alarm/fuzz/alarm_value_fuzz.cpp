// libFuzzer target: a stored alarm text either is refused or decodes into an
// alarm in range that encodes into a text decoding to the same alarm; the
// first alarm's days value reads back the same way.
#include <cstdint>
#include <string>

#include "alarm/alarm_list.h"

using namespace orlavox;

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const std::optional<AlarmEntry> a = DecodeAlarm(text)) {
    Check(a->Hour >= 0 && a->Hour <= 23 && a->Minute >= 0 && a->Minute <= 59 && a->Sound >= 0 && a->Sound <= 5);
    Check(a->RepeatInterval >= 0 && a->RepeatInterval <= 999 && a->Days <= kEveryDay);
    Check(DecodeAlarm(EncodeAlarm(*a)) == a);
  }
  ClockSettings s;
  const AlarmEntry first = FirstAlarm(s, text);
  std::string days;
  StoreFirstAlarm(first, s, days);
  Check(FirstAlarm(s, days) == first);
  return 0;
}
