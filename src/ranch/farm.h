// The ranch: the animals stand in pens and are dragged between pens, into the two storage slots and
// onto each other to breed; food and tools from the inventory are dragged onto them; a double
// click opens an animal's panel in the ranch interface (FarmGUI).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "game_event.h"
#include "primitives.h"

class Animal;
class Item;

class Farm : public GameEvent {
public:
    std::shared_ptr<Animal> selected_animal;  // ranch animal being dragged
    std::shared_ptr<Item> selected_item;      // inventory item being dragged
    std::shared_ptr<Animal> selected_store;   // stored animal being dragged
    int fence_extra = 0;  // picture of the pen extension for the ranch level, 0 for none
    std::vector<std::shared_ptr<Item>> items;     // food row
    std::vector<std::shared_ptr<Item>> supplies;  // tool row: grooming tools and potions
    std::vector<std::shared_ptr<Animal>> stores;  // the animals in the storage slots
    int nr_positions = 0;  // usable pens
    Interpolation position_alpha = Interpolation::Create(0);  // fade of the drop-target markers
    static constexpr int kPens = 9;
    static constexpr std::array<int, kPens> position_x = {296, 382, 428, 496, 582, 628, 696, 782, 828};
    static constexpr std::array<int, kPens> position_y = {556, 422, 332, 556, 422, 332, 556, 422, 332};

    // Makes the ranch the current scene, laid out for the ranch level of "Farm-Upgrade".
    static void Create();
    // Gives every animal without a pen the lowest free one and puts the animals at their pens.
    virtual void PositionAnimals();
    // Rebuilds the food row, the tool row and the storage row from the inventory and the slots.
    virtual void UpdateItems();

    int PreState(float delta) override;
    int StateNormal(float delta) override;
    int StateDialogue(float delta) override;
    int StateExit(float delta) override;
    void DrawPostBg() override;
    void DrawPostHotspots() override;
    void ShowSaveNotice() override;

    // Sets the pens and the extension fence for a ranch level (below 0 counts as 0, above 3 as 3).
    void SetLevel(int upgrade);
    // Why `dragged` cannot breed with `partner` now, or "" when all six checks pass.
    std::string BreedingProblem(const Animal& dragged, const Animal& partner) const;
    // The first usable pen within 48 pixels of the pointer that no animal other than `ignore`
    // stands in; -1 if none.
    int FreePenUnderPointer(const Animal* ignore) const;
    // The storage slot whose drop area holds the pointer, -1 if none.
    static int StorageSlotUnderPointer();

private:
    void PressNothingHeld();
    void HoverRows();
    void DragStore();
    void DragItem();
    void DragAnimal();
    void ReleaseAnimal();
    void GiveGiftAnimal();
    // Lets go of whatever is held without dropping it (a dialogue or a location change started).
    void CancelDrag();
    // 1 when the rows no longer show what the inventory and the slots hold.
    int RowsOutOfDate() const;
    void DrawRows();
};

// 1 when the animal stands in a pen (an animal for which no pen was free is neither drawn nor
// touched on the ranch).
int StandsInPen(const Animal& animal);
