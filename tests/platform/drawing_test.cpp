// The two ways of drawing agree: every kind of draw the game makes (solid, alpha and additive
// blending; tint and alpha; scaling, mirroring and turning; sheet frames that keep only what they
// show; stacks of pictures at one place; rectangles, lines and text; the viewport) drawn by the
// compositor matches SDL's renderer within a small tolerance, both the first time and once the
// compositor keeps what it composed. Also: what a frame no longer draws is let go, a cut picture is
// decoded again after it was let go, and scaled output to a larger window is smooth.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "compositor.h"
#include "font.h"
#include "graphics.h"
#include "image_decode.h"
#include "image_list.h"
#include "media_fixtures.h"
#include "picture_compare.h"

namespace {

// A soft round sprite: colour `argb` fading to clear at its rim, with a dark outline ring.
Pixmap Blob(int size, uint32_t rgb) {
    Pixmap p(size, size);
    const float c = (size - 1) / 2.0f;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float d = std::hypot(x - c, y - c) / c;
            if (d > 1) continue;
            const uint32_t a = static_cast<uint32_t>(255 * std::min(1.0f, (1 - d) * 4));
            const uint32_t colour = d > 0.8f ? 0x302010u : rgb;
            p.WritePixel(x, y, (a << 24) | colour);
        }
    }
    return p;
}

// A painted opaque background with gradients.
Pixmap Backdrop(int w, int h) {
    Pixmap p(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            p.WritePixel(x, y, 0xFF000000u | (static_cast<uint32_t>(40 + x * 180 / w) << 16) |
                                   (static_cast<uint32_t>(60 + y * 150 / h) << 8) | 90u);
        }
    }
    return p;
}

struct Pictures {
    Image backdrop, blob, glow, sheet;
};

Pictures MakePictures() {
    Pictures p;
    p.backdrop = ImageFromPixmap(Backdrop(1024, 768));
    p.blob = ImageFromPixmap(Blob(96, 0xE0A060));
    // White with coverage, as glyphs and sparks are.
    Pixmap glow = Blob(48, 0xFFFFFF);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) glow.WritePixel(x, y, (glow.ReadPixel(x, y) & 0xFF000000u) | 0xFFFFFFu);
    p.glow = ImageFromPixmap(glow);
    // Two 128 x 128 frames, each showing a small blob off-centre: stored trimmed.
    Pixmap sheet(256, 128);
    const Pixmap small = Blob(40, 0x60C0E0);
    for (int k = 0; k < 2; ++k)
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) sheet.WritePixel(k * 128 + 20 + k * 50 + x, 30 + y, small.ReadPixel(x, y));
    p.sheet = std::make_shared<TImage>();
    p.sheet->width = 128;
    p.sheet->height = 128;
    for (int k = 0; k < 2; ++k) p.sheet->frames.push_back(TrimmedFrame(sheet, k * 128, 0, 128, 128));
    return p;
}

void State(int r, int g, int b, float alpha, int blend, float sx = 1, float sy = 1, float turn = 0) {
    SetColor(r, g, b);
    SetAlpha(alpha);
    SetBlend(blend);
    SetScale(sx, sy);
    SetRotation(turn);
}

