// The icon set as a whole: every name the program can ask for exists, the
// pictures join into one string, lit pictures read as lit, and the resource
// script lists exactly the generated files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "../catalog.h"

using namespace art;

namespace {
std::string upper(std::string s) {
    for (char& ch : s) ch = char(std::toupper(static_cast<unsigned char>(ch)));
    return s;
}

std::string format(const char* pattern, int a, int b) {
    char buf[64];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return buf;
}

// Every icon name the light string can load, built from the naming rules of
// each bulb type rather than from the catalogue itself.
std::set<std::string> namesTheProgramUses() {
    std::set<std::string> names;
    struct Type {
        const char* pattern;
        int stateOffset;
        bool colourFirst;
        int colours;  // 0: no colour digit
    };
    const Type types[] = {{"Light%d%d", 0, false, 7},  {"Light%d%d", 5, false, 7}, {"Cactus%d", 0, false, 0},
                          {"Light%d%d", 3, false, 7},  {"Bell%d%d", 0, false, 7},  {"Fish%d%d", 0, false, 7},
                          {"CandyCane%d%d", 0, false, 7}, {"Heart%d", 0, false, 0}, {"USFlag%d", 0, false, 0},
                          {"Hebrew%d", 0, false, 0},   {"Egg%d%d", 0, true, 7},    {"Pumpkin%d", 0, false, 0},
                          {"Smiley%d", 0, false, 0},   {"Shamrock%d", 0, false, 0}, {"Lantern%d%d", 0, true, 7},
                          {"Pepper%d%d", 0, false, 3}, {"Small%d%d", 0, false, 7}, {"Trans%d%d", 0, false, 7},
                          {"Tree%d%d", 0, false, 1},   {"Sock%d%d", 0, false, 7},  {"Holly%d%d", 0, true, 2}};
    for (const Type& t : types)
        for (int s = 0; s <= 1; s++)
            for (int c = 0; c < std::max(1, t.colours); c++) {
                int state = s + t.stateOffset;
                names.insert(upper(t.colourFirst ? format(t.pattern, c, state) : format(t.pattern, state, c)));
            }
    for (int c = 0; c < 7; c++) names.insert(upper(format("Light2%d", c, 0)));  // broken Normal bulbs
    for (const char* n : {"MISSING", "NoLight", "LightRandom", "RedGreen", "TheBlues", "lumenkinIcon", "trayIcon",
                          "AAAIcon", "105",
                          // pictures of the bulb-type list, spelled as the string table has them
                          "Light10", "Light63", "Cactus1", "Light44", "Bell11", "Fish15", "CandyCane12", "Heart1",
                          "USFlag1", "Hebrew1", "Egg11", "Pumpkin1", "Smiley1", "Shamrock1", "Lantern21", "Pepper11",
                          "Small10", "Trans15", "tree10", "sock12", "holly11"})
        names.insert(upper(n));
    return names;
}

const IconDef* find(const std::string& name) {
    for (const IconDef& d : iconCatalogue())
        if (upper(d.name) == upper(name)) return &d;
    return nullptr;
}

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

// Brightness of what a picture shows: luminance weighted by coverage.
double light(const Image& img) {
    double sum = 0;
    for (int y = 0; y < img.h; y++)
        for (int x = 0; x < img.w; x++) {
            const uint8_t* p = img.at(x, y);
            sum += (0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]) * p[3] / (255.0 * 255.0);
        }
    return sum;
}

bool sameColumn(const Image& a, const Image& b, int x) {
    for (int y = 0; y < a.h; y++)
        if (!std::equal(a.at(x, y), a.at(x, y) + 4, b.at(x, y))) return false;
    return true;
}

// Off/on pairs of every lamp picture with a lit state.
std::vector<std::pair<std::string, std::string>> offOnPairs() {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (int c = 0; c < 7; c++) {
        std::string d = std::to_string(c);
        for (auto [off, on] : std::vector<std::pair<std::string, std::string>>{{"Light0", "Light1"}, {"Light3", "Light4"},
                                                                               {"Light5", "Light6"}, {"Bell0", "Bell1"},
                                                                               {"Fish0", "Fish1"}, {"CandyCane0", "CandyCane1"},
                                                                               {"Small0", "Small1"}, {"Trans0", "Trans1"},
                                                                               {"Sock0", "Sock1"}})
            pairs.push_back({off + d, on + d});
        pairs.push_back({"Egg" + d + "0", "Egg" + d + "1"});
        pairs.push_back({"Lantern" + d + "0", "Lantern" + d + "1"});
    }
    for (int p = 0; p < 3; p++) pairs.push_back({"Pepper0" + std::to_string(p), "Pepper1" + std::to_string(p)});
    pairs.push_back({"Holly00", "Holly01"});
    pairs.push_back({"Holly10", "Holly11"});
    pairs.push_back({"Tree00", "Tree10"});
    for (const char* n : {"Cactus", "Heart", "USFlag", "Hebrew", "Pumpkin", "Smiley", "Shamrock"})
        pairs.push_back({std::string(n) + "0", std::string(n) + "1"});
    return pairs;
}
}  // namespace

