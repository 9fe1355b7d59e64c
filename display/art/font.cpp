#include "display/art/font.h"

#include <vector>

namespace artgen {
namespace {

using Stroke = std::vector<Pt>;
struct Letter {
  char Ch;
  int Width;
  std::vector<Stroke> Strokes;  // grid columns 0..Width-1, rows 0..6
};

const std::vector<Letter>& Letters() {
  static const std::vector<Letter> kLetters = {
      {'A', 5, {{{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'D', 5, {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 1}, {3, 0}, {0, 0}}}},
      {'E', 5, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
      {'F', 5, {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}}},
      {'H', 5, {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'I', 3, {{{0, 0}, {2, 0}}, {{1, 0}, {1, 6}}, {{0, 6}, {2, 6}}}},
      {'L', 5, {{{0, 0}, {0, 6}, {4, 6}}}},
      {'M', 5, {{{0, 6}, {0, 0}, {2, 3}, {4, 0}, {4, 6}}}},
      {'N', 5, {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}},
      {'O', 5, {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
      {'P', 5, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}},
      {'R', 5, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
      {'S', 5, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
      {'T', 5, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
      {'U', 5, {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}}},
      {'V', 5, {{{0, 0}, {0, 3}, {2, 6}, {4, 3}, {4, 0}}}},
      {'W', 5, {{{0, 0}, {0, 6}, {2, 4}, {4, 6}, {4, 0}}}},
      {'X', 5, {{{0, 0}, {0, 1}, {4, 5}, {4, 6}}, {{4, 0}, {4, 1}, {0, 5}, {0, 6}}}},
      {'Y', 5, {{{0, 0}, {0, 1}, {2, 3}, {4, 1}, {4, 0}}, {{2, 3}, {2, 6}}}},
  };
  return kLetters;
}

const Letter* Find(char c) {
  for (const Letter& l : Letters())
    if (l.Ch == c) return &l;
  return nullptr;
}

}  // namespace

int TextWidth(const std::string& text) {
  int w = 0;
  for (char c : text) {
    const Letter* l = Find(c);
    w += (w ? 1 : 0) + (l ? l->Width : 3);
  }
  return w;
}

Shape TextShape(const std::string& text, int left, int top, double halfStroke) {
  std::vector<Shape> parts;
  int x = left;
  for (char c : text) {
    const Letter* l = Find(c);
    if (l) {
      for (const Stroke& s : l->Strokes) {
        std::vector<Pt> pts;
        for (const Pt& p : s) pts.push_back({x + p.X + 0.5, top + p.Y + 0.5});
        parts.push_back(Polyline(pts, halfStroke));
      }
    }
    x += (l ? l->Width : 3) + 1;
  }
  return Union(std::move(parts));
}

}  // namespace artgen
