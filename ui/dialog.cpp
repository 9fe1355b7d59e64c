#include "ui/dialog.h"

#include <commctrl.h>
#include <richedit.h>

#include <iterator>
#include <optional>

#include "ui/monitor_place.h"
#include "win/wide_text.h"

#include "ui/dpi.h"
#include "ui/scale.h"

namespace orlavox::ui {
namespace {

constexpr int kFirstControlId = 100;
constexpr UINT kActivatedMessage = WM_APP + 0x40;  // FormActivate, once the activation has settled

ButtonGlyphs& Glyphs() {
  static ButtonGlyphs glyphs;
  return glyphs;
}

SIZE TextSize(HFONT font, const std::string& text) {
  ScreenDc screen;
  MemoryDc dc(screen.Get());
  SelectGuard sel(dc.Get(), font);
  RECT r{0, 0, 0, 0};
  DrawTextA(dc.Get(), text.c_str(), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

struct StreamSource {
  const std::string* Bytes;
  size_t Pos;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* src = reinterpret_cast<StreamSource*>(cookie);
  const size_t left = src->Bytes->size() - src->Pos;
  const size_t n = left < size_t(wanted) ? left : size_t(wanted);
  if (n) memcpy(buffer, src->Bytes->data() + src->Pos, n);
  src->Pos += n;
  *given = LONG(n);
  return 0;
}

bool IsButtonKind(ControlKind k) { return k == ControlKind::Button || k == ControlKind::BitBtn; }

// The dialogs whose modal loops run, innermost last (one thread: the program's windows live on one).
std::vector<HWND>& ModalStack() {
  static std::vector<HWND> stack;
  return stack;
}

}  // namespace

void SetButtonGlyphs(ButtonGlyphs glyphs) { Glyphs() = std::move(glyphs); }

// --- Containers

ControlContainer::ControlContainer(HWND dialog, const ControlRow& row, HFONT font, HBRUSH ground)
    : dialog_(dialog), row_(row), font_(font), ground_(ground) {}

bool ControlContainer::Create(HWND parent, PixelRect p, int dpi) {
  dpi_ = dpi;
  return Window::Create(WindowClass{"OrlavoxContainer", 0, nullptr}, row_.Caption.c_str(),
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, p.Left, p.Top, p.Width,
                        p.Height, parent);
}

void ControlContainer::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd_, &r);
  FillRect(dc, &r, ground_ ? ground_ : GetSysColorBrush(COLOR_BTNFACE));
  if (row_.Kind == ControlKind::Panel) {
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    return;
  }
  SelectGuard sel(dc, font_);
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  RECT frame = r;
  frame.top = tm.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (row_.Caption.empty()) return;
  const int inset = Scaled(8, dpi_);
  RECT text{inset, 0, r.right - inset, tm.tmHeight};
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, row_.Caption.c_str(), int(row_.Caption.size()), &text, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

LRESULT ControlContainer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_VSCROLL:
    case WM_HSCROLL:
      // What the children report belongs to the dialog.
      return SendMessageA(dialog_, msg, wp, lp);
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintDc pdc(hwnd_);
      Paint(pdc.Get());
      return 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

// --- The dialog

Dialog::Dialog(FormLayout form, std::vector<ControlRow> table) : form_(std::move(form)), table_(std::move(table)) {
  items_.resize(table_.size());
  for (size_t i = 0; i < table_.size(); ++i) items_[i].Row = &table_[i];
}

Dialog::~Dialog() {
  Destroy();
  items_.clear();  // containers before the rich-edit library
  if (richEdit_) FreeLibrary(richEdit_);
}

Dialog::Item* Dialog::Find(const std::string& name) {
  for (Item& it : items_)
    if (it.Row->Name == name) return &it;
  return nullptr;
}

const Dialog::Item* Dialog::Find(const std::string& name) const {
  for (const Item& it : items_)
    if (it.Row->Name == name) return &it;
  return nullptr;
}

Dialog::Item* Dialog::FindByHwnd(HWND h) {
  if (!h) return nullptr;
  for (Item& it : items_)
    if (it.Hwnd == h) return &it;
  return nullptr;
}

HFONT Dialog::FontFor(const ControlRow& s, bool underline) {
  const std::string name = s.FontName.empty() ? form_.FontName : s.FontName;
  const int height = ScaledFont(s.FontHeight ? s.FontHeight : form_.FontHeight, dpi_);
  const std::string key = name + "|" + std::to_string(height) + (s.Bold ? "|b" : "|n") + (underline ? "|u" : "|n");
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();
  UniqueFont font(CreateFontA(height, 0, 0, 0, s.Bold ? FW_BOLD : FW_NORMAL, FALSE, underline, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
  HFONT h = font.Get();
  fonts_.emplace(key, std::move(font));
  return h;
}

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
  // The dialog takes the display scale of its owner's monitor, or of the system.
  dpi_ = owner ? WindowDpi(owner) : SystemDpi();
  RECT r{0, 0, Scaled(form_.ClientWidth, dpi_), Scaled(form_.ClientHeight, dpi_)};
  AdjustForDpi(r, style, ex, dpi_);
  const WindowClass cls{"OrlavoxDialog", 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  if (!Window::Create(cls, form_.Caption.c_str(), style, ex, 0, 0, r.right - r.left, r.bottom - r.top, parent))
    return false;
  CreateControls();
  PlaceWindow();
  return true;
}

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) {
    const RECT& m = info.rcMonitor;
    const RECT& w = info.rcWork;
    reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
        {{m.left, m.top, m.right - m.left, m.bottom - m.top},
         {w.left, w.top, w.right - w.left, w.bottom - w.top},
         (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

// What a dialog belongs to on the screen: its owner while that is on the
// screen, else the taskbar with the notification area (a clock hidden in
// the tray is there).
std::optional<PixelRect> AnchorOf(HWND owner) {
  HWND anchor = owner && IsWindowVisible(owner) && !IsIconic(owner) ? owner : FindWindowW(L"Shell_TrayWnd", nullptr);
  RECT r;
  if (!anchor || !GetWindowRect(anchor, &r)) return std::nullopt;
  return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A library of Windows itself, from the system folder by its full path: a
// file of the same name beside the program (a Downloads folder) is never
// the one loaded.
HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  const UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, n) + L"\\" + name).c_str());
}

}  // namespace

void Dialog::PlaceWindow() {
  RECT w;
  GetWindowRect(hwnd_, &w);
  const int width = w.right - w.left, height = w.bottom - w.top;
  if (!form_.Centred && !form_.KeepOnScreen) {
    SetWindowPos(hwnd_, nullptr, form_.Left, form_.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    const PixelRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    monitors.push_back({screen, screen, true});
  }
  const MonitorArea& monitor = monitors[MonitorFor(monitors, AnchorOf(owner_))];
  const PixelRect placed = form_.Centred ? CentreIn(monitor.Work, width, height)
                                         : PlaceOnMonitor(monitor, {form_.Left, form_.Top, width, height});
  SetWindowPos(hwnd_, nullptr, placed.Left, placed.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::CreateControls() {
  const std::vector<size_t> order = CreationOrder(table_);
  for (size_t k = 0; k < order.size(); ++k) {
    const size_t index = order[k];
    Item& item = items_[index];
    const ControlRow& s = table_[index];
    const Item* container = s.Parent.empty() ? nullptr : Find(s.Parent);
    HWND parent = container ? container->Hwnd : hwnd_;
    if (!parent) continue;
    const HMENU id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kFirstControlId + index));
    DWORD style = WS_CHILD | WS_VISIBLE;
    // An up-down shows no focus: Tab goes from its buddy to the next control.
    if (s.Tab != kNoTab && s.Kind != ControlKind::UpDown) style |= WS_TABSTOP;
    if (StartsGroup(table_, order, k)) style |= WS_GROUP;
    DWORD ex = 0;
    const char* cls = "STATIC";
    PixelRect p = Scaled(s.Pos, dpi_);
    HFONT font = FontFor(s, s.Kind == ControlKind::Link);
    switch (s.Kind) {
      case ControlKind::GroupBox:
      case ControlKind::Panel: {
        HBRUSH ground = nullptr;
        if (s.Colour != kNoColour) {
          brushes_.emplace_back(CreateSolidBrush(s.Colour));
          ground = brushes_.back().Get();
        }
        item.Ground = ground;
        auto box = std::make_unique<ControlContainer>(hwnd_, s, font, ground);
        if (box->Create(parent, p, dpi_)) {
          item.Hwnd = box->Handle();
          item.Container = std::move(box);
        }
        continue;
      }
      case ControlKind::Label:
      case ControlKind::Link:
        style |= s.Centre ? SS_CENTER : (s.WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
        if (s.Kind == ControlKind::Link) style |= SS_NOTIFY;
        if (p.Width == 0 || p.Height == 0) {
          const SIZE sz = TextSize(font, s.Caption);
          if (p.Width == 0) p.Width = sz.cx;
          if (p.Height == 0) p.Height = sz.cy;
        }
        break;
      case ControlKind::Check: cls = "BUTTON"; style |= BS_AUTOCHECKBOX; break;
      case ControlKind::Radio: cls = "BUTTON"; style |= BS_AUTORADIOBUTTON; break;
      case ControlKind::Edit:
        cls = "EDIT";
        style |= ES_AUTOHSCROLL | (s.IsReadOnly ? ES_READONLY : 0);
        ex |= WS_EX_CLIENTEDGE;
        break;
      case ControlKind::UpDown:
        cls = UPDOWN_CLASSA;
        style |= UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS | (s.Wraps ? UDS_WRAP : 0);
        break;
      case ControlKind::Combo:
        cls = "COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        p.Height += Scaled(8 + 16 * int(s.Items.size() < 8 ? s.Items.size() : 8), dpi_);  // room for the list
        break;
      case ControlKind::Button: cls = "BUTTON"; style |= BS_PUSHBUTTON | BS_NOTIFY; break;
      case ControlKind::BitBtn: cls = "BUTTON"; style |= BS_OWNERDRAW | BS_NOTIFY; break;
      case ControlKind::Image: style |= SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE; break;
      case ControlKind::RichView:
        if (!richEdit_) richEdit_ = LoadSystemLibrary(L"riched20.dll");
        cls = RICHEDIT_CLASSA;
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
        ex |= WS_EX_CLIENTEDGE;
        break;
    }
    if (s.Kind == ControlKind::Edit)  // a Unicode edit: a path in any script stays whole
      item.Hwnd = CreateWindowExW(ex, L"EDIT", Wide(s.Caption).c_str(), style, p.Left, p.Top, p.Width, p.Height,
                                  parent, id, Instance(), nullptr);
    else
      item.Hwnd = CreateWindowExA(ex, cls, s.Kind == ControlKind::Image ? nullptr : s.Caption.c_str(), style,
                                  p.Left, p.Top, p.Width, p.Height, parent, id, Instance(), nullptr);
    if (!item.Hwnd) continue;
    SendMessageA(item.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    switch (s.Kind) {
      case ControlKind::Edit:
        if (s.MaxLen > 0) SendMessageA(item.Hwnd, EM_LIMITTEXT, WPARAM(s.MaxLen), 0);
        break;
      case ControlKind::UpDown: {
        SendMessageA(item.Hwnd, UDM_SETRANGE32, WPARAM(s.Min), LPARAM(s.Max));
        UDACCEL accel{0, UINT(s.Step > 0 ? s.Step : 1)};
        SendMessageA(item.Hwnd, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
        break;
      }
      case ControlKind::Combo:
        for (const std::string& text : s.Items) SendMessageA(item.Hwnd, CB_ADDSTRING, 0, LPARAM(text.c_str()));
        // The closed box is as high as the table says.
        SendMessageA(item.Hwnd, CB_SETITEMHEIGHT, WPARAM(-1), Scaled(s.Pos.Height > 6 ? s.Pos.Height - 6 : 15, dpi_));
        break;
      case ControlKind::RichView:
        SendMessageA(item.Hwnd, EM_SETBKGNDCOLOR, 0, LPARAM(GetSysColor(COLOR_WINDOW)));
        break;
      default:
        break;
    }
    if (!s.HintText.empty()) {
      if (!tooltip_)
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   Instance(), nullptr);
      TOOLINFOA ti{};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = hwnd_;
      ti.uId = reinterpret_cast<UINT_PTR>(item.Hwnd);
      ti.lpszText = const_cast<char*>(s.HintText.c_str());
      if (tooltip_) SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }
  // Up-downs hold their buddies once both exist; the buddy then shows the position.
  for (Item& it : items_) {
    if (it.Row->Kind != ControlKind::UpDown || !it.Hwnd) continue;
    if (const Item* buddy = Find(it.Row->BuddyName))
      SendMessageA(it.Hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Hwnd), 0);
    SendMessageA(it.Hwnd, UDM_SETPOS32, 0, LPARAM(it.Row->Position));
  }
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

HWND Dialog::Control(const std::string& name) const {
  const Item* it = Find(name);
  return it ? it->Hwnd : nullptr;
}

std::string Dialog::Text(const std::string& name) const {
  HWND h = Control(name);
  if (!h) return {};
  const int n = GetWindowTextLengthW(h);
  std::wstring text(size_t(n) + 1, L'\0');
  const int got = GetWindowTextW(h, text.data(), n + 1);
  return Utf8(text.c_str(), got > 0 ? got : 0);
}

void Dialog::SetText(const std::string& name, const std::string& text) {
  if (HWND h = Control(name)) SetWindowTextW(h, Wide(text).c_str());
}

bool Dialog::Checked(const std::string& name) const {
  HWND h = Control(name);
  return h && SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Dialog::SetChecked(const std::string& name, bool checked) {
  const Item* it = Find(name);
  if (!it || !it->Hwnd) return;
  SendMessageA(it->Hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (checked && it->Row->Kind == ControlKind::Radio) {
    // One radio button of a run is checked at a time.
    for (const Item& other : items_)
      if (&other != it && other.Row->Kind == ControlKind::Radio && other.Row->Parent == it->Row->Parent &&
          other.Hwnd)
        SendMessageA(other.Hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

bool Dialog::Enabled(const std::string& name) const {
  HWND h = Control(name);
  return h && IsWindowEnabled(h);
}

void Dialog::SetEnabled(const std::string& name, bool enabled) {
  if (HWND h = Control(name)) EnableWindow(h, enabled);
}

void Dialog::SetVisible(const std::string& name, bool visible) {
  if (HWND h = Control(name)) ShowWindow(h, visible ? SW_SHOWNA : SW_HIDE);
}

int Dialog::Position(const std::string& name) const {
  HWND h = Control(name);
  return h ? int(SendMessageA(h, UDM_GETPOS32, 0, 0)) : 0;
}

void Dialog::SetPosition(const std::string& name, int position) {
  if (HWND h = Control(name)) SendMessageA(h, UDM_SETPOS32, 0, LPARAM(position));
}

void Dialog::SetRange(const std::string& name, int min, int max) {
  if (HWND h = Control(name)) SendMessageA(h, UDM_SETRANGE32, WPARAM(min), LPARAM(max));
}

int Dialog::ItemIndex(const std::string& name) const {
  HWND h = Control(name);
  return h ? int(SendMessageA(h, CB_GETCURSEL, 0, 0)) : -1;
}

void Dialog::SetItemIndex(const std::string& name, int index) {
  if (HWND h = Control(name)) SendMessageA(h, CB_SETCURSEL, WPARAM(index), 0);
}

void Dialog::Focus(const std::string& name) {
  HWND h = Control(name);
  if (!h) return;
  lastFocus_ = h;  // before the dialog is shown: where the focus starts
  if (IsWindowVisible(hwnd_)) SetFocus(h);
}

void Dialog::SetIcon(const std::string& name, HICON icon) {
  if (HWND h = Control(name)) SendMessageA(h, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

bool Dialog::LoadRichText(const std::string& name, const std::string& bytes, bool asRtf) {
  HWND h = Control(name);
  if (!h) return false;
  StreamSource src{&bytes, 0};
  EDITSTREAM es{};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&src);
  es.pfnCallback = &ReadStream;
  const LRESULT taken = SendMessageA(h, EM_STREAMIN, asRtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&es));
  return es.dwError == 0 && taken > 0 && GetWindowTextLengthA(h) > 0;
}

Dialog::Item* Dialog::Bound(const std::string& name) {
  Item* it = Find(name);
  if (!it) UnknownControlBound(form_.Caption, name);
  return it;
}

void Dialog::OnClick(const std::string& name, std::function<void()> handler) {
  if (Item* it = Bound(name)) it->Click = std::move(handler);
}
void Dialog::OnChange(const std::string& name, std::function<void()> handler) {
  if (Item* it = Bound(name)) it->Change = std::move(handler);
}
void Dialog::OnExit(const std::string& name, std::function<void()> handler) {
  if (Item* it = Bound(name)) it->Exit = std::move(handler);
}

HWND Dialog::DefaultButton() {
  // The focused button is pressed by Enter; otherwise the default one.
  if (Item* focused = FindByHwnd(GetFocus()))
    if (IsButtonKind(focused->Row->Kind)) return focused->Hwnd;
  for (Item& it : items_)
    if (it.Row->IsDefault && it.Hwnd) return it.Hwnd;
  return nullptr;
}

void Dialog::ButtonPressed(Item& item) {
  // The handler may close the dialog (and so destroy the item's window):
  // take what is needed first.
  const ButtonRole role = item.Row->Role;
  const ControlKind kind = item.Row->Kind;
  if (item.Click) {
    auto handler = item.Click;
    handler();
  }
  if (kind != ControlKind::BitBtn) return;
  if (role == ButtonRole::Ok)
    CloseWith(kResultOk);
  else if (role == ButtonRole::Cancel || role == ButtonRole::Close)
    CloseWith(kResultCancel);
}

LRESULT Dialog::CommandFrom(HWND control, UINT code) {
  Item* it = FindByHwnd(control);
  if (!it) return 0;
  std::function<void()> handler;
  switch (it->Row->Kind) {
    case ControlKind::Button:
    case ControlKind::BitBtn:
      if (code == BN_CLICKED) {
        if (IsWindowEnabled(it->Hwnd)) ButtonPressed(*it);
      } else if (code == BN_SETFOCUS || code == BN_KILLFOCUS) {
        // The default frame follows the focus.
        for (Item& b : items_)
          if (b.Row->Kind == ControlKind::BitBtn && b.Hwnd) InvalidateRect(b.Hwnd, nullptr, FALSE);
      }
      return 0;
    case ControlKind::Check:
    case ControlKind::Radio:
      if (code == BN_CLICKED) handler = it->Click;
      break;
    case ControlKind::Link:
      if (code == STN_CLICKED) handler = it->Click;
      break;
    case ControlKind::Edit:
      if (code == EN_CHANGE) handler = it->Change;
      if (code == EN_KILLFOCUS) handler = it->Exit;
      break;
    case ControlKind::Combo:
      if (code == CBN_SELCHANGE) handler = it->Change;
      if (code == CBN_KILLFOCUS) handler = it->Exit;
      break;
    default:
      break;
  }
  if (handler) handler();
  return 0;
}

void Dialog::DrawBitBtn(const DRAWITEMSTRUCT& d) {
  Item* it = FindByHwnd(d.hwndItem);
  if (!it) return;
  const ControlRow& s = *it->Row;
  HDC dc = d.hDC;
  RECT r = d.rcItem;
  const bool pressed = (d.itemState & ODS_SELECTED) != 0;
  const bool enabled = (d.itemState & ODS_DISABLED) == 0;
  const bool focused = (d.itemState & ODS_FOCUS) != 0;
  const bool isDefault = d.hwndItem == DefaultButton() && enabled;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  if (isDefault) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0));
  if (pressed) FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));

  const ButtonGlyphs& glyphs = Glyphs();
  const bool hasGlyph = glyphs.Paint && (s.Role == ButtonRole::Ok || s.Role == ButtonRole::Cancel ||
                                         s.Role == ButtonRole::Help || s.GlyphId != kNoGlyph);
  SelectGuard sel(dc, FontFor(s));
  RECT textRect{0, 0, 0, 0};
  if (!s.Caption.empty())
    DrawTextA(dc, s.Caption.c_str(), int(s.Caption.size()), &textRect, DT_CALCRECT | DT_SINGLELINE);
  const int gap = hasGlyph && !s.Caption.empty() ? Scaled(4, dpi_) : 0;
  const int glyphSize = Scaled(glyphs.Size, dpi_);
  const int glyphW = hasGlyph ? glyphSize : 0;
  const int contentW = glyphW + gap + textRect.right;
  const int shift = pressed ? 1 : 0;
  int x = (d.rcItem.left + d.rcItem.right - contentW) / 2 + shift;
  const int midY = (d.rcItem.top + d.rcItem.bottom) / 2 + shift;
  if (hasGlyph) {
    glyphs.Paint(dc, s.Role, s.GlyphId, enabled, x, midY - glyphSize / 2, glyphSize);
    x += glyphW + gap;
  }
  if (!s.Caption.empty()) {
    RECT t{x, midY - textRect.bottom / 2, x + textRect.right, midY - textRect.bottom / 2 + textRect.bottom};
    SetBkMode(dc, TRANSPARENT);
    if (enabled) {
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      DrawTextA(dc, s.Caption.c_str(), int(s.Caption.size()), &t, DT_SINGLELINE);
    } else {
      // Embossed, as disabled buttons show their captions.
      OffsetRect(&t, 1, 1);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextA(dc, s.Caption.c_str(), int(s.Caption.size()), &t, DT_SINGLELINE);
      OffsetRect(&t, -1, -1);
      SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
      DrawTextA(dc, s.Caption.c_str(), int(s.Caption.size()), &t, DT_SINGLELINE);
    }
  }
  if (focused) {
    RECT f = d.rcItem;
    InflateRect(&f, -Scaled(4, dpi_), -Scaled(4, dpi_));
    DrawFocusRect(dc, &f);
  }
}

LRESULT Dialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lp);
      if (FindByHwnd(control)) return CommandFrom(control, HIWORD(wp));
      // Enter and Escape, as the dialog manager reports them.
      const UINT id = LOWORD(wp);
      if (id == IDCANCEL) {
        for (Item& it : items_)
          if (it.Row->IsCancel && it.Hwnd && IsWindowEnabled(it.Hwnd)) {
            ButtonPressed(it);
            break;
          }
        return 0;
      }
      if (id == IDOK) {
        if (Item* def = FindByHwnd(DefaultButton()))
          if (IsWindowEnabled(def->Hwnd)) ButtonPressed(*def);
        return 0;
      }
      if (id >= kFirstControlId && id < kFirstControlId + items_.size() && IsButtonKind(items_[id - kFirstControlId].Row->Kind)) {
        Item& it = items_[id - kFirstControlId];
        if (it.Hwnd && IsWindowEnabled(it.Hwnd)) ButtonPressed(it);
      }
      return 0;
    }
    case DM_GETDEFID: {
      HWND def = DefaultButton();
      if (!def) return 0;
      return MAKELRESULT(GetDlgCtrlID(def), DC_HASDEFID);
    }
    case WM_NOTIFY:
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (LOWORD(wp) == SB_THUMBPOSITION)
        if (Item* it = FindByHwnd(reinterpret_cast<HWND>(lp)))
          if (it->Click) {
            auto handler = it->Click;
            handler();
          }
      return 0;
    case WM_DRAWITEM: {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      if (d && d->CtlType == ODT_BUTTON) {
        DrawBitBtn(*d);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wp);
      Item* it = FindByHwnd(reinterpret_cast<HWND>(lp));
      if (!it) return Default(msg, wp, lp);
      if (it->Row->Kind == ControlKind::Edit) {  // read-only edits stay white
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      if (it->Row->Kind == ControlKind::Link) SetTextColor(dc, RGB(0, 0, 255));
      // Controls on a coloured panel take its colour.
      const Item* container = it->Row->Parent.empty() ? nullptr : Find(it->Row->Parent);
      if (container && container->Ground) {
        SetBkColor(dc, container->Row->Colour);
        return reinterpret_cast<LRESULT>(container->Ground);
      }
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR: {
      Item* it = FindByHwnd(reinterpret_cast<HWND>(wp));
      if (it && it->Row->Kind == ControlKind::Link) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      return Default(msg, wp, lp);
    }
    case WM_ACTIVATE: {
      // The focus stays on the control that had it when the dialog was left.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(hwnd_, f)) lastFocus_ = f;
        return 0;
      }
      PostMessageA(hwnd_, kActivatedMessage, 0, 0);
      HWND f = lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (f) SetFocus(f);
      return 0;
    }
    case kActivatedMessage:
      if (running_ && result_ == kResultNone) FormActivate();
      return 0;
    case WM_CLOSE:
      if (FormCloseQuery()) CloseWith(kResultCancel);
      return 0;
    case WM_DPICHANGED:
      if (lp) DpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

// Moved to a monitor of another scale: the same table at the new scale, in
// the window the system suggests.
void Dialog::DpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  std::map<std::string, UniqueFont> old;
  old.swap(fonts_);  // in use until every control has its new font
  for (Item& it : items_) {
    if (!it.Hwnd) continue;
    const ControlRow& s = *it.Row;
    PixelRect p = Scaled(s.Pos, dpi_);
    HFONT font = FontFor(s, s.Kind == ControlKind::Link);
    if ((s.Kind == ControlKind::Label || s.Kind == ControlKind::Link) && (p.Width == 0 || p.Height == 0)) {
      const SIZE sz = TextSize(font, s.Caption);
      if (p.Width == 0) p.Width = sz.cx;
      if (p.Height == 0) p.Height = sz.cy;
    }
    if (s.Kind == ControlKind::Combo)
      p.Height += Scaled(8 + 16 * int(s.Items.size() < 8 ? s.Items.size() : 8), dpi_);
    if (s.Kind == ControlKind::UpDown) {
      // An up-down sits against its buddy: it is put back there below.
      SendMessageA(it.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      continue;
    }
    MoveWindow(it.Hwnd, p.Left, p.Top, p.Width, p.Height, FALSE);
    SendMessageA(it.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (auto* box = dynamic_cast<ControlContainer*>(it.Container.get())) box->Rescale(font, dpi_);
    if (s.Kind == ControlKind::Combo)
      SendMessageA(it.Hwnd, CB_SETITEMHEIGHT, WPARAM(-1), Scaled(s.Pos.Height > 6 ? s.Pos.Height - 6 : 15, dpi_));
  }
  for (Item& it : items_)
    if (it.Row->Kind == ControlKind::UpDown && it.Hwnd)
      if (const Item* buddy = Find(it.Row->BuddyName))
        SendMessageA(it.Hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Hwnd), 0);
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace orlavox::ui