// One frame with every kind of draw.
void DrawScene(const Pictures& p) {
    Cls();
    State(200, 200, 200, 1, SOLIDBLEND);
    DrawImage(p.backdrop, 512, 384);
    State(255, 255, 255, 1, ALPHABLEND);
    DrawImage(p.blob, 80, 80);
    State(255, 255, 255, 0.6f, ALPHABLEND);
    DrawImage(p.blob, 200, 80);
    State(220, 140, 90, 1, ALPHABLEND);
    DrawImage(p.blob, 320, 80);
    State(255, 255, 255, 1, ALPHABLEND, 1.7f, 1.7f);
    DrawImage(p.blob, 500, 100);
    State(180, 255, 200, 0.8f, ALPHABLEND, 0.55f, 0.55f);
    DrawImage(p.blob, 640, 80);
    State(255, 255, 255, 1, ALPHABLEND, -1.3f, 1.3f);
    DrawImage(p.blob, 780, 100);
    State(255, 255, 255, 1, ALPHABLEND, 1, 1, 90);
    DrawImage(p.blob, 920, 100);
    State(255, 200, 120, 0.7f, LIGHTBLEND);
    DrawImage(p.blob, 80, 240);
    State(120, 200, 255, 0.9f, LIGHTBLEND, 2, 2);
    DrawImage(p.glow, 220, 240);
    State(255, 120, 60, 1, ALPHABLEND);
    DrawImage(p.glow, 320, 240);
    // An animal's stack: tinted body, its glow added, an outline on top, all scaled alike.
    for (int i = 0; i < 2; ++i) {
        const float x = 460.0f + 170.0f * static_cast<float>(i);
        State(230, 190, 150, 1, ALPHABLEND, 0.8f * (i ? -1.0f : 1.0f), 0.8f);
        DrawImage(p.blob, x, 250);
        State(230, 190, 150, 0.33f, LIGHTBLEND, 0.8f * (i ? -1.0f : 1.0f), 0.8f);
        DrawImage(p.blob, x, 250);
        State(160, 160, 160, 1, ALPHABLEND, 0.8f * (i ? -1.0f : 1.0f), 0.8f);
        DrawImage(p.sheet, x, 250, 1);
    }
    // Sheet frames that keep only what they show, whole and in part.
    State(255, 255, 255, 1, ALPHABLEND);
    DrawImage(p.sheet, 850, 260, 0);
    State(255, 255, 255, 1, ALPHABLEND, 1.5f, 1.5f);
    DrawImage(p.sheet, 100, 420, 1);
    State(255, 255, 255, 1, ALPHABLEND);
    DrawImageQuad(p.sheet, 1, 260, 420, 60, 128, 0.5f, 0, 1, 1);
    // Rectangles, a turned rectangle and lines.
    State(20, 40, 200, 0.5f, ALPHABLEND);
    DrawRect(330, 360, 120, 90);
    State(200, 100, 20, 0.6f, LIGHTBLEND);
    DrawRect(400, 400, 100, 60);
    State(10, 10, 10, 1, ALPHABLEND);
    DrawRect(520, 380, 60.4f, 40.7f);
    State(240, 240, 60, 0.8f, ALPHABLEND, 1, 1, 30);
    DrawRect(650, 380, 80, 40);
    State(255, 255, 255, 1, ALPHABLEND);
    SetLineWidth(3);
    DrawLine(760, 380, 980, 380);
    SetLineWidth(1);
    // Text, tinted.
    State(250, 230, 120, 1, ALPHABLEND);
    DrawText("Mossmeadow 0123456789", 40, 560);
    State(255, 255, 255, 0.5f, ALPHABLEND, 2, 2);
    DrawText("Spiggles!", 40, 600);
    // The viewport clips.
    SetViewport(600, 520, 200, 120);
    State(255, 255, 255, 1, ALPHABLEND, 3, 3);
    DrawImage(p.blob, 700, 580);
    SetViewport(0, 0, kVirtualWidth, kVirtualHeight);
    State(255, 255, 255, 1, ALPHABLEND);
}

// Three frames of the scene (the third drawn from what the compositor kept); the first and last.
std::pair<Pixmap, Pixmap> DrawFrames(const char* way) {
    setenv("MOSSMEADOW_DRAWING", way, 1);
    VideoOptions video;
    video.headless = true;
    EXPECT_TRUE(OpenGraphics(video));
    unsetenv("MOSSMEADOW_DRAWING");
    std::pair<Pixmap, Pixmap> shots;
    {
        const Pictures p = MakePictures();
        for (int frame = 0; frame < 3; ++frame) {
            DrawScene(p);
            if (frame == 0) shots.first = GrabScreen();
            if (frame == 2) shots.second = GrabScreen();
            Flip();
        }
    }
    CloseGraphics();
    return shots;
}

TEST(Drawing, TheCompositorDrawsWhatTheRendererDraws) {
    const auto renderer = DrawFrames("renderer");
    const auto compositor = DrawFrames("compositor");
    for (const Pixmap* shot : {&compositor.first, &compositor.second}) {
        const PictureDifference d = ComparePictures(renderer.first, *shot, 40);
        ASSERT_TRUE(d.same_size);
        EXPECT_LT(d.mean, 1.5) << d.Describe();
        EXPECT_LT(d.share_over, 0.005) << d.Describe();
    }
    // What was kept draws exactly what was composed the first time, up to rounding.
    const PictureDifference kept = ComparePictures(compositor.first, compositor.second, 8);
    EXPECT_LT(kept.mean, 0.5) << kept.Describe();
    EXPECT_LT(kept.share_over, 0.001) << kept.Describe();
}

