#include "e2e/harness.h"

#include "app/seams.h"
#include "settings/clock_settings.h"
#include "settings/registry.h"

namespace orlavox::e2e {
namespace {

std::string Env(const char* name) {
  char buf[1024];
  const DWORD n = GetEnvironmentVariableA(name, buf, sizeof buf);
  return n && n < sizeof buf ? std::string(buf, n) : std::string();
}

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  return dir;
}

struct FindData {
  DWORD Pid;
  HWND Found;
};

BOOL CALLBACK FindMain(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64];
  if (pid == d->Pid && GetClassNameA(hwnd, cls, sizeof cls) && std::string(cls) == "OrlavoxMainForm") {
    d->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string DistTestDir() { return WithSlash(Env("ORLAVOX_DIST_TEST")); }

std::string OutputDir() {
  std::string dir = WithSlash(Env("ORLAVOX_TEST_OUTPUT"));
  if (!dir.empty()) CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

void ResetRegistry() {
  Registry reg;
  reg.DeleteKey("\\Software\\Brenvik");
  if (reg.OpenKey(kRunKey, false)) reg.DeleteValue(kRunValue);
  if (reg.OpenKey(kRunKeyNT, false)) reg.DeleteValue(kRunValue);
}

std::string ReadValue(const char* key, const char* name) {
  Registry reg;
  std::string s;
  if (!reg.OpenKey(key, false) || !reg.ValueExists(name)) return "<absent>";
  if (reg.ReadString(name, s) != ReadStatus::Ok) return "<bad>";
  return s;
}

void WriteValue(const char* key, const char* name, const std::string& value) {
  Registry reg;
  if (reg.OpenKey(key, true)) reg.WriteString(name, value);
}

void WriteSettings(const std::string& bin, const std::string& lnum, const std::string& snum) {
  WriteValue(kSettingsKey, "BinSettings", bin);
  WriteValue(kSettingsKey, "LNumSettings", lnum);
  WriteValue(kSettingsKey, "SNumSettings", snum);
  WriteValue(kSettingsKey, "CurrentVer", kCurrentVersion);
}

bool SaveScreenshot(const std::string& path) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;  // bottom-up, as BMP files store it
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (dib && mem) {
    HGDIOBJ old = SelectObject(mem, dib);
    ok = BitBlt(mem, 0, 0, w, h, screen, 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    SelectObject(mem, old);
    const DWORD stride = (DWORD(w) * 3 + 3) & ~3u, size = stride * DWORD(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bi.bmiHeader.biSizeImage = size;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ok = ok && f != INVALID_HANDLE_VALUE && WriteFile(f, &fh, sizeof fh, &written, nullptr) &&
         WriteFile(f, &bi.bmiHeader, sizeof bi.bmiHeader, &written, nullptr) &&
         WriteFile(f, bits, size, &written, nullptr);
    if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
  }
  if (dib) DeleteObject(dib);
  if (mem) DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return ok;
}

ClockProcess::~ClockProcess() { Kill(); }

bool ClockProcess::Start(const std::string& testClock, const std::string& exe) {
  std::string path = exe.empty() ? DistTestDir() + "Orlavox.exe" : exe;
  std::string cmd = "\"" + path + "\"";
  SetEnvironmentVariableA("ORLAVOX_TEST_CLOCK", testClock.empty() ? nullptr : testClock.c_str());
  STARTUPINFOA si{};
  si.cb = sizeof si;
  const BOOL ok = CreateProcessA(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
  SetEnvironmentVariableA("ORLAVOX_TEST_CLOCK", nullptr);
  return ok != FALSE;
}

HWND ClockProcess::MainWindow() {
  FindData d{pi_.dwProcessId, nullptr};
  EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&d));
  return d.Found;
}

HWND ClockProcess::WaitForMainWindow(bool visible, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] {
    found = MainWindow();
    return found && (!visible || IsWindowVisible(found));
  }, timeoutMs);
  return found && (!visible || IsWindowVisible(found)) ? found : nullptr;
}

LRESULT ClockProcess::Probe(ProbeQuery q) {
  HWND w = MainWindow();
  DWORD_PTR result = 0;
  if (!w || !SendMessageTimeoutA(w, kProbeMessage, q, 0, SMTO_ABORTIFHUNG, 5000, &result)) return -1;
  return LRESULT(result);
}

bool ClockProcess::Running() const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ClockProcess::WaitExit(DWORD timeoutMs) {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool ClockProcess::Close(DWORD timeoutMs) {
  HWND w = MainWindow();
  if (!w) return false;
  PostMessageA(w, WM_CLOSE, 0, 0);
  return WaitExit(timeoutMs);
}

void ClockProcess::Kill() {
  if (pi_.hProcess) {
    if (Running()) {
      TerminateProcess(pi_.hProcess, 1);
      WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  pi_ = PROCESS_INFORMATION{};
}

}  // namespace orlavox::e2e
