// artgen: draws every icon, bitmap and cursor of Lumenkin's resources, plus
// review sheets, into one folder.
//
//   artgen OUTDIR    write NAME.ico for every icon, the bitmaps, NullCursor.cur,
//                    contact-sheet.bmp/.png, picture-sheet.bmp/.png, and
//                    finally the empty artgen.stamp
//   artgen --list    print the names of those files, one per line
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp.h"
#include "catalog.h"
#include "ico.h"
#include "picture_sheet.h"
#include "pictures.h"
#include "png.h"
#include "sheet.h"

namespace fs = std::filesystem;
using namespace art;

namespace {
const char* const kSheetBmp = "contact-sheet.bmp";
const char* const kSheetPng = "contact-sheet.png";
const char* const kPictureSheetBmp = "picture-sheet.bmp";
const char* const kPictureSheetPng = "picture-sheet.png";
const char* const kStamp = "artgen.stamp";

bool write(const fs::path& path, const Bytes& data) {
    if (writeFile(path.string(), data)) return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", path.string().c_str());
    return false;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0' || (argv[1][0] == '-' && std::string(argv[1]) != "--list")) {
        std::fprintf(stderr, "usage: artgen OUTDIR | artgen --list\n");
        return 2;
    }
    const std::vector<IconDef>& icons = iconCatalogue();
    if (std::string(argv[1]) == "--list") {
        for (const IconDef& def : icons) std::printf("%s\n", def.file.c_str());
        for (const PictureDef& def : pictureCatalogue()) std::printf("%s\n", def.file.c_str());
        std::printf("%s\n%s\n%s\n%s\n%s\n%s\n", kNullCursorFile, kSheetBmp, kSheetPng, kPictureSheetBmp,
                    kPictureSheetPng, kStamp);
        return 0;
    }

    fs::path out(argv[1]);
    std::error_code ec;
    fs::create_directories(out, ec);
    // Without the stamp the build knows the folder is incomplete until we finish.
    fs::remove(out / kStamp, ec);

    std::vector<std::vector<Image>> images;
    for (const IconDef& def : icons) {
        images.push_back(renderIcon(def));
        if (!write(out / def.file, encodeIco(images.back()))) return 1;
    }
    const std::vector<PictureDef>& pictures = pictureCatalogue();
    std::vector<Image> pictureImages;
    for (const PictureDef& def : pictures) {
        pictureImages.push_back(renderPicture(def));
        if (!write(out / def.file, encodePicture(def, pictureImages.back()))) return 1;
    }
    if (!write(out / kNullCursorFile, nullCursor())) return 1;

    Image sheet = contactSheet(icons, images);
    if (!write(out / kSheetBmp, encodeBmp24(sheet)) || !write(out / kSheetPng, encodePng(sheet))) return 1;
    Image pictureSheetImage = pictureSheet(pictures, pictureImages);
    if (!write(out / kPictureSheetBmp, encodeBmp24(pictureSheetImage)) ||
        !write(out / kPictureSheetPng, encodePng(pictureSheetImage)))
        return 1;
    if (!write(out / kStamp, {})) return 1;
    std::printf("artgen: %zu icons, %zu bitmaps and a cursor written to %s\n", icons.size(), pictures.size(),
                out.string().c_str());
    return 0;
}
