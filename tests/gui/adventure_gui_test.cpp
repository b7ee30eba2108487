// The in-location menu: corner buttons, the ranch warning, Escape, the window texts and the quest
// listing order.
#include "adventure_gui.h"

#include "../adventure/play_test_support.h"
#include <algorithm>

#include "animal.h"
#include "description_control.h"
#include "award.h"
#include "frame_control.h"
#include "item_control.h"
#include "input.h"
#include "quest.h"
#include "scroll_control.h"
#include "text_control.h"

namespace {

class AdventureGuiTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        for (int id : {416, 418, 419, 420, 600, 601, 602, 603, 604, 605, 608, 609}) AddPicture(id, 48, 32);
        animals.clear();
        quests.clear();
        window_open = 0;
        hud_active = 0;
        escape_armed = 0;
        InjectEscape(false);
        screen_fade.SetAbsolute(1);
    }
    void TearDown() override {
        InjectEscape(false);
        gui_controls.clear();
        AdventureGUI::Cleanup();
        animals.clear();
        quests.clear();
        window_open = 0;
        hud_active = 0;
        PlayTest::TearDown();
    }

    static std::shared_ptr<Animal> AnimalWithHealth(float delta) {
        auto a = std::make_shared<Animal>();
        a->health_delta = delta;
        return a;
    }

    static std::shared_ptr<Quest> MakeQuest(const std::string& flag, const std::string& title) {
        auto q = std::make_shared<Quest>();
        q->name = flag;
        q->text = title;
        q->status_list = {{1, 0, "Under way"}, {2, 1, "Done"}};
        return q;
    }
};

TEST_F(AdventureGuiTest, CornerButtonsWithoutAnimalsHaveNoRanchButton) {
    AdventureGUI::Activate();
    EXPECT_EQ(hud_active, 1);
    EXPECT_EQ(window_open, 0);
    EXPECT_EQ(gui_controls.size(), 4u);
    EXPECT_EQ(farm_button, nullptr);
    AdventureGUI::Update(1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Warning"), 0);

    animals.push_back(AnimalWithHealth(1));
    AdventureGUI::Activate();
    EXPECT_EQ(gui_controls.size(), 5u);
    ASSERT_NE(farm_button, nullptr);
    AdventureGUI::Update(1);
    EXPECT_EQ(farm_button->image, 604);
    EXPECT_EQ(farm_button->tooltip_text, "Animals in good health");
}

TEST_F(AdventureGuiTest, RanchWarningIsRaisedOnEnteringBadAndClearedByGoodOrStagnant) {
    auto a = AnimalWithHealth(0);
    animals.push_back(AnimalWithHealth(1));
    animals.push_back(a);
    AdventureGUI::Activate();
    AdventureGUI::Update(1);
    EXPECT_EQ(AdventureGUI::GetFarmState(), kFarmStagnant);
    EXPECT_EQ(farm_button->image, 603);
    EXPECT_EQ(farm_button->tooltip_text, "Animals stagnant");  // the picture it was made with
    a->health_delta = -0.5f;
    AdventureGUI::Update(1);
    EXPECT_EQ(farm_button->image, 605);
    EXPECT_EQ(farm_button->tooltip_text, "Animals in bad health!");
    EXPECT_EQ(Profile::GetFlagValue("Misc-Warning"), 1);
    a->health_delta = 0.5f;
    AdventureGUI::Update(1);
    EXPECT_EQ(farm_button->image, 604);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Warning"), 0);
    // Rebuilt while stagnant: the new button says so as well.
    a->health_delta = 0;
    AdventureGUI::Activate();
    AdventureGUI::Update(1);
    EXPECT_EQ(farm_button->tooltip_text, "Animals stagnant");
}

TEST_F(AdventureGuiTest, HeldEscapeOpensTheMenuOnceAndASecondPressClosesIt) {
    AdventureGUI::Activate();
    AdventureGUI::Update(1);  // Escape seen up: armed
    InjectEscape(true);
    AdventureGUI::Update(1);
    EXPECT_EQ(window_open, 1);
    EXPECT_EQ(hud_active, 0);
    for (int i = 0; i < 5; ++i) AdventureGUI::Update(1);
    EXPECT_EQ(window_open, 1);
    InjectEscape(false);
    AdventureGUI::Update(1);
    InjectEscape(true);
    AdventureGUI::Update(1);
    EXPECT_EQ(window_open, 0);
    EXPECT_EQ(hud_active, 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 1.0f);
}

TEST_F(AdventureGuiTest, WindowsDimTheSceneAndExitRebuildsTheCorner) {
    AdventureGUI::Activate();
    AdventureGUI::ActivateMenu();
    EXPECT_EQ(window_open, 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.5f);
    AdventureGUI::ActivateTitle();
    EXPECT_EQ(Profile::GetFlagValue("GotoTitle"), 1);

    location = 2;
    AdventureGUI::GotoFarm();
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 3);
    Profile::RemoveFlag("GotoLocation");
    location = 3;
    AdventureGUI::GotoFarm();
    EXPECT_EQ(Profile::GetFlagValue("GotoLocation"), 0);
}

