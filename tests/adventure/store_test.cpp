// The shops: which items are offered, the buy buttons' money and space checks, what a purchase
// costs and gives (ten-packs too), the window closing after one purchase or "Exit", the ranch's
// stock by the player's money, and animal purchases.
#include "dialogue_store.h"

#include <gtest/gtest.h>

#include <set>

#include "animal.h"
#include "button.h"
#include "dialogue_game.h"
#include "game_test_support.h"
#include "hosted_games.h"
#include "scroll_control.h"
#include "text_control.h"

namespace {

class StoreTest : public HostedGameTest {
protected:
    void TearDown() override {
        store_offers.reset();
        ranch_stock.reset();
        HostedGameTest::TearDown();
    }
    static ScrollControl* List(DialogueStore& store) {
        for (const auto& c : store.controls) {
            if (auto* scroll = dynamic_cast<ScrollControl*>(c.get())) return scroll;
        }
        return nullptr;
    }
    static std::vector<Button*> BuyButtons(DialogueStore& store) {
        std::vector<Button*> buttons;
        for (const auto& c : List(store)->controls) {
            auto* b = dynamic_cast<Button*>(c.get());
            if (b && b->text == "Buy") buttons.push_back(b);
        }
        return buttons;
    }
    static std::vector<std::string> Offered(DialogueStore& store) {
        std::vector<std::string> names;
        for (Button* b : BuyButtons(store)) names.push_back(b->id);
        return names;
    }
    static std::vector<std::shared_ptr<Item>> Items(std::initializer_list<const char*> names) {
        std::vector<std::shared_ptr<Item>> list;
        for (const char* n : names) list.push_back(ItemList::GetItem(n));
        return list;
    }
    // Frames until the window has closed, or -1.
    static int CloseFrames(DialogueStore& store) {
        for (int i = 1; i <= 200; ++i) {
            if (store.Update(1)) return i;
        }
        return -1;
    }
    static std::shared_ptr<Animal> Offer(const std::string& name, int price, int male) {
        auto a = std::make_shared<Animal>();
        a->bovine = 0.4f;
        a->Calculate();
        a->name = name;
        a->price = price;
        a->male = male;
        return a;
    }
};

TEST_F(StoreTest, OwnedSpecialAndGroomingItemsAreNotOfferedAgain) {
    Profile::AddItem("Compass", 1);
    Profile::AddItem("Meat", 1);
    auto store = DialogueStore::Create("Shop", "Hello", Items({"Compass", "Grooming brush", "Meat", "Meat x10"}));
    EXPECT_EQ(Offered(*store), (std::vector<std::string>{"Grooming brush", "Meat", "Meat x10"}));
    Profile::AddItem("Grooming brush", 1);
    store = DialogueStore::Create("Shop", "Hello", Items({"Compass", "Grooming brush", "Meat"}));
    EXPECT_EQ(Offered(*store), (std::vector<std::string>{"Meat"}));
    // A name the catalogue lacks leaves no hole in the list.
    store = DialogueStore::Create("Shop", "Hello", Items({"Nothing at all", "Meat"}));
    EXPECT_EQ(Offered(*store), (std::vector<std::string>{"Meat"}));
}

TEST_F(StoreTest, TheWindowShowsTitleGreetingMoneyAndRowsOneUnderAnother) {
    Profile::SetFlag("Money", 1234);
    auto store = DialogueStore::Create("Malcolm's Shop", "Welcome!", Items({"Compass", "Grooming brush"}));
    ASSERT_EQ(store->controls.size(), 7u);
    for (const auto& c : store->controls) {
        EXPECT_EQ(c->global_color, 0);
        EXPECT_EQ(c->active, 1);
    }
    auto* money = dynamic_cast<Button*>(store->controls[4].get());
    ASSERT_NE(money, nullptr);
    EXPECT_EQ(money->text, "1234");
    EXPECT_EQ(money->x, 512 - 112 + money->w / 2);  // left-aligned beside the coin
    EXPECT_EQ(screen_fade.destination, 0.5f);
    const auto buttons = BuyButtons(*store);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_GT(buttons[1]->y, buttons[0]->y + 60);
    EXPECT_EQ(buttons[0]->x, 404);
    EXPECT_EQ(store_done, 0);
}

TEST_F(StoreTest, BuyingChargesOnceGivesTheItemAndClosesTheWindow) {
    Profile::SetFlag("Money", 100);
    auto store = DialogueStore::Create("Shop", "Hi", Items({"Compass", "Fine brush", "Meat"}));
    const auto buttons = BuyButtons(*store);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0]->active, 1);  // 60
    EXPECT_EQ(buttons[1]->active, 0);  // 150: too dear
    EXPECT_EQ(buttons[2]->active, 1);
    for (int i = 0; i < 60; ++i) EXPECT_EQ(store->Update(1), 0);  // the window fades in and waits
    DialogueStore::BuyItem(buttons[0]);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 40);
    EXPECT_EQ(Owned("Compass"), 1);
    EXPECT_EQ(store_done, 1);
    const int frames = CloseFrames(*store);
    EXPECT_GE(frames, 50);  // it fades out over 50
    EXPECT_LE(frames, 52);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 40);
}

