// Fishing: the scored distance and what it catches, the timing of a cast (brake, catch, next cast),
// the leap of the catch, the timer and Escape, and the fish written at the end.
#include "dialogue_fishing.h"

#include <gtest/gtest.h>

#include <cmath>

#include "game_test_support.h"

namespace {

class FishingTest : public HostedGameTest {
protected:
    // A game whose marker stands still at the phase that scores `distance` (plus a half, so that the
    // truncation is not on an edge).
    std::unique_ptr<DialogueFishing> MarkerAt(int distance) {
        auto game = DialogueFishing::Create();
        game->multiplier.SetAbsolute(0);
        const double s = std::min(1.0, (distance + 0.5) / 100.0);
        game->counter = static_cast<float>(std::asin(s) * 180.0 / 3.14159265358979323846 / 2.0);
        return game;
    }
    // A cast: the button pressed for one frame; returns after that frame.
    static void Cast(DialogueFishing& game) {
        MouseButton(0);
        game.Update(1);
        MouseButton(1);
        game.Update(1);
        MouseButton(0);
    }
};

TEST_F(FishingTest, TheDistanceDecidesTheCatch) {
    struct Case {
        int distance;
        int big, small;
        std::string text;
    };
    const Case cases[] = {{0, 1, 0, "You caught a big fish!"},
                          {10, 1, 0, "You caught a big fish!"},
                          {11, 0, 1, "You caught a small fish"},
                          {25, 0, 1, "You caught a small fish"},
                          {26, 0, 0, "You caught some useless junk..."},
                          {100, 0, 0, "You caught some useless junk..."}};
    for (const Case& c : cases) {
        auto game = MarkerAt(c.distance);
        ASSERT_EQ(game->Distance(), c.distance);
        Cast(*game);
        RunFrames(*game, 100);
        EXPECT_EQ(game->i_text, c.text) << c.distance;
        EXPECT_EQ(game->i_pos, c.distance);
        EXPECT_EQ(game->total_big, c.big) << c.distance;
        EXPECT_EQ(game->total_small, c.small) << c.distance;
        if (c.big) {
            EXPECT_EQ(game->i_image, 508);
        } else if (c.small) {
            EXPECT_TRUE(game->i_image == 507 || game->i_image == 550);
        } else {
            EXPECT_TRUE(game->i_image == 551 || game->i_image == 552);
        }
    }
}

TEST_F(FishingTest, ACastBrakesTheMarkerLandsAfterOneSecondAndTheNextWaitsTwoAndAHalf) {
    auto game = DialogueFishing::Create();
    RunFrames(*game, 20);
    ASSERT_GT(game->counter, 0);
    Cast(*game);
    EXPECT_EQ(game->stop, 1);
    // The marker brakes to a halt over 35 units.
    RunFrames(*game, 35);
    EXPECT_NEAR(game->multiplier.Get(), 0, 1e-6);
    const float halted = game->counter;
    // The catch shows 100 units after the click.
    RunFrames(*game, 64);
    EXPECT_EQ(game->i_counter, 0);
    game->Update(1);
    EXPECT_EQ(game->i_counter, 200);
    EXPECT_EQ(game->stop, 0);
    EXPECT_NEAR(game->counter, halted, 1e-3);
    const int caught = game->total_big + game->total_small;
    // A click now is ignored; 250 units after the first one, a new cast is accepted.
    Cast(*game);  // units 101-102
    EXPECT_EQ(game->stop, 0);
    RunFrames(*game, 145);  // to unit 247
    Cast(*game);            // the press lands on unit 249
    EXPECT_EQ(game->stop, 0);
    MouseButton(1);
    game->Update(1);  // unit 250
    EXPECT_EQ(game->stop, 1);
    EXPECT_EQ(game->total_big + game->total_small, caught);
}

TEST_F(FishingTest, TheCatchLeapsOutOfTheWaterAndTheMarkerSpeedsUpAgain) {
    auto game = MarkerAt(0);
    Cast(*game);
    RunFrames(*game, 100);
    ASSERT_EQ(game->i_counter, 200);
    EXPECT_EQ(game->i_x, 512);
    EXPECT_EQ(game->i_y, 768);
    EXPECT_GE(game->i_angle, 260);
    EXPECT_LE(game->i_angle, 280);
    float highest = game->i_y;
    for (int i = 0; i < 100; ++i) {
        game->Update(1);
        highest = std::min(highest, game->i_y);
    }
    EXPECT_LT(highest, 400);  // well up the screen
    EXPECT_EQ(game->i_restart, 1);
    game->Update(1);  // under 100 units of flight left: the marker speeds up again
    EXPECT_EQ(game->i_restart, 0);
    EXPECT_EQ(game->multiplier.destination, 1);
    // A fish leaves a trail of fading copies.
    EXPECT_GE(ParticleList::ScreenParticles().size(), 9u);
    RunFrames(*game, 100);
    EXPECT_LE(game->i_counter, 0);
}

TEST_F(FishingTest, ThirtySecondsThenTheFishAreAddedAndNoNewCastStarts) {
    Profile::AddItem("Small fish", 2);
    auto game = MarkerAt(5);
    EXPECT_EQ(game->total_small, 2);
    Cast(*game);
    RunFrames(*game, 2997);
    EXPECT_EQ(game->finish, 0);
    game->Update(1);
    EXPECT_EQ(game->finish, 1);
    Cast(*game);
    EXPECT_EQ(game->stop, 0);
    EXPECT_NEAR(RunFrames(*game, 300), 198, 1);
    EXPECT_EQ(Owned("Big fish"), 1);
    EXPECT_EQ(Owned("Small fish"), 2);
}

TEST_F(FishingTest, EscapeLandsACastUnderWayAndWritesNoZero) {
    auto game = MarkerAt(20);
    Cast(*game);
    InjectEscape(true);
    game->Update(1);
    InjectEscape(false);
    EXPECT_EQ(game->finish, 1);
    EXPECT_GT(RunFrames(*game, 300), 0);
    EXPECT_EQ(Owned("Small fish"), 1);  // the cast made before Escape still landed
    EXPECT_EQ(Profile::GetItem("Big fish"), nullptr);
}

}  // namespace
