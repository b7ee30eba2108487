// A picture from the image registry, drawn centred at a fixed scale and tint.
#pragma once

#include <memory>

#include "control.h"

class ImageControl : public Control {
public:
    int image = 0;
    float scale = 1.0f;
    int cr = 255, cg = 255, cb = 255;  // tint, used when global_color is 0

    // w, h are the picture's size times `scale` (0 when the image is not registered).
    static std::shared_ptr<ImageControl> Create(int x, int y, int image, float scale);
    void Draw() override;
};
