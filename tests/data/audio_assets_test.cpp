// Checks the generated sound effects and tunes in the build's Data/ folder: every file decodes, lasts
// as long as its use needs, is audible without clipping, one-shot sounds start and end in silence,
// and every looping file runs from its end into its start without a jump.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "../../tools/assetgen/audio/loudness.h"
#include "../../tools/assetgen/sound_names.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct DecodedAudio {
    int channels = 0;
    long rate = 0;
    std::vector<std::vector<float>> samples;  // one vector per channel

    size_t Frames() const { return samples.empty() ? 0 : samples[0].size(); }
    double Seconds() const { return rate > 0 ? static_cast<double>(Frames()) / rate : 0.0; }
};

std::string BuildData() { return std::string(MOSSMEADOW_BUILD_DIR) + "/Data"; }

// "Data/Sounds/X.ogg" -> "<build>/Data/Sounds/X.ogg"
std::string InBuild(const char* path) { return std::string(MOSSMEADOW_BUILD_DIR) + "/" + path; }

bool DataGenerated() { return std::filesystem::exists(BuildData() + "/Music/Intro.ogg"); }

bool Decode(const std::string& path, DecodedAudio& out) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    vorbis_info* info = ov_info(&file, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    out.samples.assign(out.channels, {});
    int section = 0;
    bool ok = true;
    while (true) {
        float** pcm = nullptr;
        long got = ov_read_float(&file, &pcm, 4096, &section);
        if (got == 0) break;
        if (got < 0) {
            ok = false;
            break;
        }
        for (int c = 0; c < out.channels; ++c) out.samples[c].insert(out.samples[c].end(), pcm[c], pcm[c] + got);
    }
    ov_clear(&file);
    return ok;
}

// Decodes `count` frames from `first` (a sample-exact seek), as the game does when a loop comes round.
bool DecodeRange(const std::string& path, int64_t first, size_t count, DecodedAudio& out, int64_t* total_frames) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0) return false;
    vorbis_info* info = ov_info(&file, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    out.samples.assign(out.channels, {});
    *total_frames = ov_pcm_total(&file, -1);
    if (first < 0) first += *total_frames;
    bool ok = ov_pcm_seek(&file, first) == 0;
    int section = 0;
    while (ok && out.Frames() < count) {
        float** pcm = nullptr;
        long got = ov_read_float(&file, &pcm, static_cast<int>(std::min<size_t>(4096, count - out.Frames())), &section);
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        for (int c = 0; c < out.channels; ++c) out.samples[c].insert(out.samples[c].end(), pcm[c], pcm[c] + got);
    }
    ov_clear(&file);
    return ok;
}

float Peak(const DecodedAudio& audio) {
    float peak = 0.0f;
    for (const auto& ch : audio.samples)
        for (float s : ch) peak = std::max(peak, std::fabs(s));
    return peak;
}

double Rms(const DecodedAudio& audio) {
    double sum = 0.0;
    size_t count = 0;
    for (const auto& ch : audio.samples) {
        for (float s : ch) sum += static_cast<double>(s) * s;
        count += ch.size();
    }
    return count > 0 ? std::sqrt(sum / count) : 0.0;
}

// Rough spectral centroid (Hz) from the ratio of the signal's slope energy to its energy: a pure tone
// of f Hz gives about f.
double CentroidHz(const std::vector<float>& x, long rate) {
    double energy = 0.0, slope = 0.0;
    for (size_t i = 1; i < x.size(); ++i) {
        energy += static_cast<double>(x[i]) * x[i];
        double d = static_cast<double>(x[i]) - x[i - 1];
        slope += d * d;
    }
    if (energy <= 0.0) return 0.0;
    return rate / (2.0 * kPi) * std::sqrt(slope / energy);
}

double StepAt(const std::vector<float>& x, size_t i) { return std::fabs(static_cast<double>(x[i + 1]) - x[i]); }

