#include "picture_sheet.h"

#include <algorithm>

#include "font.h"

namespace art {

namespace {
const int kMargin = 12;
const int kColumn = 480;  // widest picture
const int kGap = 24;
const int kCaption = 14;

// Enlarge small pictures to fill about a column, never more than 8 times.
int zoomOf(const Image& img) { return std::max(1, std::min(8, kColumn / img.w)); }

std::string label(const PictureDef& def) {
    return def.name + "  " + def.file + "  " + std::to_string(def.width) + "x" + std::to_string(def.height) +
           (def.depth == Depth::Colours16 ? "  16 colours" : "  24-bit") + "  - " + def.caption;
}

void drawDashedBox(Canvas& c, int x, int y, int size, Color col) {
    for (int i = 0; i < size; i += 2) {
        c.setPixel(x + i, y, col);
        c.setPixel(x + i, y + size - 1, col);
        c.setPixel(x, y + i, col);
        c.setPixel(x + size - 1, y + i, col);
    }
}
}  // namespace

Image pictureSheet(const std::vector<PictureDef>& pictures, const std::vector<Image>& images) {
    int height = kMargin + 2 * kLineHeight + 8;
    for (const Image& img : images) height += kCaption + img.h * zoomOf(img) + kGap;
    height += kCaption + 32 + kMargin;
    Canvas c(2 * kMargin + 2 * kColumn + kGap, height);
    c.clear(rgb(150, 156, 168));
    Color ink = rgb(16, 16, 24);
    int y = kMargin;
    drawText(c, kMargin, y, "Lumenkin bitmaps and cursor", ink, 2);
    y += 2 * kLineHeight + 8;
    for (size_t i = 0; i < pictures.size(); i++) {
        const Image& img = images[i];
        drawText(c, kMargin, y, label(pictures[i]), ink);
        y += kCaption;
        c.drawImage(img, kMargin, y);
        int zoom = zoomOf(img);
        if (zoom > 1) c.drawImage(img, kMargin + kColumn + kGap, y, zoom);
        y += img.h * zoom + kGap;
    }
    drawText(c, kMargin, y, "NullCursor  NullCursor.cur  32x32 monochrome  - blank, hot spot 0,0", ink);
    drawDashedBox(c, kMargin, y + kCaption, 32, ink);
    return c.toImage();
}

}  // namespace art
