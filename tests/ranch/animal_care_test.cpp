// Needs over time, feeding, grooming and potions.
#include "ranch_test_support.h"

using AnimalCare = RanchTest;

TEST_F(AnimalCare, NewAnimalStartsHungryAndNeutral) {
    Animal a;
    EXPECT_FLOAT_EQ(a.food, 0.25f);
    EXPECT_FLOAT_EQ(a.mood, 0.0f);
    EXPECT_FLOAT_EQ(a.health, 0.0f);
    EXPECT_EQ(a.male, 1);
    EXPECT_EQ(a.position, -1);
    EXPECT_FLOAT_EQ(static_cast<float>(a.alpha.Get()), 1.0f);
    EXPECT_GE(a.counter, 0.0f);
    EXPECT_LE(a.counter, 999.0f);
}

TEST_F(AnimalCare, LongStarvationPassesTheDeficitToMoodAndTwiceToHealth) {
    auto a = MakeBreed(0);
    // One update of 45000 units: food 0.25 - 1.0 = -0.75.
    a->Update(45000);
    EXPECT_FLOAT_EQ(a->food, 0.0f);
    EXPECT_FLOAT_EQ(a->mood, -0.75f);
    // health: -1.5 from hunger, -0.5 from bad mood, floored at -1.
    EXPECT_FLOAT_EQ(a->health, -1.0f);
    EXPECT_FLOAT_EQ(a->health_delta, -2.0f);
    EXPECT_FLOAT_EQ(a->warning_counter, 45000.0f);
    EXPECT_EQ(a->price, 40);  // a Bovine at health -1
    // Mood never falls below -1, however long the famine.
    a->Update(200000);
    EXPECT_FLOAT_EQ(a->mood, -1.0f);
    EXPECT_FLOAT_EQ(a->health, -1.0f);
}

TEST_F(AnimalCare, ShortUpdateOfAHappyFedAnimal) {
    auto a = MakeBreed(0);
    a->food = 0.5f;
    a->mood = 0.6f;
    a->health = 0.2f;
    a->Update(100);
    float t = 100.0f / 180000.0f;
    EXPECT_FLOAT_EQ(a->food, 0.5f - 4 * t);
    float mood = 0.6f - 0.5f * t;
    EXPECT_FLOAT_EQ(a->mood, mood);
    float gain = mood * t * 8 * 4;  // mood above 0.5 heals twice as fast
    EXPECT_FLOAT_EQ(a->health, 0.2f + gain);
    EXPECT_FLOAT_EQ(a->health_delta, gain);

    auto b = MakeBreed(0);
    b->food = 0.5f;
    b->mood = 0.3f;
    b->Update(100);
    float mood_b = 0.3f - 0.5f * t;
    EXPECT_FLOAT_EQ(b->health, mood_b * t * 8 * 2);
}

TEST_F(AnimalCare, BadMoodRecoversOnlyWhileFed) {
    auto a = MakeBreed(0);
    a->food = 0.5f;
    a->mood = -0.5f;
    a->Update(1800);  // t = 0.01
    EXPECT_FLOAT_EQ(a->mood, -0.49f);
    EXPECT_FLOAT_EQ(a->health, -0.02f);
    EXPECT_FLOAT_EQ(a->warning_counter, 1800.0f);
    a->mood = -0.001f;
    a->Update(1800);
    EXPECT_FLOAT_EQ(a->mood, 0.0f);  // capped at 0 on the way up

    auto hungry = MakeBreed(0);
    hungry->food = 0.0f;
    hungry->mood = -0.5f;
    hungry->Update(1);
    EXPECT_LT(hungry->mood, -0.5f);
}

TEST_F(AnimalCare, HealthStaysWithinRange) {
    auto a = MakeBreed(0);
    a->food = 1.0f;
    a->mood = 1.0f;
    a->health = 0.999f;
    a->Update(20000);
    EXPECT_FLOAT_EQ(a->health, 1.0f);
}

TEST_F(AnimalCare, AgeRaisesMaxAgeInMinutes) {
    auto a = MakeBreed(0);
    a->Update(5999);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAge"), 0);
    a->Update(6002);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAge"), 2);
    auto young = MakeBreed(0);
    young->Update(100);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAge"), 2);  // never lowered
}

