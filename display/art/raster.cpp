#include "display/art/raster.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace artgen {
namespace {

constexpr int kSamples = 6;  // per axis: 36 samples a pixel at scale 1
thread_local double tDrawingScale = 1.0;
thread_local bool tPlain = false;

// Larger pixels of the picture are smaller ones of the shapes: fewer samples
// give the same smoothness, and a 300 % face is drawn in good time.
int SamplesAt(double scale) {
  if (scale == 1.0) return kSamples;
  const int n = int(std::ceil(kSamples / scale));
  return n < 2 ? 2 : n;
}
constexpr double kPi = 3.14159265358979323846;

// From the point of segment a-b nearest to p, to p.
Pt SegmentOffset(Pt p, Pt a, Pt b) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return {p.X - (a.X + t * dx), p.Y - (a.Y + t * dy)};
}

// Whether std::hypot(dx, dy) <= r, the same answer without the slow call
// but at the very edge.
bool Within(double dx, double dy, double r) {
  if (r < 0) return false;
  const double d2 = dx * dx + dy * dy, r2 = r * r;
  if (d2 < r2 * (1 - 1e-12)) return true;
  if (d2 > r2 * (1 + 1e-12)) return false;
  return std::hypot(dx, dy) <= r;
}

// Lengths for the disc tests, which keep a margin.
double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }
double Length(Pt d) { return Length(d.X, d.Y); }

}  // namespace

Color Mix(Color a, Color b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
Color Scale(Color c, double f) { return {c.R * f, c.G * f, c.B * f}; }

namespace {

// Discs are taken as wholly in or out only this far from an edge, well
// beyond the rounding of the inside-tests.
constexpr double kMargin = 1e-6;

// The box around points, grown by `grow` and the margin.
Box Around(const std::vector<Pt>& pts, double grow) {
  Box b{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const Pt& p : pts) b = {std::min(b.X0, p.X), std::min(b.Y0, p.Y), std::max(b.X1, p.X), std::max(b.Y1, p.Y)};
  grow += kMargin;
  return {b.X0 - grow, b.Y0 - grow, b.X1 + grow, b.Y1 + grow};
}

// A shape that lies inside `bounds` and whose edge is at least
// clearance(x, y) away from (x, y).
Shape WithClearance(Shape::Test test, std::function<double(double, double)> clearance, Box bounds) {
  auto disc = [test, clearance = std::move(clearance)](double x, double y, double r) {
    if (clearance(x, y) <= r + kMargin) return Cover::Mixed;
    return test(x, y) ? Cover::Inside : Cover::Outside;
  };
  return Shape(std::move(test), std::move(disc), bounds);
}

// Boxes grown by the margin, so that a point moved into a box's own
// coordinates and back is never taken as outside it.
Box Grown(Box b) { return {b.X0 - kMargin, b.Y0 - kMargin, b.X1 + kMargin, b.Y1 + kMargin}; }
Box Joined(Box a, Box b) { return {std::min(a.X0, b.X0), std::min(a.Y0, b.Y0), std::max(a.X1, b.X1), std::max(a.Y1, b.Y1)}; }

// The root of the least square is the least root: one root for all edges.
double PolylineDistance(const std::vector<Pt>& pts, Pt p) {
  if (pts.size() == 1) return Length(p.X - pts[0].X, p.Y - pts[0].Y);
  double d2 = INFINITY;
  for (size_t i = 1; i < pts.size(); ++i) {
    const Pt d = SegmentOffset(p, pts[i - 1], pts[i]);
    d2 = std::min(d2, d.X * d.X + d.Y * d.Y);
  }
  return std::sqrt(d2);
}

// Whether boxes a and b share a point.
bool Meet(const Box& a, const Box& b) { return a.X0 <= b.X1 && b.X0 <= a.X1 && a.Y0 <= b.Y1 && b.Y0 <= a.Y1; }

// Whether the segment a-b, grown by r and the margin as Around grows it, meets box b.
bool Meet(Pt a, Pt b, double r, const Box& box) {
  r += kMargin;
  return Meet({std::min(a.X, b.X) - r, std::min(a.Y, b.Y) - r, std::max(a.X, b.X) + r, std::max(a.Y, b.Y) + r}, box);
}

// Nowhere: what a shape is from a box none of its parts reaches.
Shape Nowhere() {
  return Shape([](double, double) { return false; }, [](double, double, double) { return Cover::Outside; },
               Box{INFINITY, INFINITY, -INFINITY, -INFINITY});
}

}  // namespace

Shape Polygon(std::vector<Pt> pts) { return Polygons({std::move(pts)}); }

Shape Polygons(std::vector<std::vector<Pt>> rings) {
  // Each edge a-b with b - a worked out once: the same values every test.
  struct Edge {
    double AX, AY, BY, DX, DY;
  };
  // A line crosses a ring's edges an even number of times: a ring wholly
  // left or right of a point, or above or below it, changes nothing, and
  // only the rings whose box holds the point are tested.
  struct Ring {
    Box Bounds;
    std::vector<Edge> Edges;
  };
  auto all = std::make_shared<std::vector<Ring>>();
  std::vector<std::vector<Pt>> outlines;  // closed, for the discs
  for (const std::vector<Pt>& pts : rings) {
    if (pts.empty()) continue;
    all->push_back({Around(pts, 0), {}});
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++)
      all->back().Edges.push_back({pts[i].X, pts[i].Y, pts[j].Y, pts[j].X - pts[i].X, pts[j].Y - pts[i].Y});
    outlines.push_back(pts);
    outlines.back().push_back(pts.front());
  }
  if (all->empty()) return [](double, double) { return false; };
  using Rings = std::shared_ptr<const std::vector<Ring>>;
  auto crossings = [](Rings tested) {
    return [tested](double x, double y) {
      bool in = false;
      for (const Ring& r : *tested) {
        if (x < r.Bounds.X0 || x > r.Bounds.X1 || y < r.Bounds.Y0 || y > r.Bounds.Y1) continue;
        for (const Edge& e : r.Edges)
          if ((e.AY > y) != (e.BY > y) && x < e.DX * (y - e.AY) / e.DY + e.AX) in = !in;
      }
      return in;
    };
  };
  // The same crossings for a whole row. A ring wholly left or right of a
  // point of it adds an even number or none, so the rings' boxes across
  // need no test.
  auto row = [](Rings tested) {
    return [tested](double y, std::vector<double>& xs) {
      for (const Ring& r : *tested) {
        if (y < r.Bounds.Y0 || y > r.Bounds.Y1) continue;
        for (const Edge& e : r.Edges)
          if ((e.AY > y) != (e.BY > y)) xs.push_back(e.DX * (y - e.AY) / e.DY + e.AX);
      }
    };
  };
  Box bounds = all->front().Bounds;
  for (const Ring& r : *all) bounds = Joined(bounds, r.Bounds);
  auto move = [rings = std::move(rings)](const Shape::Map& map) {
    std::vector<std::vector<Pt>> moved;
    for (const std::vector<Pt>& pts : rings) {
      moved.emplace_back();
      for (const Pt& p : pts) moved.back().push_back(map(p));
    }
    return Polygons(std::move(moved));
  };
  auto disc = std::make_shared<const Shape::DiscTest>(
      [test = crossings(all), all, outlines = std::move(outlines)](double x, double y, double r) {
        const double reach = r + kMargin;
        for (size_t i = 0; i < all->size(); ++i) {
          const Box& b = (*all)[i].Bounds;  // a disc clear of a ring's box is clear of the ring
          if (x + reach < b.X0 || x - reach > b.X1 || y + reach < b.Y0 || y - reach > b.Y1) continue;
          if (PolylineDistance(outlines[i], {x, y}) <= reach) return Cover::Mixed;
        }
        return test(x, y) ? Cover::Inside : Cover::Outside;
      });
  auto over = [disc](double x, double y, double r) { return (*disc)(x, y, r); };
  // From a box, the rings that meet it, and of those the edges that some
  // point of it passes at their height and that do not lie wholly left of
  // it; the discs are still tested against every edge.
  auto near = [all, crossings, row, over, bounds](const Box& box) {
    auto kept = std::make_shared<std::vector<Ring>>();
    for (const Ring& r : *all) {
      if (!Meet(r.Bounds, box)) continue;
      kept->push_back({r.Bounds, {}});
      for (const Edge& e : r.Edges) {
        const double top = std::min(e.AY, e.BY), bottom = std::max(e.AY, e.BY), right = std::max(e.AX, e.AX + e.DX);
        if (bottom + kMargin >= box.Y0 && top - kMargin <= box.Y1 && right + kMargin >= box.X0) kept->back().Edges.push_back(e);
      }
    }
    return Shape(crossings(kept), over, bounds, {}, {}, row(kept));
  };
  return Shape(crossings(all), over, bounds, std::move(near), std::move(move), row(all));
}

