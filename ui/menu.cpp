#include "ui/menu.h"

#include "win/wide_text.h"

namespace orlavox::ui {

PopupMenu::PopupMenu() { items_.reserve(32); }

PopupMenu::~PopupMenu() {
  if (menu_) DestroyMenu(menu_);
}

PopupMenu::Item& PopupMenu::Add(Item item) {
  items_.push_back(std::move(item));
  return items_.back();
}

PopupMenu::Item& PopupMenu::AddSeparator(const std::string& name) {
  Item sep;
  sep.Name = name;
  sep.Caption = "-";
  return Add(std::move(sep));
}

PopupMenu::Item* PopupMenu::Find(const std::string& name) {
  for (Item& i : items_)
    if (i.Name == name) return &i;
  return nullptr;
}

const PopupMenu::Item* PopupMenu::Find(const std::string& name) const {
  return const_cast<PopupMenu*>(this)->Find(name);
}

void PopupMenu::CheckRadio(size_t index) {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].Radio) items_[i].Checked = i == index;
}

HMENU PopupMenu::Handle() {
  // Item state lives in items_; the native menu is made afresh when shown.
  if (menu_) DestroyMenu(menu_);
  menu_ = CreatePopupMenu();
  for (size_t i = 0; i < items_.size(); ++i) {
    const Item& it = items_[i];
    if (it.Caption == "-") {
      AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = it.Caption;
    if (!it.ShortCut.empty()) text += "\t" + it.ShortCut;
    const std::wstring wide = Wide(text);  // voice names may be in any script
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE;
    mii.fType = MFT_STRING | (it.Radio ? MFT_RADIOCHECK : 0);
    mii.fState = (it.Checked ? MFS_CHECKED : 0) | (it.Enabled ? MFS_ENABLED : MFS_DISABLED);
    mii.wID = UINT(i + 1);
    mii.dwTypeData = const_cast<wchar_t*>(wide.c_str());
    InsertMenuItemW(menu_, UINT(i), TRUE, &mii);
  }
  return menu_;
}

void PopupMenu::Popup(HWND owner, int x, int y) {
  const UINT cmd = TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON, x,
                                  y, 0, owner, nullptr);
  if (cmd == 0 || cmd > items_.size()) return;
  Item& it = items_[cmd - 1];
  if (it.Enabled && it.OnClick) it.OnClick(it);
}

}  // namespace orlavox::ui
