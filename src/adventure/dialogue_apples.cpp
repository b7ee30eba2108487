#include "dialogue_apples.h"

#include <algorithm>
#include <cmath>

#include "app.h"
#include "audio_list.h"
#include "font.h"
#include "font_list.h"
#include "gathering_frame.h"
#include "graphics.h"
#include "image_list.h"
#include "input.h"
#include "particles.h"
#include "profile.h"

namespace {

constexpr int kTreeImage = 55;
constexpr int kAppleImage = 509;
constexpr int kBarImage = 10000;   // registered by the host location
constexpr int kGlowImage = 10001;
constexpr int kChargeSound = 118;  // loops while charging
constexpr int kStrikeSound = 111;
constexpr int kCatchSound = 107;
constexpr float kMaxCharge = 128;
constexpr double kRadians = 3.14159265358979323846 / 180.0;

double Sin(double degrees) { return std::sin(degrees * kRadians); }
double Cos(double degrees) { return std::cos(degrees * kRadians); }

}  // namespace

DialogueApple::~DialogueApple() {
    // A game dropped while charging must not leave the looping charge sound behind.
    if (game_state == kCharging) AudioList::Stop(kChargeSound);
}

std::unique_ptr<DialogueApple> DialogueApple::Create() {
    auto game = std::make_unique<DialogueApple>();
    StartGatheringFrame(game->alpha, game->line);
    game->bar_alpha.Set(1, 100);
    auto owned = Profile::GetItem("Apple");
    game->total_apples = owned ? owned->number : 0;
    game->UpdateBarTip();
    return game;
}

void DialogueApple::UpdateBarTip() {
    last_x = static_cast<int>(virtual_width / 2 + 320 - 5 * counter);
    last_y = virtual_height / 2 + 272;
}

void DialogueApple::UpdateApples(float delta) {
    // Apples move a fixed step per update. Their exact position is kept apart from the whole-pixel
    // hit box, so that slow apples fly in every direction alike instead of sticking where each step
    // rounds away.
    for (AppleItem& apple : apples) {
        apple.fx += static_cast<float>(Cos(apple.dir) * apple.speed);
        apple.fy += static_cast<float>(Sin(apple.dir) * apple.speed);
        apple.x = static_cast<int>(apple.fx);
        apple.y = static_cast<int>(apple.fy);
        apple.rotate += delta * static_cast<float>(apple.rotdir);
        if (apple.x < 32 || apple.y < 32 || apple.x > virtual_width - 32 || apple.y > virtual_height - 32) {
            apple.alpha -= 0.05f * delta;
        }
    }
    apples.erase(std::remove_if(apples.begin(), apples.end(), [](const AppleItem& a) { return a.alpha <= 0; }),
                 apples.end());
}

void DialogueApple::Strike() {
    shake = counter / 5;
    game_state = kCatching;
    bar_alpha.Set(0, 25);
    nc = 0;
    action_ok = 0;
    if (shake <= 10) {
        no_apples = 1;
        return;
    }
    nc = 100;
    const int count = static_cast<int>(shake / 4) + 1;
    for (int i = 0; i < count; ++i) {
        AppleItem apple;
        const int a = Rand(0, 359);
        apple.w = apple.h = 48;
        apple.fx = static_cast<float>(virtual_width / 2 + 48 * Cos(a));
        apple.fy = static_cast<float>(virtual_height / 2 + 48 * Sin(a) - 64);
        apple.x = static_cast<int>(apple.fx);
        apple.y = static_cast<int>(apple.fy);
        apple.dir = a;
        apple.rotate = static_cast<float>(a);
        apple.speed = Rnd(0, 0.5f) + (shake - 7) / 5;
        apple.rotdir = Rand(0, 1) == 0 ? -1 : 1;
        apples.push_back(apple);
    }
}

void DialogueApple::FadeOut() {
    done = 1;
    alpha.Set(0, 100);
}

