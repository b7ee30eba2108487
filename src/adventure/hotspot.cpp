#include "hotspot.h"

#include <algorithm>

#include "app.h"
#include "audio_list.h"
#include "dialogue.h"
#include "effects.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "location.h"
#include "particles.h"
#include "profile.h"

std::vector<HotspotPtr> hotspot_list;
Hotspot* clicked_hotspot = nullptr;
int hotspot_area_w = 1024;
int hotspot_area_h = 768;

namespace {
const int kHoverSound = 105;
const int kDialogueClickSound = 104;
const int kSparkleImage = 16;

// A random int between centre - extent and centre + extent, the bounds truncated toward zero.
int RandAround(int centre, int size, float share) {
    const float extent = static_cast<float>(size) * share;
    const float c = static_cast<float>(centre);
    return Rand(static_cast<int>(c - extent), static_cast<int>(c + extent));
}

// Where hotspots overlap, only the one drawn in front takes the pointer. While the list updates
// its hotspots it names that one here (null: the pointer is on none); a hotspot updated on its own
// tests the pointer for itself.
bool pointer_owner_known = false;
const Hotspot* pointer_owner = nullptr;

bool PointerOn(const Hotspot& h, int ox, int oy) {
    if (!h.MouseOver(ox, oy, 1.0f)) return false;
    return !pointer_owner_known || pointer_owner == &h;
}

// The drawing order: lower on the screen is drawn later, in front.
void SortForDrawing() {
    std::stable_sort(hotspot_list.begin(), hotspot_list.end(),
                     [](const HotspotPtr& a, const HotspotPtr& b) { return a->y < b->y; });
}

// The front-most hotspot under the pointer that is not fading out (decorations included: what is
// drawn on top is what the player points at).
const Hotspot* FrontHotspotUnderPointer(int ox, int oy) {
    for (auto it = hotspot_list.rbegin(); it != hotspot_list.rend(); ++it) {
        const Hotspot& h = **it;
        if (h.alpha.destination > 0 && h.MouseOver(ox, oy, 1.0f)) return &h;
    }
    return nullptr;
}

// Updates every hotspot of a snapshot of the list with the pointer given to the front-most one.
template <class F>
void UpdateWithPointerOwner(int ox, int oy, F update) {
    SortForDrawing();
    const std::vector<HotspotPtr> snapshot = hotspot_list;
    pointer_owner = FrontHotspotUnderPointer(ox, oy);
    pointer_owner_known = true;
    for (const HotspotPtr& h : snapshot) update(*h);
    pointer_owner_known = false;
    pointer_owner = nullptr;
}
}  // namespace

void Hotspot::InitFrom(const LocationHotspot& lh, HotspotCallback callback) {
    image = lh.image;
    scale = lh.scale;
    name = lh.name;
    x = lh.x;
    y = lh.y;
    w = lh.w;
    h = lh.h;
    if (w == 0 || h == 0) {
        if (std::optional<Area> size = ImageList::GetSize(image)) {
            w = size->w;
            h = size->h;
        }
    }
    alpha.Set(1, 50);
    id = lh.id;
    Callback = std::move(callback);
}

void Hotspot::Inactivate() {
    active = 0;
    alpha.Set(0, 50);
}

void Hotspot::UpdateSparkle(float delta) {
    if (sparkles_dest == 0) sparkles_dest = static_cast<float>(Rand(500, 5000));
    sparkles += delta;
    if (sparkles <= sparkles_dest) return;
    sparkles = 0;
    sparkles_dest = 0;
    for (int i = 0; i < 4; ++i) {
        auto p = std::make_shared<DotParticle>();
        p->x = static_cast<float>(RandAround(x, w, 0.35f));
        p->y = static_cast<float>(RandAround(y, h, 0.35f));
        SetUpRisingSparkle(*p, 1, 3, 0.002f, 0.006f);
        ParticleList::AddParticle(p, 1);
    }
    for (int i = 0; i < 2; ++i) {
        auto p = std::make_shared<ImageParticle>();
        p->image = kSparkleImage;
        p->scale = 0.25f;
        p->x = static_cast<float>(RandAround(x, w, 0.25f));
        p->y = static_cast<float>(RandAround(y, h, 0.25f));
        SetUpRisingSparkle(*p, 2, 3, 0.003f, 0.007f);
        ParticleList::AddParticle(p, 1);
    }
}

