// The bitmaps: the depth each file is written in, what the pictures show, and the
// resource script listing them with the cursor.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "../lettering.h"
#include "../pictures.h"

using namespace art;

namespace {
Image Picture(const std::string& name) {
    for (const PictureDef& d : pictureCatalogue())
        if (d.name == name) return renderPicture(d);
    return Image();
}
bool IsGrey192(const uint8_t* p) { return p[0] == 192 && p[1] == 192 && p[2] == 192; }
}  // namespace

TEST(Pictures, StandOnTheDialogGreyInTheirFilesDepth) {
    for (const PictureDef& d : pictureCatalogue()) {
        const Image img = renderPicture(d);
        const Bytes file = encodePicture(d, img);
        ASSERT_TRUE(img.w == d.width && img.h == d.height) << d.name;
        EXPECT_EQ(getLe16(file, 28), d.depth == Depth::Colours16 ? 4u : 24u) << d.name;
        const bool corners = IsGrey192(img.at(0, 0)) && IsGrey192(img.at(img.w - 1, img.h - 1));
        EXPECT_TRUE(corners || d.name == "BulbSeq") << d.name;  // its wire runs to the edges
    }
    // The name on the About box is not cut off at any edge.
    const Image title = Picture("1500");
    for (int x = 0; x < title.w; x++) EXPECT_TRUE(IsGrey192(title.at(x, 0)) && IsGrey192(title.at(x, title.h - 1))) << x;
    for (int y = 0; y < title.h; y++) EXPECT_TRUE(IsGrey192(title.at(0, y)) && IsGrey192(title.at(title.w - 1, y))) << y;
    for (char ch : std::string("Lumenkin")) EXPECT_TRUE(hasLetter(ch)) << ch;
}

TEST(Pictures, PowerSwitchShowsRedLightOnlyWhenOn) {
    auto reds = [](const Image& img) {
        int n = 0;
        for (size_t i = 0; i < img.px.size(); i += 4) n += img.px[i] == 255 && img.px[i + 1] == 0;
        return n;
    };
    EXPECT_EQ(reds(Picture("P1400")), 0);
    EXPECT_GT(reds(Picture("P1401")), 40);
}

#ifdef ARTGEN_ICONS_RC
TEST(ResourceScript, PicturesListTheProgramsBitmapsAndCursor) {
    // pictures.rc sits beside icons.rc.
    std::string path = ARTGEN_ICONS_RC;
    path = path.substr(0, path.find_last_of("/\\") + 1) + "pictures.rc";
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    std::map<std::string, std::pair<std::string, std::string>> entries, expected;
    for (std::string line, name, type, file; std::getline(in, line);) {
        std::istringstream words(line);
        if (!(words >> name >> type >> file) || name.rfind("//", 0) == 0) continue;
        entries[name] = {type, file.substr(1, file.size() - 2)};
    }
    for (const PictureDef& d : pictureCatalogue())  // the About pictures are listed with the About dialog
        if (d.name != "118" && d.name != "1500" && d.name != "1501") expected[d.name] = {"BITMAP", d.file};
    expected["NullCursor"] = {"CURSOR", kNullCursorFile};
    EXPECT_EQ(entries, expected);
}
#endif
