// The one-frame checks: the breeding check, the choice of a fighter, the money check and the sale of
// gathered goods, each through the flags the scripts test afterwards.
#include "dialogue_checks.h"

#include <gtest/gtest.h>

#include "animal.h"
#include "dialogue_game.h"
#include "game_test_support.h"
#include "hosted_games.h"

namespace {

class ChecksTest : public HostedGameTest {
protected:
    static std::shared_ptr<Animal> Keep(const std::string& name, float health, float mood, int image = 2000,
                                        float wild = 0) {
        auto a = std::make_shared<Animal>();
        a->name = name;
        a->health = health;
        a->mood = mood;
        a->image = image;
        a->wild = wild;
        Profile::AddAnimal(a);
        return a;
    }
    // Runs hosted game `id` and expects it to end on its first frame.
    static void Run(int id) {
        auto game = CreateDialogueGame(id);
        ASSERT_NE(game, nullptr) << id;
        EXPECT_EQ(game->Update(1), 1) << id;
    }
    void SetUp() override {
        HostedGameTest::SetUp();
        RegisterHostedGames();
    }
};

TEST_F(ChecksTest, BreedingCheckJudgesTheBestAnimal) {
    Profile::SetFlag("ResultBreeding", 7);
    Run(6);
    EXPECT_EQ(Profile::GetFlagValue("ResultBreeding"), 0);
    Keep("Ada", 0.5f, 0.5f);
    Keep("Bea", 0.6f, 0.4f);  // the same health + mood: the earlier one stays the best
    Run(6);
    EXPECT_EQ(special_name, "Ada");
    EXPECT_EQ(Profile::GetFlagValue("ResultBreeding"), 1);
    Keep("Cid", 1.0f, 0.95f);
    Run(6);
    EXPECT_EQ(special_name, "Cid");
    EXPECT_EQ(Profile::GetFlagValue("ResultBreeding"), 2);
    // Health 1 but a mood just under 0.95 is not perfect, even when it sums higher.
    Keep("Dot", 1.0f, 0.949f)->health = 1.02f;
    Run(6);
    EXPECT_EQ(special_name, "Dot");
    EXPECT_EQ(Profile::GetFlagValue("ResultBreeding"), 1);
}

TEST_F(ChecksTest, TheFiercestAnimalIsChosenToFight) {
    Profile::SetFlag("ResultChooseAnimal", 1);
    Run(12);
    EXPECT_EQ(Profile::GetFlagValue("ResultChooseAnimal"), 0);
    Keep("Odd", 0, 0, 1999);  // not a breed: never chosen
    Run(12);
    EXPECT_EQ(Profile::GetFlagValue("ResultChooseAnimal"), 0);
    Keep("Ox", 0, 0, 2003);       // 6
    Keep("Bunny", 0, 0, 2002);    // 2
    Run(12);
    EXPECT_EQ(special_name, "Ox");
    EXPECT_EQ(Profile::GetFlagValue("ResultChooseAnimal"), 1);
    Keep("Beast", 0, 0, 2012, 0.6f);   // 25
    Keep("Wilder", 0, 0, 2012, 0.9f);  // 25, wilder
    Keep("Same", 0, 0, 2012, 0.9f);    // 25, as wild: the earlier stays
    Run(12);
    EXPECT_EQ(special_name, "Wilder");
    Keep("Winner", 0, 0, 2008, 0.5f);  // the Bunny Beast beats them all
    Run(12);
    EXPECT_EQ(special_name, "Winner");
    const int scores[] = {3, 1, 2, 6, 5, 4, 30, 40, 50, 12, 11, 10, 25};
    for (int k = 0; k < 13; ++k) EXPECT_EQ(DialogueChooseAnimal::Score(2000 + k), scores[k]);
    EXPECT_EQ(DialogueChooseAnimal::Score(2013), 0);
}

TEST_F(ChecksTest, MoneyCheckComparesAndClearsTheAmount) {
    Profile::SetFlag("Money", 200);
    Profile::SetFlag("Misc-CheckMoney", 200);
    Run(11);
    EXPECT_EQ(Profile::GetFlagValue("ResultMoney"), 1);
    EXPECT_EQ(Profile::GetFlag("Misc-CheckMoney"), nullptr);
    Profile::SetFlag("Misc-CheckMoney", 201);
    Run(11);
    EXPECT_EQ(Profile::GetFlagValue("ResultMoney"), 0);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 200);
}

TEST_F(ChecksTest, SellingTurnsAllOfOneGoodIntoMoney) {
    Profile::SetFlag("Money", 10);
    Profile::AddItem("Berries", 7);
    Profile::AddItem("Apple", 2);
    Profile::SetFlag("Misc-SellIndex", 3);
    Profile::SetFlag("Misc-SellValue", 5);
    Run(13);
    EXPECT_EQ(Profile::GetFlagValue("FlagValue"), 35);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 45);
    EXPECT_EQ(Profile::GetItem("Berries"), nullptr);
    EXPECT_EQ(Owned("Apple"), 2);
    EXPECT_EQ(Profile::GetFlag("Misc-SellIndex"), nullptr);
    EXPECT_EQ(Profile::GetFlag("Misc-SellValue"), nullptr);
    // Nothing owned of the goods: nothing earned, and the last sale's figure is cleared.
    Profile::SetFlag("Misc-SellIndex", 5);
    Profile::SetFlag("Misc-SellValue", 5);
    Run(13);
    EXPECT_EQ(Profile::GetFlagValue("FlagValue"), 0);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 45);
    // No index means apples; an unknown index sells nothing.
    Profile::SetFlag("Misc-SellValue", 4);
    Run(13);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 53);
    Profile::AddItem("Mushroom", 3);
    Profile::SetFlag("Misc-SellIndex", 6);
    Profile::SetFlag("Misc-SellValue", 4);
    Run(13);
    EXPECT_EQ(Owned("Mushroom"), 3);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 53);
    const char* goods[] = {"Apple", "Small fish", "Big fish", "Berries", "Acorns", "Mushroom"};
    for (int i = 0; i < 6; ++i) EXPECT_STREQ(DialogueSell::Goods(i), goods[i]);
}

// Proceeds and money stop at the largest amount instead of wrapping round to a debt.
TEST_F(ChecksTest, BigSalesSaturateInsteadOfWrapping) {
    Profile::SetFlag("Money", 2147483000);
    Profile::AddItem("Berries", 3);
    Profile::SetFlag("Misc-SellIndex", 3);
    Profile::SetFlag("Misc-SellValue", 1000000000);
    Run(13);
    EXPECT_EQ(Profile::GetFlagValue("FlagValue"), 2147483647);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 2147483647);
}

}  // namespace
