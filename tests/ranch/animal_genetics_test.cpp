// Classification, breeding, tint, price and names of animals.
#include <algorithm>
#include <set>

#include "ranch_test_support.h"

using AnimalGenetics = RanchTest;

TEST_F(AnimalGenetics, ClassificationThresholdsAreStrict) {
    // A share of exactly 0.5 does not pass the 0.5 test, nor 0.25 the 0.25 test.
    EXPECT_EQ(MakeAnimal(0.5f, 0, 0, 0)->index, 0);
    EXPECT_EQ(MakeAnimal(0.5001f, 0, 0, 0)->index, 3);
    EXPECT_EQ(MakeAnimal(0.25f, 0.26f, 0, 0)->index, 1);
    EXPECT_EQ(MakeAnimal(0, 0, 0.5f, 0)->index, 2);
    EXPECT_EQ(MakeAnimal(0, 0, 0, 0.5f)->image, 0);  // no share above 0.25: no valid breed
    EXPECT_EQ(MakeAnimal(0.25f, 0.25f, 0.25f, 0.5f)->image, 0);
    EXPECT_EQ(MakeAnimal(0, 0, 0, 0.51f)->index, 12);
}

TEST_F(AnimalGenetics, ClassificationOfEveryBreed) {
    for (int k = 0; k < kBreedCount; k++) {
        auto a = MakeBreed(k);
        EXPECT_EQ(a->index, k) << BreedName(k);
        EXPECT_EQ(a->image, 2000 + k);
    }
    // Wild decides last: a strong bovine share with wild makes a Wild Bull even with cat high too.
    EXPECT_EQ(MakeAnimal(0.8f, 0.8f, 0.8f, 0.8f)->index, 6);
    EXPECT_EQ(MakeAnimal(0.3f, 0.8f, 0.8f, 0.8f)->index, 7);
    // A weak bovine share keeps the "set" branch: cat > 0.5 then gives Sea Feline.
    EXPECT_EQ(MakeAnimal(0.3f, 0.8f, 0, 0)->index, 4);
    EXPECT_EQ(MakeAnimal(0.3f, 0, 0.8f, 0)->index, 5);
    EXPECT_EQ(BreedName(8), "Bunny Beast");
    EXPECT_EQ(BreedName(13), "");
}

TEST_F(AnimalGenetics, PriceFollowsBreedHealthAndFactorOnly) {
    auto bull = MakeBreed(6);
    bull->pricemod = 1.0f;
    bull->health = 1.0f;
    bull->SetPrice();
    EXPECT_EQ(bull->price, 480);
    bull->health = -1.0f;
    bull->SetPrice();
    EXPECT_EQ(bull->price, 180);
    bull->health = 0;
    bull->age = 99999;
    bull->food = 0;
    bull->mood = -1;
    bull->SetPrice();
    EXPECT_EQ(bull->price, 400);
    bull->pricemod = 1.1f;
    bull->health = 1.0f;
    bull->SetPrice();
    EXPECT_EQ(bull->price, 528);  // trunc(480 * 1.1)
    auto bovine = MakeBreed(0);
    bovine->pricemod = 0.9f;
    bovine->health = 0.5f;
    bovine->SetPrice();
    EXPECT_EQ(bovine->price, 56);  // trunc(trunc(50 + 12.5 + 0.5) * 0.9) = trunc(56.7)
}

struct SpecialCase {
    int a, b, child;
    bool bovine, cat, bunny, wild;
};

TEST_F(AnimalGenetics, EverySpecialPairGivesItsBreedInEitherOrder) {
    const SpecialCase cases[] = {
        {0, 0, 3, true, false, false, false},  {1, 1, 4, false, true, false, false},
        {2, 2, 5, false, false, true, false},  {3, 4, 10, true, true, false, false},
        {3, 5, 9, true, false, true, false},   {3, 12, 6, true, false, false, true},
        {4, 5, 11, false, true, true, false},  {4, 12, 7, false, true, false, true},
        {5, 12, 8, false, false, true, true},
    };
    for (const SpecialCase& c : cases) {
        for (int seed = 1; seed <= 20; seed++) {
            SeedRnd(seed);
            auto mother = MakeBreed(c.a);
            auto father = MakeBreed(c.b);
            if (seed % 2) std::swap(mother, father);
            ASSERT_EQ(mother->Breed(*father), 1);
            const Animal& child = *mother->baby;
            EXPECT_EQ(child.index, c.child) << c.a << " + " << c.b;
            auto check = [](bool high, float share) {
                if (high) {
                    EXPECT_GE(share, 0.6f);
                    EXPECT_LE(share, 1.0f);
                } else {
                    EXPECT_GE(share, 0.0f);
                    EXPECT_LE(share, 0.25f);
                }
            };
            check(c.bovine, child.bovine);
            check(c.cat, child.cat);
            check(c.bunny, child.bunny);
            check(c.wild, child.wild);
        }
    }
}