TEST_F(AnimalCare, CountersRunDown) {
    auto a = MakeBreed(0);
    a->groom_counter = 50;
    a->clicked = 10;
    a->counter = 5;
    a->Update(20);
    EXPECT_FLOAT_EQ(a->groom_counter, 30.0f);
    EXPECT_FLOAT_EQ(a->clicked, -10.0f);
    EXPECT_FLOAT_EQ(a->counter, 25.0f);
}

TEST_F(AnimalCare, ItemCategoriesAndBreedTastes) {
    EXPECT_EQ(FoodCategory("Big fish"), 0);
    EXPECT_EQ(FoodValue("Big fish"), 3);
    EXPECT_EQ(FoodCategory("Acorns"), 2);
    EXPECT_EQ(FoodValue("Acorns"), 2);
    EXPECT_EQ(FoodCategory("Compass"), -1);
    EXPECT_EQ(FoodValue("Compass"), 0);
    auto beast = MakeBreed(12);
    EXPECT_EQ(beast->Likes(4), 1);
    EXPECT_EQ(beast->Dislikes(1), 1);
    EXPECT_EQ(beast->Likes(-1), 0);
    EXPECT_EQ(beast->Dislikes(-1), 0);
    auto bunny_beast = MakeBreed(8);
    EXPECT_EQ(bunny_beast->Likes(2), 1);
    EXPECT_EQ(bunny_beast->Dislikes(3), 1);
    EXPECT_EQ(bunny_beast->Dislikes(4), 0);
}

TEST_F(AnimalCare, FeedingLikedFood) {
    auto cow = MakeBreed(0);
    cow->counter = 300;
    cow->Feed(CatalogueItem("Apple"));  // liked, value 1
    EXPECT_FLOAT_EQ(cow->mood, 0.1f);
    EXPECT_FLOAT_EQ(cow->food, 0.35f);  // 0.25 + trunc(1.5) / 10
    EXPECT_FLOAT_EQ(cow->counter, 0.0f);
    EXPECT_EQ(Profile::GetFlag("T13"), nullptr);

    cow->Feed(CatalogueItem("Grass"));  // value 2: food + trunc(3) / 10
    EXPECT_FLOAT_EQ(cow->food, 0.65f);
    EXPECT_FLOAT_EQ(cow->mood, 0.3f);
}

TEST_F(AnimalCare, LikedFoodStopsAtHalfMoodAndRaisesTheTutorialFlag) {
    auto cow = MakeBreed(0);
    cow->mood = 0.45f;
    cow->Feed(CatalogueItem("Grass"));
    EXPECT_FLOAT_EQ(cow->mood, 0.5f);
    EXPECT_EQ(Profile::GetFlagValue("T13"), 1);

    Profile::RemoveFlag("T13");
    cow->Feed(CatalogueItem("Apple"));  // already at 0.5: unchanged, tutorial again
    EXPECT_FLOAT_EQ(cow->mood, 0.5f);
    EXPECT_EQ(Profile::GetFlagValue("T13"), 1);

    Profile::RemoveFlag("T13");
    Profile::SetFlag("Misc-MoodTutorial", 1);
    cow->mood = 0.8f;  // above the cap from brushing: food does not lower it
    cow->Feed(CatalogueItem("Apple"));
    EXPECT_FLOAT_EQ(cow->mood, 0.8f);
    EXPECT_EQ(Profile::GetFlag("T13"), nullptr);
}

TEST_F(AnimalCare, DislikedFoodFeedsLittleAndSpoilsTheMood) {
    auto cow = MakeBreed(0);
    cow->counter = 300;
    cow->Feed(CatalogueItem("Meat"));
    EXPECT_FLOAT_EQ(cow->food, 0.35f);  // trunc(3 * 0.5) = 1
    EXPECT_FLOAT_EQ(cow->mood, -1.0f);  // -2.25 floored
    EXPECT_FLOAT_EQ(cow->counter, 300.0f);  // no hearts, no hop
}

TEST_F(AnimalCare, NeutralFoodAndFullStomach) {
    auto cow = MakeBreed(0);
    cow->Feed(CatalogueItem("Berries"));  // neither liked nor disliked
    EXPECT_FLOAT_EQ(cow->food, 0.35f);
    EXPECT_FLOAT_EQ(cow->mood, 0.0f);

    cow->food = 1.0f;
    cow->counter = 300;
    cow->Feed(CatalogueItem("Apple"));
    EXPECT_FLOAT_EQ(cow->food, 1.0f);
    EXPECT_FLOAT_EQ(cow->counter, 300.0f);  // full: no hearts, no hop
    EXPECT_FLOAT_EQ(cow->mood, 0.1f);       // but the mood still rises
}

