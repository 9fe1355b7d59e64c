#include "speech/speak_thread.h"

namespace orlavox {

HANDLE TSpeakThread::Start(SpeakProc speak, HWND window, UINT doneMessage) {
  auto* self = new TSpeakThread(speak, window, doneMessage);
  HANDLE h = CreateThread(nullptr, 0, &TSpeakThread::Run, self, 0, nullptr);
  if (!h) delete self;
  return h;
}

DWORD WINAPI TSpeakThread::Run(void* p) {
  auto* self = static_cast<TSpeakThread*>(p);
  self->Execute();
  // The completion runs on the window's thread while this one waits.
  SendMessageA(self->window_, self->doneMessage_, 0, 0);
  delete self;
  return 0;
}

void TSpeakThread::Execute() { CallSpeakGuarded(speak_); }

}  // namespace orlavox
