#include "loading_screen.h"

#include <algorithm>

#include "app.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "loader.h"

namespace {

constexpr int kBarArea = 640;  // width of the progress bar's fill area, centred on the screen
constexpr float kBarY = 416;

struct LoadingScreenState {
    bool started = false;
    Image bg;
    Image bar;
    std::vector<std::string> pool;
    std::string text;
    bool text_shown = false;
    float text_progress = 0;
};

LoadingScreenState screen;

int Fade() { return fade_level; }

void DrawBackdrop() {
    const int fade = Fade();
    SetAlpha(1);
    SetScale(1, 1);
    SetBlend(SOLIDBLEND);
    SetColor(fade, fade, fade);
    if (screen.bg) DrawImage(screen.bg, 512, 384);
    // The bar's shadow: the bar itself, dark and a little larger.
    const int dark = static_cast<int>(fade * 0.25f);
    SetBlend(ALPHABLEND);
    SetColor(dark, dark, dark);
    SetScale(1.01f, 1.05f);
    if (screen.bar) DrawImage(screen.bar, 512, kBarY);
    SetScale(1, 1);
}

void RefillPool() {
    screen.pool = LoadingJokeTexts();
    screen.text.clear();
    screen.text_shown = false;
}

}  // namespace

const std::vector<std::string>& LoadingJokeTexts() {
    static const std::vector<std::string> texts = {
        "Initializing lightning tables...",
        "Stacking dwarves...",
        "Roasting gnomes...",
        "Unpacking kittens...",
        "Decompressing compressors...",
        "Kidnapping princesses...",
        "Eating cookies...",
        "Mowing lawns...",
        "Saving the world...",
        "Can anyone hear me?! I'm trapped inside the game!",
        "Conjuring evil wizards...",
        "Inventing boomsticks...",
        "Calibrating dragon AI...",
        "Reinstating gods...",
        "Adlibbing silly loading text...",
        "Loading barrels...",
        "Loading cakes...",
        "Loading smileys...",
        "Loading christmas trees...",
        "Loading BSP trees...",
        "Loading triangulation data...",
        "Loading voice data...",
        "Unpacking special effects...",
        "Unpacking mojo...",
        "Bringing the noise...",
        "Making chocolate mousse...",
        "Cooking penguins...",
    };
    return texts;
}

const std::string& LoadingScreenText() { return screen.text; }

int LoadingScreenPoolSize() { return static_cast<int>(screen.pool.size()); }

int LoadingScreenStart() {
    if (!screen.started) {
        screen.started = true;
        for (int i = 0; i < 2; ++i) {
            Cls();
            Flip();
        }
        screen.bg = LoadImage(app_dir + "/Data/Graphics/LoadingBg.jpg");
        screen.bar = LoadImage(app_dir + "/Data/Graphics/LoadingBar.png");
        screen_fade.SetAbsolute(0);
        screen_fade.Set(1, 50);
    }
    if (Fade() > 254) return 0;
    RefillPool();
    DrawBackdrop();
    return 1;
}

void LoadingScreenProgress(float p) {
    if (!screen.bg) {
        Cls();
        return;
    }
    DrawBackdrop();
    const int fade = Fade();
    SetColor(fade, fade, fade);
    SetScale(1, 1);
    if (screen.bar) {
        // The fill is the bar picture's own middle columns, drawn over the bar (same centre line,
        // the bar's full height), growing from the left end of the 640-pixel area.
        const int bar_w = ImageWidth(screen.bar);
        const int bar_h = ImageHeight(screen.bar);
        const float a = kBarArea * std::clamp(p, 0.0f, 1.0f);
        const int source_x = std::max(0, bar_w / 2 - kBarArea / 2);
        const int fill_w = std::min(static_cast<int>(a), bar_w - source_x);
        const float x = static_cast<float>(static_cast<int>(512 - (kBarArea - a) / 2));
        ImageList::DrawPart(screen.bar, bar_w, bar_h, source_x, 0, fill_w, bar_h, x, kBarY);
    }
    if ((!screen.text_shown || p - screen.text_progress >= 0.25f) && !screen.pool.empty()) {
        const int index = Rand(0, static_cast<int>(screen.pool.size()) - 1);
        screen.text = screen.pool[static_cast<size_t>(index)];
        screen.pool.erase(screen.pool.begin() + index);
        screen.text_shown = true;
        screen.text_progress = p;
    }
    if (screen.text_shown && FontList::GetFontContainer(1)) {
        FontList::SetFont(1);
        const int w = TextWidth(screen.text);
        SetColor(0, 0, 0);
        DrawText(screen.text, static_cast<float>((1024 - w) / 2 + 2), 384 + 78);
        SetColor(fade, fade, fade);
        DrawText(screen.text, static_cast<float>((1024 - w) / 2), 384 + 76);
    }
}

int LoadingScreenFinish() {
    if (Fade() == 255) screen_fade.Set(0, 100);
    if (Fade() > 0) {
        screen.pool.clear();
        screen.text.clear();
        screen.text_shown = false;
        if (screen.bg) {
            DrawBackdrop();
            const int fade = Fade();
            SetColor(fade, fade, fade);
            if (screen.bar) DrawImage(screen.bar, 512, kBarY);
        } else {
            Cls();
        }
        return 1;
    }
    screen.bg = nullptr;
    screen.bar = nullptr;
    screen.started = false;
    return 0;
}

void InstallLoadingScreen() {
    screen = LoadingScreenState();
    on_load_start = LoadingScreenStart;
    on_load_progress = LoadingScreenProgress;
    on_load_finish = LoadingScreenFinish;
}
