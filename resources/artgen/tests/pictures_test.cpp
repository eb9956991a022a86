// Bitmaps and the cursor: file formats, the sizes and layouts the program
// relies on, and the resource script listing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "../bmp.h"
#include "../cur.h"
#include "../lettering.h"
#include "../pictures.h"

using namespace art;

namespace {
// Reads back an uncompressed bottom-up 4- or 24-bit bitmap as an opaque image.
Image decodeBmp(const Bytes& b) {
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(getLe32(b, 2), b.size());
    int w = int(getLe32(b, 18)), h = int(getLe32(b, 22)), bits = int(getLe16(b, 28));
    EXPECT_EQ(getLe32(b, 30), 0u);  // BI_RGB
    uint32_t offset = getLe32(b, 10);
    uint32_t stride = ((uint32_t(w) * bits + 31) / 32) * 4;
    EXPECT_EQ(b.size(), offset + stride * h);
    Image img(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            size_t row = offset + size_t(h - 1 - y) * stride;
            uint8_t* d = img.at(x, y);
            if (bits == 24) {
                d[0] = b[row + x * 3 + 2], d[1] = b[row + x * 3 + 1], d[2] = b[row + x * 3];
            } else {
                int index = x % 2 ? b[row + x / 2] & 15 : b[row + x / 2] >> 4;
                size_t entry = 14 + 40 + index * 4;
                d[0] = b[entry + 2], d[1] = b[entry + 1], d[2] = b[entry];
            }
            d[3] = 255;
        }
    return img;
}

const PictureDef& picture(const std::string& name) {
    for (const PictureDef& d : pictureCatalogue())
        if (d.name == name) return d;
    throw std::runtime_error("no picture " + name);
}

bool isGrey192(const uint8_t* p) { return p[0] == 192 && p[1] == 192 && p[2] == 192; }

// Average colour of a rectangle of a picture.
struct Mean {
    double r = 0, g = 0, b = 0;
    bool hasWhite = false;
};
Mean mean(const Image& img, int x0, int y0, int w, int h) {
    Mean m;
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++) {
            const uint8_t* p = img.at(x, y);
            m.r += p[0], m.g += p[1], m.b += p[2];
            m.hasWhite |= p[0] == 255 && p[1] == 255 && p[2] == 255;
        }
    m.r /= w * h, m.g /= w * h, m.b /= w * h;
    return m;
}
}  // namespace

TEST(Bmp4, CarriesTheVgaPaletteAndPacksTwoPixelsPerByteBottomUp) {
    Image img(3, 2);
    auto set = [&](int x, int y, int r, int g, int b, int a = 255) {
        uint8_t* p = img.at(x, y);
        p[0] = uint8_t(r), p[1] = uint8_t(g), p[2] = uint8_t(b), p[3] = uint8_t(a);
    };
    set(0, 0, 255, 0, 0);      // red, 9
    set(1, 0, 0, 0, 128);      // navy, 4
    set(2, 0, 250, 250, 10);   // near yellow, 11
    set(0, 1, 0, 0, 0, 0);     // transparent: the background, silver, 7
    set(1, 1, 255, 255, 255);  // white, 15
    set(2, 1, 120, 130, 125);  // near grey, 8
    Bytes b = encodeBmp4(img, rgb(192, 192, 192));
    EXPECT_EQ(getLe16(b, 28), 4u);
    EXPECT_EQ(getLe32(b, 46), 16u);           // colours used
    EXPECT_EQ(getLe32(b, 10), 14u + 40 + 64);  // pixels follow the palette
    for (int i = 0; i < 16; i++) {
        const Rgb8& p = vgaPalette()[i];
        EXPECT_EQ(b[54 + i * 4], p[2]);
        EXPECT_EQ(b[54 + i * 4 + 1], p[1]);
        EXPECT_EQ(b[54 + i * 4 + 2], p[0]);
    }
    const size_t bottom = 118, top = bottom + 4;  // rows padded to 4 bytes
    ASSERT_EQ(b.size(), top + 4);
    EXPECT_EQ(b[top], 0x94);
    EXPECT_EQ(b[top + 1], 0xB0);
    EXPECT_EQ(b[bottom], 0x7F);
    EXPECT_EQ(b[bottom + 1], 0x80);
    EXPECT_EQ(b[top + 2] | b[top + 3] | b[bottom + 2] | b[bottom + 3], 0);
}

