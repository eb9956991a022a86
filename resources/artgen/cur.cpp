#include "cur.h"

namespace art {

namespace {
uint32_t maskStride(int w) { return uint32_t((w + 31) / 32) * 4; }

bool transparent(const uint8_t* p) { return p[3] < 128; }
bool white(const uint8_t* p) { return 3 * p[0] + 6 * p[1] + p[2] >= 128 * 10; }

// Both masks, bottom-up rows, one bit per pixel, leftmost pixel in the top bit.
Bytes mask(const Image& img, bool (*bit)(const uint8_t*)) {
    Bytes out;
    for (int y = img.h - 1; y >= 0; y--) {
        Bytes row(maskStride(img.w), 0);
        for (int x = 0; x < img.w; x++)
            if (bit(img.at(x, y))) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
}  // namespace

Bytes encodeMonoCursor(const Image& img, int hotX, int hotY) {
    Bytes xorMask = mask(img, [](const uint8_t* p) { return !transparent(p) && white(p); });
    Bytes andMask = mask(img, transparent);
    Bytes body;
    putLe32(body, 40);
    putLe32(body, uint32_t(img.w));
    putLe32(body, uint32_t(img.h) * 2);  // XOR and AND masks together
    putLe16(body, 1);                    // planes
    putLe16(body, 1);                    // bits per pixel
    putLe32(body, 0);                    // BI_RGB
    putLe32(body, uint32_t(xorMask.size() + andMask.size()));
    for (int i = 0; i < 4; i++) putLe32(body, 0);  // resolution, palette counts
    putLe32(body, 0x000000);                       // palette: black
    putLe32(body, 0xFFFFFF);                       // and white
    body.insert(body.end(), xorMask.begin(), xorMask.end());
    body.insert(body.end(), andMask.begin(), andMask.end());

    Bytes out;
    putLe16(out, 0);  // reserved
    putLe16(out, 2);  // type: cursor
    putLe16(out, 1);  // one image
    out.push_back(uint8_t(img.w >= 256 ? 0 : img.w));
    out.push_back(uint8_t(img.h >= 256 ? 0 : img.h));
    out.push_back(2);  // colours
    out.push_back(0);  // reserved
    putLe16(out, uint32_t(hotX));
    putLe16(out, uint32_t(hotY));
    putLe32(out, uint32_t(body.size()));
    putLe32(out, 6 + 16);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace art
