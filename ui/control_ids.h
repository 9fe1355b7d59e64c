#pragma once
// Typed handles of a dialog's controls. Each dialog declares the controls its
// code addresses once, as handles of their kinds, next to its table, and
// builds the table's rows from them: the row's name is the handle's name,
// spelt in one place. A misspelt handle does not compile, and neither does an
// accessor used on a control of the wrong kind (Checked on an edit):
//
//   struct AlarmFormIds {
//     ui::GroupBoxId GroupBox1{"GroupBox1"};
//     ui::CheckId AlarmCheck{"AlarmCheck"};
//   };
//   ui::Check(ids.AlarmCheck, ids.GroupBox1, 0, {8, 20, 97, 17}, "Alarm on"),
//
// The names stay in the table: the accessible names, the Win32 tests and the
// end-to-end harness find the controls by them. Rows no code addresses (most
// labels) keep the string factories of control_table.h.
#include <string>
#include <vector>

#include "ui/control_table.h"

namespace orlavox::ui {

template <ControlKind K>
struct ControlId {
  constexpr explicit ControlId(const char* name) : Name(name) {}
  const char* Name;
};

using GroupBoxId = ControlId<ControlKind::GroupBox>;
using PanelId = ControlId<ControlKind::Panel>;
using LabelId = ControlId<ControlKind::Label>;
using LinkId = ControlId<ControlKind::Link>;
using CheckId = ControlId<ControlKind::Check>;
using RadioId = ControlId<ControlKind::Radio>;
using EditId = ControlId<ControlKind::Edit>;
using UpDownId = ControlId<ControlKind::UpDown>;
using ComboId = ControlId<ControlKind::Combo>;
using ButtonId = ControlId<ControlKind::Button>;
using BitBtnId = ControlId<ControlKind::BitBtn>;
using ImageId = ControlId<ControlKind::Image>;
using RichViewId = ControlId<ControlKind::RichView>;
using ListViewId = ControlId<ControlKind::ListView>;

// Which accessors and events a kind of control has.
constexpr bool HoldsText(ControlKind k) {  // Text, SetText
  return k == ControlKind::Edit || k == ControlKind::RichView || k == ControlKind::Label || k == ControlKind::Link;
}
constexpr bool IsCheckable(ControlKind k) { return k == ControlKind::Check || k == ControlKind::Radio; }
constexpr bool IsClickable(ControlKind k) {
  return k == ControlKind::Button || k == ControlKind::BitBtn || IsCheckable(k) || k == ControlKind::Link ||
         k == ControlKind::UpDown;
}
// A list view's change: a row's focus, selection or check box.
constexpr bool IsChangeable(ControlKind k) {
  return k == ControlKind::Edit || k == ControlKind::Combo || k == ControlKind::ListView;
}

// The container a row lies in: a group box, a panel or the dialog itself (kOnForm).
struct Within {
  constexpr Within() = default;
  constexpr Within(GroupBoxId box) : Name(box.Name) {}
  constexpr Within(PanelId panel) : Name(panel.Name) {}
  const char* Name = "";
};
inline constexpr Within kOnForm{};

// The factories of control_table.h for rows named by their handles.
inline ControlRow GroupBox(GroupBoxId id, Within parent, int tab, PixelRect pos, const std::string& caption) {
  return GroupBox(id.Name, parent.Name, tab, pos, caption);
}
inline ControlRow Panel(PanelId id, Within parent, int tab, PixelRect pos) {
  return Panel(id.Name, parent.Name, tab, pos);
}
inline ControlRow Label(LabelId id, Within parent, PixelRect pos, const std::string& caption) {
  return Label(id.Name, parent.Name, pos, caption);
}
// A label no code addresses: named only in the table.
inline ControlRow Label(const std::string& name, Within parent, PixelRect pos, const std::string& caption) {
  return Label(name, std::string(parent.Name), pos, caption);
}
// A label that names the field `field` beside it: screen readers read the
// field by it, and its mnemonic (Alt + the underlined letter) moves there.
template <ControlKind K>
ControlRow LabelFor(ControlId<K> field, const std::string& name, Within parent, PixelRect pos,
                    const std::string& caption) {
  return Label(name, std::string(parent.Name), pos, caption).For(field.Name);
}
inline ControlRow Link(LinkId id, Within parent, PixelRect pos, const std::string& caption) {
  return Link(id.Name, parent.Name, pos, caption);
}
inline ControlRow Check(CheckId id, Within parent, int tab, PixelRect pos, const std::string& caption) {
  return Check(id.Name, parent.Name, tab, pos, caption);
}
inline ControlRow Radio(RadioId id, Within parent, int tab, PixelRect pos, const std::string& caption) {
  return Radio(id.Name, parent.Name, tab, pos, caption);
}
inline ControlRow Edit(EditId id, Within parent, int tab, PixelRect pos, const std::string& text) {
  return Edit(id.Name, parent.Name, tab, pos, text);
}
inline ControlRow UpDown(UpDownId id, Within parent, int tab, PixelRect pos, EditId buddy) {
  return UpDown(id.Name, parent.Name, tab, pos, buddy.Name);
}
inline ControlRow Combo(ComboId id, Within parent, int tab, PixelRect pos, std::vector<std::string> items) {
  return Combo(id.Name, parent.Name, tab, pos, std::move(items));
}
inline ControlRow Button(ButtonId id, Within parent, int tab, PixelRect pos, const std::string& caption) {
  return Button(id.Name, parent.Name, tab, pos, caption);
}
inline ControlRow BitBtn(BitBtnId id, Within parent, int tab, PixelRect pos, ButtonRole role,
                         const std::string& caption) {
  return BitBtn(id.Name, parent.Name, tab, pos, role, caption);
}
inline ControlRow Image(ImageId id, Within parent, PixelRect pos) { return Image(id.Name, parent.Name, pos); }
inline ControlRow ListView(ListViewId id, Within parent, int tab, PixelRect pos, std::vector<ListColumn> columns) {
  return ListView(id.Name, parent.Name, tab, pos, std::move(columns));
}
inline ControlRow RichView(RichViewId id, Within parent, int tab, PixelRect pos, const std::string& text) {
  return RichView(id.Name, parent.Name, tab, pos, text);
}

}  // namespace orlavox::ui
