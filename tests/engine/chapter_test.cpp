// Chapter intros: the chapters file, which chapter is due, the chapters' share of the completion,
// and the intro scene (typing, clicking through, the title flag, the callback).
#include "chapter.h"

#include "../adventure/play_test_support.h"

namespace {

class ChapterTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        ChapterList::Clear();
        current_event.reset();
        mouse_armed = 1;
    }
    void TearDown() override {
        current_event.reset();
        ChapterList::Clear();
        PlayTest::TearDown();
    }

    void LoadChapters(const std::string& body) {
        WritePlayFile(dir + "/chapters.xml", body);
        ChapterList::Load(dir + "/chapters.xml");
    }

    std::string FatalOf(const std::string& body) {
        try {
            LoadChapters(body);
        } catch (const PlayFatal& e) {
            return e.what();
        }
        return "";
    }
};

const char* const kFourChapters =
    "<story>\n"
    "  <chapter title=\"Ch-A\" bg=\"a.jpg\" text=\"First\"/>\n"
    "  <chapter title=\"Ch-B\" bg=\"b.jpg\" text=\"Second\">\n"
    "    <flag name=\"Quest-X\" value=\"2\"/>\n"
    "  </chapter>\n"
    "  <chapter title=\"Ch-C\" bg=\"c.jpg\" text=\"Third\">\n"
    "    <flag name=\"Quest-X\" value=\"2\"/>\n"
    "    <flag name=\"Quest-Y\" value=\"1\"/>\n"
    "  </chapter>\n"
    "  <chapter title=\"Ch-Never\" bg=\"d.jpg\" text=\"Fourth\">\n"
    "    <flag name=\"Quest-X\" value=\"0\"/>\n"
    "    <flag name=\"Quest-X-Other\" value=\"3\"/>\n"
    "    <flag name=\"Quest-X-Other\" value=\"4\"/>\n"
    "  </chapter>\n"
    "</story>\n";

TEST_F(ChapterTest, LoadsInFileOrderUnderAnyRootName) {
    LoadChapters(kFourChapters);
    const auto& list = ChapterList::Chapters();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].title, "Ch-A");
    EXPECT_EQ(list[0].bg, "a.jpg");
    EXPECT_EQ(list[0].text, "First");
    EXPECT_TRUE(list[0].flags.empty());
    ASSERT_EQ(list[2].flags.size(), 2u);
    EXPECT_EQ(list[2].flags[1].name, "Quest-Y");
    EXPECT_EQ(list[2].flags[1].value, 1);
}

TEST_F(ChapterTest, MalformedFilesAreFatal) {
    const std::string message = "Error: 'Data/chapters.xml' invalid!";
    EXPECT_EQ(FatalOf("<c><chapter title=\"A\" bg=\"a\"/></c>"), message);  // no text
    EXPECT_EQ(FatalOf("<c><chapter title=\"A\" bg=\"a\" text=\"t\"/><extra/></c>"), message);
    EXPECT_EQ(FatalOf("<c><chapter title=\"A\" bg=\"a\" text=\"t\"><flag name=\"F\"/></chapter></c>"), message);
    EXPECT_EQ(FatalOf("<c><chapter title=\"A\" bg=\"a\" text=\"t\"><if name=\"F\" value=\"1\"/></chapter></c>"),
              message);
    EXPECT_EQ(FatalOf("<c><chapter title=\"A\" bg=\"a\" text=\"t\">"), message);  // does not parse
    try {
        ChapterList::Load(dir + "/missing.xml");
        FAIL() << "a missing file must be fatal";
    } catch (const PlayFatal& e) {
        EXPECT_STREQ(e.what(), "Error: 'Data/chapters.xml' invalid!");
    }
}

TEST_F(ChapterTest, TheFirstUnseenChapterWhoseFlagsAllMatchIsDue) {
    LoadChapters(kFourChapters);
    ASSERT_NE(ChapterList::GetChapter(), nullptr);
    EXPECT_EQ(ChapterList::GetChapter()->title, "Ch-A");
    Profile::SetFlag("Ch-A", 1);
    EXPECT_EQ(ChapterList::GetChapter(), nullptr);  // B waits for Quest-X = 2
    Profile::SetFlag("Quest-X", 3);
    EXPECT_EQ(ChapterList::GetChapter(), nullptr);  // equality, not a threshold
    Profile::SetFlag("Quest-X", 2);
    Profile::SetFlag("Quest-Y", 1);
    EXPECT_EQ(ChapterList::GetChapter()->title, "Ch-B");  // file order: B before C
    Profile::SetFlag("Ch-B", 1);
    EXPECT_EQ(ChapterList::GetChapter()->title, "Ch-C");
    Profile::SetFlag("Ch-C", 1);
    Profile::SetFlag("Quest-X", 0);
    EXPECT_EQ(ChapterList::GetChapter(), nullptr);  // the never-matching chapter never comes due
}

