// The icon set and the bitmaps as a whole: every name the program can ask for exists, the
// pictures join into one string, lit pictures read as lit in their colour, the bitmaps sit on
// the dialog grey, and the resource scripts list the files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "../catalog.h"
#include "../lettering.h"
#include "../pictures.h"

using namespace art;

namespace {
// Each bulb type's naming rule: the state digit (plus an offset) and the colour digit,
// in either order, or the state alone when the type has no colours.
struct Type { const char* prefix; int stateOffset; bool colourFirst; int colours; };
const Type kTypes[] = {
    {"Light", 0, false, 7},   {"Light", 5, false, 7},   {"Cactus", 0, false, 0},  {"Light", 3, false, 7},
    {"Bell", 0, false, 7},    {"Fish", 0, false, 7},    {"CandyCane", 0, false, 7}, {"Heart", 0, false, 0},
    {"USFlag", 0, false, 0},  {"Hebrew", 0, false, 0},  {"Egg", 0, true, 7},      {"Pumpkin", 0, false, 0},
    {"Smiley", 0, false, 0},  {"Shamrock", 0, false, 0}, {"Lantern", 0, true, 7}, {"Pepper", 0, false, 3},
    {"Small", 0, false, 7},   {"Trans", 0, false, 7},   {"Tree", 0, false, 1},    {"Sock", 0, false, 7},
    {"Holly", 0, true, 2}};
std::string NameOf(const Type& t, int colour, int state) {
    const int s = state + t.stateOffset;
    if (!t.colours) return t.prefix + std::to_string(s);
    return t.prefix + std::to_string(t.colourFirst ? colour : s) + std::to_string(t.colourFirst ? s : colour);
}
// Hues (degrees) of the colours a lit bulb shows: Purple, Blue, Red, Green, Yellow, Indigo
// (White has none); the three peppers are red, yellow and green.
const double kBulbHues[] = {280, 210, 0, 130, 50, 245}, kPepperHues[] = {0, 50, 130};

// All icons drawn once for the picture tests.
const std::map<std::string, std::vector<Image>>& rendered() {
    static const std::map<std::string, std::vector<Image>> all = [] {
        std::map<std::string, std::vector<Image>> m;
        for (const IconDef& d : iconCatalogue()) m[d.name] = renderIcon(d);
        return m;
    }();
    return all;
}
const Image& tile(const std::string& name) { return rendered().at(name).front(); }
Image Picture(const std::string& name) {
    for (const PictureDef& d : pictureCatalogue())
        if (d.name == name) return renderPicture(d);
    return Image();
}
bool IsGrey192(const uint8_t* p) { return p[0] == 192 && p[1] == 192 && p[2] == 192; }

// Brightness of what a picture shows (luminance weighted by coverage), and how many pixels it
// covers at all: a lit one's halo reaches beyond the lamp.
std::pair<double, int> lightAndCover(const Image& img) {
    std::pair<double, int> sum;
    for (size_t i = 0; i < img.px.size(); i += 4) {
        sum.first += (0.3 * img.px[i] + 0.59 * img.px[i + 1] + 0.11 * img.px[i + 2]) * img.px[i + 3] / (255.0 * 255.0);
        sum.second += img.px[i + 3] > 0;
    }
    return sum;
}
// Index of the hue nearest to the mean colour of a picture's pixels, each weighted by
// its coverage and how coloured it is, so the grey socket and white highlights count little.
int nearestHue(const Image& img, const double* hues, int count) {
    double r = 0, g = 0, b = 0;
    for (size_t i = 0; i < img.px.size(); i += 4) {
        const uint8_t* p = &img.px[i];
        const double k = (std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]})) * p[3];
        r += p[0] * k, g += p[1] * k, b += p[2] * k;
    }
    const double hue = std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b) * 180 / std::acos(-1.0);
    auto off = [&](int i) { return std::abs(std::remainder(hue - hues[i], 360.0)); };
    int best = 0;
    for (int i = 1; i < count; i++) best = off(i) < off(best) ? i : best;
    return best;
}
}  // namespace

TEST(Catalogue, HoldsEveryNameTheProgramCanAskForAndNothingElse) {
    std::set<std::string> want, have;
    for (const Type& t : kTypes)
        for (int s = 0; s <= 1; s++)
            for (int c = 0; c < std::max(1, t.colours); c++) want.insert(NameOf(t, c, s));
    for (int c = 0; c < 7; c++) want.insert("Light2" + std::to_string(c));  // broken Normal bulbs
    want.insert({"MISSING", "NoLight", "LightRandom", "RedGreen", "TheBlues"});
    want.insert({"lumenkinIcon", "trayIcon", "AAAIcon", "105"});
    for (const IconDef& d : iconCatalogue()) {
        EXPECT_TRUE(have.insert(d.name).second) << "twice: " << d.name;
        EXPECT_EQ(d.file, d.name == "105" ? "icon105.ico" : d.name + ".ico");  // a file name cannot be a bare number
        EXPECT_EQ(d.sizes, d.group == "Program icons" ? std::vector<int>({32, 16}) : std::vector<int>({32})) << d.name;
    }
    EXPECT_EQ(have, want);
    std::map<std::vector<uint8_t>, std::string> seen;  // every picture is its own
    for (const auto& [name, images] : rendered())
        EXPECT_TRUE(seen.emplace(images.front().px, name).second) << name << " looks like " << seen[images.front().px];
}

