// Animal care: needs over time, feeding, grooming, potions, and the effects that report them.
#include <algorithm>
#include <cmath>

#include "animal.h"
#include "app.h"
#include "audio_list.h"
#include "item.h"
#include "profile.h"

// Rows: fish, apple, nuts and berries, grass and mushroom, meat. Columns: breed index 0..12.
const int breed_likes[kFoodCategories][kBreedCount] = {
    {0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 0},
    {1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0},
    {0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 0, 1, 0},
    {1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 1, 0, 0},
    {0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1},
};
const int breed_dislikes[kFoodCategories][kBreedCount] = {
    {1, 0, 1, 1, 0, 1, 0, 0, 0, 1, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    {0, 1, 0, 0, 1, 0, 1, 1, 0, 0, 1, 0, 1},
    {0, 1, 1, 0, 1, 1, 0, 1, 1, 0, 0, 1, 1},
    {1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0},
};

namespace {

struct Food {
    const char* name;
    int category;
    int value;
};
const Food foods[] = {
    {"Small fish", 0, 1}, {"Big fish", 0, 3}, {"Apple", 1, 1},    {"Acorns", 2, 2},
    {"Berries", 2, 1},    {"Grass", 3, 2},    {"Mushroom", 3, 2}, {"Meat", 4, 3},
};

const Food* FindFood(const std::string& name) {
    for (const Food& food : foods)
        if (name == food.name) return &food;
    return nullptr;
}

int TableValue(const int table[kFoodCategories][kBreedCount], int category, int breed) {
    if (category < 0 || category >= kFoodCategories || breed < 0 || breed >= kBreedCount) return 0;
    return table[category][breed];
}

}  // namespace

// Bursts around the pointer; defined with the other particles.
void BurstAnimalDots(int count, int radius);
void BurstAnimalImages(int count, int radius);

int FoodCategory(const std::string& item_name) {
    const Food* food = FindFood(item_name);
    return food ? food->category : -1;
}

int FoodValue(const std::string& item_name) {
    const Food* food = FindFood(item_name);
    return food ? food->value : 0;
}

int Animal::Likes(int category) const { return TableValue(breed_likes, category, index); }
int Animal::Dislikes(int category) const { return TableValue(breed_dislikes, category, index); }
int Animal::ItemCategory(const Item& item) const { return FoodCategory(item.name); }
int Animal::ItemValue(const Item& item) const { return FoodValue(item.name); }

void Animal::Feed(const Item& item) {
    int category = ItemCategory(item);
    int value = ItemValue(item);
    float factor = 1.0f;
    bool sparkles = false;
    bool hearts = true;

    if (Likes(category)) {
        factor = 1.5f;
        float gain = 0.05f * static_cast<float>(value) * 2;
        int shown = value;
        bool capped = false;
        if (mood >= 0.5f) {
            shown = 0;
            capped = true;
        } else {
            mood += gain;
            if (mood > 0.5f) {
                mood = 0.5f;
                shown = 0;
                capped = true;
            }
        }
        // Food alone cannot make an animal happier than 0.5: tell the player once.
        if (capped && !Profile::GetFlag("Misc-MoodTutorial")) Profile::SetFlag("T13", 1);
        NewTextParticle("Mood +" + std::to_string(shown), 128, 255, 128);
        sparkles = true;
    } else if (Dislikes(category)) {
        factor = 0.5f;
        mood = std::max(mood - 0.75f * static_cast<float>(value), -1.0f);
        NewTextParticle("Mood -" + std::to_string(value), 128, 255, 128);
        hearts = false;
    }

    int n = static_cast<int>(static_cast<float>(value) * factor);
    int shown = n;
    if (food >= 1.0f) {
        shown = 0;
        hearts = false;
    }
    food = std::min(food + static_cast<float>(n) / 10.0f, 1.0f);

    if (hearts) {
        BurstAnimalDots(16, 24);
        if (sparkles) BurstAnimalImages(5, 32);
        counter = 0;
    }
    NewTextParticle("Food +" + std::to_string(shown), 128, 255, 128);
    AudioList::Play(110, 0, 1.0f, 1.0f);
}

void Animal::Groom(const Item& item) {
    float power = 0;
    float fatigue = 0;
    bool sparkles = false;
    if (item.name == "Grooming brush") {
        power = 2;
        fatigue = 250;
    } else if (item.name == "Fine brush") {
        power = 5;
        fatigue = 400;
        sparkles = true;
    }

    float effective = power;
    if (groom_counter > 0) effective = std::max(power - groom_counter / 100.0f, 0.0f);

    if (effective > 0) {
        int shown = static_cast<int>(effective);
        if (mood >= 1.0f)
            shown = 0;
        else
            mood = std::min(mood + 0.02f * effective, 1.0f);
        NewTextParticle("Mood +" + std::to_string(shown), 128, 128, 255);
        AudioList::Play(107, 0, 1.0f, 1.0f);
        if (shown > 0) {
            BurstAnimalDots(16, 24);
            if (sparkles) BurstAnimalImages(5, 32);
            counter = 0;
        }
    } else {
        AudioList::Play(117, 0, 1.0f, 1.0f);
    }
    groom_counter = std::min(groom_counter + fatigue, 500.0f);
}

int Animal::Apply(const Item& item) {
    if (item.class_name == "Food") {
        Feed(item);
        return 1;
    }
    if (item.class_name == "Grooming") {
        Groom(item);
        return 0;
    }
    if (item.class_name == "Potion" && item.name == "Food potion") {
        bool was_full = food >= 1.0f;
        food = std::min(food + 0.4f, 1.0f);
        NewTextParticle(was_full ? "Food +0" : "Food +4", 128, 255, 128);
        mood = std::min(mood + 0.05f, 1.0f);
        NewTextParticle("Mood +1", 128, 128, 255);
        AudioList::Play(110, 0, 1.0f, 1.0f);
        return 1;
    }
    return 0;
}

void Animal::Update(float delta) {
    if (clicked > 0) clicked -= delta;

    if (pregnant_counter > 0) {
        breeding_image += delta;
        breeding_particle += delta;
        pregnant_counter -= delta;
        if (!(pregnant_counter > 0)) {
            std::shared_ptr<Animal> born = baby;
            pregnant_counter = 0;
            baby = nullptr;
            if (born) Profile::AddAnimal(born);
        }
    }

    if (breeding_counter > 0) {
        breeding_counter -= delta;
        breeding_image += delta;
        breeding_particle += delta;
    }

    age += delta;
    if (age / 6000 > static_cast<float>(Profile::GetFlagValue("Misc-MaxAge")))
        Profile::SetFlag("Misc-MaxAge", static_cast<int>(age / 6000));

    counter += delta;
    if (groom_counter > 0) groom_counter -= delta;
    if (brush_counter > 0) brush_counter -= delta;
    if (play_counter > 0) play_counter -= delta;

    health_delta = 0;
    float t = delta / 180000.0f;

    // Hunger: a full stomach empties in 45000 units. Going hungry costs mood and twice as much health.
    food -= 4 * t;
    if (food < 0) {
        // Mood stays within -1..1: a long famine must not bury it so deep that it takes hours of
        // good care to climb back.
        mood = std::clamp(mood + food, -1.0f, 1.0f);
        health += 2 * food;
        health_delta += 2 * food;
        food = 0;
    }

    if (mood < 0) {
        warning_counter += delta;
        health -= 2 * t;
        health_delta -= 2 * t;
    } else if (mood > 0) {
        mood -= 0.5f * t;
    }

    if (food > 0) {
        if (mood < 0) mood = std::min(mood + t, 0.0f);
        if (mood > 0) {
            float gain = mood > 0.5f ? mood * t * 8 * 4 : mood * t * 8 * 2;
            health += gain;
            health_delta += gain;
            health = std::min(health, 1.0f);
        }
    }
    health = std::max(health, -1.0f);
    SetPrice();
}

void Animal::UpdateVisible(float delta) {
    if ((health_delta < 0 && health > -1) || (health_delta > 0 && health < 1)) {
        health_counter += delta;
        while (health_counter > 256) {
            health_counter -= 256;
            if (health_delta >= 0) {
                NewTextParticle(health_delta > delta / 90000 ? "Health +2" : "Health +1", 255, 128, 128);
            } else {
                NewTextParticle(health_delta < -delta / 90000 ? "Health -2" : "Health -1", 255, 128, 128);
                AudioList::Play(111, 0, 1.0f, 1.0f);
            }
        }
    }

    if (pregnant_counter > 0) {
        if (breeding_image > 90) {
            breeding_image = 0;
            NewBreedingImageParticle(19, 2, 3);
        }
        if (breeding_particle > 100) {
            breeding_particle = 0;
            NewBreedingImageParticle(Rand(17, 19), 2, 3);
        }
    }

    if (breeding_counter > 0) {
        while (breeding_image > 20) {
            breeding_image -= 20;
            NewBreedingImageParticle(19, 4, 6);
            NewBreedingImageParticle(Rand(17, 19), 4, 6);
        }
        while (breeding_particle > 2) {
            breeding_particle -= 2;
            NewBreedingDotParticle();
        }
    }
}
