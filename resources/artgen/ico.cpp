#include "ico.h"

namespace art {

namespace {
const uint32_t kInfoHeaderSize = 40;

uint32_t maskStride(int w) { return uint32_t((w + 31) / 32) * 4; }

// BITMAPINFOHEADER, colour pixels bottom-up, then the AND mask bottom-up.
Bytes encodeImage(const Image& img) {
    Bytes b;
    uint32_t xorSize = uint32_t(img.w) * img.h * 4;
    uint32_t andSize = maskStride(img.w) * img.h;
    putLe32(b, kInfoHeaderSize);
    putLe32(b, uint32_t(img.w));
    putLe32(b, uint32_t(img.h) * 2);  // colour and mask together
    putLe16(b, 1);                    // planes
    putLe16(b, 32);                   // bits per pixel
    putLe32(b, 0);                    // BI_RGB
    putLe32(b, xorSize + andSize);
    for (int i = 0; i < 4; i++) putLe32(b, 0);  // resolution, palette counts
    for (int y = img.h - 1; y >= 0; y--)
        for (int x = 0; x < img.w; x++) {
            const uint8_t* p = img.at(x, y);
            if (p[3] == 0) {
                putLe32(b, 0);
            } else {
                b.push_back(p[2]);
                b.push_back(p[1]);
                b.push_back(p[0]);
                b.push_back(p[3]);
            }
        }
    for (int y = img.h - 1; y >= 0; y--) {
        Bytes row(maskStride(img.w), 0);
        for (int x = 0; x < img.w; x++)
            if (img.at(x, y)[3] == 0) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}
}  // namespace

Bytes encodeIco(const std::vector<Image>& images) {
    Bytes out;
    putLe16(out, 0);  // reserved
    putLe16(out, 1);  // type: icon
    putLe16(out, uint16_t(images.size()));
    std::vector<Bytes> bodies;
    for (const Image& img : images) bodies.push_back(encodeImage(img));
    uint32_t offset = 6 + 16 * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); i++) {
        out.push_back(uint8_t(images[i].w >= 256 ? 0 : images[i].w));
        out.push_back(uint8_t(images[i].h >= 256 ? 0 : images[i].h));
        out.push_back(0);   // palette size: none
        out.push_back(0);   // reserved
        putLe16(out, 1);    // planes
        putLe16(out, 32);   // bits per pixel
        putLe32(out, uint32_t(bodies[i].size()));
        putLe32(out, offset);
        offset += uint32_t(bodies[i].size());
    }
    for (const Bytes& body : bodies) out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace art
