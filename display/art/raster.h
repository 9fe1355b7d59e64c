#pragma once
// A tiny anti-aliasing rasteriser: shapes are inside-tests in pixel
// coordinates (pixel (i, j) covers [i, i+1) x [j, j+1)), sampled on a fixed
// grid inside each pixel, so edges come out soft and every run gives the same
// bytes.
#include <cstdint>
#include <functional>
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

// Inside-test of a shape.
using Shape = std::function<bool(double x, double y)>;

struct Box {
  double X0, Y0, X1, Y1;
};

Shape Polygon(std::vector<Pt> pts);
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

// RGBA picture with premultiplied colour, 0..255 per channel, alpha 0..1.
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
  void Set(int x, int y, Color c, double alpha = 1.0);
  // Coverage of the shape in pixel (x, y), 0..1.
  double Coverage(const Shape& s, int x, int y) const;

  // Straight (un-premultiplied) colour and alpha, rounded to bytes.
  void Pixel(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b, uint8_t& a) const;

 private:
  double scale_;
  int samples_;  // per axis in a pixel
  int w_, h_;
  std::vector<double> r_, g_, b_, a_;
};

}  // namespace artgen
