// Synthesises every sound effect and tune of the game into Data/Sounds and Data/Music.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <future>
#include <memory>
#include <string>

#include "assetgen.h"
#include "loudness.h"
#include "music_tracks.h"
#include "ogg_writer.h"
#include "sound_effects.h"
#include "sound_names.h"

namespace {

constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.3f;

// Loudness before and after levelling, for the summary line.
struct LoudnessRange {
    double low = HUGE_VAL, high = -HUGE_VAL;
    void Add(double lufs) {
        low = std::min(low, lufs);
        high = std::max(high, lufs);
    }
};

// Brings a sound or tune to its loudness target; says so when its peak does not leave room for it.
void Level(const std::string& path, Samples& left, Samples& right, double target, float max_peak,
           LoudnessRange* before) {
    double measured = 0.0;
    if (!LevelLoudness(left, right, target, max_peak, &measured)) {
        std::fprintf(stderr, "assetgen: %s (%.1f LUFS) cannot reach %.1f LUFS below a peak of %.2f\n", path.c_str(),
                     measured, target, max_peak);
    }
    before->Add(measured);
}

// Processor time of the calling thread (the picture half may be running on another thread at the
// same time, so the process's total would not say what the audio half costs).
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

struct EncodeResult {
    bool ok;
    double seconds;  // processor time the encoding took
};

int SerialFor(const std::string& path) {
    // A fixed serial per file (FNV-1a of its path) keeps every output byte-for-byte reproducible.
    uint32_t h = 2166136261u;
    for (char c : path) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return static_cast<int>(h & 0x7fffffff);
}

}  // namespace

bool GenerateAudio(const std::string& data_dir) {
    namespace fs = std::filesystem;
    auto started = std::chrono::steady_clock::now();
    const double thread_started = ThreadSeconds();
    double encode_seconds = 0.0;
    std::error_code ec;
    fs::create_directories(fs::path(data_dir) / "Sounds", ec);
    fs::create_directories(fs::path(data_dir) / "Music", ec);
    if (ec) {
        std::fprintf(stderr, "Error: cannot create the audio folders in '%s'\n", data_dir.c_str());
        return false;
    }
    // Paths in the name tables start with "Data/"; the files go into data_dir.
    auto target = [&data_dir](const std::string& path) { return data_dir + "/" + path.substr(path.find('/') + 1); };

    LoudnessRange effects_before, tunes_before;
    for (const SoundFileName& sound : kSoundFiles) {
        Samples samples = SynthesizeSoundEffect(sound.id);
        if (samples.empty()) {
            std::fprintf(stderr, "Error: no sound synthesised for id %d\n", sound.id);
            return false;
        }
        Samples no_right;
        Level(sound.path, samples, no_right, kEffectLoudness, 0.9f, &effects_before);
        if (!WriteOggVorbis(target(sound.path), samples, {}, kEffectQuality, SerialFor(sound.path))) return false;
    }
    // Tunes are rendered here while the previous one is encoded on a second thread: the two halves
    // take about as long as each other, and each file is written from its own samples only, so the
    // output does not depend on the timing.
    std::vector<MusicTrack> tracks = ComposeMusic();
    std::future<EncodeResult> encoding;
    auto finish_encoding = [&encoding, &encode_seconds]() {
        if (!encoding.valid()) return true;
        EncodeResult result = encoding.get();
        encode_seconds += result.seconds;
        return result.ok;
    };
    for (const MusicFileName& music : kMusicFiles) {
        auto found = std::find_if(tracks.begin(), tracks.end(),
                                  [&music](const MusicTrack& t) { return t.path == music.path; });
        if (found == tracks.end()) {
            std::fprintf(stderr, "Error: no tune composed for '%s'\n", music.path);
            finish_encoding();
            return false;
        }
        if (found->song.NotationErrors() > 0) {
            std::fprintf(stderr, "Error: %d notation errors in the tune '%s'\n", found->song.NotationErrors(),
                         music.path);
            finish_encoding();
            return false;
        }
        auto left = std::make_shared<Samples>();
        auto right = std::make_shared<Samples>();
        found->song.Render(*left, *right);
        Level(music.path, *left, *right, kMusicLoudness, 0.85f, &tunes_before);
        if (!finish_encoding()) return false;
        std::string path = target(music.path);
        int serial = SerialFor(music.path);
        encoding = std::async(std::launch::async, [left, right, path, serial] {
            const double started_encoding = ThreadSeconds();
            bool ok = WriteOggVorbis(path, *left, *right, kMusicQuality, serial);
            return EncodeResult{ok, ThreadSeconds() - started_encoding};
        });
    }
    if (!finish_encoding()) return false;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    double cpu_seconds = ThreadSeconds() - thread_started + encode_seconds;
    std::printf("Audio: %zu sounds and %zu tunes in %.1f s (%.1f s of processor time)\n", std::size(kSoundFiles),
                std::size(kMusicFiles), seconds, cpu_seconds);
    std::printf("Loudness: effects %.1f LUFS (synthesised at %.1f..%.1f), tunes %.1f LUFS (%.1f..%.1f)\n",
                kEffectLoudness, effects_before.low, effects_before.high, kMusicLoudness, tunes_before.low,
                tunes_before.high);
    return true;
}
