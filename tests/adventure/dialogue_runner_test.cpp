// The dialogue runner: one step per frame, jumps, menus, notices, flags, items, music, hosted games,
// the skip button, tokens and the saving block.
#include "dialogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app.h"
#include "audio_list.h"
#include "button.h"
#include "dialogue_list.h"
#include "item.h"
#include "profile.h"
#include "update_list.h"

namespace {

namespace fs = std::filesystem;

class DialogueRunnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Profile::CleanProfile();
        items_catalogue.clear();
        DialogueList::Destroy();
        ClearDialogueGames();
        UpdateList::Clear();
        saving_blocked = 0;
        character_name = "Robin";
        special_name.clear();
        screen_fade = Interpolation(1);
        mouse_click = 0;
        mouse_armed = 1;
        mouse_x = mouse_y = -1000;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = (fs::temp_directory_path() / (std::string("mossmeadow_runner_") + info->name() + ".xml")).string();
    }
    void TearDown() override {
        DialogueList::Destroy();
        ClearDialogueGames();
        UpdateList::Clear();
        skip_button.reset();
        Profile::CleanProfile();
        items_catalogue.clear();
        saving_blocked = 0;
        mouse_click = 0;
        mouse_armed = 1;
        fs::remove(path_);
    }
    // Loads one dialogue (id 1) with the given steps and starts it.
    Dialogue& Start(const std::string& steps, const std::string& attributes = "") {
        std::ofstream(path_, std::ios::binary)
            << "<dialogues>\n<dialogue id=\"1\"" << attributes << ">\n" << steps << "\n</dialogue>\n</dialogues>\n";
        EXPECT_EQ(DialogueList::Load(path_), 1);
        Dialogue* d = DialogueList::GetDialogue(1);
        EXPECT_NE(d, nullptr);
        EXPECT_EQ(d->Initialize(), 0);
        return *d;
    }
    // Runs frames of one unit until the dialogue ends; returns how many ran (the ending one counted),
    // or -1 when it had not ended after `limit` frames.
    static int RunToEnd(Dialogue& d, int limit = 5000) {
        for (int i = 1; i <= limit; ++i) {
            if (d.Update(1)) return i;
        }
        return -1;
    }
    static void AddCatalogueItem(const std::string& name, int image) {
        auto item = std::make_shared<Item>();
        item->name = name;
        item->image = image;
        items_catalogue.push_back(item);
    }
    // Clicks once (a frame with the button up, then one with it down), then releases.
    static void Click(Dialogue& d) {
        mouse_click = 0;
        d.Update(1);
        mouse_click = 1;
        d.Update(1);
        mouse_click = 0;
    }

    std::string path_;
};

TEST_F(DialogueRunnerTest, SkippedTutorialLeavesSavingPossible) {
    std::ofstream(path_, std::ios::binary)
        << "<x><dialogue id=\"1\" name=\"Tips-Seen\" tutorial=\"\"><flag name=\"Ran\"/></dialogue></x>";
    ASSERT_EQ(DialogueList::Load(path_), 1);
    Dialogue& d = *DialogueList::GetDialogue(1);
    Profile::SetFlag("Switch-SkipTutorial", 1);
    screen_fade = Interpolation(1);
    EXPECT_EQ(d.Initialize(), 1);
    EXPECT_EQ(saving_blocked, 0);
    EXPECT_EQ(screen_fade.destination, 1.0f);  // the scene is not dimmed
    EXPECT_EQ(Profile::GetFlagValue("Tips-Seen"), 1);  // the start is still counted

    Profile::SetFlag("Switch-SkipTutorial", 0);
    EXPECT_EQ(d.Initialize(), 0);
    EXPECT_EQ(saving_blocked, 1);
    EXPECT_EQ(Profile::GetFlagValue("Tips-Seen"), 2);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.8f);
    EXPECT_EQ(RunToEnd(d), 3);  // the flag step, the used-up frame dropped, the end
    EXPECT_EQ(Profile::GetFlagValue("Ran"), 1);
    EXPECT_EQ(saving_blocked, 0);
    EXPECT_EQ(screen_fade.destination, 1.0f);
}

TEST_F(DialogueRunnerTest, OneStepPerFrame) {
    Dialogue& d = Start("<flag name=\"A\"/><flag name=\"B\"/><flag name=\"C\"/>");
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("A"), 1);
    EXPECT_EQ(Profile::GetFlagValue("B"), 0);
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("B"), 1);
    EXPECT_EQ(Profile::GetFlagValue("C"), 0);
    EXPECT_EQ(d.Update(1), 0);
    EXPECT_EQ(d.Update(1), 0);  // the used-up frame is dropped
    EXPECT_EQ(d.Update(1), 1);
}

