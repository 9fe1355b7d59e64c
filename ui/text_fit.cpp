#include "ui/text_fit.h"

#include <algorithm>

namespace orlavox::ui {
namespace {

bool SameRow(const PixelRect& a, const PixelRect& b) {
  return a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

}  // namespace

FitLayout FitTexts(const std::vector<FitItem>& items, int clientWidth, int edge) {
  const int n = int(items.size());
  FitLayout out;
  out.ClientWidth = clientWidth;
  for (const FitItem& it : items) out.Rects.push_back(it.Rect);
  std::vector<int> grow(size_t(n), 0), shift(size_t(n), 0), reach(size_t(n), 0);

  // Lays out the children of `parent` (-1: the form) in a container `width`
  // wide; returns how much wider the container must become.
  auto fitChildren = [&](int parent, int width) {
    std::vector<int> kids;
    for (int i = 0; i < n; ++i)
      if (items[size_t(i)].Parent == parent && i != parent) kids.push_back(i);
    std::stable_sort(kids.begin(), kids.end(),
                     [&](int a, int b) { return items[size_t(a)].Rect.Left < items[size_t(b)].Rect.Left; });
    for (int k : kids) {
      const FitItem& it = items[size_t(k)];
      const PixelRect& r = it.Rect;
      int far = r.Left + r.Width;
      if (it.ToNeighbour) {
        far = std::max(far, width - edge);
        for (int j : kids)
          if (j != k && items[size_t(j)].Rect.Left > r.Left && SameRow(r, items[size_t(j)].Rect))
            far = std::min(far, items[size_t(j)].Rect.Left);
      }
      reach[size_t(k)] = far;
      if (it.Need > 0) grow[size_t(k)] = std::max(grow[size_t(k)], it.Need - (far - r.Left));
    }
    int oldFar = 0, newFar = 0;
    for (int k : kids) {
      const PixelRect& r = items[size_t(k)].Rect;
      int s = 0;
      // Pushed by each control before it in its row, less the room between
      // them; a gap of up to twice the edge is the layout's spacing, and kept.
      for (int j : kids) {
        const PixelRect& left = items[size_t(j)].Rect;
        if (left.Left >= r.Left || !SameRow(left, r)) continue;
        const int gap = r.Left - reach[size_t(j)];
        const int room = gap > 2 * edge ? gap - edge : 0;
        s = std::max(s, shift[size_t(j)] + grow[size_t(j)] - room);
      }
      shift[size_t(k)] = s;
      out.Rects[size_t(k)].Left += s;
      if (!items[size_t(k)].ToNeighbour) out.Rects[size_t(k)].Width += grow[size_t(k)];
      oldFar = std::max(oldFar, reach[size_t(k)]);
      newFar = std::max(newFar, reach[size_t(k)] + s + grow[size_t(k)]);
    }
    return std::max(0, newFar - oldFar);
  };

  // Containers before what holds them: the deepest first, the form last.
  std::vector<int> depth(size_t(n), 0), containers;
  for (int i = 0; i < n; ++i) {
    for (int p = items[size_t(i)].Parent, steps = 0; p >= 0 && p < n && steps < n; p = items[size_t(p)].Parent, ++steps)
      ++depth[size_t(i)];
    const int p = items[size_t(i)].Parent;
    if (p >= 0 && p < n && std::find(containers.begin(), containers.end(), p) == containers.end())
      containers.push_back(p);
  }
  std::stable_sort(containers.begin(), containers.end(),
                   [&](int a, int b) { return depth[size_t(a)] > depth[size_t(b)]; });
  for (int c : containers) grow[size_t(c)] = fitChildren(c, items[size_t(c)].Rect.Width);
  out.ClientWidth += fitChildren(-1, clientWidth);
  return out;
}

}  // namespace orlavox::ui
