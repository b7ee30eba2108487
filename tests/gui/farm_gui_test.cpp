// The ranch interface: the repair offer per ranch level and its price gate, what a repair pays
// and sets, the message window, the animal panel's rows, bars, icons and portrait, the trend
// arrows and their thresholds, and the sale.
#include "farm_gui.h"

#include <algorithm>

#include "../ranch/farm_test_support.h"
#include "animal_control.h"
#include "frame_control.h"
#include "image_control.h"
#include "image_part_control.h"

namespace {

class FarmGuiTest : public FarmFixture {
protected:
    template <class C>
    static std::vector<C*> All() {
        std::vector<C*> found;
        for (const ControlPtr& c : farm_controls) {
            if (auto* typed = dynamic_cast<C*>(c.get())) found.push_back(typed);
        }
        return found;
    }
    static Button* ButtonWithText(const std::string& text) {
        for (Button* b : All<Button>()) {
            if (b->text == text) return b;
        }
        return nullptr;
    }
    static std::vector<ImageControl*> ImagesOf(int image) {
        std::vector<ImageControl*> found;
        for (ImageControl* c : All<ImageControl>()) {
            if (c->image == image) found.push_back(c);
        }
        return found;
    }
    static TextControl* Label(const std::string& text) {
        for (TextControl* t : All<TextControl>()) {
            if (t->text == text) return t;
        }
        return nullptr;
    }
    static int CountParticles(const std::string& id) {
        int n = 0;
        for (const ParticlePtr& p : ParticleList::ScreenParticles()) n += p->id == id ? 1 : 0;
        return n;
    }
};

// ---- The normal interface and repairs ----

TEST_F(FarmGuiTest, EachRanchLevelShowsItsPictureAndTheNextOffer) {
    const struct {
        int upgrade, picture, offer_x;
        const char* price;
    } cases[] = {{0, 275, 552, "$200"}, {1, 276, 736, "$500"}, {2, 277, 880, "$1000"}, {3, 278, 0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upgrade);
        Profile::SetFlag("Farm-Upgrade", c.upgrade);
        FarmGUI::Activate();
        ASSERT_TRUE(upgrade_picture);
        EXPECT_EQ(upgrade_picture->image, c.picture);
        EXPECT_EQ(upgrade_picture->x, 552);
        EXPECT_EQ(upgrade_picture->y, 500);
        EXPECT_EQ(upgrade_picture->active, 0);
        EXPECT_FLOAT_EQ(static_cast<float>(upgrade_picture->alpha.Get()), 1.0f);
        EXPECT_FALSE(ListHolds(farm_controls, upgrade_picture.get()));
        std::vector<Button*> captions;
        for (Button* b : All<Button>()) {
            if (b->image == 0) captions.push_back(b);
        }
        if (c.offer_x == 0) {
            EXPECT_FALSE(repair_button);
            EXPECT_TRUE(captions.empty());
        } else {
            ASSERT_TRUE(repair_button);
            EXPECT_EQ(repair_button->x, c.offer_x);
            EXPECT_EQ(repair_button->y, 450);
            EXPECT_EQ(repair_button->text, "Repair");
            EXPECT_EQ(repair_button->over, 1);
            ASSERT_EQ(captions.size(), 2u);
            EXPECT_EQ(captions[0]->text, c.price);
            EXPECT_EQ(captions[0]->x, c.offer_x + 2);  // the black shadow first
            EXPECT_EQ(captions[0]->tr, 0);
            EXPECT_EQ(captions[1]->x, c.offer_x);
            EXPECT_EQ(captions[1]->y, 498);
            EXPECT_EQ(captions[1]->tr, 255);
            EXPECT_EQ(captions[1]->active, 0);
        }
        // The slot pictures: eight food cells, four tool cells, two storage slots.
        int food = 0, tools = 0, storage = 0;
        for (Button* b : All<Button>()) {
            food += b->image == 417 && b->y == 64 && b->x == 312 + 80 * food ? 1 : 0;
            tools += b->image == 422 && b->y == 144 && b->x == 312 + 80 * tools ? 1 : 0;
            storage += b->image == 421 && b->y == 144 && b->x == 792 + 80 * storage ? 1 : 0;
            EXPECT_EQ(b->global_color, 1);
        }
        EXPECT_EQ(food, 8);
        EXPECT_EQ(tools, 4);
        EXPECT_EQ(storage, 2);
        EXPECT_EQ(farm_gui_active, 1);
        EXPECT_EQ(farm_window_open, 0);
        EXPECT_EQ(hud_active, 1);  // the corner buttons come with it
    }
}

TEST_F(FarmGuiTest, RepairIsOfferedFromTheExactPriceAndNotWhileFadingOut) {
    Profile::SetFlag("Farm-Upgrade", 1);
    Profile::SetFlag("Money", 499);
    FarmGUI::Activate();
    FarmGUI::Update(1);
    EXPECT_EQ(repair_button->active, 0);
    Profile::SetFlag("Money", 500);
    FarmGUI::Update(1);
    EXPECT_EQ(repair_button->active, 1);
    FarmGUI::Deactivate();
    FarmGUI::Update(1);
    EXPECT_EQ(repair_button->active, 0);
    EXPECT_EQ(farm_gui_active, 0);
    EXPECT_FLOAT_EQ(farm_gui_alpha.destination, 0.0f);
}

TEST_F(FarmGuiTest, EachRepairPaysItsPriceAndReloadsTheRanch) {
    Profile::SetFlag("Money", 2000);
    FarmGUI::Repair();
    EXPECT_EQ(Profile::GetFlagValue("Money"), 1800);
    EXPECT_EQ(Profile::GetFlagValue("Farm-Upgrade"), 1);
    EXPECT_EQ(Profile::GetFlagValue("UpgradedOne"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Quest-Repair"), 2);
    EXPECT_EQ(Profile::GetFlagValue("DoLitter"), 1);
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 3);
    FarmGUI::Repair();
    EXPECT_EQ(Profile::GetFlagValue("Money"), 1300);
    EXPECT_EQ(Profile::GetFlagValue("UpgradedTwo"), 1);
    FarmGUI::Repair();
    EXPECT_EQ(Profile::GetFlagValue("Money"), 300);
    EXPECT_EQ(Profile::GetFlagValue("UpgradedThree"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Farm-Upgrade"), 3);
    // Nothing is left to repair, and no repair runs into debt.
    FarmGUI::Repair();
    EXPECT_EQ(Profile::GetFlagValue("Farm-Upgrade"), 3);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 300);
    Profile::SetFlag("Farm-Upgrade", 2);
    FarmGUI::Repair();
    EXPECT_EQ(Profile::GetFlagValue("Farm-Upgrade"), 2);
}

TEST_F(FarmGuiTest, ClickingRepairWithTheMouseBuysTheFirstStep) {
    Profile::SetFlag("Money", 260);
    FarmGUI::Activate();
    MoveTo(552, 450);
    for (int i = 0; i < 60; ++i) {
        UpdateMouseButton(0);
        FarmGUI::Update(1);
    }
    UpdateMouseButton(1);
    FarmGUI::Update(1);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 60);
    EXPECT_EQ(Profile::GetFlagValue("Farm-Upgrade"), 1);
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 3);
    EXPECT_EQ(mouse_armed, 0);  // the press went to the button, not to the ranch under it
}

TEST_F(FarmGuiTest, AFinishedRepairIsToldOnceOnTheNextVisit) {
    Profile::SetFlag("UpgradedOne", 1);
    Profile::SetFlag("UpgradedTwo", 1);
    FarmGUI::Activate();
    EXPECT_FALSE(Profile::GetFlag("UpgradedOne"));
    EXPECT_EQ(Profile::GetFlagValue("UpgradedOneDialogue"), 1);
    EXPECT_EQ(Profile::GetFlagValue("UpgradedTwo"), 1);
    EXPECT_FALSE(Profile::GetFlag("UpgradedTwoDialogue"));
    FarmGUI::Activate();
    EXPECT_FALSE(Profile::GetFlag("UpgradedTwo"));
    EXPECT_EQ(Profile::GetFlagValue("UpgradedTwoDialogue"), 1);
}

// ---- The message window ----

TEST_F(FarmGuiTest, TheMessageWindowFitsItsTextAndOkClosesIt) {
    if (!fonts_) GTEST_SKIP() << "no font on this machine";
    FarmGUI::Activate();
    FarmGUI::ActivateMessage("The animals are of the same gender!");
    EXPECT_EQ(farm_window_open, 1);
    EXPECT_EQ(farm_gui_active, 0);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.5f);
    // The normal interface fades out behind the window.
    EXPECT_TRUE(upgrade_picture);
    std::vector<Control*> fresh;
    for (const ControlPtr& c : farm_controls) {
        if (!c->remove) fresh.push_back(c.get());
    }
    ASSERT_EQ(fresh.size(), 3u);
    auto* frame = dynamic_cast<FrameControl*>(fresh[0]);
    auto* text = dynamic_cast<TextControl*>(fresh[1]);
    auto* ok = dynamic_cast<Button*>(fresh[2]);
    ASSERT_TRUE(frame && text && ok);
    EXPECT_GT(text->w, 0);
    EXPECT_EQ(frame->x, 512);
    EXPECT_EQ(frame->y, 384);
    EXPECT_EQ(frame->w, text->w + 64);
    EXPECT_EQ(frame->h, text->h + 128);
    EXPECT_EQ(frame->frame, 6);
    EXPECT_EQ(text->x, 512 - text->w / 2);
    EXPECT_EQ(text->y, 352 - text->h / 2);
    EXPECT_EQ(ok->text, "OK");
    EXPECT_EQ(ok->y, 384 + text->h);
    for (Control* c : fresh) EXPECT_EQ(c->global_color, 0);
    ok->Callback(ok);
    EXPECT_EQ(farm_window_open, 0);
    EXPECT_EQ(farm_gui_active, 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 1.0f);
    EXPECT_TRUE(ButtonWithText("$200"));
}