TEST_F(DialogueRunnerTest, SkippedTextCostsOneFrame) {
    Dialogue& d = Start(
        "<enter id=\"1\" message=\"\"/><text id=\"1\" text=\"Only after the race\" flag=\"Race\" value=\"2\"/>"
        "<flag name=\"After\"/><exit id=\"1\"/>");
    d.Update(1);  // enter
    d.Update(1);  // text: skipped, the flag differs
    ASSERT_NE(d.GetActor(1), nullptr);
    EXPECT_EQ(d.GetActor(1)->text, nullptr);
    EXPECT_EQ(d.GetActor(1)->blocking, 0);
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, TextHoldsTheScriptUntilClickedAway) {
    Dialogue& d = Start("<enter id=\"1\" message=\"\"/><text id=\"1\" text=\"Hi\"/><flag name=\"After\"/><exit id=\"1\"/>");
    d.Update(1);
    d.Update(1);
    for (int i = 0; i < 100; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 0);
    Click(d);
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
    EXPECT_GT(RunToEnd(d), 0);
}

TEST_F(DialogueRunnerTest, NonBlockingTextLetsTheScriptRunOn) {
    Dialogue& d = Start("<enter id=\"1\" message=\"\"/><text id=\"1\" text=\"Hmm\" block=\"0\"/><flag name=\"After\"/>");
    d.Update(1);
    d.Update(1);
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
    EXPECT_NE(d.GetActor(1)->text, nullptr);
}

TEST_F(DialogueRunnerTest, SpeakerSlidesInBeforeTheNextStep) {
    Dialogue& d = Start("<enter id=\"1\" left=\"\" image=\"1010\" x=\"272\"/><flag name=\"After\"/><exit id=\"1\"/>");
    d.Update(1);  // enter
    d.Update(1);  // the generated move: 400 pixels over 50 units, blocking
    for (int i = 0; i < 49; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 0);
    d.Update(1);  // arrives; the script is free again on the next frame
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
    d.Update(1);  // exit: the slide out takes 50 units and the dialogue waits for it
    EXPECT_EQ(d.actors.size(), 1u);
    const int frames = RunToEnd(d);
    EXPECT_GE(frames, 49);
    EXPECT_LE(frames, 53);
}

TEST_F(DialogueRunnerTest, EnterPitchRules) {
    pitch = 1.25f;
    Dialogue& d = Start("<enter id=\"1\" right=\"\"/><enter id=\"2\" left=\"\" image=\"1011\"/>"
                        "<enter id=\"3\" left=\"\" image=\"1012\" pitch=\"0.8\"/>");
    for (int i = 0; i < 6; ++i) d.Update(100);
    ASSERT_EQ(d.actors.size(), 3u);
    EXPECT_FLOAT_EQ(d.GetActor(1)->pitch, 1.25f);  // the player: the profile's voice
    EXPECT_FLOAT_EQ(d.GetActor(2)->pitch, 1.0f);
    EXPECT_FLOAT_EQ(d.GetActor(3)->pitch, 0.8f);
    EXPECT_EQ(d.GetActor(1)->front, 1);
    d.DisableActors();
    EXPECT_EQ(d.GetActor(1)->front, 0);
}

