// Test library: a valid DLL whose only export is not "Speak".
#include <windows.h>

extern "C" void __stdcall Announce(void) {}
