#include <gtest/gtest.h>

#include "image_decode.h"
#include "media_fixtures.h"
#include "system.h"

namespace {

uint8_t Alpha(const Pixmap& p, int x, int y) { return p.rgba[(static_cast<size_t>(y) * p.width + x) * 4 + 3]; }

}  // namespace

TEST(ImageDecode, PngKeepsColoursAndMasksPureBlack) {
    TempFolder dir;
    Pixmap source(4, 2);
    source.WritePixel(0, 0, 0xFF000000);  // pure black: the mask colour
    source.WritePixel(1, 0, 0xFF010000);  // near black stays visible
    source.WritePixel(2, 0, 0xFF336699);
    source.WritePixel(3, 0, 0x80FFFFFF);  // half-transparent white keeps its alpha
    source.WritePixel(0, 1, 0x40000000);  // translucent black is masked too
    ASSERT_TRUE(WritePngFile(dir.File("a.png"), source));

    Image image = LoadImage(dir.File("a.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 4);
    EXPECT_EQ(image->height, 2);
    const Pixmap p = ImagePixmap(image);
    EXPECT_EQ(Alpha(p, 0, 0), 0);
    EXPECT_EQ(p.ReadPixel(1, 0), 0xFF010000u);
    EXPECT_EQ(p.ReadPixel(2, 0), 0xFF336699u);
    EXPECT_EQ(p.ReadPixel(3, 0), 0x80FFFFFFu);
    EXPECT_EQ(Alpha(p, 0, 1), 0);
    EXPECT_EQ(Alpha(p, 1, 1), 0);  // written as transparent black
}

TEST(ImageDecode, JpegDecodesOpaqueAndMasksBlack) {
    TempFolder dir;
    Pixmap source = SolidPixmap(32, 16, 0xFF000000);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x) source.WritePixel(x, y, 0xFFC08040);
    ASSERT_TRUE(WriteJpegFile(dir.File("b.jpg"), source, 100));

    Image image = LoadImage(dir.File("b.jpg"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
    EXPECT_EQ(image->height, 16);
    const Pixmap p = ImagePixmap(image);
    EXPECT_EQ(Alpha(p, 2, 2), 0);  // the black half is mask
    const uint32_t c = p.ReadPixel(26, 8);
    EXPECT_EQ(c >> 24, 255u);
    EXPECT_NEAR(static_cast<int>((c >> 16) & 0xFF), 0xC0, 4);
    EXPECT_NEAR(static_cast<int>((c >> 8) & 0xFF), 0x80, 4);
    EXPECT_NEAR(static_cast<int>(c & 0xFF), 0x40, 4);
}

TEST(ImageDecode, BadPicturesAreErrorsNotExits) {
    TempFolder dir;
    Pixmap out;
    std::string error;
    // A JPEG start marker followed by rubbish: libjpeg's fatal error comes back to us.
    EXPECT_FALSE(DecodeJPEG(std::string("\xFF\xD8\xFF\xE0garbage-garbage-garbage", 26), &out, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(out.width, 0);
    EXPECT_FALSE(DecodePNG(std::string("\x89PNG\r\n\x1a\nnot really", 18), &out, &error));
    EXPECT_FALSE(DecodeImage("plain text", &out, &error));

    // Through the file loader as well, including a JPEG cut off inside its header.
    Pixmap source = SolidPixmap(16, 16, 0xFF808080);
    ASSERT_TRUE(WriteJpegFile(dir.File("whole.jpg"), source));
    std::string bytes;
    {
        std::FILE* f = std::fopen(dir.File("whole.jpg").c_str(), "rb");
        ASSERT_TRUE(f);
        char buffer[64];
        const size_t n = std::fread(buffer, 1, sizeof buffer, f);
        std::fclose(f);
        bytes.assign(buffer, n);
    }
    ASSERT_TRUE(WriteBytes(dir.File("cut.jpg"), bytes.substr(0, 40)));
    EXPECT_FALSE(LoadImage(dir.File("cut.jpg")));
    EXPECT_FALSE(LoadImage(dir.File("missing.png")));

    // Cut off halfway through its picture data: libjpeg would fill the rest with grey and only
    // warn. The damaged picture is refused, with the reason.
    Pixmap busy(96, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x) busy.WritePixel(x, y, 0xFF000000u | static_cast<uint32_t>(x * 2654435761u ^ y * 40503u));
    ASSERT_TRUE(WriteJpegFile(dir.File("busy.jpg"), busy));
    std::string whole;
    ASSERT_TRUE(ReadFileBytes(dir.File("busy.jpg"), &whole));
    ASSERT_TRUE(DecodeJPEG(whole, &out, &error));
    EXPECT_FALSE(DecodeJPEG(whole.substr(0, whole.size() / 2), &out, &error));
    EXPECT_NE(error.find("Premature end"), std::string::npos) << error;
    EXPECT_EQ(out.width, 0);
}

TEST(ImageDecode, FramesAreCutRowByRow) {
    TempFolder dir;
    // Three columns, two rows of 4 x 4 frames; frame k is filled with colour 0xFF0000k0 + k.
    Pixmap sheet(12, 8);
    for (int k = 0; k < 6; ++k)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                sheet.WritePixel((k % 3) * 4 + x, (k / 3) * 4 + y, 0xFF102030u + static_cast<uint32_t>(k));
    ASSERT_TRUE(WritePngFile(dir.File("sheet.png"), sheet));
    Image frames = LoadImageFrames(dir.File("sheet.png"), 4, 4, 5);
    ASSERT_TRUE(frames);
    ASSERT_EQ(frames->frames.size(), 5u);
    EXPECT_EQ(frames->width, 4);
    EXPECT_EQ(frames->height, 4);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(ReadImagePixel(frames, k, 1, 1), 0xFF102030u + static_cast<uint32_t>(k)) << k;
    EXPECT_FALSE(LoadImageFrames(dir.File("sheet.png"), 0, 4, 5));
    EXPECT_FALSE(LoadImageFrames(dir.File("sheet.png"), 13, 4, 1));  // frames wider than the picture
}

TEST(ImageDecode, FramesKeepOnlyTheBoxOfWhatShows) {
    TempFolder dir;
    // A 64 x 64 picture, clear but for a 4 x 3 patch at (40, 10) and one faint pixel at (20, 30).
    Pixmap p(64, 64);
    for (int y = 10; y < 13; ++y)
        for (int x = 40; x < 44; ++x) p.WritePixel(x, y, 0xFF336699);
    p.WritePixel(20, 30, 0x10FFFFFF);
    ASSERT_TRUE(WritePngFile(dir.File("sparse.png"), p));
    Image image = LoadImage(dir.File("sparse.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 64);
    const ImageFrame& f = image->frames[0];
    // The box (20..43, 10..30) with a clear pixel round it.
    EXPECT_EQ(f.x, 19);
    EXPECT_EQ(f.y, 9);
    EXPECT_EQ(f.w, 26);
    EXPECT_EQ(f.h, 23);
    EXPECT_EQ(f.data.size(), 26u * 23u * 4u);
    // Read back, the picture is whole.
    const Pixmap back = ImagePixmap(image);
    EXPECT_EQ(back.width, 64);
    EXPECT_EQ(back.ReadPixel(41, 11), 0xFF336699u);
    EXPECT_EQ(back.ReadPixel(20, 30) >> 24, 0x10u);
    EXPECT_EQ(back.ReadPixel(2, 2), 0u);
    EXPECT_EQ(ReadImagePixel(image, 0, 63, 63), 0u);
    // A picture with nothing visible keeps nothing.
    ASSERT_TRUE(WritePngFile(dir.File("clear.png"), Pixmap(32, 32)));
    Image clear = LoadImage(dir.File("clear.png"));
    ASSERT_TRUE(clear);
    EXPECT_TRUE(clear->frames[0].data.empty());
    EXPECT_EQ(clear->width, 32);
}
