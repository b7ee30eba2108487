// The program: start-up, the display, the frame loop and shutdown.
#pragma once

#include <string>
#include <vector>

// Options of our own beyond the classic -w -f -l -g -d -d9, for tests, demos and benchmarks.
struct LaunchOptions {
    bool headless = false;
    long long frames = -1;   // quit after this many frames (-1: run until closed)
    float fixed_dt = 0;      // > 0: every frame advances exactly this much, without sleeping
    bool seeded = false;
    unsigned int seed = 0;
    std::string user_dir;    // "" = the per-user folder
    std::string data_dir;    // "" = the folder holding Data/
    std::string script;      // input script
    std::string screenshot;  // PNG of the last frame, written at the end
    std::string frame_times; // file receiving each frame's duration in microseconds
    bool check_data = false; // check the game data and quit (no window, no sound)
    bool help = false;
    bool version = false;
};

// Parses the command line (without the program name); false with *error on a malformed option.
bool ParseLaunchOptions(const std::vector<std::string>& args, LaunchOptions* options, std::string* error);
std::string LaunchUsage();

// Chooses the size of a display mode by the full-screen rules (desktop size, 4:3 and 5:4 screens,
// the desktop and exact-1024x768 fallbacks). May set desktop_mode.
void ChooseModeSize(bool full, int desktop_w, int desktop_h, int* w, int* h);
// Opens the display with the fallbacks; a display that cannot be opened at all is fatal.
void InitGraphics();

// Runs the game; returns the process exit status.
int RunGame(int argc, char** argv);
