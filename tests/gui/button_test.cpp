// The button's click arming, lock-out, hover effects and tooltip timing.
#include "button.h"

#include "gui_fixture.h"

namespace {

class ButtonTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddPicture(50, 40, 20);
        button_ = Button::Create(100, 100, 50, "", 0, [this](Button* b) {
            ++clicks_;
            last_ = b;
        });
        button_->Activate(0);
    }
    // One frame: the loop's button rule, then the button's update.
    void Frame(int down, float dt = 1) {
        Button1(down);
        button_->Update(dt);
    }

    std::shared_ptr<Button> button_;
    int clicks_ = 0;
    Button* last_ = nullptr;
};

TEST_F(ButtonTest, SizeComesFromThePicture) {
    EXPECT_EQ(button_->w, 40);
    EXPECT_EQ(button_->h, 20);
    EXPECT_EQ(button_->click_sound, 103);
}

TEST_F(ButtonTest, ClickNeedsTheMouseToRestOnTheButtonFirst) {
    MoveMouse(100, 100);
    Frame(0);
    EXPECT_EQ(button_->ok, 1);
    Frame(1);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(last_, button_.get());
    EXPECT_EQ(button_->active, 0);
    EXPECT_EQ(button_->wait, 15);
    EXPECT_EQ(mouse_click, 0);
    EXPECT_EQ(mouse_armed, 0);
}

