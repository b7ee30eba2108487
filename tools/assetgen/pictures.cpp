// GeneratePictures: runs every picture painter into the data folder and copies the fonts.
#include <cstdio>
#include <filesystem>
#include <string>

#include "assetgen.h"
#include "creatures/creatures.h"
#include "painters.h"
#include "portraits/portraits.h"
#include "world/world.h"

namespace {

// A font file the game registers (data/common.xml names Data/Fonts/<file>), with the installed
// Debian OFL fonts it is copied from, in order of preference. DejaVu is the last resort.
struct FontSource {
    const char* file;
    const char* candidates[3];
    const char* licence;  // copyright file of the Debian package
};

const FontSource kFonts[] = {
    {"Quicksand-Bold.ttf",
     {"/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", nullptr},
     "/usr/share/doc/fonts-quicksand/copyright"},
    {"CabinSketch-Bold.ttf",
     {"/usr/share/fonts/truetype/cabinsketch/CabinSketch-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", nullptr},
     "/usr/share/doc/fonts-cabinsketch/copyright"},
    {"Comfortaa-Bold.ttf",
     {"/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", nullptr},
     "/usr/share/doc/fonts-comfortaa/copyright"},
};

bool CopyFonts(Output& out) {
    bool ok = true;
    for (const FontSource& font : kFonts) {
        const char* found = nullptr;
        for (const char* candidate : font.candidates) {
            if (candidate && std::filesystem::exists(candidate)) {
                found = candidate;
                break;
            }
        }
        if (!found) {
            std::fprintf(stderr, "assetgen: no installed font for %s (install fonts-quicksand, "
                                 "fonts-cabinsketch, fonts-comfortaa or fonts-dejavu-core)\n",
                         font.file);
            ok = false;
            continue;
        }
        ok = out.CopyFile(found, std::string("Data/Fonts/") + font.file) && ok;
        // The OFL asks that the licence travels with the font.
        if (std::filesystem::exists(font.licence)) {
            std::string name = std::filesystem::path(font.licence).parent_path().filename().string();
            ok = out.CopyFile(font.licence, "Data/Fonts/" + name + ".copyright.txt") && ok;
        }
    }
    return ok;
}

}  // namespace

bool GeneratePictures(const std::string& data_dir) {
    Output out(data_dir);
    bool ok = PaintInterface(out);
    ok = PaintTitle(out) && ok;
    ok = PaintRanch(out) && ok;
    ok = PaintGames(out) && ok;
    ok = PaintItems(out) && ok;
    ok = PaintCreatures(data_dir) && ok;
    ok = PaintPortraits(data_dir) && ok;
    ok = PaintWorld(data_dir) && ok;
    ok = CopyFonts(out) && ok;
    if (!ok) std::fprintf(stderr, "assetgen: some pictures could not be written\n");
    return ok;
}
