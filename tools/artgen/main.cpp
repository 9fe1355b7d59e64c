// artgen <output folder>: writes every picture of the clock as BMP and ICO
// files and art_bitmaps.rc, the resource lines of the bitmaps, which the
// program's resource script includes. Only the icons are named by that script
// itself (the program's icon must stay the first icon resource).
#include <cstdio>
#include <string>

#include "display/art/face_art.h"
#include "display/art/glyph_art.h"
#include "display/face_images.h"
#include "tools/artgen/image_files.h"

namespace {

using orlavox::ImageList;

const char* ListPrefix(ImageList l) {
  switch (l) {
    case ImageList::HrMin: return "hrmin";
    case ImageList::Sec: return "sec";
    case ImageList::MS: return "ms";
    case ImageList::Misc: break;
  }
  return "misc";
}

std::string TwoDigits(int i) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02d", i);
  return buf;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: artgen <output folder>\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  bool ok = true;
  std::string rc = "// Written by artgen: the bitmaps of the clock face and the button glyphs.\n";

  for (ImageList l : {ImageList::HrMin, ImageList::Sec, ImageList::MS, ImageList::Misc}) {
    for (int i = 0; i < orlavox::ImageCount(l); ++i) {
      const std::string name = std::string(ListPrefix(l)) + "_" + TwoDigits(i) + ".bmp";
      ok &= artgen::WriteFile(dir + name, artgen::Bmp24(artgen::FaceImage(l, i)));
      rc += std::to_string(orlavox::ImageResourceId(l, i)) + " BITMAP \"" + name + "\"\n";
    }
  }
  for (int g = 0; g < orlavox::kGlyphCount; ++g) {
    const auto glyph = static_cast<orlavox::Glyph>(g);
    for (bool enabled : {true, false}) {
      const std::string name = std::string(artgen::GlyphFileName(glyph)) + (enabled ? "" : "_off") + ".bmp";
      ok &= artgen::WriteFile(dir + name, artgen::Bmp32(artgen::GlyphImage(glyph, enabled)));
      rc += std::to_string(orlavox::GlyphResourceId(glyph, enabled)) + " BITMAP \"" + name + "\"\n";
    }
  }

  const artgen::Canvas big = artgen::ProgramIcon(32), small = artgen::ProgramIcon(16);
  ok &= artgen::WriteFile(dir + "orlavox.ico", artgen::Ico({{32, &big, {}}, {16, &small, {}}}));
  ok &= artgen::WriteFile(dir + "tray_dial.ico", artgen::Ico({{16, nullptr, artgen::TrayDial()}}));
  ok &= artgen::WriteFile(dir + "art_bitmaps.rc", std::vector<uint8_t>(rc.begin(), rc.end()));
  if (!ok) {
    std::fprintf(stderr, "artgen: could not write into %s\n", dir.c_str());
    return 1;
  }
  return 0;
}
