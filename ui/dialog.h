#pragma once
// A modal dialog built from a table of controls (control_table.h). The derived
// class gives the form and the table, binds its handlers to the controls'
// events, and reads and sets the controls, all through the controls' typed
// handles (control_ids.h). ShowModal runs a nested message loop: timers and
// messages of the other windows go on being served while the dialog is open,
// and the owner is disabled meanwhile.
//
// Keys: Tab and Shift+Tab move in the table's tab order, also through group
// boxes and panels; the arrow keys move inside a run of radio buttons; Enter
// presses the focused button, or else the default button; Escape presses the
// cancel button, and does nothing when the table has none.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "ui/control_table.h"
#include "ui/gdi.h"
#include "ui/window.h"

namespace orlavox::ui {

struct FormLayout {
  std::string Caption;
  int ClientWidth = 0, ClientHeight = 0;
  // Centred on the work area of the monitor that holds the owner (or, with
  // the owner hidden, the taskbar); otherwise at Left, Top. Laid out at that
  // monitor's scale.
  bool Centred = true;
  int Left = 0, Top = 0;
  // Left, Top taken from that monitor's corner, and moved just enough to lie
  // inside its work area.
  bool KeepOnScreen = false;
  bool SystemMenu = true;     // the close box; without it the caption has no buttons
  bool OwnTaskbarButton = false;  // an unowned top-level window with a taskbar button of its own
  bool Topmost = false;           // above every window that is not topmost itself
  std::string FontName = "MS Sans Serif";
  int FontHeight = -11;

  // Modifiers, for a dialog's one-line form: ui::Form("Alarm!", 219, 130).NoSystemMenu()
  FormLayout& NoSystemMenu() { SystemMenu = false; return *this; }
  FormLayout& WithTaskbarButton() { OwnTaskbarButton = true; return *this; }
  FormLayout& AlwaysOnTop() { Topmost = true; return *this; }
  // At a place of its own, moved just enough to lie on the work area when it would not.
  FormLayout& PlacedAt(int left, int top) { Centred = false; Left = left; Top = top; KeepOnScreen = true; return *this; }
};
// A dialog form of the given client size, centred on its monitor, with a close box.
inline FormLayout Form(const std::string& caption, int clientWidth, int clientHeight) {
  FormLayout f;
  f.Caption = caption;
  f.ClientWidth = clientWidth;
  f.ClientHeight = clientHeight;
  return f;
}

// Paints a BitBtn's glyph (glyph size x size at x, y); the program supplies
// its pictures, the layer has none of its own.
// Size is the glyph's size at 96 DPI; Paint gets the size to draw at.
struct ButtonGlyphs {
  int Size = 16;
  std::function<void(HDC dc, ButtonRole role, int glyphId, bool enabled, int x, int y, int size)> Paint;
};
void SetButtonGlyphs(ButtonGlyphs glyphs);

// A handler bound to a name that the dialog's table does not hold: a renamed
// control whose handler would silently never run. Each program links one of
// its two definitions (ui/seams_shipped.cpp, ui/seams_testbuild.cpp): the test
// build ends at once with a message naming the dialog and the name; the
// shipped program binds nothing and goes on.
void UnknownControlBound(const std::string& dialog, const std::string& name);
// The test build measures, for the end-to-end tests in their own process, the
// text of a dialog's control (wParam) with the control's own font: on one
// line, or word-wrapped in lParam pixels; the answer is MAKELRESULT(width,
// height). True when `msg` was that question (the registered message
// "Orlavox test: text extent"); the shipped program has none.
bool AnsweredTextExtent(UINT msg, WPARAM wp, LPARAM lp, LRESULT& answer);

class Dialog : public Window {
 public:
  Dialog(FormLayout form, std::vector<ControlRow> table);
  ~Dialog() override;

  // Shows the dialog modally over `owner` (may be null) and returns the
  // result it closed with: kResultOk, kResultCancel, or kResultNone when the
  // message loop ended (WM_QUIT, which is posted again) or it could not open.
  int ShowModal(HWND owner);
  // Ends the modal loop with `result`.
  void CloseWith(int result);
  int Result() const { return result_; }
  // The innermost dialog running modally on this thread, or null: what a
  // command from outside the dialogs (the tray icon) brings forward instead
  // of opening another window over it.
  static HWND ModalWindow();

