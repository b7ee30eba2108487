#include <gtest/gtest.h>

#include <vector>

#include "update_list.h"

namespace {
class UpdateListTest : public ::testing::Test {
protected:
    void SetUp() override { UpdateList::Clear(); }
    void TearDown() override { UpdateList::Clear(); }
};
}  // namespace

TEST_F(UpdateListTest, TimersFireOnceWhenTheirDelayRunsOut) {
    std::vector<int> fired;
    UpdateList::AddUpdate(10, [&] { fired.push_back(1); }, 0);
    UpdateList::AddUpdate(5, [&] { fired.push_back(2); }, 0);
    UpdateList::Update(4);
    EXPECT_TRUE(fired.empty());
    UpdateList::Update(1);  // exactly 0 left counts as run out
    EXPECT_EQ(fired, std::vector<int>({2}));
    UpdateList::Update(20);
    EXPECT_EQ(fired, std::vector<int>({2, 1}));
    UpdateList::Update(20);
    EXPECT_EQ(fired.size(), 2u);
    EXPECT_EQ(UpdateList::Count(), 0);
}

TEST_F(UpdateListTest, DelayZeroFiresOnTheNextUpdateWhateverDt) {
    int fired = 0;
    UpdateList::AddUpdate(0, [&] { ++fired; }, 0);
    EXPECT_EQ(fired, 0);
    UpdateList::Update(0);
    EXPECT_EQ(fired, 1);
}

TEST_F(UpdateListTest, FiringInCreationOrder) {
    std::vector<int> fired;
    for (int i = 0; i < 4; ++i) UpdateList::AddUpdate(1, [&fired, i] { fired.push_back(i); }, 0);
    UpdateList::Update(1);
    EXPECT_EQ(fired, std::vector<int>({0, 1, 2, 3}));
}

TEST_F(UpdateListTest, RemoveUpdateRemovesEveryTimerWithTheId) {
    int fired = 0;
    UpdateList::AddUpdate(5, [&] { fired += 1; }, 1);
    UpdateList::AddUpdate(6, [&] { fired += 10; }, 2);
    UpdateList::AddUpdate(7, [&] { fired += 100; }, 1);
    UpdateList::RemoveUpdate(1);
    EXPECT_EQ(UpdateList::Count(), 1);
    UpdateList::Update(10);
    EXPECT_EQ(fired, 10);
}

TEST_F(UpdateListTest, CallbacksMayAddAndRemoveTimers) {
    std::vector<int> fired;
    UpdateList::AddUpdate(1, [&] {
        fired.push_back(1);
        UpdateList::RemoveUpdate(7);                                // a later timer of this pass
        UpdateList::AddUpdate(0, [&] { fired.push_back(3); }, 0);  // waits for the next pass
    }, 0);
    UpdateList::AddUpdate(1, [&] { fired.push_back(2); }, 7);
    UpdateList::Update(1);
    EXPECT_EQ(fired, std::vector<int>({1}));
    UpdateList::Update(1);
    EXPECT_EQ(fired, std::vector<int>({1, 3}));
}
