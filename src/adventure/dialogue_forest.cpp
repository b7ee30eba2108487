#include "dialogue_forest.h"

#include <algorithm>
#include <cmath>

#include "app.h"
#include "audio_list.h"
#include "gathering_frame.h"
#include "graphics.h"
#include "image_list.h"
#include "profile.h"

namespace {

constexpr int kForestImage = 57;   // 1024 x 512, shown at half size
constexpr int kLensImage = 58;
constexpr int kFindSound = 107;
constexpr int kLocationCount = 12;
constexpr int kSpotBox = 32;       // two finds may not share a 32 x 32 box
constexpr int kCrownTries = 16;
// Mushrooms are retried until their spot is free. With every find on the ground the strip can fill
// up before the twelfth; after this many tries the last spot is taken rather than looping forever.
constexpr int kGroundTries = 1000;
constexpr int kLensSource = 96;    // square of the full-size picture under the pointer
constexpr float kLensScale = 1.5f;
constexpr int kLensGlassRadius = 74;  // reaches just under the lens picture's rim (radius 72 to 88)
constexpr int kLensBand = 3;

int Owned(const char* name) {
    auto item = Profile::GetItem(name);
    return item ? item->number : 0;
}

}  // namespace

std::unique_ptr<DialogueForest> DialogueForest::Create() {
    auto game = std::make_unique<DialogueForest>();
    StartGatheringFrame(game->alpha, game->line);
    game->total_mushrooms = Owned("Mushroom");
    game->total_acorns = Owned("Acorns");
    mouse_armed = 0;
    game->x = virtual_width / 2;
    game->y = virtual_height / 2;
    game->PlaceItems();
    return game;
}

void DialogueForest::PlaceItems() {
    auto free_spot = [this](int px, int py) {
        for (const ForestLocation& other : items) {
            if (RectsOverlap(px, py, kSpotBox, kSpotBox, other.x, other.y, kSpotBox, kSpotBox)) return false;
        }
        return true;
    };
    for (int i = 0; i < kLocationCount; ++i) {
        ForestLocation spot;
        spot.dir = Rand(0, 1) == 0 ? -1 : 1;
        spot.w = spot.h = 48;
        if (Rand(0, 1) == 0) {
            spot.image = kAcornImage;
            int crown = Rand(0, 4);
            if (crown == 3) crown = 0;
            if (crown == 4) crown = 2;
            for (int attempt = 0; attempt < kCrownTries; ++attempt) {
                if (crown == 0) {
                    spot.x = Rand(64, 160);
                    spot.y = Rand(80, 192);
                } else if (crown == 1) {
                    spot.x = Rand(212, 300);
                    spot.y = Rand(102, 192);
                } else {
                    spot.x = Rand(344, 458);
                    spot.y = Rand(92, 192);
                }
                if (free_spot(spot.x, spot.y)) break;
            }
        } else {
            spot.image = kMushroomImage;
            for (int attempt = 0; attempt < kGroundTries; ++attempt) {
                spot.x = Rand(32, 480);
                spot.y = 240 - Rand(8, 24);
                if (free_spot(spot.x, spot.y)) break;
            }
        }
        items.push_back(spot);
    }
}

int DialogueForest::FindAt(int px, int py) const {
    for (size_t i = 0; i < items.size(); ++i) {
        const double dx = Left() + items[i].x - px;
        const double dy = Top() + items[i].y - py;
        const double distance = std::sqrt(dx * dx + dy * dy);
        if (1.0 - distance / 10.0 > 0.1) return static_cast<int>(i);
    }
    return -1;
}

