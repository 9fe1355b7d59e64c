#pragma once
// A dialog described as a table: one row a control, with its kind, its
// container, its place in the tab order and its position in pixels inside
// the container. The rows are plain data; ui::Dialog creates the controls
// from them. Rows are built with the small factories below and adjusted with
// the chained modifiers, so a dialog's layout reads like its table:
//
//   ui::Check("AlarmCheck", "GroupBox1", 0, {8, 20, 97, 17}, "Alarm on"),
//   ui::Edit("HourEdit", "GroupBox1", 1, {8, 60, 29, 21}, "0").MaxLength(2),
//
// Dialogs build the rows their code addresses from typed handles
// (control_ids.h), so that each name is spelt once.
#include <cstdint>
#include <string>
#include <vector>

namespace orlavox::ui {

enum class ControlKind : uint8_t {
  GroupBox,  // container with an etched frame and a caption
  Panel,     // container with a lowered bevel and an optional ground colour
  Label,     // text; sized to its text when no size is given
  Link,      // text in blue, underlined, with the hand cursor; clickable
  Check,
  Radio,
  Edit,
  UpDown,    // spinner bound to a buddy edit
  Combo,     // drop-down list: a choice from the items only
  Button,    // plain push button
  BitBtn,    // push button with a glyph beside its caption
  Image,     // an icon, centred in its box
  RichView,  // read-only rich text with a vertical scroll bar
  ListView,  // a list of rows in named columns, each row with a check box; whole rows selected
};

// What a BitBtn is for: its glyph and what a click does to the dialog.
enum class ButtonRole : uint8_t {
  Custom,  // only its click handler
  Ok,      // closes the dialog with the result Ok
  Cancel,  // closes the dialog with the result Cancel
  Close,   // closes the dialog with the result Cancel, no glyph
  Help,    // only its click handler; the help glyph
};

// Results of a modal dialog (the same numbers as IDOK and IDCANCEL).
enum ModalResult : int { kResultNone = 0, kResultOk = 1, kResultCancel = 2 };

inline constexpr uint32_t kNoColour = 0xFFFFFFFFu;
inline constexpr int kNoTab = -1;
inline constexpr int kNoGlyph = -1;

struct PixelRect {
  int Left = 0, Top = 0, Width = 0, Height = 0;  // a Width of 0 means "as wide as the text"
};

// A column of a list view: its header (what screen readers name it by) and width.
struct ListColumn {
  std::string Caption;
  int Width = 0;
};

struct ControlRow {
  std::string Name;
  ControlKind Kind = ControlKind::Label;
  std::string Parent;  // empty: the dialog itself
  int Tab = kNoTab;    // place in the container's tab order; kNoTab: no tab stop
  PixelRect Pos;
  std::string Caption;

  // Text
  bool Centre = false;
  bool Bold = false;
  bool WordWrap = true;
  int FontHeight = 0;       // 0: the dialog's font height
  std::string FontName;     // empty: the dialog's font
  uint32_t Colour = kNoColour;  // 0x00BBGGRR: a panel's ground

  // Edit
  int MaxLen = 0;  // 0: no limit
  bool IsReadOnly = false;

  // Up-down
  std::string BuddyName;
  int Min = 0, Max = 100, Step = 1, Position = 0;
  bool Wraps = false;

  // Combo
  std::vector<std::string> Items;

  // List view
  std::vector<ListColumn> Columns;

  // Label: the control it names (for screen readers, and its mnemonic moves
  // the focus there); created just before that control.
  std::string ForName;

  // Buttons
  ButtonRole Role = ButtonRole::Custom;
  int GlyphId = kNoGlyph;  // handed to the glyph painter
  bool IsDefault = false;  // Enter presses it
  bool IsCancel = false;   // Escape presses it
  std::string HintText;

  // Modifiers, for tables.
  ControlRow& Centred() { Centre = true; return *this; }
  ControlRow& InBold() { Bold = true; return *this; }
  ControlRow& NoWrap() { WordWrap = false; return *this; }
  ControlRow& Font(const std::string& name, int height) { FontName = name; FontHeight = height; return *this; }
  ControlRow& Height(int height) { FontHeight = height; return *this; }
  ControlRow& Ground(uint32_t colour) { Colour = colour; return *this; }
  ControlRow& MaxLength(int n) { MaxLen = n; return *this; }
  ControlRow& ReadOnly() { IsReadOnly = true; return *this; }
  ControlRow& Range(int min, int max) { Min = min; Max = max; return *this; }
  ControlRow& Increment(int step) { Step = step; return *this; }
  ControlRow& At(int position) { Position = position; return *this; }
  ControlRow& WrapAround() { Wraps = true; return *this; }
  ControlRow& Buddy(const std::string& name) { BuddyName = name; return *this; }
  ControlRow& Default() { IsDefault = true; return *this; }
  ControlRow& Cancel() { IsCancel = true; return *this; }
  ControlRow& Glyph(int id) { GlyphId = id; return *this; }
  ControlRow& Hint(const std::string& text) { HintText = text; return *this; }
  ControlRow& For(const std::string& name) { ForName = name; return *this; }
};

ControlRow GroupBox(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     const std::string& caption);
ControlRow Panel(const std::string& name, const std::string& parent, int tab, PixelRect pos);
ControlRow Label(const std::string& name, const std::string& parent, PixelRect pos, const std::string& caption);
ControlRow Link(const std::string& name, const std::string& parent, PixelRect pos, const std::string& caption);
ControlRow Check(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  const std::string& caption);
ControlRow Radio(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  const std::string& caption);
ControlRow Edit(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                 const std::string& text);
ControlRow UpDown(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                   const std::string& buddy);
ControlRow Combo(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  std::vector<std::string> items);
ControlRow Button(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                   const std::string& caption);
// A BitBtn of a role: Ok and Cancel close the dialog, and are the default and
// the cancel button; Close does both; Help only runs its handler.
ControlRow BitBtn(const std::string& name, const std::string& parent, int tab, PixelRect pos, ButtonRole role,
                   const std::string& caption);
ControlRow Image(const std::string& name, const std::string& parent, PixelRect pos);
ControlRow RichView(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     const std::string& text);
ControlRow ListView(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     std::vector<ListColumn> columns);

bool IsContainer(ControlKind kind);

// A window asked for at `window` moved just enough to lie wholly inside
// `area` (the work area); a window larger than the area keeps its top-left
// corner inside it. Dialogs and the main window follow this one rule.
PixelRect KeepInside(PixelRect window, PixelRect area);

// The order in which to create the controls (indices into `table`): each
// container before what it holds, and inside every container the controls
// in their tab order, those without a tab stop after them in table order.
// Windows moves the focus in creation order, so this order is the tab order.
// A label that names a control of its container comes just before it (Windows
// names a field after the label before it). Rows whose container is not in
// the table are left out.
std::vector<size_t> CreationOrder(const std::vector<ControlRow>& table);

// Whether the control at `order[k]` starts a new group for the arrow keys:
// every control does, except a radio button that follows another radio
// button of the same container.
bool StartsGroup(const std::vector<ControlRow>& table, const std::vector<size_t>& order, size_t k);

// Whether a text (UTF-8) holds a letter outside the Western code page
// (Windows-1252), such as the Polish "ś": the bitmap font "MS Sans Serif"
// has none of those, and a dialog that shows one uses a scalable face.
bool NeedsScalableFace(const std::string& text);

}  // namespace orlavox::ui
