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
#include "scenario_script.h"
#include "system.h"
#include "xml.h"

namespace {

// Frames from the start to the open character dialog, with both splash pictures clicked away: the
// loading screen and the title's fade-in take a few hundred; this leaves a wide margin.
constexpr int kToDialog = 900;

// Clicks away both splash pictures, then waits until the title menu has settled.
std::string Opening() { return SkipSplash(kToDialog); }

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

// A saved player who has not started playing yet, named by the options file.
void SeedProfile(const GameRunner& runner, const std::string& name, float time) {
    SeedSavedPlayer(runner, name, "1", "", time);
}

bool NamesProfile(const GameRunner& runner, const std::string& name) {
    return runner.ReadUserFile("Mossmeadow.ini").find("<profile name=\"" + name + "\"/>") != std::string::npos;
}

// From an empty user folder: splash, loading screen, title; the character dialog opens by itself
// and a typed name with Enter becomes the save. A second run greets that player: the profile is
// loaded and active (its play time goes on and is saved), and no dialog asks for a name.
TEST(TitleScenario, NewPlayerIsAskedForANameThenGreeted) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_new_player");
    GameRun run = runner.Run(Opening() + "type Rosalind\\n\nwait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    ASSERT_TRUE(runner.UserFileExists("Profiles/Rosalind.sav")) << run.output;
    std::unique_ptr<xmlNode> save = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(save);
    EXPECT_EQ(save->AttributeString("rev"), "3");
    EXPECT_EQ(save->AttributeString("location"), "1");
    EXPECT_EQ(save->AttributeString("image"), "1000");  // male is preselected
    EXPECT_EQ(save->AttributeString("pitch"), "1.00000000");
    EXPECT_EQ(save->AttributeString("name"), "Rosalind");
    EXPECT_TRUE(NamesProfile(runner, "Rosalind")) << runner.ReadUserFile("Mossmeadow.ini");

    const float first_time = save->AttributeFloat("time");
    run = runner.Run(Opening() + "wait 30\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    save = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(save);
    EXPECT_GT(save->AttributeFloat("time"), first_time + 200);
    EXPECT_TRUE(NamesProfile(runner, "Rosalind"));
}

// Deleting the only profile leaves no player, so "Back" leads into the character dialog.
TEST(TitleScenario, DeletingTheOnlyProfileLeadsBackToTheCharacterDialog) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_delete_only");
    SeedProfile(runner, "Rosalind", 9000);
    const std::string script = Opening() + ClickAt(ClickHereX("Rosalind"), 736) + "wait 80\n" +
                               ClickAt(280, 304) + "wait 80\n" +  // the card's "Delete"
                               ClickAt(448, 398) + "wait 80\n" +  // "OK" on "Really delete profile?"
                               ClickAt(512, 416) + "wait 120\n" +  // "Back": no profile, so the dialog opens
                               "type Newbie\\n\nwait 60\nquit\n";
    const GameRun run = runner.Run(script);
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_FALSE(runner.UserFileExists("Profiles/Rosalind.sav"));
    ASSERT_TRUE(runner.UserFileExists("Profiles/Newbie.sav"));
    EXPECT_TRUE(NamesProfile(runner, "Newbie"));
}

// A name that exists asks "Delete old profile with same name?": "Cancel" keeps the old save (and,
// with no player active, the dialog comes back), "OK" replaces it with a fresh profile.
TEST(TitleScenario, ExistingNameAsksBeforeReplacingTheProfile) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    GameRunner runner("title_same_name");
    SeedProfile(runner, "Rosalind", 9000);
    const std::string to_dialog = Opening() + ClickAt(ClickHereX("Rosalind"), 736) + "wait 80\n" +
                                  ClickAt(512, 256) + "wait 80\n";  // the empty card's "Create"
    const std::string shot = runner.UserDir() + "/question.png";
    GameRun run = runner.Run(to_dialog + "type Rosalind\\n\nwait 80\nscreenshot " + shot + "\n" +
                             ClickAt(576, 398) + "wait 120\ntype Other\\n\nwait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_TRUE(runner.UserFileExists("question.png"));
    std::unique_ptr<xmlNode> kept = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->AttributeFloat("time"), 9000);  // untouched
    EXPECT_EQ(kept->AttributeString("image"), "1005");
    EXPECT_TRUE(runner.UserFileExists("Profiles/Other.sav"));
    EXPECT_TRUE(NamesProfile(runner, "Other")) << runner.ReadUserFile("Mossmeadow.ini");

    // With Other.sav and Rosalind.sav the empty card is the third.
    run = runner.Run(Opening() + ClickAt(ClickHereX("Other"), 736) + "wait 80\n" + ClickAt(800, 256) +
                     "wait 80\ntype Rosalind\\n\nwait 80\n" + ClickAt(448, 398) + "wait 60\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    std::unique_ptr<xmlNode> fresh = ReadXml(runner, "Profiles/Rosalind.sav");
    ASSERT_TRUE(fresh);
    EXPECT_LT(fresh->AttributeFloat("time"), 500);
    EXPECT_EQ(fresh->AttributeString("image"), "1000");
    EXPECT_TRUE(NamesProfile(runner, "Rosalind"));
}

}  // namespace
