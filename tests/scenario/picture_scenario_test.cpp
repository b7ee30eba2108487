// Key screens look the same on both ways of drawing: the game is played twice, once drawn by SDL's
// renderer and once by the compositor, to the title with a new player's character dialog, the ranch
// with nine spiggles under the award window and then without it, and a shop dialogue with both
// portraits; the screenshots match within a small tolerance. Both runs draw today's pictures, so
// nothing is stored to compare against.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game_runner.h"
#include "image_decode.h"
#include "picture_compare.h"
#include "scenario_script.h"

namespace {

std::string Flag(const std::string& name, int value) {
    return "  <flag name=\"" + name + "\" value=\"" + std::to_string(value) + "\"/>\r\n";
}

std::string Spiggle(char name, int pen, const char* shares) {
    return std::string("  <animal name=\"") + name + "\" male=\"" + std::to_string(pen % 2) + "\" position=\"" +
           std::to_string(pen) + "\" " + shares +
           " age=\"9000\" food=\"0.6\" mood=\"0.8\" health=\"0.8\" r=\"220\" g=\"180\" b=\"150\" direction=\"1\" "
           "pricemod=\"1\"/>\r\n";
}

struct Play {
    std::string name;
    std::string location;  // empty: a new player
    std::string save;
    std::string script;    // takes the screenshots named in `shots`
    std::vector<std::string> shots;
};

// Plays the script drawn one way; the screenshots it took.
std::vector<Pixmap> PlayDrawn(const Play& play, const char* way) {
    GameRunner runner(play.name + "_" + way);
    if (!play.location.empty()) SeedSavedPlayer(runner, "Ann", play.location, play.save);
    std::string script = play.script;
    for (const std::string& shot : play.shots) {
        const std::string mark = "@" + shot;
        script.replace(script.find(mark), mark.size(), runner.UserDir() + "/" + shot + ".png");
    }
    setenv("MOSSMEADOW_DRAWING", way, 1);
    const GameRun run = runner.Run(script);
    unsetenv("MOSSMEADOW_DRAWING");
    EXPECT_EQ(run.exit_status, 0) << run.output;
    std::vector<Pixmap> shots;
    for (const std::string& shot : play.shots) {
        Pixmap p;
        EXPECT_TRUE(DecodeImageFile(runner.UserDir() + "/" + shot + ".png", &p)) << shot;
        shots.push_back(p);
    }
    return shots;
}

void ExpectSamePictures(const Play& play) {
    const std::vector<Pixmap> renderer = PlayDrawn(play, "renderer");
    const std::vector<Pixmap> compositor = PlayDrawn(play, "compositor");
    ASSERT_EQ(renderer.size(), compositor.size());
    for (size_t i = 0; i < renderer.size(); ++i) {
        const PictureDifference d = ComparePictures(renderer[i], compositor[i], 40);
        ASSERT_TRUE(d.same_size) << play.shots[i];
        EXPECT_LT(d.mean, 1.5) << play.shots[i] << ": " << d.Describe();
        EXPECT_LT(d.share_over, 0.005) << play.shots[i] << ": " << d.Describe();
    }
}

}  // namespace

TEST(PictureScenario, TheTitleWithTheCharacterDialog) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    Play play;
    play.name = "pictures_title";
    // The dialog is up while the title's name is still being revealed.
    play.script = "wait 10\nclick 20 20\nwait 90\nclick 20 20\nwait 600\nscreenshot @character\nquit\n";
    play.shots = {"character"};
    ExpectSamePictures(play);
}

TEST(PictureScenario, TheRanchUnderTheAwardWindowAndWithoutIt) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    Play play;
    play.name = "pictures_ranch";
    play.location = "3";
    play.save = Flag("A Letter from Grandma", 1) + Flag("Farm-Upgrade", 3) + Flag("Quest-Repair", 2) +
                Flag("The Ranch Reborn", 1) + Flag("Tips-Ranch", 1) + Flag("Money", 1234);
    const char* shares[] = {"bovine=\"0.8\" bunny=\"0\" cat=\"0\" wild=\"0\"",   "bovine=\"0\" bunny=\"0.8\" cat=\"0\" wild=\"0\"",
                            "bovine=\"0\" bunny=\"0\" cat=\"0.8\" wild=\"0\"",   "bovine=\"0\" bunny=\"0.6\" cat=\"0\" wild=\"0.6\"",
                            "bovine=\"0.6\" bunny=\"0.6\" cat=\"0\" wild=\"0\"", "bovine=\"0.3\" bunny=\"0\" cat=\"0.3\" wild=\"0\"",
                            "bovine=\"0\" bunny=\"0\" cat=\"0\" wild=\"0.8\"",   "bovine=\"0.5\" bunny=\"0.2\" cat=\"0.2\" wild=\"0.2\"",
                            "bovine=\"0.1\" bunny=\"0.1\" cat=\"0.7\" wild=\"0.1\""};
    for (int i = 0; i < 9; ++i) play.save += Spiggle(static_cast<char>('A' + i), i, shares[i]);
    play.script = SkipSplash(1000) + ClickAt(512, 352) + "wait 300\nscreenshot @award\n" + ClickAt(512, 450) +
                  "move 600 700\nwait 150\nscreenshot @ranch\nquit\n";
    play.shots = {"award", "ranch"};
    ExpectSamePictures(play);
}

TEST(PictureScenario, AShopDialogueWithBothPortraits) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
    Play play;
    play.name = "pictures_dialogue";
    play.location = "4";
    play.save = Flag("A Letter from Grandma", 1) + Flag("Met-Malcolm", 1) + Flag("Money", 50) + Flag("Quest-Goods", 1);
    play.script = SkipSplash(1000) + ClickAt(512, 352) + "wait 250\n" + ClickAt(530, 312) +
                  "wait 200\nscreenshot @dialogue\nquit\n";
    play.shots = {"dialogue"};
    ExpectSamePictures(play);
}