Shape Capsule(Pt a, Pt b, double r) {
  return WithClearance(
      [=](double x, double y) {
        const Pt d = SegmentOffset({x, y}, a, b);
        return Within(d.X, d.Y, r);
      },
      [=](double x, double y) { return std::fabs(Length(SegmentOffset({x, y}, a, b)) - r); }, Around({a, b}, r));
}

Shape Polyline(const std::vector<Pt>& pts, double r) {
  auto test = [pts, r](double x, double y) {
    if (pts.size() == 1) return Within(x - pts[0].X, y - pts[0].Y, r);
    for (size_t i = 1; i < pts.size(); ++i) {
      const Pt d = SegmentOffset({x, y}, pts[i - 1], pts[i]);
      if (Within(d.X, d.Y, r)) return true;
    }
    return false;
  };
  const Shape whole = WithClearance(
      std::move(test), [pts, r](double x, double y) { return std::fabs(PolylineDistance(pts, {x, y}) - r); }, Around(pts, r));
  if (pts.size() < 3) return whole;
  // From a box, the strokes that come near it.
  auto near = [whole, pts, r](const Box& box) {
    std::vector<std::pair<Pt, Pt>> kept;
    for (size_t i = 1; i < pts.size(); ++i)
      if (Meet(pts[i - 1], pts[i], r, box)) kept.push_back({pts[i - 1], pts[i]});
    return Shape(
        [kept, r](double x, double y) {
          for (const auto& k : kept) {
            const Pt d = SegmentOffset({x, y}, k.first, k.second);
            if (Within(d.X, d.Y, r)) return true;
          }
          return false;
        },
        [whole](double x, double y, double d) { return whole.Over(x, y, d); }, whole.Bounds());
  };
  return Shape([whole](double x, double y) { return whole(x, y); }, [whole](double x, double y, double d) { return whole.Over(x, y, d); },
               whole.Bounds(), std::move(near));
}

Shape Circle(Pt c, double r) {
  return WithClearance([=](double x, double y) { return Within(x - c.X, y - c.Y, r); },
                       [=](double x, double y) { return std::fabs(Length(x - c.X, y - c.Y) - r); }, Around({c}, r));
}

