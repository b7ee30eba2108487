// assetgen DATA_DIR                      writes every picture, sound and tune into DATA_DIR
// assetgen --contact-sheet DATA_DIR OUT  draws every registered picture with its id, for review
// assetgen --icons OUT_DIR                 writes the desktop icons (hicolor theme layout)
#include <cstdio>
#include <cstring>
#include <ctime>
#include <thread>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include "assetgen.h"
#include "painters.h"

namespace {

// cairo's text API keeps font caches alive until exit; free them (every canvas is gone by now) so
// leak checkers in sanitizer builds see a clean exit.
void ReleaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--contact-sheet") == 0) {
        bool ok = WriteContactSheets(argv[2], argv[3]);
        ReleaseFontCaches();
        return ok ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
        bool ok = PaintDesktopIcons(argv[2], "org.mossmeadow.Mossmeadow");
        ReleaseFontCaches();
        return ok ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen DATA_DIR | assetgen --contact-sheet DATA_DIR OUT_DIR | "
                             "assetgen --icons OUT_DIR\n");
        return 2;
    }
    // Pictures and sounds write disjoint files: paint and synthesise side by side on two cores.
    bool pictures_ok = false;
    std::thread painter([&pictures_ok, &argv] { pictures_ok = GeneratePictures(argv[1]); });
    bool audio_ok = GenerateAudio(argv[1]);
    painter.join();
    // Processor time of both threads: the budget check reads this line.
    std::printf("assetgen: %.1f s of processor time\n", static_cast<double>(std::clock()) / CLOCKS_PER_SEC);
    ReleaseFontCaches();
    return pictures_ok && audio_ok ? 0 : 1;
}
