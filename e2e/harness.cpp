#include "e2e/harness.h"

#include <algorithm>

#include <tlhelp32.h>

#include "win/wide_text.h"

#include "app/seams.h"
#include "settings/clock_settings.h"
#include "win/registry.h"

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
  reg.DeleteKey(kSettingsKey);
  reg.DeleteKey(kOldEditionKey);
  if (reg.OpenKey(kRunKey, false)) reg.DeleteValue(kRunValue);
  if (reg.OpenKey(kRunKeyNT, false)) reg.DeleteValue(kRunValue);
}

std::string ReadValue(const char* key, const char* name) {
  Registry reg;
  std::string s;
  if (!reg.OpenKey(key, false) || !reg.ValueExists(name)) return "<absent>";
  if (reg.ReadUtf8String(name, s) != ReadStatus::Ok) return "<bad>";
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
  // A new record: the alarm occurrence an earlier start rang is not this one's.
  Registry reg;
  if (reg.OpenKey(kSettingsKey, true)) reg.DeleteValue("AlarmRung");
}

void WriteAlarms(const std::vector<AlarmEntry>& further, const std::string& firstDays) {
  Registry reg;
  if (!reg.OpenKey(kSettingsKey, true)) return;
  reg.DeleteValue(kAlarmDaysValue);
  for (int i = 1; i <= kAlarmValueCount; ++i) reg.DeleteValue(AlarmValueName(i).c_str());
  if (!firstDays.empty()) reg.WriteUtf8String(kAlarmDaysValue, firstDays);
  for (size_t i = 0; i < further.size(); ++i)
    reg.WriteUtf8String(AlarmValueName(int(i) + 1).c_str(), EncodeAlarm(further[i]));
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

std::string ScratchDir() {
  std::string dir = WithSlash(Env("ORLAVOX_E2E_SCRATCH"));
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string PrepareInstall(const std::string& name, const std::vector<std::string>& plugins) {
  // Paths in UTF-8, the files through the wide API: a folder may have a name
  // the ANSI code page cannot spell.
  const std::string dir = ScratchDir() + name + "\\";
  const std::string voice = dir + "voice\\";
  // A clean folder every time: remove what an earlier run left.
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(Wide(voice + "*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do DeleteFileW(Wide(voice + Utf8(fd.cFileName)).c_str());
    while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(Wide(voice).c_str());
  DeleteFileW(Wide(dir + "voice").c_str());  // a file standing in the folder's place
  CreateDirectoryW(Wide(dir).c_str(), nullptr);
  const std::string exe = dir + "Orlavox.exe";
  CopyFileW(Wide(DistTestDir() + "Orlavox.exe").c_str(), Wide(exe).c_str(), FALSE);
  if (plugins.size() == 1 && plugins[0] == "none") return exe;
  CreateDirectoryW(Wide(voice).c_str(), nullptr);
  const std::string pluginDir = WithSlash(Env("ORLAVOX_TEST_PLUGINS"));
  for (const std::string& p : plugins) {
    const bool shipped = p.rfind("shipped:", 0) == 0;
    const std::string file = shipped ? p.substr(8) : p;
    const std::string from = (shipped ? DistTestDir() + "voice\\" : pluginDir) + file;
    CopyFileW(Wide(from).c_str(), Wide(voice + file).c_str(), FALSE);
  }
  return exe;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return lines;
  std::string text;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got > 0) text.append(buf, got);
  CloseHandle(f);
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

HWND KeyboardFocusWindow() {
  static HWND focus = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "e2e keyboard", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8, nullptr,
                                      nullptr, nullptr, nullptr);
  return focus;
}

void SettleKeyboardFocus() {
  // Wine passes keys on while one of its windows has the focus: give it one,
  // and let the change settle. When a Wine window takes the focus, Wine brings
  // its key state in line with the X server's, which knows nothing of keys
  // sent here: a window that takes it late (a clock that has just shown
  // itself) would let go of the modifiers between the presses.
  HWND focus = KeyboardFocusWindow();
  MSG msg;
  for (int i = 0; i < 10; ++i) {
    SetForegroundWindow(focus);
    Sleep(50);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (GetForegroundWindow() == focus) break;
  }
}

void PressSpeechHotKey() {
  SettleKeyboardFocus();
  SendSpeechHotKey();
}

void SendSpeechHotKey() {
  INPUT in[6] = {};
  const WORD keys[3] = {VK_CONTROL, VK_MENU, 'S'};
  for (int i = 0; i < 3; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = keys[i];
    in[5 - i].type = INPUT_KEYBOARD;
    in[5 - i].ki.wVk = keys[i];
    in[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(6, in, sizeof(INPUT));
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void PressKeys(HWND target, std::initializer_list<WORD> keys) {
  if (target) {
    SetForegroundWindow(target);
    Sleep(100);
  }
  std::vector<INPUT> in;
  for (WORD k : keys) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    in.push_back(i);
  }
  for (auto k = keys.end(); k != keys.begin();) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = *--k;
    i.ki.dwFlags = KEYEVENTF_KEYUP;
    in.push_back(i);
  }
  SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
}

void SendMouse(DWORD flags, POINT at) {
  // Each event carries its own place: under Wine a pointer motion from the X
  // server that arrives late can move the cursor back after SetCursorPos.
  // Absolute input is in 1/65536ths of the primary screen; rounding up lands
  // on the pixel itself.
  const LONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = LONG((LONGLONG(at.x) * 65536 + w - 1) / w);
  in.mi.dy = LONG((LONGLONG(at.y) * 65536 + h - 1) / h);
  in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void ClickAt(int x, int y) {
  SetCursorPos(x, y);
  Sleep(50);
  SendMouse(MOUSEEVENTF_LEFTDOWN, {x, y});
  Sleep(50);
  SendMouse(MOUSEEVENTF_LEFTUP, {x, y});
}

void DragBy(HWND w, POINT at, int dx, int dy) {
  ClientToScreen(w, &at);
  SetCursorPos(at.x, at.y);
  Sleep(100);
  SendMouse(MOUSEEVENTF_LEFTDOWN, at);
  Sleep(200);
  for (int step = 1; step <= 4; ++step) {
    SendMouse(0, {at.x + dx * step / 4, at.y + dy * step / 4});
    Sleep(60);
  }
  SendMouse(MOUSEEVENTF_LEFTUP, {at.x + dx, at.y + dy});
  Sleep(300);
}

bool MenuShown() {
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "#32768", nullptr)) != nullptr;)
    if (IsWindowVisible(w)) return true;
  return false;
}

bool PickFromMenu(const std::function<void()>& open, std::initializer_list<WORD> keys,
                  const std::function<bool()>& picked) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    open();
    if (!WaitFor(MenuShown, 5000)) continue;
    Sleep(300);
    for (WORD k : keys) {
      PressKeys(nullptr, {k});
      Sleep(100);
    }
    if (WaitFor(picked, 3000)) return true;
    if (MenuShown()) PressKeys(nullptr, {VK_ESCAPE});
    WaitFor([] { return !MenuShown(); }, 2000);
  }
  return false;
}