int DialogueApple::Update(float delta) {
    alpha.Update(delta);
    bar_alpha.Update(delta);
    line.Update(delta);
    if (shake > 0) {
        shake_counter += 6 * delta;
        for (float r = delta; r > 0.5f; r -= 0.5f) shake *= 0.98f;
        if (shake < 0.05f) shake = 0;
    }
    UpdateApples(delta);
    // Holding Escape leaves the tree at once, keeping what was caught.
    if (!done && KeyDown(27)) {
        if (game_state == kCharging) AudioList::Stop(kChargeSound);
        game_state = kEnding;
        FadeOut();
    }
    switch (game_state) {
        case kReady:
            if (mouse_click && action_ok) {
                game_state = kCharging;
                AudioList::Play(kChargeSound, 0, 1, 1);
            }
            if (!mouse_click) action_ok = 1;
            break;
        case kCharging:
            if (mouse_click) {
                counter = std::min(counter + 1.25f * delta, kMaxCharge);
                UpdateBarTip();
                if (last_x >= 1) {
                    nc += delta;
                    while (nc >= 1) {
                        nc -= 1;
                        auto dot = std::make_shared<DotParticle>();
                        SetUpRisingSparkle(*dot, 2, 4, 0.01f, 0.03f);
                        dot->x = static_cast<float>(last_x + Rand(0, 8) - 4);
                        dot->y = static_cast<float>(last_y - Rand(8, 32));
                        dot->size = 2;
                        ParticleList::AddParticle(dot, 0);
                    }
                }
            } else {
                game_state = kHit;
                AudioList::Stop(kChargeSound);
                AudioList::Play(kStrikeSound, 0, 0.8f, 1.15f);
            }
            break;
        case kHit:
            Strike();
            break;
        case kCatching:
            if (mouse_click && action_ok) {
                for (size_t i = 0; i < apples.size(); ++i) {
                    if (!apples[i].Inside(mouse_x, mouse_y, 1.0f)) continue;
                    BurstFind(static_cast<float>(apples[i].x), static_cast<float>(apples[i].y));
                    apples.erase(apples.begin() + static_cast<long>(i));
                    total_apples++;
                    AudioList::Play(kCatchSound, 0, 1, 1);
                    break;
                }
                action_ok = 0;
            }
            if (!mouse_click) action_ok = 1;
            if (apples.empty()) game_state = kEnding;
            break;
        default:
            if (!done) {
                nc += delta;
                if (nc > 100) FadeOut();
            }
            break;
    }
    if (done && alpha.Get() <= 0) {
        Profile::SetItem("Apple", total_apples);
        return 1;
    }
    return 0;
}

void DialogueApple::Draw() {
    const float a = static_cast<float>(alpha.Get());
    const float cx = static_cast<float>(virtual_width / 2);
    const float cy = static_cast<float>(virtual_height / 2);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetAlpha(a);
    const double s = shake > 0 ? Cos(shake_counter) * shake : 0.0;
    SetRotation(static_cast<float>(s));
    ImageList::DrawSimple(kTreeImage, static_cast<float>(cx + 256 * Sin(s)), cy - 64);
    SetRotation(0);

    const float bar = static_cast<float>(bar_alpha.Get()) * a;
    if (bar > 0) {
        const int bar_w = ImageList::GetWidth(kBarImage);
        const int bar_h = ImageList::GetHeight(kBarImage);
        SetColor(64, 64, 64);
        SetAlpha(bar);
        SetScale(1.01f, 1.05f);
        ImageList::DrawSimple(kBarImage, cx, cy + 256);
        SetScale(1, 1);
        // The fill: the bar's own right-hand part, growing leftwards from the bar's right end.
        const int length = std::min(static_cast<int>(5 * counter), bar_w);
        if (length > 0 && bar_h > 0) {
            const float right = cx + 320;
            const float bottom = cy + 272;
            const float fill_x = right - static_cast<float>(length) / 2;
            const float fill_y = bottom - static_cast<float>(bar_h) / 2;
            SetColor(255, 255, 128);
            const float e = 5 * counter;
            SetAlpha(e < 200 ? bar * e / 200 : bar);
            ImageList::DrawSimpleRect(kBarImage, bar_w - length, 0, length, bar_h, fill_x, fill_y);
            if (e > 440) {
                SetBlend(LIGHTBLEND);
                SetAlpha(bar * (e - 440) / 400);
                ImageList::DrawSimpleRect(kBarImage, bar_w - length, 0, length, bar_h, fill_x, fill_y);
                SetBlend(ALPHABLEND);
            }
        }
        UpdateBarTip();
        if (counter > 0) {
            SetColor(255, 255, 255);
            SetAlpha(std::min(bar * counter / 40, bar));
            ImageList::DrawSimple(kGlowImage, cx + 284, cy + 254);
        }
    }

    SetColor(255, 255, 255);
    for (const AppleItem& apple : apples) {
        SetAlpha(apple.alpha * a);
        SetRotation(apple.rotate);
        ImageList::DrawSimple(kAppleImage, static_cast<float>(apple.x), static_cast<float>(apple.y));
    }
    SetRotation(0);

    DrawGatheringTitle("Click and hold the mouse button to charge at the tree. Then click the apples to catch them!",
                       static_cast<float>(line.Get()), a);
    SetAlpha(a);
    SetColor(0, 0, 0);
    const std::string count = "Apples: " + std::to_string(total_apples);
    DrawText(count, 34, 130);
    SetColor(255, 255, 255);
    DrawText(count, 32, 128);
    if (no_apples) {
        FontList::SetFont(3);
        const std::string text = "Not enough charge!";
        DrawShadowedCentred(text, cx, cy - static_cast<float>(TextHeight(text) / 2), a);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
}
