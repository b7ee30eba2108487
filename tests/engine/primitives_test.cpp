#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app.h"
#include "primitives.h"

TEST(Interpolation, SetReachesDestinationExactlyAndSnaps) {
    Interpolation i = Interpolation::Create(0);
    i.Set(1, 20);
    for (int k = 0; k < 20; ++k) i.Update(1);
    EXPECT_EQ(i.Get(), 1.0);
    EXPECT_EQ(i.delta, 0);
    EXPECT_EQ(i.Stopped(), 1);

    Interpolation j = Interpolation::Create(0);
    j.Set(1, 20);
    j.Update(40);
    EXPECT_EQ(j.Get(), 1.0);
    EXPECT_EQ(j.delta, 0);
}

TEST(Interpolation, SetDeltaPointsTowardDestination) {
    Interpolation i = Interpolation::Create(10);
    i.SetDelta(5, 0.5f);
    EXPECT_FLOAT_EQ(i.delta, -0.5f);
    i.Update(2);
    EXPECT_FLOAT_EQ(i.value, 9.0f);

    Interpolation at = Interpolation::Create(5);
    at.SetDelta(5, 0.5f);
    EXPECT_FLOAT_EQ(at.delta, 0.5f);
    at.Update(3);
    EXPECT_FLOAT_EQ(at.value, 5.0f);
}

TEST(Interpolation, SlowStopsShortOfDestination) {
    Interpolation i = Interpolation::Create(0);
    i.Set(100, 10);
    i.Slow(2);
    const float expected[] = {10, 18, 24, 28, 30, 30, 30};
    for (float e : expected) {
        i.Update(1);
        EXPECT_FLOAT_EQ(i.value, e);
    }
    EXPECT_EQ(i.Stopped(), 0);
    EXPECT_EQ(i.delta, 0);
}

TEST(Interpolation, SlowDownwardAlsoClampsAtZero) {
    Interpolation i = Interpolation::Create(100);
    i.Set(0, 10);  // delta -10
    i.Slow(4);
    i.Update(1);   // 90, delta -6
    i.Update(1);   // 84, delta -2
    i.Update(1);   // 82, delta 0 (would be +2)
    i.Update(1);
    EXPECT_FLOAT_EQ(i.value, 82);
    EXPECT_EQ(i.delta, 0);
}

TEST(Interpolation, StopKeepsValueButZeroesDestination) {
    Interpolation i = Interpolation::Create(0);
    i.SetAbsolute(0.7f);
    i.Set(1, 10);
    i.Stop();
    EXPECT_FLOAT_EQ(static_cast<float>(i.Get()), 0.7f);
    EXPECT_EQ(i.Stopped(), 0);
    i.Update(5);
    EXPECT_FLOAT_EQ(static_cast<float>(i.Get()), 0.7f);
}

TEST(Interpolation, SetWithNoStepsJumps) {
    Interpolation i = Interpolation::Create(3);
    i.Set(8, 0);
    EXPECT_EQ(i.Get(), 8.0);
    EXPECT_EQ(i.Stopped(), 1);
    i.Set(-2, -5);
    EXPECT_EQ(i.Get(), -2.0);
}

TEST(Interpolation, DirectionFollowsValueNotDeltaSign) {
    // A delta pointing away from the destination still snaps once the value passes it.
    Interpolation i = Interpolation::Create(0);
    i.destination = 5;
    i.delta = -1;
    i.Update(1);
    EXPECT_FLOAT_EQ(i.value, -1);  // moved by delta, not yet past the destination
}

TEST(Thing, InsideUsesHalfOpenEdges) {
    Thing t;
    t.x = 100;
    t.y = 50;
    t.w = 20;
    t.h = 10;
    EXPECT_EQ(t.Inside(90, 50, 1), 1);
    EXPECT_EQ(t.Inside(110, 50, 1), 0);
    EXPECT_EQ(t.Inside(109, 54, 1), 1);
    EXPECT_EQ(t.Inside(100, 55, 1), 0);
    EXPECT_EQ(t.Inside(100, 45, 1), 1);
    EXPECT_EQ(t.Inside(80, 50, 2), 1);  // scale doubles the box
    EXPECT_EQ(t.Inside(79, 50, 2), 0);
}

