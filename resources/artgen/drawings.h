// Every picture the generator can draw. Each function paints one complete
// 32x32-unit tile onto an empty canvas.
#pragma once

#include "canvas.h"

namespace art {

// Glass lamps (lamps.cpp).
void drawNormal(Canvas& c, int colour, bool lit);
void drawBroken(Canvas& c, int colour);
void drawRound(Canvas& c, int colour, bool lit);
void drawSmall(Canvas& c, int colour, bool lit);
void drawTransparent(Canvas& c, int colour, bool lit);
// A little lamp with its socket hanging from the wire at x (list pictures).
void drawMiniLamp(Canvas& c, double x, Color hue, bool lit);

// Ornaments in seven colours and the other decorations (ornaments.cpp).
void drawSnowflake(Canvas& c, int colour, bool lit);
void drawBell(Canvas& c, int colour, bool lit);
void drawFish(Canvas& c, int colour, bool lit);
void drawCandyCane(Canvas& c, int colour, bool lit);
void drawEgg(Canvas& c, int colour, bool lit);
void drawLantern(Canvas& c, int colour, bool lit);
void drawStocking(Canvas& c, int colour, bool lit);
void drawPepper(Canvas& c, int pepperColour, bool lit);  // 0 red, 1 yellow, 2 green
void drawHolly(Canvas& c, int parity, bool lit);
void drawTree(Canvas& c, bool lit);

// Single-colour novelty lights (novelty.cpp).
void drawCactus(Canvas& c, bool lit);
void drawHeart(Canvas& c, bool lit);
void drawFlag(Canvas& c, bool lit);
void drawStarOfDavid(Canvas& c, bool lit);
void drawPumpkin(Canvas& c, bool lit);
void drawSmiley(Canvas& c, bool lit);
void drawShamrock(Canvas& c, bool lit);

// Empty places, list pictures and the program's own icons (appicons.cpp).
void drawMissing(Canvas& c);
void drawNoLight(Canvas& c);
void drawRandomPicture(Canvas& c);
void drawRedGreenPicture(Canvas& c);
void drawBluesPicture(Canvas& c);
void drawProgramIcon(Canvas& c);
void drawTrayIcon(Canvas& c);
void drawDialogIcon(Canvas& c);
void drawWarningIcon(Canvas& c);

}  // namespace art
