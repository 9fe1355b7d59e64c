// The main window on the screen, in the tray and on the taskbar, and the
// dialog brought forward while one is open.
#include "app/main_form.h"
#include "ui/dialog.h"

namespace orlavox {

void TMainForm::ShowMainWindow() {
  app_.Restore();
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(app_.Handle());
  SetForegroundWindow(hwnd_);
}

void TMainForm::HideMainWindow() {
  ShowWindow(hwnd_, SW_HIDE);
  HideTaskbarButton();
}

void TMainForm::ShowTaskbarButton() {
  // The zero-size application window only carries the button: shown without
  // activation, so the main window keeps the focus and its keys.
  if (!IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_SHOWNA);
}

void TMainForm::HideTaskbarButton() {
  if (IsWindowVisible(app_.Handle())) ShowWindow(app_.Handle(), SW_HIDE);
}

bool TMainForm::BringModalForward() {
  HWND modal = ui::Dialog::ModalWindow();
  // A message box of the window itself (a voice that failed to load) disables it too.
  if (!modal && !IsWindowEnabled(hwnd_)) modal = GetLastActivePopup(hwnd_);
  if (!modal || modal == hwnd_) return false;
  if (IsIconic(modal)) ShowWindow(modal, SW_RESTORE);
  // A message box the dialog shows comes first.
  HWND front = GetLastActivePopup(modal);
  SetForegroundWindow(front && IsWindowVisible(front) ? front : modal);
  return true;
}

void TMainForm::PlaceTaskbarButton(bool dialogOpen) {
  if (ClockSettings.ShowInTaskbar && (dialogOpen || IsWindowVisible(hwnd_)))
    ShowTaskbarButton();
  else
    HideTaskbarButton();
}

void TMainForm::SysTrayDblClick() {
  if (BringModalForward()) return;
  ShowMainWindow();
  PlaceTaskbarButton();
}

void TMainForm::PopupMainMenuAtCursor() {
  POINT pt;
  GetCursorPos(&pt);
  SetForegroundWindow(hwnd_);
  app_.ProcessMessages();
  MainPopupMenu.Popup(hwnd_, pt.x, pt.y);
  PostMessageA(hwnd_, WM_NULL, 0, 0);  // lets the menu close properly
}

bool TMainForm::HandleApplicationMessage(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE) {
    // Minimising the program from its taskbar button sends it to the tray.
    HideMainWindow();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace orlavox
