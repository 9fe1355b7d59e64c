// Not a voice: "riched20.dll" planted beside the program, as in a Downloads
// folder. Loaded, it logs "planted" and refuses to stay.
#include <windows.h>

#include "speech/testplugins/test_log.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  orlavox::AppendTestLog("planted");
  return FALSE;
}
