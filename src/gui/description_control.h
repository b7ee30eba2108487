// A wrapped block of text describing whatever the pointer rests on (an item cell, for instance).
// Several cells share one description; `id` tells which of them it currently shows, and a
// description that is fading out is free for the next cell only once the fade has finished.
// Its (x, y) is the top-left corner of the text.
#pragma once

#include <memory>
#include <string>

#include "control.h"

class DescriptionControl : public Control {
public:
    std::string id;    // what is being described; "" = nothing
    int font = 0;
    std::string text;  // already wrapped
    int width = 0;     // wrap width
    int tw = 0, th = 0;
    int fading = 0;
    int tr = 0, tg = 0, tb = 0;

    static std::shared_ptr<DescriptionControl> Create(int x, int y, int width);
    void SetText(const std::string& text, int font);
    void Update(float dt) override;
    void Draw() override;
};
