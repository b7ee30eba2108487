// The ranch scene: its level, pens and rows, the gift animal, dragging animals between pens and
// storage, breeding after its six checks, food and tools dragged onto animals, the double click
// that opens the panel, and letting go of what is held when the scene changes state.
#include "farm.h"

#include <algorithm>
#include <functional>

#include "farm_test_support.h"
#include "location_event.h"

namespace {

using FarmTest = FarmFixture;

bool OnRanch(const std::shared_ptr<Animal>& a) { return std::find(animals.begin(), animals.end(), a) != animals.end(); }

// ---- Level, pens and rows ----

TEST_F(FarmTest, RanchLevelGivesPensAndExtensionFence) {
    const struct {
        int upgrade, pens, fence;
    } cases[] = {{-1, 0, 0}, {0, 0, 0}, {1, 3, 279}, {2, 6, 280}, {3, 9, 281}, {7, 9, 281}};
    for (const auto& c : cases) {
        Farm& farm = StartFarm(c.upgrade);
        EXPECT_EQ(farm.nr_positions, c.pens) << c.upgrade;
        EXPECT_EQ(farm.fence_extra, c.fence) << c.upgrade;
        EXPECT_EQ(farm_gui_active, 1);
    }
}

TEST_F(FarmTest, AnimalsWithoutAPenTakeTheLowestFreeOneUntilNoneIsLeft) {
    auto in_pen_one = AddRanchAnimal(0, 1, 1);
    auto first = AddRanchAnimal(1, -1, 1);
    auto second = AddRanchAnimal(2, -1, 0);
    auto homeless = AddRanchAnimal(4, -1, 0);
    auto damaged = AddRanchAnimal(5, 14, 0);  // a pen number no ranch has
    Farm& farm = StartFarm(1);
    EXPECT_EQ(in_pen_one->position, 1);
    EXPECT_EQ(first->position, 0);
    EXPECT_EQ(second->position, 2);
    EXPECT_EQ(homeless->position, -1);
    EXPECT_EQ(damaged->position, -1);
    EXPECT_EQ(first->x, 296);
    EXPECT_EQ(first->y, 556);
    EXPECT_EQ(second->x, 428);
    EXPECT_EQ(second->y, 332);
    EXPECT_FALSE(StandsInPen(*homeless));
    // An animal without a pen cannot be picked up where it happens to be.
    MoveTo(homeless->x, homeless->y);
    Frame(farm, 0);
    Frame(farm, 1);
    EXPECT_FALSE(farm.selected_animal);
    // A pen that frees up goes to the first animal still waiting.
    animals.erase(std::find(animals.begin(), animals.end(), second));
    Frame(farm, 0);
    EXPECT_EQ(homeless->position, 2);
    EXPECT_EQ(damaged->position, -1);
}

TEST_F(FarmTest, RowsFollowTheInventoryAndTheStorageSlots) {
    Profile::AddItem("Apple", 3);
    Profile::AddItem("Compass", 1);
    Profile::AddItem("Grooming brush", 1);
    Profile::AddItem("Grass", 2);
    Profile::AddItem("Food potion", 1);
    Profile::AddItem("Odd potion", 1);
    stored_animals[1] = MakeBreed(2);
    Farm& farm = StartFarm(1);
    ASSERT_EQ(farm.items.size(), 2u);
    EXPECT_EQ(farm.items[0]->name, "Apple");
    EXPECT_EQ(farm.items[1]->name, "Grass");
    EXPECT_EQ(farm.items[1]->x, 392);
    EXPECT_EQ(farm.items[1]->y, 64);
    ASSERT_EQ(farm.supplies.size(), 3u);
    EXPECT_EQ(farm.supplies[0]->name, "Grooming brush");
    EXPECT_EQ(farm.supplies[2]->name, "Odd potion");
    EXPECT_EQ(farm.supplies[2]->x, 472);
    EXPECT_EQ(farm.supplies[2]->y, 144);
    EXPECT_EQ(farm.supplies[2]->w, 64);
    ASSERT_EQ(farm.stores.size(), 1u);
    EXPECT_EQ(farm.stores[0], stored_animals[1]);
    EXPECT_EQ(farm.stores[0]->x, 872);
    EXPECT_EQ(farm.stores[0]->y, 144);
    EXPECT_EQ(farm.stores[0]->w, 64);

    // A dialogue that hands over or takes away things while the ranch is shown: the rows follow.
    Profile::AddItem("Meat", 2);
    Profile::SetItem("Apple", 0);
    Frame(farm, 0);
    ASSERT_EQ(farm.items.size(), 2u);
    EXPECT_EQ(farm.items[0]->name, "Grass");
    EXPECT_EQ(farm.items[0]->x, 312);
    EXPECT_EQ(farm.items[1]->name, "Meat");
}

TEST_F(FarmTest, TheGiftIsAnAdultBovineInPenOneAndTheListIsKeptInDrawingOrder) {
    auto back = AddRanchAnimal(1, 2, 1);
    auto front = AddRanchAnimal(2, 0, 0);
    Profile::SetFlag("Misc-AddAnimal", 1);
    Farm& farm = StartFarm(1);
    Frame(farm, 0);
    EXPECT_FALSE(Profile::GetFlag("Misc-AddAnimal"));
    ASSERT_EQ(animals.size(), 3u);
    // Ordered by height on the screen: the back pen (y 332), pen 1 (y 422), the front pen (y 556).
    EXPECT_EQ(animals[0], back);
    EXPECT_EQ(animals[2], front);
    const Animal& gift = *animals[1];
    EXPECT_EQ(gift.index, 0);
    EXPECT_EQ(gift.position, 1);
    EXPECT_EQ(gift.x, 382);
    EXPECT_EQ(gift.y, 422);
    EXPECT_GE(gift.age, 6000);
    EXPECT_NEAR(gift.food, 0.75f, 0.001f);
    EXPECT_FALSE(gift.name.empty());
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 3);
    Frames(farm, 0, 5);
    EXPECT_EQ(animals.size(), 3u);  // one gift per raised flag
}

