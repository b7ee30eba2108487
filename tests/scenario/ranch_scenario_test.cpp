// The ranch played as a player plays it: from the square's road to the ranch, an apple dragged onto
// a spiggle, a double click that opens its panel, a spiggle dragged into storage, and all of it in
// the save. And the story's first repair: paid on the ranch screen, the chapter that follows, the
// stray spiggle that moves into pen 1.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game_runner.h"
#include "scenario_script.h"
#include "xml.h"

namespace {

bool SaveHas(const std::string& save, const std::string& text) { return save.find(text) != std::string::npos; }

// Holds the button from one spot to another, as a hand drags.
std::string DragFromTo(int x0, int y0, int x1, int y1) {
    const std::string from = std::to_string(x0) + " " + std::to_string(y0);
    return "move " + from + "\nwait 5\ndown\nwait 5\nmove " + std::to_string((x0 + x1) / 2) + " " +
           std::to_string((y0 + y1) / 2) + "\nwait 3\nmove " + std::to_string(x1) + " " + std::to_string(y1) +
           "\nwait 5\nup\nwait 60\n";
}

// The animal element of `name` in the save, or "" when there is none.
std::string AnimalLine(const std::string& save, const std::string& name) {
    const size_t at = save.find("<animal name=\"" + name + "\"");
    if (at == std::string::npos) return "";
    return save.substr(at, save.find('\n', at) - at);
}

// The ranch pens the seeds use: pen 0 at (296, 556), pen 1 at (382, 422); the apple is the first
// cell of the food row (312, 64), storage slot 0 is at (792, 144).
const char* kRanchSeed =
    "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n"
    "  <flag name=\"Tips-Ranch\" value=\"1\"/>\r\n"
    "  <flag name=\"Farm-Upgrade\" value=\"1\"/>\r\n"
    "  <flag name=\"OldLocation\" value=\"3\"/>\r\n"
    "  <flag name=\"Money\" value=\"120\"/>\r\n"
    "  <item name=\"Apple\" number=\"3\"/>\r\n"
    "  <animal name=\"Bessie\" male=\"0\" position=\"0\" bovine=\"0.4\" bunny=\"0\" cat=\"0\" wild=\"0\" age=\"7000\" "
    "food=\"0.5\" mood=\"0.2\" health=\"0.3\" r=\"230\" g=\"190\" b=\"150\" direction=\"1\" pricemod=\"1\"/>\r\n"
    "  <animal name=\"Darell\" male=\"1\" position=\"1\" bovine=\"0\" bunny=\"0\" cat=\"0.4\" wild=\"0\" age=\"9000\" "
    "food=\"0.8\" mood=\"0.6\" health=\"0.3\" r=\"140\" g=\"200\" b=\"230\" direction=\"-1\" pricemod=\"1\"/>\r\n";

}  // namespace

TEST(RanchScenario, FromTheSquareToTheRanchAnAppleIsEatenAndASpiggleStored) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("ranch_tend");
    // The player last came from the ranch: the square opens facing its road, the signpost at (60, 560).
    SeedSavedPlayer(runner, "Ann", "2", kRanchSeed);
    const std::string shots = runner.UserDir() + "/";
    const std::string script = SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" +  // "Play": the square
                               ClickAt(60, 540) + "wait 300\n" +                     // the road to the ranch
                               DragFromTo(312, 64, 296, 540) +                       // an apple for Bessie
                               "screenshot " + shots + "ranch.png\n" +
                               ClickAt(382, 410) + "wait 3\n" + ClickAt(382, 410) +  // Darell, twice: his panel
                               "wait 100\nscreenshot " + shots + "panel.png\n" +
                               ClickAt(512, 560) + "wait 100\n" +                    // "Exit"
                               DragFromTo(296, 540, 792, 144) +                      // Bessie into storage
                               "screenshot " + shots + "stored.png\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    const std::string text = runner.ReadUserFile("Profiles/Ann.sav");
    std::unique_ptr<xmlNode> save = xmlNode::LoadString(text);
    ASSERT_TRUE(save) << run.output;
    EXPECT_EQ(save->AttributeString("location"), "3") << text;
    EXPECT_TRUE(SaveHas(text, "<flag name=\"OldLocation\" value=\"2\"/>")) << text;
    // One apple eaten; the money untouched.
    EXPECT_TRUE(SaveHas(text, "<item name=\"Apple\" number=\"2\"/>")) << text;
    EXPECT_TRUE(SaveHas(text, "<flag name=\"Money\" value=\"120\"/>")) << text;
    // Darell stays in his pen; Bessie is in storage slot 0, fed by the apple (a Bovine likes apples).
    EXPECT_NE(AnimalLine(text, "Darell").find("position=\"1\""), std::string::npos) << text;
    const size_t store = text.find("<store>");
    ASSERT_NE(store, std::string::npos) << text;
    EXPECT_LT(text.find("<animal name=\"Darell\""), store);
    EXPECT_GT(text.find("<animal name=\"Bessie\""), store) << text;
    std::unique_ptr<xmlNode> bessie = xmlNode::LoadString(AnimalLine(text, "Bessie"));
    ASSERT_TRUE(bessie) << text;
    EXPECT_GT(bessie->AttributeFloat("food"), 0.55f);  // 0.5 + 0.1 from the apple, less a little hunger
    EXPECT_GT(bessie->AttributeFloat("mood"), 0.25f);  // a liked food
    for (const char* shot : {"ranch.png", "panel.png", "stored.png"}) EXPECT_TRUE(runner.UserFileExists(shot)) << shot;
}