  // Controls by their typed handles (control_ids.h), each accessor for the
  // kinds it serves. Texts are UTF-8; edits are Unicode windows, so a path in
  // any script stays whole.
  template <ControlKind K>
  HWND Control(ControlId<K> id) const { return Control(std::string(id.Name)); }
  template <ControlKind K>
  std::string Text(ControlId<K> id) const {
    static_assert(HoldsText(K), "Text reads an edit, a rich-text view or a label");
    return Text(std::string(id.Name));
  }
  template <ControlKind K>
  void SetText(ControlId<K> id, const std::string& text) {
    static_assert(HoldsText(K), "SetText writes an edit, a rich-text view or a label");
    SetText(std::string(id.Name), text);
  }
  template <ControlKind K>
  bool Checked(ControlId<K> id) const {
    static_assert(IsCheckable(K), "Checked reads a check box or a radio button");
    return Checked(std::string(id.Name));
  }
  template <ControlKind K>
  void SetChecked(ControlId<K> id, bool checked) {
    static_assert(IsCheckable(K), "SetChecked sets a check box or a radio button");
    SetChecked(std::string(id.Name), checked);
  }
  template <ControlKind K>
  bool Enabled(ControlId<K> id) const { return Enabled(std::string(id.Name)); }
  template <ControlKind K>
  void SetEnabled(ControlId<K> id, bool enabled) { SetEnabled(std::string(id.Name), enabled); }
  template <ControlKind K>
  void SetVisible(ControlId<K> id, bool visible) { SetVisible(std::string(id.Name), visible); }
  int Position(UpDownId id) const { return Position(std::string(id.Name)); }
  void SetPosition(UpDownId id, int position) { SetPosition(std::string(id.Name), position); }
  void SetRange(UpDownId id, int min, int max) { SetRange(std::string(id.Name), min, max); }
  int ItemIndex(ComboId id) const { return ItemIndex(std::string(id.Name)); }  // -1 for none
  void SetItemIndex(ComboId id, int index) { SetItemIndex(std::string(id.Name), index); }
  template <ControlKind K>
  void Focus(ControlId<K> id) { Focus(std::string(id.Name)); }
  // The dialog does not own the icon.
  void SetIcon(ImageId id, HICON icon) { SetIcon(std::string(id.Name), icon); }
  // List views: the rows (each row's texts by column, UTF-8, and its check
  // box), the row that has the focus (-1 for none) and each row's check box.
  struct ListRow {
    bool Checked = false;
    std::vector<std::string> Cells;
  };
  void SetRows(ListViewId id, const std::vector<ListRow>& rows) { SetRows(std::string(id.Name), rows); }
  int RowCount(ListViewId id) const { return RowCount(std::string(id.Name)); }
  std::string CellText(ListViewId id, int row, int column) const {
    return CellText(std::string(id.Name), row, column);
  }
  bool RowChecked(ListViewId id, int row) const { return RowChecked(std::string(id.Name), row); }
  int FocusedRow(ListViewId id) const { return FocusedRow(std::string(id.Name)); }
  // Selects the row and gives it the focus inside the list, scrolled into view.
  void SelectRow(ListViewId id, int row) { SelectRow(std::string(id.Name), row); }
  // Fills a rich-text view from a stream of bytes, as rich text or as plain
  // text; false when the control took nothing from it.
  bool LoadRichText(RichViewId id, const std::string& bytes, bool asRtf) {
    return LoadRichText(std::string(id.Name), bytes, asRtf);
  }

  // Events: a click (buttons, check boxes, radio buttons, link labels, the
  // arrows of an up-down), a change (the text of an edit, the choice of a
  // combo box, a list view's focused, selected or checked row) and the focus leaving an edit or a combo box.
  // A handle the table does not hold is a fault of the program: see
  // UnknownControlBound.
  template <ControlKind K>
  void OnClick(ControlId<K> id, std::function<void()> handler) {
    static_assert(IsClickable(K), "OnClick binds a button, a check box, a radio button, a link or an up-down");
    OnClick(std::string(id.Name), std::move(handler));
  }
  template <ControlKind K>
  void OnChange(ControlId<K> id, std::function<void()> handler) {
    static_assert(IsChangeable(K), "OnChange binds an edit, a combo box or a list view");
    OnChange(std::string(id.Name), std::move(handler));
  }
  template <ControlKind K>
  void OnExit(ControlId<K> id, std::function<void()> handler) {
    static_assert(K == ControlKind::Edit || K == ControlKind::Combo, "OnExit binds an edit or a combo box");
    OnExit(std::string(id.Name), std::move(handler));
  }
  // A list view's row opened: Enter on the list, or a double click on a row.
  void OnActivate(ListViewId id, std::function<void()> handler) { OnActivate(std::string(id.Name), std::move(handler)); }
  // A key pressed on a list view (its virtual-key code).
  void OnKeyDown(ListViewId id, std::function<void(unsigned key)> handler) {
    OnKeyDown(std::string(id.Name), std::move(handler));
  }