// ---- Dragging animals: pens and storage ----

TEST_F(FarmTest, AnAnimalSnapsToAFreePenAndStaysThere) {
    auto a = AddRanchAnimal(0, 0, 1);
    auto neighbour = AddRanchAnimal(1, 3, 1);
    Farm& farm = StartFarm(2);
    MoveTo(296, 556);
    Frame(farm, 0);
    Frame(farm, 1);
    ASSERT_EQ(farm.selected_animal, a);
    EXPECT_EQ(hud_active, 0);  // the corner buttons step aside while an animal is held
    EXPECT_FLOAT_EQ(farm.position_alpha.destination, 0.25f);
    // Over the neighbour's pen: taken, so the animal follows the pointer.
    MoveTo(500, 560);
    Frame(farm, 1);
    EXPECT_EQ(a->x, 500);
    EXPECT_EQ(a->y, 560);
    EXPECT_FLOAT_EQ(a->alpha.destination, 0.5f);
    // Within 48 pixels of the free pen 4 at (582, 422): it snaps there.
    MoveTo(620, 400);
    Frame(farm, 1);
    EXPECT_EQ(a->x, 582);
    EXPECT_EQ(a->y, 422);
    EXPECT_FLOAT_EQ(a->alpha.destination, 0.75f);
    EXPECT_EQ(a->position, 0);  // only the release moves it for good
    Frame(farm, 0);
    EXPECT_EQ(a->position, 4);
    EXPECT_EQ(a->x, 582);
    EXPECT_FALSE(farm.selected_animal);
    EXPECT_FLOAT_EQ(a->alpha.destination, 1.0f);
    EXPECT_FLOAT_EQ(farm.position_alpha.destination, 0.0f);
    EXPECT_EQ(hud_active, 1);
    EXPECT_EQ(farm_window_open, 0);
}

TEST_F(FarmTest, AnAnimalLetGoAwayFromPensAndSlotsGoesBackToItsPen) {
    auto a = AddRanchAnimal(0, 2, 1);
    Farm& farm = StartFarm(1);
    Drag(farm, 428, 332, 620, 700);
    EXPECT_EQ(a->position, 2);
    EXPECT_EQ(a->x, 428);
    EXPECT_EQ(a->y, 332);
    // Pens beyond the ranch level are not offered: pen 4 does not exist with three pens.
    a->clicked = 0;
    Drag(farm, 428, 332, 582, 422);
    EXPECT_EQ(a->position, 2);
    EXPECT_TRUE(OnRanch(a));
}

