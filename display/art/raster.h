#pragma once
// A tiny anti-aliasing rasteriser: shapes are inside-tests in pixel
// coordinates (pixel (i, j) covers [i, i+1) x [j, j+1)), sampled on a fixed
// grid inside each pixel, so edges come out soft and every run gives the same
// bytes.
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

namespace artgen {

struct Color {
  double R = 0, G = 0, B = 0;  // 0..255
};
Color Mix(Color a, Color b, double t);  // a at t = 0, b at t = 1
Color Scale(Color c, double f);

struct Pt {
  double X = 0, Y = 0;
};

struct Box {
  double X0, Y0, X1, Y1;
};

// What a shape is over a whole disc: wholly outside, wholly inside, or either.
enum class Cover : uint8_t { Outside, Inside, Mixed };

// A shape: its inside-test and, for the shapes made here, the box it lies in
// and a test of whole discs, so that a canvas skips the runs of pixels a
// shape leaves alone and fills those it covers without testing each. Any
// inside-test converts to a shape (unbounded, every disc of it Mixed: each
// pixel tested).
class Shape {
 public:
  using Test = std::function<bool(double x, double y)>;
  using DiscTest = std::function<Cover(double x, double y, double r)>;
  // The shape as seen from a box: it answers as the whole one at every point
  // of the box, with only the parts near the box to test.
  using NearTest = std::function<Shape(const Box& box)>;
  // The shape with every point moved by an affine map, made anew from moved
  // parts (a polygon from its moved corners), so that a test of the moved
  // shape is as quick as one of the shape.
  using Map = std::function<Pt(Pt)>;
  using MoveTest = std::function<Shape(const Map& map)>;
  // Where the row at height y crosses the shape's edge, added to `xs`: a
  // point of the row is inside when an odd number of them lie right of it,
  // the answer of the inside-test.
  using RowTest = std::function<void(double y, std::vector<double>& xs)>;
  Shape() = default;
  template <class F, class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Shape> &&
                                              std::is_invocable_r_v<bool, F&, double, double>>>
  Shape(F test) : parts_(std::make_shared<const Parts>(Parts{Test(std::move(test)), {}, {}, {}, {}})) {}
  // `test` is false outside `bounds`; `disc` answers Inside or Outside only
  // when every point of the disc passes or fails `test`.
  Shape(Test test, DiscTest disc, Box bounds, NearTest near = {}, MoveTest move = {}, RowTest row = {})
      : parts_(std::make_shared<const Parts>(
            Parts{std::move(test), std::move(disc), std::move(near), std::move(move), std::move(row)})),
        bounds_(bounds) {}
  bool operator()(double x, double y) const {
    return x >= bounds_.X0 && x <= bounds_.X1 && y >= bounds_.Y0 && y <= bounds_.Y1 && parts_ && parts_->Inside(x, y);
  }
  Cover Over(double x, double y, double r) const {
    if (x + r < bounds_.X0 || x - r > bounds_.X1 || y + r < bounds_.Y0 || y - r > bounds_.Y1) return Cover::Outside;
    return parts_ && parts_->Disc ? parts_->Disc(x, y, r) : Cover::Mixed;
  }
  Shape Near(const Box& box) const { return parts_ && parts_->Near ? parts_->Near(box) : *this; }
  const Box& Bounds() const { return bounds_; }
  bool Movable() const { return parts_ && parts_->Move; }
  Shape Moved(const Map& map) const { return parts_->Move(map); }  // only when Movable
  bool HasRows() const { return parts_ && parts_->Row; }
  void Row(double y, std::vector<double>& xs) const { parts_->Row(y, xs); }  // only when HasRows

 private:
  // Shared by the copies: a shape is copied into every shape made of it.
  struct Parts {
    Test Inside;
    DiscTest Disc;
    NearTest Near;
    MoveTest Move;
    RowTest Row;
  };
  std::shared_ptr<const Parts> parts_;
  Box bounds_{-1e300, -1e300, 1e300, 1e300};
};

Shape Polygon(std::vector<Pt> pts);
// Closed outlines filled by the even-odd rule, all tested at once: the union
// of the polygons when none meets another.
Shape Polygons(std::vector<std::vector<Pt>> rings);
Shape Capsule(Pt a, Pt b, double r);                 // thick line with round ends
Shape Polyline(const std::vector<Pt>& pts, double r);
Shape Circle(Pt c, double r);
// The union of many circles of one radius, the same as Union of Circles,
// with only the circles near a point tested.
Shape Circles(std::vector<Pt> centres, double r);
Shape Ring(Pt c, double r0, double r1);
Shape Arc(Pt c, double r0, double r1, double fromDeg, double toDeg);  // degrees, 0 = right, clockwise (y down)
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Union(std::vector<Shape> shapes);
Shape Minus(Shape a, Shape b);
Shape Shifted(Shape s, double dx, double dy);
// The shape leaning right: a point at height y moves by slant * (mid - y).
Shape Slanted(Shape s, double slant, double mid);
// The whole plane.
Shape Everywhere();

// While one lives, the canvases made on this thread are drawn at `scale`:
// a w x h canvas has round(w * scale) x round(h * scale) pixels, and shapes,
// boxes and colours keep their coordinates of scale 1.
class DrawingScale {
 public:
  explicit DrawingScale(double scale);
  ~DrawingScale();
  DrawingScale(const DrawingScale&) = delete;
  DrawingScale& operator=(const DrawingScale&) = delete;

