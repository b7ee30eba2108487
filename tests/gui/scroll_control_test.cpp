// The scrolling view: content extent, arrows, wheel, track, thumb and the offset's range.
#include "scroll_control.h"

#include "gui_fixture.h"

namespace {

// A child that records where it was during its update.
class Probe : public Control {
public:
    int seen_x = 0, seen_y = 0;
    void Update(float dt) override {
        Control::Update(dt);
        seen_x = x;
        seen_y = y;
    }
};

class ScrollTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddPicture(606, 24, 24);
        wheel_ = MouseZ();
        view_ = ScrollControl::Create(608, 272, 352, 160);  // view from (432, 192) to (784, 352)
        view_->Activate(0);
    }
    // Adds a child whose bottom edge is at `bottom` (content height grows to it).
    std::shared_ptr<Probe> AddChild(int top, int height) {
        auto c = std::make_shared<Probe>();
        c->x = 4;
        c->y = top;
        c->w = 100;
        c->h = height;
        view_->AddControl(c, 0, 0, 1, 1);
        return c;
    }
    void Wheel(int notches) {
        InjectWheel(notches);
        wheel_ += notches;
    }
    void ExpectInRange() const {
        EXPECT_GE(view_->cy, 0);
        EXPECT_LE(view_->cy, static_cast<float>(view_->ch - view_->h));
    }

    std::shared_ptr<ScrollControl> view_;
    int wheel_ = 0;
};

TEST_F(ScrollTest, ContentExtentFollowsCornerAndRelativeRules) {
    auto c = std::make_shared<Control>();
    c->x = 10;
    c->y = 20;
    c->w = 40;
    c->h = 30;
    view_->AddControl(c, 0, 0, 1, 1);
    EXPECT_EQ(view_->cw, 50);
    EXPECT_EQ(view_->ch, 50);
    view_->AddControl(c, 100, 5, 0, 1);  // centre-anchored: half the size
    EXPECT_EQ(view_->cw, 130);
    EXPECT_EQ(view_->ch, 50);
    view_->AddControl(c, 0, 70, 0, 0);  // position not counted
    EXPECT_EQ(view_->ch, 85);
    EXPECT_EQ(view_->controls.size(), 3u);
}

TEST_F(ScrollTest, ContentThatFitsHasNoArrowsAndIgnoresTheWheel) {
    AddChild(8, 150);
    EXPECT_FALSE(view_->up);
    EXPECT_FALSE(view_->down);
    Wheel(-3);
    view_->Update(1);
    EXPECT_EQ(view_->cy, 0);
}

TEST_F(ScrollTest, ArrowsAppearWhenTheContentFirstOverflows) {
    AddChild(8, 150);
    AddChild(160, 40);
    ASSERT_TRUE(view_->up);
    ASSERT_TRUE(view_->down);
    EXPECT_EQ(view_->up->x, 608 + 176 + 11);
    EXPECT_EQ(view_->up->y, 272 - 80 + 6);
    EXPECT_EQ(view_->down->x, 608 + 176 + 13);
    EXPECT_EQ(view_->down->y, 272 + 80 - 6);
    EXPECT_EQ(view_->up->rotate, 270);
    EXPECT_EQ(view_->down->rotate, 90);
    EXPECT_EQ(view_->up->global_color, 0);
    auto first_up = view_->up;
    AddChild(300, 40);
    EXPECT_EQ(view_->up, first_up);  // made once
}

TEST_F(ScrollTest, ChildrenUpdateAtTheirScreenPositionAndShareTheAlpha) {
    auto child = AddChild(40, 20);
    AddChild(300, 100);
    view_->cy = 10;
    view_->alpha.SetAbsolute(0.5f);
    view_->Update(1);
    EXPECT_EQ(child->seen_x, 432 + 4);
    EXPECT_EQ(child->seen_y, 192 + 40 - 10);
    EXPECT_EQ(child->x, 4);  // restored afterwards
    EXPECT_EQ(child->y, 40);
    EXPECT_EQ(child->alpha.Get(), 0.5);
}

