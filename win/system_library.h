#pragma once
// A library of Windows itself, loaded from the system folder by its full
// path, and its own dependencies from there too: a file of the same name
// beside the program (a Downloads folder) is never the one loaded. Null when
// the system has no such library.
#include <windows.h>

namespace orlavox {

HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace orlavox