TEST_F(DialogueRunnerTest, GotoFromAChoiceClosesTheMenu) {
    Dialogue& d = Start(
        "<choices text=\"Well?\"><choice text=\"Leave\"><flag name=\"InChoice\"/><goto id=\"5\"/></choice></choices>"
        "<flag name=\"Skipped\"/><label id=\"5\"/><flag name=\"After\"/>");
    d.Update(1);  // the menu opens
    ASSERT_NE(d.choices, nullptr);
    for (int i = 0; i < 25; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("Skipped"), 0);  // the menu holds the script
    const DialogueChoice& leave = *d.choices->choices.at(0);
    mouse_x = leave.x;
    mouse_y = leave.y;
    mouse_click = 1;
    d.Update(1);
    mouse_click = 0;
    EXPECT_EQ(RunToEnd(d), 25);  // 20 units of fading, the two steps, the label, the flag, the end
    EXPECT_EQ(d.choices, nullptr);
    EXPECT_EQ(Profile::GetFlagValue("InChoice"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Skipped"), 0);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, GotoInTheTopLevelContinuesAfterTheLabel) {
    Dialogue& d = Start("<goto id=\"3\"/><flag name=\"Skipped\"/><label id=\"3\"/><flag name=\"After\"/>");
    EXPECT_EQ(RunToEnd(d), 4);
    EXPECT_EQ(Profile::GetFlagValue("Skipped"), 0);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, GotoConditions) {
    AddCatalogueItem("Compass", 520);
    Dialogue& d = Start(
        "<goto id=\"1\" item=\"Compass\"/><goto id=\"1\" flag=\"F\" value=\"2\"/><flag name=\"Reached\"/>"
        "<label id=\"1\"/>");
    RunToEnd(d);
    EXPECT_EQ(Profile::GetFlagValue("Reached"), 1);  // neither goto was taken

    Profile::SetFlag("Reached", 0);
    Profile::SetFlag("F", 2);
    Dialogue& again = *DialogueList::GetDialogue(1);
    ASSERT_EQ(again.Initialize(), 0);
    RunToEnd(again);
    EXPECT_EQ(Profile::GetFlagValue("Reached"), 0);
}

TEST_F(DialogueRunnerTest, MissingLabelEndsOnceTheStageIsClear) {
    Dialogue& d = Start("<enter id=\"1\" left=\"\" image=\"1010\" x=\"272\" block=\"0\"/><exit id=\"1\"/>"
                        "<goto id=\"99\"/><flag name=\"Never\"/>");
    d.Update(1);  // enter
    d.Update(1);  // move (not blocking)
    d.Update(1);  // exit: slides out over 50
    d.Update(1);  // goto: no such label, the frame is dropped
    EXPECT_TRUE(d.item_stack.empty());
    EXPECT_EQ(d.Update(1), 0);  // the actor is still leaving
    EXPECT_EQ(saving_blocked, 1);
    EXPECT_GT(RunToEnd(d), 0);
    EXPECT_EQ(Profile::GetFlagValue("Never"), 0);
    EXPECT_EQ(saving_blocked, 0);
}

TEST_F(DialogueRunnerTest, ActorWithoutModeCanLeave) {
    Dialogue& d = Start("<enter id=\"1\"/><exit id=\"1\"/>");
    EXPECT_EQ(RunToEnd(d, 100), 4);
}

TEST_F(DialogueRunnerTest, WaitPausesInTimeUnits) {
    Dialogue& d = Start("<wait value=\"0.5\"/><flag name=\"After\"/>");
    d.Update(1);
    EXPECT_FLOAT_EQ(d.wait, 50);
    for (int i = 0; i < 50; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 0);
    d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, InfoNoticesCountCompletedQuests) {
    Dialogue& d = Start("<enter id=\"1\" info=\"4\"/><flag name=\"After\"/><exit id=\"1\"/>");
    d.Update(1);
    DialogueActor* notice = d.GetActor(1);
    ASSERT_NE(notice, nullptr);
    ASSERT_NE(notice->text, nullptr);
    EXPECT_EQ(notice->text->text, "Quest complete");
    EXPECT_EQ(notice->blocking, 1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Quests"), 1);
    for (int i = 0; i < 150; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("After"), 0);  // the notice holds the script until it closes
    EXPECT_GT(RunToEnd(d), 0);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, InfoCodes) {
    Dialogue& d = Start("<enter id=\"1\" info=\"1\"/><enter id=\"2\" info=\"2\"/><enter id=\"3\" info=\"3\"/>"
                        "<enter id=\"4\" info=\"9\"/>");
    d.Update(1);
    EXPECT_EQ(d.GetActor(1)->text->text, "Location unlocked");
    d.GetActor(1)->blocking = 0;
    d.Update(1);
    EXPECT_EQ(d.GetActor(2)->text->text, "Quest added");
    d.GetActor(2)->blocking = 0;
    d.Update(1);
    EXPECT_EQ(d.GetActor(3)->text->text, "Quest updated");
    d.GetActor(3)->blocking = 0;
    d.Update(1);
    EXPECT_EQ(d.GetActor(4)->text, nullptr);  // an unknown code shows nothing
    EXPECT_EQ(Profile::GetFlagValue("Misc-Quests"), 0);
}

TEST_F(DialogueRunnerTest, ItemNoticesShowTheItemButChangeNothing) {
    AddCatalogueItem("Compass", 520);
    Dialogue& d = Start("<enter id=\"1\" item=\"Compass\"/><enter id=\"2\" item=\"Compass\" remove=\"\"/>"
                        "<enter id=\"3\" item=\"Mystery\" text=\"$NAME$ found a $ANIMAL$!\"/>");
    d.Update(1);
    EXPECT_EQ(d.GetActor(1)->text->text, "Got item Compass");
    EXPECT_EQ(d.GetActor(1)->text->image, 520);
    EXPECT_EQ(d.GetActor(1)->text->dir, kModeItem);
    d.GetActor(1)->blocking = 0;
    d.Update(1);
    EXPECT_EQ(d.GetActor(2)->text->text, "Gave away item Compass");
    d.GetActor(2)->blocking = 0;
    d.Update(1);
    EXPECT_EQ(d.GetActor(3)->text->text, "Robin found a spiggle!");
    EXPECT_EQ(d.GetActor(3)->text->image, 0);  // not in the catalogue: no picture
    EXPECT_EQ(Profile::GetItem("Compass"), nullptr);
}

TEST_F(DialogueRunnerTest, FlagItemMoodAndLocationSteps) {
    AddCatalogueItem("Apple", 500);
    Profile::SetFlag("Money", 10);
    Dialogue& d = Start(
        "<flag name=\"Money\" add=\"-4\"/><flag name=\"Roll\" random=\"3\"/><flag name=\"Gone\" value=\"0\"/>"
        "<item name=\"Apple\" number=\"3\"/><item name=\"Apple\" number=\"-1\"/><mood value=\"3\"/>"
        "<location id=\"7\"/><flag name=\"Late\"/>");
    Profile::SetFlag("Gone", 5);
    for (int i = 0; i < 6; ++i) d.Update(1);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 6);
    EXPECT_GE(Profile::GetFlagValue("Roll"), 1);
    EXPECT_LE(Profile::GetFlagValue("Roll"), 3);
    EXPECT_EQ(Profile::GetFlag("Gone"), nullptr);
    ASSERT_NE(Profile::GetItem("Apple"), nullptr);
    EXPECT_EQ(Profile::GetItem("Apple")->number, 2);
    EXPECT_EQ(player_expression, 3);
    EXPECT_EQ(saving_blocked, 1);
    d.Update(1);
    EXPECT_EQ(saving_blocked, 0);
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 7);
}

TEST_F(DialogueRunnerTest, RandomFlagCoversItsRange) {
    Dialogue& d = Start("<flag name=\"Roll\" random=\"3\"/>");
    int seen[4] = {0, 0, 0, 0};
    for (int run = 0; run < 200; ++run) {
        ASSERT_EQ(d.Initialize(), 0);
        RunToEnd(d);
        const int v = Profile::GetFlagValue("Roll");
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 3);
        ++seen[v];
    }
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(seen[2], 0);
    EXPECT_GT(seen[3], 0);
}

