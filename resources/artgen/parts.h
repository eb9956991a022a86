// Pieces every light picture shares: the colour set, the stretch of wire that
// joins neighbouring pictures into one string, the sockets, and the shading
// that makes a lamp look unlit or glowing. All coordinates are in the units of
// a 32x32 tile.
#pragma once

#include "canvas.h"

namespace art {

// The seven lamp colours, in catalogue order.
enum ColourIndex { Purple = 0, Blue, Red, Green, Yellow, Indigo, White, kColourCount };
Color hueOf(int colour);
Color accentOf(int colour);  // a contrasting trim colour for decorated ornaments
const char* colourName(int colour);

// Wire: two twisted dark green strands across the full tile width, centred on
// this row. The twist repeats every 8 units, so tiles join seamlessly.
const double kWireY = 3.6;
void drawWire(Canvas& c);

// Plastic socket clipped on the wire, centred on x, reaching down to `bottom`.
void drawSocket(Canvas& c, double x = 16.0, double bottom = 11.0, double halfWidth = 3.4);
// Opening at the bottom of an empty socket.
void drawSocketHole(Canvas& c, double x = 16.0, double bottom = 11.0, double halfWidth = 3.4);
// Metal screw base of a glass lamp, between the socket and the glass.
void drawScrewBase(Canvas& c, double top, double bottom, double halfWidth, double x = 16.0);

// Shading of a coloured body. `centre` and `radius` give the body's rough
// extent; unlit bodies are lit from the upper left, lit ones glow from inside.
// `core` is how close to white the middle of a lit body gets: lamps glow
// white-hot, painted ornaments keep more of their colour and detail.
Paint bodyPaint(Color hue, bool lit, Vec2 centre, double radius, float core = 0.9f);
// Halo around a lit shape, in its colour, fading within `reach` units.
void drawHalo(Canvas& c, const Shape& s, Color hue, double reach = 5.0, float strength = 0.6f);
// Fills a body with shading and an outline (the halo of a lit body is drawn
// separately, before anything that should stand in front of it).
void drawBody(Canvas& c, const Shape& s, Color hue, bool lit, Vec2 centre, double radius, float core = 0.9f);
// How strongly a lit body is outlined: pale colours need more, or they vanish
// on light backgrounds.
float litOutlineAlpha(Color hue);
// Glossy reflection: a small tilted white ellipse.
void drawGloss(Canvas& c, Vec2 centre, double rx, double ry, double degrees, float alpha);
// Flat colour for painted details: as is when lit, darkened when unlit.
Color paintColour(Color c, bool lit);
// Blend factor for soft-edged stripes: 1 inside a stripe of `width` that
// repeats every `period` along v, 0 outside, smoothed over about half a unit.
float stripeMix(double v, double period, double width);
// Outline drawn just inside a shape.
void drawOutline(Canvas& c, const Shape& s, Color col, double width = 0.8, float alpha = 0.85f);

}  // namespace art