TEST_F(FarmTest, AnimalsGoIntoEmptyStorageSlotsOnly) {
    auto a = AddRanchAnimal(0, 0, 1);
    auto b = AddRanchAnimal(1, 1, 0);
    Farm& farm = StartFarm(1);
    MoveTo(296, 556);
    Frame(farm, 0);
    Frame(farm, 1);
    MoveTo(805, 130);  // inside slot 0's drop area: it snaps onto the slot
    Frame(farm, 1);
    EXPECT_EQ(a->x, 792);
    EXPECT_EQ(a->y, 144);
    EXPECT_FLOAT_EQ(a->alpha.destination, 0.75f);
    Frame(farm, 0);
    EXPECT_EQ(stored_animals[0], a);
    EXPECT_FALSE(OnRanch(a));
    ASSERT_EQ(farm.stores.size(), 1u);
    EXPECT_EQ(farm.stores[0], a);

    // Slot 0 is taken: the second animal neither snaps there nor is stored, and goes home.
    MoveTo(382, 422);
    Frame(farm, 0);
    Frame(farm, 1);
    MoveTo(792, 144);
    Frame(farm, 1);
    EXPECT_EQ(b->x, 792);  // it follows the pointer, no snap
    EXPECT_FLOAT_EQ(b->alpha.destination, 0.5f);
    Frame(farm, 0);
    EXPECT_EQ(stored_animals[0], a);
    EXPECT_FALSE(stored_animals[1]);
    EXPECT_TRUE(OnRanch(b));
    EXPECT_EQ(b->x, 382);
    EXPECT_EQ(b->y, 422);

    // Slot 1's area (x 841..902, y 112..175) takes it.
    b->clicked = 0;
    Drag(farm, 382, 422, 900, 175);
    EXPECT_EQ(stored_animals[1], b);
    EXPECT_TRUE(animals.empty());
    EXPECT_EQ(farm.stores.size(), 2u);
    EXPECT_EQ(b->x, 872);
}

TEST_F(FarmTest, AStoredAnimalReturnsToAFreePenOrElseToItsSlot) {
    auto stored = MakeBreed(4);
    stored->name = "Kept";
    stored_animals[1] = stored;
    auto standing = AddRanchAnimal(0, 0, 1);
    Farm& farm = StartFarm(1);
    ASSERT_EQ(stored->w, 64);
    // Let go over the taken pen 0: back into its slot.
    Drag(farm, 872, 144, 300, 560);
    EXPECT_EQ(stored_animals[1], stored);
    EXPECT_EQ(stored->x, 872);
    EXPECT_EQ(stored->y, 144);
    EXPECT_FALSE(OnRanch(stored));
    EXPECT_FLOAT_EQ(farm.position_alpha.destination, 0.0f);

    // While held it follows the pointer, and snaps to a free pen within 48 pixels.
    MoveTo(872, 144);
    Frame(farm, 0);
    Frame(farm, 1);
    ASSERT_EQ(farm.selected_store, stored);
    EXPECT_EQ(stored->oldx, 872);
    MoveTo(600, 600);
    Frame(farm, 1);
    EXPECT_EQ(stored->x, 600);
    MoveTo(400, 440);
    Frame(farm, 1);
    EXPECT_EQ(stored->x, 382);
    EXPECT_EQ(stored->y, 422);
    Frame(farm, 0);
    EXPECT_FALSE(stored_animals[1]);
    EXPECT_TRUE(farm.stores.empty());
    ASSERT_TRUE(OnRanch(stored));
    EXPECT_EQ(stored->position, 1);
    EXPECT_EQ(stored->w, kBreedW);  // its own size again, not the slot's
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 2);
    Frames(farm, 0, 3);
    EXPECT_EQ(stored->x, 382);
}

