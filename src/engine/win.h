// The ending: the festival night picture with the credits scrolling up over it. A click, Escape or
// the last line leaving the screen fades it out and sends the player back to the ranch.
#pragma once

#include <array>
#include <string>

#include "game_event.h"

class Win : public GameEvent {
public:
    static constexpr int kCreditLines = 42;

    Interpolation alpha = Interpolation::Create(1);
    int clicked = 0;
    float time = 0;
    std::array<std::string, kCreditLines> credits;

    Win();
    static void Create();
    // Timer target: back to the ranch, the game marked as won.
    static void StartReturn();

    int StateNormal(float dt) override;
    int Draw() override;

    // Ends the scene as a click does (once).
    void Finish();
    // The y of credit line `index` (each line one line height below the one before).
    int LineY(int index, int line_height) const;
    // 1 once every line has moved above the top of the screen.
    int AllPassed(int line_height) const;
    // The opacity of a line at `y`: faded in over the bottom 96 pixels and out over the top 96.
    float LineAlpha(int y) const;
    // The colour a line's "@" code picks, and the text without the code.
    static void LineStyle(const std::string& line, int* r, int* g, int* b, std::string* text);
};
