#include "slide_control.h"

#include <algorithm>

#include "app.h"
#include "graphics.h"
#include "image_list.h"

std::shared_ptr<SlideControl> SlideControl::Create(int x, int y, int w, int position,
                                                   std::function<void(int)> callback) {
    auto c = std::make_shared<SlideControl>();
    c->x = x;
    c->y = y;
    c->w = w;
    c->h = 24;
    c->position = position;
    c->Callback = std::move(callback);
    return c;
}

void SlideControl::Update(float dt) {
    Control::Update(dt);
    if (mouse_click && MouseOver(0, 0, 1.0f)) {
        // The pointer covers pixels 0..w-1 of the track; stretch them over 0..w so that the last
        // pixel is the very end (full volume), not one short of it.
        const int pixel = mouse_x - (x - w / 2);
        position = w > 1 ? std::clamp(pixel * w / (w - 1), 0, w) : 0;
        if (Callback) Callback(position);
    }
}

void SlideControl::Draw() {
    const SavedColor saved;
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(static_cast<float>(alpha.Get()));
    SetColor(255, 255, 255);
    ImageList::DrawSimple(617, static_cast<float>(x - w / 2 + position), static_cast<float>(y));
}