TEST(Catalogue, StringPicturesShareTheWireAndNothingElseReachesTheSides) {
    const Image& bare = tile("NoLight");
    // The bare wire runs across the whole width near the top and is all there is; its twist
    // repeats every 8 pixels, so one tile leads into the next as it does inside a tile.
    for (int x = 0; x < 32; x++) {
        int strongest = 0, total = 0;
        for (int y = 0; y < 32; y++) {
            const int a = bare.at(x, y)[3];
            EXPECT_TRUE(a == 0 || (y >= 1 && y <= 6)) << x << "," << y;
            strongest = std::max(strongest, a), total += a;
            ASSERT_TRUE(std::equal(bare.at(x, y), bare.at(x, y) + 4, bare.at((x + 8) % 32, y))) << x;
        }
        EXPECT_TRUE(strongest >= 240 && total >= 2 * 255) << "wire broken or thin at column " << x;
    }
    for (const IconDef& d : iconCatalogue()) {
        if (d.group == "Program icons") continue;
        const Image& img = tile(d.name);
        for (int x : {0, 31})
            for (int y = 0; y < 32; y++)
                ASSERT_TRUE(std::equal(img.at(x, y), img.at(x, y) + 4, bare.at(x, y))) << d.name << " column " << x;
    }
}

TEST(Catalogue, LitPicturesAreBrighterAndGlowInTheirColourAndSmallImagesAreDrawnAtTheirSize) {
    for (const Type& t : kTypes)
        for (int c = 0; c < std::max(1, t.colours); c++) {
            const std::string off = NameOf(t, c, 0), on = NameOf(t, c, 1);
            const auto [lit, unlit] = std::make_pair(lightAndCover(tile(on)), lightAndCover(tile(off)));
            EXPECT_GT(lit.first, unlit.first * 1.3 + 5) << off << " / " << on;
            EXPECT_GT(lit.second, unlit.second + 40) << off << " / " << on << ": no halo";
            const int hues = t.colours == 3 ? 3 : t.colours == 7 ? 6 : 0;  // White has no hue to check
            EXPECT_TRUE(c >= hues || nearestHue(tile(on), hues == 3 ? kPepperHues : kBulbHues, hues) == c) << on;
        }
    EXPECT_GT(lightAndCover(tile("MISSING")).first, lightAndCover(tile("NoLight")).first);  // the socket is there
    for (const char* n : {"lumenkinIcon", "trayIcon", "AAAIcon", "105"}) {  // the small image is drawn at its size
        const std::vector<Image>& images = rendered().at(n);
        ASSERT_TRUE(images.size() == 2 && images[1].w == 16 && images[1].h == 16) << n;
        const double big = lightAndCover(images[0]).first;
        EXPECT_NEAR(lightAndCover(images[1]).first, big / 4, big / 10) << n;
    }
}

TEST(Pictures, StandOnTheDialogGreyAndShowWhichBulbsAndSwitchAreLit) {
    for (const PictureDef& d : pictureCatalogue()) {  // sizes and depths: the program's resource tests
        const Image img = renderPicture(d);
        const bool corners = IsGrey192(img.at(0, 0)) && IsGrey192(img.at(img.w - 1, img.h - 1));
        EXPECT_TRUE(corners || d.name == "BulbSeq") << d.name;  // its wire runs to the edges
    }
    // The name on the About box is not cut off at any edge.
    const Image word = Picture("1500");
    for (int x = 0; x < word.w; x++) EXPECT_TRUE(IsGrey192(word.at(x, 0)) && IsGrey192(word.at(x, word.h - 1))) << x;
    for (int y = 0; y < word.h; y++) EXPECT_TRUE(IsGrey192(word.at(0, y)) && IsGrey192(word.at(word.w - 1, y))) << y;
    for (char ch : std::string("Lumenkin")) EXPECT_TRUE(hasLetter(ch)) << ch;
    const Image bulbs = Picture("BulbSeq");  // green on top, red below, unlit on the left, lit on the right
    EXPECT_TRUE(bulbs.at(5, 6)[1] > bulbs.at(5, 6)[0] && bulbs.at(17, 6)[1] > bulbs.at(5, 6)[1]);
    EXPECT_TRUE(bulbs.at(5, 16)[0] > bulbs.at(5, 16)[1] && bulbs.at(17, 16)[0] > bulbs.at(5, 16)[0]);
    for (int on = 0; on <= 1; on++) {
        const Image power = Picture("P140" + std::to_string(on));
        int reds = 0;
        for (size_t i = 0; i < power.px.size(); i += 4) reds += power.px[i] == 255 && power.px[i + 1] == 0;
        EXPECT_TRUE(on ? reds > 40 : reds == 0) << reds;
    }
}

TEST(ResourceScript, ListsExactlyTheGeneratedIconsBitmapsAndCursor) {
    const std::string icons = ARTGEN_ICONS_RC, dir = icons.substr(0, icons.find_last_of("/\\") + 1);
    std::map<std::string, std::string> entries, expected;
    for (const std::string script : {"icons.rc", "pictures.rc"}) {
        std::ifstream in(dir + script);
        for (std::string line, name, type, file; std::getline(in, line);) {
            std::istringstream words(line);
            if ((words >> name >> type >> file) && name.rfind("//", 0) != 0) entries[name] = type + " " + file;
        }
    }
    for (const IconDef& d : iconCatalogue()) expected[d.name] = "ICON \"" + d.file + "\"";
    for (const PictureDef& d : pictureCatalogue())  // the About pictures are listed with the About dialog
        if (d.name != "118" && d.name != "1500" && d.name != "1501") expected[d.name] = "BITMAP \"" + d.file + "\"";
    expected["NullCursor"] = "CURSOR \"" + std::string(kNullCursorFile) + "\"";
    EXPECT_EQ(entries, expected);
}