// ---- The animal panel ----

TEST_F(FarmGuiTest, ThePanelListsTheAnimalsData) {
    if (!fonts_) GTEST_SKIP() << "no font on this machine";
    auto a = AddRanchAnimal(0, 0, 0, "Clover");
    a->age = 13000;
    a->health = 0.5f;
    a->SetPrice();
    FarmGUI::ActivateAnimal(a);
    EXPECT_EQ(farm_window_open, 1);
    EXPECT_EQ(status_bars_active, 1);
    EXPECT_EQ(panel_animal, a);
    EXPECT_EQ(bar_left, 736);
    ASSERT_TRUE(Label("Clover") == nullptr);  // the name is the banner's title
    bool banner = false;
    for (FrameControl* f : All<FrameControl>()) banner = banner || (f->title == "Clover" && f->y == 128 && f->w == 320);
    EXPECT_TRUE(banner);
    ASSERT_EQ(ImagesOf(54).size(), 1u);
    // Rows: labels at x 576, values at x 672, each row below the last label plus its gap.
    const char* labels[] = {"Gender:", "Age:", "Species:", "Food:", "Mood:", "Health:", "Likes:", "Dislikes:", "Value:"};
    const int gaps[] = {8, 8, 16, 0, 0, 8, 0, 16, 0};
    int y = 180;
    for (int i = 0; i < 9; ++i) {
        TextControl* label = Label(labels[i]);
        ASSERT_TRUE(label) << labels[i];
        EXPECT_EQ(label->x, 576);
        EXPECT_EQ(label->y, y) << labels[i];
        y += label->h + gaps[i];
    }
    EXPECT_EQ(Label("Female")->y, 180);
    EXPECT_EQ(Label("Female")->x, 672);
    EXPECT_EQ(Label("2")->y, Label("Age:")->y);
    EXPECT_EQ(Label("Bovine")->y, Label("Species:")->y);
    ASSERT_TRUE(value_text);
    EXPECT_EQ(value_text->text, "$" + std::to_string(a->price));
    EXPECT_EQ(value_text->y, Label("Value:")->y);
    // Bars: a tinted background and the live bar, centred 16 below their label's top.
    const auto food_back = ImagesOf(676);
    ASSERT_EQ(food_back.size(), 1u);
    EXPECT_EQ(food_back[0]->x, 736);
    EXPECT_EQ(food_back[0]->y, Label("Food:")->y + 16);
    EXPECT_EQ(food_back[0]->cr, 20);
    const auto need_back = ImagesOf(677);
    ASSERT_EQ(need_back.size(), 2u);
    EXPECT_EQ(need_back[0]->cg, 76);
    ASSERT_TRUE(food_bar && mood_bar && health_bar);
    EXPECT_EQ(mood_bar->y, Label("Mood:")->y + 16);
    EXPECT_EQ(health_bar->h, 32);
    EXPECT_EQ(health_bar->image, 677);
    // Sell under the value, tagged with the name; Exit at the bottom; no delivery line.
    Button* sell = ButtonWithText("Sell");
    ASSERT_TRUE(sell);
    EXPECT_EQ(sell->x, 672);
    EXPECT_EQ(sell->y, Label("Value:")->y + Label("Value:")->h + 28);
    EXPECT_EQ(sell->id, "Clover");
    EXPECT_EQ(sell->image, 420);
    Button* exit = ButtonWithText("Exit");
    ASSERT_TRUE(exit);
    EXPECT_EQ(exit->x, 512);
    EXPECT_EQ(exit->y, 560);
    for (const std::string& t : Texts()) EXPECT_EQ(t.find("Child delivery"), std::string::npos);
    for (const ControlPtr& c : farm_controls) {
        if (!c->remove) {
            EXPECT_EQ(c->global_color, 0);
        }
    }
    // No arrows on opening.
    EXPECT_TRUE(ParticleList::ScreenParticles().empty());
    exit->Callback(exit);
    EXPECT_EQ(farm_window_open, 0);
    EXPECT_EQ(status_bars_active, 0);
    EXPECT_FALSE(panel_animal);
}

