#include <gtest/gtest.h>

#include <cmath>

#include "app.h"
#include "effects.h"
#include "graphics.h"
#include "particles.h"

namespace {
class ParticleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ParticleList::Clear();
        cursor_sparkle_time = 0;
    }
    void TearDown() override { ParticleList::Clear(); }
};
}  // namespace

TEST_F(ParticleTest, DotsMoveAlongTheirAngleAndSlowDown) {
    DotParticle p;
    p.speed = 10;
    p.dec_speed = 1;
    p.dec_alpha = 0.1f;
    EXPECT_EQ(p.Update(1), 1);
    EXPECT_NEAR(p.x, 1.0f, 1e-5f);  // 10 pixels per 10 time units
    EXPECT_NEAR(p.y, 0.0f, 1e-5f);
    EXPECT_FLOAT_EQ(p.speed, 9);
    EXPECT_FLOAT_EQ(p.alpha, 0.9f);
    p.angle = 90;  // down
    p.Update(2);
    EXPECT_NEAR(p.x, 1.0f, 1e-5f);
    EXPECT_NEAR(p.y, 1.8f, 1e-5f);
}

TEST_F(ParticleTest, AParticleDiesWhenItStopsEvenAtFullOpacity) {
    DotParticle p;
    p.speed = 1;
    p.dec_speed = 0.25f;
    EXPECT_EQ(p.Update(1), 1);
    EXPECT_EQ(p.Update(1), 1);
    EXPECT_EQ(p.Update(1), 1);
    EXPECT_EQ(p.Update(1), 0);
    EXPECT_FLOAT_EQ(p.alpha, 1.0f);
    EXPECT_FLOAT_EQ(p.speed, 0.0f);  // never below 0
    p.speed = 0.1f;
    EXPECT_EQ(p.Update(10), 0);
    EXPECT_FLOAT_EQ(p.speed, 0.0f);
}

TEST_F(ParticleTest, FadeInFirstThenFadeOut) {
    DotParticle p;
    p.speed = 5;
    p.alpha = 0;
    p.max_alpha = 0.5f;
    p.inc_alpha = 0.2f;
    p.dec_alpha = 0.1f;
    EXPECT_EQ(p.Update(1), 1);
    EXPECT_FLOAT_EQ(p.alpha, 0.2f);
    p.Update(2);  // would pass 0.5: held there, and the fade-in is over
    EXPECT_FLOAT_EQ(p.alpha, 0.5f);
    EXPECT_FLOAT_EQ(p.max_alpha, 0.0f);
    p.Update(1);
    EXPECT_FLOAT_EQ(p.alpha, 0.4f);
    EXPECT_EQ(p.Update(4), 0);  // faded out
}

TEST_F(ParticleTest, TwoListsUpdatedTogetherAndSearchedScreenFirst) {
    auto screen = std::make_shared<DotParticle>();
    screen->id = "spark";
    screen->speed = 1;
    auto scene = std::make_shared<TextParticle>();
    scene->id = "spark";
    scene->speed = 100;
    auto scene_only = std::make_shared<ImageParticle>();
    scene_only->id = "star";
    scene_only->speed = 100;
    ParticleList::AddParticle(screen, 0);
    ParticleList::AddParticle(scene, 1);
    ParticleList::AddParticle(scene_only, 5);
    EXPECT_EQ(ParticleList::ScreenParticles().size(), 1u);
    EXPECT_EQ(ParticleList::SceneParticles().size(), 2u);
    EXPECT_EQ(ParticleList::GetParticle("spark"), screen.get());
    EXPECT_EQ(ParticleList::GetParticle("star"), scene_only.get());
    EXPECT_EQ(ParticleList::GetParticle("none"), nullptr);

    screen->dec_speed = 1;
    ParticleList::Update(1);  // the screen dot stops and goes
    EXPECT_TRUE(ParticleList::ScreenParticles().empty());
    EXPECT_EQ(ParticleList::GetParticle("spark"), scene.get());
    ParticleList::Draw(10, 10);  // without a display drawing does nothing, and does not fail
    ParticleList::Clear();
    EXPECT_TRUE(ParticleList::SceneParticles().empty());
}

