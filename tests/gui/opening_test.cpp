// The splash's timing and skipping rules, and the title's zoom and credits rotation.
#include <cmath>

#include "gui_fixture.h"
#include "splash.h"
#include "title.h"
#include "title_gui.h"

namespace {

using OpeningTest = GuiTest;

TEST_F(OpeningTest, SplashLengthSetsTheFadeTimes) {
    int fin, fout, finw, foutw;
    Splash::Timing(300, &fin, &fout, &finw, &foutw);
    EXPECT_EQ(fin, 150);
    EXPECT_EQ(fout, 75);
    EXPECT_EQ(finw, 300);
    EXPECT_EQ(foutw, 375);
    Splash::Timing(150, &fin, &fout, &finw, &foutw);
    EXPECT_EQ(fin, 100);  // never shorter than 100
    EXPECT_EQ(foutw, 225);
}

class SplashTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        splash_.image = CreateImage(4, 4);
        splash_.brand = CreateImage(8, 8);
        brand_ = splash_.brand;
        screen_fade.SetAbsolute(0);
    }
    Splash splash_;
    Image brand_;
};

TEST_F(SplashTest, FadesOutAfterItsLengthThenShowsTheSecondPicture) {
    for (int i = 0; i < 149; ++i) splash_.Update(1);
    EXPECT_EQ(splash_.state, 0);
    splash_.Update(1);
    EXPECT_EQ(splash_.state, 1);
    for (int i = 0; i < 75; ++i) splash_.Update(1);
    EXPECT_EQ(splash_.image, brand_);
    EXPECT_FALSE(splash_.brand);
    EXPECT_EQ(splash_.state, 0);
    EXPECT_EQ(splash_.time, 0);
}

TEST_F(SplashTest, ClickSkipsToTheFadeOut) {
    splash_.Update(10);
    mouse_click = 1;
    splash_.Update(1);
    EXPECT_EQ(splash_.state, 1);
    EXPECT_EQ(splash_.time, 150);
    mouse_click = 0;
    for (int i = 0; i < 74; ++i) splash_.Update(1);
    EXPECT_NE(splash_.image, brand_);
    splash_.Update(1);
    EXPECT_EQ(splash_.image, brand_);
}

TEST_F(SplashTest, ClickDuringTheFadeOutIsIgnored) {
    for (int i = 0; i < 160; ++i) splash_.Update(1);
    ASSERT_EQ(splash_.state, 1);
    mouse_click = 1;
    splash_.Update(1);
    EXPECT_EQ(splash_.time, 161);
}

TEST(TitleTest, ZoomGoesFrom125To1) {
    EXPECT_FLOAT_EQ(Title::ZoomScale(0), 1.25f);
    EXPECT_NEAR(Title::ZoomScale(256), 1.25 - 0.25 * std::cos(45 * M_PI / 180), 1e-6);
    EXPECT_NEAR(Title::ZoomScale(512), 1.0f, 1e-6);
}

TEST(TitleTest, CreditsRotateThroughEightLinesOfRoleAndName) {
    TitleGUI::Reset();
    Title title;
    for (const std::string& line : title.credits) {
        EXPECT_NE(line.find(": "), std::string::npos) << line;
    }
    for (int i = 0; i < 600; ++i) title.UpdateCredits(1);
    EXPECT_EQ(title.credits_state, 0);
    title.UpdateCredits(1);
    EXPECT_EQ(title.credits_state, 1);  // fading in, shown for 400
    int shown = 0;
    int cycles = 0;
    int last_index = 0;
    for (int i = 0; i < 8 * 800 && cycles < 8; ++i) {
        title.UpdateCredits(1);
        if (title.credits_index != last_index) {
            ++cycles;
            last_index = title.credits_index;
        }
        if (title.credits_state == 1) ++shown;
    }
    EXPECT_EQ(cycles, 8);
    EXPECT_EQ(title.credits_index, 0);  // wrapped after the eighth line
    EXPECT_EQ(title.credits_delay, 500);
}

}  // namespace
