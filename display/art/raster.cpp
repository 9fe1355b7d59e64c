#include "display/art/raster.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

constexpr int kSamples = 6;  // per axis: 36 samples a pixel at scale 1
thread_local double tDrawingScale = 1.0;

// Larger pixels of the picture are smaller ones of the shapes: fewer samples
// give the same smoothness, and a 300 % face is drawn in good time.
int SamplesAt(double scale) {
  if (scale == 1.0) return kSamples;
  const int n = int(std::ceil(kSamples / scale));
  return n < 2 ? 2 : n;
}
constexpr double kPi = 3.14159265358979323846;

double SegmentDistance(Pt p, Pt a, Pt b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

uint8_t ToByte(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); }

}  // namespace

Color Mix(Color a, Color b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
Color Scale(Color c, double f) { return {c.R * f, c.G * f, c.B * f}; }

Shape Polygon(std::vector<Pt> pts) {
  return [pts = std::move(pts)](double x, double y) {
    bool in = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const Pt& a = pts[i];
      const Pt& b = pts[j];
      if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) in = !in;
    }
    return in;
  };
}

Shape Capsule(Pt a, Pt b, double r) {
  return [=](double x, double y) { return SegmentDistance({x, y}, a, b) <= r; };
}

Shape Polyline(const std::vector<Pt>& pts, double r) {
  return [pts, r](double x, double y) {
    if (pts.size() == 1) return std::hypot(x - pts[0].X, y - pts[0].Y) <= r;
    for (size_t i = 1; i < pts.size(); ++i)
      if (SegmentDistance({x, y}, pts[i - 1], pts[i]) <= r) return true;
    return false;
  };
}

Shape Circle(Pt c, double r) {
  return [=](double x, double y) { return std::hypot(x - c.X, y - c.Y) <= r; };
}

Shape Circles(std::vector<Pt> centres, double r) {
  // Rows of cells 2r high, by the row of each centre.
  const double cell = 2 * r > 0 ? 2 * r : 1;
  std::vector<std::pair<long, std::vector<Pt>>> rows;
  for (const Pt& c : centres) {
    const long row = long(std::floor(c.Y / cell));
    auto it = std::find_if(rows.begin(), rows.end(), [row](const auto& e) { return e.first == row; });
    if (it == rows.end()) {
      rows.push_back({row, {}});
      it = rows.end() - 1;
    }
    it->second.push_back(c);
  }
  return [rows = std::move(rows), r, cell](double x, double y) {
    const long lo = long(std::floor((y - r) / cell)) - 1, hi = long(std::floor((y + r) / cell)) + 1;
    for (const auto& row : rows) {
      if (row.first < lo || row.first > hi) continue;
      for (const Pt& c : row.second)
        if (std::hypot(x - c.X, y - c.Y) <= r) return true;
    }
    return false;
  };
}

Shape Ring(Pt c, double r0, double r1) {
  return [=](double x, double y) {
    const double d = std::hypot(x - c.X, y - c.Y);
    return d >= r0 && d <= r1;
  };
}

Shape Arc(Pt c, double r0, double r1, double fromDeg, double toDeg) {
  return [=](double x, double y) {
    const double d = std::hypot(x - c.X, y - c.Y);
    if (d < r0 || d > r1) return false;
    double a = std::atan2(y - c.Y, x - c.X) * 180 / kPi;
    while (a < fromDeg) a += 360;
    return a <= toDeg;
  };
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return std::hypot(x - cx, y - cy) <= radius;
  };
}

Shape Union(std::vector<Shape> shapes) {
  return [shapes = std::move(shapes)](double x, double y) {
    for (const Shape& s : shapes)
      if (s(x, y)) return true;
    return false;
  };
}

Shape Minus(Shape a, Shape b) {
  return [=](double x, double y) { return a(x, y) && !b(x, y); };
}

Shape Shifted(Shape s, double dx, double dy) {
  return [=](double x, double y) { return s(x - dx, y - dy); };
}

