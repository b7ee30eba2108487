// A scrolling view over a list of child controls: the children's positions are relative to the
// view's top-left corner, they are clipped to the view, and when the content is taller than the
// view it scrolls by the wheel, by a track with a draggable thumb and by two arrow buttons. The
// offset `cy` always stays within [0, ch - h].
#pragma once

#include <memory>

#include "button.h"
#include "control.h"

class ScrollControl : public Control {
public:
    ControlList controls;  // children, relative to the view's top-left corner
    int cw = 0, ch = 0;    // content size
    float cx = 0;          // horizontal offset; stays 0
    float cy = 0;          // vertical offset, 0 <= cy <= ch - h
    int mz = 0;            // wheel position seen last frame
    int grab = 0;          // 1 while the thumb is dragged
    std::shared_ptr<Button> up, down;  // made when the content first overflows

    static std::shared_ptr<ScrollControl> Create(int x, int y, int w, int h);
    // Appends `control` and grows the content extent: with `relative` its own position counts
    // (plus the offsets x, y), with `corner` its position is its top-left (full size added), else
    // its centre (half size added).
    void AddControl(const ControlPtr& control, int x, int y, int corner, int relative);
    void Update(float dt) override;
    void Draw() override;
    // 1 when the content is taller than the view.
    int Overflows() const { return h < ch ? 1 : 0; }

private:
    float MaxOffset() const;
    void ClampOffset();
    // Runs `f` with `child` moved to its place on the screen.
    template <class F>
    void AtScreenPosition(Control& child, F f);
};