void Hotspot::UpdatePassiveHighlight(float delta) {
    if (PointerOn(*this, 0, 0)) {
        if (!over) name_alpha.Set(1, 25);
        over = 1;
        counter += delta;
        CursorSparkles(delta);
    } else {
        if (over) name_alpha.Set(0, 15);
        over = 0;
        counter = 0;
    }
}

void Hotspot::UpdatePassive(float delta, int hide) {
    alpha.Update(delta);
    name_alpha.Update(delta);
    if (hide && over) {
        name_alpha.Set(0, 15);
        over = 0;
    }
    // Last: this may free the hotspot itself.
    if (!active && alpha.Get() == 0) HotspotList::RemoveHotspot(this);
}

void Hotspot::Actions() {
    if (!over || !mouse_click) return;
    clicked_hotspot = this;
    if (!Callback) return;
    if (click_sound > 0) AudioList::Play(click_sound, 0, 1, 1);
    Callback(*this);
}

void Hotspot::Update(float delta, int ox, int oy) {
    if (PointerOn(*this, ox, oy)) {
        if (!over) {
            AudioList::Play(kHoverSound, 0, 1, 1);
            name_alpha.Set(1, 25);
        }
        over = 1;
        counter += delta;
    } else {
        UpdateSparkle(delta);
        if (over) name_alpha.Set(0, 15);
        over = 0;
        counter = 0;
    }
    if (clicked_hotspot || !active) return;
    if (over) CursorSparkles(delta);
    Actions();
}

void Hotspot::DrawName(int ox, int oy) {
    if (name.empty() || name_alpha.Get() <= 0) return;
    int r = 0, g = 0, b = 0;
    GetColor(&r, &g, &b);
    SetColor(0, 0, 0);
    SetAlpha(static_cast<float>(name_alpha.Get() * alpha.Get()));
    SetScale(1, 1);
    FontList::SetFont(1);
    const int tw = TextWidth(name) / 2;
    const int th = TextHeight(name) / 2;
    DrawText(name, static_cast<float>(x + ox - tw + 2), static_cast<float>(y + oy - th + 2));
    SetColor(r, g, b);
    DrawText(name, static_cast<float>(x + ox - tw), static_cast<float>(y + oy - th));
}

void Hotspot::Draw(int, int) {}

namespace {
// How every kind of hotspot draws: its picture at its fade, then its caption.
void DrawHotspot(Hotspot& h, int ox, int oy) {
    const float a0 = GetAlpha();
    SetAlpha(static_cast<float>(h.alpha.Get()) * a0);
    SetScale(h.scale, h.scale);
    ImageList::DrawSimple(h.image, static_cast<float>(h.x + ox), static_cast<float>(h.y + oy));
    h.DrawName(ox, oy);
    SetAlpha(a0);
}
}  // namespace

void DialogueHotspot::Draw(int ox, int oy) { DrawHotspot(*this, ox, oy); }
void PortalHotspot::Draw(int ox, int oy) { DrawHotspot(*this, ox, oy); }
void ItemHotspot::Draw(int ox, int oy) { DrawHotspot(*this, ox, oy); }
void NullHotspot::Draw(int ox, int oy) { DrawHotspot(*this, ox, oy); }

std::shared_ptr<Hotspot> DialogueHotspot::Create(const LocationHotspot& lh, HotspotCallback callback) {
    auto h = std::make_shared<DialogueHotspot>();
    h->InitFrom(lh, std::move(callback));
    h->data = lh.dialogue;
    h->click_sound = kDialogueClickSound;
    h->condition = lh.condition;
    h->result = lh.result;
    return h;
}

std::shared_ptr<Hotspot> PortalHotspot::Create(const LocationHotspot& lh, HotspotCallback callback) {
    auto h = std::make_shared<PortalHotspot>();
    h->InitFrom(lh, std::move(callback));
    h->data = lh.location;
    h->condition = lh.condition;
    h->result = lh.result;
    return h;
}