TEST_F(DialogueRunnerTest, MusicChangesOnlyForANewTrack) {
    current_music_path = app_dir + "/Data/Music/Lake.ogg";
    Dialogue& d = Start("<music path=\"Data/Music/Lake.ogg\"/><music path=\"Data/Music/Hall.ogg\"/>");
    d.Update(1);
    EXPECT_EQ(UpdateList::Count(), 0);  // the same track keeps playing
    d.Update(1);
    EXPECT_EQ(music_path, app_dir + "/Data/Music/Hall.ogg");
    EXPECT_EQ(UpdateList::Count(), 1);  // the new track starts after the fade
    current_music_path.clear();
}

TEST_F(DialogueRunnerTest, ImagesFollowTheirFlags) {
    Dialogue& d = Start(
        "<enter id=\"1\" message=\"\"/><add_image id=\"1\" image=\"4001\" x=\"10\" y=\"20\"/>"
        "<add_image id=\"1\" image=\"4002\" flag=\"Shown\"/><add_image id=\"1\" image=\"4001\"/>"
        "<del_image id=\"1\" image=\"4001\"/><add_image id=\"9\" image=\"4003\"/>");
    for (int i = 0; i < 4; ++i) d.Update(1);
    DialogueActor& actor = *d.GetActor(1);
    ASSERT_EQ(actor.images.size(), 2u);  // the flagged picture was not added
    EXPECT_EQ(actor.images[0]->x, 10);
    EXPECT_EQ(actor.images[0]->y, 20);
    d.Update(1);  // del_image hides the first 4001; it goes on the next update
    d.Update(1);
    ASSERT_EQ(actor.images.size(), 1u);
    EXPECT_EQ(actor.images[0]->image, 4001);
    EXPECT_EQ(actor.images[0]->x, 0);
}

class CountdownGame : public DialogueGame {
public:
    explicit CountdownGame(int frames) : left_(frames) {}
    int Update(float delta) override {
        (void)delta;
        return --left_ <= 0 ? 1 : 0;
    }

private:
    int left_;
};

