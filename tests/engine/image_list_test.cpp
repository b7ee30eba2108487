#include <gtest/gtest.h>

#include <cstdlib>

#include "graphics.h"
#include "image_list.h"
#include "media_fixtures.h"

namespace {

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override { ImageList::Clear(); }
    void TearDown() override { ImageList::Clear(); }

    std::string Png(const std::string& name, const Pixmap& p) {
        const std::string path = dir_.File(name);
        EXPECT_TRUE(WritePngFile(path, p));
        return path;
    }
    std::string Solid(const std::string& name, int w, int h) { return Png(name, SolidPixmap(w, h, 0xFF808080)); }

    TempFolder dir_;
};

// A sheet of cols x rows frames of fw x fh, frame k filled with FrameColour(k).
uint32_t FrameColour(int k) { return 0xFF000000u | static_cast<uint32_t>((40 * (k + 1)) << 16) | 0x00A0u; }

Pixmap Sheet(int cols, int rows, int fw, int fh) {
    Pixmap p(cols * fw, rows * fh);
    for (int k = 0; k < cols * rows; ++k)
        for (int y = 0; y < fh; ++y)
            for (int x = 0; x < fw; ++x) p.WritePixel((k % cols) * fw + x, (k / cols) * fh + y, FrameColour(k));
    return p;
}

}  // namespace

TEST_F(ImageListTest, RegistersSinglePicturesOnce) {
    const std::string path = Solid("a.png", 40, 20);
    EXPECT_EQ(ImageList::AddImage(path, 7), 1);
    EXPECT_EQ(ImageList::AddImage(path, 7), 0);  // id taken
    EXPECT_EQ(ImageList::AddImage(dir_.File("missing.png"), 8), 0);
    EXPECT_EQ(ImageList::GetImageContainer(8), nullptr);
    ASSERT_NE(ImageList::GetImageContainer(7), nullptr);
    EXPECT_EQ(ImageList::GetImageContainer(7)->count, 1);
    EXPECT_EQ(ImageList::GetWidth(7), 40);
    EXPECT_EQ(ImageList::GetHeight(7), 20);
    EXPECT_EQ(ImageList::GetWidth(9), 0);
    EXPECT_FALSE(ImageList::GetSize(9).has_value());
    ImageList::RemoveImage(7);
    EXPECT_EQ(ImageList::GetImageContainer(7), nullptr);
}

TEST_F(ImageListTest, OnlyTheFirstIdOfASheetIsTestedForCollisions) {
    const std::string sheet = Png("sheet.png", Sheet(2, 2, 16, 16));
    ASSERT_EQ(ImageList::AddAnimImage(sheet, 100, 16, 16, 4), 1);  // ids 100..103
    const ImageContainer* first = ImageList::GetImageContainer(100);

    // The first id of a new registration inside the sheet's range fails, single or sheet.
    EXPECT_EQ(ImageList::AddImage(Solid("b.png", 8, 8), 102), 0);
    EXPECT_EQ(ImageList::AddAnimImage(sheet, 103, 16, 16, 4), 0);

    // A sheet starting before the range overlaps it with its later ids: accepted, the earlier wins.
    ASSERT_EQ(ImageList::AddAnimImage(sheet, 98, 16, 16, 4), 1);  // ids 98..101
    const ImageContainer* second = ImageList::GetImageContainer(98);
    EXPECT_NE(first, second);
    EXPECT_EQ(ImageList::GetImageContainer(99), second);
    EXPECT_EQ(ImageList::GetImageContainer(100), first);
    EXPECT_EQ(ImageList::GetImageContainer(101), first);
    EXPECT_EQ(ImageList::GetImageContainer(104), nullptr);

    // Removing by any id of the sheet removes all of it; the other sheet then answers for 100, 101.
    ImageList::RemoveImage(102);
    EXPECT_EQ(ImageList::GetImageContainer(103), nullptr);
    EXPECT_EQ(ImageList::GetImageContainer(100), second);
}

