// File formats: the icon, bitmap, cursor and PNG encoders, read back byte by byte.
#include <gtest/gtest.h>

#include "../bmp.h"
#include "../cur.h"
#include "../ico.h"
#include "../png.h"

using namespace art;

namespace {
Image checker(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(10 + x), p[1] = uint8_t(20 + y), p[2] = 30;
            p[3] = ((x + y) % 3 == 0) ? 0 : uint8_t(100 + x);
        }
    return img;
}

// Bit (x, y) of a bottom-up mask of `h` rows of `w` bits, each row padded to 4 bytes.
bool MaskBit(const Bytes& b, size_t at, int w, int h, int x, int y) {
    return b[at + size_t(h - 1 - y) * ((w + 31) / 32 * 4) + x / 8] & (0x80 >> (x % 8));
}
}  // namespace

TEST(Ico, DirectoryImagesBottomUpBgraAndMasksThatMarkExactlyTheTransparentPixels) {
    const std::vector<Image> images = {checker(32, 32), checker(16, 16)};
    const Bytes ico = encodeIco(images);
    EXPECT_TRUE(getLe16(ico, 0) == 0 && getLe16(ico, 2) == 1 && getLe16(ico, 4) == 2);  // an icon of two images
    size_t next = 6 + 2 * 16;
    for (size_t i = 0; i < images.size(); i++) {
        const Image& img = images[i];
        const uint32_t w = img.w, e = 6 + 16 * i, at = getLe32(ico, e + 12);
        EXPECT_TRUE(ico[e] == w && ico[e + 1] == w && getLe16(ico, e + 6) == 32 && at == next);
        EXPECT_EQ(getLe32(ico, e + 8), 40 + w * w * 4 + (w + 31) / 32 * 4 * w);
        EXPECT_TRUE(getLe32(ico, at) == 40 && getLe32(ico, at + 4) == w && getLe32(ico, at + 8) == 2 * w &&
                    getLe16(ico, at + 14) == 32);  // colour and mask heights together
        for (int y = 0; y < img.h; y++)
            for (int x = 0; x < img.w; x++) {
                const uint8_t* src = img.at(x, y);
                const size_t p = at + 40 + (size_t(w - 1 - y) * w + x) * 4;
                const uint8_t bgra[4] = {src[2], src[1], src[0], src[3]};
                ASSERT_EQ(MaskBit(ico, at + 40 + w * w * 4, w, w, x, y), src[3] == 0) << x << "," << y;
                ASSERT_TRUE(src[3] == 0 ? getLe32(ico, p) == 0 : std::equal(bgra, bgra + 4, &ico[p])) << x << "," << y;
            }
        next += getLe32(ico, e + 8);
    }
    EXPECT_EQ(ico.size(), next);
}

