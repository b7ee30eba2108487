// Inventory item pictures (64 x 64 each). The ids are the `image` values items.xml gives its items;
// data/common.xml registers each id with Data/Graphics/Items/<file>.png.
#pragma once

struct ItemPicture {
    int id;
    const char* item;  // the item (or kind of item) it depicts
    const char* file;  // Data/Graphics/Items/<file>.png
};

inline constexpr ItemPicture kItemPictures[] = {
    {5001, "Small fish", "SmallFish"},
    {5002, "Big fish", "BigFish"},
    {5003, "Apple", "Apple"},
    {5004, "Acorns", "Acorns"},
    {5005, "Berries", "Berries"},
    {5006, "Grass", "Grass"},
    {5007, "Mushroom", "Mushroom"},
    {5008, "Meat", "Meat"},
    {5009, "Grooming brush", "GroomingBrush"},
    {5010, "Fine brush", "FineBrush"},
    {5011, "Food potion", "FoodPotion"},
    {5012, "Meat x10", "MeatPack"},
    {5013, "Food potion x10", "FoodPotionPack"},
    {5014, "Compass", "Compass"},
    {5015, "Red lure", "RedLure"},
    {5016, "Big lure", "BigLure"},
    {5017, "Red herring", "RedHerring"},
    {5018, "Squid", "Squid"},
    {5019, "Grandma's letter", "Letter"},
    {5020, "Berry jam", "Jam"},
    {5021, "Money (coin purse)", "Purse"},
    {5022, "Spirit statue", "Statue"},
};

inline constexpr int kItemPictureCount = static_cast<int>(sizeof(kItemPictures) / sizeof(kItemPictures[0]));
