/* Voices that break the contract in the ways voicecheck must tell apart, one
 * per definition. Speak is written in assembly where the fault is in the
 * calling convention itself, which C would not produce. */
#include <windows.h>

#define EXPORT(name) __asm__(".section .drectve\n.ascii \" -export:" name "\"\n.text");

#if defined(BROKEN_DLLMAIN)
/* DllMain refuses the load. */
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  (void)module, (void)reserved;
  return reason != DLL_PROCESS_ATTACH;
}
void __stdcall Speak(void) {}
EXPORT("Speak=Speak@0")
#elif defined(BROKEN_DECORATED)
/* Exported under its stdcall name "Speak@0" only, as without a .def file. */
__attribute__((dllexport)) void __stdcall Speak(void) {}
#elif defined(BROKEN_POPS_ARGUMENT)
/* Declared with one argument: returns with "ret 4". */
void __stdcall Speak(int unused) { (void)unused; }
EXPORT("Speak=Speak@4")
#elif defined(BROKEN_CLOBBERS_REGISTERS)
/* Overwrites EBX and EDI without saving them. */
__asm__(".globl _Speak\n_Speak:\n  movl $0, %ebx\n  movl $0, %edi\n  ret\n");
EXPORT("Speak")
#elif defined(BROKEN_STACK_OVERFLOW)
/* Calls itself until the stack runs out. */
__asm__(".globl _Speak\n_Speak:\n  call _Speak\n  ret\n");
EXPORT("Speak")
#endif
