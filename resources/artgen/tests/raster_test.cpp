// Shapes and the anti-aliased canvas.
#include <gtest/gtest.h>

#include <cmath>

#include "../canvas.h"
#include "../font.h"
#include "../geom.h"

using namespace art;

namespace {
double alphaSum(const Image& img) {
    double sum = 0;
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) sum += img.at(x, y)[3] / 255.0;
    return sum;
}
}  // namespace

TEST(Shapes, DistancesHaveTheRightSignAndSize) {
    Shape c = circle({10, 10}, 4);
    EXPECT_NEAR(c({10, 10}), -4, 1e-9);
    EXPECT_NEAR(c({17, 10}), 3, 1e-9);
    Shape r = rect(0, 0, 10, 4, 1);
    EXPECT_LT(r({5, 2}), 0);
    EXPECT_NEAR(r({5, 6}), 2, 1e-9);
    EXPECT_GT(r({0.1, 0.1}), 0);  // rounded corner is cut away
    Shape e = ellipse({0, 0}, 6, 2);
    EXPECT_NEAR(e({6, 0}), 0, 1e-9);
    EXPECT_NEAR(e({0, 2}), 0, 1e-9);
    EXPECT_LT(e({5, 0}), 0);
    EXPECT_GT(e({0, 3}), 0);
    // Hull of two circles: the two ends and the tangent straight between.
    Shape t = taper({0, 0}, 4, {0, 10}, 1);
    EXPECT_NEAR(t({0, -4}), 0, 1e-9);
    EXPECT_NEAR(t({0, 11}), 0, 1e-9);
    EXPECT_LT(t({2.0, 5}), 0);
    EXPECT_GT(t({3.5, 7}), 0);
}

TEST(Shapes, PolygonsFillByEvenOddAndCombinationsBehaveAsSets) {
    Shape star = polygon(regularStar({0, 0}, 10, 4, 5, -90));
    EXPECT_LT(star({0, 0}), 0);
    EXPECT_LT(star({0, -8}), 0);   // inside the top point
    EXPECT_GT(star({5, -8}), 0);   // between two points
    Shape a = circle({0, 0}, 5), b = circle({6, 0}, 5);
    EXPECT_LT((a | b)({9, 0}), 0);
    EXPECT_LT((a & b)({3, 0}), 0);
    EXPECT_GT((a & b)({-3, 0}), 0);
    EXPECT_GT((a - b)({3, 0}), 0);
    EXPECT_LT((a - b)({-3, 0}), 0);
    EXPECT_LT(rim(a, 1)({4.5, 0}), 0);
    EXPECT_GT(rim(a, 1)({3, 0}), 0);
    Shape turned = rotated(capsule({0, 0}, {10, 0}, 1), {0, 0}, 90);
    EXPECT_LT(turned({0, 9}), 0);
    EXPECT_GT(turned({9, 0}), 0);
    EXPECT_LT(mirroredX(circle({2, 0}, 1), 5)({8, 0}), 0);
    EXPECT_NEAR(scaled(circle({0, 0}, 2), {0, 0}, 3)({6, 0}), 0, 1e-9);
}

TEST(Canvas, FilledCircleHasTheRightAreaAndSoftEdges) {
    Canvas c(40, 40);
    c.fill(circle({20.3, 19.6}, 11), rgb(255, 0, 0));
    Image img = c.toImage();
    EXPECT_NEAR(alphaSum(img), 3.14159265 * 11 * 11, 3.14159265 * 11 * 11 * 0.01);
    int partial = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++) {
            uint8_t a = img.at(x, y)[3];
            if (a > 0 && a < 255) partial++;
            if (a > 0) {
                EXPECT_EQ(img.at(x, y)[0], 255);  // colour is not darkened by coverage
            }
        }
    EXPECT_GT(partial, 40);  // the outline is anti-aliased all round
    EXPECT_EQ(img.at(20, 19)[3], 255);
    EXPECT_EQ(img.at(2, 2)[3], 0);
}

