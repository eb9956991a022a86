#include "bmp.h"

#include <cmath>

namespace art {

namespace {
// BITMAPFILEHEADER and BITMAPINFOHEADER of an uncompressed bottom-up bitmap.
void putHeaders(Bytes& b, int w, int h, int bits, uint32_t paletteSize, uint32_t dataSize) {
    const uint32_t headers = 14 + 40 + paletteSize * 4;
    b.push_back('B');
    b.push_back('M');
    putLe32(b, headers + dataSize);
    putLe32(b, 0);  // reserved
    putLe32(b, headers);
    putLe32(b, 40);
    putLe32(b, uint32_t(w));
    putLe32(b, uint32_t(h));  // positive: bottom-up rows
    putLe16(b, 1);
    putLe16(b, uint32_t(bits));
    putLe32(b, 0);  // BI_RGB
    putLe32(b, dataSize);
    putLe32(b, 2835);  // 72 dpi
    putLe32(b, 2835);
    putLe32(b, paletteSize);  // colours used
    putLe32(b, 0);            // all of them important
}

// One channel of a pixel laid over the background, 0..255.
int over(uint8_t value, float alpha, float background) {
    return int(std::lround(value * alpha + background * 255.0f * (1 - alpha)));
}
}  // namespace

const std::array<Rgb8, 16>& vgaPalette() {
    static const std::array<Rgb8, 16> palette = {{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                                  {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                                  {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                                  {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};
    return palette;
}

int nearestVga(int r, int g, int b) {
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < 16; i++) {
        const Rgb8& p = vgaPalette()[i];
        int dr = r - p[0], dg = g - p[1], db = b - p[2];
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

Image toVgaColours(const Image& img, Color bg) {
    Image out(img.w, img.h);
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            const uint8_t* p = img.at(x, y);
            float a = p[3] / 255.0f;
            const Rgb8& v = vgaPalette()[nearestVga(over(p[0], a, bg.r), over(p[1], a, bg.g), over(p[2], a, bg.b))];
            uint8_t* d = out.at(x, y);
            d[0] = v[0], d[1] = v[1], d[2] = v[2], d[3] = 255;
        }
    return out;
}

Bytes encodeBmp4(const Image& img, Color bg) {
    const uint32_t stride = ((uint32_t(img.w) * 4 + 31) / 32) * 4;
    Bytes b;
    putHeaders(b, img.w, img.h, 4, 16, stride * uint32_t(img.h));
    for (const Rgb8& p : vgaPalette()) {
        b.push_back(p[2]);
        b.push_back(p[1]);
        b.push_back(p[0]);
        b.push_back(0);
    }
    for (int y = img.h - 1; y >= 0; y--) {
        Bytes row(stride, 0);
        for (int x = 0; x < img.w; x++) {
            const uint8_t* p = img.at(x, y);
            float a = p[3] / 255.0f;
            int index = nearestVga(over(p[0], a, bg.r), over(p[1], a, bg.g), over(p[2], a, bg.b));
            row[x / 2] |= uint8_t(x % 2 ? index : index << 4);  // left pixel in the high half
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

Bytes encodeBmp24(const Image& img, Color bg) {
    const uint32_t stride = (uint32_t(img.w) * 3 + 3) & ~3u;
    Bytes b;
    putHeaders(b, img.w, img.h, 24, 0, stride * uint32_t(img.h));
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
