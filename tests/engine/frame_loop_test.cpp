#include <gtest/gtest.h>

#include "app.h"
#include "frame_loop.h"
#include "graphics.h"

TEST(FrameClock, FramesCloserThanTenMillisecondsDoNotRun) {
    FrameClock clock;
    clock.last = 1000;
    float dt = -1;
    EXPECT_FALSE(clock.Step(1005, &dt));
    EXPECT_EQ(clock.last, 1000);
    EXPECT_TRUE(clock.Step(1010, &dt));
    EXPECT_FLOAT_EQ(dt, 1.0f);
    EXPECT_EQ(clock.last, 1010);
    EXPECT_TRUE(clock.Step(1025, &dt));
    EXPECT_FLOAT_EQ(dt, 1.5f);
}

TEST(FrameClock, AStallAdvancesAtMostTwentyUnits) {
    FrameClock clock;
    clock.last = 0;
    float dt = 0;
    ASSERT_TRUE(clock.Step(1000, &dt));
    EXPECT_FLOAT_EQ(dt, 20.0f);
    EXPECT_EQ(clock.last, 1000);
}

TEST(FrameClock, ClockWrapRestartsFromNow) {
    FrameClock clock;
    clock.last = 5000;
    float dt = 0;
    EXPECT_FALSE(clock.Step(100, &dt));
    EXPECT_EQ(clock.last, 100);
    EXPECT_TRUE(clock.Step(120, &dt));
    EXPECT_FLOAT_EQ(dt, 2.0f);
}

TEST(MouseButton, OnePressIsTakenOnce) {
    mouse_click = 0;
    mouse_armed = 1;
    UpdateMouseButton(1);
    EXPECT_EQ(mouse_click, 1);
    mouse_armed = 0;  // a control took the click
    UpdateMouseButton(1);
    EXPECT_EQ(mouse_click, 0);  // still held: no second click
    UpdateMouseButton(1);
    EXPECT_EQ(mouse_click, 0);
    UpdateMouseButton(0);  // released: armed again
    EXPECT_EQ(mouse_click, 0);
    EXPECT_EQ(mouse_armed, 1);
    UpdateMouseButton(1);
    EXPECT_EQ(mouse_click, 1);
}

TEST(MouseButton, UntakenPressKeepsClicking) {
    mouse_click = 0;
    mouse_armed = 1;
    UpdateMouseButton(1);
    UpdateMouseButton(1);
    EXPECT_EQ(mouse_click, 1);
    EXPECT_EQ(mouse_armed, 1);
}

TEST(MouseScaling, UsesTheWholeWindowAndClamps) {
    int x = 0, y = 0;
    ScaleMouse(1919, 1079, 1920, 1080, &x, &y);
    EXPECT_EQ(x, 1023);
    EXPECT_EQ(y, 767);
    ScaleMouse(960, 540, 1920, 1080, &x, &y);
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);
    ScaleMouse(0, 0, 1920, 1080, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ScaleMouse(-50, 5000, 1280, 1024, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 767);
    ScaleMouse(640, 512, 1280, 1024, &x, &y);
    EXPECT_EQ(x, 512);
    EXPECT_EQ(y, 384);
}

TEST(Letterbox, WideScreensArePillarboxed) {
    Viewport v = LetterboxViewport(1920, 1080);
    EXPECT_EQ(v.x, 240);
    EXPECT_EQ(v.y, 0);
    EXPECT_EQ(v.w, 1440);
    EXPECT_EQ(v.h, 1080);
    v = LetterboxViewport(1024, 768);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.w, 1024);
    EXPECT_EQ(v.h, 768);
}

TEST(Letterbox, TallScreensAreLetterboxed) {
    Viewport v = LetterboxViewport(1280, 1024);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.w, 1280);
    EXPECT_EQ(v.h, 960);
    EXPECT_EQ(v.y, 32);
    // 4:3 itself is 1.333..., at least 1.33: pillarbox branch, exact fit.
    v = LetterboxViewport(800, 600);
    EXPECT_EQ(v.w, 800);
    EXPECT_EQ(v.h, 600);
}
