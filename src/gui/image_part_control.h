// A rectangle cut from a picture: the source's top-left is (sx, sy), its size the control's w x h.
#pragma once

#include <memory>

#include "control.h"

class ImagePartControl : public Control {
public:
    int image = 0;
    int sx = 0, sy = 0;

    static std::shared_ptr<ImagePartControl> Create(int x, int y, int image, int sx, int sy, int w, int h);
    void Draw() override;
};