TEST_F(DialogueRunnerTest, HostedGamesHoldTheScript) {
    RegisterDialogueGame(11, [] { return std::make_unique<CountdownGame>(5); });
    Dialogue& d = Start("<game id=\"4\"/><game id=\"11\"/><flag name=\"After\"/>");
    d.Update(1);
    EXPECT_EQ(d.game, nullptr);  // nothing is registered under 4
    d.Update(1);
    ASSERT_NE(d.game, nullptr);
    for (int i = 0; i < 4; ++i) d.Update(1);
    EXPECT_NE(d.game, nullptr);
    EXPECT_EQ(Profile::GetFlagValue("After"), 0);
    d.Update(1);  // the game reports its end; the script runs again in the same frame
    EXPECT_EQ(d.game, nullptr);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
}

TEST_F(DialogueRunnerTest, RestartAfterAnInterruptedRunStartsClean) {
    Dialogue& d = Start("<choices><choice text=\"Go\"><location id=\"3\"/></choice></choices><flag name=\"End\"/>");
    d.Update(1);
    ASSERT_NE(d.choices, nullptr);
    // The scene changed while the menu was open: the dialogue is simply dropped.
    ASSERT_EQ(d.Initialize(), 0);
    EXPECT_EQ(d.choices, nullptr);
    ASSERT_EQ(d.item_stack.size(), 1u);
    EXPECT_EQ(d.item_stack.front()->pos, 0);
}

TEST_F(DialogueRunnerTest, SkipButtonJumpsAndSilences) {
    Dialogue& d = Start(
        "<skip id=\"8\"/><enter id=\"1\" message=\"\"/><text id=\"1\" text=\"A long story...\"/>"
        "<flag name=\"Skipped\"/><label id=\"8\"/><wait value=\"0.3\"/><flag name=\"After\"/><exit id=\"1\"/>");
    d.Update(1);
    ASSERT_NE(skip_button, nullptr);
    EXPECT_EQ(skip_label, 8);
    EXPECT_EQ(skip_dialogue, &d);
    EXPECT_EQ(skip_button->text, "Skip >>");
    EXPECT_EQ(skip_button->x, virtual_width - 64);
    EXPECT_EQ(skip_button->y, virtual_height - 52);
    d.Update(1);
    d.Update(1);
    ASSERT_NE(d.GetActor(1)->text, nullptr);
    Dialogue::SkipDialogue(skip_button.get());
    EXPECT_EQ(d.GetActor(1)->text, nullptr);
    EXPECT_EQ(d.GetActor(1)->blocking, 0);
    EXPECT_EQ(skip_button->remove, 1);
    d.Update(1);  // the label: the skip is over
    EXPECT_EQ(skip_label, 0);
    EXPECT_EQ(skip_dialogue, nullptr);
    EXPECT_GT(RunToEnd(d), 0);
    EXPECT_EQ(Profile::GetFlagValue("Skipped"), 0);
    EXPECT_EQ(Profile::GetFlagValue("After"), 1);
    EXPECT_EQ(skip_button, nullptr);  // faded out and dropped
}

TEST_F(DialogueRunnerTest, ReplaceTokensInOrder) {
    Profile::SetFlag("FlagValue", 42);
    special_name = "Biscuit";
    EXPECT_EQ(ReplaceTokens("$NAME$ has $ANIMALS$, $AN_ANIMAL$ and one $ANIMAL$."),
              "Robin has spiggles, a spiggle and one spiggle.");
    EXPECT_EQ(ReplaceTokens("$SPECIAL$ earned $FLAG_VALUE$ from $FOUND_MONEY$ $$"), "Biscuit earned 42 from Found Money $$");
    EXPECT_EQ(ReplaceTokens("$ANIMAL$$ANIMAL$"), "spigglespiggle");
    EXPECT_EQ(ReplaceTokens("no tokens"), "no tokens");
    Profile::SetFlag("FlagValue", 0);
    EXPECT_EQ(ReplaceTokens("$FLAG_VALUE$"), "0");
    character_name = "$ANIMAL$";  // a name is replaced first, so tokens in it are replaced too
    EXPECT_EQ(ReplaceTokens("$NAME$"), "spiggle");
}

TEST_F(DialogueRunnerTest, UpdateHighlightsHook) {
    int calls = 0;
    dialogue_update_highlights = [&calls](float) { ++calls; };
    Dialogue& d = Start("<wait value=\"1\"/>");
    d.Update(1);
    EXPECT_EQ(calls, 0);
    Profile::SetFlag("UpdateHighlights", 1);
    d.Update(1);
    EXPECT_EQ(calls, 1);
    dialogue_update_highlights = nullptr;
    d.Update(1);  // no hook: nothing to call
}

}  // namespace
