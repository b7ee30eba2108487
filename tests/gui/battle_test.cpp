// The fight in the ravine: who is sent, the fixed choreography and its timing, the outcome by breed
// alone, the result flags and the way back to the lookout.
#include "battle.h"

#include <algorithm>

#include "../adventure/play_test_support.h"
#include "adventure_gui.h"
#include "animal.h"
#include "dialogue_game.h"
#include "input.h"
#include "text_tokens.h"

namespace {

// Stands in for the choose-animal check (game 12): names `chosen` as the fiercest animal.
std::string chosen;
class PickChosen : public DialogueGame {
public:
    int Update(float) override {
        special_name = chosen;
        Profile::SetFlag("ResultChooseAnimal", chosen.empty() ? 0 : 1);
        return 1;
    }
};

class BattleTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        locations.clear();
        auto ravine = std::make_shared<Location>();
        ravine->id = 11;
        ravine->bg = 3011;
        locations.push_back(ravine);
        AddPicture(3011, 1024, 768);
        location = 11;
        animals.clear();
        window_open = 0;
        hud_active = 0;
        special_name.clear();
        chosen.clear();
        // The animals' own lives stand still, so any change to them would be the fight's doing.
        Profile::SetFlag("Misc-HaltAnimalUpdate", 1);
        RegisterDialogueGame(12, [] { return std::make_unique<PickChosen>(); });
        screen_fade.SetAbsolute(1);
    }
    void TearDown() override {
        InjectEscape(false);
        current_event.reset();
        gui_controls.clear();
        AdventureGUI::Cleanup();
        ClearDialogueGames();
        animals.clear();
        locations.clear();
        window_open = 0;
        hud_active = 0;
        PlayTest::TearDown();
    }

    // A ranch animal of the given breed picture, chosen for the fight.
    std::shared_ptr<Animal> Fighter(int image) {
        auto animal = std::make_shared<Animal>();
        animal->name = "Thumper";
        animal->bunny = 0.5f;
        animal->wild = 0.5f;
        animal->Calculate();
        animal->image = image;
        animal->health = 0.7f;
        animal->food = 0.4f;
        animals.push_back(animal);
        chosen = animal->name;
        return animal;
    }

    Battle& Start() {
        Battle::Create();
        auto* battle = dynamic_cast<Battle*>(current_event.get());
        EXPECT_NE(battle, nullptr);
        battle->Initialize();
        return *battle;
    }

    // The damage numbers shown so far, in order.
    static std::vector<int> Damage() {
        std::vector<int> shown;
        for (const ParticlePtr& p : ParticleList::ScreenParticles()) {
            if (auto* t = dynamic_cast<TextParticle*>(p.get())) shown.push_back(std::stoi(t->text.substr(8)));
        }
        return shown;
    }

    // Runs the fight one time unit a frame, as the frame loop does, until `until` holds or `limit`
    // frames have passed; returns the frames run. Particles are cleared each frame after counting
    // the new damage numbers into `damage`.
    template <typename Until>
    int Run(Battle& battle, std::vector<int>& damage, Until until, int limit = 10000) {
        int frames = 0;
        while (frames < limit && !until()) {
            UpdateList::Update(1);
            if (current_event.get() == &battle) battle.Update(1);
            for (int n : Damage()) damage.push_back(n);
            ParticleList::Clear();
            ++frames;
        }
        return frames;
    }
};

TEST_F(BattleTest, TheChosenAnimalFacesAdamantAndTheChoiceFlagIsCleared) {
    Fighter(2008);
    Battle& battle = Start();
    ASSERT_TRUE(battle.a);
    EXPECT_EQ(battle.a->name, "Thumper");
    ASSERT_TRUE(battle.b);
    EXPECT_EQ(battle.b->name, "Adamant");
    EXPECT_EQ(battle.b->wild, 1.0f);
    EXPECT_EQ(battle.b->r, 249);
    EXPECT_EQ(battle.b->g, 214);
    EXPECT_EQ(battle.b->b, 128);
    EXPECT_EQ(Profile::GetFlagValue("ResultChooseAnimal"), 0);
    EXPECT_EQ(battle_pos_a.Get(), -512);
    EXPECT_EQ(battle_pos_b.Get(), 1536);
}

