// The bitmaps and the cursor the program's resources hold besides its icons:
// their resource names, files, sizes and colour depths, and how to draw them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "bytes.h"
#include "canvas.h"

namespace art {

// The grey of the program's dialogs: pictures that sit on them are drawn on it.
Color dialogGrey();

enum class Depth {
    Colours16,  // 4 bits per pixel, standard VGA palette
    TrueColour, // 24 bits per pixel
};

struct PictureDef {
    std::string name;   // resource name: an identifier, or a decimal id
    std::string file;   // file name inside the output folder
    int width, height;  // pixels
    Depth depth;
    std::string caption;                // what it is, for the review sheet
    std::function<void(Canvas&)> draw;  // paints the whole picture in pixel units
};

// All bitmaps, in the order of the review sheet.
const std::vector<PictureDef>& pictureCatalogue();

// Draws a picture on the dialog grey; the result is fully opaque, and in
// palette colours when the picture has 16 colours.
Image renderPicture(const PictureDef& def);
// The bitmap file of a rendered picture, in the picture's colour depth.
Bytes encodePicture(const PictureDef& def, const Image& img);

// The blank cursor shown over the screen saver: 32x32, every pixel
// transparent, hot spot at the top-left corner.
extern const char* const kNullCursorFile;
Bytes nullCursor();

}  // namespace art
