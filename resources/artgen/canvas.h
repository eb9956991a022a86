// A small anti-aliased drawing surface. Pictures are described in drawing units
// (a 32x32 icon is drawn in units 0..32 whatever its pixel size); the canvas
// maps units to pixels with its scale, so one drawing serves 32x32 and 16x16
// images, and larger bitmaps alike.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "geom.h"

namespace art {

// Straight (not premultiplied) colour, components 0..1.
struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};
Color rgb(int r, int g, int b, float a = 1.0f);
Color mix(Color x, Color y, float t);       // t = 0 gives x, 1 gives y (alpha too)
Color shade(Color c, float k);              // rgb multiplied by k, clamped
Color tint(Color c, float towardsWhite);    // mixed with white, alpha kept
Color withAlpha(Color c, float a);

using Paint = std::function<Color(Vec2)>;
using Stops = std::vector<std::pair<float, Color>>;  // gradient position 0..1 and colour

Paint solid(Color c);
Paint radial(Vec2 centre, double radius, Stops stops);
Paint linear(Vec2 from, Vec2 to, Stops stops);
Color sampleStops(const Stops& stops, float t);

// 8-bit RGBA picture with straight alpha: what the file writers take.
struct Image {
    int w = 0, h = 0;
    std::vector<uint8_t> px;  // RGBA, top row first
    Image() = default;
    Image(int width, int height) : w(width), h(height), px(size_t(width) * height * 4, 0) {}
    uint8_t* at(int x, int y) { return &px[(size_t(y) * w + x) * 4]; }
    const uint8_t* at(int x, int y) const { return &px[(size_t(y) * w + x) * 4]; }
};

enum class Blend {
    Over,   // ordinary painting
    Add,    // light added on top
    Erase,  // removes what is below, by the coverage
};

class Canvas {
public:
    Canvas(int width, int height, double pixelsPerUnit = 1.0);

    int width() const { return w_; }
    int height() const { return h_; }
    double scale() const { return scale_; }

    void clear(Color c);
    void fill(const Shape& s, const Paint& paint, float opacity = 1.0f, Blend blend = Blend::Over);
    void fill(const Shape& s, Color c, float opacity = 1.0f, Blend blend = Blend::Over);
    // Soft light around a shape: full strength inside, fading to nothing `reach`
    // units outside its outline. With `fadeAtEdges` the light also dies out
    // towards the edges of the canvas so it never ends in a hard cut there.
    void glow(const Shape& s, Color c, double reach, float strength, bool fadeAtEdges = true);
    // Pastes a picture with its top-left at pixel (x, y), each source pixel
    // becoming a zoom x zoom block.
    void drawImage(const Image& img, int x, int y, int zoom = 1);
    void setPixel(int x, int y, Color c);  // plain Over of one whole pixel

    Image toImage() const;

private:
    void blendPixel(int x, int y, Color c, float coverage, Blend blend);
    int w_, h_;
    double scale_;
    std::vector<float> px_;  // premultiplied RGBA
};

}  // namespace art
