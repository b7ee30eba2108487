#include "text_field_control.h"

#include <cmath>

#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "input.h"

int NameCharAllowed(int c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == '!' ||
                   c == '_' || c == '-'
               ? 1
               : 0;
}

std::shared_ptr<TextFieldControl> TextFieldControl::Create(int x, int y, int w, const std::string& text) {
    auto c = std::make_shared<TextFieldControl>();
    c->x = x;
    c->y = y;
    c->w = w;
    c->h = 24;
    c->text = text;
    SetTextFocus(c.get());
    return c;
}

TextFieldControl::~TextFieldControl() { ReleaseTextFocus(this); }

void TextFieldControl::Activate(float time) {
    Control::Activate(time);
    SetTextFocus(this);
}

void TextFieldControl::Deactivate(float time) {
    Control::Deactivate(time);
    ReleaseTextFocus(this);
}

void TextFieldControl::Update(float dt) {
    Control::Update(dt);
    count += dt;
    if (b) b->active = text.empty() ? 0 : 1;
    if (!active) return;  // a field on its way out types nothing
    const int c = GetChar();
    if (c == 0) return;
    TypeChar(c);
}

void TextFieldControl::TypeChar(int c) {
    if (!touched) {  // the suggestion is replaced, not extended
        touched = 1;
        text.clear();
    }
    if (c == 8) {
        if (!text.empty()) text.pop_back();
        return;
    }
    if (NameCharAllowed(c)) {
        if (static_cast<int>(text.size()) < length && !(c == ' ' && text.empty())) text.push_back(static_cast<char>(c));
        return;
    }
    if ((c == 13 || c == 10) && !text.empty() && b && b->Callback) {
        // A copy: confirming usually rebuilds the window that holds this field.
        const ButtonCallback callback = b->Callback;
        callback(nullptr);
    }
}

void TextFieldControl::Draw() {
    const SavedColor saved;
    const float a = static_cast<float>(alpha.Get());
    SetScale(1, 1);
    SetBlend(ALPHABLEND);
    SetColor(0, 0, 0);
    SetAlpha(0.25f * a);
    DrawRect(static_cast<float>(x - w / 2), static_cast<float>(y - h / 2), static_cast<float>(w),
             static_cast<float>(h));
    FontList::SetFont(2);
    SetAlpha(touched ? a : 0.5f * a);
    DrawText(text, static_cast<float>(x - w / 2 + 1), static_cast<float>(y - h / 2 - 2));
    if (std::fmod(count, 64.0f) >= 32) {
        SetAlpha(a);
        DrawRect(static_cast<float>(x + TextWidth(text) - w / 2 + 2), static_cast<float>(y - h / 2), 2,
                 static_cast<float>(h));
    }
}
