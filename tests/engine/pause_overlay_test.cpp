// The "Paused" overlay lies over the last frame the game showed, frozen, on both ways of drawing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "pause_overlay.h"

namespace {

int Red(const Pixmap& p, int x, int y) { return static_cast<int>((p.ReadPixel(x, y) >> 16) & 0xFF); }
int Green(const Pixmap& p, int x, int y) { return static_cast<int>((p.ReadPixel(x, y) >> 8) & 0xFF); }

class PauseOverlayTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        setenv("MOSSMEADOW_DRAWING", GetParam(), 1);
        VideoOptions video;
        video.headless = true;
        ASSERT_TRUE(OpenGraphics(video));
        pause_fade = Interpolation::Create(0);
        pause_shown = 0;
    }
    void TearDown() override {
        app_active = 1;
        Pause::Update(1);
        CloseGraphics();
        unsetenv("MOSSMEADOW_DRAWING");
    }
};

TEST_P(PauseOverlayTest, LiesOverTheFrozenLastFrame) {
    // A frame of the game: a red field with a green square at (100, 100).
    Cls();
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetScale(1, 1);
    SetColor(200, 40, 40);
    DrawRect(0, 0, 1024, 768);
    SetColor(40, 200, 40);
    DrawRect(100, 100, 50, 50);
    Flip();

    // Focus lost: the frame loop clears and draws only the overlay, frame after frame.
    app_active = 0;
    for (int i = 0; i < 40; ++i) {
        Cls();
        Pause::Update(1);
        Pause::Draw();
        Flip();
    }
    const Pixmap paused = GrabScreen();
    ASSERT_EQ(paused.width, 1024);
    EXPECT_NEAR(Red(paused, 10, 10), 200, 2);  // the game's frame, not black, and not darkened by repeats
    EXPECT_NEAR(Green(paused, 120, 120), 200, 2);
    EXPECT_NEAR(Red(paused, 1000, 700), 200, 2);
    // The overlay's dark box over the frame's middle, below the word.
    FontList::SetFont(6);
    EXPECT_LT(Red(paused, 512, 384 + TextHeight("Paused") / 2), 100);

    // Back in focus: the frozen frame goes; the game draws its own frames again.
    app_active = 1;
    Cls();
    Pause::Update(1);
    Pause::Draw();
    const Pixmap resumed = GrabScreen();
    EXPECT_EQ(resumed.ReadPixel(10, 10) & 0xFFFFFF, 0u);
}

INSTANTIATE_TEST_SUITE_P(BothWaysOfDrawing, PauseOverlayTest, ::testing::Values("compositor", "renderer"));

}  // namespace
