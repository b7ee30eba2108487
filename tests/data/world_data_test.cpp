// The world's locations agree with the rest of the data: every dialogue, location, item and picture
// a location names exists, and every hotspot picture has pixels to click.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "app.h"
#include "dialogue_list.h"
#include "image_decode.h"
#include "item.h"
#include "location.h"
#include "system.h"
#include "world_check.h"
#include "xml.h"

namespace {

const std::string kData = std::string(MOSSMEADOW_SOURCE_DIR) + "/data/";

void ThrowOnFatal(const std::string& text) { throw std::runtime_error(text); }

// The manifest entry (id -> path) of every picture, for the tests that need a picture's size.
std::map<int, std::string> ManifestPaths() {
    std::map<int, std::string> paths;
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        std::unique_ptr<xmlNode> root = xmlNode::Load(kData + manifest);
        if (!root) continue;
        for (int i = 0; i < root->ChildCount(); i++) {
            const xmlNode* child = root->GetChild(i);
            if (child->Name == "image") paths[child->AttributeInt("id")] = child->AttributeString("path");
        }
    }
    return paths;
}

std::set<int> ManifestImages() {
    std::set<int> ids;
    for (const char* manifest : {"common.xml", "extra.xml"}) {
        std::unique_ptr<xmlNode> root = xmlNode::Load(kData + manifest);
        if (!root) continue;
        for (int i = 0; i < root->ChildCount(); i++) {
            const xmlNode* child = root->GetChild(i);
            if (child->Name != "image") continue;
            const int id = child->AttributeInt("id");
            const int count = child->AttributeInt("number", 1) > 0 ? child->AttributeInt("number", 1) : 1;
            for (int k = 0; k < count; k++) ids.insert(id + k);
        }
    }
    return ids;
}

class WorldData : public ::testing::Test {
protected:
    void SetUp() override {
        SetFatalHandler(ThrowOnFatal);
        ASSERT_EQ(LocationList::Load(kData + "locations.xml"), 1);
        ASSERT_EQ(ItemList::Load(kData + "items.xml"), 1);
        for (const std::string& file : ReadDir(kData + "Dialogues")) {
            if (file.size() > 4 && file.substr(file.size() - 4) == ".xml") {
                ASSERT_EQ(DialogueList::Load(kData + "Dialogues/" + file), 1) << file;
            }
        }
    }
    void TearDown() override {
        LocationList::Destroy();
        ItemList::Destroy();
        DialogueList::Destroy();
        SetFatalHandler(nullptr);
    }
};

}  // namespace

TEST_F(WorldData, EverythingALocationNamesExists) {
    const std::set<int> images = ManifestImages();
    ASSERT_FALSE(images.empty());
    for (const auto& location : locations) {
        const std::string where = "location " + std::to_string(location->id);
        EXPECT_TRUE(!(location->bg) || images.count(location->bg)) << where;
        for (const LocationFile& file : location->files) {
            EXPECT_GE(file.id, 10000) << where;  // below that the manifest's ids would collide
            EXPECT_FALSE(images.count(file.id)) << where << " image " << file.id;
        }
        std::set<int> hotspot_ids;
        for (const LocationHotspot& h : location->hotspots) {
            const std::string what = where + " hotspot " + h.name;
            EXPECT_TRUE(hotspot_ids.insert(h.id).second) << what << ": id used twice";
            EXPECT_TRUE(images.count(h.image) || h.image >= 10000) << what;
            EXPECT_TRUE(!(h.dialogue) || DialogueList::GetDialogue(h.dialogue)) << what;
            EXPECT_TRUE(!(h.result) || DialogueList::GetDialogue(h.result)) << what;
            EXPECT_TRUE(!(h.location) || LocationList::GetLocation(h.location)) << what;
            EXPECT_TRUE(!(!h.item.empty()) || ItemList::GetItem(h.item)) << what;
            EXPECT_TRUE(!(!h.condition.empty()) || ItemList::GetItem(h.condition)) << what;
        }
        for (const auto& action : location->actions) {
            const std::string what = where + " action on " + action->name;
            EXPECT_TRUE(!(action->dialogue) || DialogueList::GetDialogue(action->dialogue)) << what;
            EXPECT_TRUE(!(action->location) || LocationList::GetLocation(action->location)) << what;
            EXPECT_TRUE(!(!action->item.empty()) || ItemList::GetItem(action->item)) << what;
        }
    }
}

TEST_F(WorldData, EveryStatueHidesOnceAndLeadsToItsFind) {
    std::set<std::string> statues;
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            if (h.visible.rfind("Statue-", 0) != 0) continue;
            EXPECT_TRUE(statues.insert(h.visible).second) << h.visible << " hidden twice";
            EXPECT_EQ(h.value, 0) << h.visible;  // shown until found
            EXPECT_EQ(h.dialogue, 1900 + std::stoi(h.visible.substr(7))) << h.visible;
        }
    }
    EXPECT_EQ(statues.size(), 13u);
}

