// The whole story, played from an empty user folder to the credits and back to the ranch, with
// scripted input only: pointer moves, clicks, drags, keys and waits. Each step of the story is one
// run of the real game that continues from the save the previous run left; between runs the test
// only reads the save (what was earned, which animals were born or bought) and checks where the
// story stands. Nothing is written into the save: money, animals and grown animals are earned in
// play. Shops and births are random; where the story needs a particular offer (a bunny of the
// other gender, a wild beast to pair with the Big Bun), the visit is played again from the same
// save with another seed until the offer fits, as a player would come back another day.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "game_runner.h"
#include "item.h"
#include "story_player.h"

namespace {

namespace fs = std::filesystem;

const char* const kName = "Robin";

// The breed a spiggle's shares make, as far as this story needs to know.
bool IsBunny(const SavedAnimal& a) { return a.bunny > 0.25f && a.bunny <= 0.5f && a.bovine <= 0.25f && a.cat <= 0.25f && a.wild <= 0.5f; }
bool IsBigBun(const SavedAnimal& a) { return a.bunny > 0.5f && a.bovine <= 0.5f && a.cat <= 0.5f && a.wild <= 0.5f; }
bool IsWildBeast(const SavedAnimal& a) { return a.wild > 0.5f && a.bunny <= 0.5f && a.bovine <= 0.5f && a.cat <= 0.5f; }
bool IsBunnyBeast(const SavedAnimal& a) { return a.wild > 0.5f && a.bunny > 0.5f && a.bovine <= 0.5f && a.cat <= 0.5f; }

const SavedAnimal* Find(const SavedGame& save, const std::function<bool(const SavedAnimal&)>& is, bool stored = false) {
    for (const SavedAnimal& a : save.animals) {
        if (a.stored == stored && is(a)) return &a;
    }
    return nullptr;
}

class WalkthroughScenario : public ::testing::Test {
protected:
    void SetUp() override {
        if (!GameRunner::DataAvailable()) GTEST_SKIP() << "game or data not built";
        ItemList::Load(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/items.xml");
        shots_ = runner_.UserDir() + "/../";
    }

    // Plays one step of the story from where the save left the player. The step's name says which
    // part of the story broke when a check fails.
    SavedGame Play(const std::string& step, const StoryPlayer& player, int seed) {
        const auto start = std::chrono::steady_clock::now();
        const GameRun run = runner_.Run(player.Script() + "quit\n", {}, seed);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        SavedGame save = SavedGame::Parse(runner_.ReadUserFile(std::string("Profiles/") + kName + ".sav"));
        EXPECT_EQ(run.exit_status, 0) << "The story broke at: " << step << "\n" << run.output;
        EXPECT_TRUE(save.valid) << "The story broke at: " << step << ": no save";
        std::printf("[ walkthrough ] %-34s seed %2d  game time %7.1f s  wall %5.1f s\n", step.c_str(), seed,
                    save.time / 100, seconds);
        std::fflush(stdout);
        return save;
    }

    // Plays a visit to a shop from the same save with one seed after another, until `fits` holds.
    SavedGame PlayUntil(const std::string& step, const std::function<StoryPlayer()>& visit,
                        const std::vector<int>& seeds, const std::function<bool(const SavedGame&)>& fits) {
        const fs::path user(runner_.UserDir());
        const fs::path before = user.string() + ".before";
        fs::remove_all(before);
        fs::copy(user, before, fs::copy_options::recursive);
        SavedGame save;
        for (int seed : seeds) {
            fs::remove_all(user);
            fs::copy(before, user, fs::copy_options::recursive);
            save = Play(step, visit(), seed);
            if (HasFailure() || fits(save)) return save;
        }
        ADD_FAILURE() << "The story broke at: " << step << ": no seed gave the offer the story needs";
        return save;
    }

    // The food row of the ranch in inventory order; feeding one item uses it up.
    int FoodCell(std::vector<std::pair<std::string, int>>* inventory, const std::string& food) {
        int k = 0;
        for (auto it = inventory->begin(); it != inventory->end(); ++it) {
            const std::shared_ptr<Item> item = ItemList::GetItem(it->first);
            if (!item || item->class_name != "Food") continue;
            if (it->first == food) {
                if (--it->second == 0) inventory->erase(it);
                return k;
            }
            k++;
        }
        ADD_FAILURE() << "no " << food << " to feed";
        return 0;
    }

    // Feeds `count` of `food` to the animal in `pen`.
    void Feed(StoryPlayer* player, std::vector<std::pair<std::string, int>>* inventory, const std::string& food,
              int count, int pen) {
        int px = 0, py = 0, fx = 0, fy = 0;
        RanchSpots::Pen(pen, &px, &py);
        for (int i = 0; i < count; i++) {
            RanchSpots::FoodCell(FoodCell(inventory, food), &fx, &fy);
            player->Drag(fx, fy, px, py, 5);
        }
    }

    // Brushes the animals of the pens in turn until each has had `strokes` strokes; each waits long
    // enough between strokes for the brush to work at full strength again.
    void Brush(StoryPlayer* player, const std::vector<int>& pens, int strokes) {
        int tx = 0, ty = 0, px = 0, py = 0;
        RanchSpots::ToolCell(0, &tx, &ty);
        for (int i = 0; i < strokes; i++) {
            for (int pen : pens) {
                RanchSpots::Pen(pen, &px, &py);
                player->Drag(tx, ty, px, py, pens.size() > 1 ? 12 : 25);
            }
        }
    }

    // Drags the male onto the female: the start of a litter.
    void Breed(StoryPlayer* player, int male_pen, int female_pen) {
        int mx = 0, my = 0, fx = 0, fy = 0;
        RanchSpots::Pen(male_pen, &mx, &my);
        RanchSpots::Pen(female_pen, &fx, &fy);
        player->Drag(mx, my, fx, fy, 30);
    }

    // Opens the animal's panel and sells it.
    void Sell(StoryPlayer* player, int pen) {
        int x = 0, y = 0;
        RanchSpots::Pen(pen, &x, &y);
        player->DoubleClick(x, y).Click(672, 501, 30);
    }

    std::string Shot(const std::string& name) const { return shots_ + name + ".png"; }

    GameRunner runner_{"walkthrough"};
    std::string shots_;
};

}  // namespace

TEST_F(WalkthroughScenario, ANewPlayerPlaysTheWholeStoryToTheCreditsAndBackToTheRanch) {
    // --- A Letter from Grandma: a new character, the chapter's intro, the letter, the square.
    StoryPlayer letter(1, 0);
    letter.Opening(kName).ChapterIntro().Use("Grandma's letter", 20);
    letter.Speech(3).Notice(2).Speech(1).Choose(1, 2).Speech(2);  // "No thanks, I'll find my own way"
    letter.Go("To the village square").Screenshot(Shot("1_letter"));
    SavedGame save = Play("the letter", letter, 1);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.location, 2);
    EXPECT_EQ(save.Flag("A Letter from Grandma"), 1);
    EXPECT_EQ(save.Flag("Money"), 50);
    EXPECT_EQ(save.Flag("Quest-Repair"), 1);
    EXPECT_EQ(save.Count("Grandma's letter"), 1);