TEST_F(FarmGuiTest, APregnantAnimalShowsTheMinutesToDelivery) {
    auto a = AddRanchAnimal(1, 0, 0, "Mum");
    a->pregnant_counter = 8999;  // 1.4998 minutes: rounds to 1
    a->baby = MakeBreed(1);
    FarmGUI::ActivateAnimal(a);
    TextControl* line = Label("Child delivery in 1 min");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->x, 288);
    EXPECT_EQ(line->y, 464);
    a->pregnant_counter = 9000;
    FarmGUI::ActivateAnimal(a);
    EXPECT_TRUE(Label("Child delivery in 2 min"));
}

TEST_F(FarmGuiTest, LikesAndDislikesShowHalfSizeIconsFourToALineWithoutCoveringEachOther) {
    auto beast = AddRanchAnimal(12, 0, 1, "Grim");
    FarmGUI::ActivateAnimal(beast);
    // A Wild Beast likes meat and dislikes apples, nuts and berries, grass and mushrooms.
    const int likes_y = Label("Likes:")->y;
    const auto meat = ImagesOf(ItemList::GetItem("Meat")->image);
    ASSERT_EQ(meat.size(), 1u);
    EXPECT_EQ(meat[0]->x, 688);
    EXPECT_EQ(meat[0]->y, likes_y + 16);
    EXPECT_FLOAT_EQ(meat[0]->scale, 0.5f);
    const int dislikes_y = Label("Dislikes:")->y;
    const struct {
        const char* name;
        int x, y;
    } expected[] = {{"Apple", 688, 16}, {"Acorns", 724, 16}, {"Berries", 760, 16}, {"Grass", 796, 16}, {"Mushroom", 688, 48}};
    for (const auto& e : expected) {
        const auto icon = ImagesOf(ItemList::GetItem(e.name)->image);
        ASSERT_EQ(icon.size(), 1u) << e.name;
        EXPECT_EQ(icon[0]->x, e.x) << e.name;
        EXPECT_EQ(icon[0]->y, dislikes_y + e.y) << e.name;
    }
    // Things that are not food are neither liked nor disliked.
    EXPECT_TRUE(ImagesOf(ItemList::GetItem("Compass")->image).empty());
    EXPECT_TRUE(ImagesOf(ItemList::GetItem("Small fish")->image).empty());
    // The second line pushes the value row down by a line; one line leaves it where it was.
    EXPECT_EQ(Label("Value:")->y, dislikes_y + Label("Dislikes:")->h + 16 + 32);
    auto calf = AddRanchAnimal(0, 1, 1, "Calf");  // a Bovine dislikes three things: one line
    FarmGUI::ActivateAnimal(calf);
    TextControl* value = nullptr;
    TextControl* dislikes = nullptr;
    for (TextControl* t : All<TextControl>()) {
        if (t->remove) continue;
        if (t->text == "Value:") value = t;
        if (t->text == "Dislikes:") dislikes = t;
    }
    ASSERT_TRUE(value && dislikes);
    EXPECT_EQ(value->y, dislikes->y + dislikes->h + 16);
}