TEST_F(WorldData, NoHotspotLeadsIntoTheBattle) {
    // The ranch (special 1) is reached by hotspots; the battle (special 2) only through the lookout's
    // dialogue once a fighter is chosen (without an animal it cannot start), so no hotspot leads there.
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            if (!h.location) continue;
            const Location* target = LocationList::GetLocation(h.location);
            ASSERT_TRUE(target);
            EXPECT_NE(target->special, 2) << h.name;
        }
    }
}

TEST_F(WorldData, ScrollingLocationsOpenFacingTheWayBack) {
    // The view is centred on the way back only once a location raises Misc-SetCoords after entry;
    // that action must come first, before any other action of the location can take the frame.
    const std::map<int, std::string> paths = ManifestPaths();
    const std::string built = std::string(MOSSMEADOW_BUILD_DIR) + "/";
    int scrolling = 0;
    for (const auto& location : locations) {
        if (!location->bg || !paths.count(location->bg)) continue;
        Pixmap bg;
        if (!DecodeImageFile(built + paths.at(location->bg), &bg)) GTEST_SKIP() << "game data not built";
        const bool has_portal = std::any_of(location->hotspots.begin(), location->hotspots.end(),
                                            [](const LocationHotspot& h) { return h.location > 0; });
        if ((bg.width <= 1024 && bg.height <= 768) || !has_portal) continue;
        scrolling++;
        const std::string where = "location " + std::to_string(location->id);
        ASSERT_FALSE(location->actions.empty()) << where;
        const Action& first = *location->actions.front();
        EXPECT_EQ(first.name, "Misc-SetCoords") << where;
        EXPECT_EQ(first.value, 0) << where;
        EXPECT_EQ(first.dialogue + first.location, 0) << where;
        ASSERT_EQ(first.flag_list.size(), 1u) << where;
        EXPECT_EQ(first.flag_list[0].name, "Misc-SetCoords") << where;
        EXPECT_EQ(first.flag_list[0].value, 1) << where;
    }
    EXPECT_EQ(scrolling, 4);  // the square, the forest edge, the lake shore and the mountain path
}

TEST_F(WorldData, TheRanchKeepsItsHotspotsClearAndTellsOfEveryRepair) {
    const Location* ranch = LocationList::GetLocation(3);
    ASSERT_TRUE(ranch);
    EXPECT_EQ(ranch->special, 1);
    const std::map<int, std::string> paths = ManifestPaths();
    const std::string built = std::string(MOSSMEADOW_BUILD_DIR) + "/";
    bool way_back = false;
    for (const LocationHotspot& h : ranch->hotspots) {
        way_back = way_back || h.location == 2;
        Pixmap picture;
        if (!paths.count(h.image) || !DecodeImageFile(built + paths.at(h.image), &picture)) GTEST_SKIP() << "game data not built";
        const int left = h.x - picture.width / 2, right = h.x + picture.width / 2;
        const int top = h.y - picture.height / 2, bottom = h.y + picture.height / 2;
        // Clear of the item rows and storage (x 280-904, y 32-176), the corner buttons and the
        // pens (x 248-876, y 284-604 with the animals' reach).
        EXPECT_FALSE(left < 904 && right > 280 && top < 176 && bottom > 32) << h.name;
        EXPECT_FALSE(left < 240 && top < 220) << h.name;
        EXPECT_FALSE(left < 876 && right > 248 && top < 604 && bottom > 284) << h.name;
    }
    EXPECT_TRUE(way_back);
    // Every flag the ranch interface raises for the story is answered by an action there, and the
    // mood tip clears its trigger in the action itself (a skipped tip never runs to clear it).
    std::set<std::string> answered;
    for (const auto& action : ranch->actions) {
        if (action->value != 1 || !action->dialogue) continue;
        answered.insert(action->name);
        if (action->name == "T13") {
            ASSERT_EQ(action->flag_list.size(), 1u);
            EXPECT_EQ(action->flag_list[0].name, "T13");
            EXPECT_EQ(action->flag_list[0].value, 0);
        }
    }
    for (const char* flag : {"DoLitter", "UpgradedOneDialogue", "UpgradedTwoDialogue", "UpgradedThreeDialogue", "T13", "F2"}) {
        EXPECT_TRUE(answered.count(flag)) << flag;
    }
    // The square's road leads there.
    const Location* square = LocationList::GetLocation(2);
    ASSERT_TRUE(square);
    EXPECT_TRUE(std::any_of(square->hotspots.begin(), square->hotspots.end(),
                            [](const LocationHotspot& h) { return h.location == 3; }));
}

// The check the game runs at start finds nothing in the real data, pictures included.
TEST_F(WorldData, TheStartCheckFindsNothingBroken) {
    const std::string saved_app_dir = app_dir;
    app_dir = MOSSMEADOW_BUILD_DIR;
    EXPECT_EQ(FindBrokenWorldReference(), "");
    app_dir = saved_app_dir;
}
