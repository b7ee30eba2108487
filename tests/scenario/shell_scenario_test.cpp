// The real game, headless: runs a number of frames, shuts down normally and writes the options file.
#include <gtest/gtest.h>

#include "game_runner.h"

TEST(ShellScenario, RunsFramesAndWritesTheOptionsFileExactly) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game data not generated";
    GameRunner game("shell_frames");
    const GameRun run = game.Run("", {"--frames", "40"});
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_EQ(game.ReadUserFile("Mossmeadow.ini"),
              "<?xml version=\"1.0\"?>\r\n"
              "<options>\r\n"
              "  <audio sound_volume=\"0.80000001192092896\" music_volume=\"0.80000001192092896\"/>\r\n"
              "  <graphics renderer=\"1\" fullscreen=\"0\"/>\r\n"
              "</options>\r\n");
}

TEST(ShellScenario, CommandLineChoicesAreRemembered) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game data not generated";
    GameRunner game("shell_remember");
    GameRun run = game.Run("", {"--frames", "5", "-w", "-d9"});
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_NE(game.ReadUserFile("Mossmeadow.ini").find("<graphics renderer=\"2\" fullscreen=\"0\"/>"),
              std::string::npos);
    // The next run without options keeps them; -g then switches the renderer.
    run = game.Run("", {"--frames", "5"});
    EXPECT_NE(game.ReadUserFile("Mossmeadow.ini").find("renderer=\"2\""), std::string::npos);
    run = game.Run("", {"--frames", "5", "-g"});
    EXPECT_NE(game.ReadUserFile("Mossmeadow.ini").find("renderer=\"1\""), std::string::npos);
}

TEST(ShellScenario, QuitFromAScriptEndsNormallyAndScreenshotsAreWritten) {
    if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game data not generated";
    GameRunner game("shell_quit");
    const std::string shot = game.UserDir() + "/shot.png";
    const GameRun run = game.Run("wait 10\nscreenshot " + shot + "\nwait 2\nquit\n");
    ASSERT_EQ(run.exit_status, 0) << run.output;
    EXPECT_TRUE(game.UserFileExists("shot.png"));
    EXPECT_TRUE(game.UserFileExists("Mossmeadow.ini"));
}

TEST(ShellScenario, BadArgumentsFailWithStatusTwo) {
    GameRunner game("shell_badargs");
    const GameRun run = game.Run("", {"--frames"});
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_NE(run.output.find("usage"), std::string::npos);
}
