#include <windows.h>
// Program entry; the main window lands with the next change.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