TEST_F(ButtonTest, PressThatBeganOutsideNeverClicks) {
    MoveMouse(10, 10);
    Frame(0);
    Frame(1);  // pressed outside
    EXPECT_EQ(button_->ok, 0);
    MoveMouse(100, 100);  // dragged onto the button and held
    for (int i = 0; i < 30; ++i) Frame(1);
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(button_->active, 1);
    Frame(0);  // released over it: now a press counts
    Frame(1);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(ButtonTest, PressOnTheButtonWithoutRestingFirstDoesNotClick) {
    MoveMouse(100, 100);
    Frame(1);  // ok is still 0: the mouse has not rested on it with the button up
    EXPECT_EQ(clicks_, 0);
}

TEST_F(ButtonTest, HeldButtonNeverClicksTwice) {
    button_->Callback = [this](Button* b) {
        ++clicks_;
        b->Activate(0);  // the owner re-activates it at once
    };
    MoveMouse(100, 100);
    Frame(0);
    Frame(1);
    ASSERT_EQ(clicks_, 1);
    for (int i = 0; i < 100; ++i) Frame(1);  // held long past the lock-out
    EXPECT_EQ(clicks_, 1);
    Frame(0);
    Frame(1);
    EXPECT_EQ(clicks_, 2);
}

TEST_F(ButtonTest, WaitDelaysTheReactionAfterReactivation) {
    button_->Callback = [this](Button*) { ++clicks_; };
    MoveMouse(100, 100);
    Frame(0);
    Frame(1);
    ASSERT_EQ(clicks_, 1);
    Frame(0);
    button_->Activate(0);
    EXPECT_EQ(button_->ok, 0);
    for (int i = 0; i < 14; ++i) Frame(0);
    EXPECT_GT(button_->wait, 0);
    EXPECT_EQ(button_->ok, 0);  // still locked out: the hover is not seen
    Frame(0);
    Frame(0);
    EXPECT_EQ(button_->ok, 1);
    Frame(1);
    EXPECT_EQ(clicks_, 2);
}

TEST_F(ButtonTest, ButtonWithoutCallbackStillConsumesTheClick) {
    button_->Callback = nullptr;
    MoveMouse(100, 100);
    Frame(0);
    Frame(1);
    EXPECT_EQ(button_->active, 0);
    EXPECT_EQ(mouse_click, 0);
    EXPECT_EQ(mouse_armed, 0);
    EXPECT_EQ(button_->wait, 15);
}

TEST_F(ButtonTest, OneClickFiresOnlyOneOfTwoOverlappingButtons) {
    auto other = Button::Create(100, 100, 50, "", 0, [this](Button*) { clicks_ += 10; });
    other->Activate(0);
    MoveMouse(100, 100);
    Button1(0);
    button_->Update(1);
    other->Update(1);
    Button1(1);
    button_->Update(1);
    other->Update(1);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(ButtonTest, ActivateAndDeactivateAtOnceForZeroOrNegativeTime) {
    button_->Deactivate(0);
    EXPECT_EQ(button_->alpha.Get(), 0);
    EXPECT_EQ(button_->active, 0);
    EXPECT_EQ(button_->remove, 1);
    button_->Activate(-5);
    EXPECT_EQ(button_->alpha.Get(), 1);
    EXPECT_EQ(button_->remove, 0);
    button_->Deactivate(-1);
    EXPECT_EQ(button_->alpha.Get(), 0);
    button_->Activate(20);
    button_->Update(10);
    EXPECT_NEAR(button_->alpha.Get(), 0.5, 1e-5);
    button_->Update(10);
    EXPECT_EQ(button_->alpha.Get(), 1);
}

TEST_F(ButtonTest, HoverGrowsOnlyButtonsWithOver) {
    MoveMouse(100, 100);
    for (int i = 0; i < 20; ++i) Frame(0);
    EXPECT_EQ(button_->scale.Get(), 1);  // no hover effect without over
    button_->SetOver(1);
    for (int i = 0; i < 40; ++i) Frame(0);
    EXPECT_GT(button_->scale.Get(), 1.07);
    EXPECT_EQ(button_->ready, 0);  // the hover sound has been used for this entry
    MoveMouse(10, 10);
    Frame(0);
    EXPECT_EQ(button_->ready, 1);
    for (int i = 0; i < 40; ++i) Frame(0);
    EXPECT_NEAR(button_->scale.Get(), 1, 0.01);
}

TEST_F(ButtonTest, InactiveButtonWithOverShrinksAndDims) {
    button_->SetOver(1);
    button_->active = 0;
    for (int i = 0; i < 10; ++i) Frame(0);
    EXPECT_NEAR(button_->scale.Get(), 0.92, 1e-5);
    EXPECT_NEAR(button_->color.Get(), 0.7, 1e-5);
    button_->Activate(0);
    EXPECT_EQ(button_->scale.Get(), 1);
    EXPECT_EQ(button_->color.Get(), 1);
}

TEST_F(ButtonTest, TooltipWaits75ThenFadesInOver50AndOutOver20) {
    button_->SetTooltip("Quests", -32, -10);
    MoveMouse(100, 100);
    Frame(0);
    EXPECT_EQ(button_->tooltip_status, 1);
    for (int i = 0; i < 75; ++i) Frame(0);
    EXPECT_EQ(button_->tooltip_alpha.Get(), 0);
    for (int i = 0; i < 25; ++i) Frame(0);
    EXPECT_NEAR(button_->tooltip_alpha.Get(), 0.5, 0.03);
    for (int i = 0; i < 25; ++i) Frame(0);
    EXPECT_NEAR(button_->tooltip_alpha.Get(), 1, 1e-4);
    MoveMouse(10, 10);
    Frame(0);
    EXPECT_EQ(button_->tooltip_status, 0);
    for (int i = 0; i < 10; ++i) Frame(0);
    EXPECT_NEAR(button_->tooltip_alpha.Get(), 0.5, 0.06);
    for (int i = 0; i < 10; ++i) Frame(0);
    EXPECT_NEAR(button_->tooltip_alpha.Get(), 0, 1e-4);
}

TEST_F(ButtonTest, CaptionWiderThanThePictureWidensTheHitBox) {
    if (!AddFont(2, 18)) GTEST_SKIP() << "no font on this machine";
    auto b = Button::Create(100, 100, 50, "A rather long caption", 2, nullptr);
    EXPECT_GT(b->tw, 40);
    EXPECT_EQ(b->w, b->tw);
    EXPECT_EQ(b->h, std::max(20, b->th));
}

TEST_F(ButtonTest, CallbackMayDropTheLastReferenceHeldByItsOwner) {
    ControlList list;
    list.push_back(button_);
    button_->Callback = [&list](Button*) { list.clear(); };
    button_.reset();
    MoveMouse(100, 100);
    Button1(0);
    UpdateControlList(list, 1);
    Button1(1);
    UpdateControlList(list, 1);  // must not touch the freed button
    EXPECT_TRUE(list.empty());
}

}  // namespace