// How far the loop point (last sample of `tail` -> first sample of `head`) departs from the
// waveform's own motion there, as a multiple of the largest step seen in the `window` samples on
// either side of it. A seamless loop scores about 1 or less; a click scores far more.
double SeamScore(const std::vector<float>& tail, const std::vector<float>& head, size_t window, double* jump_out) {
    const size_t n = tail.size();
    double largest_step = 1e-4;  // floor: a near-silent seam only needs to be near-silent
    for (size_t i = n - window; i + 1 < n; ++i) largest_step = std::max(largest_step, StepAt(tail, i));
    for (size_t i = 0; i + 1 < window; ++i) largest_step = std::max(largest_step, StepAt(head, i));
    // The jump across the seam, and how far the first sample strays from the line the end was on.
    double jump = std::fabs(head[0] - tail[n - 1]);
    double bend = std::fabs(head[0] - (2.0 * tail[n - 1] - tail[n - 2]));
    if (jump_out != nullptr) *jump_out = jump;
    return std::max(jump, bend * 0.5) / largest_step;
}

struct SoundExpectation {
    int id;
    double min_seconds, max_seconds;
};

// How long each effect may last: voice ticks are single short syllables (several play per second),
// pointer sounds are brief, notices may ring for a moment, the charge hum loops.
const SoundExpectation kSoundLengths[] = {
    {100, 0.02, 0.2}, {101, 0.04, 0.15}, {102, 0.04, 0.15}, {103, 0.03, 0.3}, {104, 0.05, 0.4},
    {105, 0.05, 0.5}, {106, 0.3, 2.0},   {107, 0.3, 2.0},   {108, 0.5, 3.0},  {109, 0.5, 3.0},
    {110, 0.2, 1.0},  {111, 0.1, 1.0},   {112, 0.2, 1.5},   {113, 0.04, 0.15}, {114, 0.04, 0.15},
    {115, 0.4, 2.0},  {116, 0.2, 1.5},   {117, 0.1, 1.0},   {118, 0.5, 3.0},
};

}  // namespace

TEST(AudioNames, EverySoundIdOnceAndOnlyTheChargeLoops) {
    std::set<int> ids;
    std::set<std::string> paths;
    for (const SoundFileName& s : kSoundFiles) {
        EXPECT_TRUE(ids.insert(s.id).second) << "duplicate id " << s.id;
        EXPECT_TRUE(paths.insert(s.path).second) << "duplicate path " << s.path;
        EXPECT_EQ(std::string(s.path).rfind("Data/Sounds/", 0), 0u) << s.path;
        EXPECT_EQ(s.loop, s.id == 118) << "only the charge hum (118) may loop; id " << s.id;
        EXPECT_GT(s.volume, 0.0f);
        EXPECT_LE(s.volume, 1.0f);
    }
    EXPECT_EQ(ids.size(), 19u);
    EXPECT_EQ(*ids.begin(), 100);
    EXPECT_EQ(*ids.rbegin(), 118);
}

TEST(AudioNames, MusicFilesTheScenesOpenAreListed) {
    std::set<std::string> music;
    for (const MusicFileName& m : kMusicFiles) {
        EXPECT_TRUE(music.insert(m.path).second) << "duplicate " << m.path;
        EXPECT_EQ(m.loop, std::string(m.path) != "Data/Music/Intro.ogg") << m.path;
    }
    for (const char* name : {"AwardsCeremony", "Intro", "Village", "Forest", "Ranch", "Lake", "Mountain", "Hall",
                             "Battle", "Festival"}) {
        EXPECT_EQ(music.count(std::string("Data/Music/") + name + ".ogg"), 1u) << name;
    }
}