TEST(Catalogue, HoldsEveryNameTheProgramCanAskForAndNothingElse) {
    std::set<std::string> have;
    for (const IconDef& d : iconCatalogue()) {
        EXPECT_TRUE(have.insert(upper(d.name)).second) << "twice: " << d.name;
        bool numeric = std::all_of(d.name.begin(), d.name.end(), [](char ch) { return std::isdigit(uint8_t(ch)); });
        EXPECT_EQ(d.file, numeric ? "icon" + d.name + ".ico" : d.name + ".ico");
        ASSERT_FALSE(d.sizes.empty());
        EXPECT_EQ(d.sizes.front(), 32) << d.name;
    }
    EXPECT_EQ(have, namesTheProgramUses());
    for (const char* n : {"lumenkinIcon", "trayIcon", "AAAIcon", "105"})
        EXPECT_EQ(find(n)->sizes, (std::vector<int>{32, 16})) << n;
}

TEST(Catalogue, EveryPictureIsDistinct) {
    std::map<std::vector<uint8_t>, std::string> seen;
    for (const auto& [name, images] : rendered()) {
        auto [it, fresh] = seen.emplace(images.front().px, name);
        EXPECT_TRUE(fresh) << name << " looks exactly like " << it->second;
    }
}

TEST(Catalogue, StringPicturesShareTheWireAndNothingElseReachesTheSides) {
    const Image& bare = tile("NoLight");
    // The bare wire runs across the whole width near the top and is all there is.
    for (int x = 0; x < 32; x++) {
        int strongest = 0, total = 0;
        for (int y = 0; y < 32; y++) {
            int a = bare.at(x, y)[3];
            if (y < 1 || y > 6) {
                EXPECT_EQ(a, 0) << x << "," << y;
            }
            strongest = std::max(strongest, a);
            total += a;
        }
        EXPECT_GE(strongest, 240) << "wire broken at column " << x;
        EXPECT_GE(total, 2 * 255) << "wire too thin at column " << x;
    }
    // The twist repeats every 8 pixels, so the last column leads into the first
    // of the next tile just as it does inside a tile.
    for (int x = 0; x < 32; x++) {
        int next = (x + 8) % 32;
        for (int y = 0; y < 32; y++) ASSERT_TRUE(std::equal(bare.at(x, y), bare.at(x, y) + 4, bare.at(next, y))) << x;
    }
    for (const IconDef& d : iconCatalogue()) {
        if (d.group == "Program icons") continue;
        const Image& img = tile(d.name);
        ASSERT_EQ(img.w, 32);
        ASSERT_EQ(img.h, 32);
        for (int x : {0, 31}) EXPECT_TRUE(sameColumn(img, bare, x)) << d.name << " column " << x;
    }
}

TEST(Catalogue, LitPicturesAreBrighterThanUnlitOnes) {
    for (const auto& [off, on] : offOnPairs()) {
        double dark = light(tile(off)), bright = light(tile(on));
        EXPECT_GT(bright, dark * 1.3 + 5) << off << " / " << on;
    }
}

TEST(Catalogue, EmptyPlacesAndBrokenBulbsDifferFromTheirNeighbours) {
    const Image &bare = tile("NoLight"), &missing = tile("MISSING");
    EXPECT_GT(light(missing), light(bare));  // the socket is there
    for (int c = 0; c < 7; c++) {
        const Image &whole = tile("Light0" + std::to_string(c)), &broken = tile("Light2" + std::to_string(c));
        int changed = 0;
        for (size_t i = 0; i < whole.px.size(); i += 4) changed += whole.px[i + 3] != broken.px[i + 3] || whole.px[i] != broken.px[i];
        EXPECT_GT(changed, 40) << "Light2" << c;
    }
}

TEST(Catalogue, SmallImagesOfProgramIconsAreDrawnAtTheirOwnSize) {
    for (const char* n : {"lumenkinIcon", "trayIcon", "AAAIcon", "105"}) {
        const std::vector<Image>& images = rendered().at(n);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[1].w, 16);
        EXPECT_EQ(images[1].h, 16);
        // Same picture at a quarter of the area.
        EXPECT_NEAR(light(images[1]), light(images[0]) / 4, light(images[0]) / 10) << n;
    }
}

#ifdef ARTGEN_ICONS_RC
TEST(ResourceScript, ListsExactlyTheGeneratedIconsInCatalogueOrder) {
    const char* path = std::getenv("ARTGEN_ICONS_RC") ? std::getenv("ARTGEN_ICONS_RC") : ARTGEN_ICONS_RC;
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::vector<std::pair<std::string, std::string>> entries;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string name, type, file;
        if (!(words >> name) || name.rfind("//", 0) == 0) continue;
        words >> type >> file;
        EXPECT_EQ(type, "ICON") << line;
        ASSERT_GE(file.size(), 2u) << line;
        EXPECT_EQ(file.front(), '"');
        EXPECT_EQ(file.back(), '"');
        entries.push_back({name, file.substr(1, file.size() - 2)});
    }
    const std::vector<IconDef>& icons = iconCatalogue();
    ASSERT_EQ(entries.size(), icons.size());
    for (size_t i = 0; i < icons.size(); i++) {
        EXPECT_EQ(entries[i].first, icons[i].name);
        EXPECT_EQ(entries[i].second, icons[i].file);
    }
}
#endif
