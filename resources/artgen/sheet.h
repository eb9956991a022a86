// Contact sheet: every generated icon enlarged and labelled, on a dark and a
// light background, for reviewing all the art at a glance.
#pragma once

#include <vector>

#include "canvas.h"
#include "catalog.h"

namespace art {

// `images[i]` are the rendered images of `icons[i]`.
Image contactSheet(const std::vector<IconDef>& icons, const std::vector<std::vector<Image>>& images);

}  // namespace art
