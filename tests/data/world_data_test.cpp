// The world's locations agree with the rest of the data: every dialogue, location, item and picture
// a location names exists, and every hotspot picture has pixels to click.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "app.h"
#include "data_check.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "image_decode.h"
#include "item.h"
#include "location.h"
#include "location_event.h"
#include "manifest_paths.h"
#include "system.h"
#include "world_check.h"
#include "xml.h"

namespace {

const std::string kData = std::string(MOSSMEADOW_SOURCE_DIR) + "/data/";

void ThrowOnFatal(const std::string& text) { throw std::runtime_error(text); }

// The manifest entry (id -> path) of every picture, for the tests that need a picture's size.
std::map<int, std::string> ManifestPaths() { return ManifestPicturePaths(kData); }

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

TEST(WorldDataCheck, EverythingALocationNamesExists) {
    // The game's data check on the built data: every dialogue, location, item and picture a
    // location names exists, hotspot ids are unique, per-location pictures clash with no manifest,
    // a hotspot that needs an item has a dialogue for when it is missing, and no hotspot leads
    // straight into the battle (it cannot start without an animal).
    if (!FileExists(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/common.xml")) GTEST_SKIP() << "game data not built";
    DataCheck check(MOSSMEADOW_BUILD_DIR);
    check.CheckDialogueIds();
    check.CheckLocations();
    check.CheckItems();
    check.CheckImages();
    for (const DataProblem& problem : check.Problems()) ADD_FAILURE() << problem.Line();
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

TEST_F(WorldData, TheMountainPathGlidesUpToItsGateOnTheFirstVisit) {
    // Coming up from the square, the path opens at its foot and the gate of the hall sits at the
    // very top edge. The first visit's dialogue ends with the view gliding up to the gate, so a
    // newcomer sees where to go.
    const Location* path = LocationList::GetLocation(9);
    ASSERT_NE(path, nullptr);
    const std::map<int, std::string> paths = ManifestPaths();
    Pixmap bg;
    if (!DecodeImageFile(std::string(MOSSMEADOW_BUILD_DIR) + "/" + paths.at(path->bg), &bg)) {
        GTEST_SKIP() << "game data not built";
    }
    const LocationHotspot* gate = nullptr;
    const LocationHotspot* way_back = nullptr;
    for (const LocationHotspot& h : path->hotspots) {
        if (h.location == 12) gate = &h;
        if (h.location == 2) way_back = &h;
    }
    ASSERT_TRUE(gate && way_back);
    const int entry_y = ClampScroll(static_cast<float>(bg.height / 2 - way_back->y), bg.height, 768);
    EXPECT_LT(gate->y - bg.height / 2 + 384 + entry_y, 120) << "the gate is in plain view: no glide needed";

    const Action* first_visit = nullptr;
    for (const auto& action : path->actions) {
        if (action->dialogue > 0) first_visit = action.get();
    }
    ASSERT_NE(first_visit, nullptr);
    Dialogue* d = DialogueList::GetDialogue(first_visit->dialogue);
    ASSERT_NE(d, nullptr);
    std::map<std::string, int> glide;
    for (const auto& step : d->items) {
        if (step->item_type == kStepFlag && step->flag.rfind("Misc-Move", 0) == 0) glide[step->flag] = step->value;
    }
    EXPECT_EQ(glide["Misc-MoveToX"], gate->x);
    EXPECT_EQ(glide["Misc-MoveToY"], gate->y);
    EXPECT_EQ(glide["Misc-MoveEnabled"], 1);
}

// The check the game runs at start finds nothing in the real data, pictures included.
TEST_F(WorldData, TheStartCheckFindsNothingBroken) {
    const std::string saved_app_dir = app_dir;
    app_dir = MOSSMEADOW_BUILD_DIR;
    EXPECT_EQ(FindBrokenWorldReference(), "");
    app_dir = saved_app_dir;
}
