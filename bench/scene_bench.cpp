// The frame cost of each heavy scene, reached as a player reaches it: a saved player is put in place,
// an input script plays up to the scene through the same steps as the shell's frame loop, and then
// 1000 settled frames are timed while the scene stays busy (the view scrolling, particles topped up,
// breeding hearts kept going, apples thrown). Each scene runs in a child process of its own, since
// the game keeps its state in globals. Reported per scene: median and 95th percentile of the frame's
// wall-clock time and of the main thread's CPU time (on a shared machine the CPU time is the steadier
// figure), and the child's peak resident memory.
// Run (needs the built game data):
//   SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build/mossmeadow_bench --benchmark_filter=Scene
// MOSSMEADOW_BENCH_SHOTS=DIR writes the last timed frame of each scene to DIR/<scene>.png.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "animal.h"
#include "app.h"
#include "audio_list.h"
#include "audio.h"
#include "graphics.h"
#include "frame_loop.h"
#include "input.h"
#include "input_script.h"
#include "loader.h"
#include "options_file.h"
#include "particles.h"
#include "pause_overlay.h"
#include "profile.h"
#include "shell.h"
#include "splash.h"
#include "system.h"
#include "update_list.h"

namespace {

constexpr int kTimedFrames = 1000;

struct Scene {
    std::string location;   // the saved player's location; empty for a new player
    std::string save_body;  // the save's flag, item and animal lines
    std::string reach;      // input that plays up to the scene
    std::string busy;       // input repeated while the frames are timed
    std::function<void()> each_frame;  // keeps the scene busy from inside (may be empty)
};

struct Figures {
    double wall_median = 0, wall_p95 = 0, cpu_median = 0, cpu_p95 = 0, peak_mb = 0;
    int frames = 0;
};

std::string Flag(const std::string& name, int value) {
    return "  <flag name=\"" + name + "\" value=\"" + std::to_string(value) + "\"/>\r\n";
}

std::string AnimalLine(const std::string& name, int male, int pen, const char* shares) {
    return "  <animal name=\"" + name + "\" male=\"" + std::to_string(male) + "\" position=\"" + std::to_string(pen) +
           "\" " + shares +
           " age=\"9000\" food=\"0.6\" mood=\"0.8\" health=\"0.8\" r=\"220\" g=\"180\" b=\"150\" direction=\"1\" "
           "pricemod=\"1\"/>\r\n";
}

std::string ClickAt(int x, int y) {
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return "move " + at + "\nwait 5\nclick " + at + "\n";
}

std::string Speech(int boxes) {
    std::string s;
    for (int i = 0; i < boxes * 2; ++i) s += "click 512 200\nwait 60\n";
    return s;
}

const std::string kSplash = "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 1000\n";
const std::string kPlay = ClickAt(512, 352);

void SeedPlayer(const std::string& dir, const Scene& scene) {
    std::filesystem::create_directories(dir + "/Profiles");
    if (scene.location.empty()) return;
    std::ofstream(dir + "/Profiles/Ann.sav", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"9000\" percent=\"0\" location=\"" << scene.location
        << "\" image=\"1005\" pitch=\"1.25000000\" name=\"Ann\">\r\n"
        << Flag("A Letter from Grandma", 1) << scene.save_body << "</profile>\r\n";
    std::ofstream(dir + "/Mossmeadow.ini", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Ann\"/>\r\n</options>\r\n";
}

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool NoScreenshot(const std::string&) { return true; }

// One pass of the shell's frame loop with a fixed step of 1, input from `script`.
void Frame(InputScript* script) {
    PollInput();
    if (AppTerminate()) running = 0;
    script->Advance(NoScreenshot);
    UpdateMouseButton(MouseDown(1));
    mouse_x = std::clamp(script->MouseX(), 0, 1023);
    mouse_y = std::clamp(script->MouseY(), 0, 767);
    screen_fade.Update(1);
    fade_level = static_cast<int>(screen_fade.Get() * 255);
    Cls();
    if (Loader::Done()) {
        if (app_active && current_event) {
            if (current_event->initialized == 0) current_event->Initialize();
            AudioList::UpdateMusic(1);
            UpdateList::Update(1);
            if (current_event) current_event->Update(1);
            if (current_event) current_event->Draw();
        }
        Pause::Update(1);
        Pause::Draw();
    } else {
        Loader::Update(1);
    }
    Flip();
}

double Percentile(std::vector<double> v, int percent) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * static_cast<size_t>(percent) / 100)];
}