// A pregnant animal in storage needs a pen for her baby too: with two of three pens taken she stays
// in her slot (once she was let in, and the baby born later had no pen and was never drawn).
TEST_F(FarmTest, AStoredMotherComesBackOnlyWithRoomForHerBaby) {
    auto mother = MakeBreed(4);
    mother->male = 0;
    mother->pregnant_counter = 100;
    mother->baby = MakeBreed(4);
    stored_animals[0] = mother;
    AddRanchAnimal(0, 0, 1);
    AddRanchAnimal(0, 1, 0);
    Farm& farm = StartFarm(1);
    Drag(farm, 792, 144, 428, 332);  // over the free pen 2
    EXPECT_EQ(stored_animals[0], mother);
    EXPECT_FALSE(OnRanch(mother));
    EXPECT_EQ(mother->x, 792);
    EXPECT_TRUE(ShowsText("You have no space for a new animal!"));
    EXPECT_EQ(Profile::TotalAnimalCount(), 2);
}

// ---- Breeding ----

class FarmBreedingTest : public FarmFixture {
public:
    std::shared_ptr<Animal> male, female;

protected:
    void SetUp() override {
        FarmFixture::SetUp();
        Profile::SetFlag("Quest-Breeding", 2);
        male = AddRanchAnimal(0, 0, 1, "Bram");
        female = AddRanchAnimal(0, 1, 0, "Bella");
    }
    // Drops `dragged` on `partner` and reports the message shown, "" for none.
    std::string DropOn(Farm& farm, const Animal& dragged, const Animal& partner) {
        Drag(farm, dragged.x, dragged.y, partner.x, partner.y);
        for (const std::string& text : Texts()) {
            if (text.find('!') != std::string::npos) return text;
        }
        return "";
    }
};

TEST_F(FarmBreedingTest, EachCheckStopsBreedingWithItsMessage) {
    const struct {
        const char* message;
        std::function<void(FarmBreedingTest&)> setup;
        int upgrade;
    } cases[] = {
        {"You haven't learned the breeding skill yet!", [](FarmBreedingTest&) { Profile::SetFlag("Quest-Breeding", 1); }, 1},
        {"The animals are of the same gender!", [](FarmBreedingTest& t) { t.female->male = 1; }, 1},
        {"Both animals need to be in a good mood!", [](FarmBreedingTest& t) { t.female->mood = 0.94f; }, 1},
        {"One of the animals is too young to breed!", [](FarmBreedingTest& t) { t.male->age = 5990; }, 1},
        {"You have no space for a new animal!", [](FarmBreedingTest&) { AddRanchAnimal(2, 2, 0); }, 1},
        {"You can't breed an animal that's already pregnant!",
         [](FarmBreedingTest& t) {
             t.female->pregnant_counter = 9000;
             t.female->baby = MakeBreed(0);
         },
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ResetInterface();
        Profile::SetFlag("Quest-Breeding", 2);
        animals = {male, female};
        for (auto& a : animals) {
            a->male = a == male ? 1 : 0;
            a->mood = 1.0f;
            a->age = 7000;
            a->pregnant_counter = 0;
            a->baby.reset();
            a->clicked = 0;
        }
        c.setup(*this);
        Farm& farm = StartFarm(c.upgrade);
        const bool was_pregnant = female->pregnant_counter > 0;
        EXPECT_EQ(DropOn(farm, *male, *female), c.message);
        EXPECT_EQ(farm_window_open, 1);
        EXPECT_EQ(hud_active, 0);  // the message stands alone; its "OK" brings the corner back
        EXPECT_EQ(female->pregnant_counter > 0, was_pregnant);
        // The dragged animal is still placed by the snap rules: home to its own pen.
        EXPECT_EQ(male->position, 0);
        EXPECT_EQ(male->x, 296);
        EXPECT_EQ(male->y, 556);
    }
}

TEST_F(FarmBreedingTest, ThreePensHoldTwoAnimalsAndAnUnbornBaby) {
    auto mother = AddRanchAnimal(2, 2, 0, "Mum");
    mother->pregnant_counter = 100;
    mother->baby = MakeBreed(2);
    animals = {male, mother};
    Farm& farm = StartFarm(1);
    // Two grown animals of different genders but with a baby on the way: no room for another.
    EXPECT_EQ(Profile::TotalAnimalCount(), 3);
    EXPECT_EQ(DropOn(farm, *male, *mother), "You have no space for a new animal!");
}

TEST_F(FarmBreedingTest, TheFemaleCarriesTheBabyWhicheverIsDragged) {
    Farm& farm = StartFarm(2);
    EXPECT_EQ(DropOn(farm, *male, *female), "");
    EXPECT_GT(female->pregnant_counter, 0);
    ASSERT_TRUE(female->baby);
    EXPECT_EQ(male->pregnant_counter, 0);
    EXPECT_EQ(male->position, 0);
    EXPECT_EQ(farm_window_open, 0);
    EXPECT_EQ(hud_active, 1);

    ResetInterface();
    for (auto& a : animals) {
        a->pregnant_counter = 0;
        a->baby.reset();
        a->mood = 1.0f;
        a->clicked = 0;
    }
    Farm& again = StartFarm(2);
    EXPECT_EQ(DropOn(again, *female, *male), "");
    EXPECT_GT(female->pregnant_counter, 0);
    EXPECT_TRUE(female->baby);
    EXPECT_FALSE(male->baby);
    EXPECT_EQ(female->position, 1);
}

// ---- Food and tools ----

TEST_F(FarmTest, FoodIsEatenOnlyByAnAnimalAndItsLastUnitLeavesTheRow) {
    Profile::AddItem("Apple", 2);
    Profile::AddItem("Grass", 1);
    auto a = AddRanchAnimal(0, 0, 1);
    a->food = 0.2f;
    Farm& farm = StartFarm(1);
    Drag(farm, 312, 64, 650, 650);  // on empty ground: kept
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 2);
    EXPECT_FALSE(farm.selected_item);
    EXPECT_NEAR(a->food, 0.2f, 0.001f);

    Drag(farm, 312, 64, 296, 556);
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 1);
    EXPECT_GT(a->food, 0.25f);
    EXPECT_EQ(farm.items.size(), 2u);

    Drag(farm, 312, 64, 296, 556);
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 0);
    EXPECT_FALSE(Profile::GetItem("Apple"));
    ASSERT_EQ(farm.items.size(), 1u);
    EXPECT_EQ(farm.items[0]->name, "Grass");
    EXPECT_EQ(farm.items[0]->x, 312);
}

