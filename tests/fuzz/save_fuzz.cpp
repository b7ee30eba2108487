// Fuzzes the save-file loader with the game's own item catalogue. Besides memory and
// undefined-behaviour checks it asserts what the game relies on: a save the loader accepts is
// written back as a text that loads again and then writes the very same text (nothing is lost or
// changed by a second load and save), and a save it refuses leaves no active profile behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app.h"
#include "item.h"
#include "profile.h"
#include "settings.h"
#include "system.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

[[noreturn]] void ThrowFatal(const std::string& text) { throw std::runtime_error(text); }

void WriteSave(const std::string& bytes) {
    std::ofstream(Profile::ProfilePath(profile_name), std::ios::binary | std::ios::trunc) << bytes;
}

void SetUpOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    SetFatalHandler(ThrowFatal);
    user_dir = (std::filesystem::temp_directory_path() / ("mossmeadow_save_fuzz_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(user_dir + "/Profiles");
    Check(ItemList::Load(std::string(MOSSMEADOW_SOURCE_DIR) + "/data/items.xml") == 1);
    profile_name = "Fuzz";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SetUpOnce();
    WriteSave(std::string(reinterpret_cast<const char*>(data), size));
    if (Profile::Load() != 1) {
        Check(profile_active == 0);
        return 0;
    }
    const std::string first = Profile::SaveText();
    WriteSave(first);
    Check(Profile::Load() == 1);
    const std::string second = Profile::SaveText();
    if (second != first) {
        std::fprintf(stderr, "written:\n%s\nwritten again:\n%s\n", first.c_str(), second.c_str());
        std::abort();
    }
    return 0;
}
