// Test voice: logs "begin", sleeps ORLAVOX_TEST_VOICE_SLEEP_MS milliseconds
// (3000 when unset), logs "end" - a slow announcement. Loading it takes
// ORLAVOX_TEST_VOICE_LOAD_MS milliseconds (none when unset) - a slow voice.
#include <cstdlib>

#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  char value[16];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_VOICE_LOAD_MS", value, sizeof value);
  if (reason == DLL_PROCESS_ATTACH && n > 0 && n < sizeof value) Sleep(std::strtoul(value, nullptr, 10));
  return TRUE;
}

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::AppendTestLog("begin");
  char value[16];
  const DWORD n = GetEnvironmentVariableA("ORLAVOX_TEST_VOICE_SLEEP_MS", value, sizeof value);
  Sleep(n > 0 && n < sizeof value ? std::strtoul(value, nullptr, 10) : 3000);
  orlavox::AppendTestLog("end");
}
