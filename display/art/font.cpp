#include "display/art/font.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <cstdint>
#include <vector>

namespace artgen {
namespace {

using Stroke = std::vector<Pt>;
constexpr double kPi = 3.14159265358979323846;
struct Letter {
  char32_t Ch;
  int Width;
  std::vector<Stroke> Strokes;  // grid columns 0..Width-1, rows 0..6
};

const std::vector<Letter>& Letters() {
  static const std::vector<Letter> kLetters = {
      {'A', 5, {{{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'B', 5, {{{0, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}}}},
      {'C', 5, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}}}},
      {'D', 5, {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 1}, {3, 0}, {0, 0}}}},
      {'E', 5, {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
      {'F', 5, {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3, 3}}}},
      {'G', 5, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 3}, {2, 3}}}},
      {'H', 5, {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}}},
      {'I', 3, {{{0, 0}, {2, 0}}, {{1, 0}, {1, 6}}, {{0, 6}, {2, 6}}}},
      {'J', 5, {{{2, 0}, {4, 0}}, {{4, 0}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
      {'K', 5, {{{0, 0}, {0, 6}}, {{4, 0}, {1, 3}, {0, 3}}, {{1, 3}, {4, 6}}}},
      {'L', 5, {{{0, 0}, {0, 6}, {4, 6}}}},
      {'M', 5, {{{0, 6}, {0, 0}, {2, 3}, {4, 0}, {4, 6}}}},
      {'N', 5, {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}},
      {'O', 5, {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
      {'P', 5, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}}},
      {'Q', 5, {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}, {{2, 4}, {4, 6}}}},
      {'R', 5, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}},
      {'S', 5, {{{4, 1}, {3, 0}, {1, 0}, {0, 1}, {0, 2}, {1, 3}, {3, 3}, {4, 4}, {4, 5}, {3, 6}, {1, 6}, {0, 5}}}},
      {'T', 5, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}},
      {'U', 5, {{{0, 0}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 0}}}},
      {'V', 5, {{{0, 0}, {0, 3}, {2, 6}, {4, 3}, {4, 0}}}},
      {'W', 5, {{{0, 0}, {0, 6}, {2, 4}, {4, 6}, {4, 0}}}},
      {'X', 5, {{{0, 0}, {0, 1}, {4, 5}, {4, 6}}, {{4, 0}, {4, 1}, {0, 5}, {0, 6}}}},
      {'Y', 5, {{{0, 0}, {0, 1}, {2, 3}, {4, 1}, {4, 0}}, {{2, 3}, {2, 6}}}},
      {'Z', 5, {{{0, 0}, {4, 0}, {4, 1}, {0, 5}, {0, 6}, {4, 6}}}},
      {U'\u00C6', 5, {{{0, 6}, {0, 1}, {1, 0}, {4, 0}}, {{2, 0}, {2, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},  // AE
      {U'\u0141', 5, {{{1, 0}, {1, 6}, {4, 6}}, {{0, 4}, {2, 2}}}},                                  // L with stroke
  };
  return kLetters;
}

// Marks over and under a base letter, on the grid of a letter five wide
// (moved to the middle of narrower ones): rows -2 and -1 above it, 7 and 8
// below.
enum class Mark : uint8_t { Acute, Grave, Circumflex, Diaeresis, Ring, Tilde, Dot, Ogonek, Cedilla, Slash };

const std::vector<Stroke>& MarkStrokes(Mark m) {
  static const std::vector<Stroke> kMarks[] = {
      {{{2, -1}, {3, -2}}},                           // acute
      {{{1, -2}, {2, -1}}},                           // grave
      {{{1, -1}, {2, -2}, {3, -1}}},                  // circumflex
      {{{1, -2}}, {{3, -2}}},                         // diaeresis
      {},                                             // ring: a fine circle, below
      {{{0, -1}, {1, -2}, {3, -1}, {4, -2}}},         // tilde
      {{{2, -2}}},                                    // dot above
      {{{4, 6}, {3, 7}, {4, 8}}},                     // ogonek
      {{{2, 6}, {2, 7}, {1, 8}}},                     // cedilla
      {{{0, 6}, {4, 0}}},                             // slash through
  };
  return kMarks[static_cast<int>(m)];
}

struct Marked {
  char32_t Ch;
  char Base;
  Mark With;
};

constexpr Marked kMarked[] = {
    {U'\u00C0', 'A', Mark::Grave},  {U'\u00C1', 'A', Mark::Acute},     {U'\u00C2', 'A', Mark::Circumflex},
    {U'\u00C4', 'A', Mark::Diaeresis}, {U'\u00C5', 'A', Mark::Ring},   {U'\u00C7', 'C', Mark::Cedilla},
    {U'\u00C8', 'E', Mark::Grave},  {U'\u00C9', 'E', Mark::Acute},     {U'\u00CA', 'E', Mark::Circumflex},
    {U'\u00CB', 'E', Mark::Diaeresis}, {U'\u00CC', 'I', Mark::Grave},  {U'\u00CD', 'I', Mark::Acute},
    {U'\u00CE', 'I', Mark::Circumflex}, {U'\u00CF', 'I', Mark::Diaeresis}, {U'\u00D1', 'N', Mark::Tilde},
    {U'\u00D2', 'O', Mark::Grave},  {U'\u00D3', 'O', Mark::Acute},     {U'\u00D4', 'O', Mark::Circumflex},
    {U'\u00D6', 'O', Mark::Diaeresis}, {U'\u00D8', 'O', Mark::Slash},  {U'\u00D9', 'U', Mark::Grave},
    {U'\u00DA', 'U', Mark::Acute},  {U'\u00DB', 'U', Mark::Circumflex}, {U'\u00DC', 'U', Mark::Diaeresis},
    {U'\u0104', 'A', Mark::Ogonek}, {U'\u0106', 'C', Mark::Acute},     {U'\u0118', 'E', Mark::Ogonek},
    {U'\u0143', 'N', Mark::Acute},  {U'\u015A', 'S', Mark::Acute},     {U'\u0178', 'Y', Mark::Diaeresis},
    {U'\u0179', 'Z', Mark::Acute},  {U'\u017B', 'Z', Mark::Dot},
};

const Letter* Find(char32_t c) {
  for (const Letter& l : Letters())
    if (l.Ch == c) return &l;
  return nullptr;
}

// The code points of UTF-8 text; a byte that starts no valid sequence stands
// for itself.
std::u32string CodePoints(const std::string& text) {
  std::u32string out;
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
    char32_t c = extra ? b & (0x3F >> extra) : b;
    size_t n = 0;
    for (; n < size_t(extra) && i + 1 + n < text.size(); ++n) {
      const auto next = static_cast<unsigned char>(text[i + 1 + n]);
      if ((next & 0xC0) != 0x80) break;
      c = (c << 6) | (next & 0x3F);
    }
    if (n != size_t(extra)) {
      c = b;
      n = 0;
    }
    out.push_back(c);
    i += 1 + n;
  }
  return out;
}

