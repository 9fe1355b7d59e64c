#pragma once
// Runs the test build of the clock as a user would, in its own process, and
// looks at it from outside: its windows, its registry values and (through the
// test build's probe message) its state.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "alarm/alarm_list.h"
#include "app/probe_queries.h"

namespace orlavox::e2e {

std::string DistTestDir();  // folder of the test build, with a trailing backslash
std::string OutputDir();    // where tests leave files for people to look at

// Registry of the settings, as the program sees it.
void ResetRegistry();  // no settings of either edition, no log-on entry
std::string ReadValue(const char* key, const char* name);  // "<absent>" when missing
void WriteValue(const char* key, const char* name, const std::string& value);
void WriteSettings(const std::string& bin, const std::string& lnum, const std::string& snum);
// The alarms beyond the settings record: clears every "AlarmN" value and
// "AlarmDays", then stores `further` as "Alarm2", "Alarm3", ... and the
// first alarm's days value `firstDays` when it is not empty ("0111110",
// "once", "once|name"; alarm/alarm_list.h). An empty call clears them.
void WriteAlarms(const std::vector<AlarmEntry>& further = {}, const std::string& firstDays = "");

// A copy of the test build in a folder of its own, with the given plug-ins
// (file names in the test plug-in folder, or "shipped:<name>" for a shipped
// voice) in its voice folder; "none" leaves the voice folder away. Returns
// the program's path. Names and paths are UTF-8.
std::string PrepareInstall(const std::string& name, const std::vector<std::string>& plugins);
std::string ScratchDir();  // with a trailing backslash
std::vector<std::string> ReadLines(const std::string& path);

// Ctrl+Alt+S as typed on the keyboard (to a window of this process):
// SettleKeyboardFocus, then SendSpeechHotKey. A timing of the key settles the
// focus first and times only the sending.
void PressSpeechHotKey();
void SettleKeyboardFocus();
void SendSpeechHotKey();
// The small window SettleKeyboardFocus gives the focus to, made at the first call.
HWND KeyboardFocusWindow();

// Keys typed on the keyboard to `target` (made the foreground window first;
// null: to whatever has the keyboard, an open menu for instance):
// each key of `keys` goes down in order and up in reverse order.
void PressKeys(HWND target, std::initializer_list<WORD> keys);
// A left click at a point of the screen.
void ClickAt(int x, int y);
// One mouse event (MOUSEEVENTF_LEFTDOWN, _LEFTUP, or 0: a move) at a point
// of the screen: the event moves the pointer there.
void SendMouse(DWORD flags, POINT at);
// Drags a window with the mouse: press at a point of its client area, move
// by dx, dy, let go.
void DragBy(HWND w, POINT at, int dx, int dy);
// Opens a popup menu with `open` (a click, the tray's message) and types
// `keys` to it, until `picked` holds; keys typed the moment a menu appears
// are sometimes lost under Wine, so it tries three times. False when it never held.
bool PickFromMenu(const std::function<void()>& open, std::initializer_list<WORD> keys,
                  const std::function<bool()>& picked);
// Whether a popup menu is open on the screen.
bool MenuShown();
// A right click on the tray icon of process `pid`, as the shell reports it.
void RightClickTrayIcon(DWORD pid);

// A top-level window of process `pid` with the given caption and class (either
// may be null for any), visible unless `visibleOnly` is false; or null.
HWND FindProcessWindow(DWORD pid, const char* caption, const char* cls = nullptr, bool visibleOnly = true);
// The children of a window, each with its class, text and place relative to
// its parent's client area, in z-order; children of children follow their parent.
struct ChildWindow {
  HWND Hwnd;
  HWND Parent;
  std::string Class, Text;
  RECT Rect;  // left, top, right, bottom in the parent's client coordinates
  int Width() const { return Rect.right - Rect.left; }
  int Height() const { return Rect.bottom - Rect.top; }
};
std::vector<ChildWindow> ChildWindows(HWND parent);
// The work area of the monitor that holds most of the window.
RECT MonitorWorkArea(HWND w);
std::string WindowText(HWND w);

// The text of a message box the process shows, or "" when there is none;
// DismissMessageBox presses its OK button.
std::string MessageBoxText(DWORD pid);
bool DismissMessageBox(DWORD pid);

// The program's dialogs (the settings dialog, the notices), found by their
// captions; the harness works them as a user would: it presses their buttons
// and ticks their check boxes.
HWND FindDialog(DWORD pid, const std::string& caption);
HWND WaitForDialog(DWORD pid, const std::string& caption, DWORD timeoutMs = 10000);
std::string ControlText(HWND control);
// A control of a dialog (inside its group boxes and panels too) by its text,
// its mnemonic's & aside.
HWND FindControl(HWND dialog, const std::string& text);
// Clicks a button or check box by its text; false when there is none.
bool ClickControl(HWND dialog, const std::string& text);
// Presses OK of a welcome or upgrade notice when one is open; returns its
// caption, or "" when none opened within the time.
std::string DismissNotice(DWORD pid, DWORD timeoutMs = 10000);
// Posts a key to a window, as the keyboard would to the focused control.
void PostKey(HWND target, WORD vk);
// Types keys (held together, e.g. {VK_CONTROL, 'S'}) to `target`, which is
// made the foreground window first; false when it could not be.
bool TypeKeys(HWND target, const std::vector<WORD>& keys);

// Saves the whole screen (the Wine desktop, with the tray) as a 24-bit BMP.
bool SaveScreenshot(const std::string& path);

class ClockProcess {
 public:
  ~ClockProcess();
  // Starts dist-test\Orlavox.exe; testClock is ORLAVOX_TEST_CLOCK ("" for the real clock).
  bool Start(const std::string& testClock = "", const std::string& exe = "");
  // Runs a command line as Windows runs a Run entry: no program name apart,
  // the program is what the command line names (UTF-8).
  bool StartCommand(const std::string& commandLine);
  // The main window, once it exists (and is visible, if asked).
  HWND WaitForMainWindow(bool visible, DWORD timeoutMs = 15000);
  HWND MainWindow();
  LRESULT Probe(ProbeQuery q);
  // Posts WM_CLOSE to the main window and waits for the process to end.
  bool Close(DWORD timeoutMs = 15000);
  bool WaitExit(DWORD timeoutMs);
  bool Running() const;
  DWORD Pid() const { return pi_.dwProcessId; }
  // Whether the process has loaded the library `name` (e.g. "mmdevapi.dll").
  bool HasModule(const char* name) const;
  // Holds every thread of the process (as a computer asleep holds it) or lets it go.
  bool Hold(bool held);
  void Kill();

 private:
  PROCESS_INFORMATION pi_{};
};

// Waits until pred() holds, checking every 50 ms.
template <class Pred>
bool WaitFor(Pred pred, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (pred()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
}

}  // namespace orlavox::e2e
