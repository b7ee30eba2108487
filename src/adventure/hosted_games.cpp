#include "hosted_games.h"

#include <memory>
#include <string>
#include <vector>

#include "animal.h"
#include "dialogue_apples.h"
#include "dialogue_berries.h"
#include "dialogue_checks.h"
#include "dialogue_fishing.h"
#include "dialogue_forest.h"
#include "dialogue_game.h"
#include "dialogue_store.h"
#include "item.h"
#include "profile.h"

namespace {

std::vector<std::shared_ptr<Item>> Catalogue(std::initializer_list<const char*> names) {
    std::vector<std::shared_ptr<Item>> list;
    for (const char* name : names) list.push_back(ItemList::GetItem(name));
    return list;
}

std::unique_ptr<DialogueGame> MalcolmsShop() {
    return DialogueStore::Create("Malcolm's Shop", "See anything you like? Extra special prices, just for you!",
                                 Catalogue({"Compass", "Grooming brush"}));
}

std::unique_ptr<DialogueGame> ZacharysRanch() {
    DialogueStore::InitializeAnimals();
    return DialogueStore::Create("Zachary's Ranch", "Check back later if you don't see anything you want right now!",
                                 *ranch_stock);
}

std::unique_ptr<DialogueGame> HrafnirrsShop() {
    std::vector<std::shared_ptr<Item>> list = Catalogue({"Fine brush"});
    if (!Profile::GetItem("Red herring") && Profile::GetFlagValue("Quest-DwarfLord") < 5) {
        list.push_back(ItemList::GetItem("Red lure"));
    }
    list.push_back(ItemList::GetItem("Meat"));
    list.push_back(ItemList::GetItem("Meat x10"));
    return DialogueStore::Create("Hrafnirr's Shop", "Buy something, human! Give me your gold!", list);
}

std::unique_ptr<DialogueGame> HarrysShop() {
    std::vector<std::shared_ptr<Item>> list = Catalogue({"Food potion", "Food potion x10"});
    if (!Profile::GetItem("Squid") && Profile::GetFlagValue("Quest-Squid") < 4) {
        list.push_back(ItemList::GetItem("Big lure"));
    }
    return DialogueStore::Create("Honest Harry's Shop", "Buy something from my exclusive shop!", list);
}

std::unique_ptr<DialogueGame> WildmansShop() {
    AnimalOffers beasts;
    for (int i = 0; i < 2; ++i) {
        auto beast = std::make_shared<Animal>();
        beast->bovine = beast->bunny = beast->cat = 0;
        beast->wild = 1;
        beast->age = 6000;
        beast->Randomize();
        beast->Calculate();
        beasts.push_back(beast);
    }
    if (!ranch_stock) ranch_stock = std::make_unique<AnimalOffers>();
    return DialogueStore::Create("Wildman", "<Would you like to purchase a wild beast?>", beasts);
}

template <class Game>
DialogueGameFactory Factory() {
    return [] { return std::unique_ptr<DialogueGame>(Game::Create()); };
}

}  // namespace

void RegisterHostedGames() {
    RegisterDialogueGame(1, Factory<DialogueFishing>());
    RegisterDialogueGame(2, MalcolmsShop);
    RegisterDialogueGame(3, ZacharysRanch);
    RegisterDialogueGame(4, Factory<DialogueApple>());
    RegisterDialogueGame(5, Factory<DialogueBerries>());
    RegisterDialogueGame(6, Factory<DialogueBreeding>());
    RegisterDialogueGame(7, HrafnirrsShop);
    RegisterDialogueGame(8, HarrysShop);
    RegisterDialogueGame(9, WildmansShop);
    RegisterDialogueGame(10, Factory<DialogueForest>());
    RegisterDialogueGame(11, Factory<DialogueMoney>());
    RegisterDialogueGame(12, Factory<DialogueChooseAnimal>());
    RegisterDialogueGame(13, Factory<DialogueSell>());
}
