#pragma once
// Popup menus built in code: items with captions, short-cut texts, radio
// items and separators. A click runs the item's handler after the menu has
// closed. Item names ("MI_Speak", "MI_3", ...) find items again.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orlavox::ui {

class PopupMenu {
 public:
  struct Item {
    std::string Name;
    std::string Caption;   // "-" for a separator
    std::string ShortCut;  // shown right-aligned, e.g. "Ctrl+A"; empty for none
    bool Radio = false;
    bool Checked = false;
    bool Enabled = true;
    std::function<void(Item&)> OnClick;
  };

  PopupMenu();
  ~PopupMenu();
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;

  Item& Add(Item item);
  Item& AddSeparator(const std::string& name);
  Item* Find(const std::string& name);
  const Item* Find(const std::string& name) const;
  Item& At(size_t index) { return items_[index]; }
  size_t Count() const { return items_.size(); }
  // Checks one radio item and unchecks the others.
  void CheckRadio(size_t index);
  // Pops the menu up with its top-left corner at the screen point; returns when
  // it has closed (and the chosen item's handler has run).
  void Popup(HWND owner, int x, int y);
  HMENU Handle();  // built from the items, rebuilt after each change

 private:
  std::vector<Item> items_;
  HMENU menu_ = nullptr;
};

}  // namespace orlavox::ui