// The child's work: start the game as the shell does, reach the scene, time the frames.
Figures PlayScene(const std::string& name, const Scene& scene) {
    const std::string dir =
        (std::filesystem::temp_directory_path() / ("mossmeadow_bench_" + name + "_" + std::to_string(getpid())))
            .string();
    std::filesystem::remove_all(dir);
    SeedPlayer(dir, scene);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS);
    screen_fade = Interpolation::Create(0);
    pause_fade = Interpolation::Create(0);
    SeedRnd(1);
    app_dir = MOSSMEADOW_BUILD_DIR;
    user_dir = dir;
    options_path = dir + "/" + product_name + ".ini";
    ReadConfig(app_dir + "/Data/options.xml");
    ReadOptions(options_path);
    fullscreen = 0;
    SelectAudioDriver(audio_driver);
    InitGraphics();
    SwitchEvent(CreateOpeningScene());

    InputScript reach, busy;
    std::string error;
    std::string busy_text;
    while (!scene.busy.empty() && busy_text.size() < 64 * 1024) busy_text += scene.busy;
    if (!reach.Parse(scene.reach, &error) || !busy.Parse(busy_text + "wait 100000\n", &error)) {
        std::fprintf(stderr, "bad script for %s: %s\n", name.c_str(), error.c_str());
        std::exit(2);
    }
    while (running && !reach.Finished()) Frame(&reach);

    std::vector<double> wall, cpu;
    for (int i = 0; i < kTimedFrames && running; ++i) {
        if (scene.each_frame) scene.each_frame();
        const auto start = std::chrono::steady_clock::now();
        const double cpu_start = ThreadCpuMs();
        Frame(&busy);
        cpu.push_back(ThreadCpuMs() - cpu_start);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (const char* shots = std::getenv("MOSSMEADOW_BENCH_SHOTS")) SavePNG(GrabScreen(), std::string(shots) + "/" + name + ".png");

    Figures f;
    f.frames = static_cast<int>(wall.size());
    if (!wall.empty()) {
        f.wall_median = Percentile(wall, 50);
        f.wall_p95 = Percentile(wall, 95);
        f.cpu_median = Percentile(cpu, 50);
        f.cpu_p95 = Percentile(cpu, 95);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    f.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (current_event) current_event->Free();
    current_event.reset();
    CloseAudio();
    CloseGraphics();
    std::filesystem::remove_all(dir);
    return f;
}

void BM_Scene(benchmark::State& state, const std::string& name, const Scene& scene) {
    if (!std::filesystem::exists(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/common.xml")) {
        state.SkipWithError("game data not built");
        return;
    }
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            const Figures f = PlayScene(name, scene);
            const ssize_t written = write(fds[1], &f, sizeof f);
            _exit(written == static_cast<ssize_t>(sizeof f) ? 0 : 1);
        }
        close(fds[1]);
        Figures f;
        const ssize_t got = read(fds[0], &f, sizeof f);
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (got != static_cast<ssize_t>(sizeof f) || f.frames < kTimedFrames) {
            state.SkipWithError("the scene did not play to the end");
            return;
        }
        state.counters["wall_median_ms"] = f.wall_median;
        state.counters["wall_p95_ms"] = f.wall_p95;
        state.counters["cpu_median_ms"] = f.cpu_median;
        state.counters["cpu_p95_ms"] = f.cpu_p95;
        state.counters["peak_MB"] = f.peak_mb;
    }
}

// --- The scenes ---

// A new player at the title, the character dialog open over it.
Scene TitleScene() {
    Scene s;
    s.reach = "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 1100\n";
    return s;
}

// Grandma's cottage, the letter read.
Scene CottageScene() {
    Scene s;
    s.location = "1";
    s.save_body = Flag("Misc-LetterRead", 1) + Flag("Tips-Cottage", 1);
    s.reach = kSplash + kPlay + "wait 300\n";
    s.busy = "move 600 500\nwait 200\nmove 300 300\nwait 200\n";
    return s;
}

// Keeps the scene's particle list at 200 sparkles like the hotspots' own.
void TopUpParticles() {
    while (ParticleList::SceneParticles().size() < 200) {
        auto p = std::make_shared<DotParticle>();
        p->x = static_cast<float>(Rand(0, 1535));
        p->y = static_cast<float>(Rand(0, 767));
        SetUpRisingSparkle(*p, 1, 3, 0.002f, 0.006f);
        ParticleList::AddParticle(p, 1);
    }
}

// The square (1536 pixels wide, drifting clouds), the view scrolling from edge to edge, 200 particles.
Scene SquareScene() {
    Scene s;
    s.location = "2";
    s.save_body = Flag("Misc-LetterRead", 1) + Flag("Tips-Cottage", 1) + Flag("Money", 640);
    s.reach = kSplash + kPlay + "wait 300\n";
    s.busy = "move 4 400\nwait 150\nmove 1020 400\nwait 150\n";
    s.each_frame = TopUpParticles;
    return s;
}

