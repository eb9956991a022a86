// Shapes and the anti-aliased canvas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "../canvas.h"
#include "../geom.h"

using namespace art;

namespace {
double alphaSum(const Image& img) {
    double sum = 0;
    for (size_t i = 3; i < img.px.size(); i += 4) sum += img.px[i] / 255.0;
    return sum;
}
}  // namespace

TEST(Shapes, DistancesAndCombinations) {
    const Shape a = circle({}, 5), b = circle({6, 0}, 5), r = rect(0, 0, 10, 4, 1), t = taper({0, 0}, 4, {0, 10}, 1);
    const Shape star = polygon(regularStar({0, 0}, 10, 4, 5, -90)), bar = rotated(capsule({0, 0}, {10, 0}, 1), {}, 90);
    // Signed distances: negative inside, positive outside, zero on the outline.
    const struct { Shape shape; Vec2 at; double distance; } exact[] = {
        {circle({10, 10}, 4), {10, 10}, -4}, {circle({10, 10}, 4), {17, 10}, 3}, {r, {5, 6}, 2}, {t, {0, -4}, 0},
        {ellipse({0, 0}, 6, 2), {6, 0}, 0}, {ellipse({0, 0}, 6, 2), {0, 2}, 0}, {t, {0, 11}, 0},
        {scaled(circle({}, 2), {}, 3), {9, 0}, 3}};
    for (const auto& e : exact) EXPECT_NEAR(e.shape(e.at), e.distance, 1e-9) << e.at.x << "," << e.at.y;
    const struct { Shape shape; Vec2 at; bool inside; } sides[] = {
        {r, {5, 2}, true}, {r, {0.1, 0.1}, false}, {t, {2, 5}, true}, {t, {3.5, 7}, false},  // a rounded corner is cut
        {star, {0, -8}, true}, {star, {5, -8}, false},  // inside the top point, between two points
        {a | b, {9, 0}, true}, {a & b, {3, 0}, true}, {a & b, {-3, 0}, false}, {a - b, {3, 0}, false},
        {a - b, {-3, 0}, true}, {rim(a, 1), {4.5, 0}, true}, {rim(a, 1), {3, 0}, false}, {bar, {0, 9}, true},
        {bar, {9, 0}, false}, {mirroredX(circle({2, 0}, 1), 5), {8, 0}, true}};
    for (const auto& s : sides) EXPECT_EQ(s.shape(s.at) < 0, s.inside) << s.at.x << "," << s.at.y;
}

TEST(Canvas, CoverageSoftEdgesScaleBlendsAndGlow) {
    Canvas c(40, 40);
    c.fill(circle({20.3, 19.6}, 11), rgb(255, 0, 0));
    const Image img = c.toImage();
    EXPECT_NEAR(alphaSum(img), 3.14159265 * 121, 3.14159265 * 121 * 0.01);
    int partial = 0;
    for (size_t i = 0; i < img.px.size(); i += 4) {
        partial += img.px[i + 3] > 0 && img.px[i + 3] < 255;
        EXPECT_TRUE(img.px[i + 3] == 0 || img.px[i] == 255);  // colour is not darkened by coverage
    }
    EXPECT_GT(partial, 40);  // the outline is anti-aliased all round
    Canvas big(32, 32, 1.0), small(16, 16, 0.5);  // drawing units scale with the pixel size
    for (Canvas* s : {&big, &small}) s->fill(rect(4, 4, 20, 28), rgb(0, 0, 255));
    EXPECT_TRUE(std::abs(alphaSum(big.toImage()) - 384) < 1 && std::abs(alphaSum(small.toImage()) - 96) < 1);

    Canvas blends(5, 1);
    blends.fill(rect(0, 0, 4, 1), rgb(0, 0, 255));
    blends.fill(rect(0, 0, 1, 1), rgb(255, 0, 0), 0.5f);              // half red over blue
    blends.fill(rect(1, 0, 2, 1), rgb(0, 0, 0), 1.0f, Blend::Erase);  // hole
    blends.fill(rect(2, 0, 3, 1), rgb(255, 0, 0), 0.5f, Blend::Erase);
    for (int i = 0; i < 2; i++) blends.fill(rect(3, 0, 5, 1), rgb(255, 255, 0), 0.5f, Blend::Add);  // white on blue
    const Image b = blends.toImage();
    EXPECT_TRUE(std::abs(b.at(0, 0)[0] - 128) <= 1 && std::abs(b.at(0, 0)[2] - 127) <= 1);
    EXPECT_TRUE(b.at(1, 0)[3] == 0 && std::abs(b.at(2, 0)[3] - 128) <= 1 && b.at(2, 0)[2] == 255);
    EXPECT_TRUE(b.at(3, 0)[0] == 255 && b.at(3, 0)[1] == 255 && b.at(3, 0)[2] == 255);
    EXPECT_TRUE(b.at(4, 0)[0] == 255 && b.at(4, 0)[2] == 0 && std::abs(b.at(4, 0)[3] - 191) <= 1);  // yellow, 3/4 there

    Canvas glow(32, 32);  // fades with the square of the distance and dies out before the edges
    glow.glow(circle({4, 16}, 3), rgb(255, 255, 255), 6, 1.0f);
    glow.glow(circle({16, 29}, 2), rgb(255, 255, 255), 6, 1.0f);
    const Image g = glow.toImage();
    EXPECT_TRUE(g.at(4, 16)[3] == 255 && std::abs(g.at(10, 16)[3] - 44) <= 2 && g.at(14, 16)[3] == 0);
    EXPECT_TRUE(g.at(0, 16)[3] == 0 && g.at(16, 31)[3] == 0);
}
