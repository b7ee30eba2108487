// The hosted games played by clicks from their hotspots: the mushroom and acorn search at the Forest
// Edge (every spot of the play area probed, then Escape), and a purchase and a sale at Malcolm's
// store. The save file shows what the games and the shop wrote.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game_runner.h"
#include "scenario_script.h"
#include "xml.h"

namespace {

// How many of `item` the save holds (0 when none).
int SavedCount(const xmlNode& save, const std::string& item) {
    for (const auto& child : save._children) {
        if (child->Name == "item" && child->AttributeString("name") == item) return child->AttributeInt("number");
    }
    return 0;
}

int SavedFlag(const xmlNode& save, const std::string& flag) {
    for (const auto& child : save._children) {
        if (child->Name == "flag" && child->AttributeString("name") == flag) return child->AttributeInt("value");
    }
    return 0;
}

// Presses the button once at every point of a 12-pixel grid over the forest's play area (centred on
// the screen, 512 x 256, finds clickable 24 pixels in from its edges). Every spot lies within 9 pixels
// of some grid point, so every find is found. Two frames per press.
std::string SweepForest() {
    std::string s;
    for (int y = 384 - 128 + 26; y < 384 + 128 - 24; y += 12) {
        for (int x = 512 - 256 + 26; x < 512 + 256 - 24; x += 12) {
            s += "move " + std::to_string(x) + " " + std::to_string(y) + "\ndown\nwait 1\nup\nwait 1\n";
        }
    }
    return s;
}

}  // namespace

TEST(GamesScenario, TheForestSearchFindsEverySpotAndAddsTheFindsToTheInventory) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("games_forest");
    // At the Forest Edge, come from the square (the view opens at the bottom, by the way back), two
    // acorns in the basket already.
    SeedSavedPlayer(runner, "Ann", "6",
                    "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n  <flag name=\"OldLocation\" value=\"2\"/>\r\n"
                    "  <item name=\"Acorns\" number=\"2\"/>\r\n");
    const std::string shots = runner.UserDir() + "/";
    const std::string script = SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" +  // "Play": the forest
                               ClickAt(300, 640) + "wait 150\n" +  // the fallen log: its dialogue starts
                               AdvanceSpeech(1) + "wait 320\n" +    // the player steps aside; the game fades in
                               "move 420 330\nwait 5\nscreenshot " + shots + "forest.png\n" + SweepForest() +
                               "screenshot " + shots + "forest_swept.png\n" + PressEscape() +
                               "wait 250\nscreenshot " + shots + "after.png\n" + AdvanceSpeech(1) + "wait 200\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    for (const char* shot : {"forest.png", "forest_swept.png", "after.png"}) EXPECT_TRUE(runner.UserFileExists(shot)) << shot;
    const std::string text = runner.ReadUserFile("Profiles/Ann.sav");
    std::unique_ptr<xmlNode> save = xmlNode::LoadString(text);
    ASSERT_TRUE(save) << run.output;
    EXPECT_EQ(save->AttributeString("location"), "6");
    EXPECT_EQ(SavedFlag(*save, "Misc-LogVisits"), 1) << text;
    // Twelve spots hide in the forest; both kinds are among them with this seed.
    const int acorns = SavedCount(*save, "Acorns") - 2;
    const int mushrooms = SavedCount(*save, "Mushroom");
    EXPECT_GT(acorns, 0) << text;
    EXPECT_GT(mushrooms, 0) << text;
    EXPECT_EQ(acorns + mushrooms, 12) << text;
}

TEST(GamesScenario, MalcolmSellsABrushAndBuysTheApples) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("games_store");
    // In Malcolm's store with 50 coins and three apples; he has met the player and told about goods.
    SeedSavedPlayer(runner, "Ann", "4",
                    "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n  <flag name=\"Met-Malcolm\" value=\"1\"/>\r\n"
                    "  <flag name=\"Money\" value=\"50\"/>\r\n  <flag name=\"Quest-Goods\" value=\"1\"/>\r\n"
                    "  <item name=\"Apple\" number=\"3\"/>\r\n");
    const std::string shots = runner.UserDir() + "/";
    const std::string script =
        SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" +  // "Play": the store
        ClickAt(530, 312) + "wait 150\n" + AdvanceSpeech(1) +  // Malcolm greets
        ClickAt(510, 528) + "wait 60\n" + AdvanceSpeech(1) +    // "What do you sell?"
        "wait 120\nscreenshot " + shots + "shop.png\n" +
        ClickAt(660, 296) + "wait 10\n" +                        // the compass: 60 coins, too dear
        ClickAt(660, 440) + "wait 100\n" +                       // the grooming brush: 40
        AdvanceSpeech(1) +                                       // "Anything else catch your eye?"
        ClickAt(510, 559) + "wait 60\n" + AdvanceSpeech(1) +    // "I have goods to sell"
        ClickAt(510, 621) + "wait 60\n" +                        // "Apples, 4 coins each"
        AdvanceSpeech(1) + "wait 200\n" + AdvanceSpeech(1) +    // the coins; the first sale completes a quest
        ClickAt(510, 652) + "wait 60\n" + AdvanceSpeech(1) + "wait 200\nquit\n";  // "Goodbye"
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_TRUE(runner.UserFileExists("shop.png"));
    const std::string text = runner.ReadUserFile("Profiles/Ann.sav");
    std::unique_ptr<xmlNode> save = xmlNode::LoadString(text);
    ASSERT_TRUE(save) << run.output;
    EXPECT_EQ(SavedCount(*save, "Grooming brush"), 1) << text;
    EXPECT_EQ(SavedCount(*save, "Compass"), 0) << text;
    EXPECT_EQ(SavedCount(*save, "Apple"), 0) << text;
    EXPECT_EQ(SavedFlag(*save, "Money"), 50 - 40 + 3 * 4) << text;
    EXPECT_EQ(SavedFlag(*save, "Quest-Goods"), 2) << text;
    EXPECT_EQ(SavedFlag(*save, "Misc-SellIndex"), 0) << text;
}
