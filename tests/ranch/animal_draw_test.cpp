// Drawing an animal on a headless screen: tinted layers with the additive pass, the hop frame,
// the mirror, the unhappy pulse and the left-aligned food bar.
#include "graphics.h"
#include "image_list.h"
#include "ranch_test_support.h"

namespace {

// A w x h picture: opaque white where `inside(x, y)` holds, transparent elsewhere.
template <typename F>
void Register(const std::string& folder, int id, int w, int h, F inside) {
    Pixmap pixmap(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) pixmap.WritePixel(x, y, inside(x, y) ? 0xFFFFFFFFu : 0x00000000u);
    std::string path = folder + "/" + std::to_string(id) + ".png";
    ASSERT_TRUE(SavePNG(pixmap, path));
    ASSERT_EQ(ImageList::AddImage(path, id), 1);
}

struct Rgb {
    int r, g, b;
};

Rgb At(const Pixmap& screen, int x, int y) {
    uint32_t argb = screen.ReadPixel(x, y);
    return {static_cast<int>((argb >> 16) & 255), static_cast<int>((argb >> 8) & 255), static_cast<int>(argb & 255)};
}

class AnimalDrawing : public RanchTest {
protected:
    void SetUp() override {
        RanchTest::SetUp();
        VideoOptions options;
        options.headless = true;
        if (!OpenGraphics(options)) GTEST_SKIP() << "no display";
        ImageList::Clear();
        // Bovine layers: the body (frame 0 only) fills the left half of a 40 x 40 canvas.
        Register(dir, 2300, 40, 40, [](int x, int) { return x < 20; });
        Register(dir, 2100, 40, 40, [](int, int) { return false; });
        Register(dir, 2200, 40, 40, [](int, int) { return false; });
        Register(dir, 2000, 40, 40, [](int, int) { return false; });
        Register(dir, 676, 128, 32, [](int, int) { return true; });
    }
    void TearDown() override {
        ImageList::Clear();
        CloseGraphics();
        RanchTest::TearDown();
    }

    static void Reset() {
        SetScale(1, 1);
        SetAlpha(1);
        SetBlend(SOLIDBLEND);
        SetColor(0, 0, 0);
        Cls();
    }
};

}  // namespace

TEST_F(AnimalDrawing, TintedBodyWithAdditivePass) {
    auto a = MakeBreed(0);
    a->r = 120;
    a->g = 60;
    a->b = 200;
    a->counter = 100;  // resting frame
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    Pixmap screen = GrabScreen();
    Rgb body = At(screen, 502, 384);  // left half
    EXPECT_NEAR(body.r, 160, 4);      // 120 + 0.33 x 120
    EXPECT_NEAR(body.g, 80, 4);
    EXPECT_NEAR(body.b, 255, 1);
    Rgb empty = At(screen, 522, 384);
    EXPECT_EQ(empty.r + empty.g + empty.b, 0);

    // Facing left mirrors the picture.
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, -1.0f, 1.0f, 255);
    screen = GrabScreen();
    EXPECT_GT(At(screen, 522, 384).r, 100);
    EXPECT_EQ(At(screen, 502, 384).r, 0);

    // Half brightness halves the tint.
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, 1.0f, 0.5f, 128);
    EXPECT_NEAR(At(GrabScreen(), 502, 384).r, 80, 4);
}

TEST_F(AnimalDrawing, HopFrameAndUnhappyPulse) {
    auto a = MakeBreed(0);
    a->r = a->g = a->b = 100;
    a->counter = 32;  // the top of the hop: frame 2, a picture this test never registered
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_EQ(At(GrabScreen(), 502, 384).r, 0);
    a->counter = 512 + 70;  // resting again
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_NEAR(At(GrabScreen(), 502, 384).r, 133, 4);

    a->mood = -0.5f;
    a->warning_counter = 22.5f;  // sin(90) = 1: the pulse peaks at 1.5 times the tint
    Reset();
    a->DrawAnimal(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_NEAR(At(GrabScreen(), 502, 384).r, 199, 4);  // 150 + 0.33 x 150
}

TEST_F(AnimalDrawing, FoodBarFillsFromTheLeft) {
    auto a = MakeBreed(0);
    a->w = 0;
    a->h = 0;
    a->food = 0.5f;  // trunc(0.5 x 126 + 2) = 65 of 128 pixels
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    Pixmap screen = GrabScreen();
    EXPECT_GT(At(screen, 512 - 60, 384).r, 240);  // filled
    EXPECT_GT(At(screen, 512 - 1, 384).r, 240);   // 448 + 65 = 513: still filled
    Rgb rest = At(screen, 512 + 30, 384);
    EXPECT_NEAR(rest.r, 38, 3);  // the dim background at half alpha
    EXPECT_EQ(At(screen, 512 + 70, 384).r, 0);

    a->food = 2.0f;  // clamped for drawing
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_GT(At(GrabScreen(), 512 + 60, 384).r, 240);
}

TEST_F(AnimalDrawing, PerspectiveScaleAndGrowth) {
    auto a = MakeBreed(0);
    a->x = 512;
    a->y = 384;
    a->age = 6000;
    a->Draw();
    EXPECT_FLOAT_EQ(a->scale, 0.5f);  // lower on the screen is larger
    a->y = 768;
    a->age = 3000;  // half-way through its first minute
    a->Draw();
    EXPECT_FLOAT_EQ(a->scale, 0.75f);
    a->age = 0;
    a->Draw();
    EXPECT_FLOAT_EQ(a->scale, 0.5f);
}

TEST_F(AnimalDrawing, HealthTrendIconSitsBehindTheAnimal) {
    Register(dir, 613, 8, 8, [](int, int) { return true; });
    Register(dir, 614, 8, 8, [](int, int) { return true; });
    auto a = MakeBreed(0);
    a->w = 40;
    a->h = 40;
    a->food = 0;
    a->health = 0.5f;
    a->health_delta = 0.01f;
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    // Facing right: x - (20 + 16), y - 20 - 16.
    Pixmap screen = GrabScreen();
    EXPECT_GT(At(screen, 476, 348).r, 200);
    EXPECT_EQ(At(screen, 548, 348).r, 0);
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, -1.0f, 1.0f, 255);
    screen = GrabScreen();
    EXPECT_GT(At(screen, 548, 348).r, 200);
    EXPECT_EQ(At(screen, 476, 348).r, 0);
    // Rising health while negative shows no trend.
    a->health = -0.5f;
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_EQ(At(GrabScreen(), 476, 348).r, 0);
}

TEST_F(AnimalDrawing, PregnancyClockShowsMinutesAndSeconds) {
    Register(dir, 10000, 64, 64, [](int, int) { return true; });
    auto a = MakeBreed(0);
    a->food = 0;
    a->pregnant_counter = 6512;  // 1:05
    a->breeding_counter = 0;
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    Pixmap screen = GrabScreen();
    int dark = 0, light = 0;
    for (int y = 354; y < 414; y++)
        for (int x = 482; x < 542; x++) (At(screen, x, y).r < 100 ? dark : light)++;
    EXPECT_GT(light, 0);  // the clock face
    EXPECT_GT(dark, 0);   // black digits on it
    // While mating the clock stays hidden.
    a->breeding_counter = 100;
    Reset();
    a->DrawStatus(512, 384, 1.0f, 1.0f, 1.0f, 1.0f, 255);
    EXPECT_EQ(At(GrabScreen(), 530, 400).r, 0);
}
