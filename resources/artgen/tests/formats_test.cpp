// File formats: icon, bitmap and PNG encoders checked byte by byte.
#include <gtest/gtest.h>

#include <string>

#include "../bmp.h"
#include "../ico.h"
#include "../png.h"

using namespace art;

namespace {
Image checker(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            uint8_t* p = img.at(x, y);
            p[0] = uint8_t(10 + x);
            p[1] = uint8_t(20 + y);
            p[2] = 30;
            p[3] = ((x + y) % 3 == 0) ? 0 : uint8_t(100 + x);
        }
    return img;
}
}  // namespace

TEST(Ico, DirectoryDescribesEveryImageAndTheyFillTheFile) {
    Bytes ico = encodeIco({checker(32, 32), checker(16, 16)});
    ASSERT_GE(ico.size(), 6u + 2 * 16);
    EXPECT_EQ(getLe16(ico, 0), 0u);
    EXPECT_EQ(getLe16(ico, 2), 1u);  // icon, not cursor
    EXPECT_EQ(getLe16(ico, 4), 2u);
    size_t expectOffset = 6 + 2 * 16;
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; i++) {
        size_t e = 6 + 16 * i;
        EXPECT_EQ(ico[e], sizes[i]);
        EXPECT_EQ(ico[e + 1], sizes[i]);
        EXPECT_EQ(getLe16(ico, e + 6), 32u);  // bits per pixel
        uint32_t bytes = getLe32(ico, e + 8), offset = getLe32(ico, e + 12);
        EXPECT_EQ(offset, expectOffset);
        // Header, BGRA pixels, then a mask of 4-byte-padded rows.
        uint32_t w = sizes[i];
        EXPECT_EQ(bytes, 40 + w * w * 4 + ((w + 31) / 32) * 4 * w);
        EXPECT_EQ(getLe32(ico, offset), 40u);
        EXPECT_EQ(getLe32(ico, offset + 4), w);
        EXPECT_EQ(getLe32(ico, offset + 8), 2 * w);  // colour and mask heights together
        expectOffset += bytes;
    }
    EXPECT_EQ(ico.size(), expectOffset);
}

TEST(Ico, PixelsAreBottomUpBgraAndMaskMarksExactlyTheTransparentOnes) {
    const int w = 16, h = 16;
    Image img = checker(w, h);
    Bytes ico = encodeIco({img});
    size_t pixels = getLe32(ico, 6 + 12) + 40;
    size_t mask = pixels + w * h * 4;
    const size_t maskStride = 4;  // 16 bits padded to 32
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const uint8_t* src = img.at(x, y);
            size_t p = pixels + (size_t(h - 1 - y) * w + x) * 4;
            bool transparent = src[3] == 0;
            bool maskBit = ico[mask + (h - 1 - y) * maskStride + x / 8] & (0x80 >> (x % 8));
            ASSERT_EQ(maskBit, transparent) << x << "," << y;
            if (transparent) {
                // Black under a set mask bit leaves the background untouched.
                EXPECT_EQ(getLe32(ico, p), 0u);
            } else {
                EXPECT_EQ(ico[p], src[2]);
                EXPECT_EQ(ico[p + 1], src[1]);
                EXPECT_EQ(ico[p + 2], src[0]);
                EXPECT_EQ(ico[p + 3], src[3]);
            }
        }
    for (int y = 0; y < h; y++) {  // padding bytes of the mask rows stay clear
        EXPECT_EQ(ico[mask + y * maskStride + 2], 0);
        EXPECT_EQ(ico[mask + y * maskStride + 3], 0);
    }
}