Shape Circles(std::vector<Pt> centres, double r) {
  const Box bounds = Around(centres, r);
  // Rows of cells 2r high, by the row of each centre; in a row, from the left.
  const double cell = 2 * r > 0 ? 2 * r : 1;
  std::map<long, std::vector<Pt>> byRow;
  for (const Pt& c : centres) byRow[long(std::floor(c.Y / cell))].push_back(c);
  // Every row from the first to the last, empty ones too, so that a row is
  // found by its number.
  const long first = byRow.empty() ? 0 : byRow.begin()->first, last = byRow.empty() ? -1 : byRow.rbegin()->first;
  std::vector<std::vector<Pt>> rows(size_t(last - first + 1));
  for (auto& row : byRow) {
    std::sort(row.second.begin(), row.second.end(), [](Pt a, Pt b) { return a.X < b.X; });
    rows[size_t(row.first - first)] = std::move(row.second);
  }
  auto shared = std::make_shared<const decltype(rows)>(std::move(rows));
  // Calls near(c) for each circle whose row lies within `reach` of y and
  // whose centre within `reach` of x, while it returns false.
  auto visit = [shared, cell, first, last](double x, double y, double reach, const auto& near) {
    const double lo = std::max(std::floor((y - reach) / cell) - 1, double(first));
    const double hi = std::min(std::floor((y + reach) / cell) + 1, double(last));
    for (long row = long(lo); row <= long(hi) && lo <= hi; ++row) {
      const std::vector<Pt>& in = (*shared)[size_t(row - first)];
      auto c = std::lower_bound(in.begin(), in.end(), x - reach - kMargin, [](Pt p, double v) { return p.X < v; });
      for (; c != in.end() && c->X <= x + reach + kMargin; ++c)
        if (near(*c)) return true;
    }
    return false;
  };
  auto test = [visit, r](double x, double y) {
    return visit(x, y, r, [&](Pt c) { return Within(x - c.X, y - c.Y, r); });
  };
  // A disc is inside when one circle holds it, outside when every circle near enough stays clear of it.
  auto disc = [visit, r](double x, double y, double d) {
    bool mixed = false;
    const bool inside = visit(x, y, r + d, [&](Pt c) {
      const double e = Length(x - c.X, y - c.Y);
      if (e - d <= r + kMargin) mixed = true;
      return e + d < r - kMargin;
    });
    return inside ? Cover::Inside : mixed ? Cover::Mixed : Cover::Outside;
  };
  // From a box, the circles that come near it, tested one by one.
  auto over = std::make_shared<const Shape::DiscTest>(std::move(disc));
  auto near = [shared, over, r, bounds](const Box& box) {
    std::vector<Pt> kept;
    for (const std::vector<Pt>& row : *shared)
      for (const Pt& c : row)
        if (Meet(c, c, r, box)) kept.push_back(c);
    return Shape(
        [kept, r](double x, double y) {
          for (const Pt& c : kept)
            if (Within(x - c.X, y - c.Y, r)) return true;
          return false;
        },
        [over](double x, double y, double d) { return (*over)(x, y, d); }, bounds);
  };
  return Shape(std::move(test), [over](double x, double y, double d) { return (*over)(x, y, d); }, bounds, std::move(near));
}

Shape Ring(Pt c, double r0, double r1) {
  return WithClearance(
      [=](double x, double y) {
        const double d = std::hypot(x - c.X, y - c.Y);
        return d >= r0 && d <= r1;
      },
      [=](double x, double y) {
        const double d = Length(x - c.X, y - c.Y);
        return std::min(std::fabs(d - r0), std::fabs(d - r1));
      },
      Around({c}, r1));
}

Shape Arc(Pt c, double r0, double r1, double fromDeg, double toDeg) {
  auto test = [=](double x, double y) {
    const double d = std::hypot(x - c.X, y - c.Y);
    if (d < r0 || d > r1) return false;
    double a = std::atan2(y - c.Y, x - c.X) * 180 / kPi;
    while (a < fromDeg) a += 360;
    return a <= toDeg;
  };
  // The edge: two circles and the two radii at the ends.
  auto radius = [c, r0, r1](double deg) {
    const double a = deg * kPi / 180, dx = std::cos(a), dy = std::sin(a);
    return std::pair<Pt, Pt>{{c.X + r0 * dx, c.Y + r0 * dy}, {c.X + r1 * dx, c.Y + r1 * dy}};
  };
  const auto from = radius(fromDeg), to = radius(toDeg);
  auto clearance = [=](double x, double y) {
    const double d = Length(x - c.X, y - c.Y);
    return std::min({std::fabs(d - r0), std::fabs(d - r1), Length(SegmentOffset({x, y}, from.first, from.second)),
                     Length(SegmentOffset({x, y}, to.first, to.second))});
  };
  return WithClearance(std::move(test), std::move(clearance), Around({c}, r1));
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  auto test = [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = std::clamp(x, x0 + radius, x1 - radius);
    const double cy = std::clamp(y, y0 + radius, y1 - radius);
    return Within(x - cx, y - cy, radius);
  };
  // Outside the inner rectangle the edge lies `radius` from it; inside, at the nearest side.
  auto clearance = [=](double x, double y) {
    const double dx = std::max({x0 + radius - x, 0.0, x - (x1 - radius)});
    const double dy = std::max({y0 + radius - y, 0.0, y - (y1 - radius)});
    if (dx > 0 || dy > 0) return std::fabs(Length(dx, dy) - radius);
    return std::min({x - x0, x1 - x, y - y0, y1 - y});
  };
  return WithClearance(std::move(test), std::move(clearance), Around({{x0, y0}, {x1, y1}}, 0));
}

Shape Union(std::vector<Shape> shapes) {
  Box bounds{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const Shape& s : shapes) bounds = Joined(bounds, s.Bounds());
  auto shared = std::make_shared<const std::vector<Shape>>(std::move(shapes));
  auto test = [shared](double x, double y) {
    for (const Shape& s : *shared)
      if (s(x, y)) return true;
    return false;
  };
  auto disc = [shared](double x, double y, double r) {
    Cover cover = Cover::Outside;
    for (const Shape& s : *shared) {
      const Cover c = s.Over(x, y, r);
      if (c == Cover::Inside) return c;
      if (c == Cover::Mixed) cover = c;
    }
    return cover;
  };
  auto near = [shared](const Box& box) {
    std::vector<Shape> kept;
    for (const Shape& s : *shared)
      if (Meet(s.Bounds(), box)) kept.push_back(s.Near(box));
    if (kept.empty()) return Nowhere();
    if (kept.size() == 1) return kept.front();
    return Union(std::move(kept));
  };
  return Shape(std::move(test), std::move(disc), bounds, std::move(near));
}

