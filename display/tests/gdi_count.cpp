#include "display/tests/gdi_count.h"

#include <windows.h>

#include <set>

namespace orlavox {

int CountGdiObjects() {
  std::set<HGDIOBJ> stock;
  for (int i = 0; i <= DC_PEN; ++i)
    if (HGDIOBJ h = GetStockObject(i)) stock.insert(h);
  int n = 0;
  for (uintptr_t v = 1; v <= 0xFFFF; ++v) {
    const auto h = reinterpret_cast<HGDIOBJ>(v);
    if (GetObjectType(h) != 0 && !stock.count(h)) ++n;
  }
  return n;
}

}  // namespace orlavox