TEST_F(FarmTest, ABrushGroomsAndStaysWhileAFoodPotionIsUsedUp) {
    Profile::AddItem("Grooming brush", 1);
    Profile::AddItem("Food potion", 1);
    auto a = AddRanchAnimal(0, 0, 1);
    a->mood = 0.2f;
    a->food = 0.3f;
    Farm& farm = StartFarm(1);
    Drag(farm, 312, 144, 296, 556);
    EXPECT_GT(a->mood, 0.2f);
    EXPECT_EQ(ItemList::GetItem("Grooming brush")->number, 1);
    ASSERT_EQ(farm.supplies.size(), 2u);
    Drag(farm, 392, 144, 296, 556);
    EXPECT_GT(a->food, 0.65f);
    EXPECT_FALSE(Profile::GetItem("Food potion"));
    EXPECT_EQ(farm.supplies.size(), 1u);
}

TEST_F(FarmTest, AnItemTakenAwayWhileHeldFeedsNobody) {
    Profile::AddItem("Apple", 1);
    auto a = AddRanchAnimal(0, 0, 1);
    a->food = 0.2f;
    Farm& farm = StartFarm(1);
    MoveTo(312, 64);
    Frame(farm, 0);
    Frame(farm, 1);
    ASSERT_TRUE(farm.selected_item);
    Profile::SetItem("Apple", 0);  // a dialogue took it meanwhile
    MoveTo(296, 556);
    Frame(farm, 1);
    Frame(farm, 0);
    EXPECT_NEAR(a->food, 0.2f, 0.001f);
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 0);
    EXPECT_FALSE(Profile::GetItem("Apple"));
    Frame(farm, 0);
    EXPECT_TRUE(farm.items.empty());
}

TEST_F(FarmTest, HoveringACellMarksItUntilThePointerLeaves) {
    Profile::AddItem("Apple", 1);
    stored_animals[0] = MakeBreed(1);
    Farm& farm = StartFarm(1);
    Item& apple = *ItemList::GetItem("Apple");
    MoveTo(320, 70);
    Frame(farm, 0);
    EXPECT_EQ(apple.custom, 1);
    MoveTo(792, 144);
    Frame(farm, 0);
    EXPECT_EQ(apple.custom, 0);
    EXPECT_EQ(stored_animals[0]->custom, 1);
}

// ---- The double click ----

