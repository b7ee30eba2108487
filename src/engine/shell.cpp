#include "shell.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app.h"
#include "audio.h"
#include "audio_list.h"
#include "data_check.h"
#include "frame_loop.h"
#include "graphics.h"
#include "input.h"
#include "input_script.h"
#include "loader.h"
#include "options_file.h"
#include "pause_overlay.h"
#include "profile.h"
#include "settings.h"
#include "splash.h"
#include "system.h"
#include "update_list.h"

extern std::vector<std::string> command_line_args;

namespace {
// The name of our desktop entry, icons and AppStream data.
constexpr const char* kDesktopId = "org.mossmeadow.Mossmeadow";
LaunchOptions launch;
InputScript script;

bool ParseNumber(const std::string& text, double* out) {
    char* end = nullptr;
    *out = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0';
}

bool TakeScreenshot(const std::string& path) {
    if (!SavePNG(GrabScreen(), path)) {
        std::fprintf(stderr, "Could not write screenshot '%s'\n", path.c_str());
        return false;
    }
    return true;
}

// Per-frame durations for measuring a scene's cost; the median goes to stdout as well.
void WriteFrameTimes(const std::string& path, std::vector<double> micros) {
    if (FILE* out = std::fopen(path.c_str(), "w")) {
        for (double m : micros) std::fprintf(out, "%.1f\n", m);
        std::fclose(out);
    }
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    std::printf("frames: %zu, median frame time: %.1f us\n", micros.size(), micros[micros.size() / 2]);
}

// Creates a folder and any missing parents; a fresh account may not have ~/.local/share yet.
void CreateDirs(const std::string& path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        CreateDir(path.substr(0, slash));
    }
    CreateDir(path);
}

bool SetGraphicsMode(bool full) {
    int w = screen_width, h = screen_height;
    int desktop_w = 0, desktop_h = 0;
    // The desktop's size is known only once the video subsystem runs.
    if (full && StartVideo(launch.headless)) DesktopSize(&desktop_w, &desktop_h);
    ChooseModeSize(full, desktop_w, desktop_h, &w, &h);
    VideoOptions video;
    video.width = w;
    video.height = h;
    video.fullscreen = full;
    video.desktop = full && desktop_mode && !virtual_mode;
    video.headless = launch.headless;
    video.title = product_name;
    if (!OpenGraphics(video)) return false;
    WindowSize(&screen_width, &screen_height);
    if (screen_width <= 0 || screen_height <= 0) {
        screen_width = w;
        screen_height = h;
    }
    return true;
}

void PauseMusic() { AudioList::PauseMusic(); }

void ResumeMusic() { AudioList::ResumeMusic(); }

// One pass of the frame loop. Returns false when no frame ran (too early).
bool FramePass(FrameClock* clock) {
    PollInput();
    if (AppTerminate() || QuitSignalled()) running = 0;
    if (FullScreenKeyPressed()) {
        // Alt+Enter and F11 do what the options window's switch does (and are remembered the same way).
        fullscreen = fullscreen ? 0 : 1;
        graphics_reset = 1;
    }
    if (AppSuspended()) {
        if (app_active) {
            if (current_event) current_event->Pause();
            app_active = 0;
            PauseMusic();
        }
    } else if (!app_active) {
        if (current_event) current_event->Resume();
        app_active = 1;
        ResumeMusic();
    }
    if (graphics_reset) {
        graphics_reset = 0;
        InitGraphics();
        clock->last = MilliSecs();
    }
    float dt = 0;
    if (launch.fixed_dt > 0) {
        dt = launch.fixed_dt > 20 ? 20 : launch.fixed_dt;
    } else if (!clock->Step(MilliSecs(), &dt)) {
        Delay(1);
        return false;
    }
    if (script.Active()) script.Advance(TakeScreenshot);
    if (script.TimeStep() > 0) dt = script.TimeStep();
    if (WindowResized()) WindowSize(&screen_width, &screen_height);

    if (app_active) AddPlayTime(dt);
    UpdateMouseButton(MouseDown(1));
    if (script.Active()) {
        // Scripts speak in virtual pixels already.
        mouse_x = script.MouseX() < 0 ? 0 : (script.MouseX() > 1023 ? 1023 : script.MouseX());
        mouse_y = script.MouseY() < 0 ? 0 : (script.MouseY() > 767 ? 767 : script.MouseY());
    } else {
        ScaleMouse(MouseX(), MouseY(), screen_width, screen_height, &mouse_x, &mouse_y);
    }
    screen_fade.Update(dt);
    fade_level = static_cast<int>(screen_fade.Get() * 255);

    Cls();
    if (Loader::Done()) {
        if (app_active && current_event) {
            if (current_event->initialized == 0) current_event->Initialize();
            AudioList::UpdateMusic(dt);
            UpdateList::Update(dt);
            if (current_event) current_event->Update(dt);
            if (current_event) current_event->Draw();
        }
        Pause::Update(dt);
        Pause::Draw();
    } else {
        Loader::Update(dt);
    }
    Flip();
    return true;
}
}  // namespace

