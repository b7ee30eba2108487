// Grandma's letter, played by clicks from its hotspot to its end: the coins, the repair quest and the
// choice to skip the tips all land in the save file.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"
#include "scenario_script.h"

namespace {

// A player who has already seen the first chapter, standing in the cottage with the letter unread.
void SeedPlayer(const GameRunner& runner) {
    SeedSavedPlayer(runner, "Ann", "1", "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n");
}

}  // namespace

TEST(DialogueScenario, GrandmasLetterPlaysFromItsHotspotToItsEnd) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("dialogue_letter");
    SeedPlayer(runner);
    const std::string shots = runner.UserDir() + "/";
    const std::string script = SkipSplash(1000) +                      // splash pictures, loading, title
                               ClickAt(512, 352) + "wait 300\n" +       // "Play": straight into the cottage
                               ClickAt(505, 490) + "wait 150\n" +       // the letter: its dialogue starts
                               AdvanceSpeech(3) + "wait 600\n" +        // three pages; the notices close
                               AdvanceSpeech(1) + "wait 40\nscreenshot " + shots + "choices.png\n" +
                               ClickAt(510, 650) + "wait 60\n" +        // "No thanks, I'll find my own way"
                               AdvanceSpeech(2) + "wait 200\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_TRUE(runner.UserFileExists("choices.png"));
    const std::string save = runner.ReadUserFile("Profiles/Ann.sav");
    for (const char* line : {"<flag name=\"Money\" value=\"50\"/>", "<flag name=\"Quest-Repair\" value=\"1\"/>",
                             "<flag name=\"Misc-LetterRead\" value=\"1\"/>",
                             "<flag name=\"Switch-SkipTutorial\" value=\"1\"/>",
                             // The tips decline to run, but they count as seen.
                             "<flag name=\"Tips-Cottage\" value=\"1\"/>",
                             "<item name=\"Grandma's letter\" number=\"1\"/>"}) {
        EXPECT_NE(save.find(line), std::string::npos) << line << "\n" << save;
    }
}