TEST_F(FarmTest, ASecondPressWithinThreeQuarterSecondsOpensThePanel) {
    auto a = AddRanchAnimal(0, 0, 1, "Daisy");
    auto b = AddRanchAnimal(1, 1, 0, "Fern");
    Farm& farm = StartFarm(1);
    MoveTo(296, 556);
    Frames(farm, 0, 2);
    Frames(farm, 1, 2);
    Frames(farm, 0, 5);
    Frame(farm, 1);
    EXPECT_EQ(farm_window_open, 1);
    EXPECT_EQ(panel_animal, a);
    EXPECT_FALSE(farm.selected_animal);
    EXPECT_EQ(a->clicked, 0);
    // With the panel open the ranch takes no presses.
    Frames(farm, 0, 3);
    MoveTo(382, 422);
    Frame(farm, 1);
    EXPECT_FALSE(farm.selected_animal);
}

TEST_F(FarmTest, APressOnAnotherAnimalOrALatePressStartsADrag) {
    auto a = AddRanchAnimal(0, 0, 1);
    auto b = AddRanchAnimal(1, 1, 0);
    Farm& farm = StartFarm(1);
    MoveTo(296, 556);
    Frames(farm, 0, 2);
    Frames(farm, 1, 2);
    Frames(farm, 0, 3);
    MoveTo(382, 422);
    Frame(farm, 1);
    EXPECT_EQ(farm.selected_animal, b);
    EXPECT_EQ(farm_window_open, 0);
    Frames(farm, 0, 2);
    // 0.75 s later the first animal is dragged again, not opened.
    Frames(farm, 0, 76);
    MoveTo(296, 556);
    Frame(farm, 1);
    EXPECT_EQ(farm.selected_animal, a);
    EXPECT_EQ(farm_window_open, 0);
}

// ---- Scene states ----

TEST_F(FarmTest, ALocationChangeLetsGoOfAStoredAnimalThatIsHeld) {
    auto ranch = std::make_shared<Location>();
    ranch->id = 3;
    ranch->special = 1;
    auto leave = std::make_shared<Action>();
    leave->name = "Leave";
    leave->value = 1;
    leave->location = 2;
    ranch->actions.push_back(leave);
    locations.push_back(ranch);
    auto stored = MakeBreed(2);
    stored_animals[0] = stored;
    Farm& farm = StartFarm(1);
    ASSERT_EQ(current_location, ranch.get());
    MoveTo(792, 144);
    Frame(farm, 0);
    Frame(farm, 1);
    MoveTo(296, 556);
    Frame(farm, 1);
    ASSERT_EQ(farm.selected_store, stored);
    Profile::SetFlag("Leave", 1);
    Frame(farm, 1);
    EXPECT_EQ(game_state, kStateExit);
    EXPECT_FALSE(farm.selected_store);
    EXPECT_EQ(stored->x, 792);
    EXPECT_EQ(stored_animals[0], stored);
    // Leaving fades the ranch interface out.
    Frame(farm, 0);
    EXPECT_EQ(farm_gui_active, 0);
    EXPECT_TRUE(std::all_of(farm_controls.begin(), farm_controls.end(), [](const ControlPtr& c) { return c->remove; }));
}

TEST_F(FarmTest, ADialogueHidesTheInterfaceAndItComesBackAfterwards) {
    Farm& farm = StartFarm(1);
    ASSERT_EQ(farm_gui_active, 1);
    game_state = kStateDialogue;
    farm.StateDialogue(1);
    EXPECT_EQ(farm_gui_active, 0);
    // The dialogue's end brings the corner buttons back; the ranch interface follows them.
    game_state = kStateNormal;
    AdventureGUI::Activate();
    Frame(farm, 0);
    EXPECT_EQ(farm_gui_active, 1);
}

TEST_F(FarmTest, TheSceneFactoryMakesTheRanchForSpecialLocationOne) {
    auto ranch = std::make_shared<Location>();
    ranch->id = 3;
    ranch->special = 1;
    locations.push_back(ranch);
    Profile::SetFlag("Farm-Upgrade", 2);
    location = 3;
    LocationEvent::Create();
    auto* farm = dynamic_cast<Farm*>(current_event.get());
    ASSERT_TRUE(farm);
    EXPECT_EQ(farm->nr_positions, 6);
}

}  // namespace
