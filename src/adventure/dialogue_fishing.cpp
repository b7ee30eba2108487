#include "dialogue_fishing.h"

#include <cmath>
#include <memory>

#include "app.h"
#include "audio_list.h"
#include "font.h"
#include "font_list.h"
#include "gathering_frame.h"
#include "graphics.h"
#include "image_list.h"
#include "particles.h"
#include "profile.h"

namespace {

constexpr int kGaugeImage = 565;
constexpr int kMarkerImage = 610;
constexpr int kBigFishImage = 508;
constexpr int kSmallFishImages[2] = {507, 550};
constexpr int kJunkImages[2] = {551, 552};
constexpr int kCatchFont = 3;
constexpr float kMarkerSwing = 132;  // pixels either side of the centre
constexpr double kRadians = 3.14159265358979323846 / 180.0;

double Sin(double degrees) { return std::sin(degrees * kRadians); }
double Cos(double degrees) { return std::cos(degrees * kRadians); }

int Owned(const char* name) {
    auto item = Profile::GetItem(name);
    return item ? item->number : 0;
}

bool IsFish(int image) { return image == kBigFishImage || image == kSmallFishImages[0] || image == kSmallFishImages[1]; }

}  // namespace

std::unique_ptr<DialogueFishing> DialogueFishing::Create() {
    auto game = std::make_unique<DialogueFishing>();
    StartGatheringFrame(game->alpha, game->line);
    game->total_small = Owned("Small fish");
    game->total_big = Owned("Big fish");
    return game;
}

int DialogueFishing::Distance() const { return static_cast<int>(std::fabs(Sin(2.0 * counter)) * 100); }

void DialogueFishing::UpdateCatch(float delta) {
    if (i_counter <= 0) return;
    i_counter -= delta;
    if (i_restart && i_counter < 100) {
        multiplier.Set(1, 60);  // the marker speeds up again
        i_restart = 0;
    }
    const double vx = Cos(i_angle) * i_speed * delta;
    const double vy = Sin(i_angle) * i_speed * delta;
    if (IsFish(i_image)) {
        i_trail += delta;
        if (i_trail > 10) {
            while (i_trail > 10) i_trail -= 10;
            // A fading copy where the fish was before this frame's move.
            auto copy = std::make_shared<ImageParticle>();
            copy->image = i_image;
            copy->x = static_cast<float>(static_cast<int>(i_x - vx));
            copy->y = static_cast<float>(static_cast<int>(i_y - vy - 12.5 * delta));
            copy->scale = 0.9f * (2 + std::max(i_counter / 100, 1.0f));
            copy->dir = i_scale;
            copy->angle = 90;
            copy->speed = 0.0001f;
            copy->gravity = 1;
            copy->alpha = 0.25f;
            copy->dec_speed = 0;
            copy->dec_alpha = 0.005f;
            ParticleList::AddParticle(copy, 0);
        }
    }
    i_x += static_cast<float>(vx);
    i_y += static_cast<float>(vy);
    i_speed -= 0.05f * delta;
    if (i_speed < 0) i_speed = 0;
    i_y += 12.5f * delta;  // the catch leaps up out of the water and falls back
}

void DialogueFishing::Land() {
    const int u = Distance();
    i_counter = 200;
    i_trail = 0;
    i_x = static_cast<float>(virtual_width / 2);
    i_y = static_cast<float>(virtual_height);
    i_restart = 1;
    i_scale = Rand(0, 1) == 0 ? -1.0f : 1.0f;
    i_angle = 260 + Rand(0, 20);
    i_speed = 19 + Rnd(0, 1);
    i_pos = u;
    if (u <= 10) {
        i_image = kBigFishImage;
        i_text = "You caught a big fish!";
        total_big++;
        AudioList::Play(106, 0, 1, 1);
    } else if (u <= 25) {
        i_image = kSmallFishImages[Rand(0, 1)];
        i_text = "You caught a small fish";
        total_small++;
        AudioList::Play(107, 0, 1, 1);
    } else {
        i_image = kJunkImages[Rand(0, 1)];
        i_text = "You caught some useless junk...";
        AudioList::Play(111, 0, 1, 1);
    }
    stop = 0;
}

int DialogueFishing::Update(float delta) {
    alpha.Update(delta);
    multiplier.Update(delta);
    line.Update(delta);
    UpdateGatheringTimer(delta, time, finish, alpha);
    UpdateCatch(delta);
    counter2 += delta;
    counter += delta * static_cast<float>(multiplier.Get()) * static_cast<float>(1 + 0.25 * Cos(counter2 / 2));
    if (wait <= 0) done = 1;
    if (finish && alpha.Get() <= 0) {
        if (total_small > 0) Profile::SetItem("Small fish", total_small);
        if (total_big > 0) Profile::SetItem("Big fish", total_big);
        return 1;
    }
    // Once the time is up no new cast starts; one already under way still lands.
    if (mouse_click && done && !finish) {
        multiplier.Set(0, 35);  // the marker brakes to a halt
        stop = 1;
        wait = 250;
        done = 0;
        mouse_armed = 0;
    }
    wait -= delta;
    if (stop && wait < 150 && i_counter <= 0) Land();
    return 0;
}

void DialogueFishing::Draw() {
    const float a = static_cast<float>(alpha.Get());
    const float cx = static_cast<float>(virtual_width / 2);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(a);
    SetColor(255, 255, 255);
    ImageList::DrawSimple(kGaugeImage, cx, static_cast<float>(virtual_height / 2));
    ImageList::DrawSimple(kMarkerImage, static_cast<float>(cx + Sin(2.0 * counter) * kMarkerSwing),
                          static_cast<float>(virtual_height / 2));
    DrawGatheringTitle("Click to stop. Try to get as close to the center as possible!",
                       static_cast<float>(line.Get()), a);
    DrawGatheringTime(time, finish, a);
    DrawGatheringCounter(0, "Big fish: ", total_big, a);
    DrawGatheringCounter(1, "Small fish: ", total_small, a);
    if (i_counter > 0) {
        SetColor(255, 255, 255);
        SetAlpha(a);
        SetScale(3 * i_scale, 3);
        ImageList::DrawSimple(i_image, i_x, i_y);
        SetScale(1, 1);
        FontList::SetFont(kCatchFont);
        const float top = static_cast<float>(virtual_height - 96);
        DrawShadowedCentred(i_text, cx, top, a);
        DrawShadowedCentred("Distance: " + std::to_string(i_pos), cx, top + static_cast<float>(TextHeight(i_text)), a);
    }
    if (finish) DrawTimeUp(a);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
}