TEST_F(AdventureGuiTest, PlayTimeShowsHoursOnlyFromOneHour) {
    EXPECT_EQ(AdventureGUI::PlayTimeText(0), "0 min");
    EXPECT_EQ(AdventureGUI::PlayTimeText(59 * 6000 + 5999), "59 min");
    EXPECT_EQ(AdventureGUI::PlayTimeText(360000), "1 h 0 min");
    EXPECT_EQ(AdventureGUI::PlayTimeText(2 * 360000 + 7 * 6000), "2 h 7 min");
}

TEST_F(AdventureGuiTest, StatueFlagNames) {
    EXPECT_EQ(AdventureGUI::StatueFlag(1), "Statue-01");
    EXPECT_EQ(AdventureGUI::StatueFlag(9), "Statue-09");
    EXPECT_EQ(AdventureGUI::StatueFlag(10), "Statue-10");
    EXPECT_EQ(AdventureGUI::StatueFlag(13), "Statue-13");
}

TEST_F(AdventureGuiTest, AllTabListsActiveQuestsAboveCompletedOnes) {
    quests.push_back(MakeQuest("Quest-A", "Alpha"));
    quests.push_back(MakeQuest("Quest-B", "Beta"));
    quests.push_back(MakeQuest("Quest-C", "Gamma"));
    quests.push_back(MakeQuest("Quest-D", "Delta"));  // never started: no status, not listed
    Profile::SetFlag("Quest-A", 2);
    Profile::SetFlag("Quest-B", 1);
    Profile::SetFlag("Quest-C", 2);
    Profile::SetFlag("Setting-Quest", 2);
    AdventureGUI::Activate();
    AdventureGUI::ActivateQuests();
    ASSERT_NE(quest_scroll, nullptr);
    EXPECT_EQ(quest_tabs[2]->active, 0);
    EXPECT_EQ(quest_tabs[0]->active, 1);
    std::vector<std::pair<int, std::string>> titles;
    for (const ControlPtr& c : quest_scroll->controls) {
        if (auto* d = dynamic_cast<DescriptionControl*>(c.get()); d && d->font == 2) titles.push_back({d->y, d->text});
    }
    ASSERT_EQ(titles.size(), 3u);
    EXPECT_EQ(titles[0].second, "Beta");
    EXPECT_EQ(titles[1].second, "Alpha");
    EXPECT_EQ(titles[2].second, "Gamma");
    EXPECT_EQ(titles[0].first, 2);
    EXPECT_LT(titles[0].first, titles[1].first);
    EXPECT_LT(titles[1].first, titles[2].first);

    AdventureGUI::ActivateComQuests();
    EXPECT_EQ(Profile::GetFlagValue("Setting-Quest"), 1);
    int listed = 0;
    for (const ControlPtr& c : quest_scroll->controls) {
        if (auto* d = dynamic_cast<DescriptionControl*>(c.get()); d && d->font == 2) {
            ++listed;
            EXPECT_NE(d->text, "Beta");
        }
    }
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(std::count(gui_controls.begin(), gui_controls.end(), quest_scroll), 1);
}

