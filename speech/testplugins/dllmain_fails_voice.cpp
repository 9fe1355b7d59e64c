// Test library: exports Speak, but refuses to load (DllMain returns FALSE).
#include <windows.h>

#include "speech/plugin/orlavox_voice.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) { return reason != DLL_PROCESS_ATTACH; }

extern "C" void ORLAVOX_VOICE_CALL Speak(void) {}