 protected:
  // After the controls exist, before the dialog is shown.
  virtual void FormCreate() {}
  // When the dialog is shown, before the focus is placed.
  virtual void FormShow() {}
  // Each time the dialog becomes the active window, first when it opens.
  virtual void FormActivate() {}
  // A close by the close box or Alt+F4; false refuses it.
  virtual bool FormCloseQuery() { return true; }
  // The OK button pressed, after its click handler; false keeps the dialog open.
  virtual bool FormOkQuery() { return true; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  const FormLayout& Layout() const { return form_; }
  // The display scale the dialog is drawn at; the table's pixels are for 96.
  int Dpi() const { return dpi_; }

 private:
  static constexpr int kFirstControlId = 100;  // the id of the table's first control; the others follow
  // The same by the controls' names; null or neutral values for unknown
  // names. Private: a misspelt name would compile and read nothing.
  HWND Control(const std::string& name) const;
  std::string Text(const std::string& name) const;
  void SetText(const std::string& name, const std::string& text);
  bool Checked(const std::string& name) const;
  void SetChecked(const std::string& name, bool checked);
  bool Enabled(const std::string& name) const;
  void SetEnabled(const std::string& name, bool enabled);
  void SetVisible(const std::string& name, bool visible);
  int Position(const std::string& name) const;  // of an up-down
  void SetPosition(const std::string& name, int position);
  void SetRange(const std::string& name, int min, int max);
  int ItemIndex(const std::string& name) const;  // of a combo box; -1 for none
  void SetItemIndex(const std::string& name, int index);
  void Focus(const std::string& name);
  void SetIcon(const std::string& name, HICON icon);  // of an image; the dialog does not own it
  bool LoadRichText(const std::string& name, const std::string& bytes, bool asRtf);
  void SetRows(const std::string& name, const std::vector<ListRow>& rows);
  int RowCount(const std::string& name) const;
  std::string CellText(const std::string& name, int row, int column) const;
  bool RowChecked(const std::string& name, int row) const;
  int FocusedRow(const std::string& name) const;
  void SelectRow(const std::string& name, int row);
  void OnActivate(const std::string& name, std::function<void()> handler);
  void OnKeyDown(const std::string& name, std::function<void(unsigned key)> handler);

  void OnClick(const std::string& name, std::function<void()> handler);
  void OnChange(const std::string& name, std::function<void()> handler);
  void OnExit(const std::string& name, std::function<void()> handler);

  struct Item {
    const ControlRow* Row = nullptr;
    HWND Hwnd = nullptr;
    std::unique_ptr<Window> Container;  // for group boxes and panels
    HBRUSH Ground = nullptr;            // a panel's own colour
    PixelRect Place;                    // at the dialog's scale, before the texts were fitted
    std::function<void()> Click, Change, Exit;
    std::function<void()> Activate;         // a list view's row opened
    std::function<void(unsigned)> KeyDown;  // a key on a list view
  };
  // The focused list view that opens its rows on Enter, or null.
  Item* FocusedActivatable();
  LRESULT NotifyFrom(const NMHDR& n, LPARAM lp);
  bool CreateForm(HWND owner);
  void CreateControls();
  // Widens what a text does not fit (text_fit.h), from the controls at their
  // places at the dialog's scale; sets the client's width.
  void FitToTexts();
  HFONT FontFor(const ControlRow& s, bool underline = false);
  Item* Find(const std::string& name);
  const Item* Find(const std::string& name) const;
  // The item a handler is bound to; reports a name the table does not hold.
  Item* Bound(const std::string& name);
  Item* FindByHwnd(HWND h);
  void DrawBitBtn(const DRAWITEMSTRUCT& d);
  void ButtonPressed(Item& item);
  HWND DefaultButton();
  LRESULT CommandFrom(HWND control, UINT code);
  // The whole window (Width, Height) for the form's client at `dpi`.
  PixelRect WindowSizeAt(int dpi, DWORD style, DWORD exStyle) const;
  void DpiChanged(int dpi, const RECT& suggested);
  SIZE ScaledSize(int dpi) const;

  FormLayout form_;
  std::vector<ControlRow> table_;
  std::vector<Item> items_;
  std::map<std::string, UniqueFont> fonts_;
  std::vector<UniqueBrush> brushes_;
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  HMODULE richEdit_ = nullptr;
  int result_ = kResultNone;
  int dpi_ = 96;
  int clientWidth_ = 0;  // the client's width at dpi_ with the texts fitted; 0 before
  bool running_ = false;
  bool rescaling_ = false;  // inside DpiChanged: the window's own resize raises no second one
  bool scalableFace_ = false;  // a text needs letters "MS Sans Serif" lacks: the scalable face at every scale
};

// A container of the dialog layer: forwards its children's notifications to
// the dialog and paints a group box frame or a lowered panel.
class ControlContainer : public Window {
 public:
  ControlContainer(HWND dialog, const ControlRow& row, HFONT font, HBRUSH ground);
  bool Create(HWND parent, PixelRect pos, int dpi);
  void Rescale(HFONT font, int dpi) { font_ = font; dpi_ = dpi; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc);
  HWND dialog_;
  const ControlRow& row_;
  HFONT font_;
  HBRUSH ground_;
  int dpi_ = 96;
};

}  // namespace orlavox::ui
