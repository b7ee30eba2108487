// The apple tree: charging, the strike and how many apples fly, catching them by click, apples lost
// off the screen, the end of the game, Escape, and the apples written at the end.
#include "dialogue_apples.h"

#include <gtest/gtest.h>

#include "game_test_support.h"

namespace {

class ApplesTest : public HostedGameTest {
protected:
    // Holds the button for `frames` frames from a released state, then lets go (one more frame).
    static void Charge(DialogueApple& game, int frames) {
        MouseButton(0);
        game.Update(1);
        for (int i = 0; i < frames; ++i) {
            MouseButton(1);
            game.Update(1);
        }
        MouseButton(0);
        game.Update(1);
    }
    static void ClickAt(DialogueApple& game, int x, int y) {
        PointAt(x, y);
        MouseButton(1);
        game.Update(1);
        MouseButton(0);
        game.Update(1);
    }
};

TEST_F(ApplesTest, AShortChargeDropsNothingAndTheGameEndsALittleLater) {
    Profile::AddItem("Apple", 3);
    auto game = DialogueApple::Create();
    EXPECT_EQ(game->total_apples, 3);
    // 40 frames of charging count 1.25 each: 50, not enough.
    Charge(*game, 41);
    EXPECT_FLOAT_EQ(game->counter, 50);
    game->Update(1);  // the strike
    EXPECT_EQ(game->no_apples, 1);
    EXPECT_TRUE(game->apples.empty());
    EXPECT_FLOAT_EQ(game->shake, 10);
    // No apple to catch: about 100 units later the game fades out over 100.
    EXPECT_EQ(RunFrames(*game, 101), 0);
    EXPECT_EQ(game->game_state, DialogueApple::kEnding);
    EXPECT_EQ(game->done, 0);
    game->Update(1);
    EXPECT_EQ(game->done, 1);
    EXPECT_NEAR(RunFrames(*game, 200), 100, 1);  // the fade, give or take a rounding
    EXPECT_EQ(Owned("Apple"), 3);
}

TEST_F(ApplesTest, TheChargeTopsOutAndAFullChargeDropsSevenApples) {
    auto game = DialogueApple::Create();
    Charge(*game, 200);
    EXPECT_FLOAT_EQ(game->counter, 128);
    game->Update(1);
    ASSERT_EQ(game->apples.size(), 7u);
    EXPECT_EQ(game->game_state, DialogueApple::kCatching);
    for (const AppleItem& apple : game->apples) {
        EXPECT_GT(apple.speed, (25.6f - 7) / 5 - 0.5f);
        EXPECT_LT(apple.speed, (25.6f - 7) / 5 + 0.5f);
        EXPECT_NEAR(apple.x, 512, 50);
        EXPECT_NEAR(apple.y, 384 - 64, 50);
    }
    // A charge just over 50 drops three.
    auto weak = DialogueApple::Create();
    Charge(*weak, 42);
    weak->Update(1);
    EXPECT_EQ(weak->apples.size(), 3u);
}

TEST_F(ApplesTest, ClickedApplesAreCaughtAndLostOnesAreGone) {
    Profile::AddItem("Apple", 1);
    auto game = DialogueApple::Create();
    Charge(*game, 200);
    game->Update(1);
    ASSERT_EQ(game->apples.size(), 7u);
    MouseButton(0);
    game->Update(1);
    // A click on empty sky catches nothing.
    ClickAt(*game, 10, 700);
    EXPECT_EQ(game->apples.size(), 7u);
    const AppleItem first = game->apples[0];
    ClickAt(*game, first.x, first.y);
    EXPECT_EQ(game->apples.size(), 6u);
    EXPECT_EQ(game->total_apples, 2);
    // The rest fly off the screen; the game ends only once all are gone.
    PointAt(-100, -100);
    int frames = 0;
    while (!game->apples.empty() && frames < 1000) {
        EXPECT_EQ(game->done, 0);
        game->Update(1);
        ++frames;
    }
    ASSERT_TRUE(game->apples.empty());
    EXPECT_EQ(game->game_state, DialogueApple::kEnding);
    EXPECT_GT(RunFrames(*game, 300), 0);
    EXPECT_EQ(Owned("Apple"), 2);
}

TEST_F(ApplesTest, SlowApplesFlyInEveryDirection) {
    auto game = DialogueApple::Create();
    game->game_state = DialogueApple::kCatching;
    for (int dir : {0, 45, 90, 180, 270}) {
        AppleItem apple;
        apple.w = apple.h = 48;
        apple.fx = apple.x = 500;
        apple.fy = apple.y = 300;
        apple.dir = dir;
        apple.speed = 0.7f;
        game->apples.push_back(apple);
    }
    RunFrames(*game, 30);
    for (const AppleItem& apple : game->apples) {
        const int moved = std::abs(apple.x - 500) + std::abs(apple.y - 300);
        EXPECT_GE(moved, 18) << apple.dir;
    }
}

TEST_F(ApplesTest, EscapeLeavesTheTreeAndStopsTheCharge) {
    Profile::AddItem("Apple", 4);
    auto game = DialogueApple::Create();
    MouseButton(0);
    game->Update(1);
    MouseButton(1);
    game->Update(1);
    ASSERT_EQ(game->game_state, DialogueApple::kCharging);
    InjectEscape(true);
    game->Update(1);
    InjectEscape(false);
    EXPECT_EQ(game->done, 1);
    EXPECT_EQ(game->game_state, DialogueApple::kEnding);
    EXPECT_NEAR(RunFrames(*game, 200), 100, 1);  // the fade, give or take a rounding
    EXPECT_EQ(Owned("Apple"), 4);
}

}  // namespace
