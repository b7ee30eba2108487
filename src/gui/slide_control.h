// A slider knob. While the left button is held over the control the knob follows the mouse and
// `Callback` gets the new position each frame; the click is not consumed. The track picture is a
// separate control that the owner places underneath.
#pragma once

#include <functional>
#include <memory>

#include "control.h"

class SlideControl : public Control {
public:
    int position = 0;  // knob offset from the left edge in pixels
    std::function<void(int)> Callback;

    static std::shared_ptr<SlideControl> Create(int x, int y, int w, int position, std::function<void(int)> callback);
    void Update(float dt) override;
    void Draw() override;
};
