// A spiggle: its four species shares and tint decide breed, picture and price; its needs (food, mood,
// health) live on through Update; breeding makes the mother carry an unborn child in `baby`.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "primitives.h"

class Item;

// One row of the fixed breed table: index = picture id - 2000.
struct BreedInfo {
    const char* name;
    int base_price;
    int health_factor_negative;  // price per unit of health while health < 0
    int health_factor_positive;  // price per unit of health while health >= 0
};

constexpr int kBreedCount = 13;
constexpr int kBreedImageBase = 2000;
extern const BreedInfo breed_table[kBreedCount];
// The breed's name for an index 0..12, "" otherwise.
std::string BreedName(int index);

// Given-name pools for new animals and the names handed out during this run (not saved).
extern const std::vector<std::string> male_names;    // 224 names
extern const std::vector<std::string> female_names;  // 229 names
extern std::vector<std::string> used_names;

// Item categories of the care rules: fish, apple, nuts and berries, grass and mushroom, meat.
constexpr int kFoodCategories = 5;
extern const int breed_likes[kFoodCategories][kBreedCount];
extern const int breed_dislikes[kFoodCategories][kBreedCount];

class Animal : public Thing {
public:
    std::string name;
    int male = 1;
    int position = -1;
    float pricemod = 1.0f;
    float bovine = 0, bunny = 0, cat = 0, wild = 0;
    int r = 0, g = 0, b = 0;
    float direction = 1.0f;
    int image = 0;
    int price = 0;
    int index = 0;
    float age = 0;
    float food = 0.25f;
    float mood = 0;
    float health = 0;
    float health_delta = 0;
    float health_counter = 0;
    float pregnant_counter = 0;
    std::shared_ptr<Animal> baby;
    Interpolation alpha{1.0f};
    float scale = 1.0f;
    float clicked = 0;
    float counter = 0;  // Rand(0, 999) on construction: animals hop out of step
    float groom_counter = 0;
    float brush_counter = 0;
    float play_counter = 0;
    float warning_counter = 0;
    int custom = 0;
    int oldx = 0, oldy = 0;
    float breeding_counter = 0;
    float breeding_particle = 0;
    float breeding_image = 0;

    Animal();

    // Genetics, breeding and price.
    virtual int Breed(Animal& partner);
    virtual void Randomize();
    virtual void Calculate();
    virtual void SetPrice();

    // Care.
    virtual int Likes(int category) const;
    virtual int Dislikes(int category) const;
    virtual int ItemCategory(const Item& item) const;
    virtual int ItemValue(const Item& item) const;
    virtual void NewTextParticle(const std::string& text, int r, int g, int b);
    virtual void NewBreedingDotParticle();
    virtual void NewBreedingImageParticle(int image, int min_speed, int max_speed);
    virtual void Feed(const Item& item);
    virtual void Groom(const Item& item);
    virtual int Apply(const Item& item);
    virtual void Update(float delta);
    virtual void UpdateVisible(float delta);
    virtual void DrawStatus(int x, int y, float scale, float alpha, float direction, float brightness, int grey);
    virtual void DrawAnimal(int x, int y, float scale, float alpha, float direction, float brightness, int grey);
    virtual void Draw();
};

// Category and value of a food by item name (-1 and 0 for anything that is not food).
int FoodCategory(const std::string& item_name);
int FoodValue(const std::string& item_name);
