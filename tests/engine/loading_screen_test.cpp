#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app.h"
#include "font_list.h"
#include "graphics.h"
#include "loader.h"
#include "loading_screen.h"
#include "media_fixtures.h"

namespace {

class LoadingScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_app_dir_ = app_dir;
        app_dir = dir_.Path();
        std::filesystem::create_directories(dir_.File("Data/Graphics"));
        ASSERT_TRUE(WriteJpegFile(dir_.File("Data/Graphics/LoadingBg.jpg"), SolidPixmap(1024, 768, 0xFF303030)));
        ASSERT_TRUE(WritePngFile(dir_.File("Data/Graphics/LoadingBar.png"), SolidPixmap(1024, 40, 0xFFFFFFFF)));
        FontList::Clear();
        ASSERT_EQ(FontList::AddFont("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 1, 14, 4), 1);
        Loader::Clear();
        screen_fade = Interpolation(0.0f);
        fade_level = 0;
        InstallLoadingScreen();
    }
    void TearDown() override {
        Loader::Clear();
        FontList::Clear();
        app_dir = saved_app_dir_;
        fade_level = 0;
        screen_fade = Interpolation(0.0f);
    }
    TempFolder dir_;
    std::string saved_app_dir_;
};

}  // namespace

TEST_F(LoadingScreenTest, InstallsAllThreeCallbacks) {
    EXPECT_TRUE(on_load_start);
    EXPECT_TRUE(on_load_progress);
    EXPECT_TRUE(on_load_finish);
    ASSERT_EQ(LoadingJokeTexts().size(), 27u);
    EXPECT_EQ(LoadingJokeTexts().front(), "Initializing lightning tables...");
    EXPECT_EQ(LoadingJokeTexts()[9], "Can anyone hear me?! I'm trapped inside the game!");
    EXPECT_EQ(LoadingJokeTexts().back(), "Cooking penguins...");
}

TEST_F(LoadingScreenTest, FadesInThenShowsAtMostFiveTexts) {
    EXPECT_EQ(LoadingScreenStart(), 1);  // starts the fade-in
    EXPECT_FLOAT_EQ(screen_fade.destination, 1.0f);
    EXPECT_EQ(LoadingScreenPoolSize(), 27);
    fade_level = 200;
    EXPECT_EQ(LoadingScreenStart(), 1);
    fade_level = 255;
    EXPECT_EQ(LoadingScreenStart(), 0);

    SeedRnd(3);
    std::vector<std::string> shown;
    for (int i = 0; i <= 100; ++i) {
        LoadingScreenProgress(static_cast<float>(i) / 100.0f);
        const std::string& text = LoadingScreenText();
        if (shown.empty() || shown.back() != text) shown.push_back(text);
        if (i == 24) {
            EXPECT_EQ(shown.size(), 1u);  // not yet a quarter further
        }
        if (i == 25) {
            EXPECT_EQ(shown.size(), 2u);
        }
    }
    EXPECT_EQ(shown.size(), 5u);  // at 0, 0.25, 0.5, 0.75 and 1.0
    EXPECT_EQ(LoadingScreenPoolSize(), 22);
    for (const std::string& text : shown) {
        EXPECT_NE(std::find(LoadingJokeTexts().begin(), LoadingJokeTexts().end(), text), LoadingJokeTexts().end());
        EXPECT_EQ(std::count(shown.begin(), shown.end(), text), 1);  // never the same one twice
    }

    // The fade-out: starts at full brightness, busy until dark, then done.
    EXPECT_EQ(LoadingScreenFinish(), 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.0f);
    EXPECT_EQ(LoadingScreenText(), "");
    EXPECT_EQ(LoadingScreenPoolSize(), 0);
    fade_level = 100;
    EXPECT_EQ(LoadingScreenFinish(), 1);
    fade_level = 0;
    EXPECT_EQ(LoadingScreenFinish(), 0);
}

TEST_F(LoadingScreenTest, WithoutItsPicturesNoTextIsChosen) {
    std::filesystem::remove(dir_.File("Data/Graphics/LoadingBg.jpg"));
    InstallLoadingScreen();
    LoadingScreenStart();
    fade_level = 255;
    LoadingScreenProgress(0.5f);
    EXPECT_EQ(LoadingScreenText(), "");
}

TEST_F(LoadingScreenTest, TheFillCoversTheBarFromItsLeftEnd) {
    VideoOptions options;
    options.headless = true;
    ASSERT_TRUE(OpenGraphics(options));
    fade_level = 255;
    LoadingScreenStart();
    LoadingScreenProgress(0.5f);  // fill 320 of the 640 pixels: screen x 192 to 511
    Pixmap screen = GrabScreen();
    CloseGraphics();
    const auto red = [&screen](int x, int y) { return static_cast<int>((screen.ReadPixel(x, y) >> 16) & 0xFF); };
    // Filled: bright over the bar's whole height, on the bar's own centre line.
    EXPECT_GT(red(200, 416), 240);
    EXPECT_GT(red(500, 416 - 18), 240);
    EXPECT_GT(red(500, 416 + 18), 240);
    // Not yet filled: only the dark shadow of the bar.
    EXPECT_NEAR(red(700, 416), 63, 6);
    // Left of the fill area and below the bar nothing bright was drawn.
    EXPECT_LT(red(150, 416), 100);
    EXPECT_NEAR(red(300, 450), 0x30, 6);
}
