#include "ui/dialog.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstring>

#include "win/wide_text.h"

// Reading and setting the dialog's controls by name.

namespace orlavox::ui {
namespace {

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

}  // namespace

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

void Dialog::SetRows(const std::string& name, const std::vector<ListRow>& rows) {
  HWND h = Control(name);
  if (!h) return;
  SendMessageW(h, LVM_DELETEALLITEMS, 0, 0);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].Cells.size(); ++c) {
      const std::wstring text = Wide(rows[r].Cells[c]);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = int(r);
      item.iSubItem = int(c);
      item.pszText = const_cast<wchar_t*>(text.c_str());
      SendMessageW(h, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : r, reinterpret_cast<LPARAM>(&item));
    }
    ListView_SetCheckState(h, UINT(r), rows[r].Checked ? TRUE : FALSE);
  }
}

int Dialog::RowCount(const std::string& name) const {
  HWND h = Control(name);
  return h ? int(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

std::string Dialog::CellText(const std::string& name, int row, int column) const {
  HWND h = Control(name);
  if (!h) return {};
  wchar_t text[256] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  const LRESULT n = SendMessageW(h, LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
  return n > 0 ? Utf8(text, int(n)) : std::string();
}

bool Dialog::RowChecked(const std::string& name, int row) const {
  HWND h = Control(name);
  return h && ListView_GetCheckState(h, UINT(row)) != 0;
}

int Dialog::FocusedRow(const std::string& name) const {
  HWND h = Control(name);
  return h ? int(SendMessageW(h, LVM_GETNEXTITEM, WPARAM(-1), LVNI_FOCUSED)) : -1;
}

void Dialog::SelectRow(const std::string& name, int row) {
  HWND h = Control(name);
  if (!h || row < 0) return;
  const UINT both = LVIS_FOCUSED | LVIS_SELECTED;
  ListView_SetItemState(h, row, both, both);
  SendMessageW(h, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
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

}  // namespace orlavox::ui
