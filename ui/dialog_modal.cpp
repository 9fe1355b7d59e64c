#include "ui/dialog.h"

#include <iterator>
#include <optional>

#include "ui/dpi.h"
#include "ui/monitors.h"
#include "ui/scale.h"

// The dialog's form, its place on the screen and the modal loop.

namespace orlavox::ui {
namespace {

// The dialogs whose modal loops run, innermost last (one thread: the program's windows live on one).
std::vector<HWND>& ModalStack() {
  static std::vector<HWND> stack;
  return stack;
}

std::optional<PixelRect> RectOf(HWND window) {
  RECT r;
  if (!window || !GetWindowRect(window, &r)) return std::nullopt;
  return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

bool Dialog::CreateForm(HWND owner) {
  DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  if (form_.SystemMenu) style |= WS_SYSMENU;
  DWORD ex = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  if (form_.Topmost) ex |= WS_EX_TOPMOST;
  HWND parent = owner;
  if (form_.OwnTaskbarButton) {
    ex |= WS_EX_APPWINDOW;
    parent = GetDesktopWindow();  // no owner: a window of its own on the taskbar
  }
  // The monitor first (the owner's while it is on the screen, else the
  // taskbar's), then its scale: the window is created there at that scale.
  const std::vector<MonitorArea> monitors = Monitors();
  const bool ownerShown = owner && IsWindowVisible(owner) && !IsIconic(owner);
  const FormPlace place =
      PlaceForm(monitors, RectOf(owner), ownerShown, RectOf(FindWindowW(L"Shell_TrayWnd", nullptr)),
                FormSpot{form_.Centred, form_.KeepOnScreen, form_.Left, form_.Top},
                [&](int dpi) { return WindowSizeAt(dpi, style, ex); });
  dpi_ = place.Dpi;
  const PixelRect& w = place.Window;
  const WindowClass cls{"OrlavoxDialog", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  if (!Window::Create(cls, form_.Caption.c_str(), style, ex, w.Left, w.Top, w.Width, w.Height, parent)) return false;
  // Windows has the last word on the scale the window was created at.
  if (const int actual = WindowDpi(hwnd_); actual != dpi_) {
    dpi_ = actual;
    const PixelRect size = WindowSizeAt(dpi_, style, ex);
    SetWindowPos(hwnd_, nullptr, 0, 0, size.Width, size.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CreateControls();
  // Wider for texts that needed it: about its centre when centred, and still on its work area.
  if (clientWidth_ != Scaled(form_.ClientWidth, dpi_)) {
    RECT was;
    GetWindowRect(hwnd_, &was);
    const PixelRect size = WindowSizeAt(dpi_, style, ex);
    const int grown = size.Width - (was.right - was.left);
    PixelRect now{was.left - (form_.Centred ? grown / 2 : 0), was.top, size.Width, was.bottom - was.top};
    if (const std::optional<PixelRect> area = WorkAreaOf(hwnd_)) now = KeepInside(now, *area);
    SetWindowPos(hwnd_, nullptr, now.Left, now.Top, now.Width, now.Height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

PixelRect Dialog::WindowSizeAt(int dpi, DWORD style, DWORD exStyle) const {
  // The client as wide as its texts need: at another scale, by as much more as it grew at this one.
  int width = Scaled(form_.ClientWidth, dpi);
  if (clientWidth_ > 0) {
    const int grown = clientWidth_ - Scaled(form_.ClientWidth, dpi_);
    width += dpi == dpi_ ? grown : MulDiv(grown, dpi, dpi_);
  }
  RECT r{0, 0, width, Scaled(form_.ClientHeight, dpi)};
  AdjustForDpi(r, style, exStyle, dpi);
  return {0, 0, r.right - r.left, r.bottom - r.top};
}

int Dialog::ShowModal(HWND owner) {
  if (running_) return kResultNone;
  result_ = kResultNone;
  owner_ = owner;
  if (!hwnd_ && !CreateForm(owner)) return kResultNone;
  FormCreate();
  FormShow();
  const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
  if (ownerWasEnabled) EnableWindow(owner_, FALSE);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  HWND focus = GetFocus();
  if (!focus || !IsChild(hwnd_, focus)) {
    HWND f = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (f) SetFocus(f);
  }
  running_ = true;
  const HWND self = hwnd_;
  ModalStack().push_back(self);
  MSG msg;
  while (result_ == kResultNone && hwnd_) {
    // Wide: a character typed into an edit reaches it whole, whatever the code page.
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the loop and let the outer one see it.
      PostQuitMessage(got == 0 ? int(msg.wParam) : 0);
      break;
    }
    if (IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  running_ = false;
  std::vector<HWND>& stack = ModalStack();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it)
    if (*it == self) {
      stack.erase(std::next(it).base());
      break;
    }
  if (ownerWasEnabled) EnableWindow(owner_, TRUE);
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
  Destroy();
  tooltip_ = nullptr;  // destroyed with its owner
  lastFocus_ = nullptr;
  for (Item& it : items_) {
    it.Hwnd = nullptr;
    it.Container.reset();
    it.Ground = nullptr;
  }
  brushes_.clear();
  return result_;
}

HWND Dialog::ModalWindow() {
  const std::vector<HWND>& stack = ModalStack();
  return stack.empty() ? nullptr : stack.back();
}

void Dialog::CloseWith(int result) { result_ = result == kResultNone ? kResultCancel : result; }

}  // namespace orlavox::ui