TEST_F(FarmGuiTest, ALargeAnimalIsShownWithItsLargerSideAt350) {
    AddPicture(2012, 500, 250);
    auto big = AddRanchAnimal(12, 0, 1);
    auto small = AddRanchAnimal(0, 1, 1);
    FarmGUI::ActivateAnimal(big);
    auto portraits = All<AnimalControl>();
    ASSERT_EQ(portraits.size(), 1u);
    EXPECT_FLOAT_EQ(portraits[0]->scale, 0.7f);
    EXPECT_NEAR(portraits[0]->w, 350, 1);
    EXPECT_EQ(portraits[0]->x, 384);
    EXPECT_EQ(portraits[0]->y, 320);
    FarmGUI::ActivateAnimal(small);
    portraits.clear();
    for (AnimalControl* p : All<AnimalControl>()) {
        if (!p->remove) portraits.push_back(p);
    }
    ASSERT_EQ(portraits.size(), 1u);
    EXPECT_FLOAT_EQ(portraits[0]->scale, 1.0f);
}

// ---- Live bars and arrows ----

TEST(FarmGuiBars, LengthsAreClampedAndGrowFromAFixedLeftEdge) {
    bar_left = 736;
    EXPECT_FLOAT_EQ(FarmGUI::FoodBarLength(1.5f), 128);
    EXPECT_FLOAT_EQ(FarmGUI::FoodBarLength(-0.2f), 2);
    EXPECT_FLOAT_EQ(FarmGUI::FoodBarLength(0.5f), 65);
    EXPECT_FLOAT_EQ(FarmGUI::NeedBarLength(-1), 2);
    EXPECT_FLOAT_EQ(FarmGUI::NeedBarLength(-3), 2);
    EXPECT_FLOAT_EQ(FarmGUI::NeedBarLength(1), 128);
    EXPECT_FLOAT_EQ(FarmGUI::NeedBarLength(0), 65);
    EXPECT_EQ(FarmGUI::BarCenter(128), 736);
    EXPECT_EQ(FarmGUI::BarCenter(2), 673);
    EXPECT_EQ(FarmGUI::BarCenter(65), 704);  // 736 - 31.5, truncated
}

