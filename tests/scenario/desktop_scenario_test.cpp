// The game as a desktop program: the window keys switch full screen and the choice is remembered, and
// the signals a terminal or a desktop sends end it as the window's close button does.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "game_runner.h"
#include "scenario_script.h"
#include "xml.h"

namespace {
std::string FullScreenSetting(const GameRunner& game) {
    const std::string ini = game.ReadUserFile("Mossmeadow.ini");
    const size_t at = ini.find("fullscreen=\"");
    return at == std::string::npos ? "" : ini.substr(at + 12, 1);
}

std::string Press(const std::string& key) { return "key " + key + " down\nwait 2\nkey " + key + " up\nwait 3\n"; }
}  // namespace

TEST(DesktopScenario, AltEnterAndF11SwitchFullScreenAndTheChoiceIsRemembered) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game data not generated";
    GameRunner game("desktop_keys");
    GameRun run = game.Run("wait 5\n" + Press("f11") + "quit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_EQ(FullScreenSetting(game), "1");
    // The next start opens full screen as remembered; Alt+Enter goes back to the window, and two
    // presses in one run cancel out.
    run = game.Run("wait 5\n" + Press("alt+enter") + "quit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_EQ(FullScreenSetting(game), "0");
    run = game.Run("wait 5\n" + Press("f11") + Press("alt+enter") + "quit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_EQ(FullScreenSetting(game), "0");
}

// Ctrl+C in a terminal (SIGINT) and a desktop logging out (SIGTERM) while a player is at the title:
// the game ends with status 0 after saving the profile (its play time went on) and the options.
TEST(DesktopScenario, QuitSignalsSaveTheProfileAndOptionsAndEndNormally) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game data not generated";
    GameRunner game("desktop_signals");
    float time = 100;
    SeedSavedPlayer(game, "Ann", "1", "", time);
    for (int signal_number : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal_number);
        const std::string ready = game.UserDir() + "/ready.png";
        std::remove(ready.c_str());
        // The options file as the seed leaves it: naming the player, nothing else.
        std::ofstream(game.UserDir() + "/Mossmeadow.ini", std::ios::binary)
            << "<?xml version=\"1.0\"?>\r\n<options>\r\n  <profile name=\"Ann\"/>\r\n</options>\r\n";
        // The script never ends by itself: only the signal stops the game.
        const pid_t pid = game.Start(SkipSplash(600) + "screenshot " + ready + "\nwait 100000000\n");
        ASSERT_GT(pid, 0);
        struct stat st;
        for (int i = 0; i < 6000 && stat(ready.c_str(), &st) != 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_EQ(stat(ready.c_str(), &st), 0) << "the game did not reach the title";
        kill(pid, signal_number);
        EXPECT_EQ(GameRunner::Finish(pid), 0);
        const std::string options = game.ReadUserFile("Mossmeadow.ini");
        EXPECT_NE(options.find("<profile name=\"Ann\"/>"), std::string::npos) << options;
        EXPECT_NE(options.find("<graphics renderer="), std::string::npos) << options;
        std::unique_ptr<xmlNode> save = xmlNode::LoadString(game.ReadUserFile("Profiles/Ann.sav"));
        ASSERT_TRUE(save);
        EXPECT_GT(save->AttributeFloat("time"), time + 100);
        time = save->AttributeFloat("time");
    }
}
