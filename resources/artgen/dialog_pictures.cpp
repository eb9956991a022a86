// The small pictures of the dialogs: the note beside the music list, the
// festive picture in the corner, the two states of the power switch and the
// bulb cells of the flash-pattern preview.
#include "bmp.h"
#include "parts.h"
#include "picture_drawings.h"

namespace art {

namespace {
Color vga(int index) {
    const Rgb8& p = vgaPalette()[index];
    return rgb(p[0], p[1], p[2]);
}
// Palette indices used here.
enum Vga { VgaBlack = 0, VgaMaroon = 1, VgaGreen = 2, VgaSilver = 7, VgaGrey = 8, VgaRed = 9, VgaLime = 10, VgaWhite = 15 };

// One cell of the preview strip, 11x10 pixels. Roles: W wire, S socket,
// O outline, B glass, H highlight; anything else shows the dialog grey.
const char* const kPreviewCell[10] = {
    "WWWWWWWWWWW",
    "....SSS....",
    "....SSS....",
    "....OBO....",
    "...OHBBO...",
    "..OHBBBBO..",
    "..OHBBBBO..",
    "..OBBBBBO..",
    "...OBBBO...",
    "....OOO....",
};

void drawPreviewCell(Canvas& c, int left, int top, int outline, int glass, int highlight) {
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 11; x++) {
            int index;
            switch (kPreviewCell[y][x]) {
                case 'W': index = VgaGreen; break;
                case 'S': index = VgaGrey; break;
                case 'O': index = outline; break;
                case 'B': index = glass; break;
                case 'H': index = highlight; break;
                default: continue;
            }
            c.setPixel(left + x, top + y, vga(index));
        }
}
}  // namespace

void drawPreviewBulbs(Canvas& c) {
    // Green row on top, red row below; unlit in the left column, lit on the right.
    drawPreviewCell(c, 0, 0, VgaBlack, VgaGreen, VgaGreen);
    drawPreviewCell(c, 11, 0, VgaGreen, VgaLime, VgaWhite);
    drawPreviewCell(c, 0, 10, VgaBlack, VgaMaroon, VgaMaroon);
    drawPreviewCell(c, 11, 10, VgaMaroon, VgaRed, VgaWhite);
}

void drawPowerSwitch(Canvas& c, bool on) {
    // A wall plate with a toggle lever; the slot glows red behind the lever while on.
    Shape plate = rect(3, 1, 28, 46, 3);
    c.fill(moved(plate, {1.5, 1.5}), vga(VgaGrey));
    c.fill(plate, vga(VgaWhite));
    drawOutline(c, plate, vga(VgaGrey), 1.0, 1.0f);
    Shape slot = rect(10, 14, 21, 33, 2);
    c.fill(slot, vga(on ? VgaRed : VgaBlack));
    drawOutline(c, slot, vga(on ? VgaMaroon : VgaGrey), 1.0, 1.0f);
        Vec2 pivot{15.5, 24}, end{15.5, on ? 8.0 : 39.0};
    Shape lever = taper(pivot, 2.0, end, 1.5);
    Shape knob = circle(end, 3.6);
    c.fill(grow(lever | knob, 1.0), vga(VgaBlack));
    c.fill(lever | knob, vga(VgaSilver));
    c.fill(circle(end + Vec2{-1.2, -1.2}, 1.3), vga(VgaWhite));
    c.fill(circle(pivot, 2.2) & slot, vga(VgaGrey));
}

void drawMusicNote(Canvas& c) {
    // Two quavers joined by a beam.
    Color ink = rgb(16, 24, 96);
    Shape heads = rotated(ellipse({4.4, 12.7}, 2.7, 1.9), {4.4, 12.7}, -22) |
                  rotated(ellipse({12.1, 10.9}, 2.7, 1.9), {12.1, 10.9}, -22);
    Shape stems = rect(6.0, 3.4, 7.2, 12.4) | rect(13.7, 1.6, 14.9, 10.6);
    Shape beam = polygon({{6.0, 2.8}, {14.9, 0.9}, {14.9, 3.7}, {6.0, 5.6}});
    c.fill(heads | stems | beam, ink);
    c.fill(rotated(ellipse({3.6, 12.2}, 1.0, 0.5), {3.6, 12.2}, -22), rgb(140, 160, 255), 0.9f);
    c.fill(rotated(ellipse({11.3, 10.4}, 1.0, 0.5), {11.3, 10.4}, -22), rgb(140, 160, 255), 0.9f);
}

