// Drawing an animal on the ranch and the particles that report its care.
#include <algorithm>
#include <cmath>

#include "animal.h"
#include "app.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "effects.h"
#include "particles.h"

namespace {

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

float SinDeg(double degrees) { return static_cast<float>(std::sin(degrees * kDegrees)); }

int Channel(float value) { return std::min(static_cast<int>(value), 255); }

}  // namespace

// Bursts around the pointer (feeding and grooming).
void BurstAnimalDots(int count, int radius) {
    for (int i = 0; i < count; i++) BurstDots(static_cast<float>(mouse_x), static_cast<float>(mouse_y), static_cast<float>(radius));
}

void BurstAnimalImages(int count, int radius) {
    for (int i = 0; i < count; i++) BurstImages(static_cast<float>(mouse_x), static_cast<float>(mouse_y), static_cast<float>(radius));
}

void Animal::NewTextParticle(const std::string& text, int red, int green, int blue) {
    auto p = MeasuredTextParticle(1, text);
    p->r = red;
    p->g = green;
    p->b = blue;
    p->x = static_cast<float>(Rand(static_cast<int>(x - 0.4f * w * scale), static_cast<int>(x + 0.4f * w * scale)));
    p->y = static_cast<float>(Rand(static_cast<int>(y - 0.25f * h * scale), y));
    p->angle = 270;
    p->speed = Rnd(3, 5);
    p->alpha = 1.0f;
    p->dec_speed = 0.035f;
    p->dec_alpha = 0.008f;
    ParticleList::AddParticle(p, 0);
}

void Animal::NewBreedingDotParticle() {
    auto p = std::make_shared<DotParticle>();
    SetUpSpark(*p, static_cast<float>(x), static_cast<float>(y), 32, 1, 5, 8, 0.035f, 0.008f);
    ParticleList::AddParticle(p, 0);
}

void Animal::NewBreedingImageParticle(int picture, int min_speed, int max_speed) {
    auto p = std::make_shared<ImageParticle>();
    p->image = picture;
    p->scale = 1.0f;
    SetUpSpark(*p, static_cast<float>(x), static_cast<float>(y), 32, 3, static_cast<float>(min_speed),
               static_cast<float>(max_speed), 0.025f, 0.01f);
    ParticleList::AddParticle(p, 0);
}

void Animal::Draw() {
    scale = static_cast<float>(y) / 768.0f;
    if (age < 6000) scale = (0.5f + age / 6000 * 0.5f) * scale;
    float a = static_cast<float>(alpha.Get());
    float brightness = static_cast<float>(screen_fade.Get());
    DrawAnimal(x, y, scale, a, direction, brightness, fade_level);
    DrawStatus(x, y, scale, a, direction, brightness, fade_level);
    if (breeding_counter > 0) {
        // A big red heart that swells and fades over the 500 units of mating.
        SetAlpha(0.75f * SinDeg((500 - breeding_counter) / (500.0f / 180.0f)));
        SetScale(8, 8);
        SetColor(255, 64, 64);
        ImageList::DrawSimple(19, x, y);
    }
}

void Animal::DrawAnimal(int px, int py, float draw_scale, float draw_alpha, float facing, float brightness, int grey) {
    int p = static_cast<int>(std::fmod(counter, 512.0f));
    int frame = p <= 63 ? static_cast<int>(SinDeg(180.0 / 64.0 * p) * 2.5f) : 0;
    int k = index;
    int body = 2300 + 4 * k + frame;
    int face = 2100 + k;
    int line_art = 2200 + 4 * k + frame;
    int top = 2000 + k;

    SetScale(draw_scale * facing, draw_scale);
    SetBlend(ALPHABLEND);
    SetAlpha(draw_alpha);
    if (mood >= 0) {
        SetColor(static_cast<int>(brightness * r), static_cast<int>(brightness * g), static_cast<int>(brightness * b));
    } else {
        // Unhappy animals pulse.
        float e = SinDeg(warning_counter * 4) * 0.5f + 1;
        SetColor(Channel(brightness * r * e), Channel(brightness * g * e), Channel(brightness * b * e));
    }
    ImageList::DrawSimple(body, px, py);
    ImageList::DrawSimple(face, px, py);

    SetBlend(LIGHTBLEND);
    SetAlpha(draw_alpha * 0.33f);
    ImageList::DrawSimple(body, px, py);
    ImageList::DrawSimple(face, px, py);

    SetColor(grey, grey, grey);
    SetAlpha(draw_alpha);
    SetBlend(ALPHABLEND);
    ImageList::DrawSimple(line_art, px, py);
    ImageList::DrawSimple(top, px, py);
}

void Animal::DrawStatus(int px, int py, float draw_scale, float draw_alpha, float facing, float brightness, int grey) {
    SetAlpha(draw_alpha);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    // The colour DrawAnimal leaves behind, set here too so the status draws the same on its own.
    SetColor(grey, grey, grey);

    // Health trend, behind the animal.
    if ((health > 0 && health_delta > 0) || (health < 0 && health_delta < 0)) {
        int icon = health < 0 ? 614 : (mood > 0.95f ? 615 : 613);
        float iy = py - draw_scale * h * 0.5f - 16;
        if (facing > 0) {
            ImageList::DrawSimple(icon, static_cast<int>(px - (draw_scale * w * 0.5f + 16)), static_cast<int>(iy));
        } else {
            SetScale(-1, 1);
            ImageList::DrawSimple(icon, static_cast<int>(px + draw_scale * w * 0.5f + 16), static_cast<int>(iy));
            SetScale(1, 1);
        }
    }

    // Food bar: a dim full-width background and the fill clipped to the food level, left-aligned.
    float s = std::min(draw_scale * 1.6f, 1.0f);
    SetScale(s, 0.75f * s);
    int bar_x = px;
    int bar_y = static_cast<int>(py + draw_scale * h * 0.25f);
    int dim = static_cast<int>(76 * brightness);
    SetColor(dim, dim, dim);
    SetAlpha(draw_alpha * 0.5f);
    ImageList::DrawSimple(676, bar_x, bar_y);
    int fill = static_cast<int>(std::clamp(food, 0.0f, 1.0f) * 126 + 2);
    int bright = static_cast<int>(255 * brightness);
    SetColor(bright, bright, bright);
    SetAlpha(draw_alpha);
    float left = bar_x - 64 * s;
    ImageList::DrawSimpleRect(676, 0, 0, fill, 32, static_cast<int>(left + fill * s / 2), bar_y);

    // Pregnancy clock.
    if (pregnant_counter > 0 && !(breeding_counter > 0)) {
        float cs = std::min(draw_scale * 1.4f, 1.0f);
        SetScale(cs, cs);
        ImageList::DrawSimple(10000, px, py);
        int minutes = static_cast<int>(pregnant_counter / 6000);
        int seconds = static_cast<int>(pregnant_counter / 100 - static_cast<float>(minutes * 60));
        std::string text = std::to_string(minutes) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds);
        FontList::SetFont(2);
        SetColor(0, 0, 0);
        DrawText(text, px - cs * TextWidth(text) / 2, py - cs * TextHeight(text) / 2 - 1);
    }
    SetScale(1, 1);
}
