#pragma once
// The pictures of the clock face: four image lists, an image addressed by
// list and index, each with its own size. The artwork generator draws them to
// these sizes and the image store checks what it loads against them.
#include <cstdint>

#include "resources/resource_ids.h"

namespace orlavox {

enum class ImageList : uint8_t {
  HrMin,  // large digits of hours and minutes
  Sec,    // medium digits of the seconds
  MS,     // small digits: day of the month, time line of the small display
  Misc,   // labels, indicators, colons, blanks and the two backgrounds
};
inline constexpr int kImageListCount = 4;

// Digit lists: index 0..9 the digit, index 10 a blank digit.
inline constexpr uint8_t kDigitImageCount = 11;
inline constexpr uint8_t kBlankDigit = 10;
inline constexpr uint8_t kMiscImageCount = 22;

// Indices into MiscList.
enum MiscImage : uint8_t {
  kMiscSunday = 0,  // weekday labels 0..6, Sunday to Saturday
  kMiscSaturday = 6,
  kMiscAm = 7,
  kMiscPm = 8,
  kMiscAnnounceOn = 9,
  kMiscAlarmOn = 10,
  kMiscBigColon = 11,
  kMiscDayLabel = 12,
  kMiscBlankAmPm = 13,
  kMiscBlankPatch = 14,
  kMiscBigBackground = 15,
  kMiscSmallBackground = 16,
  kMiscSmallAm = 17,
  kMiscSmallPm = 18,
  kMiscSmallBlankMarker = 19,
  kMiscSmallColon = 20,
  kMiscSmallBlankColon = 21,
};

// The face's words: the weekday labels and the label before the day of the
// month, in the language of the clock's windows.
constexpr bool IsFaceWord(ImageList list, int index) {
  return list == ImageList::Misc && ((index >= kMiscSunday && index <= kMiscSaturday) || index == kMiscDayLabel);
}

struct ImageSize {
  int16_t Width = 0;
  int16_t Height = 0;
};

constexpr int ImageCount(ImageList list) {
  return list == ImageList::Misc ? kMiscImageCount : kDigitImageCount;
}

// Size of image `index` of `list`; 0 x 0 when there is no such image.
constexpr ImageSize ImageSizeOf(ImageList list, int index) {
  if (index < 0 || index >= ImageCount(list)) return {};
  switch (list) {
    case ImageList::HrMin: return {31, 47};
    case ImageList::Sec: return {22, 33};
    case ImageList::MS: return {14, 21};
    case ImageList::Misc: break;
  }
  constexpr ImageSize kMisc[kMiscImageCount] = {
      {26, 13}, {26, 13}, {23, 13}, {26, 13}, {24, 13}, {20, 13}, {23, 13},  // weekdays
      {19, 11}, {19, 11},                                                    // AM, PM
      {13, 15}, {28, 9},                                                     // announce, alarm
      {13, 29}, {27, 11}, {26, 24}, {26, 13},                                // colon, label, blanks
      {292, 130}, {150, 40},                                                 // backgrounds
      {7, 19}, {7, 19}, {7, 19}, {4, 21}, {4, 21},                           // small display
  };
  return kMisc[index];
}

// Resource id of an image.
constexpr int ImageResourceId(ImageList list, int index) {
  switch (list) {
    case ImageList::HrMin: return IDB_HRMIN_BASE + index;
    case ImageList::Sec: return IDB_SEC_BASE + index;
    case ImageList::MS: return IDB_MS_BASE + index;
    case ImageList::Misc: break;
  }
  return IDB_MISC_BASE + index;
}

// How the store keeps the images at 100 %: side by side in strips, one strip
// per digit list, one for the small images of MiscList and one for each
// background, so that a list costs one allocation rather than one per image.
// An image's place is its strip and its left edge there (its top is row 0).
inline constexpr int kImageStripCount = 6;
struct StripPlace {
  int Strip = -1;
  int Left = 0;
};

constexpr int StripOf(ImageList list, int index) {
  switch (list) {
    case ImageList::HrMin: return 0;
    case ImageList::Sec: return 1;
    case ImageList::MS: return 2;
    case ImageList::Misc: break;
  }
  if (index == kMiscBigBackground) return 4;
  if (index == kMiscSmallBackground) return 5;
  return 3;
}

// Strip -1 when there is no such image.
constexpr StripPlace StripPlaceOf(ImageList list, int index) {
  if (index < 0 || index >= ImageCount(list)) return {};
  StripPlace place{StripOf(list, index), 0};
  for (int i = 0; i < index; ++i)
    if (StripOf(list, i) == place.Strip) place.Left += ImageSizeOf(list, i).Width;
  return place;
}

// The strip's size: its images' widths side by side, the tallest one's height.
constexpr ImageSize StripSize(int strip) {
  ImageSize size;
  for (int l = 0; l < kImageListCount; ++l)
    for (int i = 0; i < ImageCount(static_cast<ImageList>(l)); ++i) {
      const ImageSize image = ImageSizeOf(static_cast<ImageList>(l), i);
      if (StripOf(static_cast<ImageList>(l), i) != strip) continue;
      size.Width = int16_t(size.Width + image.Width);
      if (image.Height > size.Height) size.Height = image.Height;
    }
  return size;
}

// The LCD's ground: blank images are this colour, every image carries it.
struct Rgb8 {
  uint8_t R, G, B;
};
inline constexpr Rgb8 kGround = {165, 173, 156};

// Button glyphs, 16 x 16, each with a disabled variant.
enum class Glyph : uint8_t {
  AlarmClock,
  Settings,
  Dots,          // three dots at the bottom edge
  Question,      // question mark
  Speaker,       // loudspeaker
  DownTriangle,  // small triangle pointing down, at the bottom edge
  Ok,
  Cancel,
  Help,
  Play,          // play triangle (sound preview)
  None,
};
inline constexpr int kGlyphCount = IDB_GLYPH_COUNT;
inline constexpr int kGlyphSize = 16;

// The glyphs are kept side by side in one strip, kGlyphSize high, each
// glyph's disabled variant after it.
constexpr int GlyphStripLeft(Glyph g, bool enabled) { return (2 * static_cast<int>(g) + (enabled ? 0 : 1)) * kGlyphSize; }

constexpr int GlyphResourceId(Glyph g, bool enabled) {
  return IDB_GLYPH_BASE + 2 * static_cast<int>(g) + (enabled ? 0 : 1);
}

}  // namespace orlavox
