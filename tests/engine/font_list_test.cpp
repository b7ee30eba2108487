#include <gtest/gtest.h>

#include "font.h"
#include "font_list.h"

namespace {

constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class FontListTest : public ::testing::Test {
protected:
    void SetUp() override {
        FontList::Clear();
        SetImageFont(nullptr);
    }
    void TearDown() override {
        FontList::Clear();
        SetImageFont(nullptr);
    }
};

}  // namespace

TEST_F(FontListTest, RegistersEachIdOnce) {
    EXPECT_EQ(FontList::AddFont(kFontPath, 1, 14, 4), 1);
    EXPECT_EQ(FontList::AddFont(kFontPath, 1, 20, 4), 0);
    EXPECT_EQ(FontList::AddFont("/nonexistent/font.ttf", 2, 14, 4), 0);
    EXPECT_EQ(FontList::GetFontContainer(2), nullptr);
    ASSERT_NE(FontList::GetFontContainer(1), nullptr);
    EXPECT_EQ(FontList::GetFontContainer(1)->id, 1);
    EXPECT_TRUE(FontList::GetFontContainer(1)->font);
}

TEST_F(FontListTest, SetFontSelectsAndUnknownIdsKeepTheCurrentFont) {
    ASSERT_EQ(FontList::AddFont(kFontPath, 1, 12, 4), 1);
    ASSERT_EQ(FontList::AddFont(kFontPath, 3, 28, 4), 1);
    const Font small = FontList::GetFontContainer(1)->font;
    const Font large = FontList::GetFontContainer(3)->font;

    FontList::SetFont(3);
    EXPECT_EQ(GetImageFont(), large);
    FontList::SetFont(42);  // unregistered: no change
    EXPECT_EQ(GetImageFont(), large);
    FontList::SetFont(1);
    EXPECT_EQ(GetImageFont(), small);

    // Metrics follow the selected font and grow with its size.
    const std::string text = "Loading barrels...";
    EXPECT_EQ(TextWidth(text), FontTextWidth(small, text));
    EXPECT_GT(FontTextWidth(large, text), FontTextWidth(small, text));
    EXPECT_GT(FontHeight(large), FontHeight(small));
    FontList::SetFont(3);
    EXPECT_EQ(TextWidth(text), FontTextWidth(large, text));
}
