#include "ui/dialog.h"

#include <commctrl.h>
#include <richedit.h>

#include <optional>

#include "ui/common_controls.h"
#include "ui/dpi.h"
#include "ui/scale.h"
#include "ui/text_fit.h"
#include "ui/text_room.h"
#include "win/wide_text.h"
#include "win/system_library.h"

// Creating the controls of the table, and laying them out again at a new scale.

namespace orlavox::ui {
namespace {

SIZE TextSize(HFONT font, const std::string& text) {
  ScreenDc screen;
  MemoryDc dc(screen.Get());
  SelectGuard sel(dc.Get(), font);
  return DrawnTextSize(dc.Get(), Wide(text));
}

// A control's rectangle in its parent at `dpi`: the table's place scaled, a
// label without a size as large as its caption, a combo box with room for its
// list below the closed box.
PixelRect ControlRect(const ControlRow& s, HFONT font, int dpi) {
  PixelRect p = Scaled(s.Pos, dpi);
  if ((s.Kind == ControlKind::Label || s.Kind == ControlKind::Link) && (p.Width == 0 || p.Height == 0)) {
    const SIZE sz = TextSize(font, s.Caption);
    if (p.Width == 0) p.Width = sz.cx;
    if (p.Height == 0) p.Height = sz.cy;
  }
  if (s.Kind == ControlKind::Combo)
    p.Height += Scaled(8 + 16 * int(s.Items.size() < 8 ? s.Items.size() : 8), dpi);  // room for the list
  return p;
}

// The item height that makes a closed combo box as high as the table says at
// `dpi` (the box adds its frame of 6 pixels).
int ComboItemHeight(const ControlRow& s, int dpi) {
  const int height = Scaled(s.Pos.Height > 6 ? s.Pos.Height : 21, dpi) - 6;
  return height > 1 ? height : 1;
}

}  // namespace

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
    const wchar_t* cls = L"STATIC";
    HFONT font = FontFor(s, s.Kind == ControlKind::Link);
    const PixelRect p = ControlRect(s, font, dpi_);
    item.Place = p;
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
        break;
      case ControlKind::Check: cls = L"BUTTON"; style |= BS_AUTOCHECKBOX; break;
      case ControlKind::Radio: cls = L"BUTTON"; style |= BS_AUTORADIOBUTTON; break;
      case ControlKind::Edit:
        cls = L"EDIT";
        style |= ES_AUTOHSCROLL | (s.IsReadOnly ? ES_READONLY : 0);
        ex |= WS_EX_CLIENTEDGE;
        break;
      case ControlKind::UpDown:
        UseCommonControls();
        cls = UPDOWN_CLASSW;
        style |= UDS_SETBUDDYINT | UDS_NOTHOUSANDS | UDS_ARROWKEYS | (s.Wraps ? UDS_WRAP : 0);
        break;
      case ControlKind::Combo:
        cls = L"COMBOBOX";
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        break;
      case ControlKind::Button: cls = L"BUTTON"; style |= BS_PUSHBUTTON | BS_NOTIFY; break;
      case ControlKind::BitBtn: cls = L"BUTTON"; style |= BS_OWNERDRAW | BS_NOTIFY; break;
      case ControlKind::Image: style |= SS_ICON | SS_CENTERIMAGE | SS_REALSIZEIMAGE; break;
      case ControlKind::ListView:
        UseCommonControls();
        cls = WC_LISTVIEWW;
        style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
        ex |= WS_EX_CLIENTEDGE;
        break;
      case ControlKind::RichView:
        if (!richEdit_) richEdit_ = LoadSystemLibrary(L"riched20.dll");
        cls = RICHEDIT_CLASSW;
        style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
        ex |= WS_EX_CLIENTEDGE;
        break;
    }
    {
      // Unicode controls: a path or a word in any script stays whole. The
      // rich-text control does not follow a change of scale: made aware of
      // the system's scale only, it is left to Windows to stretch.
      std::optional<SystemAwareScope> stretched;
      if (s.Kind == ControlKind::RichView) stretched.emplace();
      // A button that shows only its glyph is named by its hint, for screen
      // readers; it draws no text.
      const std::string& text = s.Kind == ControlKind::BitBtn && s.Caption.empty() ? s.HintText : s.Caption;
      item.Hwnd = CreateWindowExW(ex, cls, s.Kind == ControlKind::Image ? nullptr : Wide(text).c_str(), style,
                                  p.Left, p.Top, p.Width, p.Height, parent, id, Instance(), nullptr);
    }
    if (!item.Hwnd) continue;
    // A plain value, not a handle: nothing to free when the window goes.
    if (s.Kind == ControlKind::BitBtn && s.Caption.empty()) SetPropW(item.Hwnd, kGlyphOnlyProp, HANDLE(1));
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
        for (const std::string& text : s.Items)
          SendMessageW(item.Hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
        // The closed box is as high as the table says.
        SendMessageA(item.Hwnd, CB_SETITEMHEIGHT, WPARAM(-1), ComboItemHeight(s, dpi_));
        break;
      case ControlKind::RichView:
        SendMessageA(item.Hwnd, EM_SETBKGNDCOLOR, 0, LPARAM(GetSysColor(COLOR_WINDOW)));
        break;
      case ControlKind::ListView: {
        const DWORD lvEx = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
        SendMessageA(item.Hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, lvEx, lvEx);
        // The headers name the columns, for screen readers too.
        for (size_t c = 0; c < s.Columns.size(); ++c) {
          const std::wstring caption = Wide(s.Columns[c].Caption);
          LVCOLUMNW col{};
          col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
          col.pszText = const_cast<wchar_t*>(caption.c_str());
          col.cx = Scaled(s.Columns[c].Width, dpi_);
          col.iSubItem = int(c);
          SendMessageW(item.Hwnd, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&col));
        }
        break;
      }
      default:
        break;
    }
    if (!s.HintText.empty()) {
      if (!tooltip_) {
        UseCommonControls();
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   Instance(), nullptr);
      }
      std::wstring hint = Wide(s.HintText);
      TOOLINFOW ti{};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = hwnd_;
      ti.uId = reinterpret_cast<UINT_PTR>(item.Hwnd);
      ti.lpszText = hint.data();
      if (tooltip_) SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }
  // Up-downs hold their buddies once both exist; the buddy then shows the
  // position. Taking a buddy may resize an up-down: it keeps the table's size.
  for (Item& it : items_) {
    if (it.Row->Kind != ControlKind::UpDown || !it.Hwnd) continue;
    if (const Item* buddy = Find(it.Row->BuddyName)) {
      SendMessageA(it.Hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy->Hwnd), 0);
      const PixelRect p = Scaled(it.Row->Pos, dpi_);
      MoveWindow(it.Hwnd, p.Left, p.Top, p.Width, p.Height, FALSE);
    }
    SendMessageA(it.Hwnd, UDM_SETPOS32, 0, LPARAM(it.Row->Position));
  }
  FitToTexts();
}

