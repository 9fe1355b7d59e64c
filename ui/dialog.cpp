#include "ui/dialog.h"

#include <commctrl.h>

#include <cmath>
#include <cstdlib>

#include "ui/dpi.h"
#include "ui/scale.h"

// The dialog itself: its controls by name, the handlers bound to them and the
// messages its controls send. The other parts: dialog_controls.cpp (creation
// and layout, also at a new scale), dialog_modal.cpp (the form, its place and
// the modal loop), dialog_access.cpp (reading and setting controls),
// dialog_paint.cpp (containers and owner-drawn buttons).

namespace orlavox::ui {
namespace {

constexpr UINT kActivatedMessage = WM_APP + 0x40;  // FormActivate, once the activation has settled

bool IsButtonKind(ControlKind k) { return k == ControlKind::Button || k == ControlKind::BitBtn; }

int CALLBACK NoteScalable(const LOGFONTA*, const TEXTMETRICA*, DWORD type, LPARAM found) {
  if (type & TRUETYPE_FONTTYPE) *reinterpret_cast<bool*>(found) = true;
  return 1;
}

// A scalable face of the design of "MS Sans Serif": "Microsoft Sans Serif"
// where it is installed as an outline font, else the system's message font;
// empty when neither is known.
std::string ScalableDialogFace() {
  bool found = false;
  LOGFONTA want{};
  want.lfCharSet = DEFAULT_CHARSET;
  lstrcpyA(want.lfFaceName, "Microsoft Sans Serif");
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExA(screen, &want, NoteScalable, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  if (found) return want.lfFaceName;
  LOGFONTW message{};
  if (!MessageFontForDpi(message, SystemDpi())) return {};
  char face[LF_FACESIZE * 2] = {};
  WideCharToMultiByte(CP_ACP, 0, message.lfFaceName, -1, face, sizeof face, nullptr, nullptr);
  return face;
}

// A sentence and its width in "MS Sans Serif" at the forms' own size, 11
// pixels at 96 DPI: the width the forms were laid out for. (The bitmap font
// itself cannot be asked at another scale: it may answer with a larger size.)
constexpr char kSample[] = "Announce the time before playing the sound";
constexpr int kSampleWidth = 208, kSampleHeight = -11;

int SampleWidth(const std::string& face, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  UniqueFont font(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
  HGDIOBJ old = SelectObject(dc, font.Get());
  SIZE size{};
  GetTextExtentPoint32A(dc, kSample, int(sizeof kSample - 1), &size);
  SelectObject(dc, old);
  DeleteDC(dc);
  return size.cx;
}

// "MS Sans Serif" is a bitmap font of a few sizes, drawn for 96 DPI, the scale
// the forms were laid out at: at any other scale Windows would take a near
// size, and text would not grow with its control. There the dialogs use a
// scalable face of the same design (`fitted`), at the height where text is as
// wide as in "MS Sans Serif" times the scale, never wider: "Microsoft Sans
// Serif" is so at about the height asked for; a message font of another
// design, such as Tahoma, is a little wider, and is made smaller. A dialog
// whose words need letters beyond the Western code page (Polish) takes the
// scalable face at 96 DPI too: the bitmap font has none of them.
std::string DialogFace(const std::string& name, int dpi, bool scalableAlways, bool& fitted) {
  static const std::string scalable = ScalableDialogFace();
  fitted = (dpi != kBaseDpi || scalableAlways) && !scalable.empty() && lstrcmpiA(name.c_str(), "MS Sans Serif") == 0;
  return fitted ? scalable : name;
}

// The largest height (by size, as fonts are asked for: negative) at which
// the sample is no wider than the forms were laid out for, times the scale.
int FittedHeight(const std::string& face, int height) {
  const int target = int(std::lround(double(kSampleWidth) * height / kSampleHeight));
  const int sign = height < 0 ? -1 : 1, least = std::abs(height) * 4 / 5, most = std::abs(height) * 5 / 4;
  int size = std::abs(height);
  while (size > least && SampleWidth(face, sign * size) > target) --size;
  while (size < most && SampleWidth(face, sign * (size + 1)) <= target) ++size;
  return sign * size;
}

}  // namespace

Dialog::Dialog(FormLayout form, std::vector<ControlRow> table) : form_(std::move(form)), table_(std::move(table)) {
  items_.resize(table_.size());
  for (size_t i = 0; i < table_.size(); ++i) {
    items_[i].Row = &table_[i];
    for (const std::string& item : table_[i].Items) scalableFace_ = scalableFace_ || NeedsScalableFace(item);
    scalableFace_ = scalableFace_ || NeedsScalableFace(table_[i].Caption);
  }
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
  bool fitted = false;
  const std::string name = DialogFace(s.FontName.empty() ? form_.FontName : s.FontName, dpi_, scalableFace_, fitted);
  const int height = ScaledFont(s.FontHeight ? s.FontHeight : form_.FontHeight, dpi_);
  const std::string key = name + "|" + std::to_string(height) + (s.Bold ? "|b" : "|n") + (underline ? "|u" : "|n");
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second.Get();
  UniqueFont font(CreateFontA(fitted ? FittedHeight(name, height) : height, 0, 0, 0, s.Bold ? FW_BOLD : FW_NORMAL,
                              FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
  HFONT h = font.Get();
  fonts_.emplace(key, std::move(font));
  return h;
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
void Dialog::OnActivate(const std::string& name, std::function<void()> handler) {
  if (Item* it = Bound(name)) it->Activate = std::move(handler);
}
void Dialog::OnKeyDown(const std::string& name, std::function<void(unsigned key)> handler) {
  if (Item* it = Bound(name)) it->KeyDown = std::move(handler);
}

Dialog::Item* Dialog::FocusedActivatable() {
  Item* focused = FindByHwnd(GetFocus());
  return focused && focused->Row->Kind == ControlKind::ListView && focused->Activate ? focused : nullptr;
}

LRESULT Dialog::NotifyFrom(const NMHDR& n, LPARAM lp) {
  Item* it = FindByHwnd(n.hwndFrom);
  if (!it || it->Row->Kind != ControlKind::ListView) return 0;
  if (n.code == NM_DBLCLK && it->Activate && reinterpret_cast<const NMITEMACTIVATE*>(lp)->iItem >= 0) {
    auto handler = it->Activate;
    handler();
  } else if (n.code == LVN_ITEMCHANGED && it->Change) {
    auto handler = it->Change;
    handler();
  } else if (n.code == LVN_KEYDOWN && it->KeyDown) {
    auto handler = it->KeyDown;
    handler(reinterpret_cast<const NMLVKEYDOWN*>(lp)->wVKey);
  }
  return 0;
}

HWND Dialog::DefaultButton() {
  // The focused button is pressed by Enter; otherwise the default one. A list
  // that opens its rows takes Enter itself.
  if (FocusedActivatable()) return nullptr;
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
  if (role == ButtonRole::Ok) {
    if (FormOkQuery()) CloseWith(kResultOk);
  }
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
        if (Item* list = FocusedActivatable()) {
          auto handler = list->Activate;
          handler();
          return 0;
        }
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
      return lp ? NotifyFrom(*reinterpret_cast<const NMHDR*>(lp), lp) : 0;
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
    case WM_GETDPISCALEDSIZE:
      if (!lp || LOWORD(wp) == 0) return FALSE;
      *reinterpret_cast<SIZE*>(lp) = ScaledSize(LOWORD(wp));
      return TRUE;
    case WM_DPICHANGED:
      if (lp) DpiChanged(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    default: {
      LRESULT answer = 0;
      if (AnsweredTextExtent(msg, wp, lp, answer)) return answer;
      return Default(msg, wp, lp);
    }
  }
}

}  // namespace orlavox::ui