TEST_F(FarmGuiTest, BarsAndPriceFollowTheAnimal) {
    auto a = AddRanchAnimal(0, 0, 1);
    FarmGUI::ActivateAnimal(a);
    a->food = 1.4f;
    a->mood = -1;
    a->health = 1;
    a->SetPrice();
    FarmGUI::Update(1);
    EXPECT_EQ(food_bar->w, 128);
    EXPECT_EQ(food_bar->x, 736);
    EXPECT_EQ(mood_bar->w, 2);
    EXPECT_EQ(mood_bar->x, 673);
    EXPECT_EQ(health_bar->w, 128);
    EXPECT_EQ(value_text->text, "$" + std::to_string(a->price));
    EXPECT_EQ(a->price, 75);  // a Bovine at full health
}

TEST_F(FarmGuiTest, ArrowsShowChangesAboveTheirThresholdOnlyAndDoNotPileUp) {
    auto a = AddRanchAnimal(0, 0, 1);
    a->food = 0.5f;
    a->mood = 0;
    a->health = 0;
    FarmGUI::ActivateAnimal(a);
    ASSERT_TRUE(ParticleList::ScreenParticles().empty());
    // Exactly the threshold: no arrow, and the reference stays.
    last_food = 0;
    a->food = 0.005f;
    last_mood = 0;
    a->mood = 0.0005f;
    last_health = 0;
    a->health = -0.001f;
    FarmGUI::UpdateStatus();
    EXPECT_TRUE(ParticleList::ScreenParticles().empty());
    EXPECT_FLOAT_EQ(last_food, 0);
    // Above it: green up, red down, at the bar's height and x 736.
    a->food = 0.006f;
    a->health = -0.0011f;
    FarmGUI::UpdateStatus();
    ASSERT_EQ(CountParticles("FoodUp"), 1);
    ASSERT_EQ(CountParticles("HealthDown"), 1);
    EXPECT_EQ(CountParticles("MoodUp"), 0);
    EXPECT_FLOAT_EQ(last_food, 0.006f);
    auto* up = dynamic_cast<ImageParticle*>(ParticleList::GetParticle("FoodUp"));
    ASSERT_TRUE(up);
    EXPECT_EQ(up->image, 20);
    EXPECT_EQ(up->angle, 270);
    EXPECT_FLOAT_EQ(up->x, 736);
    EXPECT_FLOAT_EQ(up->y, static_cast<float>(food_bar->y));
    EXPECT_EQ(up->g, 255);
    EXPECT_EQ(up->r, 128);
    auto* down = dynamic_cast<ImageParticle*>(ParticleList::GetParticle("HealthDown"));
    ASSERT_TRUE(down);
    EXPECT_EQ(down->image, 21);
    EXPECT_EQ(down->angle, 90);
    EXPECT_EQ(down->r, 255);
    // A second rise while the first arrow still shows: no second arrow.
    a->food = 0.2f;
    FarmGUI::UpdateStatus();
    EXPECT_EQ(CountParticles("FoodUp"), 1);
    // Once it has faded below half, the next rise shows again (the faded one may still linger).
    for (int i = 0; i < 70; ++i) ParticleList::Update(1);
    ASSERT_EQ(CountParticles("FoodUp"), 1);
    a->food = 0.4f;
    FarmGUI::UpdateStatus();
    EXPECT_EQ(CountParticles("FoodUp"), 2);
    a->food = 0.6f;
    FarmGUI::UpdateStatus();
    EXPECT_EQ(CountParticles("FoodUp"), 2);  // the new one is bright: the faded first does not count
}