TEST(Drawing, KeptPicturesLastWhileDrawnAndCutPicturesComeBack) {
    // The compositor keeps a tinted picture from its second frame and lets it go after a frame
    // without it.
    Compositor compositor;
    auto image = ImageFromPixmap(Blob(64, 0x80C040));
    Placement at;
    at.cx = 100;
    at.cy = 100;
    at.w = 64;
    at.h = 64;
    Paint tint;
    tint.r = 100;
    for (int frame = 0; frame < 2; ++frame) {
        compositor.Clear();
        compositor.DrawFrame(image, 0, 0, 0, 64, 64, at, tint);
        compositor.MarkShown();
    }
    EXPECT_EQ(compositor.CachedBytes(), 64u * 64u * 4u);
    compositor.Clear();
    compositor.MarkShown();
    compositor.Clear();
    EXPECT_EQ(compositor.CachedBytes(), 0u);

    // A cut picture is decoded when used and let go when idle, and comes back the same.
    TempFolder dir;
    ASSERT_TRUE(WritePngFile(dir.File("bg.png"), Backdrop(512, 256)));
    ImageList::Clear();
    ASSERT_EQ(ImageList::AddSplitImage(dir.File("bg.png"), 3001, 256), 1);
    ImageContainer* c = ImageList::GetImageContainer(3001);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->images.empty());  // nothing decoded until used
    VideoOptions video;
    video.headless = true;
    ASSERT_TRUE(OpenGraphics(video));
    Cls();
    ImageList::DrawSimple(3001, 512, 384);
    const Pixmap first = GrabScreen();
    EXPECT_EQ(c->images.size(), 2u);
    for (int frame = 0; frame < 250; ++frame) {
        Cls();
        ImageList::DrawSimple(42, 0, 0);  // frames that draw something else
        Flip();
    }
    EXPECT_TRUE(c->images.empty());
    Cls();
    ImageList::DrawSimple(3001, 512, 384);
    const Pixmap again = GrabScreen();
    EXPECT_EQ(c->images.size(), 2u);
    EXPECT_EQ(ComparePictures(first, again, 0).largest, 0);
    EXPECT_NE(first.ReadPixel(300, 300) & 0xFFFFFF, 0u);
    CloseGraphics();
    ImageList::Clear();
}

TEST(Drawing, ScaledOutputIsSmooth) {
    // Black and white columns shown in a window twice as large: linear filtering leaves greys between
    // them where nearest-pixel scaling would leave only black and white.
    Pixmap columns(kVirtualWidth, kVirtualHeight);
    for (int y = 0; y < kVirtualHeight; ++y)
        for (int x = 0; x < kVirtualWidth; ++x) columns.WritePixel(x, y, (x & 1) ? 0xFF010101u : 0xFFFFFFFFu);
    Compositor compositor;
    compositor.Clear();
    Placement at;
    at.cx = kVirtualWidth / 2.0f;
    at.cy = kVirtualHeight / 2.0f;
    at.w = kVirtualWidth;
    at.h = kVirtualHeight;
    compositor.DrawFrame(ImageFromPixmap(columns), 0, 0, 0, kVirtualWidth, kVirtualHeight, at, Paint());
    // A 2048 x 1600 window: the picture fills its width, with bars above and below.
    std::vector<uint32_t> window(2048u * 1600u, 0xFFFFFFFFu);
    const Viewport view = LetterboxViewport(2048, 1600);
    compositor.Present(window.data(), 2048 * 4, 2048, 1600, view);
    EXPECT_EQ(window[0] & 0xFFFFFF, 0u);  // the bar is black
    int greys = 0;
    for (int x = 0; x < 64; ++x) {
        const uint32_t v = window[static_cast<size_t>(view.y + 100) * 2048 + x] & 0xFF;
        if (v > 40 && v < 215) ++greys;
    }
    EXPECT_GT(greys, 16);
}

}  // namespace
