// Test library: exports Speak, but its DllMain never returns from loading.
#include <windows.h>

#include "speech/plugin/orlavox_voice.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) Sleep(INFINITE);
  return TRUE;
}

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {}
