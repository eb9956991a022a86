// Review sheet for the bitmaps: each at actual size and enlarged, labelled.
#pragma once

#include <vector>

#include "canvas.h"
#include "pictures.h"

namespace art {

// `images[i]` is the rendered picture of `pictures[i]`.
Image pictureSheet(const std::vector<PictureDef>& pictures, const std::vector<Image>& images);

}  // namespace art
