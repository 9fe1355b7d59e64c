// Not a voice: a DLL named after a library of Windows ("riched20.dll") to be
// planted beside the program, as a download might leave one in the user's
// Downloads folder. Loaded, it logs "planted" and refuses to stay, so that
// the program can neither use it nor hide that it was loaded.
#include <windows.h>

#include "speech/testplugins/test_log.h"

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  orlavox::AppendTestLog("planted");
  return FALSE;
}