std::shared_ptr<Hotspot> ItemHotspot::Create(const LocationHotspot& lh, HotspotCallback callback) {
    auto h = std::make_shared<ItemHotspot>();
    h->InitFrom(lh, std::move(callback));
    h->item = lh.item;
    h->number = lh.number;
    return h;
}

void ItemHotspot::Actions() {
    if (!over || !mouse_click) return;
    Profile::AddItem(item, number);
    Inactivate();
    if (Callback) Callback(*this);
}

std::shared_ptr<Hotspot> NullHotspot::Create(const LocationHotspot& lh) {
    auto h = std::make_shared<NullHotspot>();
    h->InitFrom(lh, nullptr);
    h->active = 0;
    return h;
}

void HotspotList::Initialize(int w, int h) {
    hotspot_list.clear();
    clicked_hotspot = nullptr;
    // A running dialogue keeps the captions following the pointer through this list.
    dialogue_update_highlights = HotspotList::UpdatePassiveHightlight;
    hotspot_area_w = w != 0 ? w : virtual_width;
    hotspot_area_h = h != 0 ? h : virtual_height;
}

Hotspot* HotspotList::GetHotspot(int id) {
    for (const HotspotPtr& h : hotspot_list) {
        if (h->id == id) return h.get();
    }
    return nullptr;
}

void HotspotList::AddHotspot(HotspotPtr h) { hotspot_list.push_back(std::move(h)); }

void HotspotList::RemoveHotspot(Hotspot* h) {
    if (clicked_hotspot == h) clicked_hotspot = nullptr;
    auto it = std::find_if(hotspot_list.begin(), hotspot_list.end(),
                           [h](const HotspotPtr& p) { return p.get() == h; });
    if (it != hotspot_list.end()) hotspot_list.erase(it);
}

// The per-hotspot passes below run over a snapshot: a hotspot may remove itself (fade-out done) or
// a callback may rebuild the list (a location change), and the snapshot keeps every object alive
// until the pass is over.
void HotspotList::UpdatePassive(float delta, int hide) {
    const std::vector<HotspotPtr> snapshot = hotspot_list;
    for (const HotspotPtr& h : snapshot) h->UpdatePassive(delta, hide);
}

void HotspotList::UpdatePassiveHightlight(float delta) {
    UpdateWithPointerOwner(0, 0, [delta](Hotspot& h) { h.UpdatePassiveHighlight(delta); });
}

void HotspotList::Update(float delta, int xpos, int ypos) {
    const int cx = (hotspot_area_w - virtual_width) / 2 - xpos;
    const int cy = (hotspot_area_h - virtual_height) / 2 - ypos;
    UpdateWithPointerOwner(cx, cy, [delta, cx, cy](Hotspot& h) { h.Update(delta, cx, cy); });
}

void HotspotList::Draw(int xpos, int ypos) {
    SortForDrawing();
    const int ox = xpos - (hotspot_area_w - virtual_width) / 2;
    const int oy = ypos - (hotspot_area_h - virtual_height) / 2;
    for (const HotspotPtr& h : hotspot_list) h->Draw(ox, oy);
}

void HotspotList::Synchronize(const Location* location, const HotspotCallback& on_dialogue,
                              const HotspotCallback& on_portal, const HotspotCallback& on_item) {
    if (!location) return;
    for (const LocationHotspot& lh : location->hotspots) {
        Hotspot* h = GetHotspot(lh.id);
        const bool visible = lh.visible.empty() || Profile::GetFlagValue(lh.visible) == lh.value;
        if (h) {
            if (h->active && !visible) h->Inactivate();
            continue;
        }
        if (!visible) continue;
        if (Profile::GetItem(lh.item)) continue;  // an owned item is not offered again
        HotspotPtr created;
        if (lh.dialogue != 0) {
            created = DialogueHotspot::Create(lh, on_dialogue);
        } else if (lh.location != 0) {
            created = PortalHotspot::Create(lh, on_portal);
        } else if (!lh.item.empty()) {
            created = ItemHotspot::Create(lh, on_item);
        } else {
            created = NullHotspot::Create(lh);
        }
        AddHotspot(std::move(created));
    }
}