 private:
  double previous_;
};

// While one lives, the canvases made on this thread test every pixel of every
// shape and hold the whole picture at once, as the drawing did before it
// learnt to skip: the yardstick the faster drawing is measured against, in
// the benchmarks and the tests. Both give the same bytes.
class PlainDrawing {
 public:
  PlainDrawing();
  ~PlainDrawing();
  PlainDrawing(const PlainDrawing&) = delete;
  PlainDrawing& operator=(const PlainDrawing&) = delete;

 private:
  bool previous_;
};

// RGBA picture with premultiplied colour, 0..255 per channel, alpha 0..1.
// What is painted on it is kept as a list of operations and drawn when the
// pixels are read: Bgra draws a band of rows at a time, so a large picture
// never needs its whole self in doubles; Pixel and Set draw all of it once.
// Shapes and colour functions are called after Paint has returned: they must
// own what they use (capture by value).
class Canvas {
 public:
  Canvas(int w, int h, Color fill, double alpha = 1.0);
  int Width() const { return w_; }   // in pixels
  int Height() const { return h_; }
  double Scale() const { return scale_; }

  // Paints colour c over the shape with the given opacity; only pixels in
  // `box` are visited (the whole canvas when omitted).
  void Paint(const Shape& s, Color c, double opacity = 1.0);
  void Paint(const Shape& s, Color c, double opacity, Box box);
  // Per-pixel colour chosen by the pixel centre (gradients).
  void PaintWith(const Shape& s, const std::function<Color(double x, double y)>& color, double opacity = 1.0);
  void PaintWith(const Shape& s, const std::function<Color(double x, double y)>& color, double opacity, Box box);
  // Colour chosen by the height of the pixel centre alone (vertical
  // gradients): worked out once a row.
  void PaintDown(const Shape& s, const std::function<Color(double y)>& color, double opacity = 1.0);
  void Set(int x, int y, Color c, double alpha = 1.0);
  // Coverage of the shape in pixel (x, y), 0..1.
  double Coverage(const Shape& s, int x, int y) const;

  // Straight (un-premultiplied) colour and alpha, rounded to bytes.
  void Pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const;
  // Every pixel from the top row down into `out` (Width x Height x 4
  // bytes): B, G, R, A, the colour multiplied by alpha (each channel of
  // Pixel times its alpha / 255, rounded), as 32-bit bitmaps hold them.
  void Bgra(uint8_t* out) const;

 private:
  struct Op {
    Shape S;
    Color C;
    std::function<Color(double x, double y)> ColorAt;  // none: C everywhere
    double Opacity;
    Box Where;
    bool Down = false;  // ColorAt is the same along a row
  };
  // Pixels of rows y0..y1-1, channel by channel.
  struct Band {
    int Y0 = 0, Y1 = 0;
    // The planes, side by side in one block, left as the allocator gives
    // them: every tile is filled before it is read.
    std::unique_ptr<double[]> Data;
    double *R = nullptr, *G = nullptr, *B = nullptr, *A = nullptr;
    int Width = 0;
    void Rows(int y0, int y1, int width);
    Band() = default;
    Band(const Band& other) { *this = other; }
    Band& operator=(const Band& other);
    std::vector<bool> Flat;          // by tile, left to right, top down
    std::vector<double> FlatValue;   // R, G, B, A of each flat tile
  };
  struct Span {
    int X0, Y0, X1, Y1;
  };
  static constexpr int kTile = 16, kBlock = 4;
  // One shape's tests in a tile from (X0, Y0), shared by its blocks: whether
  // the shape holds each corner of the tile's pixels (-1 until tested) and,
  // for a shape that gives its rows, the crossings of each row of points
  // (corners, centres, samples), found once.
  struct Tile {
    const Shape* S = nullptr;
    int X0 = 0, Y0 = 0, Samples = 0;
    int8_t Corner[kTile + 1][kTile + 1];
    std::vector<double> Xs;                // the rows' crossings, one row after another
    std::vector<std::pair<int, int>> Row;  // where each row's lie in Xs; first -1 until found
    std::vector<double> Line;              // the crossings of the row at hand
    void Start(const Shape& s, int x0, int y0, int samples);
    bool Inside(int row, double x, double y);
    // The rows: corners, centres, then the samples of each pixel row.
    static int CornerRow(int j) { return j; }
    static int CentreRow(int j) { return kTile + 1 + j; }
    int SampleRow(int j, int i) const { return 2 * kTile + 1 + j * Samples + i; }
  };
  void Fill(Band& band) const;
  Span Clip(const Op& op, int x0, int y0, int x1, int y1) const;
  void Apply(const Op& op, Band& band) const;
  void Render(Band& band, bool flat) const;
  void Visit(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const;
  void Visit(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1, Cover cover) const;
  void Blend(const Op& op, Band& band, int x, int y, double coverage) const;
  // With a tile, its shape is tested through it; the pixel lies in it.
  double Sampled(const Shape& s, int x, int y, Tile* tile = nullptr) const;
  void Block(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const;
  void Crossed(const Op& op, Band& band, Tile& tile, int x0, int y0, int x1, int y1) const;
  void Flood(const Op& op, Band& band, int x0, int y0, int x1, int y1) const;
  void Draw() const;  // every row, kept

  double scale_;
  bool plain_;
  int samples_;  // per axis in a pixel
  std::vector<double> offsets_;  // of the samples in a pixel, (i + 0.5) / samples_
  int w_, h_;
  Color fill_;
  double alpha_;
  std::vector<Op> ops_;
  mutable bool drawn_ = false;
  mutable Band all_;
};

}  // namespace artgen
