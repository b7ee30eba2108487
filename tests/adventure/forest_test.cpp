// The forest search: where the finds hide, the 9-pixel click radius, the timer and Escape, and the
// counts written to the inventory when the game has faded out.
#include "dialogue_forest.h"

#include <gtest/gtest.h>

#include "game_test_support.h"
#include "primitives.h"

namespace {

class ForestTest : public HostedGameTest {
protected:
    // A game whose only find is one acorn at (ax, ay) of the play area.
    std::unique_ptr<DialogueForest> OneAcorn(int ax, int ay) {
        auto game = DialogueForest::Create();
        game->items.clear();
        ForestLocation acorn;
        acorn.image = kAcornImage;
        acorn.x = ax;
        acorn.y = ay;
        acorn.w = acorn.h = 48;
        game->items.push_back(acorn);
        return game;
    }
    // A press at (x, y) as the player makes it: the button was up before.
    static void PressAt(DialogueGame& game, int x, int y) {
        PointAt(x, y);
        MouseButton(0);
        game.Update(1);
        MouseButton(1);
        game.Update(1);
    }
};

TEST_F(ForestTest, FindsHideInTheCrownsAndOnTheGroundWithoutOverlapping) {
    int jammed = 0;
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SeedRnd(seed);
        auto game = DialogueForest::Create();
        ASSERT_EQ(game->items.size(), 12u);
        EXPECT_EQ(game->x, 512);
        EXPECT_EQ(game->y, 384);
        for (size_t i = 0; i < game->items.size(); ++i) {
            const ForestLocation& spot = game->items[i];
            EXPECT_TRUE(spot.dir == 1 || spot.dir == -1);
            if (spot.image == kMushroomImage) {
                EXPECT_GE(spot.x, 32);
                EXPECT_LE(spot.x, 480);
                EXPECT_GE(spot.y, 216);
                EXPECT_LE(spot.y, 232);
                // Mushrooms are placed where nothing else is; only when the ground is full (it
                // happens: seed 78 fills it before the twelfth) may one overlap another.
                bool overlaps = false;
                for (size_t j = 0; j < i; ++j) {
                    overlaps = overlaps || RectsOverlap(spot.x, spot.y, 32, 32, game->items[j].x, game->items[j].y, 32, 32);
                }
                if (overlaps) {
                    ++jammed;
                    for (int gx = 32; gx <= 480; ++gx) {
                        for (int gy = 216; gy <= 232; ++gy) {
                            bool taken = false;
                            for (size_t j = 0; j < i && !taken; ++j) {
                                taken = RectsOverlap(gx, gy, 32, 32, game->items[j].x, game->items[j].y, 32, 32) != 0;
                            }
                            ASSERT_TRUE(taken) << "seed " << seed << ": free ground at " << gx << "," << gy;
                        }
                    }
                }
            } else {
                ASSERT_EQ(spot.image, kAcornImage);
                const bool crown0 = spot.x >= 64 && spot.x <= 160 && spot.y >= 80 && spot.y <= 192;
                const bool crown1 = spot.x >= 212 && spot.x <= 300 && spot.y >= 102 && spot.y <= 192;
                const bool crown2 = spot.x >= 344 && spot.x <= 458 && spot.y >= 92 && spot.y <= 192;
                EXPECT_TRUE(crown0 || crown1 || crown2) << spot.x << "," << spot.y;
            }
        }
    }
    EXPECT_LT(jammed, 5);
}

TEST_F(ForestTest, AClickFindsOnlyWithinNinePixels) {
    auto game = OneAcorn(200, 150);
    const int ax = game->Left() + 200, ay = game->Top() + 150;
    PressAt(*game, ax + 10, ay);  // 10 pixels off: nothing
    EXPECT_EQ(game->items.size(), 1u);
    EXPECT_EQ(game->total_acorns, 0);
    EXPECT_EQ(mouse_armed, 1);  // a miss does not use up the click
    PressAt(*game, ax + 6, ay - 6);  // 8.5 pixels off: found
    EXPECT_TRUE(game->items.empty());
    EXPECT_EQ(game->total_acorns, 1);
    EXPECT_EQ(mouse_armed, 0);
    EXPECT_GT(ParticleList::ScreenParticles().size(), 20u);  // the find bursts into sparks
}

TEST_F(ForestTest, AHeldButtonFindsNothingAndTheEdgeOfTheAreaIsOutOfReach) {
    // The press that closed the speech before the game does not count.
    MouseButton(1);
    auto game = OneAcorn(200, 150);
    PointAt(game->Left() + 200, game->Top() + 150);
    game->Update(1);
    EXPECT_EQ(game->total_acorns, 0);
    // Within 24 pixels of the area's edge the lens is off and clicks find nothing.
    auto edge = OneAcorn(12, 150);
    PressAt(*edge, edge->Left() + 12, edge->Top() + 150);
    EXPECT_EQ(edge->over, 0);
    EXPECT_EQ(edge->total_acorns, 0);
}

TEST_F(ForestTest, TimeRunsOutAfterThirtySecondsAndTheFindsAreAdded) {
    Profile::AddItem("Acorns", 5);
    auto game = OneAcorn(100, 100);
    game->items.push_back(game->items[0]);
    game->items[1].x = 300;
    game->items[1].image = kMushroomImage;
    EXPECT_EQ(game->total_acorns, 5);
    PressAt(*game, game->Left() + 100, game->Top() + 100);
    PressAt(*game, game->Left() + 300, game->Top() + 100);
    EXPECT_EQ(game->total_acorns, 6);
    EXPECT_EQ(game->total_mushrooms, 1);
    EXPECT_EQ(Owned("Acorns"), 5);  // nothing is written while the game runs
    PointAt(-100, -100);
    MouseButton(0);
    EXPECT_EQ(RunFrames(*game, 2995), 0);
    EXPECT_EQ(game->finish, 0);
    game->Update(1);
    EXPECT_EQ(game->finish, 1);  // 3000 units after the start
    // The 200-unit fade-out, then the counts.
    EXPECT_NEAR(RunFrames(*game, 300), 200, 1);
    EXPECT_EQ(Owned("Acorns"), 6);
    EXPECT_EQ(Owned("Mushroom"), 1);
}

TEST_F(ForestTest, EscapeEndsAtOnceKeepsTheFindsAndWritesNoZero) {
    Profile::AddItem("Mushroom", 5);
    auto game = OneAcorn(100, 100);
    PressAt(*game, game->Left() + 100, game->Top() + 100);
    InjectEscape(true);
    game->Update(1);
    InjectEscape(false);
    EXPECT_EQ(game->finish, 1);
    EXPECT_EQ(game->time, -100);
    EXPECT_NEAR(RunFrames(*game, 300), 200, 1);
    EXPECT_EQ(Owned("Acorns"), 1);
    EXPECT_EQ(Owned("Mushroom"), 5);
    EXPECT_EQ(Profile::GetItem("Berries"), nullptr);
}

TEST_F(ForestTest, NothingIsFoundOnceTheTimeIsUp) {
    auto game = OneAcorn(100, 100);
    game->time = 1;
    game->Update(1);
    ASSERT_EQ(game->finish, 1);
    PressAt(*game, game->Left() + 100, game->Top() + 100);
    EXPECT_EQ(game->total_acorns, 0);
    EXPECT_NEAR(RunFrames(*game, 300), 198, 1);
    EXPECT_EQ(Profile::GetItem("Acorns"), nullptr);
}

}  // namespace
