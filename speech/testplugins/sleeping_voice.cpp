// Test voice: logs "begin", sleeps ORLAVOX_TEST_VOICE_SLEEP_MS milliseconds
// (3000 when unset), logs "end" - a slow announcement.
#include <cstdlib>

#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::AppendTestLog("begin");
  char value[16];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", value, sizeof value);
  Sleep(n > 0 && n < sizeof value ? std::strtoul(value, nullptr, 10) : 3000);
  orlavox::AppendTestLog("end");
}