void Dialog::FitToTexts() {
  std::vector<FitItem> fit(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) {
    const Item& it = items_[i];
    const ControlRow& s = *it.Row;
    const Item* container = s.Parent.empty() ? nullptr : Find(s.Parent);
    FitItem& f = fit[i];
    f.Parent = container ? int(container - items_.data()) : s.Parent.empty() ? -1 : int(items_.size());
    f.Rect = it.Place;
    if (s.Kind == ControlKind::Combo) f.Rect.Height = Scaled(s.Pos, dpi_).Height;  // the closed box
    f.ToNeighbour = (s.Kind == ControlKind::Label || s.Kind == ControlKind::Link) && s.Pos.Width == 0;
    f.Need = it.Hwnd ? TextWidthNeeded(it.Hwnd, dpi_) : 0;
    if (f.ToNeighbour && f.Need > 0) f.Need += Scaled(4, dpi_);  // not touching its neighbour
  }
  const FitLayout fitted = FitTexts(fit, Scaled(form_.ClientWidth, dpi_), Scaled(4, dpi_));
  clientWidth_ = fitted.ClientWidth;
  for (size_t i = 0; i < items_.size(); ++i) {
    const PixelRect& was = fit[i].Rect;
    const PixelRect& now = fitted.Rects[i];
    if (!items_[i].Hwnd || (now.Left == was.Left && now.Width == was.Width)) continue;
    const PixelRect& p = items_[i].Place;
    MoveWindow(items_[i].Hwnd, now.Left, p.Top, now.Width, p.Height, FALSE);
  }
}

// Moved to a monitor of another scale: the same table at the new scale, in
// the window the system suggests. The window's own resize may carry it onto
// yet another monitor: the change that raises is not taken inside this one.
void Dialog::DpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == dpi_ || rescaling_) return;
  rescaling_ = true;
  dpi_ = dpi;
  std::map<std::string, UniqueFont> old;
  old.swap(fonts_);  // in use until every control has its new font
  for (Item& it : items_) {
    if (!it.Hwnd) continue;
    const ControlRow& s = *it.Row;
    HFONT font = FontFor(s, s.Kind == ControlKind::Link);
    const PixelRect p = ControlRect(s, font, dpi_);
    it.Place = p;
    // Up-downs too: without an align style they stay where they are put.
    MoveWindow(it.Hwnd, p.Left, p.Top, p.Width, p.Height, FALSE);
    SendMessageA(it.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (auto* box = dynamic_cast<ControlContainer*>(it.Container.get())) box->Rescale(font, dpi_);
    if (s.Kind == ControlKind::Combo)
      SendMessageA(it.Hwnd, CB_SETITEMHEIGHT, WPARAM(-1), ComboItemHeight(s, dpi_));
    for (size_t c = 0; s.Kind == ControlKind::ListView && c < s.Columns.size(); ++c)
      SendMessageA(it.Hwnd, LVM_SETCOLUMNWIDTH, c, Scaled(s.Columns[c].Width, dpi_));
  }
  FitToTexts();
  // The window Windows suggests, as wide as the texts need at this scale.
  int width = suggested.right - suggested.left;
  if (clientWidth_ != Scaled(form_.ClientWidth, dpi_))
    width = WindowSizeAt(dpi_, DWORD(GetWindowLongA(hwnd_, GWL_STYLE)), DWORD(GetWindowLongA(hwnd_, GWL_EXSTYLE))).Width;
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, width, suggested.bottom - suggested.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  rescaling_ = false;
}

// The window's size at `dpi`, asked before a move to a monitor of that scale:
// the form's own size there, so the window stays where the pointer holds it.
SIZE Dialog::ScaledSize(int dpi) const {
  const PixelRect w =
      WindowSizeAt(dpi, DWORD(GetWindowLongA(hwnd_, GWL_STYLE)), DWORD(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
  return SIZE{w.Width, w.Height};
}

}  // namespace orlavox::ui
