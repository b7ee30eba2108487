#include "dialogue_store.h"

#include <algorithm>
#include <utility>

#include "animal.h"
#include "animal_control.h"
#include "app.h"
#include "audio_list.h"
#include "button.h"
#include "description_control.h"
#include "frame_control.h"
#include "graphics.h"
#include "image_control.h"
#include "item.h"
#include "profile.h"
#include "scroll_control.h"
#include "text_control.h"

int store_done = 0;
std::unique_ptr<AnimalOffers> store_offers;
std::unique_ptr<AnimalOffers> ranch_stock;

namespace {

constexpr int kBackdropImage = 54;
constexpr int kTitleFrame = 6;
constexpr int kMoneyImage = 502;
constexpr int kStandardButton = 419;
constexpr int kSmallButton = 420;
constexpr int kBuySound = 116;
constexpr float kFade = 50;
constexpr float kShopPictureLimit = 156;

// The buy button of each animal row with the animal it sells. Names are not unique enough to tell
// two offers apart (two offers may share a name), the rows are.
std::vector<std::pair<const Button*, std::shared_ptr<Animal>>> offer_rows;

int Money() { return Profile::GetFlagValue("Money"); }

// A scroll-view row part: faded in, drawn in its own colours, and counted into the content extent
// (by its corner for the text controls, by its centre for the others).
void AddRowPart(ScrollControl& scroll, const ControlPtr& control, int corner) {
    control->global_color = 0;
    control->Activate(kFade);
    scroll.AddControl(control, 0, 0, corner, 1);
}

// The name of the item a ten-pack holds: the pack's name without " x10"; "" when too short.
std::string PackContents(const std::string& pack) {
    return pack.size() > 4 ? pack.substr(0, pack.size() - 4) : std::string();
}

}  // namespace

int DialogueStore::RanchCapacity() {
    switch (Profile::GetFlagValue("Farm-Upgrade")) {
        case 1: return 3;
        case 2: return 6;
        case 3: return 9;
        default: return 0;
    }
}

void DialogueStore::ExitStore(Button*) {
    store_done = 1;
    store_offers.reset();
    offer_rows.clear();
}

void DialogueStore::BuyItem(Button* button) {
    if (!button) return;
    std::shared_ptr<Item> item = ItemList::GetItem(button->id);
    if (!item) return;
    // The button was made inactive when the money did not reach; a purchase never runs into debt.
    if (Money() < item->cost) return;
    std::string contents;
    if (item->class_name == "x10") {
        contents = PackContents(item->name);
        // A pack whose contents the catalogue lacks is not sold: the money would buy nothing.
        if (contents.empty() || !ItemList::GetItem(contents)) return;
    }
    AudioList::Play(kBuySound, 0, 1, 1);
    Profile::AddFlag("Money", -item->cost);
    store_done = 1;
    if (item->class_name == "x10") {
        Profile::AddItem(contents, 10);
    } else {
        Profile::AddItem(item->name, 1);
    }
}

void DialogueStore::BuyAnimal(Button* button) {
    if (!store_offers || !button) return;
    std::shared_ptr<Animal> animal;
    for (const auto& row : offer_rows) {
        if (row.first == button) animal = row.second;
    }
    if (!animal) {
        for (const auto& offer : *store_offers) {
            if (offer->name == button->id) {
                animal = offer;
                break;
            }
        }
    }
    if (!animal) return;
    if (Money() < animal->price || Profile::TotalAnimalCount() >= RanchCapacity()) return;
    if (ranch_stock) ranch_stock->erase(std::remove(ranch_stock->begin(), ranch_stock->end(), animal), ranch_stock->end());
    Profile::AddAnimal(animal);
    Profile::AddFlag("Money", -animal->price);
    store_done = 1;
}

void DialogueStore::InitializeAnimals() {
    ranch_stock = std::make_unique<AnimalOffers>();
    const int money = Money();
    while (ranch_stock->size() < 2) {
        auto animal = std::make_shared<Animal>();
        int c = 0;
        if (money >= breed_table[2].base_price) {
            c = Rand(0, 29);
        } else if (money >= breed_table[1].base_price) {
            c = Rand(0, 19);
        }
        animal->bovine = Rnd(0, 0.25f);
        animal->cat = Rnd(0, 0.25f);
        animal->bunny = Rnd(0, 0.25f);
        if (c >= 20) {
            animal->bunny = Rnd(0.35f, 0.5f);
        } else if (c >= 10) {
            animal->cat = Rnd(0.35f, 0.5f);
        } else {
            animal->bovine = Rnd(0.35f, 0.5f);
        }
        animal->age = 6000;
        animal->Randomize();
        animal->Calculate();
        ranch_stock->push_back(animal);
    }
}

void DialogueStore::Add(const ControlPtr& control) {
    control->global_color = 0;
    control->Activate(kFade);
    controls.push_back(control);
}

