// The berry bush: the leaves' layout, a leaf's swing and the berry under it, one leaf per second,
// the timer and Escape, and the berries written at the end.
#include "dialogue_berries.h"

#include <gtest/gtest.h>

#include "game_test_support.h"

namespace {

class BerriesTest : public HostedGameTest {
protected:
    // Presses on the leaf's centre for one frame (the button was up before).
    static void ClickLeaf(DialogueBerries& game, const BerryLocation& leaf) {
        PointAt(leaf.x, leaf.y);
        MouseButton(0);
        game.Update(1);
        MouseButton(1);
        game.Update(1);
    }
};

TEST_F(BerriesTest, TwentyOneLeavesInThreeColumns) {
    Profile::AddItem("Berries", 4);
    int hidden = 0, games = 0;
    for (unsigned seed = 1; seed <= 40; ++seed, ++games) {
        SeedRnd(seed);
        auto game = DialogueBerries::Create();
        ASSERT_EQ(game->berries.size(), 21u);
        EXPECT_EQ(game->total_berries, 4);
        for (size_t i = 0; i < 21; ++i) {
            const BerryLocation& leaf = game->berries[i];
            EXPECT_GE(leaf.image, 10000);
            EXPECT_LE(leaf.image, 10003);
            EXPECT_EQ(leaf.w, 48);
            int x0, y0;
            if (i < 6) {
                x0 = 512 - 44, y0 = 384 - 142 + 36 * static_cast<int>(i);
            } else if (i < 15) {
                x0 = 512 - 6, y0 = 384 - 244 + 38 * static_cast<int>(i - 6);
            } else {
                x0 = 512 + 32, y0 = 384 - 142 + 36 * static_cast<int>(i - 15);
            }
            EXPECT_GE(leaf.x, x0);
            EXPECT_LE(leaf.x, x0 + 12);
            EXPECT_GE(leaf.y, y0);
            EXPECT_LE(leaf.y, y0 + 12);
            hidden += leaf.berry;
        }
    }
    // About one leaf in four hides a berry.
    EXPECT_GT(hidden, games * 21 / 6);
    EXPECT_LT(hidden, games * 21 / 3);
}

TEST_F(BerriesTest, ALeafSwingsAsideTheBerryIsPickedAndTheLeafComesBack) {
    auto game = DialogueBerries::Create();
    BerryLocation& leaf = game->berries[3];
    leaf.berry = 1;
    ClickLeaf(*game, leaf);
    ASSERT_EQ(leaf.clicked, 1);
    const float aside = leaf.rotate.destination;
    EXPECT_TRUE(aside == 90 || aside == -90);
    EXPECT_EQ(mouse_armed, 0);
    // 50 units to turn aside: the berry shows, and is picked when the leaf is fully aside.
    RunFrames(*game, 49);
    EXPECT_EQ(game->total_berries, 0);
    EXPECT_EQ(leaf.berry, 1);
    game->Update(1);
    EXPECT_EQ(leaf.rotate.Get(), aside);
    EXPECT_EQ(game->total_berries, 1);
    EXPECT_EQ(leaf.berry, 0);
    // A pause of 50, 25 to swing back; then the leaf may be clicked again.
    RunFrames(*game, 50);
    EXPECT_EQ(leaf.rotate.Get(), aside);
    RunFrames(*game, 24);
    EXPECT_NE(leaf.rotate.Get(), 0);
    EXPECT_EQ(leaf.clicked, 1);
    int back = 0;
    while (leaf.clicked && back < 3) {
        game->Update(1);
        ++back;
    }
    EXPECT_LE(back, 2);  // the 25th unit, give or take a rounding
    EXPECT_EQ(leaf.rotate.Get(), 0);
    EXPECT_EQ(leaf.clicked, 0);
    EXPECT_EQ(game->total_berries, 1);
}

TEST_F(BerriesTest, ALeafWithoutABerryGivesNothing) {
    auto game = DialogueBerries::Create();
    for (BerryLocation& leaf : game->berries) leaf.berry = 0;
    ClickLeaf(*game, game->berries[10]);
    RunFrames(*game, 200);
    EXPECT_EQ(game->total_berries, 0);
    EXPECT_EQ(game->berries[10].clicked, 0);
}

TEST_F(BerriesTest, OnlyOneLeafTurnsPerSecond) {
    auto game = DialogueBerries::Create();
    ClickLeaf(*game, game->berries[0]);
    RunFrames(*game, 40);
    ClickLeaf(*game, game->berries[20]);  // 42 units after the first: refused
    EXPECT_EQ(game->berries[20].clicked, 0);
    RunFrames(*game, 60);
    ClickLeaf(*game, game->berries[20]);
    EXPECT_EQ(game->berries[20].clicked, 1);
}

TEST_F(BerriesTest, FifteenSecondsOrEscapeAndTheBerriesAreWritten) {
    Profile::AddItem("Berries", 2);
    auto game = DialogueBerries::Create();
    game->berries[0].berry = 1;
    ClickLeaf(*game, game->berries[0]);
    EXPECT_EQ(RunFrames(*game, 1497), 0);
    EXPECT_EQ(game->done, 0);
    game->Update(1);
    EXPECT_EQ(game->done, 1);  // 1500 units
    // After the time is up no leaf turns.
    ClickLeaf(*game, game->berries[5]);
    EXPECT_EQ(game->berries[5].clicked, 0);
    EXPECT_GT(RunFrames(*game, 300), 0);
    EXPECT_EQ(Owned("Berries"), 3);

    auto quick = DialogueBerries::Create();
    InjectEscape(true);
    EXPECT_NEAR(RunFrames(*quick, 300), 201, 1);  // the Escape frame, then the 200-unit fade
    EXPECT_EQ(Owned("Berries"), 3);
}

}  // namespace