void RightClickTrayIcon(DWORD pid) {
  if (HWND tray = FindProcessWindow(pid, nullptr, "OrlavoxTrayWindow", false))
    PostMessageA(tray, 2048, 1, WM_RBUTTONDOWN);
}

std::string WindowText(HWND w) {
  wchar_t text[4096] = L"";
  const LRESULT n = SendMessageW(w, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
  return Utf8(text, int(n > 0 ? n : 0));
}

namespace {
struct TopFind {
  DWORD Pid;
  const char* Caption;
  const char* Class;
  bool VisibleOnly;
  HWND Found;
};
BOOL CALLBACK FindTop(HWND w, LPARAM lp) {
  auto* f = reinterpret_cast<TopFind*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != f->Pid || (f->VisibleOnly && !IsWindowVisible(w))) return TRUE;
  char text[256] = "";
  if (f->Caption && WindowText(w) != f->Caption) return TRUE;
  if (f->Class) {
    GetClassNameA(w, text, sizeof text);
    if (std::string(text) != f->Class) return TRUE;
  }
  f->Found = w;
  return FALSE;
}
void AddChildren(HWND parent, std::vector<ChildWindow>& out) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    ChildWindow cw{c, parent, "", WindowText(c), {}};
    char cls[64] = "";
    GetClassNameA(c, cls, sizeof cls);
    cw.Class = cls;
    GetWindowRect(c, &cw.Rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&cw.Rect), 2);
    out.push_back(cw);
    AddChildren(c, out);
  }
}
}  // namespace

HWND FindProcessWindow(DWORD pid, const char* caption, const char* cls, bool visibleOnly) {
  TopFind f{pid, caption, cls, visibleOnly, nullptr};
  EnumWindows(&FindTop, reinterpret_cast<LPARAM>(&f));
  return f.Found;
}

RECT MonitorWorkArea(HWND w) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

std::vector<ChildWindow> ChildWindows(HWND parent) {
  std::vector<ChildWindow> out;
  AddChildren(parent, out);
  return out;
}

namespace {
HWND FindMessageBox(DWORD pid) {
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr) {
    DWORD p = 0;
    GetWindowThreadProcessId(w, &p);
    if (p == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}
}  // namespace

std::string MessageBoxText(DWORD pid) {
  HWND box = FindMessageBox(pid);
  if (!box) return "";
  wchar_t text[512] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, 512);  // the message's static text
  return Utf8(text);
}

bool DismissMessageBox(DWORD pid) {
  HWND box = FindMessageBox(pid);
  if (!box) return false;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  // This box, that is: the program may show the next one at once.
  return WaitFor([&] { return !IsWindow(box); }, 5000);
}