DrawingScale::DrawingScale(double scale) : previous_(tDrawingScale) { tDrawingScale = scale; }
DrawingScale::~DrawingScale() { tDrawingScale = previous_; }

Canvas::Canvas(int w, int h, Color fill, double alpha)
    : scale_(tDrawingScale), samples_(SamplesAt(scale_)), w_(int(std::lround(w * scale_))),
      h_(int(std::lround(h * scale_))), r_(size_t(w_ * h_), fill.R * alpha), g_(size_t(w_ * h_), fill.G * alpha),
      b_(size_t(w_ * h_), fill.B * alpha), a_(size_t(w_ * h_), alpha) {}

double Canvas::Coverage(const Shape& s, int x, int y) const {
  const int k = samples_;
  int n = 0;
  if (scale_ != 1.0) {
    // Above scale 1 every stroke is wider than half a pixel: a pixel whose
    // corners and centre agree lies wholly inside or outside.
    const double l = x / scale_, t = y / scale_, r = (x + 1) / scale_, b = (y + 1) / scale_;
    const bool c = s((x + 0.5) / scale_, (y + 0.5) / scale_);
    if (s(l, t) == c && s(r, t) == c && s(l, b) == c && s(r, b) == c) return c ? 1.0 : 0.0;
  }
  if (scale_ == 1.0) {
    for (int i = 0; i < k; ++i)
      for (int j = 0; j < k; ++j)
        if (s(x + (i + 0.5) / k, y + (j + 0.5) / k)) ++n;
  } else {
    for (int i = 0; i < k; ++i)
      for (int j = 0; j < k; ++j)
        if (s((x + (i + 0.5) / k) / scale_, (y + (j + 0.5) / k) / scale_)) ++n;
  }
  return double(n) / (k * k);
}

void Canvas::Paint(const Shape& s, Color c, double opacity) {
  Paint(s, c, opacity, {0, 0, w_ / scale_, h_ / scale_});
}

void Canvas::Paint(const Shape& s, Color c, double opacity, Box box) {
  PaintWith(s, [c](double, double) { return c; }, opacity, box);
}

void Canvas::PaintWith(const Shape& s, const std::function<Color(double, double)>& color, double opacity) {
  PaintWith(s, color, opacity, {0, 0, w_ / scale_, h_ / scale_});
}

void Canvas::PaintWith(const Shape& s, const std::function<Color(double, double)>& color, double opacity, Box box) {
  const double k = scale_;
  const int x0 = std::max(0, int(std::floor(box.X0 * k))), x1 = std::min(w_, int(std::ceil(box.X1 * k)));
  const int y0 = std::max(0, int(std::floor(box.Y0 * k))), y1 = std::min(h_, int(std::ceil(box.Y1 * k)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const double a = Coverage(s, x, y) * opacity;
      if (a <= 0) continue;
      const Color c = k == 1.0 ? color(x + 0.5, y + 0.5) : color((x + 0.5) / k, (y + 0.5) / k);
      const size_t i = size_t(y * w_ + x);
      r_[i] = r_[i] * (1 - a) + c.R * a;
      g_[i] = g_[i] * (1 - a) + c.G * a;
      b_[i] = b_[i] * (1 - a) + c.B * a;
      a_[i] = a_[i] * (1 - a) + a;
    }
}

void Canvas::Set(int x, int y, Color c, double alpha) {
  const size_t i = size_t(y * w_ + x);
  r_[i] = c.R * alpha;
  g_[i] = c.G * alpha;
  b_[i] = c.B * alpha;
  a_[i] = alpha;
}

void Canvas::Pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const {
  const size_t i = size_t(y * w_ + x);
  const double al = a_[i];
  a = ToByte(al * 255);
  if (a == 0) {
    r = g = b = 0;
    return;
  }
  r = ToByte(r_[i] / al);
  g = ToByte(g_[i] / al);
  b = ToByte(b_[i] / al);
}

}  // namespace artgen
