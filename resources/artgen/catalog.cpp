#include "catalog.h"

#include "drawings.h"
#include "parts.h"

namespace art {

namespace {
using Draw = std::function<void(Canvas&)>;

void add(std::vector<IconDef>& list, const std::string& group, const std::string& name, Draw draw,
         std::vector<int> sizes = {32}) {
    list.push_back({name, name + ".ico", group, std::move(sizes), std::move(draw)});
}

// Seven colours of a lamp kind, off then on. `name` forms the resource name
// from colour and state, since kinds differ in which digit comes first.
void addColours(std::vector<IconDef>& list, const std::string& group,
                const std::function<std::string(int colour, int state)>& name,
                const std::function<void(Canvas&, int colour, bool lit)>& draw) {
    for (int state = 0; state <= 1; state++)
        for (int colour = 0; colour < kColourCount; colour++)
            add(list, group, name(colour, state), [=](Canvas& c) { draw(c, colour, state == 1); });
}

std::string digits(int a, int b) { return std::to_string(a) + std::to_string(b); }

// State digit first ("Bell%d%d" with state, colour), optionally offset.
std::function<std::string(int, int)> stateFirst(const std::string& prefix, int stateOffset = 0) {
    return [=](int colour, int state) { return prefix + digits(state + stateOffset, colour); };
}
// Colour digit first ("Egg%d%d" with colour, state).
std::function<std::string(int, int)> colourFirst(const std::string& prefix) {
    return [=](int colour, int state) { return prefix + digits(colour, state); };
}

std::vector<IconDef> build() {
    std::vector<IconDef> list;
    addColours(list, "Normal bulbs", stateFirst("Light"), drawNormal);
    for (int colour = 0; colour < kColourCount; colour++)
        add(list, "Normal bulbs", "Light2" + std::to_string(colour), [=](Canvas& c) { drawBroken(c, colour); });
    addColours(list, "Snow flakes", stateFirst("Light", 3), drawSnowflake);
    addColours(list, "Round bulbs", stateFirst("Light", 5), drawRound);
    addColours(list, "Bells", stateFirst("Bell"), drawBell);
    addColours(list, "Fish", stateFirst("Fish"), drawFish);
    addColours(list, "Candy canes", stateFirst("CandyCane"), drawCandyCane);
    addColours(list, "Easter eggs", colourFirst("Egg"), drawEgg);
    addColours(list, "Lanterns", colourFirst("Lantern"), drawLantern);
    addColours(list, "Small bulbs", stateFirst("Small"), drawSmall);
    addColours(list, "Transparent bulbs", stateFirst("Trans"), drawTransparent);
    addColours(list, "Stockings", stateFirst("Sock"), drawStocking);

    for (int state = 0; state <= 1; state++)
        for (int pepper = 0; pepper < 3; pepper++)
            add(list, "Hot peppers", "Pepper" + digits(state, pepper), [=](Canvas& c) { drawPepper(c, pepper, state == 1); });
    // Holly comes in two pictures, by the parity of the colour.
    for (int state = 0; state <= 1; state++)
        for (int parity = 0; parity < 2; parity++)
            add(list, "Holly", "Holly" + digits(parity, state), [=](Canvas& c) { drawHolly(c, parity, state == 1); });
    for (int state = 0; state <= 1; state++)
        add(list, "Christmas trees", "Tree" + digits(state, 0), [=](Canvas& c) { drawTree(c, state == 1); });

    const std::vector<std::pair<std::string, void (*)(Canvas&, bool)>> novelties = {
        {"Cactus", drawCactus}, {"Heart", drawHeart},     {"USFlag", drawFlag},         {"Hebrew", drawStarOfDavid},
        {"Pumpkin", drawPumpkin}, {"Smiley", drawSmiley}, {"Shamrock", drawShamrock}};
    for (const auto& [prefix, draw] : novelties)
        for (int state = 0; state <= 1; state++)
            add(list, "Novelty lights", prefix + std::to_string(state), [draw = draw, state](Canvas& c) { draw(c, state == 1); });

    add(list, "Empty places", "MISSING", drawMissing);
    add(list, "Empty places", "NoLight", drawNoLight);

    add(list, "Colour scheme pictures", "LightRandom", drawRandomPicture);
    add(list, "Colour scheme pictures", "RedGreen", drawRedGreenPicture);
    add(list, "Colour scheme pictures", "TheBlues", drawBluesPicture);

    add(list, "Program icons", "lumenkinIcon", drawProgramIcon, {32, 16});
    add(list, "Program icons", "AAAIcon", drawDialogIcon, {32, 16});
    add(list, "Program icons", "trayIcon", drawTrayIcon, {32, 16});
    list.push_back({"105", "icon105.ico", "Program icons", {32, 16}, drawWarningIcon});
    return list;
}
}  // namespace

const std::vector<IconDef>& iconCatalogue() {
    static const std::vector<IconDef> list = build();
    return list;
}

Image renderTile(const std::function<void(Canvas&)>& draw, int size) {
    Canvas c(size, size, size / 32.0);
    draw(c);
    return c.toImage();
}

std::vector<Image> renderIcon(const IconDef& def) {
    std::vector<Image> images;
    for (int size : def.sizes) images.push_back(renderTile(def.draw, size));
    return images;
}

}  // namespace art
