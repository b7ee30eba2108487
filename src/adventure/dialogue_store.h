// The shops a dialogue hosts: a window of interface controls that sells either items or spiggles
// and closes after one purchase or on "Exit". The ranch's stock of animals is made before each
// visit to Zachary's shop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "control.h"
#include "dialogue_game.h"
#include "primitives.h"

class Animal;
class Button;
class Item;
class ScrollControl;

using AnimalOffers = std::vector<std::shared_ptr<Animal>>;

// Set when the player bought something or pressed "Exit".
extern int store_done;
// The animals the current animal shop shows, or null.
extern std::unique_ptr<AnimalOffers> store_offers;
// What the ranch shop offers (game 3); made anew on every visit.
extern std::unique_ptr<AnimalOffers> ranch_stock;

class DialogueStore : public DialogueGame {
public:
    Interpolation alpha{0.0f};  // not animated
    ControlList controls;       // every control of the window
    int active = 1;             // 1 until the window starts closing

    static void ExitStore(Button* button);
    static void BuyItem(Button* button);
    // Two adult animals for the ranch shop; a poorer player is offered only the cheaper breeds.
    static void InitializeAnimals();
    static void BuyAnimal(Button* button);
    static void CreateAnimals(DialogueStore& store, const AnimalOffers& animals, ScrollControl& scroll);
    // An item shop. Items of class "Special" or "Grooming" that the player owns are left out; null
    // entries (names the catalogue lacks) are skipped.
    static std::unique_ptr<DialogueStore> Create(const std::string& title, const std::string& greeting,
                                                 std::vector<std::shared_ptr<Item>> list);
    // An animal shop.
    static std::unique_ptr<DialogueStore> Create(const std::string& title, const std::string& greeting,
                                                 const AnimalOffers& animals);
    void Deactivate();
    int Update(float delta) override;
    void Draw() override;

    // How many animals the ranch holds at its repair level ("Farm-Upgrade"): 3, 6, 9 or 0.
    static int RanchCapacity();

private:
    // The window around the list: backdrop, title, greeting, money, "Exit" and the scroll view.
    static std::unique_ptr<DialogueStore> CreateWindow(const std::string& title, const std::string& greeting,
                                                       std::shared_ptr<ScrollControl>* scroll);
    void Add(const ControlPtr& control);
};
