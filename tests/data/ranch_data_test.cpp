// The hand-written ranch catalogues in data/ load with the game's own loaders and hold what the
// program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "award.h"
#include "data_check.h"
#include "item.h"
#include "location.h"
#include "profile.h"
#include "quest.h"
#include "system.h"
#include "trait.h"
#include "xml.h"

namespace {

const std::string kData = std::string(MOSSMEADOW_SOURCE_DIR) + "/data/";

void ThrowOnFatal(const std::string& text) { throw std::runtime_error(text); }

class RanchData : public ::testing::Test {
protected:
    void SetUp() override { SetFatalHandler(ThrowOnFatal); }
    void TearDown() override {
        ItemList::Destroy();
        QuestList::Destroy();
        AwardList::Destroy();
        LocationList::Destroy();
        Profile::CleanProfile();
        SetFatalHandler(nullptr);
    }
};

}  // namespace

// The names the program uses (with their classes), duplicates and ten-packs are checked by the
// game's data check.
TEST_F(RanchData, ItemsArePricedAndDescribed) {
    ASSERT_EQ(ItemList::Load(kData + "items.xml"), 1);
    std::set<int> pictures;
    for (const auto& item : items_catalogue) {
        EXPECT_TRUE(pictures.insert(item->image).second) << "shared picture " << item->image;
        EXPECT_GE(item->image, 5000) << item->name;  // content ids clear of the program's own
        EXPECT_LT(item->image, 6000) << item->name;
        EXPECT_GE(item->description.size(), 20u) << item->name;
        EXPECT_EQ(item->description.find('"'), std::string::npos);
    }
    // Shop goods have a price; the ten-packs are cheaper than ten single ones.
    for (const char* sold : {"Compass", "Grooming brush", "Fine brush", "Red lure", "Meat", "Meat x10", "Food potion",
                             "Food potion x10", "Big lure"})
        EXPECT_GT(ItemList::GetItem(sold)->cost, 0) << sold;
    EXPECT_LT(ItemList::GetItem("Meat x10")->cost, 10 * ItemList::GetItem("Meat")->cost);
    EXPECT_LT(ItemList::GetItem("Food potion x10")->cost, 10 * ItemList::GetItem("Food potion")->cost);
    // The foods reach the care rules by name.
    for (const char* food : {"Small fish", "Big fish", "Apple", "Acorns", "Berries", "Grass", "Mushroom", "Meat"})
        EXPECT_GE(FoodCategory(food), 0) << food;
}

TEST_F(RanchData, QuestsCountTheirStatusesFromOne) {
    ASSERT_EQ(QuestList::Load(kData + "quests.xml"), 1);
    ASSERT_GE(quests.size(), 8u);
    std::set<std::string> names;
    for (const auto& quest : quests) {
        EXPECT_TRUE(names.insert(quest->name).second) << quest->name;
        EXPECT_EQ(quest->name.rfind("Quest-", 0), 0u) << quest->name;
        ASSERT_FALSE(quest->status_list.empty()) << quest->name;
        for (size_t i = 0; i < quest->status_list.size(); i++) {
            const QuestStatus& status = quest->status_list[i];
            EXPECT_EQ(status.value, static_cast<int>(i) + 1) << quest->name;
            EXPECT_FALSE(status.text.empty()) << quest->name;
            EXPECT_EQ(status.complete, i + 1 == quest->status_list.size() ? 1 : 0) << quest->name << " " << i;
        }
    }
    for (const char* story : {"Quest-Repair", "Quest-Goods", "Quest-Breeding", "Quest-Squid", "Quest-DwarfLord",
                              "Quest-Wildman", "Quest-Adamant", "Quest-Spirits", "Quest-Jam"})
        EXPECT_TRUE(names.count(story)) << story;
    // Every quest at its last status makes the whole quest share.
    Profile::CleanProfile();
    for (const auto& quest : quests)
        Profile::SetFlag(quest->name, static_cast<int>(quest->status_list.size()));
    EXPECT_NEAR(QuestList::GetPercentage(64), 64.0f, 1e-3);
    QuestList::Update(1);
    EXPECT_EQ(QuestList::NumberCompleted(), static_cast<int>(quests.size()));
}

TEST_F(RanchData, AwardsWatchRealAchievements) {
    ASSERT_EQ(AwardList::Load(kData + "awards.xml"), 1);
    ASSERT_GE(awards.size(), 10u);
    const std::set<std::string> counters = {"Misc-Breeds", "Misc-Quests", "StatueCount",   "Money",
                                            "Misc-MaxAnimals", "Misc-MaxAge", "Quest-Adamant", "Misc-GameOver"};
    std::set<int> ids;
    for (const auto& award : awards) {
        EXPECT_TRUE(ids.insert(award->id).second) << award->id;
        EXPECT_TRUE(counters.count(award->flag)) << award->flag;
        EXPECT_GT(award->value, 0);
        EXPECT_FALSE(award->title.empty());
        EXPECT_FALSE(award->text.empty());
    }
}

TEST_F(RanchData, TraitsLoad) {
    std::vector<std::shared_ptr<Trait>> list;
    ASSERT_NO_THROW(TraitList::PopulateTraits(list, kData + "traits.xml"));
    EXPECT_GE(list.size(), 10u);
}

// The game's data check on the built data: every award's flag can reach its value, and every item
// can be had (a dialogue, a hotspot, a shop or a game gives it). The program's fixed locations,
// item names and quest values are checked with the world and dialogue data.
TEST(RanchDataCheck, AwardsCanBeWonAndItemsCanBeHad) {
    if (!FileExists(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/common.xml")) GTEST_SKIP() << "game data not built";
    DataCheck check(MOSSMEADOW_BUILD_DIR);
    check.CheckAwards();
    check.CheckGivenItems();
    for (const DataProblem& problem : check.Problems()) ADD_FAILURE() << problem.Line();
}
