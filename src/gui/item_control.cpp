#include "item_control.h"

#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "item.h"

std::shared_ptr<ItemControl> ItemControl::Create(int x, int y, const std::string& item_name) {
    auto c = std::make_shared<ItemControl>();
    c->x = x;
    c->y = y;
    c->w = 64;
    c->h = 64;
    c->item = item_name;
    if (std::shared_ptr<Item> found = ItemList::GetItem(item_name)) {
        c->image = found->image;
        c->number = found->number;
        c->text = found->description;
        if (c->number > 1) {
            c->font = 1;
            FontList::SetFont(1);
            const std::string label = "x " + std::to_string(c->number);
            c->tw = TextWidth(label);
            c->th = TextHeight(label);
        }
    }
    return c;
}

void ItemControl::Update(float dt) {
    Control::Update(dt);
    scale.Update(dt);
    const int hovered = MouseOver(0, 0, 1.0f);
    if (hovered && !over) {
        scale.Set(1.08f, 10);
        over = 1;
    } else if (!hovered && over) {
        over = 0;
        scale.Set(1, 10);
    }
    if (!description) return;
    DescriptionControl& d = *description;
    if (hovered) {
        if (d.id != item && !d.fading) {
            d.id = item;
            d.alpha.Set(1, 10);
            d.SetText(text, 2);
        } else if (d.id == item && d.fading) {
            d.fading = 0;
            d.alpha.Set(1, 10);
        }
    } else if (d.id == item && !d.fading) {
        d.alpha.Set(0, 15);
        d.fading = 1;
    }
}

void ItemControl::Draw() {
    const SavedColor saved;
    if (!global_color) SetColor(255, 255, 255);
    SetAlpha(static_cast<float>(alpha.Get()));
    const float s = static_cast<float>(scale.Get());
    SetScale(s, s);
    ImageList::DrawSimple(image, static_cast<float>(x), static_cast<float>(y));
    SetScale(1, 1);
    if (number > 1) {
        FontList::SetFont(font);
        DrawText("x " + std::to_string(number), static_cast<float>(x - tw + 30), static_cast<float>(y - th + 31));
    }
}
