#include "display/art/glyph_art.h"

#include <cmath>

namespace artgen {
namespace {

using orlavox::Glyph;

constexpr double kPi = 3.14159265358979323846;
const Color kNone = {0, 0, 0};
const Color kDarkGrey = {52, 54, 58};
const Color kBlue = {36, 92, 176};
const Color kRed = {196, 44, 40};
const Color kGreen = {34, 140, 52};
const Color kWhite = {252, 252, 248};
const Color kSteel = {86, 98, 116};

Canvas Empty() { return Canvas(16, 16, kNone, 0.0); }

Canvas AlarmClock() {
  Canvas c = Empty();
  c.Paint(Union({Capsule({4.6, 13.2}, {3.0, 15.0}, 0.8), Capsule({11.4, 13.2}, {13.0, 15.0}, 0.8)}), kDarkGrey);
  c.Paint(Union({Arc({3.9, 4.2}, 0, 3.0, 180, 360), Arc({12.1, 4.2}, 0, 3.0, 180, 360)}), kRed);
  c.Paint(Union({Capsule({2.5, 2.2}, {5.0, 4.6}, 0.5), Capsule({13.5, 2.2}, {11.0, 4.6}, 0.5)}), kRed);
  c.Paint(Circle({8, 9}, 6.0), kDarkGrey);
  c.Paint(Circle({8, 9}, 4.7), kWhite);
  c.Paint(Union({Capsule({8, 9}, {8, 5.8}, 0.6), Capsule({8, 9}, {10.6, 9}, 0.6)}), kDarkGrey);
  return c;
}

Canvas Gear() {
  Canvas c = Empty();
  const Shape gear = [](double x, double y) {
    const double dx = x - 8, dy = y - 8, r = std::hypot(dx, dy);
    double a = std::atan2(dy, dx) * 180 / kPi + 22.5 / 2;
    a = std::fmod(a + 360, 45.0);
    const bool tooth = a < 20;
    return r >= 2.3 && r <= (tooth ? 7.4 : 5.6);
  };
  c.Paint(gear, kSteel);
  c.Paint(Ring({8, 8}, 3.6, 4.4), Color{140, 152, 170}, 0.9);
  return c;
}

Canvas Dots() {
  Canvas c = Empty();
  c.Paint(Union({Circle({3.5, 14.4}, 1.45), Circle({8, 14.4}, 1.45), Circle({12.5, 14.4}, 1.45)}), kDarkGrey);
  return c;
}

Shape QuestionMark(double scale, Pt at) {
  auto p = [&](double x, double y) { return Pt{at.X + (x - 8) * scale, at.Y + (y - 8) * scale}; };
  return Union({Polyline({p(4.9, 5.0), p(5.4, 3.3), p(6.7, 2.3), p(8.2, 2.0), p(9.7, 2.4), p(10.9, 3.5),
                          p(11.1, 5.1), p(10.4, 6.5), p(9.0, 7.6), p(8.1, 8.7), p(8.1, 10.2)},
                         1.05 * scale),
                Circle(p(8.1, 13.4), 1.35 * scale)});
}

Canvas Question() {
  Canvas c = Empty();
  c.Paint(QuestionMark(1.0, {8, 8}), kBlue);
  return c;
}

Canvas Speaker() {
  Canvas c = Empty();
  c.Paint(Union({RoundRect(1.5, 5.8, 5.0, 10.2, 0.5), Polygon({{4.4, 5.8}, {8.6, 2.2}, {8.6, 13.8}, {4.4, 10.2}})}),
          kDarkGrey);
  c.Paint(Union({Arc({8.6, 8}, 2.4, 3.5, -50, 50), Arc({8.6, 8}, 4.8, 5.9, -55, 55)}), kBlue);
  return c;
}

Canvas DownTriangle() {
  Canvas c = Empty();
  c.Paint(Polygon({{4.0, 10.0}, {12.0, 10.0}, {8.0, 14.5}}), kDarkGrey);
  return c;
}

Canvas Ok() {
  Canvas c = Empty();
  c.Paint(Polyline({{2.8, 8.6}, {6.4, 12.2}, {13.2, 4.2}}, 1.35), kGreen);
  return c;
}

Canvas Cancel() {
  Canvas c = Empty();
  c.Paint(Union({Capsule({4, 4}, {12, 12}, 1.35), Capsule({12, 4}, {4, 12}, 1.35)}), kRed);
  return c;
}

Canvas Help() {
  Canvas c = Empty();
  c.Paint(Circle({8, 8}, 7.3), kBlue);
  c.Paint(QuestionMark(0.72, {8, 8}), kWhite);
  return c;
}

Canvas Play() {
  Canvas c = Empty();
  c.Paint(Polygon({{4.5, 2.5}, {13.5, 8.0}, {4.5, 13.5}}), kGreen);
  return c;
}

Canvas Enabled(Glyph g) {
  switch (g) {
    case Glyph::AlarmClock: return AlarmClock();
    case Glyph::Settings: return Gear();
    case Glyph::Dots: return Dots();
    case Glyph::Question: return Question();
    case Glyph::Speaker: return Speaker();
    case Glyph::DownTriangle: return DownTriangle();
    case Glyph::Ok: return Ok();
    case Glyph::Cancel: return Cancel();
    case Glyph::Help: return Help();
    case Glyph::Play: return Play();
    case Glyph::None: break;
  }
  return Empty();
}

// The classic disabled look: the dark parts of the glyph in grey with a white
// copy one pixel down and right beneath them; light parts vanish.
Canvas Disabled(const Canvas& on) {
  Canvas off = Empty();
  const int w = on.Width(), h = on.Height();
  const int d = on.Scale() > 1.5 ? int(std::lround(on.Scale())) : 1;  // the white copy's offset
  auto darkness = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0.0;
    uint8_t r, g, b, a;
    on.Pixel(x, y, r, g, b, a);
    const double lum = 0.299 * r + 0.587 * g + 0.114 * b;
    const double d = std::fmin(1.0, std::fmax(0.0, (235 - lum) / 150));
    return d * a / 255.0;
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double grey = darkness(x, y), white = darkness(x - d, y - d);
      // Grey over white.
      const double a = grey + white * (1 - grey);
      if (a <= 0) continue;
      const double v = (128 * grey + 255 * white * (1 - grey)) / a;
      off.Set(x, y, {v, v, v}, a);
    }
  return off;
}

}  // namespace