TEST(Cursor, BlankCursorIsMonochromeAllTransparentWithHotSpotTopLeft) {
    Bytes cur = nullCursor();
    EXPECT_EQ(getLe16(cur, 0), 0u);
    EXPECT_EQ(getLe16(cur, 2), 2u);  // cursor, not icon
    EXPECT_EQ(getLe16(cur, 4), 1u);
    EXPECT_EQ(cur[6], 32);
    EXPECT_EQ(cur[7], 32);
    EXPECT_EQ(getLe16(cur, 10), 0u);  // hot spot x
    EXPECT_EQ(getLe16(cur, 12), 0u);  // hot spot y
    uint32_t size = getLe32(cur, 14), offset = getLe32(cur, 18);
    ASSERT_EQ(offset, 22u);
    ASSERT_EQ(cur.size(), offset + size);
    EXPECT_EQ(getLe32(cur, offset + 8), 64u);  // both masks
    EXPECT_EQ(getLe16(cur, offset + 14), 1u);  // one bit per pixel
    const size_t xorMask = offset + 40 + 8, andMask = xorMask + 32 * 4;
    ASSERT_EQ(cur.size(), andMask + 32 * 4);
    for (size_t i = 0; i < 128; i++) {
        ASSERT_EQ(cur[xorMask + i], 0x00) << i;
        ASSERT_EQ(cur[andMask + i], 0xFF) << i;
    }
}

TEST(Cursor, OpaquePixelsClearTheAndMaskAndWhiteOnesSetTheXorMask) {
    Image img(8, 2);
    img.at(0, 0)[3] = 255;  // black, top left
    uint8_t* white = img.at(7, 1);
    white[0] = white[1] = white[2] = white[3] = 255;  // white, bottom right
    Bytes cur = encodeMonoCursor(img, 3, 1);
    EXPECT_EQ(getLe16(cur, 10), 3u);
    EXPECT_EQ(getLe16(cur, 12), 1u);
    const size_t xorMask = 22 + 40 + 8, andMask = xorMask + 2 * 4;
    // Bottom row first.
    EXPECT_EQ(cur[xorMask], 0x01);
    EXPECT_EQ(cur[xorMask + 4], 0x00);
    EXPECT_EQ(cur[andMask], 0xFE);
    EXPECT_EQ(cur[andMask + 4], 0x7F);
}

TEST(Pictures, HaveTheNamesSizesAndDepthsTheProgramExpects) {
    struct Expect {
        const char* name;
        const char* file;
        int w, h;
        Depth depth;
    };
    const Expect expected[] = {{"1300", "bmp1300.bmp", 480, 80, Depth::TrueColour},
                               {"1502", "bmp1502.bmp", 16, 16, Depth::TrueColour},
                               {"118", "bmp118.bmp", 36, 44, Depth::TrueColour},
                               {"P1400", "p1400.bmp", 32, 48, Depth::Colours16},
                               {"P1401", "p1401.bmp", 32, 48, Depth::Colours16},
                               {"BulbSeq", "BulbSeq.bmp", 22, 20, Depth::Colours16},
                               {"1501", "bmp1501.bmp", 318, 21, Depth::TrueColour},
                               {"1500", "bmp1500.bmp", 214, 39, Depth::TrueColour}};
    ASSERT_EQ(pictureCatalogue().size(), std::size(expected));
    for (const Expect& e : expected) {
        const PictureDef& d = picture(e.name);
        EXPECT_EQ(d.file, e.file);
        EXPECT_EQ(d.width, e.w) << e.name;
        EXPECT_EQ(d.height, e.h) << e.name;
        EXPECT_EQ(d.depth, e.depth) << e.name;
    }
}

TEST(Pictures, FilesHoldExactlyWhatWasDrawn) {
    for (const PictureDef& d : pictureCatalogue()) {
        Image drawn = renderPicture(d);
        Bytes file = encodePicture(d, drawn);
        EXPECT_EQ(getLe16(file, 28), d.depth == Depth::Colours16 ? 4u : 24u) << d.name;
        Image back = decodeBmp(file);
        ASSERT_EQ(back.w, d.width);
        ASSERT_EQ(back.h, d.height);
        EXPECT_EQ(back.px, drawn.px) << d.name;  // opaque, and 16-colour ones already in palette colours
    }
}

