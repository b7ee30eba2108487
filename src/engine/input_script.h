// Scripted input for tests and demos: a text file of commands fed to the game frame by frame.
//
//   wait N              run N frames           move X Y      put the mouse at (X, Y)
//   down | up           the left button        click X Y     a player's click: move there, rest a
//                                                            frame, press 2 frames, release, 2 frames
//   step D              from now on every frame advances D time units (at most 20; 0: back to normal)
//   wheel N             turn the wheel         key escape|f11|alt+enter down|up
//   type TEXT           typed characters; \n is Enter, \b is Backspace
//   screenshot PATH     write the current frame as a PNG
//   quit                end the program as the window's close button would
// "#" starts a comment; positions are virtual-screen pixels.
#pragma once

#include <string>
#include <vector>

struct ScriptCommand {
    enum Kind { Wait, Move, Down, Up, Wheel, EscapeDown, EscapeUp, WindowKeyDown, WindowKeyUp, Type, Screenshot, Quit, Step };
    Kind kind = Wait;
    int a = 0, b = 0;
    float step = 0;  // Step: the time step, 0 for the normal one
    std::string text;
};

class InputScript {
public:
    // Parses a script; on a bad line returns false and describes it in *error.
    bool Parse(const std::string& source, std::string* error);
    bool Load(const std::string& path, std::string* error);

    // Runs the commands due at the start of a frame, up to the next wait. Screenshots are taken
    // through `take_screenshot`. Returns false once the script has ended.
    bool Advance(bool (*take_screenshot)(const std::string& path));

    bool Finished() const { return next_ >= commands_.size() && waiting_ == 0; }
    bool Active() const { return active_; }
    int MouseX() const { return mouse_x_; }
    int MouseY() const { return mouse_y_; }
    // The time step a `step` command set, or 0 while frames run at their normal step.
    float TimeStep() const { return time_step_; }
    const std::vector<ScriptCommand>& Commands() const { return commands_; }

private:
    std::vector<ScriptCommand> commands_;
    size_t next_ = 0;
    int waiting_ = 0;
    bool active_ = false;
    int mouse_x_ = 0, mouse_y_ = 0;
    float time_step_ = 0;
};
