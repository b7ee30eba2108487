#include "image_part_control.h"

#include "graphics.h"
#include "image_list.h"

std::shared_ptr<ImagePartControl> ImagePartControl::Create(int x, int y, int image, int sx, int sy, int w, int h) {
    auto c = std::make_shared<ImagePartControl>();
    c->x = x;
    c->y = y;
    c->image = image;
    c->sx = sx;
    c->sy = sy;
    c->w = w;
    c->h = h;
    return c;
}

void ImagePartControl::Draw() {
    if (!image) return;
    const SavedColor saved;
    SetAlpha(static_cast<float>(alpha.Get()));
    SetScale(1, 1);
    if (!global_color) SetColor(255, 255, 255);
    ImageList::DrawSimpleRect(image, sx, sy, w, h, static_cast<float>(x), static_cast<float>(y));
}