TEST_F(AnimalGenetics, OtherPairsMixOneParentWithHalfTheOtherCapped) {
    // Two Wild Beasts are no special pair: wild = 1 + 1/2, capped at 1.
    auto a = MakeBreed(12);
    auto b = MakeBreed(12);
    a->Breed(*b);
    EXPECT_FLOAT_EQ(a->baby->wild, 1.0f);
    EXPECT_FLOAT_EQ(a->baby->bovine, 0.0f);
    EXPECT_EQ(a->baby->index, 12);

    // Bovine (bovine 0.4) x Bunny (bunny 0.4): either parent may be "A".
    std::set<int> seen;
    for (int seed = 1; seed <= 60; seed++) {
        SeedRnd(seed);
        auto cow = MakeBreed(0);
        auto bun = MakeBreed(2);
        cow->Breed(*bun);
        const Animal& child = *cow->baby;
        bool cow_first = child.bovine == 0.4f && child.bunny == 0.2f;
        bool bun_first = child.bovine == 0.2f && child.bunny == 0.4f;
        EXPECT_TRUE(cow_first || bun_first) << child.bovine << " " << child.bunny;
        EXPECT_EQ(child.cat, 0.0f);
        seen.insert(cow_first ? 0 : 2);
        EXPECT_EQ(child.index, cow_first ? 0 : 2);
    }
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(AnimalGenetics, BreedStartsPregnancyAndMating) {
    auto mother = MakeBreed(3);
    auto father = MakeBreed(4);
    mother->Breed(*father);
    ASSERT_TRUE(mother->baby);
    EXPECT_FLOAT_EQ(mother->pregnant_counter, 18000.0f);
    EXPECT_FLOAT_EQ(mother->breeding_counter, 500.0f);
    EXPECT_FALSE(father->baby);
    EXPECT_FLOAT_EQ(father->pregnant_counter, 0.0f);
    EXPECT_FALSE(mother->baby->name.empty());
    EXPECT_FLOAT_EQ(mother->baby->age, 0.0f);
}

TEST_F(AnimalGenetics, ChildTintStaysInRange) {
    for (int seed = 1; seed <= 300; seed++) {
        SeedRnd(seed);
        auto a = MakeBreed(0);
        auto b = MakeBreed(0);
        int level = seed % 2 ? 255 : 64;
        a->r = a->g = a->b = level;
        b->r = b->g = b->b = level;
        a->Breed(*b);
        for (int channel : {a->baby->r, a->baby->g, a->baby->b}) {
            EXPECT_GE(channel, 64);
            EXPECT_LE(channel, 255);
        }
    }
    // Mid-range parents: the child lies within 20 of their average.
    auto a = MakeBreed(0);
    auto b = MakeBreed(0);
    a->r = 100;
    b->r = 151;  // average 125
    a->Breed(*b);
    EXPECT_GE(a->baby->r, 105);
    EXPECT_LE(a->baby->r, 145);
}

TEST_F(AnimalGenetics, NamePoolsHaveTheirSizesAndTraditionalHeads) {
    ASSERT_EQ(male_names.size(), 224u);
    ASSERT_EQ(female_names.size(), 229u);
    const char* male_head[] = {"Alonso", "Broderick", "Darell", "Dorsey", "Elden", "Jere", "Lynwood", "Michael"};
    const char* female_head[] = {"Allyn", "Alona", "Angila", "Annelle", "Ardelia", "Audria", "Audrie", "Bari", "Beula"};
    for (size_t i = 0; i < 8; i++) EXPECT_EQ(male_names[i], male_head[i]);
    for (size_t i = 0; i < 9; i++) EXPECT_EQ(female_names[i], female_head[i]);
    EXPECT_EQ(std::set<std::string>(male_names.begin(), male_names.end()).size(), 224u);
    EXPECT_EQ(std::set<std::string>(female_names.begin(), female_names.end()).size(), 229u);
}

TEST_F(AnimalGenetics, RandomizeGivesTintFactorFacingGenderAndAFreshName) {
    for (int i = 0; i < 100; i++) {
        Animal a;
        a.bovine = 0.7f;
        a.Randomize();
        EXPECT_GE(a.r, 64);
        EXPECT_LE(a.b, 255);
        EXPECT_GE(a.pricemod, 0.9f);
        EXPECT_LE(a.pricemod, 1.1f);
        EXPECT_TRUE(a.direction == 1.0f || a.direction == -1.0f);
        const auto& pool = a.male ? male_names : female_names;
        EXPECT_NE(std::find(pool.begin(), pool.end(), a.name), pool.end());
        EXPECT_FLOAT_EQ(a.bovine, 0.7f);  // shares untouched
    }
    // 100 names handed out, none twice.
    std::set<std::string> unique(used_names.begin(), used_names.end());
    EXPECT_EQ(unique.size(), used_names.size());
    EXPECT_GE(used_names.size(), 95u);
}

TEST_F(AnimalGenetics, UsedNamesResetAfterTheMalePoolSize) {
    used_names.assign(223, "Someone");
    Animal a;
    a.Randomize();
    EXPECT_EQ(used_names.size(), 224u);  // 223 < 224: no reset yet
    Animal b;
    b.Randomize();
    ASSERT_EQ(used_names.size(), 1u);  // at 224 the list is emptied first
    EXPECT_EQ(used_names[0], b.name);
}

TEST_F(AnimalGenetics, NameOfARanchAnimalIsNotHandedOutAgain) {
    // Every name of both pools stands on the ranch: all attempts fail, the last draw stays.
    for (const auto& pool : {male_names, female_names})
        for (const std::string& n : pool) {
            auto a = std::make_shared<Animal>();
            a->name = n;
            animals.push_back(a);
        }
    Animal fresh;
    fresh.Randomize();
    EXPECT_TRUE(used_names.empty());
    EXPECT_FALSE(fresh.name.empty());
}
