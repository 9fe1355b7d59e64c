// Test voice: logs "fault", then fails inside Speak in the way its build
// chooses: an access violation (default), ORLAVOX_DIVIDE_BY_ZERO, a
// structured exception of its own (ORLAVOX_RAISE_EXCEPTION), a stack overflow
// (ORLAVOX_STACK_OVERFLOW) or ending the calling thread (ORLAVOX_EXIT_THREAD).
#include <windows.h>

#include "speech/plugin/orlavox_voice.h"
#include "speech/testplugins/test_log.h"

#ifdef ORLAVOX_STACK_OVERFLOW
// Each level keeps a page of the stack alive, so the recursion cannot be
// turned into a loop.
__attribute__((noinline)) int Recurse(volatile char* previous) {
  volatile char page[4096];
  page[0] = previous ? previous[0] + 1 : 0;
  return Recurse(page) + page[4095];
}
#endif

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {
  orlavox::AppendTestLog("fault");
  // In assembly: the compiler may drop or rewrite a fault written in C++,
  // whose behaviour is undefined.
#if defined(ORLAVOX_DIVIDE_BY_ZERO)
  asm volatile("xorl %%ecx, %%ecx\n\tmovl $1, %%eax\n\tcltd\n\tidivl %%ecx" : : : "eax", "ecx", "edx");
#elif defined(ORLAVOX_RAISE_EXCEPTION)
  RaiseException(0xE0564F58, 0, 0, nullptr);  // a code of the voice's own, as a runtime would raise
#elif defined(ORLAVOX_STACK_OVERFLOW)
  Recurse(nullptr);
#elif defined(ORLAVOX_EXIT_THREAD)
  ExitThread(0);
#else
  asm volatile("movl $1, 0" : : : "memory");
#endif
}