TEST_F(AdventureGuiTest, AwardPopUpAndInventoryAndStatusWindows) {
    awards.clear();
    auto award = std::make_shared<Award>();
    award->id = 4;
    award->title = "Collector";
    award->flag = "Money";
    award->value = 10;
    award->text = "You saved ten coins.";
    awards.push_back(award);
    AdventureGUI::ActivateAward(99);  // unknown: nothing opens
    EXPECT_EQ(window_open, 0);
    AdventureGUI::ActivateAward(4);
    EXPECT_EQ(window_open, 1);
    const FrameControl* frame = nullptr;
    const Button* ok = nullptr;
    for (const ControlPtr& c : gui_controls) {
        if (auto* f = dynamic_cast<FrameControl*>(c.get())) frame = f;
        if (auto* b = dynamic_cast<Button*>(c.get())) ok = b;
    }
    ASSERT_TRUE(frame && ok);
    EXPECT_EQ(ok->text, "OK");
    EXPECT_EQ(ok->x, 512);
    EXPECT_EQ(ok->y, 384 + frame->h / 2 - 48);

    Profile::AddItem("Lantern", 1);
    Profile::AddItem("Acorns", 5);
    AdventureGUI::ActivateInventory();
    int cells = 0;
    for (const ControlPtr& c : gui_controls) {
        if (auto* view = dynamic_cast<ScrollControl*>(c.get())) {
            for (const ControlPtr& child : view->controls) cells += dynamic_cast<ItemControl*>(child.get()) ? 1 : 0;
        }
    }
    EXPECT_EQ(cells, 2);

    Profile::SetFlag("Award-4", 1);
    AdventureGUI::ActivateStatus();
    bool listed = false;
    for (const ControlPtr& c : gui_controls) {
        if (auto* view = dynamic_cast<ScrollControl*>(c.get())) {
            for (const ControlPtr& child : view->controls) {
                if (auto* t = dynamic_cast<TextControl*>(child.get())) listed |= t->text == "-- #4: Collector --";
            }
        }
    }
    EXPECT_TRUE(listed);
    awards.clear();
}

TEST_F(AdventureGuiTest, InventoryScrollsOnceAFifthRowOfItemsExists) {
    // Sixteen cells fill the view; a seventeenth kind of item starts a fifth row the player must be
    // able to scroll to.
    std::string catalogue = "<items>\n";
    for (int i = 1; i <= 17; ++i) {
        catalogue += "  <item name=\"Thing " + std::to_string(i) + "\" class=\"Food\" description=\"d\" image=\"5001\"/>\n";
    }
    WritePlayFile(dir + "/many.xml", catalogue + "</items>\n");
    ItemList::Destroy();
    ASSERT_EQ(ItemList::Load(dir + "/many.xml"), 1);
    AddPicture(639, 64, 64);
    auto inventory_view = [] {  // the newest window's view: closed ones may still be fading out
        ScrollControl* newest = nullptr;
        for (const ControlPtr& c : gui_controls) {
            if (auto* view = dynamic_cast<ScrollControl*>(c.get())) newest = view;
        }
        return newest;
    };
    for (int i = 1; i <= 16; ++i) Profile::AddItem("Thing " + std::to_string(i), 1);
    AdventureGUI::ActivateInventory();
    ASSERT_TRUE(inventory_view());
    EXPECT_EQ(inventory_view()->ch, 256);
    EXPECT_EQ(inventory_view()->h, 256);  // fits exactly: nothing to scroll

    Profile::AddItem("Thing 17", 1);
    AdventureGUI::ActivateInventory();
    ASSERT_TRUE(inventory_view());
    EXPECT_EQ(inventory_view()->ch, 320);
    EXPECT_NE(inventory_view()->up, nullptr);  // the arrows appear
}

}  // namespace