TEST(Canvas, DrawingUnitsScaleWithThePixelSize) {
    Canvas big(32, 32, 1.0), small(16, 16, 0.5);
    for (Canvas* c : {&big, &small}) c->fill(rect(4, 4, 20, 28), rgb(0, 0, 255));
    EXPECT_NEAR(alphaSum(big.toImage()), 16 * 24, 1);
    EXPECT_NEAR(alphaSum(small.toImage()), 16 * 24 / 4.0, 1);
}

TEST(Canvas, BlendModesComposeAsPremultipliedColour) {
    Canvas c(4, 1);
    c.fill(rect(0, 0, 4, 1), rgb(0, 0, 255));
    c.fill(rect(0, 0, 1, 1), rgb(255, 0, 0), 0.5f);              // half red over blue
    c.fill(rect(1, 0, 2, 1), rgb(0, 0, 0), 1.0f, Blend::Erase);  // hole
    c.fill(rect(2, 0, 3, 1), rgb(255, 0, 0), 0.5f, Blend::Erase);
    c.fill(rect(3, 0, 4, 1), rgb(255, 255, 0), 1.0f, Blend::Add);  // light added makes white
    Image img = c.toImage();
    EXPECT_NEAR(img.at(0, 0)[0], 128, 1);
    EXPECT_NEAR(img.at(0, 0)[2], 127, 1);
    EXPECT_EQ(img.at(1, 0)[3], 0);
    EXPECT_NEAR(img.at(2, 0)[3], 128, 1);
    EXPECT_EQ(img.at(2, 0)[2], 255);  // what is left keeps its colour
    EXPECT_EQ(img.at(3, 0)[0], 255);
    EXPECT_EQ(img.at(3, 0)[1], 255);
    EXPECT_EQ(img.at(3, 0)[2], 255);
}

TEST(Canvas, GlowFadesWithDistanceAndDiesOutAtTheEdges) {
    Canvas c(32, 32);
    c.glow(circle({4, 16}, 3), rgb(255, 255, 255), 6, 1.0f);
    Image img = c.toImage();
    EXPECT_EQ(img.at(0, 16)[3], 0);  // outermost column stays clear
    EXPECT_GT(img.at(4, 16)[3], img.at(8, 16)[3]);
    EXPECT_GT(img.at(8, 16)[3], img.at(11, 16)[3]);
    EXPECT_EQ(img.at(14, 16)[3], 0);  // beyond the reach
    Canvas low(32, 32);
    low.glow(circle({16, 29}, 2), rgb(255, 255, 255), 6, 1.0f);
    EXPECT_EQ(low.toImage().at(16, 31)[3], 0);  // bottom row too
}

TEST(Font, GlyphsAreDistinctAndUnknownCharactersShowABox) {
    auto bitmap = [](char ch) {
        std::string s;
        for (int r = 0; r < kGlyphHeight; r++)
            for (int col = 0; col < kGlyphWidth; col++) s += glyphPixel(ch, col, r) ? '#' : '.';
        return s;
    };
    const std::string chars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (size_t i = 0; i < chars.size(); i++) {
        EXPECT_NE(bitmap(chars[i]).find('#'), std::string::npos) << chars[i];
        for (size_t j = i + 1; j < chars.size(); j++) EXPECT_NE(bitmap(chars[i]), bitmap(chars[j])) << chars[i] << chars[j];
    }
    EXPECT_EQ(bitmap(' ').find('#'), std::string::npos);
    EXPECT_TRUE(glyphPixel('~', 0, 0) && glyphPixel('~', 4, 6) && !glyphPixel('~', 2, 3));
    EXPECT_EQ(textWidth("Light10"), 7 * kGlyphAdvance - 1);
    EXPECT_EQ(textWidth("ab", 2), 2 * (2 * kGlyphAdvance - 1));
}
