// Fuzzes the options file reader. Besides memory and undefined-behaviour checks it asserts what the
// game relies on: a name it takes can name a profile file inside the profiles folder, and the file
// the game writes back for what it read reads again to the very same settings (so a player's
// options survive a run unchanged).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app.h"
#include "options_file.h"
#include "settings.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

struct Settings {
    std::string name;
    double sound = 0, music = 0;
    int renderer_value = 0, fullscreen_value = 0;
    bool operator==(const Settings& o) const {
        return name == o.name && sound == o.sound && music == o.music && renderer_value == o.renderer_value &&
               fullscreen_value == o.fullscreen_value;
    }
};

Settings Current() {
    return {profile_name, sound_volume.Get(), music_volume.Get(), renderer, fullscreen};
}

void Reset() {
    profile_name.clear();
    sound_volume = Interpolation::Create(0.8f);
    music_volume = Interpolation::Create(0.8f);
    renderer = 0;
    fullscreen = 0;
}

std::string Path() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("mossmeadow_options_fuzz_" + std::to_string(getpid()) + ".ini"))
            .string();
    return path;
}

int ReadBytes(const std::string& bytes) {
    std::ofstream(Path(), std::ios::binary | std::ios::trunc) << bytes;
    return ReadOptions(Path());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reset();
    ReadBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (!profile_name.empty()) Check(IsSafeProfileName(profile_name));
    const Settings first = Current();
    Check(first.fullscreen_value == 0 || first.fullscreen_value == 1);
    const std::string text = OptionsFileText();
    Reset();
    Check(ReadBytes(text) == 1);
    Check(Current() == first);
    Check(OptionsFileText() == text);
    return 0;
}
