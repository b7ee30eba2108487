// The floating texts and particles that report care, and the mating effects.
#include <vector>

#include "particles.h"
#include "ranch_test_support.h"
#include "update_list.h"

namespace {

std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (const auto& p : ParticleList::ScreenParticles())
        if (auto* t = dynamic_cast<TextParticle*>(p.get())) out.push_back(t->text);
    return out;
}

int CountDots() {
    int n = 0;
    for (const auto& p : ParticleList::ScreenParticles())
        if (typeid(*p) == typeid(DotParticle)) n++;
    return n;
}

int CountImages(int image) {
    int n = 0;
    for (const auto& p : ParticleList::ScreenParticles())
        if (auto* i = dynamic_cast<ImageParticle*>(p.get()); i && i->image == image) n++;
    return n;
}

class AnimalEffects : public RanchTest {
protected:
    void SetUp() override {
        RanchTest::SetUp();
        ParticleList::Clear();
        UpdateList::Clear();
    }
    void TearDown() override {
        ParticleList::Clear();
        UpdateList::Clear();
        RanchTest::TearDown();
    }
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(AnimalEffects, FeedingReportsMoodAndFood) {
    auto cow = MakeBreed(0);
    cow->Feed(CatalogueItem("Grass"));
    EXPECT_EQ(Texts(), (Strings{"Mood +2", "Food +3"}));
    EXPECT_EQ(CountDots(), 16);
    EXPECT_EQ(CountImages(16), 5);  // liked food sparkles

    ParticleList::Clear();
    cow->mood = 0.5f;
    cow->food = 1.0f;
    cow->Feed(CatalogueItem("Apple"));
    EXPECT_EQ(Texts(), (Strings{"Mood +0", "Food +0"}));
    EXPECT_EQ(CountDots(), 0);  // full: no hearts

    ParticleList::Clear();
    cow->food = 0.2f;
    cow->Feed(CatalogueItem("Meat"));
    EXPECT_EQ(Texts(), (Strings{"Mood -3", "Food +1"}));
    EXPECT_EQ(CountDots(), 0);

    ParticleList::Clear();
    cow->Feed(CatalogueItem("Berries"));  // neutral: hearts, no sparkles
    EXPECT_EQ(Texts(), (Strings{"Food +1"}));
    EXPECT_EQ(CountDots(), 16);
    EXPECT_EQ(CountImages(16), 0);
}

TEST_F(AnimalEffects, TextParticlesRiseFromTheAnimal) {
    auto cow = MakeBreed(0);
    cow->x = 400;
    cow->y = 500;
    cow->w = 100;
    cow->h = 80;
    cow->scale = 1.0f;
    cow->NewTextParticle("Hello", 1, 2, 3);
    auto* t = dynamic_cast<TextParticle*>(ParticleList::ScreenParticles().back().get());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->font, 1);
    EXPECT_EQ(t->angle, 270);
    EXPECT_GE(t->x, 360.0f);
    EXPECT_LE(t->x, 440.0f);
    EXPECT_GE(t->y, 480.0f);
    EXPECT_LE(t->y, 500.0f);
    EXPECT_GE(t->speed, 3.0f);
    EXPECT_LE(t->speed, 5.0f);
    EXPECT_FLOAT_EQ(t->dec_alpha, 0.008f);
    EXPECT_EQ(t->r, 1);
    EXPECT_EQ(t->b, 3);
}

TEST_F(AnimalEffects, GroomingAndPotionTexts) {
    auto a = MakeBreed(0);
    a->Groom(CatalogueItem("Fine brush"));
    EXPECT_EQ(Texts(), (Strings{"Mood +5"}));
    EXPECT_EQ(CountImages(16), 5);
    ParticleList::Clear();
    a->Groom(CatalogueItem("Fine brush"));  // tired (fatigue 400): power 1
    EXPECT_EQ(Texts(), (Strings{"Mood +1"}));
    ParticleList::Clear();
    a->Groom(CatalogueItem("Fine brush"));  // at the cap of 500: refused, no text at all
    EXPECT_TRUE(Texts().empty());
    ParticleList::Clear();
    a->food = 1.0f;
    a->Apply(CatalogueItem("Food potion"));
    EXPECT_EQ(Texts(), (Strings{"Food +0", "Mood +1"}));
    ParticleList::Clear();
    a->food = 0.1f;
    a->Apply(CatalogueItem("Food potion"));
    EXPECT_EQ(Texts(), (Strings{"Food +4", "Mood +1"}));
}

TEST_F(AnimalEffects, HealthReportOnlyWhileHealthCanMove) {
    auto a = MakeBreed(0);
    a->health = 0.5f;
    a->health_delta = 0.01f;  // a fast rise: above 260 / 90000
    a->UpdateVisible(260);
    EXPECT_EQ(Texts(), (Strings{"Health +2"}));
    ParticleList::Clear();
    a->health_delta = 0.002f;  // a slow one
    a->UpdateVisible(256);
    EXPECT_EQ(Texts(), (Strings{"Health +1"}));
    EXPECT_FLOAT_EQ(a->health_counter, 4.0f);

    ParticleList::Clear();
    a->health_delta = -0.00001f;
    a->UpdateVisible(300);  // 304: one report; slow fall for this delta
    EXPECT_EQ(Texts(), (Strings{"Health -1"}));

    ParticleList::Clear();
    a->health = 1.0f;
    a->health_delta = 0.5f;
    a->UpdateVisible(1000);  // already at the top: nothing to report
    EXPECT_TRUE(Texts().empty());
    a->health = -1.0f;
    a->health_delta = -0.5f;
    a->UpdateVisible(1000);
    EXPECT_TRUE(Texts().empty());
}

TEST_F(AnimalEffects, MatingAndPregnancyParticles) {
    auto mother = MakeBreed(0);
    auto father = MakeBreed(0);
    mother->Breed(*father);
    EXPECT_EQ(UpdateList::Count(), 1);  // the chime 110 units later
    UpdateList::Update(110);
    EXPECT_EQ(UpdateList::Count(), 0);

    animals.push_back(mother);
    mother->Update(41);  // mating: both timers grow by 2 x 41 (pregnancy and mating)
    mother->UpdateVisible(41);
    // breeding_image 82 gives 4 rounds of two pictures; breeding_particle 82 gives 40 dots.
    EXPECT_EQ(CountDots(), 40);
    EXPECT_EQ(CountImages(19) + CountImages(17) + CountImages(18), 8);
    EXPECT_FLOAT_EQ(mother->breeding_image, 2.0f);

    ParticleList::Clear();
    mother->breeding_counter = 0;
    mother->breeding_image = 91;
    mother->breeding_particle = 101;
    mother->UpdateVisible(1);
    EXPECT_EQ(CountImages(19) + CountImages(17) + CountImages(18), 2);
    EXPECT_FLOAT_EQ(mother->breeding_image, 0.0f);
    EXPECT_FLOAT_EQ(mother->breeding_particle, 0.0f);
}
