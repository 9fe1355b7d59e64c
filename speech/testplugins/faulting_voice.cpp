// Test voice: logs "fault", then faults inside Speak - an access violation,
// or with ORLAVOX_DIVIDE_BY_ZERO an integer division by zero.
#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::AppendTestLog("fault");
  // In assembly: the compiler may drop or rewrite a fault written in C++,
  // whose behaviour is undefined.
#ifdef ORLAVOX_DIVIDE_BY_ZERO
  asm volatile("xorl %%ecx, %%ecx\n\tmovl $1, %%eax\n\tcltd\n\tidivl %%ecx" : : : "eax", "ecx", "edx");
#else
  asm volatile("movl $1, 0" : : : "memory");
#endif
}