TEST_F(AnimalCare, GroomingTiresTheAnimal) {
    auto a = MakeBreed(0);
    a->Groom(CatalogueItem("Grooming brush"));
    EXPECT_FLOAT_EQ(a->mood, 0.04f);
    EXPECT_FLOAT_EQ(a->groom_counter, 250.0f);
    a->Groom(CatalogueItem("Grooming brush"));  // 2 - 2.5 < 0: refused
    EXPECT_FLOAT_EQ(a->mood, 0.04f);
    EXPECT_FLOAT_EQ(a->groom_counter, 500.0f);  // fatigue still grows, to the cap
    a->Groom(CatalogueItem("Fine brush"));  // 5 - 5 = 0 at the cap: no effect
    EXPECT_FLOAT_EQ(a->mood, 0.04f);
    EXPECT_FLOAT_EQ(a->groom_counter, 500.0f);

    a->groom_counter = 150;
    a->counter = 77;
    a->Groom(CatalogueItem("Grooming brush"));  // power 0.5: mood moves, shown 0, no hop
    EXPECT_FLOAT_EQ(a->mood, 0.05f);
    EXPECT_FLOAT_EQ(a->counter, 77.0f);

    a->groom_counter = 100;
    a->Groom(CatalogueItem("Fine brush"));  // power 4
    EXPECT_FLOAT_EQ(a->mood, 0.13f);
    EXPECT_FLOAT_EQ(a->groom_counter, 500.0f);
    EXPECT_FLOAT_EQ(a->counter, 0.0f);

    a->groom_counter = 0;
    a->mood = 0.99f;
    a->Groom(CatalogueItem("Fine brush"));
    EXPECT_FLOAT_EQ(a->mood, 1.0f);
    a->groom_counter = 0;
    a->Groom(CatalogueItem("Fine brush"));
    EXPECT_FLOAT_EQ(a->mood, 1.0f);

    a->groom_counter = 0;
    a->Groom(CatalogueItem("Apple"));  // not a brush
    EXPECT_FLOAT_EQ(a->groom_counter, 0.0f);
}

TEST_F(AnimalCare, GroomingRecoversWithTime) {
    auto a = MakeBreed(0);
    a->food = 1.0f;
    a->Groom(CatalogueItem("Grooming brush"));
    a->Update(60);  // fatigue 190: the grooming brush works again
    float mood = a->mood;
    a->Groom(CatalogueItem("Grooming brush"));
    EXPECT_GT(a->mood, mood);
}

TEST_F(AnimalCare, ApplyActsByClass) {
    auto a = MakeBreed(0);
    EXPECT_EQ(a->Apply(CatalogueItem("Apple")), 1);
    EXPECT_FLOAT_EQ(a->food, 0.35f);
    EXPECT_EQ(a->Apply(CatalogueItem("Grooming brush")), 0);
    EXPECT_FLOAT_EQ(a->groom_counter, 250.0f);

    a->mood = 0.98f;
    EXPECT_EQ(a->Apply(CatalogueItem("Food potion")), 1);
    EXPECT_FLOAT_EQ(a->food, 0.75f);
    EXPECT_FLOAT_EQ(a->mood, 1.0f);  // no 0.5 cap for the potion, capped at 1
    a->Apply(CatalogueItem("Food potion"));
    EXPECT_FLOAT_EQ(a->food, 1.0f);

    auto b = MakeBreed(0);
    EXPECT_EQ(b->Apply(CatalogueItem("Odd potion")), 0);
    EXPECT_EQ(b->Apply(CatalogueItem("Compass")), 0);
    EXPECT_FLOAT_EQ(b->food, 0.25f);
    EXPECT_FLOAT_EQ(b->mood, 0.0f);
}

TEST_F(AnimalCare, PregnancyEndsWithBirthOnTheRanch) {
    auto mother = MakeBreed(0);
    auto father = MakeBreed(0);
    mother->Breed(*father);
    auto baby = mother->baby;
    animals.push_back(mother);
    mother->Update(17999);
    EXPECT_EQ(animals.size(), 1u);
    EXPECT_TRUE(mother->baby);
    EXPECT_LE(mother->breeding_counter, 0.0f);
    mother->Update(1);
    ASSERT_EQ(animals.size(), 2u);
    EXPECT_EQ(animals[1], baby);
    EXPECT_FALSE(mother->baby);
    EXPECT_FLOAT_EQ(mother->pregnant_counter, 0.0f);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 2);
}
