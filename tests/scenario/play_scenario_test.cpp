// Playing as a player does: "Play" on the title shows the first chapter's intro, the cottage starts,
// the letter is picked up and read, the doors lead through the square into the store and back (the
// view opens facing the door just used), "Save & Exit" returns to the title, and a second run
// continues where the first stopped. A second player opens every window of the menu and changes an
// option.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game_runner.h"
#include "scenario_script.h"
#include "xml.h"

namespace {

// Both splash pictures clicked away, a new player named, "Play" pressed.
std::string IntoTheGame() { return SkipSplash(1400) + "type Rosalind\\n\nwait 200\n" + ClickAt(512, 352); }

bool SaveHas(const std::string& save, const std::string& line) { return save.find(line) != std::string::npos; }

// The square is 1536 pixels wide. Seen from its middle, Malcolm's door (at 380 in the picture) is at
// screen x 124; coming back out of the store the view is centred on the door, which puts it at 380,
// where the middle view shows only cobbles.
constexpr int kStoreDoorFromTheMiddle = 124;
constexpr int kStoreDoorFacingIt = 380;

}  // namespace

TEST(PlayScenario, ANewPlayerWalksTheValleySavesAndExitsAndContinuesLater) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("play_walk");
    const std::string shots = runner.UserDir() + "/";
    const std::string first =
        IntoTheGame() + "wait 400\nscreenshot " + shots + "chapter.png\n" +
        "click 500 500\nwait 700\n" +                       // through the intro into the cottage
        ClickAt(505, 490) + "wait 150\n" +                  // Grandma's letter: its dialogue starts
        AdvanceSpeech(3) + "wait 600\n" + AdvanceSpeech(1) +  // three pages, the notices, a question
        ClickAt(510, 650) + "wait 60\n" + AdvanceSpeech(2) +  // "No thanks, I'll find my own way"
        "wait 200\nscreenshot " + shots + "cottage.png\n" +
        ClickAt(836, 364) + "wait 250\n" +                   // the cottage door: the square
        ClickAt(kStoreDoorFromTheMiddle, 362) + "wait 250\n" +  // Malcolm's door: the store
        ClickAt(104, 395) + "wait 250\nscreenshot " + shots + "square.png\n" +  // back out
        ClickAt(kStoreDoorFacingIt, 362) + "wait 250\n" +    // the door faces the player: in again
        PressEscape() + "wait 100\n" + ClickAt(512, 440) + "wait 700\n" +  // "Save & Exit"
        // On the title the player turns the music down: the options file shows the title was reached.
        ClickAt(512, 472) + "wait 100\n" + ClickAt(616, 336) + "wait 20\n" + ClickAt(512, 504) + "wait 50\nquit\n";
    GameRun run = runner.Run(first);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_NE(run.output.find("Yay, you got Grandma's letter!"), std::string::npos) << run.output;
    std::string text = runner.ReadUserFile("Profiles/Rosalind.sav");
    std::unique_ptr<xmlNode> save = xmlNode::LoadString(text);
    ASSERT_TRUE(save) << run.output;
    EXPECT_EQ(save->AttributeString("location"), "4") << text;
    // Clicked through, the intro still marks its chapter as seen.
    for (const char* line : {"<flag name=\"A Letter from Grandma\" value=\"1\"/>", "<flag name=\"OldLocation\" value=\"2\"/>",
                             "<flag name=\"Money\" value=\"50\"/>", "<item name=\"Grandma's letter\" number=\"1\"/>"}) {
        EXPECT_TRUE(SaveHas(text, line)) << line << "\n" << text;
    }
    EXPECT_NE(runner.ReadUserFile("Mossmeadow.ini").find("music_volume=\"0.50000000000000000\""), std::string::npos)
        << runner.ReadUserFile("Mossmeadow.ini");
    const float first_time = save->AttributeFloat("time");
    for (const char* shot : {"chapter.png", "cottage.png", "square.png"}) EXPECT_TRUE(runner.UserFileExists(shot)) << shot;

    // A second run: the title greets Rosalind, "Play" continues in the store (no intro is due), and
    // its door leads out to the square.
    run = runner.Run(SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" + ClickAt(104, 395) + "wait 250\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    text = runner.ReadUserFile("Profiles/Rosalind.sav");
    save = xmlNode::LoadString(text);
    ASSERT_TRUE(save);
    EXPECT_EQ(save->AttributeString("location"), "2") << text;
    EXPECT_TRUE(SaveHas(text, "<flag name=\"OldLocation\" value=\"4\"/>")) << text;
    EXPECT_TRUE(SaveHas(text, "<item name=\"Grandma's letter\" number=\"1\"/>")) << text;
    EXPECT_GT(save->AttributeFloat("time"), first_time + 500);
}

