#include "description_control.h"

#include "font_list.h"
#include "graphics.h"
#include "text_block.h"

std::shared_ptr<DescriptionControl> DescriptionControl::Create(int x, int y, int width) {
    auto c = std::make_shared<DescriptionControl>();
    c->x = x;
    c->y = y;
    c->width = width;
    return c;
}

void DescriptionControl::SetText(const std::string& new_text, int new_font) {
    font = new_font;
    FontList::SetFont(font);
    text = WrapText(new_text, width);
    tw = TextBlockWidth(text);
    th = TextBlockHeight(text);
    w = tw;
    h = th;
}

void DescriptionControl::Update(float dt) {
    Control::Update(dt);
    if (fading && alpha.Get() == 0) {
        fading = 0;
        id = "";
    }
}

void DescriptionControl::Draw() {
    if (text.empty()) return;
    const SavedColor saved;
    SetAlpha(static_cast<float>(alpha.Get()));
    SetScale(1, 1);
    SetTintedColor(tr, tg, tb, global_color, saved);
    FontList::SetFont(font);
    DrawTextBlock(text, static_cast<float>(x), static_cast<float>(y));
}
