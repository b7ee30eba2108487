#include "text_control.h"

#include "font.h"
#include "font_list.h"
#include "graphics.h"

std::shared_ptr<TextControl> TextControl::Create(int x, int y, const std::string& text, int font) {
    auto c = std::make_shared<TextControl>();
    c->x = x;
    c->y = y;
    c->text = text;
    c->font = font;
    FontList::SetFont(font);
    c->w = TextWidth(text);
    c->h = TextHeight(text);
    return c;
}

void TextControl::Draw() {
    if (text.empty()) return;
    const SavedColor saved;
    SetAlpha(static_cast<float>(alpha.Get()));
    SetScale(1, 1);
    FontList::SetFont(font);
    if (shadow) {
        SetColor(0, 0, 0);
        DrawText(text, static_cast<float>(x + 2), static_cast<float>(y + 2));
    }
    SetTintedColor(tr, tg, tb, global_color, saved);
    DrawText(text, static_cast<float>(x), static_cast<float>(y));
}