TEST(PlayScenario, EveryMenuWindowOpensAndAnOptionChangeIsKept) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("play_windows");
    // Eighteen kinds of items (more than the inventory shows at once), two statues, quests under way
    // and done, and money.
    std::string body =
        "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n  <flag name=\"Money\" value=\"1234\"/>\r\n"
        "  <flag name=\"Quest-Repair\" value=\"1\"/>\r\n  <flag name=\"Quest-Goods\" value=\"2\"/>\r\n"
        "  <flag name=\"Statue-01\" value=\"1\"/>\r\n  <flag name=\"Statue-05\" value=\"1\"/>\r\n"
        "  <flag name=\"StatueCount\" value=\"2\"/>\r\n";
    for (const char* item : {"Small fish", "Big fish", "Apple", "Acorns", "Berries", "Grass", "Mushroom", "Meat",
                             "Grooming brush", "Fine brush", "Food potion", "Compass", "Red lure", "Big lure",
                             "Red herring", "Squid", "Grandma's letter", "Berry jam"}) {
        body += std::string("  <item name=\"") + item + "\" number=\"3\"/>\r\n";
    }
    SeedSavedPlayer(runner, "Ann", "2", body);
    const std::string shots = runner.UserDir() + "/";
    auto shot = [&](const std::string& name) { return "wait 100\nscreenshot " + shots + name + ".png\n"; };
    const std::string script =
        SkipSplash(1000) + ClickAt(512, 352) + "wait 200\n" +  // "Play": the square
        shot("award") + PressEscape() + "wait 60\n" +         // a thousand coins earn an award
        shot("location") + PressEscape() + shot("menu") +
        ClickAt(512, 364) + shot("options") +                   // "Options"
        ClickAt(586, 288) + "wait 20\n" + ClickAt(512, 504) +  // sound volume to a quarter, "Exit"
        "wait 60\n" + ClickAt(24, 180) + shot("status") +      // the status page
        ClickAt(733, 318) + shot("statues") + ClickAt(512, 496) +  // its "View": the statues
        "wait 60\n" + ClickAt(80, 104) + shot("inventory") +   // the inventory scrolls to its fifth row
        "move 384 320\nwait 5\nwheel -3\n" + shot("inventory_scrolled") + ClickAt(512, 560) +
        "wait 60\n" + ClickAt(46, 136) + shot("quests") + ClickAt(640, 200) + shot("quests_all") +
        ClickAt(512, 560) + "wait 100\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    for (const char* name : {"award", "location", "menu", "options", "status", "statues", "inventory",
                             "inventory_scrolled", "quests", "quests_all"}) {
        EXPECT_TRUE(runner.UserFileExists(std::string(name) + ".png")) << name;
    }
    EXPECT_NE(runner.ReadUserFile("Profiles/Ann.sav").find("<flag name=\"Award-8\" value=\"1\"/>"), std::string::npos);
    EXPECT_NE(runner.ReadUserFile("Mossmeadow.ini").find("sound_volume=\"0.25000000000000000\""), std::string::npos)
        << runner.ReadUserFile("Mossmeadow.ini");
    EXPECT_EQ(xmlNode::LoadString(runner.ReadUserFile("Profiles/Ann.sav"))->AttributeString("location"), "2");
}
