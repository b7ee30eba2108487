// The ending: credit lines, colours and fades, the end by click or by the last line, the return.
#include "win.h"

#include "../adventure/play_test_support.h"
#include "adventure_gui.h"
#include <algorithm>

#include "location_event.h"

namespace {

class WinTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        locations.clear();
        current_event.reset();
        window_open = 0;
        auto loc = std::make_shared<Location>();
        loc->id = 15;
        loc->special = 3;
        locations.push_back(loc);
        location = 15;
    }
    void TearDown() override {
        current_event.reset();
        gui_controls.clear();
        AdventureGUI::Cleanup();
        locations.clear();
        PlayTest::TearDown();
    }
};

TEST_F(WinTest, CreditsHaveTheHeadingsAndFortyTwoLines) {
    Win win;
    ASSERT_EQ(win.credits.size(), 42u);
    for (const char* heading : {"@cCredits", "@rProgramming", "@gCharacter Art", "@gBackground Art", "@gInterface Art",
                                "@yGame Design", "@yDialogue", "@bMusic", "@bSound Effects"}) {
        EXPECT_NE(std::find(win.credits.begin(), win.credits.end(), heading), win.credits.end()) << heading;
    }
    EXPECT_NE(std::find(win.credits.begin(), win.credits.end(), "No penguins were harmed in the development of this game"),
              win.credits.end());
    EXPECT_NE(std::find(win.credits.begin(), win.credits.end(), "The End"), win.credits.end());
    EXPECT_TRUE(win.credits.back().empty());
}

TEST_F(WinTest, LineStylesAndFades) {
    int r, g, b;
    std::string text;
    Win::LineStyle("@bMusic", &r, &g, &b, &text);
    EXPECT_EQ(text, "Music");
    EXPECT_EQ(r, 160);
    EXPECT_EQ(b, 255);
    Win::LineStyle("@yDialogue", &r, &g, &b, &text);
    EXPECT_EQ(b, 128);
    Win::LineStyle("Plain", &r, &g, &b, &text);
    EXPECT_EQ(text, "Plain");
    EXPECT_EQ(r + g + b, 765);
    Win win;
    EXPECT_FLOAT_EQ(win.LineAlpha(400), 1);
    EXPECT_FLOAT_EQ(win.LineAlpha(720), 0.5f);
    EXPECT_FLOAT_EQ(win.LineAlpha(48), 0.5f);
    EXPECT_FLOAT_EQ(win.LineAlpha(96), 1);
}

TEST_F(WinTest, ScrollsOnePixelPerFourUnits) {
    Win win;
    EXPECT_EQ(win.LineY(0, 20), 768);
    win.time = 400;
    EXPECT_EQ(win.LineY(0, 20), 668);
    EXPECT_EQ(win.LineY(2, 20), 708);
    EXPECT_EQ(win.AllPassed(20), 0);
    win.time = 4 * (768 + 41 * 20 + 20);
    EXPECT_EQ(win.AllPassed(20), 1);
}

TEST_F(WinTest, AClickEndsItOnceAndTheReturnGoesToTheRanch) {
    LocationEvent::Create();
    auto* win = dynamic_cast<Win*>(current_event.get());
    ASSERT_NE(win, nullptr);
    win->Initialize();
    mouse_click = 1;
    win->StateNormal(1);
    mouse_click = 0;
    EXPECT_EQ(win->clicked, 1);
    EXPECT_EQ(UpdateList::Count(), 1);
    win->StateNormal(1);
    mouse_click = 1;
    win->StateNormal(1);
    EXPECT_EQ(UpdateList::Count(), 1);
    UpdateList::Update(251);
    EXPECT_EQ(Profile::GetFlagValue("F2"), 1);
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 3);
}

TEST_F(WinTest, WithoutInputTheEndingFinishesWhenTheCreditsHavePassed) {
    LocationEvent::Create();
    auto* win = dynamic_cast<Win*>(current_event.get());
    ASSERT_NE(win, nullptr);
    win->Initialize();
    int frames = 0;
    while (!win->clicked && frames < 100000) {
        win->StateNormal(20);
        win->Draw();
        ++frames;
    }
    EXPECT_EQ(win->clicked, 1);
    UpdateList::Update(20);
    for (int i = 0; i < 20 && Profile::GetFlagValue("F2") == 0; ++i) UpdateList::Update(20);
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 3);
}

}  // namespace
