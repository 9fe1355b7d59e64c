// Test voice: logs "fault", then faults inside Speak - an access violation,
// or with ORLAVOX_DIVIDE_BY_ZERO an integer division by zero.
#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::AppendTestLog("fault");
#ifdef ORLAVOX_DIVIDE_BY_ZERO
  volatile int zero = 0;
  volatile int quotient = 1 / zero;
  (void)quotient;
#else
  // Volatile, so the compiler cannot see the null and emit a trap instead.
  int* volatile nowhere = nullptr;
  *nowhere = 1;
#endif
}
