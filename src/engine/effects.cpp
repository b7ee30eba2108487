#include "effects.h"

#include <cmath>
#include <memory>

#include "app.h"
#include "graphics.h"
#include "image_list.h"
#include "particles.h"

float cursor_sparkle_time = 0;

namespace {

constexpr int kSparkImage = 16;
constexpr int kStarImage = 18;

void RandomColour(DotParticle* p) {
    p->r = Rand(128, 255);
    p->g = Rand(128, 255);
    p->b = Rand(128, 255);
}

}  // namespace

void BurstDots(float x, float y, float radius) {
    auto p = std::make_shared<DotParticle>();
    SetUpSpark(*p, x, y, radius, 1, 6, 12, 0.035f, 0.04f);
    ParticleList::AddParticle(p, 0);
}

void BurstImages(float x, float y, float radius) {
    auto p = std::make_shared<ImageParticle>();
    p->image = kSparkImage;
    p->scale = 1;
    SetUpSpark(*p, x, y, radius, 1, 4, 8, 0.025f, 0.03f);
    ParticleList::AddParticle(p, 0);
}

void CursorSparkles(float dt) {
    cursor_sparkle_time += dt;
    while (cursor_sparkle_time >= 4) {
        cursor_sparkle_time -= 4;
        const float x = static_cast<float>(mouse_x + Rand(4, 24));
        const float y = static_cast<float>(mouse_y + 8 + Rand(8, 16));
        const int c = Rand(0, 999);
        std::shared_ptr<DotParticle> p;
        if (c > 800) {
            auto image = std::make_shared<ImageParticle>();
            image->image = c > 900 ? kSparkImage : kStarImage;
            image->scale = 0.5f;
            image->dec_speed = 0.03f;
            image->dec_alpha = 0.01f;
            p = image;
        } else {
            p = std::make_shared<DotParticle>();
            p->dec_speed = 0.035f;
            p->dec_alpha = 0.008f;
        }
        p->x = x;
        p->y = y;
        p->angle = 90;
        p->speed = Rnd(3, 5);
        p->alpha = 0.75f;
        RandomColour(p.get());
        ParticleList::AddParticle(p, 0);
    }
}

int CloudLayerX(float counter, float offset, float divisor, float period, float margin) {
    return static_cast<int>(std::fmod((static_cast<double>(counter) + offset) / divisor, static_cast<double>(period)) -
                            margin);
}

void CloudEffect::Update(float dt) { counter += dt * scale; }

void CloudEffect::Draw(float, float) {
    SetScale(scale, scale);
    SetAlpha(0.25f);
    ImageList::DrawSimple(353, static_cast<float>(CloudLayerX(counter, 0, 3, 2048, 256)), static_cast<float>(ystart));
    SetAlpha(0.4f);
    ImageList::DrawSimple(353, static_cast<float>(CloudLayerX(counter, 2048, 2.5f, 1792, 256)),
                          static_cast<float>(static_cast<int>(ystart + 12 * scale)));
    SetAlpha(0.5f);
    ImageList::DrawSimple(352, static_cast<float>(CloudLayerX(counter, 0, 2, 1536, 256)),
                          static_cast<float>(static_cast<int>(ystart + 20 * scale)));
    SetScale(1, 1);
}

void BigCloudEffect::Update(float dt) { counter += dt; }

void BigCloudEffect::Draw(float ox, float oy) {
    SetAlpha(0.4f);
    ImageList::DrawSimple(352, CloudLayerX(counter, 0, 3, 2048, 512) + ox, oy + 76);
    SetAlpha(0.35f);
    ImageList::DrawSimple(352, CloudLayerX(counter, 4096, 5, 2048, 512) + ox, oy + 300);
    SetAlpha(0.25f);
    const int x = CloudLayerX(counter, 2048, 4, 2560, 1024);
    ImageList::DrawSimple(350, x + ox, oy + 500);
    ImageList::DrawSimple(351, x + 256 + ox, oy + 500);
}