TEST_F(ImageListTest, SheetFramesAreAddressedRowByRow) {
    ASSERT_EQ(ImageList::AddAnimImage(Png("sheet.png", Sheet(3, 2, 10, 12)), 50, 10, 12, 5), 1);
    const ImageContainer* c = ImageList::GetImageContainer(54);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->w, 3);
    EXPECT_EQ(c->count, 5);
    EXPECT_EQ(c->width, 30);
    EXPECT_EQ(c->height, 24);
    EXPECT_EQ(ImageList::GetWidth(54), 10);
    EXPECT_EQ(ImageList::GetHeight(54), 12);
    EXPECT_EQ(ImageList::GetImageContainer(55), nullptr);  // only `count` ids
    EXPECT_EQ(ImageList::AddAnimImage(Solid("c.png", 8, 8), 60, 0, 8, 1), 0);
    EXPECT_EQ(ImageList::AddAnimImage(Solid("d.png", 8, 8), 61, 9, 8, 1), 0);  // frame wider than the picture
    // Frames taller than the picture, or more frames than it holds, are refused too: they would be
    // drawn and measured from pixels that are not there (a frame 2^31 high took minutes to measure).
    EXPECT_EQ(ImageList::AddAnimImage(Solid("e.png", 8, 8), 62, 8, 2147483647, 1), 0);
    EXPECT_EQ(ImageList::AddAnimImage(Solid("f.png", 8, 8), 63, 4, 4, 5), 0);
    EXPECT_EQ(ImageList::AddSplitImage(Solid("g.png", 100, 100), 64, 1), 0);  // 10000 one-pixel tiles
    // A sheet whose ids run to the end of the int range covers them without overflowing.
    ASSERT_EQ(ImageList::AddAnimImage(Solid("h.png", 8, 8), 2147483646, 4, 4, 4), 1);
    EXPECT_NE(ImageList::GetImageContainer(2147483647), nullptr);
    EXPECT_EQ(ImageList::GetImageContainer(-2147483647 - 1), nullptr);
}

TEST_F(ImageListTest, SplitPicturesDropTheRemainder) {
    ASSERT_EQ(ImageList::AddSplitImage(Solid("big.png", 1000, 600), 20001, 256), 1);
    const ImageContainer* c = ImageList::GetImageContainer(20001);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->split, 256);
    EXPECT_EQ(ImageList::GetWidth(20001), 1000);
    EXPECT_EQ(ImageList::GetHeight(20001), 600);
    // Measured over the kept tiles, which are fully visible.
    std::optional<Area> a = ImageList::GetSize(20001);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->x, 0);
    EXPECT_EQ(a->y, 0);
    EXPECT_EQ(a->w, 768);
    EXPECT_EQ(a->h, 512);
    EXPECT_EQ(c->images.size(), 6u);  // 3 x 2 tiles: 768 x 512 are drawn
    for (const Image& tile : c->images) {
        EXPECT_EQ(tile->width, 256);
        EXPECT_EQ(tile->height, 256);
    }
}

TEST_F(ImageListTest, GetSizeMeasuresVisiblePixelsAboutTheCentre) {
    ASSERT_EQ(ImageList::AddImage(Png("clear.png", Pixmap(64, 32)), 1), 1);
    std::optional<Area> a = ImageList::GetSize(1);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->x, -32);
    EXPECT_EQ(a->y, -16);
    EXPECT_EQ(a->w, 0);
    EXPECT_EQ(a->h, 0);

    // A 10 x 6 blob at columns 40..49, rows 8..13 of a 64 x 64 picture: its centre (45, 11) lies
    // 13 right of and 21 above the picture's centre (32, 32).
    Pixmap blob(64, 64);
    for (int y = 8; y < 14; ++y)
        for (int x = 40; x < 50; ++x) blob.WritePixel(x, y, 0xFF20C020);
    blob.WritePixel(45, 20, 0x01FFFFFF);  // barely visible still counts
    ASSERT_EQ(ImageList::AddImage(Png("blob.png", blob), 2), 1);
    a = ImageList::GetSize(2);
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(a->w, 10);
    EXPECT_EQ(a->h, 13);
    EXPECT_EQ(a->x, 40 - (64 - 10) / 2);
    EXPECT_EQ(a->y, 8 - (64 - 13) / 2);
}

