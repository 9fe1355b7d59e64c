// Not a voice: a library of Windows' name (riched20.dll, winmm.dll, ...)
// planted beside the program, as in a Downloads folder. Loaded, it logs
// "planted <its file name>" and refuses to stay.
#include <windows.h>

#include <cstring>
#include <string>

#include "speech/testplugins/test_log.h"

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH] = "";
  GetModuleFileNameA(self, path, MAX_PATH);
  const char* name = std::strrchr(path, '\\');
  orlavox::AppendTestLog(("planted " + std::string(name ? name + 1 : path)).c_str());
  return FALSE;
}
