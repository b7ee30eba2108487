// The base of every window, label, picture and button of the menus: a centre-anchored rectangle that
// fades in and out through `alpha` and is updated and drawn by the GUI that owns it.
#pragma once

#include <memory>
#include <vector>

#include "primitives.h"

class Control : public Thing {
public:
    int active = 0;        // 1 while shown and reacting to input
    int remove = 0;        // 1 once deactivated; the owner drops it when alpha has reached 0
    int ready = 1;         // Button: the hover sound may play on the next mouse-enter
    int global_color = 1;  // 1: colours are multiplied by the colour current when drawn
    Interpolation alpha{0.0f};

    // Fades in over `time` (at once when time <= 0).
    virtual void Activate(float time);
    // Fades out over `time` (at once when time <= 0) and marks the control for removal.
    virtual void Deactivate(float time);
    virtual void Update(float dt);
    virtual void Draw();
};

using ControlPtr = std::shared_ptr<Control>;
using ControlList = std::vector<ControlPtr>;

// Updates every control of `list` in order, then drops those marked `remove` whose alpha is 0. A
// control's callback may rebuild the list while this runs: controls that have left the list are
// not updated any more, and controls added meanwhile wait for the next frame.
void UpdateControlList(ControlList& list, float dt);
// Draws the list front to back in insertion order.
void DrawControlList(const ControlList& list);
// 1 when `control` is in `list`.
int ListHolds(const ControlList& list, const Control* control);

// Remembers the current drawing colour and puts it back when it goes out of scope.
class SavedColor {
public:
    int r = 255, g = 255, b = 255;
    SavedColor();
    ~SavedColor();
    SavedColor(const SavedColor&) = delete;
    SavedColor& operator=(const SavedColor&) = delete;
};

// Sets the colour (r, g, b), multiplied by `saved` (integer arithmetic) when `global` is set.
void SetTintedColor(int r, int g, int b, int global, const SavedColor& saved);
