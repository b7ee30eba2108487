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
#include "music_tracks.h"
#include "ogg_writer.h"
#include "sound_effects.h"
#include "sound_names.h"

namespace {

constexpr float kEffectQuality = 0.4f;
constexpr float kMusicQuality = 0.3f;

// Brings a rendered tune to a common loudness (RMS), never letting its peak pass `max_peak`.
void MasterLevel(Samples& left, Samples& right, float target_rms, float max_peak) {
    double sum = 0.0;
    for (size_t i = 0; i < left.size(); ++i) sum += 0.5 * (left[i] * left[i] + right[i] * right[i]);
    double rms = left.empty() ? 0.0 : std::sqrt(sum / left.size());
    if (rms <= 0.0) return;
    float gain = static_cast<float>(target_rms / rms);
    float peak = std::max(PeakOf(left), PeakOf(right)) * gain;
    if (peak > max_peak) gain *= max_peak / peak;
    Scale(left, gain);
    Scale(right, gain);
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

    for (const SoundFileName& sound : kSoundFiles) {
        Samples samples = SynthesizeSoundEffect(sound.id);
        if (samples.empty()) {
            std::fprintf(stderr, "Error: no sound synthesised for id %d\n", sound.id);
            return false;
        }
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
        MasterLevel(*left, *right, 0.12f, 0.85f);
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
    return true;
}
