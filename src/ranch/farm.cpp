#include "farm.h"

#include <algorithm>
#include <cstdlib>

#include "adventure_gui.h"
#include "animal.h"
#include "app.h"
#include "audio_list.h"
#include "farm_gui.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "item.h"
#include "profile.h"

namespace {
const int kPickSound = 100;   // picking up, snapping to a new place
const int kCellSound = 105;   // pointer enters a cell, an animal goes into storage
const int kFencePicture = 282;
const int kSnapDistance = 48;
const float kDoubleClickTime = 75;
const float kStoreScale = 0.25f;
const float kStoreHoverScale = 0.2625f;
const int kCountInk[3] = {74, 45, 24};

constexpr std::array<int, 4> kPenCounts = {0, 3, 6, 9};
constexpr std::array<int, 4> kExtensionFences = {0, 279, 280, 281};

int SlotX(int slot) { return 792 + 80 * slot; }
const int kSlotY = 144;

// Fades only when the target changes, so that a fade asked for every frame still takes its time.
void FadeTo(Interpolation& value, float target, int steps) {
    if (value.destination != target) value.Set(target, steps);
}

bool Near(int px, int py) { return std::abs(mouse_x - px) < kSnapDistance && std::abs(mouse_y - py) < kSnapDistance; }

// Moves `animal` to (x, y); 1 when that is a new place.
int MoveTo(Animal& animal, int x, int y) {
    const int moved = animal.x != x || animal.y != y;
    animal.x = x;
    animal.y = y;
    return moved;
}

// The first placed ranch animal under the pointer other than `except`.
std::shared_ptr<Animal> AnimalUnderPointer(const Animal* except) {
    for (const auto& a : animals) {
        if (a.get() != except && StandsInPen(*a) && a->MouseOver(0, 0, a->scale)) return a;
    }
    return nullptr;
}

int PenTaken(int pen, const Animal* ignore) {
    for (const auto& a : animals) {
        if (a.get() != ignore && a->position == pen) return 1;
    }
    return 0;
}

std::string CountText(int number) { return "x " + std::to_string(number); }
}  // namespace

int StandsInPen(const Animal& animal) { return animal.position >= 0 && animal.position < Farm::kPens; }

void Farm::Create() {
    auto farm = std::make_unique<Farm>();
    farm->UpdateItems();
    farm->SetLevel(Profile::GetFlagValue("Farm-Upgrade"));
    farm->PositionAnimals();
    FarmGUI::Activate();
    SwitchEvent(std::move(farm));
}

void Farm::SetLevel(int upgrade) {
    const int level = std::clamp(upgrade, 0, 3);
    nr_positions = kPenCounts[level];
    fence_extra = kExtensionFences[level];
}

void Farm::PositionAnimals() {
    for (const auto& a : animals) {
        // A pen number outside the nine pens (a damaged save) counts as no pen.
        if (!StandsInPen(*a)) {
            a->position = -1;
            for (int k = 0; k < nr_positions; ++k) {
                if (!PenTaken(k, nullptr)) {
                    a->position = k;
                    break;
                }
            }
        }
        if (a != selected_animal && StandsInPen(*a)) {
            a->x = position_x[a->position];
            a->y = position_y[a->position];
        }
    }
}

void Farm::UpdateItems() {
    items.clear();
    supplies.clear();
    stores.clear();
    for (const auto& item : inventory) {
        std::vector<std::shared_ptr<Item>>* row = nullptr;
        int y = 0;
        if (item->class_name == "Food") {
            row = &items;
            y = 64;
        } else if (item->class_name == "Grooming" || item->class_name == "Potion") {
            row = &supplies;
            y = 144;
        } else {
            continue;
        }
        item->x = 312 + 80 * static_cast<int>(row->size());
        item->y = y;
        item->w = item->h = 64;
        row->push_back(item);
    }
    for (int slot = 0; slot < 2; ++slot) {
        const auto& animal = stored_animals[slot];
        if (!animal) continue;
        animal->x = SlotX(slot);
        animal->y = kSlotY;
        animal->w = animal->h = 64;
        stores.push_back(animal);
    }
}

int Farm::RowsOutOfDate() const {
    size_t food = 0, tools = 0;
    for (const auto& item : inventory) {
        if (item->class_name == "Food") {
            if (food >= items.size() || items[food] != item) return 1;
            food++;
        } else if (item->class_name == "Grooming" || item->class_name == "Potion") {
            if (tools >= supplies.size() || supplies[tools] != item) return 1;
            tools++;
        }
    }
    if (food != items.size() || tools != supplies.size()) return 1;
    size_t stored = 0;
    for (const auto& animal : stored_animals) {
        if (!animal) continue;
        if (stored >= stores.size() || stores[stored] != animal) return 1;
        stored++;
    }
    return stored != stores.size() ? 1 : 0;
}