bool ParseLaunchOptions(const std::vector<std::string>& args, LaunchOptions* options, std::string* error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= args.size()) {
                *error = arg + " needs a value";
                return false;
            }
            *out = args[++i];
            return true;
        };
        std::string v;
        double number = 0;
        if (arg == "--headless") {
            options->headless = true;
        } else if (arg == "--frames") {
            if (!value(&v) || !ParseNumber(v, &number) || number < 0) {
                if (error->empty()) *error = "--frames needs a count";
                return false;
            }
            options->frames = static_cast<long long>(number);
        } else if (arg == "--fixed-dt") {
            if (!value(&v) || !ParseNumber(v, &number) || !(number > 0)) {
                if (error->empty()) *error = "--fixed-dt needs a positive number";
                return false;
            }
            options->fixed_dt = static_cast<float>(number);
        } else if (arg == "--seed") {
            if (!value(&v) || !ParseNumber(v, &number) || number < 0) {
                if (error->empty()) *error = "--seed needs a number";
                return false;
            }
            options->seeded = true;
            options->seed = static_cast<unsigned int>(number);
        } else if (arg == "--user-dir") {
            if (!value(&options->user_dir)) return false;
        } else if (arg == "--data-dir") {
            if (!value(&options->data_dir)) return false;
        } else if (arg == "--script") {
            if (!value(&options->script)) return false;
        } else if (arg == "--screenshot") {
            if (!value(&options->screenshot)) return false;
        } else if (arg == "--frame-times") {
            if (!value(&options->frame_times)) return false;
        } else if (arg == "--check-data") {
            options->check_data = true;
        } else if (arg == "--help" || arg == "-h") {
            options->help = true;
        } else if (arg == "--version") {
            options->version = true;
        }
        // Anything else (the classic -w -f -l -g -d -d9, or unknown words) is read with HasArg.
    }
    return true;
}

std::string LaunchUsage() {
    return "usage: mossmeadow [options]\n"
           "  -w / -f           windowed / full screen (remembered)\n"
           "  -l                full screen at the desktop's resolution\n"
           "  -g / -d / -d9     renderer number 1 / 0 / 2 (kept in the options file)\n"
           "  --headless        no visible window, software renderer, silent audio\n"
           "  --frames N        quit normally after N frames\n"
           "  --fixed-dt D      advance every frame by exactly D (1.0 = 10 ms), without sleeping\n"
           "  --seed N          seed the random generator with N\n"
           "  --user-dir DIR    keep profiles and options in DIR\n"
           "  --data-dir DIR    read the game data from DIR/Data\n"
           "  --script FILE     feed input from FILE\n"
           "  --screenshot PNG  write the last frame as a PNG when the program ends\n"
           "  --frame-times F   write each frame's duration (microseconds) to F, and the median\n"
           "  --check-data      check every reference in the game data, print each problem, quit\n"
           "  --help, --version\n";
}

void ChooseModeSize(bool full, int desktop_w, int desktop_h, int* w, int* h) {
    if (!full) return;
    if (virtual_mode) {
        *w = 1024;
        *h = 768;
        return;
    }
    const bool four_three = desktop_w / 4 == desktop_h / 3;
    const bool five_four = desktop_w / 5 == desktop_h / 4;
    if ((!four_three && !five_four) || desktop_mode) {
        desktop_mode = 1;
        *w = desktop_w;
        *h = desktop_h;
    }
}