TEST_F(StoreTest, APurchaseTheMoneyDoesNotCoverDoesNothing) {
    Profile::SetFlag("Money", 100);
    auto store = DialogueStore::Create("Shop", "Hi", Items({"Fine brush"}));
    DialogueStore::BuyItem(BuyButtons(*store)[0]);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 100);
    EXPECT_EQ(Profile::GetItem("Fine brush"), nullptr);
    EXPECT_EQ(store_done, 0);
}

TEST_F(StoreTest, ATenPackGivesTenOfItsContentsForOnePrice) {
    Profile::SetFlag("Money", 250);
    Profile::AddItem("Meat", 2);
    auto store = DialogueStore::Create("Shop", "Hi", Items({"Meat x10", "Stone x10"}));
    const auto buttons = BuyButtons(*store);
    DialogueStore::BuyItem(buttons[0]);
    EXPECT_EQ(Owned("Meat"), 12);
    EXPECT_EQ(Profile::GetItem("Meat x10"), nullptr);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 150);
    // A pack whose contents do not exist is not sold.
    store_done = 0;
    DialogueStore::BuyItem(buttons[1]);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 150);
    EXPECT_EQ(store_done, 0);
}

TEST_F(StoreTest, ExitClosesWithoutBuying) {
    Profile::SetFlag("Money", 500);
    auto store = DialogueStore::Create("Shop", "Hi", Items({"Meat"}));
    store_offers = std::make_unique<AnimalOffers>();
    EXPECT_EQ(store->Update(1), 0);
    DialogueStore::ExitStore(nullptr);
    EXPECT_EQ(store_offers, nullptr);
    EXPECT_GT(CloseFrames(*store), 0);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 500);
    EXPECT_TRUE(Profile::GetItem("Meat") == nullptr);
}

TEST_F(StoreTest, TheRanchOffersCheaperBreedsToPoorerPlayers) {
    auto breeds_offered = [](int money) {
        Profile::SetFlag("Money", money);
        std::set<int> images;
        for (int visit = 0; visit < 60; ++visit) {
            DialogueStore::InitializeAnimals();
            EXPECT_EQ(ranch_stock->size(), 2u);
            for (const auto& a : *ranch_stock) {
                images.insert(a->image);
                EXPECT_EQ(a->age, 6000);
                EXPECT_GT(a->price, 0);
            }
        }
        return images;
    };
    EXPECT_EQ(breeds_offered(50), (std::set<int>{2000}));
    EXPECT_EQ(breeds_offered(80), (std::set<int>{2000, 2001}));
    EXPECT_EQ(breeds_offered(100), (std::set<int>{2000, 2001, 2002}));
}

