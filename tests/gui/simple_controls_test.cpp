// Frames, labels, pictures, descriptions, sliders and the owners' list rule.
#include "description_control.h"
#include "frame_control.h"
#include "gui_fixture.h"
#include "image_control.h"
#include "slide_control.h"
#include "text_control.h"

namespace {

using SimpleControlsTest = GuiTest;

TEST_F(SimpleControlsTest, FrameSizesRoundUpToMultiplesOfFour) {
    const auto pieces = FramePieces(10, 20, 30, 30);  // drawn as 32 x 32
    EXPECT_EQ(pieces[0].sw, 16);
    EXPECT_EQ(pieces[0].sh, 16);
    EXPECT_EQ(pieces[0].sx, 0);
    EXPECT_EQ(pieces[0].x, 10 + 8);
    EXPECT_EQ(pieces[0].y, 20 + 8);
    EXPECT_EQ(pieces[1].sx, 512 - 16);
    EXPECT_EQ(pieces[1].x, 10 + 32 - 8);
    EXPECT_EQ(pieces[2].sy, 512 - 16);
    EXPECT_EQ(pieces[2].y, 20 + 32 - 8);
    EXPECT_EQ(pieces[3].sx, 496);
    EXPECT_EQ(pieces[3].sy, 496);
    // The four pieces tile the rounded box exactly.
    EXPECT_EQ(pieces[3].x + pieces[3].sw / 2, 10 + 32);
    EXPECT_EQ(pieces[3].y + pieces[3].sh / 2, 20 + 32);
}

TEST_F(SimpleControlsTest, FrameOfExactMultipleKeepsItsSize) {
    const auto pieces = FramePieces(0, 0, 420, 336);
    EXPECT_EQ(pieces[0].sw, 210);
    EXPECT_EQ(pieces[0].sh, 168);
    EXPECT_EQ(pieces[1].sx, 302);
    EXPECT_EQ(pieces[1].x, 420 - 105);
    const auto big = FramePieces(0, 0, 1024, 1024);  // the largest frame uses the whole picture
    EXPECT_EQ(big[3].sx, 0);
    EXPECT_EQ(big[3].sw, 512);
}

TEST_F(SimpleControlsTest, ImageControlIsThePictureSizeTimesScale) {
    AddPicture(665, 136, 24);
    auto c = ImageControl::Create(616, 288, 665, 0.5f);
    EXPECT_EQ(c->w, 68);
    EXPECT_EQ(c->h, 12);
    auto missing = ImageControl::Create(0, 0, 999, 1);
    EXPECT_EQ(missing->w, 0);
}

TEST_F(SimpleControlsTest, TextControlMeasuresItsText) {
    if (!AddFont(2, 18)) GTEST_SKIP() << "no font on this machine";
    auto c = TextControl::Create(336, 280, "Sound Volume:", 2);
    EXPECT_GT(c->w, 50);
    EXPECT_GT(c->h, 10);
    EXPECT_EQ(c->x, 336);  // top-left, not the centre
}

TEST_F(SimpleControlsTest, DescriptionIsFreedWhenItsFadeEnds) {
    auto d = DescriptionControl::Create(10, 10, 200);
    d->id = "Apple";
    d->alpha.SetAbsolute(1);
    d->alpha.Set(0, 15);
    d->fading = 1;
    for (int i = 0; i < 14; ++i) d->Update(1);
    EXPECT_EQ(d->id, "Apple");
    d->Update(1);
    d->Update(1);  // float steps may need one more frame to reach 0 exactly
    EXPECT_EQ(d->id, "");
    EXPECT_EQ(d->fading, 0);
}

TEST_F(SimpleControlsTest, DescriptionWrapsItsText) {
    if (!AddFont(2, 18)) GTEST_SKIP() << "no font on this machine";
    auto d = DescriptionControl::Create(10, 10, 120);
    d->SetText("A crisp red apple from the orchard by the mill", 2);
    EXPECT_NE(d->text.find('\n'), std::string::npos);
    EXPECT_LE(d->tw, 120);
    EXPECT_EQ(d->w, d->tw);
    EXPECT_EQ(d->h, d->th);
}

TEST_F(SimpleControlsTest, SliderFollowsTheHeldMouseWithoutConsumingIt) {
    std::vector<int> seen;
    auto s = SlideControl::Create(616, 288, 120, 96, [&seen](int p) { seen.push_back(p); });
    s->Activate(0);
    MoveMouse(600, 290);
    s->Update(1);
    EXPECT_TRUE(seen.empty());  // button up
    mouse_click = 1;
    s->Update(1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], 600 - 556);
    EXPECT_EQ(s->position, 44);
    EXPECT_EQ(mouse_click, 1);
    EXPECT_EQ(mouse_armed, 1);
    MoveMouse(700, 290);  // outside the slider: the knob stays
    s->Update(1);
    EXPECT_EQ(seen.size(), 1u);
}

TEST_F(SimpleControlsTest, OwnersDropControlsOnlyOnceTheirFadeEnds) {
    ControlList list;
    auto a = std::make_shared<Control>();
    auto b = std::make_shared<Control>();
    a->Activate(0);
    b->Activate(0);
    list.push_back(a);
    list.push_back(b);
    a->Deactivate(10);
    UpdateControlList(list, 5);
    EXPECT_EQ(list.size(), 2u);
    UpdateControlList(list, 5);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], b);
}

// A control that records its updates and may empty its owner's list.
class Probe : public Control {
public:
    int updates = 0;
    ControlList* clear_on_update = nullptr;
    ControlList replacement;
    void Update(float dt) override {
        Control::Update(dt);
        ++updates;
        if (clear_on_update) *clear_on_update = replacement;
    }
};

TEST_F(SimpleControlsTest, ControlsDroppedByACallbackAreNotUpdatedAnyMore) {
    ControlList list;
    auto first = std::make_shared<Probe>();
    auto second = std::make_shared<Probe>();
    auto fresh = std::make_shared<Probe>();
    first->clear_on_update = &list;
    first->replacement = {fresh};
    list = {first, second};
    UpdateControlList(list, 1);
    EXPECT_EQ(first->updates, 1);
    EXPECT_EQ(second->updates, 0);
    EXPECT_EQ(fresh->updates, 0);  // added during the pass: next frame
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], fresh);
}

}  // namespace
