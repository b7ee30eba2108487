// Items: food, grooming tools, potions and quest things. There is one Item per type for the whole
// run; the catalogue entry itself carries how many the player owns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "primitives.h"

class Item : public Thing {
public:
    std::string name;
    std::string class_name;  // the item's class ("Food", "Grooming", "Potion", ...)
    std::string description;
    int image = 0;
    int number = 0;
    int cost = 0;
    int custom = 0;

    // Draws the picture at (x, y) with alpha blending; leaves the render state as set.
    virtual void Draw(float alpha, float scale);
};

extern std::vector<std::shared_ptr<Item>> items_catalogue;

class ItemList {
public:
    // Loads DataPath("items.xml"); a bad or missing file is fatal.
    static void Initialize();
    // Replaces the catalogue with the file's items. 0 when the file does not parse, or at the first
    // child that is not a complete `item` (the items read before it stay); 1 otherwise.
    static int Load(const std::string& path);
    static std::shared_ptr<Item> GetItem(const std::string& name);
    static void Destroy();
};
