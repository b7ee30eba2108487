#include "particles.h"

#include <algorithm>
#include <cmath>

#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"

namespace {

std::vector<ParticlePtr> screen_particles;
std::vector<ParticlePtr> scene_particles;

constexpr double kDegrees = 3.14159265358979323846 / 180.0;

void UpdateAll(std::vector<ParticlePtr>& list, float dt) {
    // A particle's Update may add particles (to either list): walk a copy, then drop the dead.
    const std::vector<ParticlePtr> current = list;
    std::vector<const Particle*> dead;
    for (const ParticlePtr& p : current)
        if (p->Update(dt) == 0) dead.push_back(p.get());
    if (dead.empty()) return;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&dead](const ParticlePtr& p) {
                                  return std::find(dead.begin(), dead.end(), p.get()) != dead.end();
                              }),
               list.end());
}

}  // namespace

int DotParticle::Update(float dt) {
    const double step = static_cast<double>(speed) * dt / 10.0;
    x += static_cast<float>(std::cos(angle * kDegrees) * step);
    y += static_cast<float>(std::sin(angle * kDegrees) * step);
    speed = std::max(0.0f, speed - dec_speed * dt);
    if (max_alpha > 0) {
        alpha += inc_alpha * dt;
        if (alpha >= max_alpha) {
            alpha = max_alpha;
            max_alpha = 0;
        }
    } else {
        alpha -= dec_alpha * dt;
    }
    return alpha > 0 && speed > 0 ? 1 : 0;
}

void DotParticle::Draw(float ox, float oy) {
    SetBlend(LIGHTBLEND);
    SetColor(r, g, b);
    SetScale(1, 1);
    const int halo = size + 2;
    SetAlpha(alpha / 2);
    DrawRect(x - static_cast<float>(halo / 2) + ox, y - static_cast<float>(halo / 2) + oy, static_cast<float>(halo),
             static_cast<float>(halo));
    SetAlpha(alpha);
    DrawRect(x - static_cast<float>(size / 2) + ox, y - static_cast<float>(size / 2) + oy, static_cast<float>(size),
             static_cast<float>(size));
}

void ImageParticle::Draw(float ox, float oy) {
    SetBlend(LIGHTBLEND);
    SetColor(r, g, b);
    SetScale(scale * dir, scale);
    SetAlpha(alpha);
    ImageList::DrawSimple(image, static_cast<float>(static_cast<int>(x + ox)), static_cast<float>(static_cast<int>(y + oy)));
    SetScale(1, 1);
}

void TextParticle::Draw(float ox, float oy) {
    (void)ox;
    (void)oy;
    SetBlend(LIGHTBLEND);
    SetColor(r, g, b);
    SetScale(1, 1);
    SetAlpha(alpha);
    FontList::SetFont(font);
    DrawText(text, x - static_cast<float>(w / 2), y - static_cast<float>(h / 2));
}

void ParticleList::AddParticle(ParticlePtr p, int scene) {
    if (!p) return;
    (scene != 0 ? scene_particles : screen_particles).push_back(std::move(p));
}

void ParticleList::Update(float dt) {
    UpdateAll(screen_particles, dt);
    UpdateAll(scene_particles, dt);
}

void ParticleList::Draw(float ox, float oy) {
    for (const ParticlePtr& p : screen_particles) p->Draw(0, 0);
    for (const ParticlePtr& p : scene_particles) p->Draw(ox, oy);
}

void ParticleList::Clear() {
    screen_particles.clear();
    scene_particles.clear();
}

Particle* ParticleList::GetParticle(const std::string& id) {
    for (const ParticlePtr& p : screen_particles)
        if (p->id == id) return p.get();
    for (const ParticlePtr& p : scene_particles)
        if (p->id == id) return p.get();
    return nullptr;
}

const std::vector<ParticlePtr>& ParticleList::ScreenParticles() { return screen_particles; }

const std::vector<ParticlePtr>& ParticleList::SceneParticles() { return scene_particles; }

std::shared_ptr<TextParticle> MeasuredTextParticle(int font, const std::string& text) {
    auto p = std::make_shared<TextParticle>();
    p->font = font;
    p->text = text;
    FontList::SetFont(font);
    p->w = TextWidth(text);
    p->h = TextHeight(text);
    return p;
}

void SetUpSpark(DotParticle& p, float x, float y, float radius, float gravity, float speed_min, float speed_max,
                float dec_speed, float dec_alpha) {
    constexpr double kDegrees = 3.14159265358979323846 / 180.0;
    p.angle = Rand(0, 359);
    p.x = x + static_cast<float>(std::cos(p.angle * kDegrees) * radius);
    p.y = y + static_cast<float>(std::sin(p.angle * kDegrees) * radius);
    p.gravity = gravity;
    p.speed = Rnd(speed_min, speed_max);
    p.alpha = 1;
    p.dec_speed = dec_speed;
    p.dec_alpha = dec_alpha;
    p.r = Rand(128, 255);
    p.g = Rand(128, 255);
    p.b = Rand(128, 255);
}

void SetUpRisingSparkle(DotParticle& p, float speed_min, float speed_max, float dec_min, float dec_max) {
    p.angle = 270;
    p.speed = Rnd(speed_min, speed_max);
    p.alpha = 0;
    p.max_alpha = 0.5f;
    p.dec_speed = Rnd(dec_min, dec_max);
    p.dec_alpha = 0.006f;
    p.inc_alpha = 0.01f;
    p.r = Rand(128, 255);
    p.g = Rand(128, 255);
    p.b = Rand(128, 255);
}