Shape Minus(Shape a, Shape b) {
  auto disc = [=](double x, double y, double r) {
    const Cover ca = a.Over(x, y, r);
    if (ca == Cover::Outside) return ca;
    const Cover cb = b.Over(x, y, r);
    if (cb == Cover::Inside) return Cover::Outside;
    return ca == Cover::Inside && cb == Cover::Outside ? Cover::Inside : Cover::Mixed;
  };
  auto near = [a, b](const Box& box) { return Minus(a.Near(box), b.Near(box)); };
  return Shape([=](double x, double y) { return a(x, y) && !b(x, y); }, std::move(disc), a.Bounds(), std::move(near));
}

Shape Shifted(Shape s, double dx, double dy) {
  if (s.Movable()) return s.Moved([=](Pt p) { return Pt{p.X + dx, p.Y + dy}; });
  const Box b = s.Bounds();
  return Shape([=](double x, double y) { return s(x - dx, y - dy); },
               [=](double x, double y, double r) { return s.Over(x - dx, y - dy, r); },
               Grown({b.X0 + dx, b.Y0 + dy, b.X1 + dx, b.Y1 + dy}),
               [=](const Box& box) { return Shifted(s.Near(Grown({box.X0 - dx, box.Y0 - dy, box.X1 - dx, box.Y1 - dy})), dx, dy); });
}

Shape Slanted(Shape s, double slant, double mid) {
  if (s.Movable()) return s.Moved([=](Pt p) { return Pt{p.X + slant * (mid - p.Y), p.Y}; });
  // A disc of radius r becomes an ellipse inside one of radius r * (1 + |slant|).
  const double grow = 1 + std::fabs(slant);
  const Box b = s.Bounds();
  const double top = slant * (mid - b.Y0), bottom = slant * (mid - b.Y1);
  return Shape([=](double x, double y) { return s(x - slant * (mid - y), y); },
               [=](double x, double y, double r) { return s.Over(x - slant * (mid - y), y, r * grow); },
               Grown({b.X0 + std::min(top, bottom), b.Y0, b.X1 + std::max(top, bottom), b.Y1}), [=](const Box& box) {
                 // The box's points, moved back: its top and bottom edges move the most.
                 const double t = slant * (mid - box.Y0), u = slant * (mid - box.Y1);
                 const Box back = Grown({box.X0 - std::max(t, u), box.Y0, box.X1 - std::min(t, u), box.Y1});
                 return Slanted(s.Near(back), slant, mid);
               });
}

Shape Everywhere() {
  return Shape([](double, double) { return true; }, [](double, double, double) { return Cover::Inside; },
               Box{-1e300, -1e300, 1e300, 1e300});
}

DrawingScale::DrawingScale(double scale) : previous_(tDrawingScale) { tDrawingScale = scale; }
DrawingScale::~DrawingScale() { tDrawingScale = previous_; }

PlainDrawing::PlainDrawing() : previous_(tPlain) { tPlain = true; }
PlainDrawing::~PlainDrawing() { tPlain = previous_; }

Canvas::Canvas(int w, int h, Color fill, double alpha)
    : scale_(tDrawingScale), plain_(tPlain), samples_(SamplesAt(scale_)), w_(int(std::lround(w * scale_))),
      h_(int(std::lround(h * scale_))), fill_(fill), alpha_(alpha) {
  for (int i = 0; i < samples_; ++i) offsets_.push_back((i + 0.5) / samples_);
}

double Canvas::Coverage(const Shape& s, int x, int y) const {
  if (scale_ != 1.0) {
    // Above scale 1 every stroke is wider than half a pixel: a pixel whose
    // corners and centre agree lies wholly inside or outside.
    const double l = x / scale_, t = y / scale_, r = (x + 1) / scale_, b = (y + 1) / scale_;
    const bool c = s((x + 0.5) / scale_, (y + 0.5) / scale_);
    if (s(l, t) == c && s(r, t) == c && s(l, b) == c && s(r, b) == c) return c ? 1.0 : 0.0;
  }
  return Sampled(s, x, y);
}

void Canvas::Tile::Start(const Shape& s, int x0, int y0, int samples) {
  S = &s;
  X0 = x0;
  Y0 = y0;
  Samples = samples;
  std::fill(&Corner[0][0], &Corner[0][0] + sizeof Corner, int8_t(-1));
  Xs.clear();
  Row.assign(s.HasRows() ? size_t(SampleRow(kTile, 0)) : 0, {-1, -1});
}

inline bool Canvas::Tile::Inside(int row, double x, double y) {
  if (Row.empty()) return (*S)(x, y);
  std::pair<int, int>& r = Row[size_t(row)];
  if (r.first < 0) {
    r.first = int(Xs.size());
    S->Row(y, Xs);
    r.second = int(Xs.size());
  }
  bool in = false;
  for (int i = r.first; i < r.second; ++i) in ^= Xs[size_t(i)] > x;
  return in;
}

// The share of the samples of pixel (x, y) inside the shape.
double Canvas::Sampled(const Shape& s, int x, int y, Tile* tile) const {
  const int k = samples_;
  int n = 0;
  for (int j = 0; j < k; ++j) {
    const double v = scale_ == 1.0 ? y + offsets_[size_t(j)] : (y + offsets_[size_t(j)]) / scale_;
    const int row = tile ? tile->SampleRow(y - tile->Y0, j) : 0;
    for (int i = 0; i < k; ++i) {
      const double u = scale_ == 1.0 ? x + offsets_[size_t(i)] : (x + offsets_[size_t(i)]) / scale_;
      if (tile ? tile->Inside(row, u, v) : s(u, v)) ++n;
    }
  }
  return double(n) / (k * k);
}