TEST_F(StoreTest, AnimalsNeedMoneyAndRoomOnTheRanch) {
    Profile::SetFlag("Money", 60);
    AnimalOffers offers = {Offer("Daisy", 50, 0), Offer("Bruno", 70, 1)};
    // Without a mended ranch nothing can be bought.
    auto store = DialogueStore::Create("Ranch", "Hi", offers);
    auto buttons = BuyButtons(*store);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->active, 0);
    EXPECT_EQ(buttons[0]->font, 1);
    Profile::SetFlag("Farm-Upgrade", 1);
    store = DialogueStore::Create("Ranch", "Hi", offers);
    buttons = BuyButtons(*store);
    EXPECT_EQ(buttons[0]->active, 1);
    EXPECT_EQ(buttons[1]->active, 0);  // 70 > 60
    ASSERT_NE(store_offers, nullptr);
    EXPECT_EQ(store_offers->size(), 2u);
    // A full ranch (three pens at the first repair) takes no more.
    for (int i = 0; i < 3; ++i) Profile::AddAnimal(Offer("Pen" + std::to_string(i), 1, 1));
    store = DialogueStore::Create("Ranch", "Hi", offers);
    EXPECT_EQ(BuyButtons(*store)[0]->active, 0);
    DialogueStore::BuyAnimal(BuyButtons(*store)[0]);
    EXPECT_EQ(animals.size(), 3u);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 60);
}

TEST_F(StoreTest, BuyingAnAnimalTakesItFromTheStockOntoTheRanch) {
    Profile::SetFlag("Money", 500);
    Profile::SetFlag("Farm-Upgrade", 2);
    ranch_stock = std::make_unique<AnimalOffers>(AnimalOffers{Offer("Daisy", 50, 0), Offer("Daisy", 90, 1)});
    auto store = DialogueStore::Create("Ranch", "Hi", *ranch_stock);
    const auto buttons = BuyButtons(*store);
    ASSERT_EQ(buttons.size(), 2u);
    const std::shared_ptr<Animal> second = (*ranch_stock)[1];
    // Two offers of the same name: the row clicked is the animal bought.
    DialogueStore::BuyAnimal(buttons[1]);
    ASSERT_EQ(animals.size(), 1u);
    EXPECT_EQ(animals[0], second);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 410);
    ASSERT_EQ(ranch_stock->size(), 1u);
    EXPECT_EQ((*ranch_stock)[0]->price, 50);
    EXPECT_EQ(store_done, 1);
    EXPECT_GT(CloseFrames(*store), 0);
}

TEST_F(StoreTest, TheHostedShopsCarryTheirCatalogues) {
    RegisterHostedGames();
    Profile::SetFlag("Money", 1000);
    auto offered = [&](int id) {
        auto game = CreateDialogueGame(id);
        auto* store = dynamic_cast<DialogueStore*>(game.get());
        EXPECT_NE(store, nullptr) << id;
        return store ? Offered(*store) : std::vector<std::string>{};
    };
    EXPECT_EQ(offered(2), (std::vector<std::string>{"Compass", "Grooming brush"}));
    EXPECT_EQ(offered(7), (std::vector<std::string>{"Fine brush", "Red lure", "Meat", "Meat x10"}));
    EXPECT_EQ(offered(8), (std::vector<std::string>{"Food potion", "Food potion x10", "Big lure"}));
    // The lures only while their quests need them.
    Profile::SetFlag("Quest-DwarfLord", 5);
    Profile::SetFlag("Quest-Squid", 3);
    Profile::AddItem("Squid", 1);
    EXPECT_EQ(offered(7), (std::vector<std::string>{"Fine brush", "Meat", "Meat x10"}));
    EXPECT_EQ(offered(8), (std::vector<std::string>{"Food potion", "Food potion x10"}));
    Profile::SetFlag("Quest-DwarfLord", 2);
    Profile::AddItem("Red herring", 1);
    EXPECT_EQ(offered(7), (std::vector<std::string>{"Fine brush", "Meat", "Meat x10"}));
    // The ranch shop makes its stock first; the wild beasts are wholly wild and adult.
    offered(3);
    ASSERT_NE(ranch_stock, nullptr);
    EXPECT_EQ(ranch_stock->size(), 2u);
    EXPECT_EQ(offered(9).size(), 2u);
    ASSERT_NE(store_offers, nullptr);
    for (const auto& beast : *store_offers) {
        EXPECT_EQ(beast->image, 2012);
        EXPECT_EQ(beast->wild, 1);
        EXPECT_EQ(beast->age, 6000);
        EXPECT_GE(beast->price, 315);
        EXPECT_LE(beast->price, 385);
    }
    EXPECT_EQ(ranch_stock->size(), 2u);
    EXPECT_EQ(CreateDialogueGame(14), nullptr);
}

}  // namespace
