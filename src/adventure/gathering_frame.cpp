#include "gathering_frame.h"

#include "app.h"
#include "audio_list.h"
#include "effects.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "input.h"

namespace {

constexpr int kTitleFont = 2;
constexpr int kTimeUpFont = 9;

void SetOpacity(float alpha) { SetAlpha(alpha < 0 ? 0 : alpha); }

// Text at its top-left corner, white over a black shadow 2 pixels right and down.
void DrawShadowed(const std::string& text, float x, float y, float alpha) {
    SetOpacity(alpha);
    SetColor(0, 0, 0);
    DrawText(text, x + 2, y + 2);
    SetColor(255, 255, 255);
    DrawText(text, x, y);
}

}  // namespace

int UpdateGatheringTimer(float delta, float& time, int& finish, Interpolation& alpha) {
    if (KeyDown(27)) time = -100;
    if (time > -100) time -= delta;
    if (time <= 0 && !finish) {
        AudioList::Play(kTimeUpSound, 0, 1, 1);
        finish = 1;
        alpha.Set(0, 200);
        return 1;
    }
    return 0;
}

void StartGatheringFrame(Interpolation& alpha, Interpolation& line) {
    // The scene dims behind the game, as behind a shop; it brightens again when the dialogue ends.
    screen_fade.Set(kGatheringSceneFade, 50);
    alpha.Set(1, 100);
    line.Set(static_cast<float>(virtual_width / 2), 100);
}

void DrawShadowedCentred(const std::string& text, float cx, float top, float alpha) {
    DrawShadowed(text, static_cast<float>(static_cast<int>(cx - TextWidth(text) / 2)), top, alpha);
}

void DrawGatheringTitle(const std::string& title, float line, float alpha) {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    FontList::SetFont(kTitleFont);
    const float x = static_cast<float>((virtual_width - TextWidth(title)) / 2);
    DrawShadowed(title, x, 32, alpha);
    SetOpacity(alpha);
    SetColor(0, 0, 0);
    SetLineWidth(4);
    const float cx = static_cast<float>(virtual_width / 2);
    DrawLine(cx - line, 64, cx + line, 64);
    SetLineWidth(1);
    SetColor(255, 255, 255);
}

int GatheringSecondsLeft(float time, int finish) {
    if (finish || time <= 0) return 0;
    return static_cast<int>(time / 100) + 1;
}

void DrawGatheringTime(float time, int finish, float alpha) {
    DrawShadowed("Time: " + std::to_string(GatheringSecondsLeft(time, finish)),
                 static_cast<float>(virtual_width - 192), 72, alpha);
}

void DrawGatheringCounter(int place, const std::string& label, int value, float alpha) {
    DrawShadowed(label + std::to_string(value), 32, place == 0 ? 96.0f : 144.0f, alpha);
}

void DrawTimeUp(float alpha) {
    FontList::SetFont(kTimeUpFont);
    const std::string text = "Time up";
    DrawShadowedCentred(text, static_cast<float>(virtual_width / 2),
                        static_cast<float>((virtual_height - TextHeight(text)) / 2), alpha);
}

void BurstFind(float x, float y) {
    for (int i = 0; i < 16; ++i) BurstDots(x, y, 16);
    for (int i = 0; i < 8; ++i) BurstImages(x, y, 16);
}