// Coverage of each pixel of a block of at most kBlock x kBlock, as Coverage
// gives it, the corners tested once for the pixels and blocks that share them.
void Canvas::Block(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const {
  if (scale_ == 1.0) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Blend(op, band, x, y, Sampled(op.S, x, y, &tile));
    return;
  }
  // The coordinates of the corners and centres, each worked out once.
  double left[kBlock + 1], top[kBlock + 1], across[kBlock], down[kBlock];
  for (int i = 0; i <= x1 - x0; ++i) left[i] = (x0 + i) / scale_;
  for (int j = 0; j <= y1 - y0; ++j) top[j] = (y0 + j) / scale_;
  for (int i = 0; i < x1 - x0; ++i) across[i] = (x0 + i + 0.5) / scale_;
  for (int j = 0; j < y1 - y0; ++j) down[j] = (y0 + j + 0.5) / scale_;
  const int tx = x0 - tile.X0, ty = y0 - tile.Y0;
  bool corner[kBlock + 1][kBlock + 1];
  for (int j = 0; j <= y1 - y0; ++j)
    for (int i = 0; i <= x1 - x0; ++i) {
      int8_t& known = tile.Corner[ty + j][tx + i];
      if (known < 0) known = tile.Inside(Tile::CornerRow(ty + j), left[i], top[j]);
      corner[j][i] = known;
    }
  for (int j = 0; j < y1 - y0; ++j)
    for (int i = 0; i < x1 - x0; ++i) {
      const bool c = tile.Inside(Tile::CentreRow(ty + j), across[i], down[j]);
      const bool same = corner[j][i] == c && corner[j][i + 1] == c && corner[j + 1][i] == c && corner[j + 1][i + 1] == c;
      Blend(op, band, x0 + i, y0 + j, same ? (c ? 1.0 : 0.0) : Sampled(op.S, x0 + i, y0 + j, &tile));
    }
}

