// Speech boxes, notices, actors and choice menus: timings, the click flow, blinking and lip sync,
// the menu's visibility rule, layout and return after a choice.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app.h"
#include "dialogue_actor.h"
#include "dialogue_choices.h"
#include "dialogue_text.h"
#include "font.h"
#include "font_list.h"
#include "item.h"
#include "profile.h"

namespace {

class DialoguePresentationTest : public ::testing::Test {
protected:
    void SetUp() override {
        Profile::CleanProfile();
        mouse_click = 0;
        mouse_armed = 1;
        mouse_x = mouse_y = -1000;
    }
    void TearDown() override {
        Profile::CleanProfile();
        items_catalogue.clear();
        mouse_click = 0;
        mouse_armed = 1;
    }
    // Runs `frames` updates of one time unit without a click; returns the frame (1-based) on which
    // the box closed, or 0.
    static int RunUntilClosed(DialogueText& box, int frames) {
        for (int i = 1; i <= frames; ++i) {
            if (box.Update(1)) return i;
        }
        return 0;
    }
};

TEST_F(DialoguePresentationTest, FiftyCharactersTypeOutInTwoSeconds) {
    auto box = DialogueText::Create(0, 0, std::string(50, 'a'), kModeLeft);
    EXPECT_EQ(box->goal, 200);
    for (int i = 0; i < 199; ++i) box->Update(1);
    EXPECT_EQ(box->complete, 0);
    box->Update(1);
    EXPECT_EQ(box->complete, 1);
    // Typed out, it still waits for a click.
    EXPECT_EQ(RunUntilClosed(*box, 500), 0);
}

TEST_F(DialoguePresentationTest, FirstClickShowsAllSecondClickCloses) {
    auto box = DialogueText::Create(0, 0, "Welcome to Mossmeadow, dear.", kModeMessage);
    mouse_click = 1;  // a click held on the very first frame does nothing
    EXPECT_EQ(box->Update(1), 0);
    EXPECT_FLOAT_EQ(box->counter, 1);
    mouse_click = 0;
    box->Update(1);
    mouse_click = 1;
    EXPECT_EQ(box->Update(1), 0);
    EXPECT_FLOAT_EQ(box->counter, static_cast<float>(box->goal));  // shown whole at once
    EXPECT_EQ(box->Update(1), 0);  // the same press held does not close it
    EXPECT_EQ(box->complete, 1);
    mouse_click = 0;
    box->Update(1);
    mouse_click = 1;
    EXPECT_EQ(box->Update(1), 1);
    EXPECT_EQ(mouse_armed, 0);  // the closing click is used up
}

TEST_F(DialoguePresentationTest, BoxesAreAtLeast128Wide) {
    auto box = DialogueText::Create(0, 0, "Hi", kModeRight);
    EXPECT_EQ(box->w, 128);
    EXPECT_LE(box->tw, 128);
    EXPECT_EQ(box->click_text, "Click to continue");
    EXPECT_EQ(box->x, 64);  // x is the centre: the given corner plus half the width
}

TEST_F(DialoguePresentationTest, NoticesCloseByThemselves) {
    auto info = DialogueText::Create(0, 0, "Quest added", kModeInfo);
    EXPECT_TRUE(info->click_text.empty());
    EXPECT_EQ(RunUntilClosed(*info, 400), 200);

    auto item = DialogueText::Create(0, 0, "Got item Compass", kModeItem);
    for (int i = 0; i < 124; ++i) item->Update(1);
    EXPECT_EQ(item->alpha.destination, 1.0f);
    item->Update(1);  // half-way: the fade-out over the second half begins
    EXPECT_EQ(item->alpha.destination, 0.0f);
    EXPECT_EQ(RunUntilClosed(*item, 400), 125);  // 250 in all
}

TEST_F(DialoguePresentationTest, ClicksDoNotCloseNotices) {
    auto info = DialogueText::Create(0, 0, "Quest complete", kModeInfo);
    mouse_click = 1;
    for (int i = 0; i < 199; ++i) ASSERT_EQ(info->Update(1), 0);
    EXPECT_EQ(info->Update(1), 1);
    EXPECT_EQ(mouse_armed, 1);
}

TEST_F(DialoguePresentationTest, SpeakersSlideInAndOut) {
    auto actor = DialogueActor::Create(1, 1010, kModeLeft, "", 1.0f);
    EXPECT_EQ(static_cast<int>(actor->x.Get()), -128);
    EXPECT_EQ(actor->y, virtual_height - 256);
    EXPECT_EQ(actor->w, 200);  // no picture registered: the default portrait size
    EXPECT_EQ(actor->h, 320);
    actor->Move(272, 0);  // 400 pixels in 50 units: 8 per unit, exact in floats
    actor->blocking = 1;
    for (int i = 0; i < 49; ++i) actor->Update(1);
    EXPECT_EQ(actor->blocking, 1);
    actor->Update(1);
    EXPECT_EQ(actor->blocking, 0);  // arrived after 50 units
    EXPECT_EQ(actor->moving, 0);
    actor->Remove(20);
    int frames = 0;
    while (!actor->Update(1) && frames < 100) ++frames;
    EXPECT_EQ(frames, 19);  // gone on the 20th unit, at the end of the slide

    auto right = DialogueActor::Create(2, 1011, kModeRight, "", 1.0f);
    EXPECT_EQ(static_cast<int>(right->x.Get()), virtual_width + 128);
    auto message = DialogueActor::Create(3, 0, kModeMessage, "", 1.0f);
    EXPECT_EQ(static_cast<int>(message->x.Get()), virtual_width / 2);
    EXPECT_EQ(message->y, virtual_height / 2);
    message->Remove(0);
    EXPECT_EQ(message->Update(1), 1);  // boxes vanish at once
}

TEST_F(DialoguePresentationTest, ActorWithoutModeLeavesOnExit) {
    auto actor = DialogueActor::Create(5, 1010, kModeNone, "", 1.0f);
    EXPECT_EQ(actor->Update(1), 0);
    actor->Remove(0);
    EXPECT_EQ(actor->Update(1), 1);
}

TEST_F(DialoguePresentationTest, SpeechClosesReleaseTheActor) {
    auto actor = DialogueActor::Create(1, 1010, kModeLeft, "", 1.0f);
    actor->SetText("Hello");
    actor->blocking = 1;
    ASSERT_TRUE(actor->text);
    EXPECT_FLOAT_EQ(actor->text->pitch, 1.0f);
    EXPECT_EQ(actor->text->y, actor->y - actor->h / 2 - actor->text->h / 2 - 64);
    actor->Update(1);
    EXPECT_GT(actor->talking, 0);
    for (int i = 0; i < 30; ++i) actor->Update(1);
    EXPECT_EQ(actor->talking, 0);  // the lips stop once the text is complete
    mouse_click = 1;
    actor->Update(1);
    EXPECT_EQ(actor->text, nullptr);
    EXPECT_EQ(actor->blocking, 0);

    auto narrator = DialogueActor::Create(2, 0, kModeMessage, "", 1.0f);
    narrator->SetText("A letter lies on the table.");
    EXPECT_FLOAT_EQ(narrator->text->pitch, -1.0f);
    EXPECT_EQ(narrator->text->x, virtual_width / 2);
}

TEST_F(DialoguePresentationTest, BlinkAndMouthFrames) {
    auto actor = DialogueActor::Create(1, 1010, kModeLeft, "", 1.0f);
    const int base = 4 * (1010 - 1000) + 1100;
    actor->blinking = 20;
    EXPECT_EQ(actor->EyesFrame(1010), base + 2);
    actor->blinking = 12;
    EXPECT_EQ(actor->EyesFrame(1010), base + 3);
    actor->blinking = 5;
    EXPECT_EQ(actor->EyesFrame(1010), base + 2);
    actor->blinking = 0;
    EXPECT_EQ(actor->EyesFrame(1010), 0);

    actor->talking = 1;  // pattern entry 0: no mouth frame
    EXPECT_EQ(actor->MouthFrame(1010), 0);
    actor->talking = 13;  // entry 1: mouth B
    EXPECT_EQ(actor->MouthFrame(1010), base + 1);
    actor->talking = 37;  // entry 3: mouth A
    EXPECT_EQ(actor->MouthFrame(1010), base);
    actor->talking = 12 * 16 + 13;  // the pattern repeats every 16 entries
    EXPECT_EQ(actor->MouthFrame(1010), base + 1);
}

TEST_F(DialoguePresentationTest, BlinkCycle) {
    auto actor = DialogueActor::Create(1, 1010, kModeLeft, "", 1.0f);
    actor->Update(1);  // the first countdown is already over: the eyes close
    EXPECT_FLOAT_EQ(actor->blinking, 24);
    for (int i = 0; i < 24; ++i) actor->Update(1);
    EXPECT_FLOAT_EQ(actor->blinking, 0);
    EXPECT_GE(actor->blink_count, 300);
    EXPECT_LE(actor->blink_count, 500);
}

TEST_F(DialoguePresentationTest, PlayerPortraitUsesTheProfile) {
    character_image = 1005;
    auto player = DialogueActor::Create(1, 0, kModeRight, "", 1.25f);
    EXPECT_EQ(player->PortraitImage(), 1005);
    auto other = DialogueActor::Create(2, 1013, kModeRight, "", 1.0f);
    EXPECT_EQ(other->PortraitImage(), 1013);
}

DialogueItem MakeMenu(std::initializer_list<std::shared_ptr<DialogueChoice>> list) {
    DialogueItem item;
    item.item_type = kStepChoices;
    item.text = "Ask about...";
    item.choices = std::make_shared<DialogueChoiceList>(list);
    return item;
}

std::shared_ptr<DialogueChoice> MakeChoice(const std::string& text, int steps = 0) {
    auto choice = std::make_shared<DialogueChoice>();
    choice->text = text;
    for (int i = 0; i < steps; ++i) {
        auto step = std::make_shared<DialogueItem>();
        step->item_type = kStepWait;
        step->value = i + 1;
        choice->items.push_back(step);
    }
    return choice;
}

TEST_F(DialoguePresentationTest, ChoiceVisibilityRule) {
    auto plain = MakeChoice("Plain");
    auto named = MakeChoice("Named");
    named->name = "Asked-Named";
    auto flagged = MakeChoice("Flagged");
    flagged->flag = "Quest-Squid";
    flagged->value = 2;
    auto zero = MakeChoice("Zero");
    zero->flag = "Quest-Squid";
    zero->value = 0;
    auto owned = MakeChoice("Owned");
    owned->item = "Compass";
    EXPECT_TRUE(DialogueChoices::Visible(*plain));
    EXPECT_TRUE(DialogueChoices::Visible(*named));
    EXPECT_FALSE(DialogueChoices::Visible(*flagged));
    EXPECT_TRUE(DialogueChoices::Visible(*zero));  // a missing flag reads 0
    EXPECT_FALSE(DialogueChoices::Visible(*owned));

    Profile::SetFlag("Asked-Named", -3);  // any value: the flag exists
    Profile::SetFlag("Quest-Squid", 2);
    auto compass = std::make_shared<Item>();
    compass->name = "Compass";
    items_catalogue.push_back(compass);
    Profile::AddItem("Compass", 1);
    EXPECT_FALSE(DialogueChoices::Visible(*named));
    EXPECT_TRUE(DialogueChoices::Visible(*flagged));
    EXPECT_FALSE(DialogueChoices::Visible(*zero));
    EXPECT_TRUE(DialogueChoices::Visible(*owned));
}

TEST_F(DialoguePresentationTest, MenuIsAnchoredAboveTheBottom) {
    DialogueItem item = MakeMenu({MakeChoice("A rather long question about the statues"), MakeChoice("Bye")});
    DialogueChoices menu;
    menu.Initialize(item);
    ASSERT_EQ(menu.choices.size(), 2u);
    FontList::SetFont(2);
    const int h1 = TextHeight("A");
    const int wide = TextWidth("A rather long question about the statues");
    const DialogueChoice& first = *menu.choices[0];
    const DialogueChoice& second = *menu.choices[1];
    EXPECT_EQ(menu.w, std::max(wide, 120));
    EXPECT_EQ(menu.x, (virtual_width - menu.w) / 2);
    EXPECT_EQ(menu.y, virtual_height - 96 - 2 * (h1 + 8));
    EXPECT_EQ(menu.h, virtual_height - menu.y - 96);
    EXPECT_EQ(first.y, menu.y + h1 / 2);
    EXPECT_EQ(second.y, menu.y + h1 + 8 + h1 / 2);
    EXPECT_EQ(first.x, menu.x + menu.w / 2);
    EXPECT_EQ(second.w, menu.w);  // every entry is as wide as the menu

    DialogueItem empty = MakeMenu({});
    DialogueChoices none;
    none.Initialize(empty);
    EXPECT_EQ(none.w, 120);
    EXPECT_EQ(none.h, 0);
}

TEST_F(DialoguePresentationTest, TakenChoiceRunsAndTheMenuReturnsWithoutIt) {
    auto ask = MakeChoice("Ask", 2);
    ask->name = "Asked";
    auto bye = MakeChoice("Bye", 1);
    DialogueItem item = MakeMenu({ask, bye});
    DialogueChoices menu;
    menu.Initialize(item);
    for (int i = 0; i < 20; ++i) menu.Update(1);
    EXPECT_EQ(menu.GetItem(), nullptr);  // nothing taken yet

    mouse_x = ask->x;
    mouse_y = ask->y;
    mouse_click = 1;
    menu.Update(1);
    ASSERT_EQ(menu.choice, ask);
    EXPECT_EQ(Profile::GetFlagValue("Asked"), 1);
    mouse_click = 0;
    EXPECT_EQ(menu.GetItem(), nullptr);  // still fading out
    for (int i = 0; i < 20; ++i) menu.Update(1);
    const DialogueItem* step = menu.GetItem();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->value, 1);
    step = menu.GetItem();
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->value, 2);
    EXPECT_EQ(menu.GetItem(), nullptr);  // used up: the menu comes back
    EXPECT_EQ(menu.choice, nullptr);
    ASSERT_EQ(menu.choices.size(), 1u);
    EXPECT_EQ(menu.choices[0], bye);
    EXPECT_EQ(menu.alpha.destination, 1.0f);

    for (int i = 0; i < 20; ++i) menu.Update(1);
    mouse_x = bye->x;
    mouse_y = bye->y;
    mouse_click = 1;
    menu.Update(1);
    mouse_click = 0;
    for (int i = 0; i < 20; ++i) menu.Update(1);
    EXPECT_NE(menu.GetItem(), nullptr);
    EXPECT_EQ(menu.GetItem(), nullptr);
    EXPECT_TRUE(menu.choices.empty());  // all taken: only the prompt is left
}

TEST_F(DialoguePresentationTest, ClickOutsideTheChoicesTakesNone) {
    DialogueItem item = MakeMenu({MakeChoice("Only")});
    DialogueChoices menu;
    menu.Initialize(item);
    mouse_x = 5;
    mouse_y = 5;
    mouse_click = 1;
    menu.Update(1);
    EXPECT_EQ(menu.choice, nullptr);
}

}  // namespace
