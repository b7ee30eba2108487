// The painting kit's own guarantees: seeded randomness, straight-alpha export that never produces
// the game's mask colour, readable PNG/JPEG files and data-folder paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "paint/kit.h"

namespace {

std::string ScratchDir(const std::string& name) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("assetgen_kit_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(KitRng, SameSeedSameSequenceAndInclusiveBounds) {
    Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        uint64_t x = a.Next();
        EXPECT_EQ(x, b.Next());
        differs = differs || x != c.Next();
    }
    EXPECT_TRUE(differs);
    Rng r(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int v = r.Int(-2, 2);
        ASSERT_GE(v, -2);
        ASSERT_LE(v, 2);
        seen.insert(v);
        double u = r.Range(3.0, 4.0);
        ASSERT_GE(u, 3.0);
        ASSERT_LT(u, 4.0);
    }
    EXPECT_EQ(seen.size(), 5u);  // both ends are reachable
    EXPECT_EQ(r.Int(5, 5), 5);
    EXPECT_EQ(r.Int(5, 1), 5);  // an empty range yields its lower bound, never a division by zero
}

TEST(KitNoise, SmoothBoundedAndRepeatable) {
    double prev = Noise1(9, 0.0);
    for (int i = 1; i <= 400; ++i) {
        double x = i * 0.01;
        double v = Noise1(9, x);
        ASSERT_GE(v, -1.0);
        ASSERT_LE(v, 1.0);
        EXPECT_LT(std::abs(v - prev), 0.1) << "jump at " << x;
        EXPECT_EQ(v, Noise1(9, x));
        prev = v;
    }
}

TEST(KitCanvas, ExportIsStraightAlphaAndNeverTheMaskColour) {
    Canvas c(4, 1);
    cairo_t* cr = c.cr();
    // Pixel 0: half-transparent warm brown; pixel 1: opaque pure black; pixel 2: faint black;
    // pixel 3: untouched.
    cairo_rectangle(cr, 0, 0, 1, 1);
    SetColor(cr, kOutline, 0.5);
    cairo_fill(cr);
    cairo_rectangle(cr, 1, 0, 2, 1);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_rectangle(cr, 2, 0, 1, 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.1);
    cairo_fill(cr);
    std::vector<uint8_t> px = c.Rgba();
    ASSERT_EQ(px.size(), 16u);
    // Un-premultiplied: the colour comes back near #3b2a20, not darkened by the alpha.
    EXPECT_NEAR(px[0], 0x3b, 2);
    EXPECT_NEAR(px[1], 0x2a, 2);
    EXPECT_NEAR(px[2], 0x20, 2);
    EXPECT_NEAR(px[3], 128, 1);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_GT(px[4 * p + 3], 0);
        EXPECT_FALSE(px[4 * p] == 0 && px[4 * p + 1] == 0 && px[4 * p + 2] == 0) << "pixel " << p;
    }
    EXPECT_EQ(px[12] | px[13] | px[14] | px[15], 0);  // transparent stays fully transparent
    EXPECT_EQ(c.AlphaAt(1, 0), 255);
    EXPECT_EQ(c.AlphaAt(3, 0), 0);
    EXPECT_EQ(c.AlphaAt(-1, 0), 0);
    EXPECT_EQ(c.AlphaAt(4, 0), 0);
}

TEST(KitOutput, WritesBelowTheDataFolderAndStripsTheDataPrefix) {
    std::string dir = ScratchDir("output");
    Output out(dir + "/Data");
    Canvas c(8, 8);
    Rng rng(1);
    DrawBlob(c.cr(), 4, 4, 3, 3, kHoney, 1.0, rng, 0);
    EXPECT_TRUE(out.SavePng(c, "Data/Graphics/Sub/Blob.png"));
    EXPECT_TRUE(out.SaveJpeg(c, "Graphics/Blob.jpg"));
    EXPECT_EQ(out.written(), 2);
    EXPECT_TRUE(out.ok());
    std::string png = ReadFile(dir + "/Data/Graphics/Sub/Blob.png");
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    std::string jpg = ReadFile(dir + "/Data/Graphics/Blob.jpg");
    ASSERT_GT(jpg.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(jpg[0]), 0xff);
    EXPECT_EQ(static_cast<unsigned char>(jpg[1]), 0xd8);
    // A failed write is reported, not counted.
    std::ofstream(dir + "/Data/Blocker") << "x";
    EXPECT_FALSE(out.SavePng(c, "Data/Blocker/Inside.png"));
    EXPECT_FALSE(out.ok());
    EXPECT_EQ(out.written(), 2);
    EXPECT_FALSE(out.CopyFile(dir + "/does-not-exist.ttf", "Data/Fonts/X.ttf"));
    std::filesystem::remove_all(dir);
}

TEST(KitOutput, SameDrawingSameBytes) {
    std::string dir = ScratchDir("bytes");
    for (int run = 0; run < 2; ++run) {
        Canvas c(64, 48);
        Rng rng(5);
        PaintCloud(c.cr(), 32, 26, 50, rng, 0.8, 2.0);
        PaintSparkle(c.cr(), 10, 10, 8, kWhite);
        ASSERT_TRUE(WritePng(c, dir + "/run" + std::to_string(run) + ".png"));
    }
    EXPECT_EQ(ReadFile(dir + "/run0.png"), ReadFile(dir + "/run1.png"));
    std::filesystem::remove_all(dir);
}

TEST(KitColour, MixLightenDarken) {
    Rgb m = Mix(Hex(0x000000), Hex(0xffffff), 0.5);
    EXPECT_NEAR(m.r, 0.5, 1e-9);
    Rgb l = Lighten(kMoss, 1.0);
    EXPECT_NEAR(l.r, kWhite.r, 1e-9);
    Rgb d = Darken(kMoss, 1.0);
    EXPECT_NEAR(d.g, kOutline.g, 1e-9);
    EXPECT_DOUBLE_EQ(OutlineFor(512), kOutlineWidth);
    EXPECT_DOUBLE_EQ(OutlineFor(16), 1.5);
    EXPECT_GT(OutlineFor(64), 1.5);
    EXPECT_LT(OutlineFor(64), kOutlineWidth);
}