// A tile's pixels as Coverage gives them, for a shape that gives its rows,
// above scale 1: each row of corners and of centres crossed once and its
// points read off from the left.
void Canvas::Crossed(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const {
  const int w = x1 - x0;
  double left[kTile + 1], across[kTile];
  for (int i = 0; i <= w; ++i) left[i] = (x0 + i) / scale_;
  for (int i = 0; i < w; ++i) across[i] = (x0 + i + 0.5) / scale_;
  // The points of a row inside the shape, a bit each: those with an odd
  // number of crossings right of them. A crossing turns over the points
  // left of it, the first m: m guessed, then found by the same comparison
  // as the inside-test's.
  std::vector<double>& xs = tile.Line;
  auto row = [&](double y, const double* at, int n) {
    xs.clear();
    op.S.Row(y, xs);
    uint32_t bits = 0;
    for (double c : xs) {
      int m = int(std::clamp(std::floor((c - at[0]) * scale_), 0.0, double(n)));
      while (m < n && at[m] < c) ++m;
      while (m > 0 && !(at[m - 1] < c)) --m;
      bits ^= (1u << m) - 1;
    }
    return bits;
  };
  uint32_t corners[kTile + 1];
  for (int j = 0; j <= y1 - y0; ++j) corners[j] = row((y0 + j) / scale_, left, w + 1);
  for (int j = 0; j < y1 - y0; ++j) {
    const uint32_t c = row((y0 + j + 0.5) / scale_, across, w), t = corners[j], b = corners[j + 1];
    const uint32_t mixed = (t ^ c) | ((t >> 1) ^ c) | (b ^ c) | ((b >> 1) ^ c);
    for (int i = 0, e; i < w; i = e) {
      e = i + 1;
      if (mixed >> i & 1) {
        Blend(op, band, x0 + i, y0 + j, Sampled(op.S, x0 + i, y0 + j, &tile));
        continue;
      }
      if (!(c >> i & 1)) continue;
      while (e < w && !(mixed >> e & 1) && (c >> e & 1)) ++e;  // a run of covered pixels
      Flood(op, band, x0 + i, y0 + j, x0 + e, y0 + j + 1);
    }
  }
}

void Canvas::Paint(const Shape& s, Color c, double opacity) { Paint(s, c, opacity, {0, 0, w_ / scale_, h_ / scale_}); }

void Canvas::Paint(const Shape& s, Color c, double opacity, Box box) {
  const Op op{s, c, nullptr, opacity, box};
  if (drawn_)
    Apply(op, all_);
  else
    ops_.push_back(op);
}

void Canvas::PaintWith(const Shape& s, const std::function<Color(double, double)>& color, double opacity) {
  PaintWith(s, color, opacity, {0, 0, w_ / scale_, h_ / scale_});
}

void Canvas::PaintWith(const Shape& s, const std::function<Color(double, double)>& color, double opacity, Box box) {
  const Op op{s, {}, color, opacity, box};
  if (drawn_)
    Apply(op, all_);
  else
    ops_.push_back(op);
}

void Canvas::PaintDown(const Shape& s, const std::function<Color(double)>& color, double opacity) {
  Op op{s, {}, [color](double, double y) { return color(y); }, opacity, {0, 0, w_ / scale_, h_ / scale_}};
  op.Down = true;
  if (drawn_)
    Apply(op, all_);
  else
    ops_.push_back(op);
}

void Canvas::Band::Rows(int y0, int y1, int width) {
  const size_t n = size_t(width) * size_t(y1 - y0);
  if (!Data || width != Width || y1 - y0 > Y1 - Y0) {
    Data.reset(new double[4 * n]);
    R = Data.get();
    G = R + n;
    B = G + n;
    A = B + n;
  }
  Width = width;
  Y0 = y0;
  Y1 = y1;
}

Canvas::Band& Canvas::Band::operator=(const Band& other) {
  if (this == &other) return *this;
  Data.reset();
  Flat = other.Flat;
  FlatValue = other.FlatValue;
  if (!other.Data) return *this;
  Rows(other.Y0, other.Y1, other.Width);
  const size_t n = size_t(Width) * size_t(Y1 - Y0);
  std::copy(other.R, other.R + n, R);
  std::copy(other.G, other.G + n, G);
  std::copy(other.B, other.B + n, B);
  std::copy(other.A, other.A + n, A);
  return *this;
}

void Canvas::Fill(Band& band) const {
  const size_t n = size_t(w_) * size_t(band.Y1 - band.Y0);
  std::fill(band.R, band.R + n, fill_.R * alpha_);
  std::fill(band.G, band.G + n, fill_.G * alpha_);
  std::fill(band.B, band.B + n, fill_.B * alpha_);
  std::fill(band.A, band.A + n, alpha_);
}

inline void Canvas::Blend(const Op& op, Band& band, int x, int y, double coverage) const {
  const double a = coverage * op.Opacity;
  if (a <= 0) return;
  const double k = scale_;
  const Color c = !op.ColorAt ? op.C : k == 1.0 ? op.ColorAt(x + 0.5, y + 0.5) : op.ColorAt((x + 0.5) / k, (y + 0.5) / k);
  const size_t i = size_t(y - band.Y0) * size_t(w_) + size_t(x);
  band.R[i] = band.R[i] * (1 - a) + c.R * a;
  band.G[i] = band.G[i] * (1 - a) + c.G * a;
  band.B[i] = band.B[i] * (1 - a) + c.B * a;
  band.A[i] = band.A[i] * (1 - a) + a;
}

// Blend with every pixel covered, row by row.
void Canvas::Flood(const Op& op, Band& band, int x0, int y0, int x1, int y1) const {
  const double a = 1.0 * op.Opacity, keep = 1 - a, k = scale_;
  if (a <= 0) return;
  for (int y = y0; y < y1; ++y) {
    const size_t row = size_t(y - band.Y0) * size_t(w_);
    double *r = &band.R[row], *g = &band.G[row], *b = &band.B[row], *al = &band.A[row];
    if (!op.ColorAt) {
      const double cr = op.C.R * a, cg = op.C.G * a, cb = op.C.B * a;
      if (keep == 0.0) {  // opaque: the same values as blending over what is there, drawn or not
        std::fill(r + x0, r + x1, cr);
        std::fill(g + x0, g + x1, cg);
        std::fill(b + x0, b + x1, cb);
        std::fill(al + x0, al + x1, a);
        continue;
      }
      for (int x = x0; x < x1; ++x) {
        r[x] = r[x] * keep + cr;
        g[x] = g[x] * keep + cg;
        b[x] = b[x] * keep + cb;
        al[x] = al[x] * keep + a;
      }
      continue;
    }
    if (op.Down && x0 < x1) {
      const Color c = k == 1.0 ? op.ColorAt(x0 + 0.5, y + 0.5) : op.ColorAt((x0 + 0.5) / k, (y + 0.5) / k);
      const double cr = c.R * a, cg = c.G * a, cb = c.B * a;
      for (int x = x0; x < x1; ++x) {
        r[x] = keep == 0.0 ? cr : r[x] * keep + cr;
        g[x] = keep == 0.0 ? cg : g[x] * keep + cg;
        b[x] = keep == 0.0 ? cb : b[x] * keep + cb;
        al[x] = keep == 0.0 ? a : al[x] * keep + a;
      }
      continue;
    }
    for (int x = x0; x < x1; ++x) {
      const Color c = k == 1.0 ? op.ColorAt(x + 0.5, y + 0.5) : op.ColorAt((x + 0.5) / k, (y + 0.5) / k);
      if (keep == 0.0) {  // opaque: what is there may not have been drawn yet
        r[x] = c.R * a;
        g[x] = c.G * a;
        b[x] = c.B * a;
        al[x] = a;
        continue;
      }
      r[x] = r[x] * keep + c.R * a;
      g[x] = g[x] * keep + c.G * a;
      b[x] = b[x] * keep + c.B * a;
      al[x] = al[x] * keep + a;
    }
  }
}

// The pixels x0..x1-1, y0..y1-1, over which the shape is `cover`: skipped
// or filled whole when the shape is sure, else halved until each pixel is
// tested.
void Canvas::Visit(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1, Cover cover) const {
  if (cover == Cover::Outside) return;
  if (cover == Cover::Inside) {
    Flood(op, band, x0, y0, x1, y1);
    return;
  }
  if (x1 - x0 <= kBlock && y1 - y0 <= kBlock) {
    Block(op, band, tile, x0, y0, x1, y1);
    return;
  }
  const int xm = x1 - x0 > kBlock ? (x0 + x1) / 2 : x1, ym = y1 - y0 > kBlock ? (y0 + y1) / 2 : y1;
  Visit(op, band, tile, x0, y0, xm, ym);
  if (xm < x1) Visit(op, band, tile, xm, y0, x1, ym);
  if (ym < y1) {
    Visit(op, band, tile, x0, ym, xm, y1);
    if (xm < x1) Visit(op, band, tile, xm, ym, x1, y1);
  }
}

void Canvas::Visit(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const {
  const double k = scale_;
  Visit(op, band, tile, x0, y0, x1, y1, op.S.Over((x0 + x1) / (2 * k), (y0 + y1) / (2 * k), Length(x1 - x0, y1 - y0) / (2 * k)));
}

// The pixels of the op's box inside x0..x1-1, y0..y1-1.
Canvas::Span Canvas::Clip(const Op& op, int x0, int y0, int x1, int y1) const {
  const double k = scale_;
  const Box& box = op.Where;
  return {std::max(x0, int(std::floor(box.X0 * k))), std::max(y0, int(std::floor(box.Y0 * k))),
          std::min(x1, int(std::ceil(box.X1 * k))), std::min(y1, int(std::ceil(box.Y1 * k)))};
}

void Canvas::Apply(const Op& op, Band& band) const {
  const Span s = Clip(op, 0, band.Y0, w_, band.Y1);
  if (plain_) {
    for (int y = s.Y0; y < s.Y1; ++y)
      for (int x = s.X0; x < s.X1; ++x) Blend(op, band, x, y, Coverage(op.S, x, y));
    return;
  }
  Tile tile;
  for (int y = s.Y0; y < s.Y1; y += kTile)
    for (int x = s.X0; x < s.X1; x += kTile) {
      tile.Start(op.S, x, y, samples_);
      Visit(op, band, tile, x, y, std::min(x + kTile, s.X1), std::min(y + kTile, s.Y1));
    }
}

// Tile by tile, every operation on a tile while it is in the cache. A tile
// starts at the last operation that covers all of it opaquely: what lay
// beneath is replaced whole, so it is not drawn. With `flat`, a tile whose
// operations each cover all of it or none of it, in one colour, is one
// colour: its value is kept once (Band::Flat) and its pixels left alone.
void Canvas::Render(Band& band, bool flat) const {
  const double k = scale_;
  std::vector<Cover> covers(ops_.size());
  std::vector<Span> spans(ops_.size());
  Tile tile;
  const int across = (w_ + kTile - 1) / kTile;
  band.Flat.assign(flat ? size_t(across) * size_t((band.Y1 - band.Y0 + kTile - 1) / kTile) : 0, false);
  band.FlatValue.resize(band.Flat.size() * 4);
  for (int ty = band.Y0; ty < band.Y1; ty += kTile)
    for (int tx = 0; tx < w_; tx += kTile) {
      const int tx1 = std::min(tx + kTile, w_), ty1 = std::min(ty + kTile, band.Y1);
      auto whole = [&](const Span& s) { return s.X0 == tx && s.Y0 == ty && s.X1 == tx1 && s.Y1 == ty1; };
      size_t first = ops_.size();
      bool covered = false;
      while (first > 0 && !covered) {
        const Op& op = ops_[--first];
        const Span s = spans[first] = Clip(op, tx, ty, tx1, ty1);
        covers[first] = s.X0 >= s.X1 || s.Y0 >= s.Y1
                            ? Cover::Outside
                            : op.S.Over((s.X0 + s.X1) / (2 * k), (s.Y0 + s.Y1) / (2 * k), Length(s.X1 - s.X0, s.Y1 - s.Y0) / (2 * k));
        covered = covers[first] == Cover::Inside && op.Opacity == 1.0 && whole(s);
      }
      bool one = flat;
      for (size_t i = first; i < ops_.size() && one; ++i)
        one = covers[i] == Cover::Outside || (covers[i] == Cover::Inside && !ops_[i].ColorAt && whole(spans[i]));
      if (one) {
        // The tile's one pixel, blended as Flood blends each.
        double v[4] = {fill_.R * alpha_, fill_.G * alpha_, fill_.B * alpha_, alpha_};
        for (size_t i = first; i < ops_.size(); ++i) {
          const double a = 1.0 * ops_[i].Opacity, keep = 1 - a;
          if (covers[i] != Cover::Inside || a <= 0) continue;
          const Color& c = ops_[i].C;
          v[0] = v[0] * keep + c.R * a;
          v[1] = v[1] * keep + c.G * a;
          v[2] = v[2] * keep + c.B * a;
          v[3] = v[3] * keep + a;
        }
        const size_t t = size_t((ty - band.Y0) / kTile) * size_t(across) + size_t(tx / kTile);
        band.Flat[t] = true;
        std::copy(v, v + 4, &band.FlatValue[t * 4]);
        continue;
      }
      if (!covered) {
        for (int y = ty; y < ty1; ++y) {
          const size_t row = size_t(y - band.Y0) * size_t(w_);
          std::fill(&band.R[row + tx], &band.R[row + tx1], fill_.R * alpha_);
          std::fill(&band.G[row + tx], &band.G[row + tx1], fill_.G * alpha_);
          std::fill(&band.B[row + tx], &band.B[row + tx1], fill_.B * alpha_);
          std::fill(&band.A[row + tx], &band.A[row + tx1], alpha_);
        }
      }
      for (size_t i = first; i < ops_.size(); ++i) {
        const Span& s = spans[i];
        if (covers[i] == Cover::Inside) Flood(ops_[i], band, s.X0, s.Y0, s.X1, s.Y1);
        if (covers[i] != Cover::Mixed) continue;
        // Its edge crosses the tile: only the parts of the shape near the tile are tested.
        Op near = ops_[i];
        near.S = near.S.Near(Grown({s.X0 / k, s.Y0 / k, s.X1 / k, s.Y1 / k}));
        tile.Start(near.S, s.X0, s.Y0, samples_);
        if (scale_ == 1.0 || !near.S.HasRows()) {
          Visit(near, band, tile, s.X0, s.Y0, s.X1, s.Y1, covers[i]);
          continue;
        }
        Crossed(near, band, tile, s.X0, s.Y0, s.X1, s.Y1);
      }
    }
}

void Canvas::Draw() const {
  if (drawn_) return;
  all_.Rows(0, h_, w_);
  Fill(all_);
  if (plain_)
    for (const Op& op : ops_) Apply(op, all_);
  else
    Render(all_, false);
  drawn_ = true;
}

void Canvas::Set(int x, int y, Color c, double alpha) {
  Draw();
  const size_t i = size_t(y * w_ + x);
  all_.R[i] = c.R * alpha;
  all_.G[i] = c.G * alpha;
  all_.B[i] = c.B * alpha;
  all_.A[i] = alpha;
}

namespace {

// std::lround of the value kept in 0..255, without the library call. Above
// 0.5, v + 0.5 is exact or rounds no further than to the next whole number
// (it crosses no power of two it is not meant to); below, it could round
// 0.49999999999999994 up.
inline uint8_t RoundByte(double v) {
  v = v > 255.0 ? 255.0 : v;
  return uint8_t(v >= 0.5 ? int(v + 0.5) : 0);
}

void Straight(double r, double g, double b, double al, uint8_t* out) {
  out[3] = RoundByte(al * 255);
  if (out[3] == 0) {
    out[0] = out[1] = out[2] = 0;
  } else if (al == 1.0) {
    out[0] = RoundByte(r);
    out[1] = RoundByte(g);
    out[2] = RoundByte(b);
  } else {
    out[0] = RoundByte(r / al);
    out[1] = RoundByte(g / al);
    out[2] = RoundByte(b / al);
  }
}

}  // namespace

void Canvas::Pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const {
  Draw();
  const size_t i = size_t(y * w_ + x);
  uint8_t px[4];
  Straight(all_.R[i], all_.G[i], all_.B[i], all_.A[i], px);
  r = px[0];
  g = px[1];
  b = px[2];
  a = px[3];
}

namespace {

// One row of straight colour in doubles to premultiplied B, G, R, A bytes:
// every pixel as an opaque one first (a loop without branches, which the
// compiler runs several pixels at a time), then the others again.
void BgraRow(const double* r, const double* g, const double* b, const double* a, int w, uint8_t* out) {
  auto opaque = [](double v) {
    v = v > 255.0 ? 255.0 : v;
    const int up = int(v + 0.5);
    return uint8_t(v >= 0.5 ? up : 0);
  };
  int x = 0, from = 0;  // from: the first pixel that may be less than opaque
#ifdef __SSE2__
  // Two pixels at a time, each channel as `opaque` makes it: the minimum
  // keeps a NaN (its second operand), which then fails the test for 0.5.
  const __m128d top = _mm_set1_pd(255.0), half = _mm_set1_pd(0.5);
  auto bytes = [&](const double* v) {
    const __m128d c = _mm_min_pd(top, _mm_loadu_pd(v));
    const __m128i up = _mm_cvttpd_epi32(_mm_add_pd(c, half));
    // The two 64-bit masks to the two low 32-bit lanes, beside the two values.
    const __m128i keep = _mm_shuffle_epi32(_mm_castpd_si128(_mm_cmpge_pd(c, half)), _MM_SHUFFLE(2, 2, 2, 0));
    return _mm_and_si128(up, keep);
  };
  const __m128d one = _mm_set1_pd(1.0);
  __m128d others = _mm_setzero_pd();
  for (; x + 2 <= w; x += 2) {
    others = _mm_or_pd(others, _mm_cmpneq_pd(_mm_loadu_pd(a + x), one));
    const __m128i px = _mm_or_si128(_mm_or_si128(bytes(b + x), _mm_slli_epi32(bytes(g + x), 8)),
                                    _mm_or_si128(_mm_slli_epi32(bytes(r + x), 16), _mm_set1_epi32(-16777216)));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 4 * x), px);
  }
  if (!_mm_movemask_pd(others)) from = x;
#endif
  for (; x < w; ++x) {
    out[4 * x] = opaque(b[x]);
    out[4 * x + 1] = opaque(g[x]);
    out[4 * x + 2] = opaque(r[x]);
    out[4 * x + 3] = 255;
  }
  for (x = from; x < w; ++x) {
    if (a[x] == 1.0) continue;
    uint8_t px[4];
    Straight(r[x], g[x], b[x], a[x], px);
    const unsigned alpha = px[3];
    out[4 * x] = uint8_t((px[2] * alpha + 127) / 255);
    out[4 * x + 1] = uint8_t((px[1] * alpha + 127) / 255);
    out[4 * x + 2] = uint8_t((px[0] * alpha + 127) / 255);
    out[4 * x + 3] = px[3];
  }
}

}  // namespace

