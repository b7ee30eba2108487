#include <gtest/gtest.h>

#include "font.h"
#include "text_block.h"

namespace {
// The built-in font measures the text; every test uses it.
class TextBlock : public ::testing::Test {
protected:
    void SetUp() override {
        SetImageFont(nullptr);
        ASSERT_GT(TextWidth("m"), 0) << "the built-in font (fonts-dejavu-core) is missing";
    }
};
}  // namespace

TEST_F(TextBlock, WidthAndHeightOfLines) {
    EXPECT_EQ(TextBlockWidth(""), 0);
    EXPECT_EQ(TextBlockHeight(""), 0);
    EXPECT_EQ(TextBlockWidth("W"), TextWidth("W"));
    const int h = TextHeight("x");
    EXPECT_EQ(TextBlockHeight("abc\nd"), 2 * h);
    EXPECT_EQ(TextBlockHeight("abc\n"), h);  // a final line feed adds no empty line
    EXPECT_EQ(TextBlockHeight("a\n\nb"), 3 * h);
    EXPECT_EQ(TextBlockWidth("ab\nabcdef\nabc"), TextWidth("abcdef"));
}

TEST_F(TextBlock, DrawTextBlockEndReportsWhereTheTextEnds) {
    Tuple end = DrawTextBlockEnd("Hello", 10, 20);
    EXPECT_EQ(end.a, 10 + TextWidth("Hello"));
    EXPECT_EQ(end.b, 20);
    const int h = TextHeight("x");
    end = DrawTextBlockEnd("one\ntwo", 10, 20);
    EXPECT_EQ(end.a, 10 + TextWidth("two"));
    EXPECT_EQ(end.b, 20 + h);
    end = DrawTextBlockEnd("one\n", 10, 20);
    EXPECT_EQ(end.a, 10);
    EXPECT_EQ(end.b, 20 + h);
    end = DrawTextBlockEnd("", 10, 20);
    EXPECT_EQ(end.a, 0);
    EXPECT_EQ(end.b, 0);
}

TEST_F(TextBlock, WrapTextBreaksAtSpacesWithinTheWidth) {
    const int w = TextWidth("aaa bbb");
    EXPECT_EQ(WrapText("aaa bbb ccc", w), "aaa bbb\nccc");
    EXPECT_EQ(WrapText("aaa bbb ccc", 10000), "aaa bbb ccc");
    EXPECT_EQ(WrapText("", 100), "");
}

TEST_F(TextBlock, WrapTextForcedBreaks) {
    EXPECT_EQ(WrapText("first|second part", 10000), "first\nsecond part");
    EXPECT_EQ(WrapText("aa bb|cc", 10000), "aa bb\ncc");
    EXPECT_EQ(WrapText("|x", 10000), "\nx");
}

TEST_F(TextBlock, WrapTextOverlongWordStartsWithEmptyLine) {
    EXPECT_EQ(WrapText("abcdefghij", TextWidth("abc")), "\nabcdefghij");
    // Two spaces in a row leave a trailing space on the line.
    EXPECT_EQ(WrapText("ab  cd", 10000), "ab  cd");
    EXPECT_EQ(WrapText("ab  cd", TextWidth("ab ")), "ab \ncd");
}

TEST_F(TextBlock, WrapTextIndentDoublesTheIndent) {
    const int w = TextWidth("aa");
    EXPECT_EQ(WrapTextIndent("aa bb cc dd", w, " "), "aa\n bb\n  cc\n    dd");
    EXPECT_EQ(WrapTextIndent("aa|bb", 10000, "-"), "aa\n-bb");
}
