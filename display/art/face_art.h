#pragma once
// The LCD pictures of the clock face.
#include "display/art/raster.h"
#include "display/face_images.h"
#include "resources/languages.h"

namespace artgen {

// Image `index` of a list, at the size the face expects. The face's words
// (the weekday labels and the label before the day of the month) are in
// `language`; every other picture is the same in all of them.
Canvas FaceImage(orlavox::ImageList list, int index, orlavox::Language language = orlavox::Language::English);

// The face's word that image `index` of MiscList shows in `language` (UTF-8),
// or null for an image that is not one of them.
const char* FaceWord(orlavox::Language language, int index);

}  // namespace artgen
