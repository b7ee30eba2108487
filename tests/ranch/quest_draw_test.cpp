// The quest list as the quests window draws it: open quests with their status line, finished ones
// only in the completed list.
#include "graphics.h"
#include "ranch_test_support.h"

namespace {

class QuestDrawing : public RanchTest {
protected:
    void SetUp() override {
        RanchTest::SetUp();
        VideoOptions options;
        options.headless = true;
        if (!OpenGraphics(options)) GTEST_SKIP() << "no display";
        std::string path = WriteFile("quests.xml",
                                     "<quests><quest name=\"Quest-Jam\" text=\"Jam for the Festival\">"
                                     "<status value=\"1\" text=\"Bring berries\"/>"
                                     "<status value=\"2\" text=\"Done\" complete=\"1\"/></quest></quests>");
        ASSERT_EQ(QuestList::Load(path), 1);
    }
    void TearDown() override {
        CloseGraphics();
        RanchTest::TearDown();
    }

    // Paints the screen white, runs `draw`, and counts dark pixels in the band y0..y1.
    template <typename F>
    int DarkPixels(F draw, int y0, int y1) {
        SetScale(1, 1);
        SetAlpha(1);
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        DrawRect(0, 0, 1024, 768);
        SetBlend(ALPHABLEND);
        draw();
        Pixmap screen = GrabScreen();
        int dark = 0;
        for (int y = y0; y < y1; y++)
            for (int x = 0; x < 1024; x++)
                if ((screen.ReadPixel(x, y) & 0xFF) < 128) dark++;
        return dark;
    }
};

}  // namespace

TEST_F(QuestDrawing, OpenQuestsShowTitleAndStatusCompletedOnesOnlyTheirTitle) {
    auto draw_open = [] { QuestList::Draw(0, 512, 100); };
    auto draw_done = [] { QuestList::DrawCompleted(512, 100); };
    EXPECT_EQ(DarkPixels(draw_open, 0, 768), 0);  // not yet active

    Profile::SetFlag("Quest-Jam", 1);
    QuestList::Update(1);
    const Quest& quest = *quests[0];
    EXPECT_GT(quest.nw, 0);
    EXPECT_GT(quest.tw, 0);
    EXPECT_EQ(quest.w, std::max(quest.nw, quest.tw));
    EXPECT_EQ(quest.h, quest.nh + quest.th);
    EXPECT_GT(DarkPixels(draw_open, 100, 100 + quest.nh), 0);              // title
    EXPECT_GT(DarkPixels(draw_open, 100 + quest.nh, 100 + quest.h), 0);  // status line
    EXPECT_EQ(DarkPixels(draw_done, 0, 768), 0);

    Profile::SetFlag("Quest-Jam", 2);
    QuestList::Update(1);
    EXPECT_EQ(quest.complete, 1);
    EXPECT_EQ(quest.tw, 0);
    EXPECT_EQ(quest.h, quest.nh);
    EXPECT_EQ(DarkPixels(draw_open, 0, 768), 0);  // never again in the open list
    EXPECT_GT(DarkPixels(draw_done, 100, 100 + quest.nh), 0);
}