void InitGraphics() {
    if (resolution_x > 0 && resolution_y > 0) {
        screen_width = resolution_x;
        screen_height = resolution_y;
    } else {
        screen_width = 1024;
        screen_height = 768;
    }
    PauseMusic();
    bool ok = SetGraphicsMode(fullscreen != 0);
    if (!ok && fullscreen) {
        if (!desktop_mode) {
            desktop_mode = 1;
            ok = SetGraphicsMode(true);
        }
        if (!ok) {
            virtual_mode = 1;
            ok = SetGraphicsMode(true);
        }
        if (!ok) {
            fullscreen = 0;
            screen_width = 1024;
            screen_height = 768;
            ok = SetGraphicsMode(false);
        }
    }
    if (!ok) Fatal("Error: Failed to select a graphics driver!");
    ResumeMusic();
    SetWindowIcon(DataPath("Static/icon.ico"));
}

int RunGame(int argc, char** argv) {
    command_line_args.assign(argv + 1, argv + argc);
    std::string error;
    if (!ParseLaunchOptions(command_line_args, &launch, &error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), LaunchUsage().c_str());
        return 2;
    }
    if (launch.help) {
        std::printf("%s", LaunchUsage().c_str());
        return 0;
    }
    if (launch.version) {
        std::printf("Mossmeadow %s\n", MOSSMEADOW_VERSION);
        return 0;
    }
    if (launch.headless) {
        SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    if (!launch.script.empty() && !script.Load(launch.script, &error)) {
        std::fprintf(stderr, "Bad input script: %s\n", error.c_str());
        return 2;
    }
    CatchQuitSignals();
    // Desktops match the window to our desktop entry by this class (X11) or app id (Wayland).
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", kDesktopId, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", kDesktopId, 0);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS);

    // 1-2: global objects and the random generator.
    screen_fade = Interpolation::Create(0);
    pause_fade = Interpolation::Create(0);
    SeedRnd(launch.seeded ? launch.seed : ClockSeed());

    // 3: folders. The data folder is the one holding Data/ (see FindDataFolder).
    app_dir = launch.data_dir.empty() ? FindDataFolder(ExecutableDir()) : launch.data_dir;
    if (launch.check_data) {
        const int status = DataCheck::Main(app_dir);
        SDL_Quit();
        return status;
    }
    user_dir = launch.user_dir.empty() ? AppDataFolder() + "/" + product_name : launch.user_dir;
    CreateDirs(user_dir);
    options_path = user_dir + "/" + product_name + ".ini";

    // 4-6: start configuration, the player's options, then the command line.
    ReadConfig(app_dir + "/Data/options.xml");
    ReadOptions(options_path);
    if (HasArg("-w")) fullscreen = 0;
    if (HasArg("-f")) fullscreen = 1;
    if (HasArg("-l")) desktop_mode = 1;
    if (HasArg("-g")) renderer = 1;
    if (HasArg("-d")) renderer = 0;
    if (HasArg("-d9")) renderer = 2;

    // 7: sound. Every driver number opens our one backend; -1 turns sound off.
    SelectAudioDriver(audio_driver);

    // 8-9: display and the opening scene.
    InitGraphics();
    SwitchEvent(CreateOpeningScene());

    // 10: the frame loop.
    FrameClock clock;
    clock.last = MilliSecs();
    long long frames = 0;
    std::vector<double> frame_micros;
    while (running) {
        const Uint64 start = SDL_GetPerformanceCounter();
        if (!FramePass(&clock)) continue;
        if (!launch.frame_times.empty()) {
            frame_micros.push_back(static_cast<double>(SDL_GetPerformanceCounter() - start) * 1e6 /
                                   static_cast<double>(SDL_GetPerformanceFrequency()));
        }
        ++frames;
        if (launch.frames >= 0 && frames >= launch.frames) running = 0;
        if (script.Active() && script.Finished() && launch.headless && launch.frames < 0) running = 0;
    }

    if (!launch.frame_times.empty()) WriteFrameTimes(launch.frame_times, frame_micros);

    // 11: shutdown.
    if (!launch.screenshot.empty()) TakeScreenshot(launch.screenshot);
    UpdateCompletion();
    Profile::SaveOnShutdown();
    // A last save that failed is told here if the player has not seen it yet, and makes the exit
    // status 1: a lost save is never reported as success.
    if (TakeSaveNotice()) Notify(kSaveFailedText, 0);
    const int exit_status = save_failed ? 1 : 0;
    WriteOptions(options_path);
    if (current_event) current_event->Free();
    current_event.reset();
    CloseAudio();
    CloseGraphics();
    SDL_Quit();
    return exit_status;
}