TEST_F(ImageListTest, GetSizeOfASheetFrameScansOnlyThatFrame) {
    Pixmap sheet(64, 32);  // two 32 x 32 frames; frame 1 holds a 4 x 4 dot at (2, 2) of the frame
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 4; ++x) sheet.WritePixel(x, y, 0xFFFFFFFF);  // a stripe in frame 0
    for (int y = 2; y < 6; ++y)
        for (int x = 34; x < 38; ++x) sheet.WritePixel(x, y, 0xFFFFFFFF);
    ASSERT_EQ(ImageList::AddAnimImage(Png("s.png", sheet), 10, 32, 32, 2), 1);
    std::optional<Area> f0 = ImageList::GetSize(10);
    std::optional<Area> f1 = ImageList::GetSize(11);
    ASSERT_TRUE(f0 && f1);
    EXPECT_EQ(f0->w, 4);
    EXPECT_EQ(f0->h, 32);
    EXPECT_EQ(f0->x, 0 - (32 - 4) / 2);
    EXPECT_EQ(f1->w, 4);
    EXPECT_EQ(f1->h, 4);
    EXPECT_EQ(f1->x, 2 - 14);
    EXPECT_EQ(f1->y, 2 - 14);
}

namespace {

class ImageDrawTest : public ImageListTest {
protected:
    void SetUp() override {
        ImageListTest::SetUp();
        VideoOptions options;
        options.headless = true;
        ASSERT_TRUE(OpenGraphics(options));
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        SetScale(1, 1);
        SetRotation(0);
        SetOrigin(0, 0);
        Cls();
    }
    void TearDown() override {
        ImageListTest::TearDown();
        CloseGraphics();
    }
    static void ExpectColour(const Pixmap& screen, int x, int y, uint32_t argb) {
        const uint32_t got = screen.ReadPixel(x, y);
        for (int shift = 0; shift <= 16; shift += 8) {
            const int a = static_cast<int>((got >> shift) & 0xFF);
            const int b = static_cast<int>((argb >> shift) & 0xFF);
            EXPECT_LE(std::abs(a - b), 3) << "at " << x << "," << y << " got " << std::hex << got << " want " << argb;
        }
    }
};

}  // namespace

TEST_F(ImageDrawTest, DrawsTheRightFrameCentred) {
    ASSERT_EQ(ImageList::AddAnimImage(Png("sheet.png", Sheet(3, 2, 32, 32)), 400, 32, 32, 6), 1);
    ImageList::DrawSimple(404, 100, 100);  // frame 4: column 1, row 1
    ImageList::DrawSimple(402, 300, 100);  // frame 2: column 2, row 0
    ImageList::DrawSimple(405, -17, 100);  // culled: wholly off the left edge
    ImageList::DrawSimple(999, 500, 500);  // unregistered: nothing
    Pixmap screen = GrabScreen();
    ASSERT_EQ(screen.width, 1024);
    ExpectColour(screen, 100, 100, FrameColour(4));
    ExpectColour(screen, 86, 86, FrameColour(4));
    ExpectColour(screen, 113, 113, FrameColour(4));
    ExpectColour(screen, 300, 100, FrameColour(2));
    ExpectColour(screen, 100, 120, 0xFF000000);  // outside the 32 x 32 quad
    ExpectColour(screen, 500, 500, 0xFF000000);
}

TEST_F(ImageDrawTest, SplitPicturesAreDrawnWholeAndCentred) {
    // 512 x 512 cut into four 256-pixel tiles, each quadrant its own colour.
    Pixmap p(512, 512);
    const uint32_t colours[4] = {0xFFC02020, 0xFF20C020, 0xFF2020C0, 0xFFC0C020};
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) p.WritePixel(x, y, colours[(y / 256) * 2 + x / 256]);
    ASSERT_EQ(ImageList::AddSplitImage(Png("q.png", p), 305, 256), 1);
    ImageList::DrawSimple(305, 512, 384);
    Pixmap screen = GrabScreen();
    ExpectColour(screen, 512 - 128, 384 - 128, colours[0]);
    ExpectColour(screen, 512 + 128, 384 - 128, colours[1]);
    ExpectColour(screen, 512 - 128, 384 + 128, colours[2]);
    ExpectColour(screen, 512 + 128, 384 + 128, colours[3]);
    ExpectColour(screen, 512 - 260, 384, 0xFF000000);
}

TEST_F(ImageDrawTest, DrawSimpleRectShowsPartOfTheFrame) {
    ASSERT_EQ(ImageList::AddAnimImage(Png("sheet.png", Sheet(2, 1, 32, 32)), 600, 32, 32, 2), 1);
    // The left 8 columns of frame 1, as an 8 x 32 strip centred at (200, 200).
    ImageList::DrawSimpleRect(601, 0, 0, 8, 32, 200, 200);
    Pixmap screen = GrabScreen();
    ExpectColour(screen, 200, 200, FrameColour(1));
    ExpectColour(screen, 207, 200, 0xFF000000);
}
