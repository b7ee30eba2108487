// Media costs: picture decoding per megapixel, 1000 sprites a frame drawn by the compositor and by
// SDL's software renderer, and the mixer with 16 channels. Run headless: SDL_VIDEODRIVER=dummy
// SDL_AUDIODRIVER=dummy.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "audio.h"
#include "graphics.h"
#include "image_decode.h"
#include "image_list.h"
#include "media_fixtures.h"

namespace {

// A 1024 x 1024 picture like our painted ones: smooth gradients with soft shapes and some grain.
Pixmap PaintedPixmap() {
    Pixmap p(1024, 1024);
    uint32_t seed = 12345;
    for (int y = 0; y < 1024; ++y) {
        for (int x = 0; x < 1024; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 29);
            const int dx = x % 256 - 128, dy = y % 256 - 128;
            const bool blob = dx * dx + dy * dy < 90 * 90;
            const uint32_t r = static_cast<uint32_t>((blob ? 200 : x / 5) + grain);
            const uint32_t g = static_cast<uint32_t>((blob ? 120 : y / 5) + grain);
            const uint32_t b = static_cast<uint32_t>(90 + grain);
            p.WritePixel(x, y, 0xFF000000u | (r << 16) | (g << 8) | b);
        }
    }
    return p;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void DecodeBench(benchmark::State& state, bool jpeg) {
    TempFolder dir;
    const Pixmap source = PaintedPixmap();
    const std::string path = dir.File(jpeg ? "p.jpg" : "p.png");
    if (!(jpeg ? WriteJpegFile(path, source, 90) : WritePngFile(path, source))) {
        state.SkipWithError("could not write the picture");
        return;
    }
    const std::string bytes = FileBytes(path);
    Pixmap out;
    for (auto _ : state) {
        if (!DecodeImage(bytes, &out)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(out.rgba.data());
    }
    const double megapixels = 1024.0 * 1024.0 / 1e6;
    state.counters["MP"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file_KiB"] = static_cast<double>(bytes.size()) / 1024.0;
}

void BM_DecodePNG(benchmark::State& state) { DecodeBench(state, false); }
void BM_DecodeJPEG(benchmark::State& state) { DecodeBench(state, true); }
BENCHMARK(BM_DecodePNG)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeJPEG)->Unit(benchmark::kMillisecond);

// A round 64 x 64 sprite with a soft edge, drawn with alpha blending.
Pixmap SpritePixmap() {
    Pixmap p(64, 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const int d2 = (x - 32) * (x - 32) + (y - 32) * (y - 32);
            if (d2 < 30 * 30) p.WritePixel(x, y, (d2 > 26 * 26 ? 0x80000000u : 0xFF000000u) | 0x60A040u);
        }
    return p;
}

// 1000 sprites per frame, each as DrawImage would be called, then the frame is shown; drawn by the
// compositor (renderer:0) or by SDL's software renderer (renderer:1).
void BM_Draw1000Sprites(benchmark::State& state) {
    VideoOptions options;
    options.headless = true;
    setenv("MOSSMEADOW_DRAWING", state.range(1) ? "renderer" : "compositor", 1);
    const bool opened = OpenGraphics(options);
    unsetenv("MOSSMEADOW_DRAWING");
    if (!opened) {
        state.SkipWithError("no headless display");
        return;
    }
    const bool through_registry = state.range(0) != 0;
    TempFolder dir;
    Image sprite = ImageFromPixmap(SpritePixmap());
    // The registry path draws frame 1 of a two-frame sheet.
    Pixmap sheet(128, 64);
    const Pixmap one = SpritePixmap();
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) sheet.WritePixel(64 + x, y, one.ReadPixel(x, y));
    WritePngFile(dir.File("sheet.png"), sheet);
    ImageList::Clear();
    ImageList::AddAnimImage(dir.File("sheet.png"), 500, 64, 64, 2);
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    for (auto _ : state) {
        Cls();
        uint32_t seed = 7;
        for (int i = 0; i < 1000; ++i) {
            seed = seed * 1664525u + 1013904223u;
            const float x = static_cast<float>((seed >> 8) % 1024);
            const float y = static_cast<float>((seed >> 20) % 768);
            if (through_registry)
                ImageList::DrawSimple(501, x, y);
            else
                DrawImage(sprite, x, y);
        }
        Flip();
    }
    state.counters["sprites"] = benchmark::Counter(1000, benchmark::Counter::kIsIterationInvariantRate);
    ImageList::Clear();
    sprite.reset();
    CloseGraphics();
}
BENCHMARK(BM_Draw1000Sprites)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"registry", "renderer"})
    ->Unit(benchmark::kMillisecond);

// 16 channels: looping effects at assorted rates, volumes and pans, mono and stereo.
void BM_Mix16Channels(benchmark::State& state) {
    CloseAudio();
    StopAllChannels();
    SetMixerRate(44100);
    std::vector<Channel> channels;
    for (int i = 0; i < 16; ++i) {
        const int ch = i % 2 + 1;
        Sound s = SoundFromSamples(SineWave(44100, ch, 44100, 200.0f + 30 * i, 0.05f), ch, i % 3 ? 44100 : 22050, true);
        Channel c = CueSound(s);
        SetChannelVolume(c, 0.5f + 0.03f * i);
        SetChannelPan(c, -1.0f + i / 8.0f);
        SetChannelRate(c, i % 4 ? 1.0f : 0.9f + 0.02f * i);
        ResumeChannel(c);
        channels.push_back(c);
    }
    std::vector<int16_t> out(1024 * 2);
    for (auto _ : state) {
        MixAudio(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    // One call is 1024 frames, 23.2 ms of sound at 44.1 kHz.
    state.counters["x_realtime"] =
        benchmark::Counter(1024.0 / 44100.0, benchmark::Counter::kIsIterationInvariantRate);
    StopAllChannels();
}
BENCHMARK(BM_Mix16Channels)->Unit(benchmark::kMicrosecond);

// Music decoded from Ogg Vorbis inside the mix, as the audio callback does it.
void BM_MixOggStream(benchmark::State& state) {
    CloseAudio();
    StopAllChannels();
    SetMixerRate(44100);
    TempFolder dir;
    WriteOggFile(dir.File("m.ogg"), SineWave(44100 * 4, 2, 44100, 330, 0.3f), 2, 44100);
    Channel music = TAudioStream::Create(dir.File("m.ogg"), 1, 0);
    if (!music) {
        state.SkipWithError("no stream");
        return;
    }
    std::vector<int16_t> out(1024 * 2);
    for (auto _ : state) {
        MixAudio(out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["x_realtime"] =
        benchmark::Counter(1024.0 / 44100.0, benchmark::Counter::kIsIterationInvariantRate);
    StopAllChannels();
}
BENCHMARK(BM_MixOggStream)->Unit(benchmark::kMicrosecond);

}  // namespace