TEST(Pictures, ThoseOnTheDialogsStandOnTheDialogGrey) {
    for (const char* name : {"1502", "118", "1500", "1501", "1300", "P1400", "P1401"}) {
        Image img = renderPicture(picture(name));
        EXPECT_TRUE(isGrey192(img.at(0, 0)) && isGrey192(img.at(img.w - 1, img.h - 1))) << name;
    }
    // The name on the About box is not cut off at any edge.
    Image title = renderPicture(picture("1500"));
    for (int x = 0; x < title.w; x++)
        for (int y : {0, title.h - 1}) EXPECT_TRUE(isGrey192(title.at(x, y))) << x << "," << y;
    for (int y = 0; y < title.h; y++)
        for (int x : {0, title.w - 1}) EXPECT_TRUE(isGrey192(title.at(x, y))) << x << "," << y;
    for (char ch : std::string("Lumenkin")) EXPECT_TRUE(hasLetter(ch)) << ch;
}

TEST(Pictures, PreviewBulbsHaveGreenOnTopRedBelowUnlitLeftLitRight) {
    Image img = renderPicture(picture("BulbSeq"));
    const int w = img.w / 2, h = img.h / 2;
    ASSERT_EQ(w, 11);
    ASSERT_EQ(h, 10);
    // The glass of each cell, below the wire and socket.
    Mean greenOff = mean(img, 0, 3, w, h - 3), greenOn = mean(img, w, 3, w, h - 3);
    Mean redOff = mean(img, 0, h + 3, w, h - 3), redOn = mean(img, w, h + 3, w, h - 3);
    for (const Mean* m : {&greenOff, &greenOn}) EXPECT_GT(m->g, m->r + 20);
    for (const Mean* m : {&redOff, &redOn}) EXPECT_GT(m->r, m->g + 20);
    EXPECT_GT(greenOn.g, greenOff.g + 30);
    EXPECT_GT(redOn.r, redOff.r + 30);
    EXPECT_TRUE(greenOn.hasWhite && redOn.hasWhite);
    EXPECT_FALSE(greenOff.hasWhite || redOff.hasWhite);
    // Cells in a row join: the edge columns of neighbouring cells match.
    for (int y = 0; y < img.h; y++)
        EXPECT_EQ(std::vector<uint8_t>(img.at(0, y), img.at(0, y) + 4), std::vector<uint8_t>(img.at(w, y), img.at(w, y) + 4)) << y;
}

TEST(Pictures, PowerSwitchShowsRedLightOnlyWhenOn) {
    auto reds = [](const Image& img) {
        int n = 0;
        for (int y = 0; y < img.h; y++)
            for (int x = 0; x < img.w; x++) n += img.at(x, y)[0] == 255 && img.at(x, y)[1] == 0;
        return n;
    };
    Image off = renderPicture(picture("P1400")), on = renderPicture(picture("P1401"));
    EXPECT_EQ(reds(off), 0);
    EXPECT_GT(reds(on), 40);
}

#ifdef ARTGEN_ICONS_RC
TEST(ResourceScript, PicturesListTheProgramsBitmapsAndCursor) {
    // pictures.rc sits beside icons.rc.
    std::string path = ARTGEN_ICONS_RC;
    path = path.substr(0, path.find_last_of("/\\") + 1) + "pictures.rc";
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::map<std::string, std::pair<std::string, std::string>> entries;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name, type, file;
        if (!(words >> name) || name.rfind("//", 0) == 0) continue;
        words >> type >> file;
        ASSERT_GE(file.size(), 2u) << line;
        entries[name] = {type, file.substr(1, file.size() - 2)};
    }
    std::map<std::string, std::pair<std::string, std::string>> expected;
    for (const char* name : {"1300", "1502", "P1400", "P1401", "BulbSeq"})
        expected[name] = {"BITMAP", picture(name).file};
    expected["NullCursor"] = {"CURSOR", kNullCursorFile};
    EXPECT_EQ(entries, expected);
}
#endif