void Farm::GiveGiftAnimal() {
    auto gift = std::make_shared<Animal>();
    gift->bovine = 0.5f;
    gift->Randomize();
    gift->Calculate();
    gift->position = 1;
    gift->food = 0.75f;
    gift->x = position_x[1];
    gift->y = position_y[1];
    gift->age = 6000;
    Profile::AddAnimal(gift);
}

int Farm::PreState(float delta) {
    GameEvent::PreState(delta);
    if (Profile::GetFlagValue("Misc-AddAnimal") == 1) {
        Profile::SetFlag("Misc-AddAnimal", 0);
        GiveGiftAnimal();
    }
    PositionAnimals();
    // Animals further down the screen come later: they are updated and drawn in front.
    std::stable_sort(animals.begin(), animals.end(),
                     [](const std::shared_ptr<Animal>& a, const std::shared_ptr<Animal>& b) { return a->y < b->y; });
    FarmGUI::Update(delta);
    if (game_state != kStateExit && hud_active && !farm_gui_active) FarmGUI::Activate();
    return 0;
}

int Farm::StateNormal(float delta) {
    dragging = selected_animal || selected_item || selected_store ? 1 : 0;
    if (!selected_animal) {
        const int handled = GameEvent::StateNormal(delta);
        // A hotspot or an action started a dialogue or a location change: nothing stays held.
        if (game_state == kStateDialogue || game_state == kStateExit) {
            CancelDrag();
            return 1;
        }
        if (handled) return 1;
    }
    if (farm_window_open) return 0;
    position_alpha.Update(delta);
    for (const auto& a : animals) {
        a->alpha.Update(delta);
        a->UpdateVisible(delta);
    }
    if (selected_store) {
        DragStore();
    } else if (selected_item) {
        DragItem();
    } else if (selected_animal) {
        if (mouse_click) {
            DragAnimal();
        } else {
            ReleaseAnimal();
        }
    } else {
        // The inventory or the slots may have changed under a dialogue or a shop.
        if (RowsOutOfDate()) UpdateItems();
        if (mouse_click) {
            PressNothingHeld();
        } else {
            HoverRows();
        }
    }
    return 0;
}

void Farm::PressNothingHeld() {
    for (const auto& a : animals) {
        if (!StandsInPen(*a) || !a->MouseOver(0, 0, a->scale)) continue;
        if (a->clicked > 0) {
            a->clicked = 0;
            AdventureGUI::Deactivate();
            FarmGUI::ActivateAnimal(a);
        } else {
            a->clicked = kDoubleClickTime;
            selected_animal = a;
            a->alpha.Set(0.5f, 25);
            position_alpha.Set(0.25f, 50);
            AdventureGUI::Deactivate();
        }
        return;
    }
    for (const auto* row : {&items, &supplies}) {
        for (const auto& item : *row) {
            if (!item->MouseOver(0, 0, 1.0f)) continue;
            AudioList::Play(kPickSound, 0, 1, 1);
            selected_item = item;
            return;
        }
    }
    for (const auto& stored : stores) {
        if (!stored->MouseOver(0, 0, 1.0f)) continue;
        AudioList::Play(kPickSound, 0, 1, 1);
        selected_store = stored;
        stored->oldx = stored->x;
        stored->oldy = stored->y;
        position_alpha.Set(0.25f, 50);
        return;
    }
    mouse_armed = 0;  // the press is used up
}

void Farm::HoverRows() {
    auto hover = [](Thing& cell, int& custom) {
        if (cell.MouseOver(0, 0, 1.0f)) {
            if (!custom) {
                AudioList::Play(kCellSound, 0, 1, 1);
                custom = 1;
            }
        } else {
            custom = 0;
        }
    };
    for (const auto* row : {&items, &supplies}) {
        for (const auto& item : *row) hover(*item, item->custom);
    }
    for (const auto& stored : stores) hover(*stored, stored->custom);
}

int Farm::FreePenUnderPointer(const Animal* ignore) const {
    for (int k = 0; k < nr_positions; ++k) {
        if (Near(position_x[k], position_y[k]) && !PenTaken(k, ignore)) return k;
    }
    return -1;
}