TEST(RanchScenario, TheFirstRepairBringsTheNextChapterAndAStraySpiggle) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("ranch_repair");
    SeedSavedPlayer(runner, "Ann", "3",
                    "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n"
                    "  <flag name=\"Tips-Ranch\" value=\"1\"/>\r\n"
                    "  <flag name=\"Quest-Repair\" value=\"1\"/>\r\n"
                    "  <flag name=\"Money\" value=\"230\"/>\r\n");
    const std::string shots = runner.UserDir() + "/";
    const std::string script = SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" +  // "Play": the ranch
                               "screenshot " + shots + "broken.png\n" +
                               ClickAt(552, 450) + "wait 250\n" +                    // "Repair" for $200
                               "click 500 500\nwait 700\n" +                          // the chapter's intro
                               AdvanceSpeech(11) + "wait 100\n" +                    // the stray spiggle and Grandma's brush
                               "screenshot " + shots + "mended.png\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    const std::string text = runner.ReadUserFile("Profiles/Ann.sav");
    ASSERT_TRUE(xmlNode::LoadString(text)) << run.output;
    for (const char* line : {"<flag name=\"Money\" value=\"30\"/>", "<flag name=\"Farm-Upgrade\" value=\"1\"/>",
                             "<flag name=\"Quest-Repair\" value=\"2\"/>", "<flag name=\"The Ranch Reborn\" value=\"1\"/>",
                             "<flag name=\"Tips-Ranch\" value=\"1\"/>", "<flag name=\"Misc-Animal2000\" value=\"1\"/>",
                             "<item name=\"Grooming brush\" number=\"1\"/>"}) {
        EXPECT_TRUE(SaveHas(text, line)) << line << "\n" << text;
    }
    // The dialogue ran to its end: its flags are cleared and the save was written after it.
    for (const char* gone : {"DoLitter", "UpgradedOne", "UpgradedOneDialogue", "Misc-AddAnimal"}) {
        EXPECT_FALSE(SaveHas(text, std::string("<flag name=\"") + gone + "\"")) << gone << "\n" << text;
    }
    // One adult Bovine in pen 1.
    const size_t first = text.find("<animal ");
    ASSERT_NE(first, std::string::npos) << text;
    EXPECT_EQ(text.find("<animal ", first + 1), std::string::npos) << text;
    std::unique_ptr<xmlNode> gift = xmlNode::LoadString(text.substr(first, text.find('\n', first) - first));
    ASSERT_TRUE(gift) << text;
    EXPECT_EQ(gift->AttributeString("position"), "1");
    EXPECT_FLOAT_EQ(gift->AttributeFloat("bovine"), 0.5f);
    EXPECT_GE(gift->AttributeFloat("age"), 6000);
    for (const char* shot : {"broken.png", "mended.png"}) EXPECT_TRUE(runner.UserFileExists(shot)) << shot;
}
