// A box of any size cut from a 512 x 512 frame picture, with an optional title; and DrawFrame, the
// drawing of such a box that windows, cards and dialogue boxes share.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "control.h"

// One corner piece of a frame: the source rectangle in the 512 x 512 picture and where its centre
// goes on the screen.
struct FramePiece {
    int sx = 0, sy = 0, sw = 0, sh = 0;
    int x = 0, y = 0;
};

// The four corners DrawFrame draws, top-left, top-right, bottom-left, bottom-right. Width and height
// are rounded up to multiples of 4 first, so a frame stretches to any size up to 1024 x 1024
// without scaling its border.
std::array<FramePiece, 4> FramePieces(int left, int top, int width, int height);
void DrawFrame(int frame, int left, int top, int width, int height);

class FrameControl : public Control {
public:
    int frame = 0;
    std::string title;
    int font = 0;
    int tw = 0, th = 0;
    int tr = 0, tg = 0, tb = 0;

    static std::shared_ptr<FrameControl> Create(int x, int y, int w, int h, int frame, const std::string& title,
                                                int font);
    void Draw() override;
};
