#include "display/art/face_art.h"

#include <cmath>
#include <string>

#include "display/art/font.h"

namespace artgen {
namespace {

using orlavox::ImageList;

const Color kGround = {orlavox::kGround.R, orlavox::kGround.G, orlavox::kGround.B};
const Color kInk = {38, 42, 40};           // the dark segments
const Color kShadow = Scale(kGround, 0.80);  // their faint shadow on the reflector
constexpr double kShadowOpacity = 0.45;

Canvas Blank(int w, int h) { return Canvas(w, h, kGround); }

// Ink with its shadow, as an LCD shows it: the shadow falls down and right.
void Ink(Canvas& c, const Shape& s, double shadowDx = 0.9, double shadowDy = 1.0) {
  c.Paint(Shifted(s, shadowDx, shadowDy), kShadow, kShadowOpacity);
  c.Paint(s, kInk);
}

// Seven-segment digit: segment box in unslanted coordinates, leaning right.
struct DigitStyle {
  double Left, Right, Top, Bottom;  // outer edges of the segments
  double Thick;
  double Gap;    // between neighbouring segments
  double Slant;  // x shift per pixel above the middle
  double ShadowDx, ShadowDy;
};

// Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
constexpr unsigned char kSegments[10] = {
    0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F,
};

// The corners of a segment.
std::vector<Pt> Segment(Pt a, Pt b, double half, double gap) {
  // Hexagon with pointed ends along the centre line a -> b (horizontal or vertical).
  if (a.Y == b.Y) {
    const double x0 = a.X + gap, x1 = b.X - gap, y = a.Y;
    return {{x0, y}, {x0 + half, y - half}, {x1 - half, y - half}, {x1, y}, {x1 - half, y + half}, {x0 + half, y + half}};
  }
  const double y0 = a.Y + gap, y1 = b.Y - gap, x = a.X;
  return {{x, y0}, {x + half, y0 + half}, {x + half, y1 - half}, {x, y1}, {x - half, y1 - half}, {x - half, y0 + half}};
}

Shape DigitShape(const DigitStyle& st, int digit) {
  const double h = st.Thick / 2;
  const double l = st.Left + h, r = st.Right - h, t = st.Top + h, b = st.Bottom - h, m = (t + b) / 2;
  const Pt tl{l, t}, tr{r, t}, ml{l, m}, mr{r, m}, bl{l, b}, br{r, b};
  const std::pair<Pt, Pt> ends[7] = {{tl, tr}, {tr, mr}, {mr, br}, {bl, br}, {ml, bl}, {tl, ml}, {ml, mr}};
  // The gaps keep the segments apart: the lit ones, filled even-odd, are their union.
  std::vector<std::vector<Pt>> lit;
  for (int i = 0; i < 7; ++i)
    if (kSegments[digit] & (1 << i)) lit.push_back(Segment(ends[i].first, ends[i].second, h, st.Gap));
  return Slanted(Polygons(std::move(lit)), st.Slant, m);
}

Canvas Digit(int w, int h, const DigitStyle& st, int index) {
  Canvas c = Blank(w, h);
  if (index < 10) Ink(c, DigitShape(st, index), st.ShadowDx, st.ShadowDy);
  return c;
}

// Large digits leave two columns on the right free (the next cell overlaps
// them) and the bottom row (the weekday strip overlaps it).
const DigitStyle kLarge = {6, 25, 3, 44, 4.6, 0.55, 0.075, 0.9, 1.0};
const DigitStyle kMedium = {4.2, 17.6, 2.2, 30.6, 3.4, 0.45, 0.075, 0.8, 0.9};
const DigitStyle kSmall = {2.6, 11.0, 2.0, 19.0, 2.3, 0.35, 0.07, 0.6, 0.7};

// Label text centred in an image, grid rows starting at `top`.
Canvas Label(int w, int h, const std::string& text, int top, int left = -1) {
  Canvas c = Blank(w, h);
  if (left < 0) left = (w - TextWidth(text)) / 2;
  Ink(c, TextShape(text, left, top), 0.7, 0.8);
  return c;
}

// The face's words in each language, in the short forms of its own calendars
// and digital clocks, upper case. Each weekday's label keeps a column free on
// either side of its image; the day label ends where "DAY" ends, next to the
// date's digits, and starts no further left than column 1. A word wider than
// that is drawn in narrow letters.
struct FaceWords {
  const char* Days[7];  // Sunday to Saturday
  const char* Day;
};

const FaceWords kFaceWords[] = {
    {{"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"}, "DAY"},
    {{"SO", "MO", "DI", "MI", "DO", "FR", "SA"}, "TAG"},
    {{"DIM", "LUN", "MAR", "MER", "JEU", "VEN", "SAM"}, "JOUR"},
    {{"DOM", "LUN", "MAR", "MI\xC3\x89", "JUE", "VIE", "S\xC3\x81" "B"}, "D\xC3\x8D" "A"},  // MIÉ SÁB, DÍA
    {{"DOM", "LUN", "MAR", "MER", "GIO", "VEN", "SAB"}, "GG"},  // as in GG/MM/AAAA
    {{"ZO", "MA", "DI", "WO", "DO", "VR", "ZA"}, "DAG"},
    {{"S\xC3\x96N", "M\xC3\x85N", "TIS", "ONS", "TOR", "FRE", "L\xC3\x96R"}, "DAG"},  // SÖN MÅN LÖR
    {{"S\xC3\x98N", "MAN", "TIR", "ONS", "TOR", "FRE", "L\xC3\x98R"}, "DAG"},  // SØN LØR
    {{"NIE", "PON", "WTO", "\xC5\x9ARO", "CZW", "PI\xC4\x84", "SOB"}, "DZIE\xC5\x83"},  // ŚRO PIĄ DZIEŃ
};
static_assert(sizeof kFaceWords / sizeof kFaceWords[0] == orlavox::kLanguageCount, "the face's words of every language");

// A word of the face, grid rows from 3: centred in its image, or ending at
// column `right`. Narrow letters when the usual ones are wider than `room`.
Canvas Word(int w, int h, const std::string& text, int room, int right = -1) {
  const bool narrow = TextWidth(text) > room;
  const int width = TextWidth(text, narrow);
  Canvas c = Blank(w, h);
  Ink(c, TextShape(text, right < 0 ? (w - width) / 2 : right - width, 3, 0.72, narrow), 0.7, 0.8);
  return c;
}

// Two stacked letters for the 7 x 19 markers of the small display.
Canvas Marker(char upper) {
  Canvas c = Blank(7, 19);
  Ink(c, Union({TextShape(std::string(1, upper), 1, 2, 0.62), TextShape("M", 1, 10, 0.62)}), 0.5, 0.6);
  return c;
}

Canvas Colon(int w, int h, Pt upper, Pt lower, double size, double slant, double mid) {
  Canvas c = Blank(w, h);
  auto dot = [&](Pt p) {
    const double x = p.X + slant * (mid - p.Y);
    return RoundRect(x - size / 2, p.Y - size / 2, x + size / 2, p.Y + size / 2, size * 0.3);
  };
  Ink(c, Union({dot(upper), dot(lower)}), 0.8, 0.9);
  return c;
}

Canvas AlarmIndicator() {
  Canvas c = Blank(28, 9);
  // A bell: dome, rim and clapper, then "AL".
  const Shape bell = Union({Polygon({{2.2, 7.0}, {3.0, 3.2}, {4.6, 1.4}, {6.4, 1.4}, {8.0, 3.2}, {8.8, 7.0}}),
                            RoundRect(1.0, 6.4, 10.0, 7.6, 0.5), Circle({5.5, 8.1}, 0.9), Circle({5.5, 1.0}, 0.7)});
  Ink(c, Union({bell, TextShape("AL", 13, 1, 0.7)}), 0.7, 0.8);
  return c;
}

Canvas AnnounceIndicator() {
  Canvas c = Blank(13, 15);
  const Shape speaker = Union({RoundRect(0.8, 5.4, 3.6, 9.6, 0.4), Polygon({{3.2, 5.4}, {6.6, 2.2}, {6.6, 12.8}, {3.2, 9.6}})});
  const Shape waves = Union({Arc({6.6, 7.5}, 2.4, 3.6, -50, 50), Arc({6.6, 7.5}, 4.6, 5.8, -55, 55)});
  Ink(c, Union({speaker, waves}), 0.7, 0.8);
  return c;
}

const Color kBodyTop = {224, 226, 219};
const Color kBodyBottom = {194, 197, 189};
const Color kLight = {246, 247, 243};
const Color kDark = {132, 136, 128};
const Color kFrame = {88, 94, 86};
const Color kHole = {62, 66, 60};

// The case around the glass: a soft vertical gradient with a bevelled edge.
void Body(Canvas& c) {
  const double h = c.Height() / c.Scale();
  c.PaintDown(Everywhere(), [=](double y) { return Mix(kBodyTop, kBodyBottom, y / h); });
  const double w = c.Width() / c.Scale();
  c.Paint(Polygon({{0, 0}, {w, 0}, {w - 1, 1}, {1, 1}, {1, h - 1}, {0, h}}), kLight);
  c.Paint(Polygon({{w, 0}, {w, h}, {0, h}, {1, h - 1}, {w - 1, h - 1}, {w - 1, 1}}), kDark);
}

// The LCD glass: a dark frame, the ground, a faint inner shadow at the top and
// left that stays clear of the cells.
void Glass(Canvas& c, double x0, double y0, double x1, double y1) {
  c.Paint(RoundRect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, 3), kLight, 0.9);
  c.Paint(RoundRect(x0, y0, x1, y1, 3), kFrame);
  c.Paint(RoundRect(x0 + 1.2, y0 + 1.2, x1 - 1.2, y1 - 1.2, 2), kGround);
  const Shape inner = RoundRect(x0 + 1.2, y0 + 1.2, x1 - 1.2, y1 - 1.2, 2);
  c.Paint(Minus(inner, Shifted(inner, 1.5, 1.5)), Scale(kGround, 0.86), 0.8);
}

// Holes of a loudspeaker grille on a hexagonal grid inside a circle.
void Grille(Canvas& c, Pt centre, double radius, double pitch, double hole) {
  std::vector<Pt> holes, rims;
  const int n = int(radius / pitch) + 1;
  for (int j = -n; j <= n; ++j)
    for (int i = -n; i <= n; ++i) {
      const double x = centre.X + (i + (j % 2 ? 0.5 : 0)) * pitch;
      const double y = centre.Y + j * pitch * 0.866;
      if (std::hypot(x - centre.X, y - centre.Y) > radius - hole) continue;
      holes.push_back({x, y});
      rims.push_back({x + 0.45, y + 0.55});
    }
  const Box box{centre.X - radius - 2, centre.Y - radius - 2, centre.X + radius + 2, centre.Y + radius + 2};
  c.Paint(Circles(std::move(rims), hole), kLight, 0.9, box);
  c.Paint(Circles(std::move(holes), hole), kHole, 1.0, box);
}

Canvas BigBackground() {
  Canvas c(292, 130, kGround);
  Body(c);
  Glass(c, 6, 6, 205, 100);
  Grille(c, {246.5, 50}, 31, 5.2, 1.25);
  const std::string brand = "ORLAVOX";
  const int left = int(246.5 - TextWidth(brand) / 2.0);
  const Box around{left - 2.0, 86, left + TextWidth(brand) + 2.0, 88 + kCapHeight + 2.0};
  c.Paint(TextShape(brand, left, 88, 0.62), kFrame, 0.85, around);
  return c;
}

Canvas SmallBackground() {
  Canvas c(150, 40, kGround);
  Body(c);
  Glass(c, 3, 3, 96, 37);
  std::vector<Shape> holes;
  for (int j = 0; j < 3; ++j)
    for (int i = 0; i < 3; ++i) holes.push_back(Circle({134.5 + i * 4.5, 22.5 + j * 4.5}, 1.1));
  c.Paint(Shifted(Union(holes), 0.45, 0.55), kLight, 0.9);
  c.Paint(Union(holes), kHole);
  return c;
}

}  // namespace

