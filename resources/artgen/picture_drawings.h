// Drawings of the program's bitmaps. Each paints a whole picture, in pixel
// units, onto a canvas of the picture's size that already shows the dialog grey.
#pragma once

#include "canvas.h"

namespace art {

// Name pictures (banners.cpp).
void drawOptionsBanner(Canvas& c);  // 480x80: the name under a string of lights
void drawAboutStrip(Canvas& c);     // 318x21: a string of lights across the About box
void drawAboutTitle(Canvas& c);     // 214x39: the name

// Small pictures of the dialogs (dialog_pictures.cpp).
void drawMusicNote(Canvas& c);                 // 16x16
void drawFestivePicture(Canvas& c);            // 36x44: a little tree with presents
void drawPowerSwitch(Canvas& c, bool on);      // 32x48, 16 colours
void drawPreviewBulbs(Canvas& c);              // 22x20, 16 colours: four bulb cells

}  // namespace art