void drawFestivePicture(Canvas& c) {
    // A little lit tree with a star, and two presents at its foot.
    Shape tree = polygon({{18, 5}, {11.5, 15}, {24.5, 15}}) | polygon({{18, 9}, {8.5, 23}, {27.5, 23}}) |
                 polygon({{18, 15}, {5, 31}, {31, 31}});
    Shape trunk = rect(15.6, 30, 20.4, 36);
    c.fill(trunk, linear({15.6, 0}, {20.4, 0}, {{0.0f, rgb(140, 90, 44)}, {1.0f, rgb(70, 40, 16)}}));
    c.fill(tree, linear({5, 0}, {31, 0}, {{0.0f, rgb(60, 170, 84)}, {0.45f, rgb(24, 124, 52)}, {1.0f, rgb(8, 64, 28)}}));
    drawOutline(c, tree, rgb(4, 40, 14), 0.8, 0.9f);
    c.fill(stroke(bezier({12.5, 13}, {15, 15.5}, {20, 15}, {23, 12}, 10), 0.45) & tree, rgb(240, 200, 80), 0.9f);
    c.fill(stroke(bezier({9.5, 21}, {14, 24}, {22, 23.5}, {26.5, 19.5}, 12), 0.45) & tree, rgb(240, 200, 80), 0.9f);
    c.fill(stroke(bezier({6.5, 29}, {12, 31.5}, {24, 31}, {30, 27}, 12), 0.45) & tree, rgb(240, 200, 80), 0.9f);
    const Vec2 lights[] = {{16, 11}, {20.5, 14}, {13.5, 17.5}, {19, 19.5}, {23.5, 21}, {11, 22.5}, {16.5, 25},
                           {8.5, 28.5}, {22, 27.5}, {27.5, 29.5}, {13.5, 29.8}};
    int i = 0;
    for (Vec2 p : lights) {
        Color hue = hueOf((Red + 2 * i++) % kColourCount);
        c.glow(circle(p, 0.8), tint(hue, 0.3f), 2.2, 0.8f, false);
        c.fill(circle(p, 1.15), tint(hue, 0.35f));
    }
    Shape star = polygon(regularStar({18, 5.5}, 4.6, 1.9, 5, -90));
    c.glow(star, rgb(255, 236, 120), 2.5, 0.7f, false);
    c.fill(star, rgb(255, 236, 110));
    drawOutline(c, star, rgb(200, 130, 10), 0.6, 1.0f);
    // Presents: a red one with a gold ribbon, a blue one with a white ribbon.
    auto present = [&](double x0, double y0, double x1, double y1, Color paper, Color ribbon) {
        Shape box = rect(x0, y0, x1, y1, 0.6);
        double mid = (x0 + x1) / 2;
        c.fill(box, linear({x0, y0}, {x1, y1}, {{0.0f, tint(paper, 0.2f)}, {1.0f, shade(paper, 0.6f)}}));
        c.fill(rect(mid - 0.9, y0, mid + 0.9, y1) & box, ribbon);
        c.fill(rect(x0, y0 + 2.2, x1, y0 + 3.6) & box, ribbon);
        drawOutline(c, box, shade(paper, 0.3f), 0.6, 0.9f);
        c.fill(ellipse({mid - 1.9, y0 - 0.8}, 1.9, 1.1) | ellipse({mid + 1.9, y0 - 0.8}, 1.9, 1.1), ribbon);
        drawOutline(c, ellipse({mid - 1.9, y0 - 0.8}, 1.9, 1.1) | ellipse({mid + 1.9, y0 - 0.8}, 1.9, 1.1),
                    shade(ribbon, 0.6f), 0.5, 0.8f);
    };
    present(2.5, 34.5, 14, 43, rgb(40, 96, 220), rgb(250, 250, 250));
    present(21, 32.5, 33.5, 43, rgb(220, 30, 36), rgb(255, 212, 60));
}

}  // namespace art