int DialogueForest::Update(float delta) {
    alpha.Update(delta);
    line.Update(delta);
    over = (mouse_x >= Left() + 24 && mouse_x < Left() + w - 24 && mouse_y >= Top() + 24 &&
            mouse_y < Top() + h - 24)
               ? 1
               : 0;
    UpdateGatheringTimer(delta, time, finish, alpha);
    if (finish) {
        // Once the time is up nothing more is found; the counts are written when the fade ends.
        if (alpha.Get() > 0) return 0;
        if (total_mushrooms > 0) Profile::SetItem("Mushroom", total_mushrooms);
        if (total_acorns > 0) Profile::SetItem("Acorns", total_acorns);
        return 1;
    }
    if (over && mouse_click && mouse_armed) {
        const int found = FindAt(mouse_x, mouse_y);
        if (found >= 0) {
            const ForestLocation& spot = items[static_cast<size_t>(found)];
            if (spot.image == kAcornImage) {
                total_acorns++;
            } else {
                total_mushrooms++;
            }
            BurstFind(static_cast<float>(Left() + spot.x), static_cast<float>(Top() + spot.y));
            items.erase(items.begin() + found);
            mouse_armed = 0;
            AudioList::Play(kFindSound, 0, 1, 1);
        }
    }
    return 0;
}

void DialogueForest::Draw() {
    const float a = static_cast<float>(alpha.Get());
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(a);
    SetColor(0, 0, 0);
    DrawRect(static_cast<float>(Left() - 2), static_cast<float>(Top() - 2), static_cast<float>(w + 4),
             static_cast<float>(h + 4));
    SetColor(255, 255, 255);
    SetScale(0.5f, 0.5f);
    ImageList::DrawSimple(kForestImage, static_cast<float>(x), static_cast<float>(y));
    SetScale(1, 1);

    DrawGatheringTitle("Search for mushrooms and acorns!", static_cast<float>(line.Get()), a);
    DrawGatheringTime(time, finish, a);
    DrawGatheringCounter(0, "Mushrooms: ", total_mushrooms, a);
    DrawGatheringCounter(1, "Acorns: ", total_acorns, a);
    if (over) DrawLens();
    if (finish) DrawTimeUp(a);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
}

void DialogueForest::DrawLens() const {
    const float a = static_cast<float>(alpha.Get());
    const int picture_w = ImageList::GetWidth(kForestImage);
    const int picture_h = ImageList::GetHeight(kForestImage);
    const int sx = std::clamp((mouse_x - Left()) * 2 - kLensSource / 2, 0, std::max(0, picture_w - kLensSource));
    const int sy = std::clamp((mouse_y - Top()) * 2 - kLensSource / 2, 0, std::max(0, picture_h - kLensSource));
    const int half = static_cast<int>(kLensSource * kLensScale) / 2;
    // The finds near enough to show, with their opacity.
    struct Shown {
        const ForestLocation* spot;
        float dx, dy, opacity;
    };
    std::vector<Shown> shown;
    for (const ForestLocation& spot : items) {
        const float dx = static_cast<float>(Left() + spot.x - mouse_x);
        const float dy = static_cast<float>(Top() + spot.y - mouse_y);
        const float opacity = 1 - std::sqrt(dx * dx + dy * dy) / 24;
        if (opacity > 0) shown.push_back({&spot, dx, dy, opacity * a});
    }
    // The magnified view and the finds in it fill the round glass: they are drawn in thin bands,
    // each clipped to the circle's width there (the lens's rim covers the bands' stepped ends).
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    for (int band = 0; band < 2 * half; band += kLensBand) {
        const int near_centre = std::min(std::abs(band - half), std::abs(band + kLensBand - half));
        const int reach = kLensGlassRadius * kLensGlassRadius - near_centre * near_centre;
        if (reach <= 0) continue;
        const int chord = static_cast<int>(std::sqrt(static_cast<float>(reach)));
        SetViewport(mouse_x - chord, mouse_y - half + band, 2 * chord, kLensBand);
        SetAlpha(a);
        SetScale(kLensScale, kLensScale);
        ImageList::DrawSimpleRect(kForestImage, sx, sy, kLensSource, kLensSource, static_cast<float>(mouse_x),
                                  static_cast<float>(mouse_y));
        for (const Shown& find : shown) {
            SetAlpha(find.opacity);
            SetScale(kLensScale * static_cast<float>(find.spot->dir), kLensScale);
            ImageList::DrawSimple(find.spot->image, mouse_x + 2.85f * find.dx, mouse_y + 2.85f * find.dy);
        }
    }
    SetViewport(0, 0, kVirtualWidth, kVirtualHeight);
    SetScale(1, 1);
    SetAlpha(a);
    ImageList::DrawSimple(kLensImage, static_cast<float>(mouse_x), static_cast<float>(mouse_y));
}
