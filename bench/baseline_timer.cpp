// A bare window with a timer that only reads the local time.
#include <windows.h>

#include <cstdlib>

static LRESULT CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_TIMER) {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return 0;
  }
  if (m == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(h, m, w, l);
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR cmd, int) {
  const UINT interval = cmd && *cmd ? UINT(std::atoi(cmd)) : 100;
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = inst;
  wc.lpszClassName = "BaselineTimer";
  RegisterClassA(&wc);
  HWND h = CreateWindowA("BaselineTimer", "Baseline timer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                         nullptr, nullptr, inst, nullptr);
  SetTimer(h, 1, interval, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
