#include "button.h"

#include <algorithm>
#include <optional>

#include "app.h"
#include "audio_list.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"

std::shared_ptr<Button> Button::Create(int x, int y, int image, const std::string& text, int font,
                                       ButtonCallback callback) {
    auto b = std::make_shared<Button>();
    b->x = x;
    b->y = y;
    b->image = image;
    b->text = text;
    b->font = font;
    b->Callback = std::move(callback);
    if (image) {
        if (std::optional<Area> size = ImageList::GetSize(image)) {
            b->w = size->w;
            b->h = size->h;
        }
    }
    if (!text.empty()) {
        FontList::SetFont(font);
        b->tw = TextWidth(text);
        b->th = TextHeight(text);
        b->w = std::max(b->w, b->tw);
        b->h = std::max(b->h, b->th);
    }
    return b;
}

void Button::Activate(float time) {
    Control::Activate(time);
    const int steps = static_cast<int>(time);
    scale.Set(1, steps);
    color.Set(1, steps);
    ok = 0;
    ready = 1;
}

void Button::SetTooltip(const std::string& text, int x, int y) {
    tooltip = 1;
    tooltip_status = 0;
    tooltip_text = text;
    tooltip_x = x;
    tooltip_y = y;
    tooltip_alpha = Interpolation(0.0f);
}

void Button::SetOver(int flag) { over = flag; }

void Button::HideTooltip() {
    if (tooltip && tooltip_status) {
        tooltip_status = 0;
        tooltip_counter = 0;
        tooltip_alpha.Set(0, 20);
    }
}

void Button::Update(float dt) {
    Control::Update(dt);
    if (tooltip) {
        if (tooltip_counter > 0) {
            tooltip_counter -= dt;
        } else {
            tooltip_alpha.Update(dt);
        }
    }
    if (over) {
        if (!active) HideTooltip();
        if (scale.Get() >= 0.99 && !active) {  // an inactive button shrinks and dims
            scale.Set(0.92f, 5);
            color.Set(0.7f, 5);
        }
        scale.Update(dt);
        color.Update(dt);
    }
    if (!active) return;
    if (wait > 0) {
        wait -= dt;
        return;
    }
    if (MouseOver(0, 0, 1.0f)) {
        if (mouse_click) {
            if (ok == 1) {
                ok = 0;
                mouse_click = 0;
                mouse_armed = 0;
                wait = 15;
                active = 0;
                if (Callback) {
                    if (click_sound > 0) AudioList::Play(click_sound, 0, 1, 1);
                    // A copy: the callback may rebuild the window that holds this button.
                    const ButtonCallback callback = Callback;
                    callback(this);
                }
            }
        } else {
            if (tooltip && !tooltip_status) {
                tooltip_status = 1;
                tooltip_counter = 75;
                tooltip_alpha.Set(1, 50);
            }
            ok = 1;
            if (over) {
                scale.Set(1.08f, 10);
                if (ready) {
                    AudioList::Play(100, 0, 1, 1);
                    ready = 0;
                }
            }
        }
    } else {
        HideTooltip();
        if (mouse_click) ok = 0;  // a press that began outside never clicks
        ready = 1;
        if (over && scale.Get() != 1) {
            scale.Set(1, 10);
            color.Set(1, 10);
        }
    }
}

void Button::Draw() {
    const SavedColor saved;
    SetAlpha(static_cast<float>(alpha.Get()));
    const float s = static_cast<float>(scale.Get());
    SetScale(s, s);
    if (image) {
        const double c = color.Get();
        if (!global_color) {
            const int v = static_cast<int>(255 * c);
            SetColor(v, v, v);
        } else if (c != 1) {
            SetColor(static_cast<int>(saved.r * c), static_cast<int>(saved.g * c), static_cast<int>(saved.b * c));
        }
        if (rotate > 0) SetRotation(static_cast<float>(rotate));
        ImageList::DrawSimple(image, static_cast<float>(x), static_cast<float>(y));
        if (rotate > 0) SetRotation(0);
        SetColor(saved.r, saved.g, saved.b);
    }
    if (!text.empty()) {
        FontList::SetFont(font);
        const float left = static_cast<float>(x) - static_cast<float>(tw) * s / 2;
        const float top = static_cast<float>(y) - static_cast<float>(th) * s / 2;
        if (shadow) {
            SetColor(0, 0, 0);
            DrawText(text, left + 2, top + 2);
        }
        SetTintedColor(tr, tg, tb, global_color, saved);
        DrawText(text, left, top);
        SetColor(saved.r, saved.g, saved.b);
    }
    if (tooltip) {
        FontList::SetFont(1);
        SetAlpha(static_cast<float>(tooltip_alpha.Get()));
        SetColor(0, 0, 0);
        DrawText(tooltip_text, static_cast<float>(x + tooltip_x + 2), static_cast<float>(y + tooltip_y + 2));
        SetColor(saved.r, saved.g, saved.b);
        DrawText(tooltip_text, static_cast<float>(x + tooltip_x), static_cast<float>(y + tooltip_y));
    }
    SetScale(1, 1);
}