TEST(Thing, MouseOverSubtractsTheOffset) {
    Thing t;
    t.x = 300;
    t.y = 200;
    t.w = 40;
    t.h = 40;
    mouse_x = 110;
    mouse_y = 110;
    EXPECT_EQ(t.MouseOver(200, 100, 1), 1);
    EXPECT_EQ(t.MouseOver(0, 0, 1), 0);
    mouse_x = 120;
    EXPECT_EQ(t.MouseOver(200, 100, 1), 0);  // right edge is outside
}

TEST(Thing, CompareOrdersByY) {
    Thing a, b;
    a.y = 10;
    b.y = 10;
    EXPECT_EQ(a.Compare(a), 0);
    EXPECT_EQ(a.Compare(b), -1);
    EXPECT_EQ(b.Compare(a), -1);
    b.y = 5;
    EXPECT_EQ(a.Compare(b), 1);
    EXPECT_EQ(b.Compare(a), -1);

    std::vector<Thing> things(5);
    const int ys[] = {40, 10, 30, 20, 0};
    for (int k = 0; k < 5; ++k) things[static_cast<size_t>(k)].y = ys[k];
    std::sort(things.begin(), things.end(), [](const Thing& l, const Thing& r) { return r.Compare(l) == 1; });
    for (size_t k = 1; k < things.size(); ++k) EXPECT_LE(things[k - 1].y, things[k].y);
}

TEST(Random, RandIncludesBothEndsAndSwapsReversedRange) {
    SeedRnd(7);
    EXPECT_EQ(Rand(5, 5), 5);
    std::set<int> seen;
    for (int k = 0; k < 300; ++k) {
        const int v = Rand(3, 1);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 3u);
}

TEST(Random, RndIsHalfOpen) {
    SeedRnd(11);
    for (int k = 0; k < 10000; ++k) {
        const float v = Rnd(0.5f, 0.75f);
        ASSERT_GE(v, 0.5f);
        ASSERT_LT(v, 0.75f);
    }
    EXPECT_EQ(Rnd(2, 2), 2.0f);
}

TEST(Random, SeedMakesRunsRepeatable) {
    SeedRnd(99);
    const int a = Rand(0, 1000000);
    SeedRnd(99);
    EXPECT_EQ(Rand(0, 1000000), a);
}

// Without --seed the game seeds from the wall clock. The millisecond clock it used before reads the
// same value twice in a row (and 0 at every start-up), so every run played the same numbers.
TEST(Random, ClockSeedsDifferFromOneMomentToTheNext) {
    const unsigned int first = ClockSeed();
    EXPECT_NE(ClockSeed(), first);
}

TEST(Geometry, AngleBetweenTruncates) {
    EXPECT_EQ(AngleBetween(0, 0, 10, 0), 0);
    EXPECT_EQ(AngleBetween(0, 0, 0, 10), 90);
    EXPECT_EQ(AngleBetween(0, 0, -10, 0), 180);
    EXPECT_EQ(AngleBetween(0, 0, 0, -10), -90);
    EXPECT_EQ(AngleBetween(0, 0, 10, 1), 5);     // 5.71 degrees
    EXPECT_EQ(AngleBetween(0, 0, 10, -1), -5);   // toward zero
}

TEST(Geometry, RectsOverlapIsAsymmetricAtTheEdges) {
    EXPECT_EQ(RectsOverlap(0, 0, 10, 10, 10, 0, 10, 10), 1);
    EXPECT_EQ(RectsOverlap(10, 0, 10, 10, 0, 0, 10, 10), 0);
    EXPECT_EQ(RectsOverlap(0, 0, 10, 10, 0, 10, 10, 10), 1);
    EXPECT_EQ(RectsOverlap(0, 10, 10, 10, 0, 0, 10, 10), 0);
    EXPECT_EQ(RectsOverlap(0, 0, 10, 10, 5, 5, 2, 2), 1);
    EXPECT_EQ(RectsOverlap(0, 0, 10, 10, 11, 0, 10, 10), 0);
}

TEST(AppDataFolderTest, FollowsXdgThenHome) {
    const char* old_xdg = std::getenv("XDG_DATA_HOME");
    const std::string saved = old_xdg ? old_xdg : "";
    setenv("XDG_DATA_HOME", "/tmp/xdg-data", 1);
    EXPECT_EQ(AppDataFolder(), "/tmp/xdg-data");
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(AppDataFolder(), std::string(std::getenv("HOME")) + "/.local/share");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(AppDataFolder(), std::string(std::getenv("HOME")) + "/.local/share");
    if (old_xdg) setenv("XDG_DATA_HOME", saved.c_str(), 1);
}