void Canvas::Bgra(uint8_t* out) const {
  const int across = (w_ + kTile - 1) / kTile;
  // A row of each flat tile's pixels, made at the tile's top row.
  std::vector<uint8_t> flat(size_t(across) * kTile * 4);
  auto emit = [&](const Band& band) {
    for (int y = band.Y0; y < band.Y1; ++y) {
      const size_t at = size_t(y - band.Y0) * size_t(w_), tiles = size_t((y - band.Y0) / kTile) * size_t(across);
      uint8_t* row = out + size_t(y) * size_t(w_) * 4;
      for (int tx = 0; tx < w_; tx += kTile) {
        const int n = std::min(kTile, w_ - tx);
        const size_t t = tiles + size_t(tx / kTile);
        if (t >= band.Flat.size() || !band.Flat[t]) {
          BgraRow(&band.R[at + tx], &band.G[at + tx], &band.B[at + tx], &band.A[at + tx], n, row + size_t(tx) * 4);
          continue;
        }
        uint8_t* one = &flat[size_t(tx / kTile) * kTile * 4];
        if ((y - band.Y0) % kTile == 0) {
          const double* v = &band.FlatValue[t * 4];
          BgraRow(v, v + 1, v + 2, v + 3, 1, one);
          for (int x = 1; x < kTile; ++x) std::copy(one, one + 4, one + x * 4);
        }
        std::copy(one, one + size_t(n) * 4, row + size_t(tx) * 4);
      }
    }
  };
  if (drawn_ || plain_) {
    Draw();
    emit(all_);
    return;
  }
  // Bands of whole tiles, about 32 K pixels each.
  const int rows = std::max(kTile, 32768 / std::max(w_, 1) / kTile * kTile);
  Band band;
  for (int y = 0; y < h_; y += rows) {
    band.Rows(y, std::min(h_, y + rows), w_);
    Render(band, true);
    emit(band);
  }
}

}  // namespace artgen