Canvas GlyphImage(Glyph g, bool enabled) {
  Canvas on = Enabled(g);
  return enabled ? on : Disabled(on);
}

const char* GlyphFileName(Glyph g) {
  switch (g) {
    case Glyph::AlarmClock: return "glyph_alarm";
    case Glyph::Settings: return "glyph_settings";
    case Glyph::Dots: return "glyph_dots";
    case Glyph::Question: return "glyph_question";
    case Glyph::Speaker: return "glyph_speaker";
    case Glyph::DownTriangle: return "glyph_down";
    case Glyph::Ok: return "glyph_ok";
    case Glyph::Cancel: return "glyph_cancel";
    case Glyph::Help: return "glyph_help";
    case Glyph::Play: return "glyph_play";
    case Glyph::None: break;
  }
  return "glyph_none";
}

Canvas ProgramIcon(int size) {
  const double s = size / 32.0;
  const Pt c{16 * s, 16 * s};
  Canvas icon(size, size, kNone, 0.0);
  const Color ground = {orlavox::kGround.R, orlavox::kGround.G, orlavox::kGround.B};
  // Case, LCD-green dial, marks at the hours, hands at ten past ten.
  icon.PaintWith(Circle(c, 15.6 * s), [=](double x, double y) {
    return Mix(Color{110, 116, 108}, Color{36, 40, 38}, std::fmin(1.0, (x + y) / (2.0 * size)));
  });
  icon.PaintWith(Circle(c, 12.6 * s), [=](double x, double y) {
    const double d = std::hypot(x - c.X + 3 * s, y - c.Y + 3 * s) / (14 * s);
    return Mix(Color{198, 206, 188}, ground, std::fmin(1.0, d));
  });
  std::vector<Shape> marks;
  for (int h = 0; h < 12; ++h) {
    if (size < 32 && h % 3) continue;
    const double a = h * kPi / 6;
    const double r0 = (h % 3 ? 10.0 : 8.6) * s, r1 = 11.4 * s;
    marks.push_back(Capsule({c.X + r0 * std::sin(a), c.Y - r0 * std::cos(a)},
                            {c.X + r1 * std::sin(a), c.Y - r1 * std::cos(a)}, (h % 3 ? 0.6 : 0.95) * s + 0.15));
  }
  icon.Paint(Union(marks), Color{38, 42, 40});
  auto hand = [&](double minutes, double len, double half) {
    const double a = minutes / 60 * 2 * kPi;
    return Capsule(c, {c.X + len * s * std::sin(a), c.Y - len * s * std::cos(a)}, half * s + 0.25);
  };
  icon.Paint(Union({hand(50.8, 6.8, 1.15), hand(10, 9.6, 0.8)}), Color{38, 42, 40});
  icon.Paint(Circle(c, 1.6 * s + 0.3), kRed);
  return icon;
}

std::vector<uint8_t> TrayDial() {
  enum : uint8_t { kBlack = 0, kBlueIndex = 12, kWhiteIndex = 15, kClear = 16 };
  constexpr int n = 16;
  // The dial's centre lies between pixels 7 and 8 in both directions.
  auto inside = [](int x, int y) {
    return x >= 0 && y >= 0 && x < n && y < n && std::hypot(x + 0.5 - 8, y + 0.5 - 8) < 7.95;
  };
  std::vector<uint8_t> px(n * n, kClear);
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      if (!inside(x, y)) continue;
      const bool rim = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      px[y * n + x] = rim ? kBlack : kWhiteIndex;
    }
  auto set = [&](int x, int y, uint8_t v) { px[y * n + x] = v; };
  // 2 x 2 marks at 12, 3, 6 and 9, next to the rim.
  for (int d = 0; d < 2; ++d)
    for (int e = 0; e < 2; ++e) {
      set(7 + d, 1 + e, kBlueIndex);
      set(13 + d, 7 + e, kBlueIndex);
      set(7 + d, 13 + e, kBlueIndex);
      set(1 + d, 7 + e, kBlueIndex);
      set(7 + d, 7 + e, kBlack);  // centre
    }
  // One pixel at every other hour, mirror-symmetric about the centre.
  for (int h = 1; h < 12; ++h) {
    if (h % 3 == 0) continue;
    const double a = h * kPi / 6;
    set(int(std::floor(8 + 5.7 * std::sin(a))), int(std::floor(8 - 5.7 * std::cos(a))), kBlueIndex);
  }
  return px;
}

}  // namespace artgen
