#include "pictures.h"

#include "bmp.h"
#include "cur.h"
#include "picture_drawings.h"

namespace art {

const char* const kNullCursorFile = "NullCursor.cur";

Color dialogGrey() { return rgb(192, 192, 192); }

namespace {
std::vector<PictureDef> build() {
    const Depth c16 = Depth::Colours16, c24 = Depth::TrueColour;
    return {
        {"1300", "bmp1300.bmp", 480, 80, c24, "Options banner", drawOptionsBanner},
        {"1502", "bmp1502.bmp", 16, 16, c24, "Music note", drawMusicNote},
        {"118", "bmp118.bmp", 36, 44, c24, "Festive picture", drawFestivePicture},
        {"P1400", "p1400.bmp", 32, 48, c16, "Power off", [](Canvas& c) { drawPowerSwitch(c, false); }},
        {"P1401", "p1401.bmp", 32, 48, c16, "Power on", [](Canvas& c) { drawPowerSwitch(c, true); }},
        {"BulbSeq", "BulbSeq.bmp", 22, 20, c16, "Preview bulbs", drawPreviewBulbs},
        {"1501", "bmp1501.bmp", 318, 21, c24, "About strip", drawAboutStrip},
        {"1500", "bmp1500.bmp", 214, 39, c24, "About title", drawAboutTitle},
    };
}
}  // namespace

const std::vector<PictureDef>& pictureCatalogue() {
    static const std::vector<PictureDef> list = build();
    return list;
}

Image renderPicture(const PictureDef& def) {
    Canvas c(def.width, def.height);
    c.clear(dialogGrey());
    def.draw(c);
    // 16-colour pictures are shown as their files will hold them.
    return def.depth == Depth::Colours16 ? toVgaColours(c.toImage(), dialogGrey()) : c.toImage();
}

Bytes encodePicture(const PictureDef& def, const Image& img) {
    return def.depth == Depth::Colours16 ? encodeBmp4(img, dialogGrey()) : encodeBmp24(img, dialogGrey());
}

Bytes nullCursor() { return encodeMonoCursor(Image(32, 32), 0, 0); }

}  // namespace art
