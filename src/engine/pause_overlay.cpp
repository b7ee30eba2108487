#include "pause_overlay.h"

#include "app.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"

Interpolation pause_fade(0);
int pause_shown = 0;

namespace {
int text_w = 0, text_h = 0;
Image frozen;  // the frame on screen when the game paused: the overlay lies over it
}

void Pause::Update(float dt) {
    if (app_active && pause_shown) {
        pause_shown = 0;
        pause_fade.Set(0, 20);
    }
    if (app_active) frozen = nullptr;  // the game draws its own frames again
    if (!app_active && !pause_shown) {
        pause_shown = 1;
        pause_fade.Set(1, 20);
        frozen = LastShownFrame();
        FontList::SetFont(6);
        text_w = TextWidth("Paused");
        text_h = TextHeight("Paused");
    }
    pause_fade.Update(dt);
}

void Pause::Draw() {
    if (frozen) {
        SetColor(255, 255, 255);
        SetAlpha(1);
        SetBlend(SOLIDBLEND);
        SetScale(1, 1);
        SetRotation(0);
        float ox, oy;
        GetOrigin(&ox, &oy);
        SetOrigin(0, 0);
        DrawImage(frozen, kVirtualWidth / 2.0f, kVirtualHeight / 2.0f);
        SetOrigin(ox, oy);
    }
    const float fade = static_cast<float>(pause_fade.Get());
    if (!(fade > 0)) return;
    SetColor(0, 0, 0);
    SetBlend(ALPHABLEND);
    SetAlpha(fade * 0.75f);
    SetScale(1, 1);
    const float tw = static_cast<float>(text_w), th = static_cast<float>(text_h);
    DrawRect(512 - tw * 0.75f, 384 - th * 0.75f, tw * 1.5f, th * 1.5f);
    SetColor(255, 255, 255);
    SetAlpha(fade);
    FontList::SetFont(6);
    DrawText("Paused", static_cast<float>((1024 - text_w) / 2), static_cast<float>((768 - text_h) / 2 - 16));
}
