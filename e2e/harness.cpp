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
