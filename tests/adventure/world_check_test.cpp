// The start-up check of the world's references: each kind of broken reference is named with the
// place that holds it, so a missing dialogue file stops the game at start, not at a click.
#include "world_check.h"

#include <gtest/gtest.h>

#include "app.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "location.h"

namespace {

class WorldCheck : public ::testing::Test {
protected:
    void SetUp() override {
        locations.clear();
        dialogue_list.clear();
        auto store = std::make_shared<Location>();
        store->id = 4;
        store->name = "Malcolm's Store";
        locations.push_back(store);
        auto talk = std::make_unique<Dialogue>();
        talk->id = 400;
        dialogue_list.push_back(std::move(talk));
    }
    void TearDown() override {
        locations.clear();
        dialogue_list.clear();
    }
    Location& Store() { return *locations.front(); }
    LocationHotspot& AddHotspot(const std::string& name) {
        Store().hotspots.emplace_back();
        Store().hotspots.back().name = name;
        return Store().hotspots.back();
    }
};

TEST_F(WorldCheck, EachBrokenReferenceIsNamedWithItsPlace) {
    AddHotspot("Malcolm").dialogue = 400;
    AddHotspot("Door").location = 4;
    EXPECT_EQ(FindBrokenWorldReference(), "");

    AddHotspot("Harry").dialogue = 401;  // its dialogue file is missing
    EXPECT_EQ(FindBrokenWorldReference(),
              "Error: Dialogue id 401 not found! (hotspot 'Harry' in location 4, 'Malcolm's Store')");
    Store().hotspots.pop_back();

    LocationHotspot& trail = AddHotspot("Trail");  // without its item it talks: dialogue `result`
    trail.location = 4;
    trail.condition = "Compass";
    EXPECT_EQ(FindBrokenWorldReference(), "") << "no answer named: the click does nothing, the game goes on";
    trail.result = 402;
    EXPECT_NE(FindBrokenWorldReference().find("Dialogue id 402 not found! (hotspot 'Trail'"), std::string::npos);
    trail.result = 400;
    EXPECT_EQ(FindBrokenWorldReference(), "");

    auto action = std::make_shared<Action>();
    action->name = "Misc-Door";
    action->location = 9;
    Store().actions.push_back(action);
    EXPECT_EQ(FindBrokenWorldReference(),
              "Error: Location 9 does not exist! (action on flag 'Misc-Door' in location 4, 'Malcolm's Store')");
    Store().actions.clear();

    app_dir = "/nonexistent";
    Store().files.push_back({10000, "Data/Graphics/Clock.png"});
    EXPECT_EQ(FindBrokenWorldReference(),
              "Error: Failed to load file '/nonexistent/Data/Graphics/Clock.png'! (picture in location 4, 'Malcolm's Store')");
    app_dir = ".";
}

}  // namespace