TEST(Bmp, RowsArePaddedBottomUpAndAlphaIsLaidOverTheBackground) {
    Image img(3, 2);
    img.at(0, 0)[0] = 255, img.at(0, 0)[3] = 255;  // opaque red, top left
    img.at(1, 1)[2] = 255, img.at(1, 1)[3] = 128;  // half blue, bottom middle
    Bytes b = encodeBmp24(img, rgb(0, 255, 0));
    ASSERT_EQ(b.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(getLe32(b, 2), b.size());
    EXPECT_EQ(getLe32(b, 10), 54u);
    EXPECT_EQ(getLe32(b, 22), 2u);  // positive height: bottom-up
    EXPECT_EQ(getLe16(b, 28), 24u);
    const size_t bottomRow = 54, topRow = 54 + 12;
    EXPECT_EQ(b[topRow + 0], 0);  // BGR of opaque red
    EXPECT_EQ(b[topRow + 1], 0);
    EXPECT_EQ(b[topRow + 2], 255);
    EXPECT_EQ(b[topRow + 4], 255);  // transparent pixel shows the green background
    EXPECT_EQ(b[bottomRow + 3], 128);  // half blue over green
    EXPECT_EQ(b[bottomRow + 4], 127);
}

TEST(Png, ChecksumsMatchKnownValues) {
    const std::string iend = "IEND", wiki = "Wikipedia";
    EXPECT_EQ(crc32(reinterpret_cast<const uint8_t*>(iend.data()), iend.size()), 0xAE426082u);
    EXPECT_EQ(adler32(reinterpret_cast<const uint8_t*>(wiki.data()), wiki.size()), 0x11E60398u);
}

TEST(Png, StoredZlibStreamSplitsLargeDataIntoValidBlocks) {
    Bytes raw(150000);
    for (size_t i = 0; i < raw.size(); i++) raw[i] = uint8_t(i * 7);
    Bytes z = zlibStored(raw);
    EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0);  // zlib header check bits
    Bytes back;
    size_t pos = 2;
    bool last = false;
    int blocks = 0;
    while (!last) {
        last = z[pos] & 1;
        EXPECT_EQ(z[pos] & 6, 0);  // stored block
        uint32_t len = getLe16(z, pos + 1), nlen = getLe16(z, pos + 3);
        EXPECT_EQ(len ^ 0xFFFF, nlen);
        back.insert(back.end(), z.begin() + pos + 5, z.begin() + pos + 5 + len);
        pos += 5 + len;
        blocks++;
    }
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(back, raw);
    EXPECT_EQ(getBe32(z, pos), adler32(raw.data(), raw.size()));
    EXPECT_EQ(pos + 4, z.size());
    EXPECT_EQ(zlibStored({}).size(), 2u + 5 + 4);  // empty input still makes one final block
}

TEST(Png, ChunksCarryTheirCrcAndTheImageRowsCarryFilterBytes) {
    Image img = checker(5, 3);
    Bytes png = encodePng(img);
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_TRUE(std::equal(signature, signature + 8, png.begin()));
    size_t pos = 8;
    std::string types;
    Bytes idat;
    while (pos < png.size()) {
        uint32_t len = getBe32(png, pos);
        std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
        EXPECT_EQ(getBe32(png, pos + 8 + len), crc32(&png[pos + 4], len + 4)) << type;
        if (type == "IHDR") {
            EXPECT_EQ(getBe32(png, pos + 8), 5u);
            EXPECT_EQ(getBe32(png, pos + 12), 3u);
            EXPECT_EQ(png[pos + 16], 8);  // bit depth
            EXPECT_EQ(png[pos + 17], 6);  // RGBA
        }
        if (type == "IDAT") idat.assign(png.begin() + pos + 8, png.begin() + pos + 8 + len);
        types += type + " ";
        pos += 12 + len;
    }
    EXPECT_EQ(types, "IHDR IDAT IEND ");
    ASSERT_EQ(idat.size(), 2u + 5 + 3 * (1 + 5 * 4) + 4);
    for (int y = 0; y < 3; y++) {
        size_t row = 7 + y * 21;
        EXPECT_EQ(idat[row], 0);  // filter: none
        EXPECT_TRUE(std::equal(img.at(0, y), img.at(0, y) + 20, idat.begin() + row + 1));
    }
}