TEST(Bmp, RowsArePaddedBottomUpAlphaIsLaidOverTheBackgroundAndFourBitOnesUseTheVgaPalette) {
    Image img(3, 2);
    img.at(0, 0)[0] = 255, img.at(0, 0)[3] = 255;  // opaque red, top left
    img.at(1, 1)[2] = 255, img.at(1, 1)[3] = 128;  // half blue, bottom middle
    Bytes b = encodeBmp24(img, rgb(0, 255, 0));
    ASSERT_EQ(b.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
    EXPECT_TRUE(b[0] == 'B' && b[1] == 'M' && getLe32(b, 2) == b.size() && getLe32(b, 10) == 54);
    EXPECT_TRUE(getLe32(b, 18) == 3 && getLe32(b, 22) == 2 && getLe16(b, 28) == 24 && getLe32(b, 30) == 0);
    const size_t bottomRow = 54, topRow = 54 + 12;
    EXPECT_TRUE(b[topRow] == 0 && b[topRow + 1] == 0 && b[topRow + 2] == 255);  // BGR of opaque red
    EXPECT_EQ(b[topRow + 4], 255);  // a transparent pixel shows the green background
    EXPECT_TRUE(b[bottomRow + 3] == 128 && b[bottomRow + 4] == 127);  // half blue over green

    // Red (9), navy (4), near yellow (11); transparent, so the silver background (7), white (15), near grey (8).
    const uint8_t pixels[6][4] = {{255, 0, 0, 255}, {0, 0, 128, 255},     {250, 250, 10, 255},
                                  {0, 0, 0, 0},     {255, 255, 255, 255}, {120, 130, 125, 255}};
    for (int i = 0; i < 6; i++) std::copy(pixels[i], pixels[i] + 4, img.at(i % 3, i / 3));
    b = encodeBmp4(img, rgb(192, 192, 192));
    EXPECT_TRUE(getLe16(b, 28) == 4 && getLe32(b, 46) == 16 && getLe32(b, 10) == 14 + 40 + 64);
    for (int i = 0; i < 16; i++) {
        const Rgb8& p = vgaPalette()[i];
        EXPECT_TRUE(b[54 + i * 4] == p[2] && b[55 + i * 4] == p[1] && b[56 + i * 4] == p[0]) << i;
    }
    const size_t bottom = 118, top = bottom + 4;  // rows padded to 4 bytes
    ASSERT_EQ(b.size(), top + 4);
    EXPECT_TRUE(b[top] == 0x94 && b[top + 1] == 0xB0 && b[bottom] == 0x7F && b[bottom + 1] == 0x80);
    EXPECT_EQ(b[top + 2] | b[top + 3] | b[bottom + 2] | b[bottom + 3], 0);
}

TEST(Cursor, OpaquePixelsClearTheAndMaskAndWhiteOnesSetTheXorMask) {
    Image img(8, 2);
    img.at(0, 0)[3] = 255;  // black, top left
    std::fill(img.at(7, 1), img.at(7, 1) + 4, 255);  // white, bottom right
    Bytes cur = encodeMonoCursor(img, 3, 1);
    EXPECT_TRUE(getLe16(cur, 2) == 2 && getLe16(cur, 4) == 1 && cur[6] == 8 && cur[7] == 2);  // one cursor image
    EXPECT_TRUE(getLe16(cur, 10) == 3 && getLe16(cur, 12) == 1 && getLe32(cur, 18) == 22);   // hot spot, offset
    EXPECT_EQ(cur.size(), 22 + getLe32(cur, 14));
    EXPECT_TRUE(getLe32(cur, 22 + 8) == 4 && getLe16(cur, 22 + 14) == 1);  // both masks, one bit per pixel
    EXPECT_TRUE(getLe32(cur, 62) == 0 && getLe32(cur, 66) == 0xFFFFFF);    // black and white
    // XOR mask, then AND mask, bottom row first, rows padded to 4 bytes.
    const uint8_t masks[16] = {0x01, 0, 0, 0, 0, 0, 0, 0, 0xFE, 0, 0, 0, 0x7F, 0, 0, 0};
    EXPECT_TRUE(std::equal(masks, masks + 16, cur.begin() + 22 + 40 + 8));
}

TEST(Png, ChunksCarryTheirCrcAndStoredBlocksHoldTheFilteredRows) {
    const std::string iend = "IEND", wiki = "Wikipedia";
    EXPECT_EQ(crc32(reinterpret_cast<const uint8_t*>(iend.data()), iend.size()), 0xAE426082u);
    EXPECT_EQ(adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
    // Stored blocks of at most 65535 bytes, only the last marked final, each length with its complement.
    const Bytes large(150000, 7), z = zlibStored(large);
    const size_t last = 2 + 2 * (5 + 65535);
    ASSERT_EQ(z.size(), large.size() + 2 + 3 * 5 + 4);
    EXPECT_TRUE((z[0] & 15) == 8 && (z[0] * 256 + z[1]) % 31 == 0);  // deflate, header check bits
    EXPECT_TRUE(z[2] == 0 && getLe16(z, 3) == 65535 && getLe16(z, 5) == 0 && z[2 + 5 + 65535] == 0 && z[last] == 1);
    EXPECT_TRUE(getLe16(z, last + 1) == 150000 - 2 * 65535 && getLe16(z, last + 3) == (getLe16(z, last + 1) ^ 0xFFFF));
    EXPECT_EQ(getBe32(z, z.size() - 4), 0x08ED0681u);  // Adler-32 of the data

    const Image img = checker(5, 3);
    const Bytes png = encodePng(img);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));
    EXPECT_TRUE(getBe32(png, 16) == 5 && getBe32(png, 20) == 3 && png[24] == 8 && png[25] == 6);  // 8-bit RGBA
    Bytes rows;  // each row led by filter type 0
    for (int y = 0; y < 3; y++) rows.push_back(0), rows.insert(rows.end(), img.at(0, y), img.at(0, y) + 20);
    std::string types;
    for (size_t pos = 8, len; pos < png.size(); pos += 12 + len) {
        len = getBe32(png, pos);
        const std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
        EXPECT_EQ(getBe32(png, pos + 8 + len), crc32(&png[pos + 4], len + 4)) << type;
        EXPECT_TRUE(type != "IDAT" || Bytes(png.begin() + pos + 8, png.begin() + pos + 8 + len) == zlibStored(rows));
        types += type + " ";
    }
    EXPECT_EQ(types, "IHDR IDAT IEND ");
}