int Farm::StorageSlotUnderPointer() {
    for (int slot = 0; slot < 2; ++slot) {
        if (mouse_x > SlotX(slot) - 32 && mouse_x < SlotX(slot) + 32 && mouse_y > 111 && mouse_y < 176) return slot;
    }
    return -1;
}

void Farm::DragStore() {
    Animal& stored = *selected_store;
    // A stored mother brings her unborn baby back with her: the ranch needs a pen for each, or the
    // baby would be born with nowhere to stand.
    const int needed = stored.baby ? 2 : 1;
    const bool room = Profile::TotalAnimalCount() + needed <= nr_positions;
    const int free_pen = FreePenUnderPointer(nullptr);
    const int pen = room ? free_pen : -1;
    if (mouse_click) {
        if (pen >= 0) {
            if (MoveTo(stored, position_x[pen], position_y[pen])) AudioList::Play(kPickSound, 0, 1, 1);
        } else {
            MoveTo(stored, mouse_x, mouse_y);
        }
        return;
    }
    if (pen >= 0) {
        MoveTo(stored, position_x[pen], position_y[pen]);
        stored.position = pen;
        stored.alpha.Set(1, 25);
        Profile::AddAnimal(selected_store);
        stored.Calculate();
        for (auto& slot : stored_animals) {
            if (slot == selected_store) slot.reset();
        }
        stores.erase(std::remove(stores.begin(), stores.end(), selected_store), stores.end());
    } else {
        MoveTo(stored, stored.oldx, stored.oldy);
        if (free_pen >= 0) {
            AdventureGUI::Deactivate();
            FarmGUI::ActivateMessage("You have no space for a new animal!");
        }
    }
    selected_store.reset();
    position_alpha.Set(0, 25);
}

void Farm::DragItem() {
    if (mouse_click) return;
    const std::shared_ptr<Item> item = selected_item;
    selected_item.reset();
    // Only an item still owned is used: a row may show an item a dialogue has just taken.
    if (item->number <= 0 || !Profile::GetItem(item->name)) return;
    const auto target = AnimalUnderPointer(nullptr);
    if (!target || target->Apply(*item) != 1) return;
    Profile::AddItem(item->name, -1);
    if (item->number == 0) UpdateItems();
}

void Farm::DragAnimal() {
    Animal& a = *selected_animal;
    const int pen = FreePenUnderPointer(&a);
    const int slot = StorageSlotUnderPointer();
    if (pen >= 0) {
        if (MoveTo(a, position_x[pen], position_y[pen])) AudioList::Play(kPickSound, 0, 1, 1);
        FadeTo(a.alpha, 0.75f, 50);
    } else if (slot >= 0 && !stored_animals[slot]) {
        if (MoveTo(a, SlotX(slot), kSlotY)) AudioList::Play(kPickSound, 0, 1, 1);
        FadeTo(a.alpha, 0.75f, 50);
    } else {
        MoveTo(a, mouse_x, mouse_y);
        FadeTo(a.alpha, 0.5f, 50);
    }
}

std::string Farm::BreedingProblem(const Animal& dragged, const Animal& partner) const {
    if (Profile::GetFlagValue("Quest-Breeding") <= 1) return "You haven't learned the breeding skill yet!";
    if (dragged.male == partner.male) return "The animals are of the same gender!";
    if (dragged.mood < 0.95f || partner.mood < 0.95f) return "Both animals need to be in a good mood!";
    if (dragged.age < 6000 || partner.age < 6000) return "One of the animals is too young to breed!";
    if (Profile::TotalAnimalCount() >= nr_positions) return "You have no space for a new animal!";
    if (dragged.pregnant_counter > 0 || partner.pregnant_counter > 0) {
        return "You can't breed an animal that's already pregnant!";
    }
    return "";
}

void Farm::ReleaseAnimal() {
    const std::shared_ptr<Animal> dragged = selected_animal;
    Animal& a = *dragged;
    int message = 0;
    if (const auto partner = AnimalUnderPointer(&a)) {
        const std::string problem = BreedingProblem(a, *partner);
        if (!problem.empty()) {
            AdventureGUI::Deactivate();
            FarmGUI::ActivateMessage(problem);
            message = 1;
        } else if (a.male) {
            partner->Breed(a);
        } else {
            a.Breed(*partner);
        }
    }
    const int old_position = a.position;
    const int pen = FreePenUnderPointer(&a);
    if (pen >= 0) {
        MoveTo(a, position_x[pen], position_y[pen]);
        a.position = pen;
    }
    if (a.position == old_position) {
        int stored = 0;
        const int slot = StorageSlotUnderPointer();
        if (slot >= 0 && !stored_animals[slot]) {
            stored_animals[slot] = dragged;
            animals.erase(std::remove(animals.begin(), animals.end(), dragged), animals.end());
            AudioList::Play(kCellSound, 0, 1, 1);
            UpdateItems();
            stored = 1;
        }
        if (!stored && StandsInPen(a)) MoveTo(a, position_x[a.position], position_y[a.position]);
    }
    a.alpha.Set(1, 25);
    selected_animal.reset();
    position_alpha.Set(0, 25);
    if (!message) AdventureGUI::Activate();
}