// A letter's strokes, its marks included; an unknown letter is a space 3 wide.
struct LetterStrokes {
  int Width = 3;
  std::vector<Stroke> Strokes;
  std::vector<Stroke> Fine;  // drawn thinner: the ring, which would fill up otherwise
};

constexpr double kFineStroke = 0.58;

LetterStrokes StrokesOf(char32_t c, bool narrow) {
  LetterStrokes g;
  const Letter* l = Find(c);
  const Marked* marked = nullptr;
  for (const Marked& m : kMarked)
    if (m.Ch == c) marked = &m, l = Find(char32_t(m.Base));
  if (!l) return g;
  g.Width = l->Width;
  g.Strokes = l->Strokes;
  if (marked) {
    for (const Stroke& s : MarkStrokes(marked->With)) g.Strokes.push_back(s);
    if (marked->With == Mark::Ring) {
      Stroke ring;
      for (int i = 0; i <= 16; ++i) ring.push_back({2 + std::cos(i * kPi / 8), -1.6 + std::sin(i * kPi / 8)});
      g.Fine.push_back(ring);
    }
    const size_t own = l->Strokes.size();
    for (size_t i = own; i < g.Strokes.size(); ++i)
      for (Pt& p : g.Strokes[i]) p.X += (l->Width - 5) / 2.0;
    for (Stroke& s : g.Fine)
      for (Pt& p : s) p.X += (l->Width - 5) / 2.0;
  }
  // Narrow: the letters five wide lose a column, their strokes drawn closer.
  if (narrow && g.Width == 5) {
    g.Width = 4;
    for (auto* strokes : {&g.Strokes, &g.Fine})
      for (Stroke& s : *strokes)
        for (Pt& p : s) p.X *= 0.75;
  }
  return g;
}

}  // namespace

bool Drawable(const std::string& text) {
  for (char32_t c : CodePoints(text))
    if (!Find(c) && std::none_of(std::begin(kMarked), std::end(kMarked), [c](const Marked& m) { return m.Ch == c; }))
      return false;
  return true;
}

int TextWidth(const std::string& text, bool narrow) {
  int w = 0;
  for (char32_t c : CodePoints(text)) w += (w ? 1 : 0) + StrokesOf(c, narrow).Width;
  return w;
}

Shape TextShape(const std::string& text, int left, int top, double halfStroke, bool narrow) {
  std::vector<Shape> parts;
  int x = left;
  for (char32_t c : CodePoints(text)) {
    const LetterStrokes g = StrokesOf(c, narrow);
    for (auto* strokes : {&g.Strokes, &g.Fine})
      for (const Stroke& s : *strokes) {
        std::vector<Pt> pts;
        for (const Pt& p : s) pts.push_back({x + p.X + 0.5, top + p.Y + 0.5});
        parts.push_back(Polyline(pts, strokes == &g.Fine ? halfStroke * kFineStroke : halfStroke));
      }
    x += g.Width + 1;
  }
  return Union(std::move(parts));
}

}  // namespace artgen
