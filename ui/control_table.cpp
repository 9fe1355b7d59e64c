#include "ui/control_table.h"

#include <algorithm>
#include <iterator>

namespace orlavox::ui {
namespace {

ControlRow Row(ControlKind kind, const std::string& name, const std::string& parent, int tab, PixelRect pos,
                const std::string& caption) {
  ControlRow s;
  s.Name = name;
  s.Kind = kind;
  s.Parent = parent;
  s.Tab = tab;
  s.Pos = pos;
  s.Caption = caption;
  return s;
}

void AddChildren(const std::vector<ControlRow>& table, const std::string& parent, std::vector<size_t>& order,
                 size_t depth) {
  if (depth > table.size()) return;  // a container that holds itself
  std::vector<size_t> children;
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i].Parent == parent && table[i].Name != parent) children.push_back(i);
  std::stable_sort(children.begin(), children.end(), [&](size_t a, size_t b) {
    const int ta = table[a].Tab, tb = table[b].Tab;
    if ((ta == kNoTab) != (tb == kNoTab)) return tb == kNoTab;
    return ta != kNoTab && ta < tb;
  });
  auto namesSibling = [&](size_t i) {
    if (table[i].ForName.empty()) return false;
    return std::any_of(children.begin(), children.end(), [&](size_t j) { return table[j].Name == table[i].ForName; });
  };
  for (size_t i : children) {
    if (namesSibling(i)) continue;  // placed with the control it names
    for (size_t l : children)
      if (table[l].ForName == table[i].Name && namesSibling(l)) order.push_back(l);
    order.push_back(i);
    if (IsContainer(table[i].Kind)) AddChildren(table, table[i].Name, order, depth + 1);
  }
}

}  // namespace

bool IsContainer(ControlKind kind) { return kind == ControlKind::GroupBox || kind == ControlKind::Panel; }

ControlRow GroupBox(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     const std::string& caption) {
  return Row(ControlKind::GroupBox, name, parent, tab, pos, caption);
}
ControlRow Panel(const std::string& name, const std::string& parent, int tab, PixelRect pos) {
  return Row(ControlKind::Panel, name, parent, tab, pos, "");
}
ControlRow Label(const std::string& name, const std::string& parent, PixelRect pos, const std::string& caption) {
  return Row(ControlKind::Label, name, parent, kNoTab, pos, caption);
}
ControlRow Link(const std::string& name, const std::string& parent, PixelRect pos, const std::string& caption) {
  return Row(ControlKind::Link, name, parent, kNoTab, pos, caption);
}
ControlRow Check(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  const std::string& caption) {
  return Row(ControlKind::Check, name, parent, tab, pos, caption);
}
ControlRow Radio(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  const std::string& caption) {
  return Row(ControlKind::Radio, name, parent, tab, pos, caption);
}
ControlRow Edit(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                 const std::string& text) {
  return Row(ControlKind::Edit, name, parent, tab, pos, text);
}
ControlRow UpDown(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                   const std::string& buddy) {
  ControlRow s = Row(ControlKind::UpDown, name, parent, tab, pos, "");
  s.BuddyName = buddy;
  return s;
}
ControlRow Combo(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                  std::vector<std::string> items) {
  ControlRow s = Row(ControlKind::Combo, name, parent, tab, pos, "");
  s.Items = std::move(items);
  return s;
}
ControlRow Button(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                   const std::string& caption) {
  return Row(ControlKind::Button, name, parent, tab, pos, caption);
}
ControlRow BitBtn(const std::string& name, const std::string& parent, int tab, PixelRect pos, ButtonRole role,
                   const std::string& caption) {
  ControlRow s = Row(ControlKind::BitBtn, name, parent, tab, pos, caption);
  s.Role = role;
  s.IsDefault = role == ButtonRole::Ok || role == ButtonRole::Close;
  s.IsCancel = role == ButtonRole::Cancel || role == ButtonRole::Close;
  return s;
}
ControlRow Image(const std::string& name, const std::string& parent, PixelRect pos) {
  return Row(ControlKind::Image, name, parent, kNoTab, pos, "");
}
ControlRow RichView(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     const std::string& text) {
  return Row(ControlKind::RichView, name, parent, tab, pos, text);
}

ControlRow ListView(const std::string& name, const std::string& parent, int tab, PixelRect pos,
                     std::vector<ListColumn> columns) {
  ControlRow s = Row(ControlKind::ListView, name, parent, tab, pos, "");
  s.Columns = std::move(columns);
  return s;
}

std::vector<size_t> CreationOrder(const std::vector<ControlRow>& table) {
  std::vector<size_t> order;
  AddChildren(table, "", order, 0);
  return order;
}

bool NeedsScalableFace(const std::string& text) {
  // The characters of Windows-1252 beyond Latin-1, at 0x80 to 0x9F.
  static constexpr char32_t kWestern[] = {0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
                                          0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                          0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (size_t k = 1; k < length && i + k < text.size(); ++k) c = (c << 6) | (text[i + k] & 0x3F);
    i += length;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) continue;
    if (std::find(std::begin(kWestern), std::end(kWestern), c) == std::end(kWestern)) return true;
  }
  return false;
}

bool StartsGroup(const std::vector<ControlRow>& table, const std::vector<size_t>& order, size_t k) {
  if (k == 0 || k >= order.size()) return true;
  const ControlRow& cur = table[order[k]];
  const ControlRow& prev = table[order[k - 1]];
  return !(cur.Kind == ControlKind::Radio && prev.Kind == ControlKind::Radio && cur.Parent == prev.Parent);
}

PixelRect KeepInside(PixelRect w, PixelRect area) {
  if (w.Left + w.Width > area.Left + area.Width) w.Left = area.Left + area.Width - w.Width;
  if (w.Top + w.Height > area.Top + area.Height) w.Top = area.Top + area.Height - w.Height;
  if (w.Left < area.Left) w.Left = area.Left;
  if (w.Top < area.Top) w.Top = area.Top;
  return w;
}

}  // namespace orlavox::ui
