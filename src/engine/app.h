// The application shell: global state of the running program, the scene base class, scene
// switching and the frame loop.
#pragma once

#include <memory>
#include <string>

#include "primitives.h"

// A scene. The frame loop initialises it lazily before its first update.
class Event {
public:
    int initialized = 0;
    virtual ~Event() = default;
    virtual int Initialize() {
        initialized = 1;
        return 0;
    }
    virtual int Free() { return 0; }
    virtual int Update(float dt) {
        (void)dt;
        return 0;
    }
    virtual int Draw() { return 0; }
    virtual int Pause() { return 0; }
    virtual int Resume() { return 0; }
};

extern int virtual_width, virtual_height;
extern int screen_width, screen_height;
extern int resolution_x, resolution_y;
extern int renderer;
extern int audio_driver;
extern int fullscreen;
extern int desktop_mode;
extern int virtual_mode;
extern int splash_length;
extern std::string app_dir;
extern std::string product_name;
extern std::string user_dir;
extern std::string options_path;
extern int running;
extern int app_active;
extern int graphics_reset;
extern int mouse_x, mouse_y;
extern int mouse_click;
extern int mouse_armed;
extern Interpolation screen_fade;
extern int fade_level;
extern std::unique_ptr<Event> current_event;
extern int completion;

// Frees the current scene at once and makes `e` current; `e` is initialised on the next frame.
void SwitchEvent(std::unique_ptr<Event> e);
// Recomputes `completion` from awards, chapters, quests and statues.
void UpdateCompletion();
int HasArg(const std::string& option);
void ReadConfig(const std::string& path);
// Ends the program with a fatal message (never returns).
[[noreturn]] void Fatal(const std::string& text);
// The full path of a data file: app_dir + "/Data/" + name.
std::string DataPath(const std::string& name);