// Keeps three of the ranch's animals mating: their big hearts swell and fade, hearts and sparks fly.
void KeepBreeding() {
    for (size_t i = 0; i < animals.size() && i < 9; i += 3) {
        if (animals[i] && !(animals[i]->breeding_counter > 0)) animals[i]->breeding_counter = 500 - 150 * (i / 3);
    }
}

// The ranch at its last repair level with nine spiggles, three of them mating, and the award window
// (a thousand coins and three breeds) open over it.
Scene RanchScene() {
    Scene s;
    s.location = "3";
    s.save_body = Flag("Farm-Upgrade", 3) + Flag("Quest-Repair", 2) + Flag("The Ranch Reborn", 1) +
                  Flag("Tips-Ranch", 1) + Flag("Money", 1234) + "  <item name=\"Apple\" number=\"3\"/>\r\n";
    const char* shares[] = {"bovine=\"0.8\" bunny=\"0\" cat=\"0\" wild=\"0\"",   "bovine=\"0\" bunny=\"0.8\" cat=\"0\" wild=\"0\"",
                            "bovine=\"0\" bunny=\"0\" cat=\"0.8\" wild=\"0\"",   "bovine=\"0\" bunny=\"0.6\" cat=\"0\" wild=\"0.6\"",
                            "bovine=\"0.6\" bunny=\"0.6\" cat=\"0\" wild=\"0\"", "bovine=\"0.3\" bunny=\"0\" cat=\"0.3\" wild=\"0\"",
                            "bovine=\"0\" bunny=\"0\" cat=\"0\" wild=\"0.8\"",   "bovine=\"0.5\" bunny=\"0.2\" cat=\"0.2\" wild=\"0.2\"",
                            "bovine=\"0.1\" bunny=\"0.1\" cat=\"0.7\" wild=\"0.1\""};
    for (int i = 0; i < 9; ++i) s.save_body += AnimalLine(std::string(1, static_cast<char>('A' + i)), i % 2, i, shares[i]);
    s.reach = kSplash + kPlay + "wait 300\n";
    s.busy = "move 600 300\nwait 200\nmove 400 600\nwait 200\n";
    s.each_frame = KeepBreeding;
    return s;
}

// The fight in the ravine: the Bunny Beast against Adamant, timed from the first blows.
Scene BattleScene() {
    Scene s;
    s.location = "10";
    s.save_body = Flag("The Ranch Reborn", 1) + Flag("Under the Mountain", 1) + Flag("The Beast of the Ravine", 1) +
                  Flag("Quest-Repair", 2) + Flag("Quest-DwarfLord", 5) + Flag("Quest-Adamant", 3) +
                  Flag("Misc-Animal2008", 1) +
                  AnimalLine("Bramble", 1, 0, "bovine=\"0\" bunny=\"0.6\" cat=\"0\" wild=\"0.6\"");
    s.reach = kSplash + kPlay + "wait 300\n" + ClickAt(320, 640) + "wait 150\n" + Speech(1) + "wait 60\n" +
              ClickAt(510, 623) + "wait 60\n" + Speech(1) + "wait 700\n";
    return s;
}

// The apple tree in the orchard: the run-up gathered and the tree shaken again and again.
Scene AppleScene() {
    Scene s;
    s.location = "8";
    s.save_body = Flag("Misc-LetterRead", 1) + Flag("Misc-AppleVisits", 1);
    s.reach = kSplash + kPlay + "wait 300\n" + ClickAt(560, 420) + "wait 150\n" + Speech(1) + "wait 320\n";
    s.busy = "move 512 500\ndown\nwait 80\nup\nwait 120\n";
    return s;
}

// Malcolm greets the player in his store: a speech box with both portraits.
Scene DialogueScene() {
    Scene s;
    s.location = "4";
    s.save_body = Flag("Misc-LetterRead", 1) + Flag("Met-Malcolm", 1) + Flag("Money", 50) + Flag("Quest-Goods", 1);
    s.reach = kSplash + kPlay + "wait 300\n" + ClickAt(530, 312) + "wait 300\n";
    return s;
}

void RegisterScenes() {
    const std::pair<const char*, Scene> scenes[] = {
        {"title", TitleScene()},   {"cottage", CottageScene()}, {"square", SquareScene()},      {"ranch", RanchScene()},
        {"battle", BattleScene()}, {"apples", AppleScene()},    {"dialogue", DialogueScene()},
    };
    for (const auto& [name, scene] : scenes) {
        const std::string n = name;
        const Scene sc = scene;
        benchmark::RegisterBenchmark(("BM_Scene/" + n).c_str(),
                                     [n, sc](benchmark::State& state) { BM_Scene(state, n, sc); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
}

const int registered = (RegisterScenes(), 0);

}  // namespace
