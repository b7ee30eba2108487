#include "dialogue_berries.h"

#include "app.h"
#include "audio_list.h"
#include "gathering_frame.h"
#include "graphics.h"
#include "image_list.h"
#include "profile.h"

namespace {

constexpr int kBushImage = 56;
constexpr int kBerryImage = 612;
constexpr int kLeafImage = 10000;  // 10000-10003, one picked at random per leaf
constexpr int kBerrySound = 106;
constexpr int kLeafSound = 105;

void AddColumn(std::vector<BerryLocation>& leaves, int count, int x0, int y0, int step) {
    for (int i = 0; i < count; ++i) {
        BerryLocation leaf;
        leaf.image = kLeafImage + Rand(0, 3);
        leaf.w = leaf.h = 48;
        leaf.berry = Rand(0, 999) >= 750 ? 1 : 0;
        leaf.x = x0 + Rand(0, 12);
        leaf.y = y0 + step * i + Rand(0, 12);
        leaves.push_back(leaf);
    }
}

}  // namespace

std::unique_ptr<DialogueBerries> DialogueBerries::Create() {
    auto game = std::make_unique<DialogueBerries>();
    StartGatheringFrame(game->alpha, game->line);
    const int cx = virtual_width / 2;
    const int cy = virtual_height / 2;
    AddColumn(game->berries, 6, cx - 44, cy - 142, 36);
    AddColumn(game->berries, 9, cx - 6, cy - 244, 38);
    AddColumn(game->berries, 6, cx + 32, cy - 142, 36);
    auto owned = Profile::GetItem("Berries");
    game->total_berries = owned ? owned->number : 0;
    mouse_armed = 0;
    return game;
}

void DialogueBerries::UpdateLeaf(BerryLocation& leaf, float delta) {
    if (leaf.wait > 0) {
        leaf.wait -= delta;
        return;
    }
    const bool moving = !leaf.rotate.Stopped();
    leaf.rotate.Update(delta);
    if (!moving || !leaf.rotate.Stopped()) return;
    if (leaf.rotate.Get() != 0) {
        // Turned aside: it swings back after a pause, and the berry under it is picked.
        leaf.rotate.Set(0, 25);
        leaf.wait = 50;
        if (leaf.berry) {
            leaf.berry = 0;
            BurstFind(static_cast<float>(leaf.x), static_cast<float>(leaf.y));
            AudioList::Play(kBerrySound, 0, 1, 1);
            total_berries++;
        }
    } else {
        leaf.clicked = 0;
    }
}

int DialogueBerries::Update(float delta) {
    alpha.Update(delta);
    line.Update(delta);
    for (BerryLocation& leaf : berries) UpdateLeaf(leaf, delta);
    for (BerryLocation& leaf : berries) {
        if (click_wait > 0 || !mouse_armed || !mouse_click || leaf.clicked || done) continue;
        if (!leaf.Inside(mouse_x, mouse_y, 1.0f)) continue;
        leaf.rotate.Set(Rand(0, 1) == 0 ? 90.0f : -90.0f, 50);
        leaf.clicked = 1;
        mouse_armed = 0;
        click_wait = 100;
        AudioList::Play(kLeafSound, 0, 1, 1);
    }
    if (click_wait > 0) click_wait -= delta;
    UpdateGatheringTimer(delta, time, done, alpha);
    if (done && alpha.Get() <= 0) {
        Profile::SetItem("Berries", total_berries);
        return 1;
    }
    return 0;
}

void DialogueBerries::Draw() {
    const float a = static_cast<float>(alpha.Get());
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(a);
    SetColor(255, 255, 255);
    ImageList::DrawSimple(kBushImage, static_cast<float>(virtual_width / 2), static_cast<float>(virtual_height / 2));
    for (const BerryLocation& leaf : berries) {
        if (leaf.berry) ImageList::DrawSimple(kBerryImage, static_cast<float>(leaf.x), static_cast<float>(leaf.y));
    }
    for (const BerryLocation& leaf : berries) {
        SetRotation(static_cast<float>(leaf.rotate.Get()));
        ImageList::DrawSimple(leaf.image, static_cast<float>(leaf.x + leaf.xmod.Get()),
                              static_cast<float>(leaf.y + leaf.ymod.Get()));
    }
    SetRotation(0);
    DrawGatheringTitle("Click the leaves to search for berries!", static_cast<float>(line.Get()), a);
    DrawGatheringTime(time, done, a);
    DrawGatheringCounter(0, "Berries: ", total_berries, a);
    if (done) DrawTimeUp(a);
    SetColor(255, 255, 255);
    SetAlpha(1);
}