void Farm::CancelDrag() {
    if (selected_store) {
        MoveTo(*selected_store, selected_store->oldx, selected_store->oldy);
        selected_store.reset();
    }
    if (selected_animal) {
        if (StandsInPen(*selected_animal)) {
            MoveTo(*selected_animal, position_x[selected_animal->position], position_y[selected_animal->position]);
        }
        selected_animal->alpha.Set(1, 25);
        selected_animal.reset();
    }
    selected_item.reset();
    position_alpha.Set(0, 25);
    dragging = 0;
}

void Farm::ShowSaveNotice() { FarmGUI::ActivateMessage(kSaveFailedText); }

int Farm::StateDialogue(float delta) {
    if (farm_gui_active) FarmGUI::Deactivate();
    return GameEvent::StateDialogue(delta);
}

int Farm::StateExit(float) {
    if (farm_gui_active) FarmGUI::Deactivate();
    return 0;
}

void Farm::DrawPostBg() {
    if (!farm_window_open) {
        SetBlend(ALPHABLEND);
        FarmGUI::Draw();
    }
    if (selected_animal || selected_store) {
        SetBlend(LIGHTBLEND);
        SetColor(128, 128, 255);
        SetScale(1, 1);
        SetAlpha(static_cast<float>(position_alpha.Get()));
        for (int k = 0; k < nr_positions; ++k) {
            DrawRect(static_cast<float>(position_x[k] - 8), static_cast<float>(position_y[k] - 8), 16, 16);
        }
        for (int slot = 0; slot < 2; ++slot) DrawRect(static_cast<float>(SlotX(slot) - 32), 112, 64, 64);
    }
    for (const auto& a : animals) {
        if (StandsInPen(*a) || a == selected_animal) a->Draw();
    }
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetColor(fade_level, fade_level, fade_level);
    SetAlpha(1);
    ImageList::DrawSimple(kFencePicture, 256, 384);
    if (fence_extra) ImageList::DrawSimple(fence_extra, 552, 500);
    if (farm_window_open) {
        SetBlend(ALPHABLEND);
        FarmGUI::Draw();
    }
    DrawRows();
}

void Farm::DrawRows() {
    const float a = static_cast<float>(farm_gui_alpha.Get());
    for (const auto* row : {&items, &supplies}) {
        for (const auto& item : *row) {
            if (item == selected_item && item->number == 1) continue;
            item->Draw(a, item->custom ? 1.05f : 1.0f);
            if (item->number >= 2) {
                // Dark ink on the light cells, dimmed with the scene like the pictures.
                SetColor(kCountInk[0] * fade_level / 255, kCountInk[1] * fade_level / 255, kCountInk[2] * fade_level / 255);
                SetScale(1, 1);
                FontList::SetFont(1);
                const std::string text = CountText(item->number);
                DrawText(text, static_cast<float>(item->x + 30 - TextWidth(text)),
                         static_cast<float>(item->y + 31 - TextHeight(text)));
            }
        }
    }
    SetScale(1, 1);
    const float brightness = static_cast<float>(screen_fade.Get());
    for (const auto& stored : stores) {
        if (stored == selected_store) continue;
        stored->DrawAnimal(stored->x, stored->y, stored->custom ? kStoreHoverScale : kStoreScale, a, stored->direction,
                           brightness, fade_level);
    }
    SetScale(1, 1);
}

void Farm::DrawPostHotspots() {
    SetAlpha(1);
    if (selected_item) {
        SetBlend(ALPHABLEND);
        SetScale(1, 1);
        SetColor(fade_level, fade_level, fade_level);
        ImageList::DrawSimple(selected_item->image, static_cast<float>(mouse_x), static_cast<float>(mouse_y));
    }
    if (selected_store) {
        selected_store->DrawAnimal(selected_store->x, selected_store->y, static_cast<float>(selected_store->y) / 768.0f, 1,
                                   selected_store->direction, static_cast<float>(screen_fade.Get()), fade_level);
        SetScale(1, 1);
    }
}
