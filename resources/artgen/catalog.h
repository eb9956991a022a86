// The list of every icon the program's resources hold: its resource name, the
// file it is written to, its group, its image sizes and how to draw it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace art {

struct IconDef {
    std::string name;        // resource name: an identifier, or a decimal id
    std::string file;        // file name inside the output folder
    std::string group;       // heading in the resource script and on the contact sheet
    std::vector<int> sizes;  // pixel sizes of the images in the file, largest first
    std::function<void(Canvas&)> draw;  // paints one tile in 32x32 units
};

// All icons, grouped, in the order of the resource script.
const std::vector<IconDef>& iconCatalogue();

// Draws one picture at size x size pixels.
Image renderTile(const std::function<void(Canvas&)>& draw, int size);
// Draws every image of an icon, in the order of its sizes.
std::vector<Image> renderIcon(const IconDef& def);

}  // namespace art
