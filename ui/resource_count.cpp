#include "ui/resource_count.h"

#include <set>

namespace orlavox::ui {

unsigned CountGdiObjects() {
  std::set<HGDIOBJ> stock;
  for (int i = 0; i <= DC_PEN; ++i)
    if (HGDIOBJ h = GetStockObject(i)) stock.insert(h);
  unsigned count = 0;
  for (uintptr_t v = 1; v <= 0xFFFF; ++v) {
    HGDIOBJ h = reinterpret_cast<HGDIOBJ>(v);
    if (GetObjectType(h) != 0 && !stock.count(h)) ++count;
  }
  return count;
}

unsigned CountUserObjects() {
  unsigned count = 0;
  for (uintptr_t v = 2; v <= 0xFFFF; v += 2) {
    if (IsMenu(reinterpret_cast<HMENU>(v))) {
      ++count;
      continue;
    }
    ICONINFO info;
    if (GetIconInfo(reinterpret_cast<HICON>(v), &info)) {
      ++count;
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
    }
  }
  return count;
}

}  // namespace orlavox::ui
