// Calling a voice plug-in without letting its faults take the clock down.
//
// A frame of our own is put on the thread's exception handler chain (the
// chain the processor faults are dispatched along), right around the call.
// Faults the plug-in handles itself never reach it; a fault it leaves
// unhandled ends up here, and we jump back to the call site.
#include "speech/speak_thread.h"

namespace orlavox {
namespace {

struct GuardFrame {
  GuardFrame* Previous;  // the chain's link, as the system expects it
  void* Handler;
  void* Resume[5];       // __builtin_setjmp buffer
};

bool IsProcessorFault(DWORD code) {
  switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_STACK_CHECK:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_INT_OVERFLOW:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW:
      return true;
    default:
      return false;
  }
}

extern "C" EXCEPTION_DISPOSITION __cdecl GuardHandler(EXCEPTION_RECORD* record, void* frame, CONTEXT*, void*) {
  if (record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) return ExceptionContinueSearch;
  if (!IsProcessorFault(record->ExceptionCode)) return ExceptionContinueSearch;
  __builtin_longjmp(static_cast<GuardFrame*>(frame)->Resume, 1);
}

#if defined(__i386__)
void* ChainHead() {
  void* head;
  asm volatile("movl %%fs:0, %0" : "=r"(head));
  return head;
}
void SetChainHead(void* head) { asm volatile("movl %0, %%fs:0" : : "r"(head) : "memory"); }
#endif

}  // namespace

__attribute__((noinline)) bool CallSpeakGuarded(SpeakProcType speak) {
#if defined(__i386__)
  GuardFrame frame;
  frame.Previous = static_cast<GuardFrame*>(ChainHead());
  frame.Handler = reinterpret_cast<void*>(&GuardHandler);
  if (__builtin_setjmp(frame.Resume) == 0) {
    SetChainHead(&frame);
    speak();
    SetChainHead(frame.Previous);
    return true;
  }
  // Back from a fault: the chain still names frames of the abandoned call.
  SetChainHead(frame.Previous);
  return false;
#else
  speak();
  return true;
#endif
}

}  // namespace orlavox