TEST_F(ChapterTest, PercentageCountsSeenChaptersOnly) {
    EXPECT_EQ(ChapterList::GetPercentage(8), 0);  // no chapters: nothing, no division by zero
    LoadChapters(kFourChapters);
    EXPECT_EQ(ChapterList::GetPercentage(8), 0);
    Profile::SetFlag("Ch-A", 1);
    EXPECT_FLOAT_EQ(ChapterList::GetPercentage(8), 2);
    Profile::SetFlag("Ch-B", 1);
    Profile::SetFlag("Ch-C", 1);
    EXPECT_FLOAT_EQ(ChapterList::GetPercentage(8), 6);  // the never-shown chapter keeps it below 8
}

TEST_F(ChapterTest, ClickingThroughStillSetsTheTitleFlagAndCallsBack) {
    int called = 0;
    character_name = "Robin";
    Chapter::Create("none.jpg", "Ch-A", "Dear $NAME$, hello.", [&called] { ++called; });
    auto* chapter = dynamic_cast<Chapter*>(current_event.get());
    ASSERT_NE(chapter, nullptr);
    EXPECT_EQ(current_chapter, chapter);
    EXPECT_EQ(chapter->text.find("$NAME$"), std::string::npos);
    EXPECT_NE(chapter->text.find("Robin"), std::string::npos);
    chapter->Initialize();
    EXPECT_EQ(mouse_armed, 0);  // a click held from the scene before does not count
    chapter->Update(1);
    EXPECT_EQ(chapter->fading, 0);

    mouse_click = 1;
    chapter->Update(1);
    mouse_click = 0;
    EXPECT_EQ(chapter->fading, 1);
    EXPECT_EQ(Profile::GetFlagValue("Ch-A"), 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.0f);
    UpdateList::Update(299);
    EXPECT_EQ(called, 0);
    UpdateList::Update(2);
    EXPECT_EQ(called, 1);
}

TEST_F(ChapterTest, TypedToTheEndTheIntroFadesByItself) {
    int called = 0;
    Chapter::Create("none.jpg", "Ch-B", "Short", [&called] { ++called; });
    auto* chapter = dynamic_cast<Chapter*>(current_event.get());
    ASSERT_NE(chapter, nullptr);
    chapter->Initialize();
    for (int i = 0; i < 300 && !chapter->text_go; ++i) {
        UpdateList::Update(1);
        chapter->Update(1);
    }
    ASSERT_EQ(chapter->text_go, 1);
    EXPECT_EQ(chapter->start_x, 1);
    const size_t length = chapter->text.size();
    for (size_t i = 0; i < 4 * length + 4 && !chapter->fading; ++i) chapter->Update(1);
    EXPECT_EQ(chapter->fading, 1);
    EXPECT_EQ(Profile::GetFlagValue("Ch-B"), 1);
    for (int i = 0; i < 700 && !called; ++i) UpdateList::Update(1);
    EXPECT_EQ(called, 1);
    EXPECT_GT(chapter->xpos, 0);
    EXPECT_LE(chapter->scale, 1);
    EXPECT_EQ(chapter->Draw(), 0);  // no display: drawing is harmless
}

TEST_F(ChapterTest, GameDataChaptersFollowTheStory) {
    ChapterList::Load(std::string(MOSSMEADOW_SOURCE_DIR) + "/data/chapters.xml");
    const auto& list = ChapterList::Chapters();
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].title, "A Letter from Grandma");
    EXPECT_TRUE(list[0].flags.empty());
    EXPECT_EQ(list[4].title, "Festival of Spiggles");
    // A new profile sees the first chapter at once, and only it.
    EXPECT_EQ(ChapterList::GetChapter(), &list[0]);
    Profile::SetFlag(list[0].title, 1);
    EXPECT_EQ(ChapterList::GetChapter(), nullptr);
    Profile::SetFlag("Quest-Repair", 2);
    ASSERT_NE(ChapterList::GetChapter(), nullptr);
    EXPECT_EQ(ChapterList::GetChapter()->title, "The Ranch Reborn");
    for (const ChapterData& c : list) {
        EXPECT_EQ(c.bg.rfind("Data/Graphics/", 0), 0u) << c.bg;
        EXPECT_EQ(c.text.find('"'), std::string::npos);
    }
}

}  // namespace
