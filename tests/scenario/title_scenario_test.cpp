// The opening as a player meets it: from an empty user folder through the splash and the loading
// screen to the title, where the character dialog opens by itself; then the greeting of a known
// player, deleting the only profile, and the question before a profile is replaced.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "font.h"
#include "font_list.h"
#include "game_runner.h"
#include "system.h"
#include "xml.h"

namespace {

// Frames from the start to the open character dialog, with both splash pictures clicked away: the
// loading screen and the title's fade-in take a few hundred; this leaves a wide margin.
constexpr int kToDialog = 1400;

bool GameAvailable() { return GameRunner::DataAvailable() && FileExists(MOSSMEADOW_BINARY); }

// Clicks away both splash pictures, then waits until the title menu has settled.
std::string Opening() { return "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait " + std::to_string(kToDialog) + "\n"; }

// A click as a player makes it: the pointer rests on the button before the press.
std::string Click(int x, int y) {
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return "move " + at + "\nwait 5\nclick " + at + "\n";
}

std::unique_ptr<xmlNode> ReadXml(const GameRunner& runner, const std::string& relative) {
    return xmlNode::LoadString(runner.ReadUserFile(relative));
}

// Where the title menu puts the "Click here" button under the greeting of `name`.
int ClickHereX(const std::string& name) {
    FontList::Clear();
    const std::string font = std::string(MOSSMEADOW_BUILD_DIR) + "/Data/Fonts/Quicksand-Bold.ttf";
    Font f = LoadImageFont(font, 14);
    const int tw = f ? FontTextWidth(f, "Welcome, " + name + "!") : 100;
    return 1024 - std::max(tw + 6, 112) + tw / 2;
}

// A new player types a name and presses Enter: the save and the options file name them.
GameRun CreateRosalind(GameRunner& runner) {
    return runner.Run(Opening() + "type Rosalind\\n\nwait 60\nquit\n");
}

TEST(TitleScenario, NewPlayerIsAskedForANameAndGetsASave) {
    if (!GameAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_new_player");
    const GameRun run = CreateRosalind(runner);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    ASSERT_TRUE(runner.UserFileExists("Profiles/Rosalind.sav")) << run.output;
    std::unique_ptr<xmlNode> save = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(save);
    EXPECT_EQ(save->AttributeString("rev"), "3");
    EXPECT_EQ(save->AttributeString("location"), "1");
    EXPECT_EQ(save->AttributeString("image"), "1000");  // male is preselected
    EXPECT_EQ(save->AttributeString("pitch"), "1.00000000");
    EXPECT_EQ(save->AttributeString("name"), "Rosalind");
    const std::string options = runner.ReadUserFile("Mossmeadow.ini");
    EXPECT_NE(options.find("<profile name=\"Rosalind\"/>"), std::string::npos) << options;
}

TEST(TitleScenario, KnownPlayerIsGreetedInsteadOfAsked) {
    if (!GameAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_known_player");
    ASSERT_EQ(CreateRosalind(runner).exit_status, 0);
    const float first_time = ReadXml(runner, "Profiles/Rosalind.sav")->AttributeFloat("time");
    // Had the dialog opened again, this name would become a second profile.
    const GameRun run = runner.Run(Opening() + "type Intruder\\n\nwait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_FALSE(runner.UserFileExists("Profiles/Intruder.sav"));
    EXPECT_GT(ReadXml(runner, "Profiles/Rosalind.sav")->AttributeFloat("time"), first_time + 500);
    EXPECT_NE(runner.ReadUserFile("Mossmeadow.ini").find("<profile name=\"Rosalind\"/>"), std::string::npos);
}

TEST(TitleScenario, DeletingTheOnlyProfileLeadsBackToTheCharacterDialog) {
    if (!GameAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_delete_only");
    ASSERT_EQ(CreateRosalind(runner).exit_status, 0);
    const std::string script = Opening() + Click(ClickHereX("Rosalind"), 736) + "wait 80\n" +
                               Click(280, 304) + "wait 80\n" +  // the card's "Delete"
                               Click(448, 398) + "wait 80\n" +  // "OK" on "Really delete profile?"
                               Click(512, 416) + "wait 120\n" +  // "Back": no profile, so the dialog opens
                               "type Newbie\\n\nwait 60\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_FALSE(runner.UserFileExists("Profiles/Rosalind.sav"));
    ASSERT_TRUE(runner.UserFileExists("Profiles/Newbie.sav"));
    EXPECT_NE(runner.ReadUserFile("Mossmeadow.ini").find("<profile name=\"Newbie\"/>"), std::string::npos);
}

TEST(TitleScenario, ExistingNameAsksBeforeReplacingTheProfile) {
    if (!GameAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_same_name");
    ASSERT_EQ(CreateRosalind(runner).exit_status, 0);
    const std::string to_dialog = Opening() + Click(ClickHereX("Rosalind"), 736) + "wait 80\n" +
                                  Click(512, 256) + "wait 80\n";  // the empty card's "Create"
    // "Cancel" on the question keeps the old save and opens the dialog again (no profile is active).
    const std::string shot = runner.UserDir() + "/question.png";
    GameRun run = runner.Run(to_dialog + "type Rosalind\\n\nwait 80\nscreenshot " + shot + "\n" + Click(576, 398) +
                             "wait 120\ntype Other\\n\nwait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_TRUE(runner.UserFileExists("question.png"));
    std::unique_ptr<xmlNode> kept = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(kept);
    EXPECT_GT(kept->AttributeFloat("time"), 500);  // not replaced
    EXPECT_TRUE(runner.UserFileExists("Profiles/Other.sav"));
    // "OK" replaces it with a fresh profile.
    run = runner.Run(Opening() + Click(ClickHereX("Other"), 736) + "wait 80\n" + Click(800, 256) +
                     "wait 80\ntype Rosalind\\n\nwait 80\n" + Click(448, 398) + "wait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    std::unique_ptr<xmlNode> fresh = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(fresh);
    EXPECT_LT(fresh->AttributeFloat("time"), 200);
    EXPECT_NE(runner.ReadUserFile("Mossmeadow.ini").find("<profile name=\"Rosalind\"/>"), std::string::npos);
}

}  // namespace