    // --- Gathering and selling to Malcolm until the first repair is paid: the stray spiggle.
    StoryPlayer repair(2, 1);
    repair.Opening().Go("Malcolm's Store").Use("Malcolm").Speech(3).Notice().Choose(4, 5).Speech(1);
    repair.Go("To the village square").Go("To the forest");
    for (int i = 0; i < 4; i++) repair.ForestSearch();
    repair.Go("Back to the village").Go("Malcolm's Store").Use("Malcolm").Speech(1);
    repair.Choose(1, 5).Speech(1).Choose(1, 3).Wait(10).Speech(1).Notice().Speech(1);  // mushrooms: the first sale
    repair.Choose(1, 5).Speech(1).Choose(0, 2).Wait(10).Speech(1).Choose(4, 5).Speech(1);  // acorns, goodbye
    repair.Go("To the village square").Go("To the ranch").Wait(20).Screenshot(Shot("2_broken_ranch"));
    repair.Click(552, 450, 60).ChapterIntro();  // "Repair", then "The Ranch Reborn"
    repair.Speech(2).Speech(1).Speech(1).Notice().Speech(1).Notice().Speech(1).Screenshot(Shot("2_ranch_reborn"));
    save = Play("earning the first repair", repair, 2);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Flag("Quest-Goods"), 2);
    EXPECT_EQ(save.Flag("Quest-Repair"), 2);
    EXPECT_EQ(save.Flag("Farm-Upgrade"), 1);
    EXPECT_EQ(save.Flag("The Ranch Reborn"), 1);
    EXPECT_EQ(save.Count("Grooming brush"), 1);
    ASSERT_EQ(save.animals.size(), 1u) << "the stray spiggle";
    const std::string stray = save.animals[0].name;
    EXPECT_EQ(save.animals[0].position, 1);

    // --- The breeding lesson: food for the stray, Grandma's brush, and Zachary's verdict.
    StoryPlayer lesson(3, 2);
    lesson.Opening().Go("Back to the village").Go("To the forest");
    for (int i = 0; i < 4; i++) lesson.ForestSearch();
    lesson.Go("Back to the village").Go("Malcolm's Store").SellGoods({{1, 3}, {0, 2}});
    lesson.Go("To the village square").Go("To the forest").ForestSearch();  // food for the stray
    lesson.Go("Back to the village").Go("To the ranch").Wait(20);
    std::vector<std::pair<std::string, int>> basket = {{"Mushroom", 99}, {"Acorns", 99}};  // the search's finds
    Feed(&lesson, &basket, "Mushroom", 3, 1);
    Brush(&lesson, {1}, 14);
    lesson.Step(20).Wait(100).Step(10);  // a minute of contentment brings its health up
    lesson.Go("Back to the village").Go("To Zachary's ranch").Use("Zachary");
    lesson.Speech(3).Speech(3).Notice();                                // first meeting, the lesson's terms
    lesson.Choose(1, 5).Speech(1).Wait(5).Speech(2).Notice();           // "I brought a perfect spiggle"
    lesson.Choose(1, 5).Speech(3).Speech(2).Notice();                   // breeding, and the Wildman
    lesson.Choose(4, 5).Speech(1).Wait(10).AwardOk();                   // goodbye; "Helping Hand"
    save = Play("the breeding lesson", lesson, 3);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Flag("ResultBreeding"), 2) << "the stray was not in perfect shape";
    EXPECT_EQ(save.Flag("Quest-Breeding"), 2);
    EXPECT_EQ(save.Flag("Quest-Wildman"), 1);
    EXPECT_EQ(save.Flag("Award-4"), 1);
    EXPECT_GE(save.Flag("Money"), 200) << "not enough for two bunnies";

    // --- Two bunnies from Zachary, one of each gender. He shows bunnies only to richer customers.
    auto zachary_shop = [] {
        StoryPlayer visit(5, 2);
        visit.Opening().Use("Zachary").Speech(1).Choose(0, 5).Speech(1).Wait(20);
        visit.Click(660, 303, 20).Choose(4, 5).Speech(1);  // the first offer, goodbye
        return visit;
    };
    save = PlayUntil("a bunny from Zachary", zachary_shop, {4, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12},
                     [](const SavedGame& s) { return Find(s, IsBunny) != nullptr; });
    ASSERT_FALSE(HasFailure());
    const int first_gender = Find(save, IsBunny)->male;
    save = PlayUntil("a bunny of the other gender", zachary_shop, {4, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
                     [&](const SavedGame& s) {
                         for (const SavedAnimal& a : s.animals) {
                             if (IsBunny(a) && a.male != first_gender) return true;
                         }
                         return false;
                     });
    ASSERT_FALSE(HasFailure());

    // --- A Big Bun: the stray goes into storage to make room, the bunnies are fed and brushed to
    // their best mood and bred; the young one arrives three minutes later, and the parents are sold.
    StoryPlayer litter(5, 2);
    litter.Opening().Go("Back to the village").Go("To the forest");
    for (int i = 0; i < 3; i++) litter.ForestSearch();
    litter.Go("Back to the village").Go("To the ranch").Wait(20);
    std::map<std::string, int> pens = save.Pens(3);
    int male = -1, female = -1;
    for (const SavedAnimal& a : save.animals) {
        if (IsBunny(a)) (a.male ? male : female) = pens[a.name];
    }
    ASSERT_TRUE(male >= 0 && female >= 0);
    const int stray_pen = pens[stray];
    ASSERT_EQ(stray_pen + male + female, 3) << "three pens, one animal each";
    {
        int x = 0, y = 0, sx = 0, sy = 0;
        RanchSpots::Pen(stray_pen, &x, &y);
        RanchSpots::StorageSlot(0, &sx, &sy);
        litter.Drag(x, y, sx, sy, 20);
    }
    // The searches add to what the basket holds already, so the food row keeps its order.
    std::vector<std::pair<std::string, int>> inventory = save.items;
    for (auto& entry : inventory) entry.second += 99;
    Feed(&litter, &inventory, "Acorns", 3, female);
    Feed(&litter, &inventory, "Acorns", 3, male);
    Brush(&litter, {female, male}, 14);
    Breed(&litter, male, female);
    litter.Step(20).Wait(900).Step(10).AwardOk();  // the birth; "Three of a Kind"
    const int young_pen = 3 - male - female;       // the pen the stray left
    Feed(&litter, &inventory, "Acorns", 3, young_pen);
    Sell(&litter, male);
    Sell(&litter, female);
    litter.Screenshot(Shot("3_big_bun"));
    save = Play("a Big Bun is born", litter, 4);
    ASSERT_FALSE(HasFailure());
    const SavedAnimal* big_bun = Find(save, IsBigBun);
    ASSERT_NE(big_bun, nullptr) << "no Big Bun was born";
    const std::string big_bun_name = big_bun->name;
    const int big_bun_gender = big_bun->male;
    EXPECT_EQ(Find(save, IsBunny), nullptr) << "the parents were not sold";
    EXPECT_NE(Find(save, [&](const SavedAnimal& a) { return a.name == stray; }, true), nullptr) << "the stray is stored";
    EXPECT_EQ(save.Flag("Award-1"), 1);

    // --- The compass, and Old Wen's squid: Harry's Big lure, the deep pool, her reward.
    StoryPlayer squid(3, 2);
    squid.Opening().Go("Back to the village").Go("Malcolm's Store").SellGoods({{1, 3}});  // the mushrooms
    squid.Use("Malcolm").Speech(1).Choose(0, 5).Speech(1).Wait(20).Click(660, 296, 20);      // the compass
    squid.Speech(1).Choose(4, 5).Speech(1);
    squid.Go("To the village square").Go("To the lake");
    squid.Use("Old Wen").Speech(2).Choose(0, 3).Speech(4).Notice().Choose(2, 3).Speech(1);
    squid.Use("Honest Harry").Speech(3).Choose(0, 5).Speech(1).Wait(20);
    squid.Move(512, 400).Wait(2).Line("wheel -10").Wait(20).Click(660, 425, 20);  // the Big lure, last in the list
    squid.Speech(2).Notice().Choose(3, 4).Speech(1);
    squid.Use("The deep pool", 20).Speech(1).Wait(20).Speech(1).Notice(2).Speech(1);
    squid.Use("Old Wen").Speech(1).Choose(0, 3).Speech(1).Notice(3).Speech(2).Choose(2, 3).Speech(1);
    save = Play("the squid of the deep pool", squid, 5);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Count("Compass"), 1);
    EXPECT_EQ(save.Flag("Quest-Squid"), 4);
    EXPECT_EQ(save.Count("Squid"), 0);

    // --- Under the Mountain: the gate, Hrafnirr's red herring, the way to the lookout and the
    // story of Adamant.
    StoryPlayer dwarf(7, 2);
    dwarf.Opening().Go("Back to the village").Go("To the mountain", false, 30);
    dwarf.Speech(3).Notice().Glided(620, 565).Screenshot(Shot("4_mountain_gate"));
    dwarf.Go("Gate of the hall", true).Use("Hrafnirr");
    dwarf.Speech(3).Choose(1, 3).Speech(4).Notice().Choose(0, 2).Speech(1).Wait(20);  // troubled; his shop
    dwarf.Click(660, 437, 20).Speech(1).Notice();                                   // the red lure
    for (int i = 0; i < 2; i++) dwarf.Choose(0, 3).Speech(1).Wait(20).Click(660, 437, 20);  // meat, twice
    dwarf.Choose(2, 3).Speech(1);
    dwarf.Go("Back to the mountain path").Go("Back to the village").Go("To the lake");
    dwarf.Use("The deep pool", 20).Speech(1).Wait(20).Notice(2).Speech(1);
    dwarf.Go("Back to the village").Go("To the mountain", false, 30).Go("Gate of the hall").Use("Hrafnirr");
    dwarf.Speech(1).Choose(1, 3).Speech(1).Notice(2).Speech(1).Notice().Speech(1).Choose(2, 3).Speech(1);
    dwarf.Go("Back to the mountain path", true).Go("Steps to the lookout");
    dwarf.Use("Clawed boulder", 20).Speech(2).Speech(1).Notice().Screenshot(Shot("5_lookout"));
    save = Play("under the mountain", dwarf, 6);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Flag("Under the Mountain"), 1);
    EXPECT_EQ(save.Flag("Quest-DwarfLord"), 5);
    EXPECT_EQ(save.Flag("The Beast of the Ravine"), 1);
    EXPECT_EQ(save.Flag("Quest-Adamant"), 1);
    EXPECT_EQ(save.Count("Meat"), 2);

    // --- The Wildman: the compass finds the trail; he names the breed that can win.
    StoryPlayer wildman(10, 9);
    wildman.Opening().Go("Back to the mountain path").Go("Back to the village").Go("To the forest");
    for (int i = 0; i < 2; i++) wildman.ForestSearch();
    wildman.Go("Back to the village").Go("Malcolm's Store").SellGoods({{1, 3}, {0, 2}});
    wildman.Go("To the village square").Go("To the forest").ForestSearch();  // acorns for the Big Bun
    wildman.Go("Overgrown trail").Use("The Wildman").Speech(3).Notice();
    wildman.Choose(2, 4).Speech(2).Notice().Choose(2, 3).Speech(1).Wait(10).AwardOk();  // "Pillar of Mossmeadow"
    save = Play("the Wildman", wildman, 7);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Flag("Quest-Wildman"), 2);
    EXPECT_EQ(save.Flag("Quest-Adamant"), 2);
    EXPECT_EQ(save.Flag("Award-5"), 1);

    auto wildman_shop = [] {
        StoryPlayer visit(13, 6);
        visit.Opening().Use("The Wildman").Speech(1).Choose(0, 3).Speech(1).Wait(20);
        visit.Click(660, 303, 20).Choose(2, 3).Speech(1);  // the first beast, goodbye
        return visit;
    };
    save = PlayUntil("a wild beast to pair with the Big Bun", wildman_shop, {3, 1, 2, 4, 5, 6, 7, 8, 9, 10},
                     [&](const SavedGame& s) {
                         const SavedAnimal* beast = Find(s, IsWildBeast);
                         return beast && beast->male != big_bun_gender;
                     });
    ASSERT_FALSE(HasFailure());

    // --- The Bunny Beast: meat for the wild one, acorns for the Big Bun, brushing, a litter.
    StoryPlayer beast(13, 6);
    beast.Opening().Go("Back to the forest edge").Go("Back to the village").Go("To the ranch").Wait(20);
    pens = save.Pens(3);
    const SavedAnimal* wild = Find(save, IsWildBeast);
    ASSERT_NE(wild, nullptr);
    const int bun_pen = pens[big_bun_name];
    const int wild_pen = pens[wild->name];
    inventory = save.items;
    Feed(&beast, &inventory, "Acorns", 3, bun_pen);
    Feed(&beast, &inventory, "Meat", 2, wild_pen);
    Brush(&beast, {wild_pen, bun_pen}, 14);
    if (wild->male) {
        Breed(&beast, wild_pen, bun_pen);
    } else {
        Breed(&beast, bun_pen, wild_pen);
    }
    beast.Step(20).Wait(900).Step(10).Screenshot(Shot("6_bunny_beast"));
    save = Play("the Bunny Beast is born", beast, 8);
    ASSERT_FALSE(HasFailure());
    ASSERT_NE(Find(save, IsBunnyBeast), nullptr) << "no Bunny Beast was born";
    EXPECT_EQ(save.Flag("Misc-Animal2008"), 1);

    // --- The fight in the ravine, the festival, the credits and home again.
    StoryPlayer finale(3, 2);
    finale.Opening().Go("Back to the village").Go("To the mountain", false, 30).Go("Steps to the lookout");
    finale.Use("Clawed boulder", 20).Speech(1).Notice().Speech(1).Choose(0, 2).Wait(10).Speech(1);
    finale.Wait(100).Screenshot(Shot("7_battle")).Wait(400);
    finale.Speech(2).Notice().Wait(60).ChapterIntro().AwardOk();  // victory; "Festival of Spiggles"; "Adamant Tamed"
    finale.Wait(20).Speech(9).Wait(200).Screenshot(Shot("8_credits"));
    finale.Click(500, 500, 100).Speech(2).AwardOk().Screenshot(Shot("9_home_again"));
    save = Play("Adamant and the festival", finale, 9);
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(save.Flag("ResultBattle"), 1);
    EXPECT_EQ(save.Flag("Quest-Adamant"), 5);
    EXPECT_EQ(save.Flag("Festival of Spiggles"), 1);
    EXPECT_EQ(save.Flag("Misc-GameOver"), 1);
    EXPECT_EQ(save.Flag("Award-12"), 1);
    EXPECT_EQ(save.location, 3);
    EXPECT_EQ(save.Flag("F2"), 0) << "the welcome home has been told";
    std::printf("[ walkthrough ] finished in %.1f minutes of game time\n", save.time / 6000);
}