TEST_F(ParticleTest, BurstsStartOnTheCircleAndFlyOutward) {
    SeedRnd(7);
    for (int i = 0; i < 20; ++i) BurstDots(100, 200, 30);
    BurstImages(100, 200, 30);
    const auto& list = ParticleList::ScreenParticles();
    ASSERT_EQ(list.size(), 21u);
    for (size_t i = 0; i < list.size(); ++i) {
        const auto* p = dynamic_cast<const DotParticle*>(list[i].get());
        ASSERT_NE(p, nullptr);
        EXPECT_NEAR(std::hypot(p->x - 100, p->y - 200), 30.0, 1e-3);
        EXPECT_GE(p->angle, 0);
        EXPECT_LE(p->angle, 359);
        const double a = p->angle * 3.14159265358979 / 180;
        EXPECT_NEAR(p->x, 100 + std::cos(a) * 30, 1e-3);  // outward along its own angle
        EXPECT_FLOAT_EQ(p->gravity, 1.0f);
        EXPECT_GE(p->r, 128);
        if (i < 20) {
            EXPECT_GE(p->speed, 6.0f);
            EXPECT_LE(p->speed, 12.0f);
            EXPECT_FLOAT_EQ(p->dec_alpha, 0.04f);
        }
    }
    const auto* image = dynamic_cast<const ImageParticle*>(list.back().get());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->image, 16);
    EXPECT_GE(image->speed, 4.0f);
    EXPECT_LE(image->speed, 8.0f);
    EXPECT_FLOAT_EQ(image->dec_speed, 0.025f);
}

TEST_F(ParticleTest, CursorSparklesEmitOnePerFourUnits) {
    mouse_x = 300;
    mouse_y = 400;
    CursorSparkles(10);
    EXPECT_EQ(ParticleList::ScreenParticles().size(), 2u);
    EXPECT_FLOAT_EQ(cursor_sparkle_time, 2.0f);
    CursorSparkles(1.5f);
    EXPECT_EQ(ParticleList::ScreenParticles().size(), 2u);
    CursorSparkles(0.5f);
    EXPECT_EQ(ParticleList::ScreenParticles().size(), 3u);
    EXPECT_FLOAT_EQ(cursor_sparkle_time, 0.0f);

    // Many sparkles: all fall straight down from just under the pointer; about a fifth are pictures.
    ParticleList::Clear();
    SeedRnd(11);
    CursorSparkles(4000);
    int pictures = 0;
    for (const ParticlePtr& q : ParticleList::ScreenParticles()) {
        const auto* p = dynamic_cast<const DotParticle*>(q.get());
        EXPECT_EQ(p->angle, 90);
        EXPECT_FLOAT_EQ(p->alpha, 0.75f);
        EXPECT_GE(p->x, 304);
        EXPECT_LE(p->x, 324);
        EXPECT_GE(p->y, 416);
        EXPECT_LE(p->y, 424);
        if (const auto* image = dynamic_cast<const ImageParticle*>(p)) {
            ++pictures;
            EXPECT_TRUE(image->image == 16 || image->image == 18);
            EXPECT_FLOAT_EQ(image->scale, 0.5f);
        } else {
            EXPECT_FLOAT_EQ(p->dec_alpha, 0.008f);
        }
    }
    EXPECT_GT(pictures, 100);
    EXPECT_LT(pictures, 300);
}

TEST_F(ParticleTest, DotsDrawAdditiveSquares) {
    VideoOptions options;
    options.headless = true;
    ASSERT_TRUE(OpenGraphics(options));
    Cls();
    auto p = std::make_shared<DotParticle>();
    p->x = 50;
    p->y = 60;
    p->size = 4;
    p->r = 200;
    p->g = 100;
    p->b = 40;
    ParticleList::AddParticle(p, 1);
    ParticleList::Draw(100, 0);  // scene list: drawn 100 pixels further right
    Pixmap screen = GrabScreen();
    CloseGraphics();
    const uint32_t dot = screen.ReadPixel(150, 60);
    // The dot adds onto its half-bright halo: 100 + 200 saturates red; green is 50 + 100.
    EXPECT_EQ(static_cast<int>((dot >> 16) & 0xFF), 255);
    EXPECT_NEAR(static_cast<int>((dot >> 8) & 0xFF), 150, 3);
    EXPECT_EQ(screen.ReadPixel(50, 60) & 0xFFFFFF, 0u);
    EXPECT_EQ(screen.ReadPixel(160, 60) & 0xFFFFFF, 0u);
}

TEST(CloudEffects, LayersScrollAndWrap) {
    EXPECT_EQ(CloudLayerX(0, 0, 3, 2048, 256), -256);
    EXPECT_EQ(CloudLayerX(300, 0, 3, 2048, 256), -156);
    EXPECT_EQ(CloudLayerX(3 * 2048 + 30, 0, 3, 2048, 256), -246);  // wrapped once
    EXPECT_EQ(CloudLayerX(0, 4096, 5, 2048, 512), static_cast<int>(std::fmod(4096 / 5.0, 2048) - 512));
    CloudEffect clouds;
    clouds.scale = 0.5f;
    clouds.Update(10);
    EXPECT_FLOAT_EQ(clouds.counter, 5.0f);
    EXPECT_EQ(clouds.ystart, 76);
    BigCloudEffect big;
    big.Update(3);
    EXPECT_FLOAT_EQ(big.counter, 3.0f);
}
