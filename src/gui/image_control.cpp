#include "image_control.h"

#include "graphics.h"
#include "image_list.h"

std::shared_ptr<ImageControl> ImageControl::Create(int x, int y, int image, float scale) {
    auto c = std::make_shared<ImageControl>();
    c->x = x;
    c->y = y;
    c->image = image;
    c->scale = scale;
    if (ImageList::GetImageContainer(image)) {
        c->w = static_cast<int>(static_cast<float>(ImageList::GetWidth(image)) * scale);
        c->h = static_cast<int>(static_cast<float>(ImageList::GetHeight(image)) * scale);
    }
    return c;
}

void ImageControl::Draw() {
    if (!image) return;
    const SavedColor saved;
    SetAlpha(static_cast<float>(alpha.Get()));
    SetScale(scale, scale);
    if (!global_color) SetColor(cr, cg, cb);
    ImageList::DrawSimple(image, static_cast<float>(x), static_cast<float>(y));
    SetScale(1, 1);
}
