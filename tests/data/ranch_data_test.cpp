// The hand-written ranch catalogues in data/ load with the game's own loaders and hold what the
// program relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "award.h"
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

TEST_F(RanchData, ItemsHoldEveryNameTheProgramUses) {
    ASSERT_EQ(ItemList::Load(kData + "items.xml"), 1);
    const std::map<std::string, std::string> required = {
        {"Small fish", "Food"},       {"Big fish", "Food"},       {"Apple", "Food"},
        {"Acorns", "Food"},           {"Berries", "Food"},        {"Grass", "Food"},
        {"Mushroom", "Food"},         {"Meat", "Food"},           {"Grooming brush", "Grooming"},
        {"Fine brush", "Grooming"},   {"Food potion", "Potion"},  {"Meat x10", "x10"},
        {"Food potion x10", "x10"},   {"Compass", "Special"},     {"Red lure", "Special"},
        {"Big lure", "Special"},      {"Red herring", ""},        {"Squid", ""},
    };
    for (const auto& [name, cls] : required) {
        auto item = ItemList::GetItem(name);
        ASSERT_TRUE(item) << name;
        if (!cls.empty()) {
            EXPECT_EQ(item->class_name, cls) << name;
        }
    }
    std::set<std::string> names;
    std::set<int> pictures;
    for (const auto& item : items_catalogue) {
        EXPECT_TRUE(names.insert(item->name).second) << "duplicate " << item->name;
        EXPECT_TRUE(pictures.insert(item->image).second) << "shared picture " << item->image;
        EXPECT_GE(item->image, 5000) << item->name;  // content ids clear of the program's own
        EXPECT_LT(item->image, 6000) << item->name;
        EXPECT_GE(item->description.size(), 20u) << item->name;
        EXPECT_EQ(item->description.find('"'), std::string::npos);
        if (item->class_name == "x10") {
            ASSERT_GT(item->name.size(), 4u);
            EXPECT_TRUE(ItemList::GetItem(item->name.substr(0, item->name.size() - 4))) << item->name;
        }
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
    // The program sets "Quest-Repair" to 2 at the first repair.
    for (const auto& quest : quests)
        if (quest->name == "Quest-Repair") {
            EXPECT_TRUE(quest->GetStatus(2));
        }
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
    // Reachable: 13 breeds, 13 statues, 9 pens.
    for (const auto& award : awards) {
        if (award->flag == "Misc-Breeds" || award->flag == "StatueCount") {
            EXPECT_LE(award->value, 13);
        }
        if (award->flag == "Misc-MaxAnimals") {
            EXPECT_LE(award->value, 9);
        }
    }
}

TEST_F(RanchData, TraitsLoad) {
    std::vector<std::shared_ptr<Trait>> list;
    ASSERT_NO_THROW(TraitList::PopulateTraits(list, kData + "traits.xml"));
    EXPECT_GE(list.size(), 10u);
}

TEST_F(RanchData, LocationsLoadWhenPresent) {
    if (!FileExists(kData + "locations.xml")) GTEST_SKIP() << "no locations.xml yet";
    EXPECT_EQ(LocationList::Load(kData + "locations.xml"), 1);
    EXPECT_TRUE(LocationList::GetLocation(1));
    ASSERT_TRUE(LocationList::GetLocation(3));
    EXPECT_EQ(LocationList::GetLocation(3)->special, 1);
}

TEST_F(RanchData, EveryItemPictureIsInTheManifest) {
    std::set<int> registered;
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        if (!FileExists(kData + manifest)) continue;
        std::unique_ptr<xmlNode> root = xmlNode::Load(kData + manifest);
        ASSERT_TRUE(root) << manifest;
        for (int i = 0; i < root->ChildCount(); i++) {
            const xmlNode* child = root->GetChild(i);
            if (child->Name != "image") continue;
            int id = child->AttributeInt("id");
            int count = std::max(child->AttributeInt("number", 1), 1);
            for (int k = 0; k < count; k++) registered.insert(id + k);
        }
    }
    if (registered.empty()) GTEST_SKIP() << "no manifest yet";
    ASSERT_EQ(ItemList::Load(kData + "items.xml"), 1);
    for (const auto& item : items_catalogue) EXPECT_TRUE(registered.count(item->image)) << item->name;
}