// ---- Sale ----

TEST_F(FarmGuiTest, SellingRemovesTheShownAnimalEvenWhenAnotherHasItsName) {
    auto first = AddRanchAnimal(0, 0, 1, "Bo");
    auto second = AddRanchAnimal(12, 1, 0, "Bo");
    Profile::SetFlag("Money", 10);
    FarmGUI::ActivateAnimal(second);
    Button* sell = ButtonWithText("Sell");
    ASSERT_TRUE(sell);
    const int price = second->price;
    ASSERT_NE(price, first->price);
    sell->Callback(sell);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 10 + price);
    ASSERT_EQ(animals.size(), 1u);
    EXPECT_EQ(animals[0], first);
    EXPECT_EQ(farm_window_open, 0);
    EXPECT_EQ(farm_gui_active, 1);
    // Without a shown animal the name decides: the first of that name.
    AddRanchAnimal(1, 2, 0, "Bo");
    Button tagged;
    tagged.id = "Bo";
    FarmGUI::SellAnimal(&tagged);
    ASSERT_EQ(animals.size(), 1u);
    EXPECT_EQ(animals[0]->index, 1);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 10 + price + first->price);
    // A name no animal has sells nothing.
    tagged.id = "Nobody";
    FarmGUI::SellAnimal(&tagged);
    EXPECT_EQ(animals.size(), 1u);
}

}  // namespace
