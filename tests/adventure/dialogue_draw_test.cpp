// What the dialogue draws: the typewriter shows more of the text as time passes, boxes, notices
// and menus put their text on the screen, a faded-out menu shows nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "graphics.h"
#include "image_list.h"
#include "media_fixtures.h"
#include "profile.h"

namespace {

class DialogueDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        VideoOptions options;
        options.headless = true;
        if (!OpenGraphics(options)) GTEST_SKIP() << "no display";
        // Light frame pictures, so that only text shows up dark.
        const std::string frame = folder_.File("frame.png");
        ASSERT_TRUE(WritePngFile(frame, SolidPixmap(512, 512, 0xFFD0D0D0)));
        for (int id : {2, 3, 5, 6}) ASSERT_EQ(ImageList::AddImage(frame, id), 1);
        Profile::CleanProfile();
        mouse_click = 0;
        mouse_x = mouse_y = -1000;
    }
    void TearDown() override {
        ImageList::Clear();
        CloseGraphics();
        Profile::CleanProfile();
    }
    // Paints the screen white, runs `draw`, and counts dark pixels.
    template <typename F>
    static int DarkPixels(F draw) {
        SetScale(1, 1);
        SetAlpha(1);
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        DrawRect(0, 0, 1024, 768);
        SetBlend(ALPHABLEND);
        draw();
        SetAlpha(1);
        SetScale(1, 1);
        const Pixmap screen = GrabScreen();
        int dark = 0;
        for (int y = 0; y < screen.height; y++)
            for (int x = 0; x < screen.width; x++)
                if ((screen.ReadPixel(x, y) & 0xFF) < 100) dark++;
        return dark;
    }

    TempFolder folder_;
};

TEST_F(DialogueDrawTest, TypewriterRevealsTheText) {
    auto actor = DialogueActor::Create(3, 0, kModeMessage, "", 1.0f);
    actor->SetText("Mend the old place, and the rest will follow.");
    auto draw = [&] { actor->Draw(); };
    const int before = DarkPixels(draw);
    EXPECT_EQ(before, 0);  // nothing typed yet: only the light box
    for (int i = 0; i < 24; ++i) actor->Update(1);  // faded in, six characters typed
    const int partial = DarkPixels(draw);
    EXPECT_GT(partial, 0);
    mouse_click = 1;  // the first click shows everything
    actor->Update(1);
    mouse_click = 0;
    actor->Update(1);
    const int full = DarkPixels(draw);
    EXPECT_GT(full, partial * 3);
}

TEST_F(DialogueDrawTest, SpeakersNoticesAndMenusDraw) {
    std::ofstream(folder_.File("d.xml"))
        << "<x><dialogue id=\"1\"><enter id=\"1\" left=\"\" image=\"1010\"/><text id=\"1\" text=\"Hello!\"/>"
           "<enter id=\"9\" info=\"2\"/><choices text=\"Well?\"><choice text=\"Bye\"><goto id=\"1\"/></choice>"
           "</choices><label id=\"1\"/><exit id=\"1\"/><exit id=\"9\"/></dialogue></x>";
    ASSERT_EQ(DialogueList::Load(folder_.File("d.xml")), 1);
    Dialogue& d = *DialogueList::GetDialogue(1);
    ASSERT_EQ(d.Initialize(), 0);
    for (int i = 0; i < 80; ++i) d.Update(1);  // the speaker is on stage and speaking
    ASSERT_NE(d.GetActor(1), nullptr);
    ASSERT_NE(d.GetActor(1)->text, nullptr);
    EXPECT_GT(DarkPixels([&] { d.Draw(); }), 0);

    d.GetActor(1)->text.reset();  // as if clicked away
    d.GetActor(1)->blocking = 0;
    d.Update(1);  // the info notice
    for (int i = 0; i < 60; ++i) d.Update(1);
    ASSERT_NE(d.GetActor(9), nullptr);
    EXPECT_GT(DarkPixels([&] { d.Draw(); }), 0);  // the notice's black shadow

    for (int i = 0; i < 200; ++i) d.Update(1);  // the notice closes, the menu opens
    ASSERT_NE(d.choices, nullptr);
    for (int i = 0; i < 25; ++i) d.Update(1);
    const int with_menu = DarkPixels([&] { d.choices->Draw(); });
    EXPECT_GT(with_menu, 0);
    d.choices->alpha.SetAbsolute(0);
    EXPECT_EQ(DarkPixels([&] { d.choices->Draw(); }), 0);
    DialogueList::Destroy();
}

}  // namespace
