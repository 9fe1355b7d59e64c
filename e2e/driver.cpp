// A small command-line companion for scripts that drive the running clock:
//   orlavox_driver wait [seconds] [class]  waits until the clock's window (or
//                                   a window of that class) is visible
//   orlavox_driver close [seconds]  closes it (as the close box does) and waits
// Exits 0 on success, 1 on time-out.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static const char* g_class = "OrlavoxMainForm";

static HWND FindClock(bool visibleOnly) {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, g_class, nullptr)) != nullptr)
    if (!visibleOnly || IsWindowVisible(w)) return w;
  return nullptr;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: orlavox_driver wait|close [seconds]\n");
    return 2;
  }
  const DWORD timeout = DWORD(argc > 2 ? std::atoi(argv[2]) : 20) * 1000;
  const DWORD start = GetTickCount();
  const bool close = std::strcmp(argv[1], "close") == 0;
  if (argc > 3) g_class = argv[3];
  bool posted = false;
  for (;;) {
    HWND w = FindClock(!close);
    if (!close && w) return 0;
    if (close) {
      if (!w && posted) return 0;
      if (w && !posted) {
        PostMessageA(w, WM_CLOSE, 0, 0);
        posted = true;
      }
    }
    if (GetTickCount() - start > timeout) return 1;
    Sleep(close ? 50 : 5);
  }
}