namespace {
struct DialogSearch {
  DWORD Pid;
  std::string Caption;
  HWND Found;
};

BOOL CALLBACK FindDialogProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<DialogSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64];
  if (pid == d->Pid && IsWindowVisible(hwnd) && GetClassNameA(hwnd, cls, sizeof cls) &&
      std::string(cls) == "OrlavoxDialog" && (d->Caption.empty() || d->Caption == WindowText(hwnd))) {
    d->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ControlSearch {
  std::string Text;
  HWND Found;
};

// A text without its mnemonic's mark: "&Browse..." is "Browse...".
std::string WithoutMnemonic(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

BOOL CALLBACK FindControlProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<ControlSearch*>(lp);
  if (WithoutMnemonic(d->Text) == WithoutMnemonic(ControlText(hwnd))) {
    d->Found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

std::string ControlText(HWND control) {
  // GetWindowText does not ask a window of another process for its text.
  wchar_t text[256] = L"";
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &got))
    return "";
  return Utf8(text, int(got < 256 ? got : 0));
}

HWND FindDialog(DWORD pid, const std::string& caption) {
  DialogSearch d{pid, caption, nullptr};
  EnumWindows(&FindDialogProc, reinterpret_cast<LPARAM>(&d));
  return d.Found;
}

HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindDialog(pid, caption)) != nullptr; }, timeoutMs);
  return found;
}

HWND FindControl(HWND dialog, const std::string& text) {
  ControlSearch d{text, nullptr};
  EnumChildWindows(dialog, &FindControlProc, reinterpret_cast<LPARAM>(&d));
  return d.Found;
}

bool ClickControl(HWND dialog, const std::string& text) {
  HWND control = FindControl(dialog, text);
  if (!control) return false;
  char cls[32] = "";
  GetClassNameA(control, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {  // a link label
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    return PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2)) != FALSE;
  }
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

std::string DismissNotice(DWORD pid, DWORD timeoutMs) {
  HWND notice = nullptr;
  std::string caption;
  WaitFor([&] {
    for (const char* c : {"Welcome!", "Thank you for upgrading"})
      if ((notice = FindDialog(pid, c)) != nullptr) {
        caption = c;
        return true;
      }
    return false;
  }, timeoutMs);
  if (!notice || (!ClickControl(notice, "OK") && !ClickControl(notice, "&OK"))) return "";
  WaitFor([&] { return !IsWindow(notice); }, 5000);
  return caption;
}

void PostKey(HWND target, WORD vk) {
  PostMessageA(target, WM_KEYDOWN, vk, 1);
  PostMessageA(target, WM_KEYUP, vk, 1 | (3u << 30));
}

bool TypeKeys(HWND target, const std::vector<WORD>& keys) {
  SetForegroundWindow(target);
  if (!WaitFor([&] { return GetForegroundWindow() == target; }, 3000)) return false;
  std::vector<INPUT> in(keys.size() * 2);
  for (size_t i = 0; i < keys.size(); ++i) {
    in[i].type = in[in.size() - 1 - i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = in[in.size() - 1 - i].ki.wVk = keys[i];
    in[in.size() - 1 - i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  return SendInput(UINT(in.size()), in.data(), sizeof(INPUT)) == in.size();
}

ClockProcess::~ClockProcess() { Kill(); }

bool ClockProcess::Start(const std::string& testClock, const std::string& exe) {
  std::string path = exe.empty() ? DistTestDir() + "Orlavox.exe" : exe;
  std::wstring cmd = L"\"" + Wide(path) + L"\"";
  SetEnvironmentVariableA("ORLAVOX_TEST_CLOCK", testClock.empty() ? nullptr : testClock.c_str());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  const BOOL ok = CreateProcessW(Wide(path).c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
  SetEnvironmentVariableA("ORLAVOX_TEST_CLOCK", nullptr);
  return ok != FALSE;
}

bool ClockProcess::StartCommand(const std::string& commandLine) {
  std::wstring cmd = Wide(commandLine);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  return CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_) != FALSE;
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
  if (!found || (visible && !IsWindowVisible(found))) return nullptr;
  // The window exists before its start-up has run: a message sent to it is
  // answered once the message loop runs.
  Probe(kProbeHour);
  return found;
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

bool ClockProcess::HasModule(const char* name) const {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, Pid());
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  MODULEENTRY32 me{};
  me.dwSize = sizeof me;
  bool found = false;
  for (BOOL more = Module32First(snapshot, &me); more && !found; more = Module32Next(snapshot, &me))
    found = lstrcmpiA(me.szModule, name) == 0;
  CloseHandle(snapshot);
  return found;
}

bool ClockProcess::Hold(bool held) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return false;
  int threads = 0;
  THREADENTRY32 te{};
  te.dwSize = sizeof te;
  for (BOOL more = Thread32First(snapshot, &te); more; more = Thread32Next(snapshot, &te)) {
    if (te.th32OwnerProcessID != pi_.dwProcessId) continue;
    if (HANDLE t = OpenThread(THREAD_SUSPEND_RESUME, FALSE, te.th32ThreadID)) {
      threads += (held ? SuspendThread(t) : ResumeThread(t)) != DWORD(-1);
      CloseHandle(t);
    }
  }
  CloseHandle(snapshot);
  return threads > 0;
}

}  // namespace orlavox::e2e
