// A one-line label. Unlike the other controls its (x, y) is the top-left corner of the text.
#pragma once

#include <memory>
#include <string>

#include "control.h"

class TextControl : public Control {
public:
    std::string text;
    int font = 0;
    int tr = 0, tg = 0, tb = 0;
    int shadow = 0;

    // Measures the text in `font` for w and h.
    static std::shared_ptr<TextControl> Create(int x, int y, const std::string& text, int font);
    void Draw() override;
};
