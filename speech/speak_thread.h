#pragma once
// One announcement on a worker thread: calls the voice's Speak once, then
// runs the completion on the user-interface thread (the worker waits for it)
// and ends. A fault inside the voice still ends the announcement normally.
#include <windows.h>

#include "speech/voice_host.h"

namespace orlavox {

class TSpeakThread {
 public:
  // Starts the worker at once; the object deletes itself when it has finished.
  // `window` receives the completion as a sent message; once the window is
  // gone the message goes nowhere. Returns the thread's handle (the caller
  // closes it), null when no thread could start. A voice that ends the
  // thread itself (ExitThread) sends no completion: the handle then is
  // signalled while the caller still waits for it.
  static HANDLE Start(SpeakProc speak, HWND window, UINT doneMessage);

 private:
  TSpeakThread(SpeakProc speak, HWND window, UINT doneMessage)
      : speak_(speak), window_(window), doneMessage_(doneMessage) {}
  static DWORD WINAPI Run(void* self);
  void Execute();

  SpeakProc speak_;
  HWND window_;
  UINT doneMessage_;
};

}  // namespace orlavox
