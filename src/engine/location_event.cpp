#include "location_event.h"

#include <algorithm>
#include <cmath>

#include "audio_list.h"
#include "chapter.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "location.h"
#include "particles.h"
#include "profile.h"

namespace {
const int kMoveSound = 109;
const int kSparkleImage = 16;
const int kBannerFont = 4;
const char* const kBanner = "New location";

float Distance(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

void SetUpMoveSparkle(DotParticle& p, float speed_min, float speed_max, float dec_min, float dec_max) {
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
}  // namespace

int ClampScroll(float value, int size, int screen) {
    if (size <= screen) return 0;
    const float low = static_cast<float>((screen - size) / 2 - 1);
    const float high = static_cast<float>((size - screen) / 2);
    return static_cast<int>(std::min(std::max(value, low), high));
}

int LocationEvent::CheckXPos(float x) const { return ClampScroll(x, width, virtual_width); }
int LocationEvent::CheckYPos(float y) const { return ClampScroll(y, height, virtual_height); }

void LocationEvent::Create() {
    if (const ChapterData* chapter = ChapterList::GetChapter()) {
        Chapter::Create(chapter->bg, chapter->title, chapter->text, LocationEvent::Create);
        return;
    }
    const Location* target = LocationList::GetLocation(location);
    if (!target) Fatal("Error: Location " + std::to_string(location) + " does not exist!");
    if (target->special > 0) {
        // The ranch (1), the battle (2) and the ending (3) are scenes of their own; none of them is
        // part of this build yet, so reaching one is the unsupported-id error.
        Fatal("Error: Special location id " + std::to_string(target->special) + " doesn't exist!");
    }
    auto scene = std::make_unique<LocationEvent>();
    switch (target->effect) {
        case 1: scene->fx = std::make_unique<CloudEffect>(); break;
        case 2: scene->fx = std::make_unique<BigCloudEffect>(); break;
        case 3: {
            auto clouds = std::make_unique<CloudEffect>();
            clouds->ystart = 32;
            clouds->scale = 0.5f;
            scene->fx = std::move(clouds);
            break;
        }
        default: break;
    }
    SwitchEvent(std::move(scene));
}

int LocationEvent::PreState(float dt) {
    GameEvent::PreState(dt);
    if (fx) fx->Update(dt);
    return 0;
}

void LocationEvent::StartMove() {
    move_rx = width / 2 - Profile::GetFlagValue("Misc-MoveToX");
    move_ry = height / 2 - Profile::GetFlagValue("Misc-MoveToY");
    move_x = CheckXPos(static_cast<float>(move_rx));
    move_y = CheckYPos(static_cast<float>(move_ry));
    move_counter = Distance(xpos, ypos, static_cast<float>(move_x), static_cast<float>(move_y));
    move_wait = 100;
    move_fx = 0;
    move_to = 1;
    move_alpha.Set(1, 100);
    Profile::SetFlag("Misc-MoveEnabled", 0);
    Profile::SetFlag("Misc-MoveToX", 0);
    Profile::SetFlag("Misc-MoveToY", 0);
    AudioList::Play(kMoveSound, 0, 1, 1);
}

void LocationEvent::EmitMoveSparkles() {
    for (int i = 0; i < 2; ++i) {
        auto p = std::make_shared<DotParticle>();
        p->x = static_cast<float>(width / 2 - Rand(move_rx - 48, move_rx + 48));
        p->y = static_cast<float>(height / 2 - Rand(move_ry - 48, move_ry + 48));
        SetUpMoveSparkle(*p, 1, 3, 0.002f, 0.006f);
        ParticleList::AddParticle(p, 1);
    }
    auto p = std::make_shared<ImageParticle>();
    p->image = kSparkleImage;
    p->scale = 0.25f;
    p->x = static_cast<float>(width / 2 - Rand(move_rx - 32, move_rx + 32));
    p->y = static_cast<float>(height / 2 - Rand(move_ry - 32, move_ry + 32));
    SetUpMoveSparkle(*p, 2, 3, 0.003f, 0.007f);
    ParticleList::AddParticle(p, 1);
}

void LocationEvent::UpdateMove(float dt) {
    move_alpha.Update(dt);
    move_fx += dt;
    while (move_fx > 7) {
        move_fx -= 7;
        EmitMoveSparkles();
    }
    if (move_counter > 0) {
        const float d = Distance(xpos, ypos, static_cast<float>(move_x), static_cast<float>(move_y));
        const float step = std::min(d, 32.0f) * dt / 32.0f;
        const int a = AngleBetween(static_cast<float>(static_cast<int>(xpos)), static_cast<float>(static_cast<int>(ypos)),
                                   static_cast<float>(move_x), static_cast<float>(move_y));
        const double rad = a * M_PI / 180.0;
        xpos += static_cast<float>(std::cos(rad)) * step;
        ypos += static_cast<float>(std::sin(rad)) * step;
        move_counter -= step;
        if (!(move_counter > 0)) move_alpha.Set(0, static_cast<int>(move_wait));
    } else {
        move_wait -= dt;
        if (!(move_wait > 0)) move_to = 0;
    }
}

int LocationEvent::StateNormal(float dt) {
    if (Profile::GetFlagValue("Misc-SetCoords") == 1) {
        Profile::SetFlag("Misc-SetCoords", 2);
        xpos = ypos = 0;
        const int old_location = Profile::GetFlagValue("OldLocation");
        if (current_location) {
            for (const LocationHotspot& lh : current_location->hotspots) {
                if (lh.location != old_location) continue;
                xpos = static_cast<float>(CheckXPos(static_cast<float>(width / 2 - lh.x)));
                ypos = static_cast<float>(CheckYPos(static_cast<float>(height / 2 - lh.y)));
                break;
            }
        }
    }
    if (Profile::GetFlagValue("Misc-MoveEnabled") > 0) StartMove();
    if (move_to == 1) {
        UpdateMove(dt);
        return 0;
    }
    if (GameEvent::StateNormal(dt)) return 1;

    if (dragging) {
        if (!mouse_click) {
            dragging = 0;
        } else {
            xpos = drag_x + static_cast<float>(mouse_x - drag_mx);
            ypos = drag_y + static_cast<float>(mouse_y - drag_my);
        }
    } else if (mouse_click) {
        if (action_ok) {
            action_ok = 0;
            dragging = 1;
            drag_x = xpos;
            drag_y = ypos;
            drag_mx = mouse_x;
            drag_my = mouse_y;
        }
    } else {
        action_ok = 1;
        if (mouse_x < 32) {
            xpos += 4 * dt;
        } else if (mouse_x >= 992) {
            xpos -= 4 * dt;
        }
        if (mouse_y < 32) {
            ypos += 4 * dt;
        } else if (mouse_y >= 736) {
            ypos -= 4 * dt;
        }
    }
    xpos = static_cast<float>(CheckXPos(xpos));
    ypos = static_cast<float>(CheckYPos(ypos));
    return 0;
}

void LocationEvent::DrawPostHotspots() {
    if (fx) fx->Draw(static_cast<float>(static_cast<int>(xpos)), static_cast<float>(static_cast<int>(ypos)));
    if (!move_to) return;
    const float a0 = GetAlpha();
    int r = 255, g = 255, b = 255;
    GetColor(&r, &g, &b);
    FontList::SetFont(kBannerFont);
    SetAlpha(static_cast<float>(move_alpha.Get()));
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    const int w = TextWidth(kBanner);
    SetColor(0, 0, 0);
    DrawText(kBanner, static_cast<float>((virtual_width - w) / 2 + 4), 68);
    SetColor(255, 255, 255);
    DrawText(kBanner, static_cast<float>((virtual_width - w) / 2), 64);
    SetColor(r, g, b);
    SetAlpha(a0);
}
