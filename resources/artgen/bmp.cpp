#include "bmp.h"

#include <cmath>

namespace art {

Bytes encodeBmp24(const Image& img, Color bg) {
    const uint32_t stride = (uint32_t(img.w) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(img.h);
    const uint32_t headers = 14 + 40;
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    putLe32(b, headers + dataSize);
    putLe32(b, 0);  // reserved
    putLe32(b, headers);
    putLe32(b, 40);
    putLe32(b, uint32_t(img.w));
    putLe32(b, uint32_t(img.h));  // positive: bottom-up rows
    putLe16(b, 1);
    putLe16(b, 24);
    putLe32(b, 0);  // BI_RGB
    putLe32(b, dataSize);
    putLe32(b, 2835);  // 72 dpi
    putLe32(b, 2835);
    putLe32(b, 0);
    putLe32(b, 0);
    const float back[3] = {bg.b, bg.g, bg.r};
    for (int y = img.h - 1; y >= 0; y--) {
        size_t rowStart = b.size();
        for (int x = 0; x < img.w; x++) {
            const uint8_t* p = img.at(x, y);
            float a = p[3] / 255.0f;
            const uint8_t bgr[3] = {p[2], p[1], p[0]};
            for (int c = 0; c < 3; c++)
                b.push_back(uint8_t(std::lround(bgr[c] * a + back[c] * 255.0f * (1 - a))));
        }
        while (b.size() - rowStart < stride) b.push_back(0);
    }
    return b;
}

}  // namespace art