TEST_F(BattleTest, WithoutAFierceAnimalTheFightCannotStart) {
    EXPECT_THROW(Battle::Create(), PlayFatal);
    try {
        Battle::Create();
    } catch (const PlayFatal& e) {
        EXPECT_STREQ(e.what(), "Error choosing the fierce animal!");
    }
}

TEST_F(BattleTest, TheBunnyBeastWinsInThreeRoundsOfHardBlowsAndOneCounterEach) {
    auto fighter = Fighter(2008);
    Battle& battle = Start();
    std::vector<int> damage;
    // The animals walk in and the names show; the first charge comes at 500.
    const int first = Run(battle, damage, [&] { return battle.attack != 0; });
    EXPECT_EQ(first, 501);
    EXPECT_EQ(battle_pos_a.Get(), 256);
    EXPECT_EQ(battle_pos_b.Get(), 768);
    Run(battle, damage, [] { return Profile::GetFlagValue("Misc-Battle") == 1; });
    EXPECT_EQ(Profile::GetFlagValue("ResultBattle"), 1);
    // Hard blow, counter; hard blow, counter; the third hard blow ends it with no counter.
    ASSERT_EQ(damage.size(), 5u);
    for (size_t i : {0u, 2u, 4u}) EXPECT_TRUE(damage[i] >= 14 && damage[i] <= 32) << damage[i];
    for (size_t i : {1u, 3u}) EXPECT_TRUE(damage[i] >= 9 && damage[i] <= 20) << damage[i];
    // The numbers never touched the animal.
    EXPECT_EQ(fighter->health, 0.7f);
    EXPECT_EQ(fighter->food, 0.4f);
    // 100 units later the player is sent back to the lookout; Adamant has been thrown off to the right.
    const int back = Run(battle, damage, [] { return location == 10; }, 200);
    EXPECT_EQ(back, 100);
    EXPECT_EQ(Profile::GetFlagValue("OldLocation"), 11);
    EXPECT_GT(battle_pos_b.Get(), 1024 + 128);
}

TEST_F(BattleTest, AnyOtherBreedLosesToWeakBlowsAndTwoCountersARound) {
    for (int breed : {2000, 2006, 2007, 2012}) {
        Profile::RemoveFlag("Misc-Battle");
        Profile::RemoveFlag("GotoLocation");
        UpdateList::Clear();
        location = 11;
        animals.clear();
        auto fighter = Fighter(breed);
        Battle& battle = Start();
        std::vector<int> damage;
        Run(battle, damage, [] { return Profile::GetFlagValue("Misc-Battle") == 1; });
        EXPECT_EQ(Profile::GetFlagValue("ResultBattle"), 0) << breed;
        ASSERT_EQ(damage.size(), 9u) << breed;
        for (size_t i = 0; i < damage.size(); ++i) {
            const bool weak = i % 3 == 0;
            EXPECT_TRUE(weak ? damage[i] >= 4 && damage[i] <= 10 : damage[i] >= 9 && damage[i] <= 20) << i;
        }
        // The loser runs off to the left.
        Run(battle, damage, [] { return battle_pos_a.Get() <= -512; }, 200);
        EXPECT_EQ(battle_pos_a.Get(), -512);
        EXPECT_EQ(fighter->health, 0.7f);
        EXPECT_EQ(fighter->food, 0.4f);
    }
}

TEST_F(BattleTest, LaterRoundsStartThreeHundredUnitsAfterTheExchange) {
    Fighter(2008);
    Battle& battle = Start();
    std::vector<int> damage;
    Run(battle, damage, [&] { return battle.count == 1 && battle.attack == 3; });
    // The counter lands; the next round's charge follows 300 units later.
    Run(battle, damage, [&] { return battle.attack == 0; });
    const int gap = Run(battle, damage, [&] { return battle.count == 2; });
    EXPECT_EQ(gap, 301);
}

TEST_F(BattleTest, EscapeOpensNoMenuDuringTheFight) {
    Fighter(2008);
    Battle& battle = Start();
    EXPECT_EQ(hud_active, 0);
    InjectEscape(true);
    battle.Update(1);
    InjectEscape(false);
    battle.Update(1);
    EXPECT_EQ(window_open, 0);
}

}  // namespace