const char* FaceWord(orlavox::Language language, int index) {
  if (!orlavox::IsFaceWord(ImageList::Misc, index)) return nullptr;
  const int l = static_cast<int>(language);
  const FaceWords& words = kFaceWords[l < orlavox::kLanguageCount ? l : 0];
  return index == orlavox::kMiscDayLabel ? words.Day : words.Days[index];
}

Canvas FaceImage(ImageList list, int index, orlavox::Language language) {
  const orlavox::ImageSize size = orlavox::ImageSizeOf(list, index);
  switch (list) {
    case ImageList::HrMin: return Digit(size.Width, size.Height, kLarge, index);
    case ImageList::Sec: return Digit(size.Width, size.Height, kMedium, index);
    case ImageList::MS: return Digit(size.Width, size.Height, kSmall, index);
    case ImageList::Misc: break;
  }
  switch (index) {
    case orlavox::kMiscAm: return Label(size.Width, size.Height, "AM", 2);
    case orlavox::kMiscPm: return Label(size.Width, size.Height, "PM", 2);
    case orlavox::kMiscAnnounceOn: return AnnounceIndicator();
    case orlavox::kMiscAlarmOn: return AlarmIndicator();
    // Only the left nine columns show in the colon's cell; the dots sit there,
    // level with the middle of the large digits.
    case orlavox::kMiscBigColon: return Colon(size.Width, size.Height, {4.5, 10.0}, {4.5, 23.0}, 4.4, 0.075, 16.5);
    case orlavox::kMiscDayLabel: return Word(size.Width, size.Height, FaceWord(language, index), 23, 24);
    case orlavox::kMiscBigBackground: return BigBackground();
    case orlavox::kMiscSmallBackground: return SmallBackground();
    case orlavox::kMiscSmallAm: return Marker('A');
    case orlavox::kMiscSmallPm: return Marker('P');
    case orlavox::kMiscSmallColon: return Colon(size.Width, size.Height, {2.0, 7.0}, {2.0, 14.0}, 2.2, 0.07, 10.5);
    default: break;
  }
  if (index >= orlavox::kMiscSunday && index <= orlavox::kMiscSaturday)
    return Word(size.Width, size.Height, FaceWord(language, index), size.Width - 2);
  return Blank(size.Width, size.Height);  // blank AM/PM area, patch, marker, colon
}

}  // namespace artgen
