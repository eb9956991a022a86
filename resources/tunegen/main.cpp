// tunegen: writes the carols shipped beside Lumenkin and its key-click sound.
//
//   tunegen OUTDIR    write every NAME.mid, keyclick.wav and finally tunegen.stamp
//   tunegen --list    print the names of those files, one per line
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "carols.h"
#include "keyclick.h"
#include "score.h"

namespace {

const char* const kClickFile = "keyclick.wav";
const char* const kStamp = "tunegen.stamp";

bool Write(const std::string& path, const std::vector<uint8_t>& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (out) return true;
    std::fprintf(stderr, "tunegen: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::fprintf(stderr, "usage: tunegen OUTDIR | tunegen --list\n");
        return 2;
    }
    const std::string arg = argv[1];
    if (arg == "--list") {
        for (const tune::Tune& t : tune::Carols()) std::printf("%s\n", t.file);
        std::printf("%s\n%s\n", kClickFile, kStamp);
        return 0;
    }

    std::error_code ec;
    std::filesystem::create_directories(arg, ec);
    const std::string dir = arg + "/";
    std::remove((dir + kStamp).c_str());
    for (const tune::Tune& t : tune::Carols()) {
        std::string error;
        const tune::Bytes file = tune::ArrangeTune(t, error);
        if (file.empty()) {
            std::fprintf(stderr, "tunegen: %s: %s\n", t.file, error.c_str());
            return 1;
        }
        if (!Write(dir + t.file, file)) return 1;
    }
    if (!Write(dir + kClickFile, tune::KeyClickWave())) return 1;
    if (!Write(dir + kStamp, {})) return 1;
    std::printf("tunegen: %zu tunes and the key click written to %s\n", tune::Carols().size(), arg.c_str());
    return 0;
}
