// Animal genetics: the breed table, random creation, breeding, classification and price.
#include "animal.h"

#include <algorithm>
#include <optional>

#include "audio_list.h"
#include "image_list.h"
#include "profile.h"
#include "update_list.h"

const BreedInfo breed_table[kBreedCount] = {
    {"Bovine", 50, 10, 25},       {"Catfish", 75, 20, 30},      {"Bunny", 100, 30, 40},
    {"Bat-eared Ox", 100, 50, 45}, {"Sea Feline", 150, 75, 50}, {"Big Bun", 200, 100, 55},
    {"Wild Bull", 400, 220, 80},  {"Water Lynx", 450, 235, 90}, {"Bunny Beast", 500, 250, 100},
    {"Rabbox", 225, 125, 60},     {"Seabull", 200, 145, 65},    {"Jumper Cat", 250, 165, 70},
    {"Wild Beast", 350, 200, 75},
};

std::string BreedName(int index) {
    if (index < 0 || index >= kBreedCount) return "";
    return breed_table[index].name;
}

Animal::Animal() { counter = static_cast<float>(Rand(0, 999)); }

void Animal::Randomize() {
    r = Rand(64, 255);
    g = Rand(64, 255);
    b = Rand(64, 255);
    pricemod = Rnd(0.9f, 1.1f);
    direction = Rand(0, 999) < 500 ? 1.0f : -1.0f;
    if (used_names.size() >= male_names.size()) used_names.clear();
    const std::vector<std::string>* pool;
    if (Rand(0, 999) < 500) {
        male = 0;
        pool = &female_names;
    } else {
        male = 1;
        pool = &male_names;
    }
    int size = static_cast<int>(pool->size());
    for (int attempt = 0; attempt < size / 2; attempt++) {
        name = (*pool)[Rand(0, size - 1)];
        if (!Profile::GetAnimal(name) && std::find(used_names.begin(), used_names.end(), name) == used_names.end()) {
            used_names.push_back(name);
            break;
        }
    }
}

namespace {

enum Share { kBovine = 1, kCat = 2, kBunny = 4, kWild = 8 };

// The fixed pairs whose child gets these shares set high (by breed index, either order).
struct SpecialPair {
    int first, second, shares;
};
const SpecialPair special_pairs[] = {
    {0, 0, kBovine},          {1, 1, kCat},           {2, 2, kBunny},        {3, 4, kBovine | kCat},
    {3, 5, kBovine | kBunny}, {3, 12, kBovine | kWild}, {4, 5, kCat | kBunny}, {4, 12, kCat | kWild},
    {5, 12, kBunny | kWild},
};

int SpecialShares(int a, int b) {
    for (const SpecialPair& pair : special_pairs)
        if ((pair.first == a && pair.second == b) || (pair.first == b && pair.second == a)) return pair.shares;
    return 0;
}

int MixTint(int own, int partner) { return std::clamp((own + partner) / 2 + Rand(0, 40) - 20, 64, 255); }

void PlayBreedingChime() { AudioList::Play(108, 0, 1.0f, 1.0f); }

}  // namespace

int Animal::Breed(Animal& partner) {
    auto child = std::make_shared<Animal>();
    child->Randomize();
    child->r = MixTint(r, partner.r);
    child->g = MixTint(g, partner.g);
    child->b = MixTint(b, partner.b);

    const Animal* parent_a = this;
    const Animal* parent_b = &partner;
    if (Rand(0, 999) < 500) std::swap(parent_a, parent_b);

    child->bovine = Rnd(0, 0.25f);
    child->cat = Rnd(0, 0.25f);
    child->bunny = Rnd(0, 0.25f);
    child->wild = Rnd(0, 0.25f);

    if (int shares = SpecialShares(index, partner.index)) {
        if (shares & kBovine) child->bovine = 0.5f + Rnd(0.1f, 0.5f);
        if (shares & kCat) child->cat = 0.5f + Rnd(0.1f, 0.5f);
        if (shares & kBunny) child->bunny = 0.5f + Rnd(0.1f, 0.5f);
        if (shares & kWild) child->wild = 0.5f + Rnd(0.1f, 0.5f);
    } else {
        child->bovine = std::min(parent_a->bovine + parent_b->bovine / 2, 1.0f);
        child->cat = std::min(parent_a->cat + parent_b->cat / 2, 1.0f);
        child->bunny = std::min(parent_a->bunny + parent_b->bunny / 2, 1.0f);
        child->wild = std::min(parent_a->wild + parent_b->wild / 2, 1.0f);
    }
    child->Calculate();

    pregnant_counter = 18000;
    baby = child;
    breeding_counter = 500;

    AudioList::Play(115, 0, 1.0f, 1.0f);
    UpdateList::AddUpdate(110, PlayBreedingChime, 0);
    return 1;
}

void Animal::Calculate() {
    image = 0;
    if (bovine > 0.5f)
        image = 2003;
    else if (bovine > 0.25f)
        image = 2000;

    if (image) {
        if (cat > 0.5f && bovine > 0.5f)
            image = 2010;
        else if (cat > 0.5f)
            image = 2004;
    } else {
        if (cat > 0.5f)
            image = 2004;
        else if (cat > 0.25f)
            image = 2001;
    }

    if (image) {
        if (bunny > 0.5f && bovine > 0.5f)
            image = 2009;
        else if (bunny > 0.5f && cat > 0.5f)
            image = 2011;
        else if (bunny > 0.5f)
            image = 2005;
    } else {
        if (bunny > 0.5f)
            image = 2005;
        else if (bunny > 0.25f)
            image = 2002;
    }

    if (wild > 0.5f) {
        if (bovine > 0.5f)
            image = 2006;
        else if (cat > 0.5f)
            image = 2007;
        else if (bunny > 0.5f)
            image = 2008;
        else
            image = 2012;
    }

    index = image - kBreedImageBase;
    w = 0;
    h = 0;
    if (image) {
        if (std::optional<Area> size = ImageList::GetSize(image)) {
            w = size->w;
            h = size->h;
        }
    }
    SetPrice();
}

void Animal::SetPrice() {
    // Shares that reach no breed leave image 0 (index -2000): price such an animal as index 0
    // instead of reading outside the table.
    const BreedInfo& breed = breed_table[(index >= 0 && index < kBreedCount) ? index : 0];
    if (health < 0)
        price = static_cast<int>(static_cast<float>(breed.base_price) + breed.health_factor_negative * health + 0.5f);
    else
        price = static_cast<int>(static_cast<float>(breed.base_price) + breed.health_factor_positive * health + 0.5f);
    price = static_cast<int>(static_cast<float>(price) * pricemod);
}
