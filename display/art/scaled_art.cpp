#include "display/art/scaled_art.h"

#include <cmath>

#include "display/art/face_art.h"
#include "display/art/glyph_art.h"

namespace artgen {
namespace {

orlavox::Picture ToPicture(const Canvas& c) {
  orlavox::Picture p;
  p.Width = c.Width();
  p.Height = c.Height();
  p.Bgra.resize(size_t(p.Width) * size_t(p.Height) * 4);
  c.Bgra(p.Bgra.data());
  return p;
}

constexpr double kPi = 3.14159265358979323846;

}  // namespace

orlavox::Picture FaceImageAt(orlavox::ImageList list, int index, int dpi, orlavox::Language language) {
  DrawingScale scale(dpi / 96.0);
  return ToPicture(FaceImage(list, index, language));
}

orlavox::Picture GlyphAt(orlavox::Glyph g, bool enabled, int size) {
  DrawingScale scale(size / double(orlavox::kGlyphSize));
  return ToPicture(GlyphImage(g, enabled));
}

orlavox::Picture ProgramIconAt(int size) { return ToPicture(ProgramIcon(size)); }

orlavox::Picture TrayClockAt(int size, int hour, int minute) {
  DrawingScale scale(size / 16.0);
  Canvas c(16, 16, Color{0, 0, 0}, 0.0);
  const Pt centre{8, 8};
  const Color black{0, 0, 0}, blue{0, 0, 255}, white{255, 255, 255};
  c.Paint(Circle(centre, 7.95), black);
  c.Paint(Circle(centre, 6.95), white);
  std::vector<Shape> marks;
  for (int h = 0; h < 12; ++h) {
    const double a = h * kPi / 6, r = h % 3 ? 5.7 : 5.5;
    marks.push_back(Circle({8 + r * std::sin(a), 8 - r * std::cos(a)}, h % 3 ? 0.5 : 0.9));
  }
  c.Paint(Union(marks), blue);
  const double ha = ((hour % 12) + minute / 60.0) * kPi / 6, ma = minute * kPi / 30;
  c.Paint(Union({Capsule(centre, {8 + 3.6 * std::sin(ha), 8 - 3.6 * std::cos(ha)}, 0.55),
                 Capsule(centre, {8 + 5.4 * std::sin(ma), 8 - 5.4 * std::cos(ma)}, 0.45)}),
          black);
  return ToPicture(c);
}

}  // namespace artgen