TEST(AudioAssets, SoundEffectsDecodeWithFittingLengthAndLevel) {
    if (!DataGenerated()) GTEST_SKIP() << "Data/ has not been generated in " << MOSSMEADOW_BUILD_DIR;
    for (const SoundFileName& sound : kSoundFiles) {
        SCOPED_TRACE(sound.path);
        DecodedAudio audio;
        ASSERT_TRUE(Decode(InBuild(sound.path), audio));
        EXPECT_EQ(audio.rate, 44100);
        EXPECT_TRUE(audio.channels == 1 || audio.channels == 2);
        auto expected = std::find_if(std::begin(kSoundLengths), std::end(kSoundLengths),
                                     [&](const SoundExpectation& e) { return e.id == sound.id; });
        ASSERT_NE(expected, std::end(kSoundLengths));
        EXPECT_GE(audio.Seconds(), expected->min_seconds);
        EXPECT_LE(audio.Seconds(), expected->max_seconds);
        float peak = Peak(audio);
        EXPECT_GT(peak, 0.1f) << "too quiet";
        EXPECT_LT(peak, 0.95f) << "clips";
        EXPECT_GT(Rms(audio), 0.01);
        if (!sound.loop) {
            // One-shot sounds must neither start nor stop with a click.
            for (const auto& ch : audio.samples) {
                EXPECT_LT(std::fabs(ch.front()), 0.02f) << "starts abruptly";
                EXPECT_LT(std::fabs(ch.back()), 0.02f) << "ends abruptly";
            }
        }
    }
}

TEST(AudioAssets, VoiceTicksAreShortAndMellow) {
    if (!DataGenerated()) GTEST_SKIP() << "Data/ has not been generated in " << MOSSMEADOW_BUILD_DIR;
    // The game plays voice ticks up to 1.3 times faster; their energy must sit low enough (a vowel,
    // not a hiss or a beep) that they stay mellow there.
    for (int id : {101, 102, 113, 114}) {
        const SoundFileName* sound = nullptr;
        for (const SoundFileName& s : kSoundFiles)
            if (s.id == id) sound = &s;
        ASSERT_NE(sound, nullptr);
        SCOPED_TRACE(sound->path);
        DecodedAudio audio;
        ASSERT_TRUE(Decode(InBuild(sound->path), audio));
        double centroid = CentroidHz(audio.samples[0], audio.rate);
        EXPECT_GT(centroid, 150.0);
        EXPECT_LT(centroid * 1.3, 2600.0);
    }
}

TEST(AudioAssets, MusicDecodesWithFittingLengthAndLevel) {
    if (!DataGenerated()) GTEST_SKIP() << "Data/ has not been generated in " << MOSSMEADOW_BUILD_DIR;
    double total_bytes = 0.0;
    for (const MusicFileName& music : kMusicFiles) {
        SCOPED_TRACE(music.path);
        DecodedAudio audio;
        ASSERT_TRUE(Decode(InBuild(music.path), audio));
        total_bytes += static_cast<double>(std::filesystem::file_size(InBuild(music.path)));
        EXPECT_EQ(audio.rate, 44100);
        EXPECT_TRUE(audio.channels == 1 || audio.channels == 2);
        if (music.loop) {
            EXPECT_GE(audio.Seconds(), 45.0);
            EXPECT_LE(audio.Seconds(), 90.0);
        } else {
            EXPECT_GE(audio.Seconds(), 30.0);
            EXPECT_LE(audio.Seconds(), 45.0);
        }
        EXPECT_GT(Rms(audio), 0.03) << "too quiet";
        float peak = Peak(audio);
        EXPECT_LT(peak, 0.95f) << "clips";
        size_t near_full = 0;
        for (const auto& ch : audio.samples) {
            near_full += std::count_if(ch.begin(), ch.end(), [](float s) { return std::fabs(s) > 0.9f; });
        }
        EXPECT_EQ(near_full, 0u);
        if (!music.loop) {
            // The chapter tune plays once: it ends in silence.
            for (const auto& ch : audio.samples) EXPECT_LT(std::fabs(ch.back()), 0.01f);
        }
    }
    EXPECT_LT(total_bytes, 20.0 * 1024 * 1024);
}

