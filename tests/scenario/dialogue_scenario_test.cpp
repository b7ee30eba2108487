// Grandma's letter, played by clicks from its hotspot to its end: the coins, the repair quest and the
// choice to skip the tips all land in the save file.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>

#include "game_runner.h"
#include "system.h"

namespace {

bool GameAvailable() { return GameRunner::DataAvailable() && FileExists(MOSSMEADOW_BINARY); }

// A player who has already seen the first chapter, standing in the cottage.
void SeedPlayer(const GameRunner& runner) {
    mkdir((runner.UserDir() + "/Profiles").c_str(), 0755);
    std::ofstream(runner.UserDir() + "/Profiles/Ann.sav", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<profile rev=\"3\" time=\"100\" percent=\"0\" location=\"1\" "
           "image=\"1005\" pitch=\"1.25000000\" name=\"Ann\">\r\n"
           "  <flag name=\"A Letter from Grandma\" value=\"1\"/>\r\n</profile>\r\n";
    std::ofstream(runner.UserDir() + "/Mossmeadow.ini", std::ios::binary)
        << "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Ann\"/>\r\n</options>\r\n";
}

// Two clicks per speech box: the first finishes the typing, the second moves on.
std::string Advance(int boxes) {
    std::string s;
    for (int i = 0; i < boxes * 2; ++i) s += "click 512 200\nwait 60\n";
    return s;
}

}  // namespace

TEST(DialogueScenario, GrandmasLetterPlaysFromItsHotspotToItsEnd) {
    if (!GameAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("dialogue_letter");
    SeedPlayer(runner);
    const std::string shots = runner.UserDir() + "/";
    const std::string script =
        "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 1000\n"  // splash pictures, loading, title
        "move 512 352\nwait 5\nclick 512 352\nwait 300\n"          // "Play": straight into the cottage
        "move 505 490\nwait 10\nclick 505 490\nwait 150\n" +       // pick up the letter: its dialogue starts
        Advance(3) +                                               // the letter's three pages
        "wait 600\n" +                                             // coins and quest notices close by themselves
        Advance(1) + "wait 40\nscreenshot " + shots + "choices.png\n" +
        "move 510 650\nwait 10\nclick 510 650\nwait 60\n" +  // "No thanks, I'll find my own way"
        Advance(2) + "wait 200\nquit\n";
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
