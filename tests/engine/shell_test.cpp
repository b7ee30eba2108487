#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app.h"
#include "shell.h"

namespace {
void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

struct ConfigGlobals {
    int r = renderer, f = fullscreen, a = audio_driver, rx = resolution_x, ry = resolution_y, s = splash_length;
    ~ConfigGlobals() {
        renderer = r;
        fullscreen = f;
        audio_driver = a;
        resolution_x = rx;
        resolution_y = ry;
        splash_length = s;
    }
};
}  // namespace

TEST(FullscreenMode, WideDesktopUsesItsOwnSize) {
    desktop_mode = 0;
    virtual_mode = 0;
    int w = 1024, h = 768;
    ChooseModeSize(true, 1920, 1080, &w, &h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    EXPECT_EQ(desktop_mode, 1);
}

TEST(FullscreenMode, FourThreeAndFiveFourKeepThePreferredSize) {
    virtual_mode = 0;
    for (auto size : {std::pair<int, int>{1280, 1024}, {1600, 1200}, {1024, 768}}) {
        desktop_mode = 0;
        int w = 1024, h = 768;
        ChooseModeSize(true, size.first, size.second, &w, &h);
        EXPECT_EQ(w, 1024) << size.first;
        EXPECT_EQ(h, 768);
        EXPECT_EQ(desktop_mode, 0);
    }
}

TEST(FullscreenMode, FallbacksAndWindowed) {
    virtual_mode = 0;
    desktop_mode = 1;  // the desktop fallback forces the desktop size even on 4:3
    int w = 1024, h = 768;
    ChooseModeSize(true, 1600, 1200, &w, &h);
    EXPECT_EQ(w, 1600);
    virtual_mode = 1;
    ChooseModeSize(true, 1920, 1080, &w, &h);
    EXPECT_EQ(w, 1024);
    EXPECT_EQ(h, 768);
    virtual_mode = 0;
    desktop_mode = 0;
    w = 800;
    h = 600;
    ChooseModeSize(false, 1920, 1080, &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
}

TEST(LaunchOptionsTest, ParsesOurOptions) {
    LaunchOptions o;
    std::string error;
    ASSERT_TRUE(ParseLaunchOptions({"-w", "--headless", "--frames", "30", "--fixed-dt", "1.5", "--seed", "42",
                                    "--user-dir", "/tmp/u", "--data-dir", "/tmp/d", "--script", "s.txt",
                                    "--screenshot", "shot.png"},
                                   &o, &error));
    EXPECT_TRUE(o.headless);
    EXPECT_EQ(o.frames, 30);
    EXPECT_FLOAT_EQ(o.fixed_dt, 1.5f);
    EXPECT_TRUE(o.seeded);
    EXPECT_EQ(o.seed, 42u);
    EXPECT_EQ(o.user_dir, "/tmp/u");
    EXPECT_EQ(o.data_dir, "/tmp/d");
    EXPECT_EQ(o.script, "s.txt");
    EXPECT_EQ(o.screenshot, "shot.png");
}

TEST(LaunchOptionsTest, RejectsMissingOrBadValues) {
    std::string error;
    LaunchOptions o;
    EXPECT_FALSE(ParseLaunchOptions({"--frames"}, &o, &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(ParseLaunchOptions({"--frames", "ten"}, &o, &error));
    error.clear();
    EXPECT_FALSE(ParseLaunchOptions({"--fixed-dt", "0"}, &o, &error));
    error.clear();
    EXPECT_FALSE(ParseLaunchOptions({"--fixed-dt", "-1"}, &o, &error));
}

TEST(ReadConfigTest, ReadsKnownElementsAndIgnoresTheRest) {
    ConfigGlobals saved;
    const std::string path = ::testing::TempDir() + "/options_config.xml";
    WriteText(path,
              "<?xml version=\"1.0\"?>\n<options>\n"
              "  <mac renderer=\"2\"/>\n"
              "  <windows renderer=\"1\" fullscreen=\"7\" audio=\"-1\"/>\n"
              "  <resolution x=\"1280\" y=\"1024\"/>\n"
              "  <splash length=\"90x\"/>\n"
              "  <credits text=\"ignored\"/>\n"
              "</options>\n");
    renderer = 0;
    fullscreen = 0;
    audio_driver = 1;
    ReadConfig(path);
    EXPECT_EQ(renderer, 1);
    EXPECT_EQ(fullscreen, 1);
    EXPECT_EQ(audio_driver, -1);
    EXPECT_EQ(resolution_x, 1280);
    EXPECT_EQ(resolution_y, 1024);
    EXPECT_EQ(splash_length, 90);
    std::remove(path.c_str());
}

TEST(ReadConfigTest, ResolutionNeedsBothAndBadFilesChangeNothing) {
    ConfigGlobals saved;
    const std::string path = ::testing::TempDir() + "/options_partial.xml";
    resolution_x = 0;
    resolution_y = 0;
    WriteText(path, "<options>\n<resolution x=\"800\"/>\n<Windows renderer=\"2\"/>\n</options>\n");
    renderer = 0;
    ReadConfig(path);
    EXPECT_EQ(resolution_x, 0);
    EXPECT_EQ(renderer, 0);  // element names are case-sensitive

    WriteText(path, "<options>\n<windows renderer='2'/>\n</options>\n");
    ReadConfig(path);
    EXPECT_EQ(renderer, 0);
    ReadConfig(path + ".missing");
    EXPECT_EQ(renderer, 0);
    std::remove(path.c_str());
}
