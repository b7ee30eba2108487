// One frame of a scrolling location as the player sees it: the square (1536 pixels wide, drifting
// clouds) with all five corner buttons, its hotspots, 200 particles and the view scrolling from edge
// to edge, on the software renderer. Needs the built game data.
// Run: SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/mossmeadow_bench --benchmark_filter=Location
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "adventure_gui.h"
#include "animal.h"
#include "app.h"
#include "audio_list.h"
#include "graphics.h"
#include "loader.h"
#include "location_event.h"
#include "particles.h"
#include "pause_overlay.h"
#include "profile.h"
#include "settings.h"
#include "shell.h"
#include "splash.h"
#include "system.h"
#include "update_list.h"

namespace {

constexpr size_t kParticles = 200;
constexpr int kFrames = 1000;

// Keeps the scene's particle list at 200 with sparkles like the hotspots' own.
void TopUpParticles() {
    while (ParticleList::SceneParticles().size() < kParticles) {
        auto p = std::make_shared<DotParticle>();
        p->x = static_cast<float>(Rand(0, 1535));
        p->y = static_cast<float>(Rand(0, 767));
        SetUpRisingSparkle(*p, 1, 3, 0.002f, 0.006f);
        ParticleList::AddParticle(p, 1);
    }
}

// A player with six animals (so the ranch button shows) who has seen the first chapter, in the square.
void BuildPlayer() {
    Profile::CleanProfile();
    character_name = profile_name = "Bench";
    character_image = 1000;
    profile_active = 1;
    for (int i = 0; i < 6; i++) {
        auto a = std::make_shared<Animal>();
        a->Randomize();
        a->position = i;
        a->Calculate();
        animals.push_back(a);
    }
    Profile::SetFlag("A Letter from Grandma", 1);
    Profile::SetFlag("Money", 640);
    location = 2;
}

// Runs loading frames as the frame loop does (the loading screen fades in before the first file).
void FinishLoading() {
    for (int frame = 0; !Loader::Done() && frame < 100000; ++frame) {
        screen_fade.Update(1);
        fade_level = static_cast<int>(screen_fade.Get() * 255);
        Cls();
        Loader::Update(1);
        Flip();
    }
}

void BM_LocationFrame(benchmark::State& state) {
    const std::string data = MOSSMEADOW_BUILD_DIR;
    if (!std::filesystem::exists(data + "/Data/common.xml")) {
        state.SkipWithError("game data not built");
        return;
    }
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS);
    screen_fade = Interpolation::Create(1);
    pause_fade = Interpolation::Create(0);
    SeedRnd(7);
    app_dir = data;
    user_dir = (std::filesystem::temp_directory_path() / ("mossmeadow_bench_play_" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(user_dir + "/Profiles");
    ReadConfig(app_dir + "/Data/options.xml");
    fullscreen = 0;
    SelectAudioDriver(0);
    InitGraphics();
    Splash::StartLoading();
    FinishLoading();
    BuildPlayer();
    LocationEvent::Create();
    FinishLoading();
    current_event->Initialize();
    FinishLoading();

    std::vector<double> frame_ms;
    frame_ms.reserve(kFrames);
    int frame = 0;
    mouse_y = 400;
    for (auto _ : state) {
        // Edge scrolling: the pointer rests at one edge, then the other, so the view keeps moving.
        mouse_x = (frame / 150) % 2 == 0 ? 4 : 1020;
        TopUpParticles();
        const auto start = std::chrono::steady_clock::now();
        screen_fade.Update(1);
        fade_level = static_cast<int>(screen_fade.Get() * 255);
        Cls();
        UpdateList::Update(1);
        current_event->Update(1);
        current_event->Draw();
        Flip();
        frame_ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ++frame;
    }
    std::sort(frame_ms.begin(), frame_ms.end());
    state.counters["median_ms"] = frame_ms[frame_ms.size() / 2];
    state.counters["p95_ms"] = frame_ms[frame_ms.size() * 95 / 100];
    state.counters["corner_buttons"] = static_cast<double>(gui_controls.size());

    current_event->Free();
    current_event.reset();
    ParticleList::Clear();
    UpdateList::Clear();
    Profile::CleanProfile();
    std::filesystem::remove_all(user_dir);
    CloseAudio();
    CloseGraphics();
}
// The median of 1000 frames is the figure we quote.
BENCHMARK(BM_LocationFrame)->Iterations(kFrames)->Unit(benchmark::kMillisecond);

}  // namespace
