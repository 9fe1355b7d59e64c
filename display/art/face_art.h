#pragma once
// The LCD pictures of the clock face.
#include "display/art/raster.h"
#include "display/face_images.h"

namespace artgen {

// Image `index` of a list, at the size the face expects.
Canvas FaceImage(orlavox::ImageList list, int index);

}  // namespace artgen