TEST_F(ScrollTest, WheelScrollsByFrameTimeAndStaysInRange) {
    AddChild(0, 400);  // 240 of overflow
    MoveMouse(608, 272);
    Wheel(-1);
    view_->Update(2);
    EXPECT_EQ(view_->cy, 32);
    view_->Update(2);  // the wheel did not move: no scroll
    EXPECT_EQ(view_->cy, 32);
    for (int i = 0; i < 40; ++i) {
        Wheel(-1);
        view_->Update(5);
        ExpectInRange();
    }
    EXPECT_EQ(view_->cy, 240);
    for (int i = 0; i < 40; ++i) {
        Wheel(2);
        view_->Update(20);
        ExpectInRange();
    }
    EXPECT_EQ(view_->cy, 0);
}

// Two views on screen (the status page has two): the wheel scrolls the one under the pointer, its
// track included, and a turn made elsewhere does not catch up later.
TEST_F(ScrollTest, TheWheelScrollsOnlyTheViewUnderThePointer) {
    AddChild(0, 400);
    auto other = ScrollControl::Create(608, 560, 352, 160);
    other->Activate(0);
    auto filler = std::make_shared<Control>();
    filler->h = 400;
    other->AddControl(filler, 0, 0, 1, 1);
    MoveMouse(608 + 176 + 10, 600);  // on the lower view's track
    Wheel(-1);
    view_->Update(1);
    other->Update(1);
    EXPECT_EQ(view_->cy, 0);
    EXPECT_EQ(other->cy, 16);
    MoveMouse(500, 272);  // over the upper view, the wheel at rest
    view_->Update(1);
    EXPECT_EQ(view_->cy, 0);
    Wheel(-1);
    view_->Update(1);
    other->Update(1);
    EXPECT_EQ(view_->cy, 16);
    EXPECT_EQ(other->cy, 16);
}

TEST_F(ScrollTest, PressOnTheTrackJumpsAndStaysInRange) {
    AddChild(0, 400);
    const int track_x = 608 + 176 + 10;
    MoveMouse(track_x, 192 + 16 + 8 + 56);  // halfway down the 112-pixel range
    mouse_click = 1;
    view_->Update(1);
    EXPECT_NEAR(view_->cy, 120, 0.01);
    EXPECT_EQ(view_->grab, 0);
    MoveMouse(track_x, 352 - 17);  // bottom end of the track
    mouse_click = 1;
    view_->Update(1);
    ExpectInRange();
    EXPECT_EQ(view_->cy, 240);
    MoveMouse(track_x + 20, 250);  // beside the track: nothing
    view_->Update(1);
    EXPECT_EQ(view_->cy, 240);
}

TEST_F(ScrollTest, DraggingTheThumbFollowsTheMouseWithinRange) {
    AddChild(0, 400);
    const int track_x = 608 + 176 + 10;
    MoveMouse(track_x, 192 + 16 + 4);  // on the thumb at the top
    mouse_click = 1;
    view_->Update(1);
    EXPECT_EQ(view_->grab, 1);
    EXPECT_EQ(view_->cy, 0);
    MoveMouse(track_x + 200, 700);  // dragged far below and off the track
    view_->Update(1);
    EXPECT_EQ(view_->cy, 240);
    MoveMouse(track_x, 0);
    view_->Update(1);
    EXPECT_EQ(view_->cy, 0);
    MoveMouse(track_x, 192 + 24 + 56);
    view_->Update(1);
    EXPECT_NEAR(view_->cy, 120, 0.01);
    mouse_click = 0;
    view_->Update(1);
    EXPECT_EQ(view_->grab, 0);
}

TEST_F(ScrollTest, HoldingAnArrowScrollsAndIsNeverAClick) {
    AddChild(0, 400);
    MoveMouse(view_->down->x, view_->down->y);
    mouse_click = 0;
    view_->Update(1);  // rest on it first, as for any button
    for (int i = 0; i < 100; ++i) {
        Button1(1);
        view_->Update(1);
        EXPECT_EQ(mouse_armed, 1);  // the arrow never takes the press
        ExpectInRange();
    }
    EXPECT_EQ(view_->cy, 240);
    MoveMouse(view_->up->x, view_->up->y);
    for (int i = 0; i < 10; ++i) {
        Button1(1);
        view_->Update(1);
    }
    EXPECT_EQ(view_->cy, 200);
    for (int i = 0; i < 100; ++i) {
        Button1(1);
        view_->Update(1);
        ExpectInRange();
    }
    EXPECT_EQ(view_->cy, 0);
}

}  // namespace