std::unique_ptr<DialogueStore> DialogueStore::CreateWindow(const std::string& title, const std::string& greeting,
                                                           std::shared_ptr<ScrollControl>* scroll) {
    store_done = 0;
    screen_fade.Set(0.5f, 50);
    auto store = std::make_unique<DialogueStore>();
    const int cx = virtual_width / 2;
    const int cy = virtual_height / 2;
    store->Add(ImageControl::Create(cx, cy, kBackdropImage, 1.0f));
    store->Add(FrameControl::Create(cx, cy - 256, 320, 64, kTitleFrame, title, 3));
    auto words = DescriptionControl::Create(cx - 256, cy - 216, 512);
    words->SetText(greeting, 2);
    store->Add(words);
    store->Add(ImageControl::Create(cx - 144, cy + 136, kMoneyImage, 1.0f));
    auto money = Button::Create(cx - 112, cy + 136, 0, std::to_string(Money()), 2, nullptr);
    money->x += money->w / 2;  // left-aligned beside the coin
    store->Add(money);
    auto exit = Button::Create(cx, 576, kStandardButton, "Exit", 2, ExitStore);
    exit->SetOver(1);
    store->Add(exit);
    *scroll = ScrollControl::Create(cx, cy - 16, 512, 256);
    store->Add(*scroll);
    return store;
}

std::unique_ptr<DialogueStore> DialogueStore::Create(const std::string& title, const std::string& greeting,
                                                     std::vector<std::shared_ptr<Item>> list) {
    std::shared_ptr<ScrollControl> scroll;
    auto store = CreateWindow(title, greeting, &scroll);
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const std::shared_ptr<Item>& item) {
                                  if (!item) return true;
                                  const bool once = item->class_name == "Special" || item->class_name == "Grooming";
                                  return once && Profile::GetItem(item->name) != nullptr;
                              }),
               list.end());
    for (const auto& item : list) {
        const int row = scroll->ch;
        auto name = TextControl::Create(4, row + 8, item->name, 2);
        auto cost = TextControl::Create(4, row + 40, "Cost: $" + std::to_string(item->cost), 1);
        auto picture = ImageControl::Create(std::max(name->w, cost->w) + 52, row + 38, item->image, 1.0f);
        auto description = DescriptionControl::Create(4, row + 72, 320);
        description->SetText(item->description, 1);
        auto buy = Button::Create(404, row + 56, kStandardButton, "Buy", 2, BuyItem);
        buy->SetOver(1);
        buy->id = item->name;
        AddRowPart(*scroll, name, 1);
        AddRowPart(*scroll, picture, 0);
        AddRowPart(*scroll, cost, 1);
        AddRowPart(*scroll, description, 1);
        AddRowPart(*scroll, buy, 0);
        if (Money() < item->cost) buy->active = 0;
    }
    return store;
}

std::unique_ptr<DialogueStore> DialogueStore::Create(const std::string& title, const std::string& greeting,
                                                     const AnimalOffers& animals) {
    std::shared_ptr<ScrollControl> scroll;
    auto store = CreateWindow(title, greeting, &scroll);
    CreateAnimals(*store, animals, *scroll);
    return store;
}

void DialogueStore::CreateAnimals(DialogueStore&, const AnimalOffers& animals, ScrollControl& scroll) {
    store_offers = std::make_unique<AnimalOffers>();
    offer_rows.clear();
    const int capacity = RanchCapacity();
    for (const auto& animal : animals) {
        if (!animal) continue;
        store_offers->push_back(animal);
        const int row = scroll.ch;
        float s = 0.5f;
        const float largest = static_cast<float>(std::max(animal->w, animal->h));
        if (animal->w * 0.5f > kShopPictureLimit || animal->h * 0.5f > kShopPictureLimit) s = kShopPictureLimit / largest;
        auto buy = Button::Create(404, row + 64, kSmallButton, "Buy", 1, BuyAnimal);
        buy->SetOver(1);
        buy->id = animal->name;
        AddRowPart(scroll, TextControl::Create(4, row + 40, animal->name, 2), 1);
        AddRowPart(scroll, TextControl::Create(4, row + 64, std::string("Gender: ") + (animal->male ? "Male" : "Female"), 1),
                   1);
        AddRowPart(scroll, TextControl::Create(4, row + 84, "Cost: $" + std::to_string(animal->price), 1), 1);
        AddRowPart(scroll, AnimalControl::Create(192, row + 60, animal, s), 0);
        AddRowPart(scroll, buy, 0);
        if (Money() < animal->price || Profile::TotalAnimalCount() >= capacity) buy->active = 0;
        offer_rows.emplace_back(buy.get(), animal);
        scroll.ch += 4;
    }
    if (!animals.empty()) scroll.ch -= 4;
}

void DialogueStore::Deactivate() {
    active = 0;
    for (const auto& control : controls) control->Deactivate(kFade);
}

int DialogueStore::Update(float delta) {
    if (active && store_done) Deactivate();
    UpdateControlList(controls, delta);
    return controls.empty() ? 1 : 0;
}

void DialogueStore::Draw() {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetColor(255, 255, 255);
    DrawControlList(controls);
    SetAlpha(1);
}
