// Inventory cells: hover growth and the hand-over of one shared description between cells.
#include "item_control.h"

#include "gui_fixture.h"

namespace {

class ItemControlTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        description_ = DescriptionControl::Create(300, 500, 400);
        description_->Activate(0);
        description_->alpha.SetAbsolute(0);
        apple_ = ItemControl::Create(100, 100, "Apple");
        acorn_ = ItemControl::Create(180, 100, "Acorn");
        for (auto& cell : {apple_, acorn_}) {
            cell->description = description_;
            cell->Activate(0);
        }
    }
    // One frame of a window that holds the description and both cells.
    void Frame() {
        description_->Update(1);
        apple_->Update(1);
        acorn_->Update(1);
    }

    std::shared_ptr<DescriptionControl> description_;
    std::shared_ptr<ItemControl> apple_, acorn_;
};

TEST_F(ItemControlTest, UnknownItemMakesAnEmptyCell) {
    EXPECT_EQ(apple_->w, 64);
    EXPECT_EQ(apple_->h, 64);
    EXPECT_EQ(apple_->image, 0);
    EXPECT_EQ(apple_->number, 0);
}

TEST_F(ItemControlTest, HoverGrowsTheCellAndShowsItsDescription) {
    MoveMouse(100, 100);
    Frame();
    EXPECT_EQ(apple_->over, 1);
    EXPECT_EQ(description_->id, "Apple");
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_NEAR(apple_->scale.Get(), 1.08, 0.01);
    EXPECT_NEAR(description_->alpha.Get(), 1, 1e-4);
    MoveMouse(500, 500);
    Frame();
    EXPECT_EQ(apple_->over, 0);
    EXPECT_EQ(description_->fading, 1);
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_NEAR(apple_->scale.Get(), 1, 0.01);
    EXPECT_EQ(description_->id, "");
}

TEST_F(ItemControlTest, NextCellWaitsForTheFadeOutBeforeTakingOver) {
    MoveMouse(100, 100);
    for (int i = 0; i < 20; ++i) Frame();
    MoveMouse(180, 100);  // straight onto the neighbour
    Frame();
    EXPECT_EQ(description_->id, "Apple");  // still fading out for the first cell
    EXPECT_EQ(description_->fading, 1);
    int frames = 1;
    while (description_->id != "Acorn" && frames < 40) {
        Frame();
        ++frames;
    }
    EXPECT_EQ(description_->id, "Acorn");
    EXPECT_GE(frames, 15);  // the whole fade of 15 first
    EXPECT_LE(frames, 18);
    EXPECT_EQ(description_->fading, 0);
}

TEST_F(ItemControlTest, ComingBackDuringTheFadeCancelsIt) {
    MoveMouse(100, 100);
    for (int i = 0; i < 20; ++i) Frame();
    MoveMouse(500, 500);
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(description_->fading, 1);
    MoveMouse(100, 100);
    Frame();
    EXPECT_EQ(description_->fading, 0);
    EXPECT_EQ(description_->id, "Apple");
    for (int i = 0; i < 20; ++i) Frame();
    EXPECT_NEAR(description_->alpha.Get(), 1, 1e-4);
}

}  // namespace
