// The fight as the story brings it: at the lookout the player sends the fiercest spiggle on the
// ranch down into the ravine, the battle plays by itself, and back at the lookout the victory
// moves the story on to the festival.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game_runner.h"
#include "scenario_script.h"
#include "xml.h"

namespace {

// A Bunny Beast (big bun ears, wild heart) in pen 1: the breed that beats Adamant.
const char* const kBunnyBeast =
    "  <animal name=\"Bramble\" male=\"1\" position=\"0\" bovine=\"0.00000000\" bunny=\"0.600000024\" "
    "cat=\"0.00000000\" wild=\"0.600000024\" age=\"9000.00000\" food=\"0.800000012\" mood=\"0.500000000\" "
    "health=\"0.899999976\" r=\"200\" g=\"170\" b=\"140\" direction=\"1.00000000\" pricemod=\"1.00000000\"/>\r\n";

std::string Flag(const std::string& name, int value) {
    return "  <flag name=\"" + name + "\" value=\"" + std::to_string(value) + "\"/>\r\n";
}

}  // namespace

TEST(BattleScenario, TheBunnyBeastBeatsAdamantAndTheValleyGetsItsFestival) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("battle_won");
    // Everything up to the fight is done: the chapters so far are seen, the dwarf opened the way,
    // the Wildman named the breed and a Bunny Beast stands on the ranch.
    SeedSavedPlayer(runner, "Ann", "10",
                    Flag("A Letter from Grandma", 1) + Flag("The Ranch Reborn", 1) + Flag("Under the Mountain", 1) +
                        Flag("The Beast of the Ravine", 1) + Flag("Quest-Repair", 2) + Flag("Quest-DwarfLord", 5) +
                        Flag("Quest-Adamant", 3) + Flag("Misc-Animal2008", 1) + kBunnyBeast);
    const std::string shots = runner.UserDir() + "/";
    const std::string script = SkipSplash(1000) + ClickAt(512, 352) + "wait 300\n" +  // "Play": the lookout
                               ClickAt(320, 640) + "wait 150\n" +                    // the clawed boulder
                               AdvanceSpeech(1) + "wait 60\nscreenshot " + shots + "face.png\n" +
                               ClickAt(510, 623) + "wait 60\n" +  // "Send my fiercest spiggle"
                               AdvanceSpeech(1) +                 // "Bramble steps forward..."
                               "wait 400\nscreenshot " + shots + "names.png\n" +
                               "wait 700\nscreenshot " + shots + "fight.png\n" +
                               "wait 3000\n" +                      // three rounds, the end, the way back
                               AdvanceSpeech(2) + "wait 300\nquit\n";  // the victory at the lookout
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    const std::string save = runner.ReadUserFile("Profiles/Ann.sav");
    for (const char* line : {"<flag name=\"ResultBattle\" value=\"1\"/>", "<flag name=\"Quest-Adamant\" value=\"5\"/>"}) {
        EXPECT_NE(save.find(line), std::string::npos) << line << "\n" << save;
    }
    // The fight changed nothing about Bramble: still on the ranch, still healthy.
    EXPECT_NE(save.find("<animal name=\"Bramble\""), std::string::npos) << save;
    for (const char* shot : {"face.png", "names.png", "fight.png"}) EXPECT_TRUE(runner.UserFileExists(shot)) << shot;
}