// Music and sounds are level with each other: every tune at one loudness and every effect at another
// (EBU R128, as a player hears the files), each family within 1.5 LU.
TEST(AudioAssets, TunesAndEffectsEachShareOneLoudness) {
    if (!DataGenerated()) GTEST_SKIP() << "Data/ has not been generated in " << MOSSMEADOW_BUILD_DIR;
    auto measure = [](const char* path) {
        DecodedAudio audio;
        EXPECT_TRUE(Decode(InBuild(path), audio)) << path;
        if (audio.samples.empty()) return -HUGE_VAL;
        return IntegratedLoudness(audio.samples[0], audio.channels == 2 ? audio.samples[1] : std::vector<float>());
    };
    struct Family {
        const char* name;
        double target;
        std::vector<const char*> paths;
    };
    Family tunes{"tunes", kMusicLoudness, {}}, effects{"effects", kEffectLoudness, {}};
    for (const MusicFileName& m : kMusicFiles) tunes.paths.push_back(m.path);
    for (const SoundFileName& s : kSoundFiles) effects.paths.push_back(s.path);
    for (const Family& family : {tunes, effects}) {
        SCOPED_TRACE(family.name);
        double low = HUGE_VAL, high = -HUGE_VAL;
        for (const char* path : family.paths) {
            const double lufs = measure(path);
            EXPECT_NEAR(lufs, family.target, 1.0) << path;
            low = std::min(low, lufs);
            high = std::max(high, lufs);
        }
        EXPECT_LE(high - low, 1.5) << "from " << low << " to " << high << " LUFS";
    }
}

TEST(AudioAssets, LoopingFilesJoinTheirStartWithoutAJump) {
    if (!DataGenerated()) GTEST_SKIP() << "Data/ has not been generated in " << MOSSMEADOW_BUILD_DIR;
    std::vector<std::string> looping;
    for (const MusicFileName& m : kMusicFiles)
        if (m.loop) looping.push_back(m.path);
    for (const SoundFileName& s : kSoundFiles)
        if (s.loop) looping.push_back(s.path);
    ASSERT_EQ(looping.size(), 10u);
    const size_t kEdge = 4410;  // a tenth of a second on either side of the loop point
    for (const std::string& path : looping) {
        SCOPED_TRACE(path);
        DecodedAudio head, tail;
        int64_t total = 0;
        ASSERT_TRUE(DecodeRange(InBuild(path.c_str()), 0, kEdge, head, &total));
        ASSERT_TRUE(DecodeRange(InBuild(path.c_str()), -static_cast<int64_t>(kEdge), kEdge, tail, &total));
        ASSERT_EQ(head.Frames(), kEdge);
        ASSERT_EQ(tail.Frames(), kEdge);
        for (int c = 0; c < head.channels; ++c) {
            const auto& start = head.samples[c];
            const auto& end = tail.samples[c];
            double jump = 0.0;
            double score = SeamScore(end, start, 64, &jump);
            EXPECT_LT(score, 1.5) << "jump " << jump;
            // A note may begin right at the loop point (its attack is as sharp there as anywhere), but
            // never with a leap like a cut waveform's.
            EXPECT_LT(jump, 0.2);
            // The loop must not fade to silence at its end and back in at its start either: that
            // would be heard as a gap every time it comes round.
            double edge = 0.0;
            for (size_t i = 0; i < kEdge; ++i) edge += std::fabs(start[i]) + std::fabs(end[i]);
            EXPECT_GT(edge / (2.0 * kEdge), 0.002) << "the loop point is a silent gap";
        }
    }
}

TEST(AudioAssets, SeamScoreTellsAClickFromASmoothJoin) {
    // Guards the check above: a sine cut at a whole number of cycles joins smoothly; the same sine cut
    // mid-cycle jumps at the seam.
    std::vector<float> whole(44100), cut(44050);
    for (size_t i = 0; i < whole.size(); ++i) whole[i] = 0.5f * std::sin(2.0 * kPi * 441.0 * i / 44100.0);
    for (size_t i = 0; i < cut.size(); ++i) cut[i] = 0.5f * std::sin(2.0 * kPi * 441.0 * i / 44100.0 + 0.3);
    EXPECT_LT(SeamScore(whole, whole, 64, nullptr), 1.5);
    double jump = 0.0;
    EXPECT_GT(SeamScore(cut, cut, 64, &jump), 1.5);
    EXPECT_GT(jump, 0.05);
}
