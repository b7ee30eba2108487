// Every dialogue script in data/Dialogues: loads with the game's loader, passes the game's data
// check (labels, menus, actors, items, quests), and every dialogue ends when played through with
// random choices from many game states.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app.h"
#include "data_check.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "item.h"
#include "profile.h"
#include "system.h"
#include "update_list.h"

namespace {

namespace fs = std::filesystem;

std::string DialogueFolder() { return std::string(MOSSMEADOW_SOURCE_DIR) + "/data/Dialogues"; }

// Calls `visit` for every step of `items`, the steps inside choices included.
void ForEachStep(const DialogueItems& items, const std::function<void(const DialogueItem&)>& visit) {
    for (const auto& step : items) {
        visit(*step);
        if (step->choices) {
            for (const auto& choice : *step->choices) ForEachStep(choice->items, visit);
        }
    }
}

void ForEachChoice(const DialogueItems& items, const std::function<void(const DialogueChoice&)>& visit) {
    ForEachStep(items, [&](const DialogueItem& step) {
        if (!step.choices) return;
        for (const auto& choice : *step.choices) visit(*choice);
    });
}

class DialogueDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogueList::Destroy();
        for (const std::string& entry : ReadDir(DialogueFolder())) {
            if (entry.size() < 4 || entry.compare(entry.size() - 4, 4, ".xml") != 0) continue;
            files_.push_back(entry);
            ASSERT_EQ(DialogueList::Load(DialogueFolder() + "/" + entry), 1) << entry << " does not load";
        }
    }
    void TearDown() override {
        DialogueList::Destroy();
        Profile::CleanProfile();
        items_catalogue.clear();
        UpdateList::Clear();
        saving_blocked = 0;
        mouse_click = 0;
        mouse_armed = 1;
    }
    std::vector<std::string> files_;
};

TEST_F(DialogueDataTest, EveryFileLoadsAndNoDialogueIsEmpty) {
    EXPECT_FALSE(files_.empty());
    for (const auto& d : dialogue_list) EXPECT_FALSE(d->items.empty()) << "dialogue " << d->id << " is empty";
}

// The game's data check on the built data: every jump finds its label, every menu has a way out,
// every actor that enters leaves along every path and is on stage when addressed, every item a
// script names exists, and every value a script gives a quest flag has a status.
TEST(DialogueDataCheck, JumpsMenusActorsItemsAndQuestsAgree) {
    if (!FileExists(std::string(MOSSMEADOW_BUILD_DIR) + "/Data/common.xml")) GTEST_SKIP() << "game data not built";
    DataCheck check(MOSSMEADOW_BUILD_DIR);
    check.CheckLabels();
    check.CheckMenus();
    check.CheckActors();
    check.CheckItems();
    check.CheckQuests();
    for (const DataProblem& problem : check.Problems()) ADD_FAILURE() << problem.Line();
}

TEST_F(DialogueDataTest, MenusShowTheirTextsAsWritten) {
    for (const auto& d : dialogue_list) {
        ForEachStep(d->items, [&](const DialogueItem& step) {
            if (!step.choices) return;
            // Prompts and choice texts are shown as written: tokens are not replaced there.
            EXPECT_EQ(step.text.find('$'), std::string::npos) << "dialogue " << d->id << ": token in prompt " << step.text;
        });
        ForEachChoice(d->items, [&](const DialogueChoice& choice) {
            EXPECT_FALSE(choice.text.empty()) << "dialogue " << d->id;
            EXPECT_EQ(choice.text.find('$'), std::string::npos) << "dialogue " << d->id << ": token in " << choice.text;
            EXPECT_EQ(choice.text.find('|'), std::string::npos) << "choices are single lines: " << choice.text;
        });
    }
}

// Which choice of an open menu to take (an index into its visible choices).
using ChoicePicker = std::function<size_t(const DialogueChoiceList&)>;

// Plays one dialogue to its end: clicks every speech box away and takes a random choice from each
// menu (or the one `pick` names). Returns the number of frames, or -1 when it did not end (a stuck
// menu, a speaker who never leaves, an endless loop).
int PlayThrough(Dialogue& d, std::mt19937& random, int limit, const ChoicePicker& pick_choice = nullptr) {
    mouse_x = mouse_y = -1000;
    int click = 0;
    for (int frame = 1; frame <= limit; ++frame) {
        mouse_click = 0;
        if (d.choices && !d.choices->choice && d.choices->alpha.Stopped() && d.choices->alpha.Get() == 1) {
            if (d.choices->choices.empty()) return -1;  // a menu with nothing left to take
            std::uniform_int_distribution<size_t> pick(0, d.choices->choices.size() - 1);
            const size_t index = pick_choice ? pick_choice(d.choices->choices) : pick(random);
            const DialogueChoice& choice = *d.choices->choices[index];
            mouse_x = choice.x;
            mouse_y = choice.y;
            mouse_click = 1;
        } else {
            mouse_x = mouse_y = -1000;
            click = !click;
            mouse_click = click;
        }
        mouse_armed = 1;
        if (d.Update(1)) return frame;
    }
    return -1;
}

TEST_F(DialogueDataTest, EveryDialogueEndsFromManyStates) {
    // Every item the scripts name exists for this run (the real catalogue is checked elsewhere).
    std::set<std::string> item_names;
    std::map<std::string, std::set<int>> flag_values;
    for (const auto& d : dialogue_list) {
        ForEachStep(d->items, [&](const DialogueItem& step) {
            if (step.item_type == kStepItem) item_names.insert(step.flag);
            if (!step.item.empty()) item_names.insert(step.item);
            if (!step.flag.empty() && step.item_type != kStepMusic && step.item_type != kStepItem) {
                const int wanted = step.item_type == kStepAddImage || step.item_type == kStepDelImage ? step.extra : step.value;
                flag_values[step.flag].insert(wanted);
            }
        });
        ForEachChoice(d->items, [&](const DialogueChoice& choice) {
            if (!choice.item.empty()) item_names.insert(choice.item);
            if (!choice.flag.empty()) flag_values[choice.flag].insert(choice.value);
        });
    }
    for (const std::string& name : item_names) {
        auto item = std::make_shared<Item>();
        item->name = name;
        items_catalogue.push_back(item);
    }
    std::mt19937 random(20261208);
    for (const auto& d : dialogue_list) {
        for (int run = 0; run < 12; ++run) {
            Profile::CleanProfile();
            UpdateList::Clear();
            if (run > 0) {
                // A random game state: each tested flag at one of the values the scripts compare it
                // with, each named item owned or not.
                for (const auto& [flag, values] : flag_values) {
                    std::vector<int> choices(values.begin(), values.end());
                    choices.push_back(0);
                    std::uniform_int_distribution<size_t> pick(0, choices.size() - 1);
                    Profile::SetFlag(flag, choices[pick(random)]);
                }
                for (const std::string& name : item_names) {
                    if (random() % 2) Profile::AddItem(name, 1 + static_cast<int>(random() % 6));
                }
            }
            Profile::SetFlag("Switch-SkipTutorial", 0);  // tutorials are played, not skipped
            ASSERT_EQ(d->Initialize(), 0) << "dialogue " << d->id;
            const int frames = PlayThrough(*d, random, 40000);
            EXPECT_GT(frames, 0) << "dialogue " << d->id << " did not end (run " << run << ")";
            EXPECT_TRUE(d->actors.empty());
            EXPECT_EQ(saving_blocked, 0);
        }
    }
}

TEST_F(DialogueDataTest, AFightLostAtAnyStageStillLeadsToTheWildmansAnswer) {
    // The lookout lets the player fight at "Quest-Adamant" 1 to 4. After a loss the player asks the
    // Wildman whatever he offers about Adamant, then says goodbye: he must name the breed that wins.
    std::mt19937 random(7);
    auto ask_about_adamant = [](const DialogueChoiceList& offered) {
        for (size_t i = 0; i < offered.size(); i++) {
            if (offered[i]->text.find("Adamant") != std::string::npos) return i;
        }
        return offered.size() - 1;  // "Goodbye"
    };
    for (int before : {1, 2, 3, 4}) {
        Profile::CleanProfile();
        UpdateList::Clear();
        Profile::SetFlag("Quest-Adamant", before);
        Profile::SetFlag("Misc-Battle", 1);
        Profile::SetFlag("ResultBattle", 0);
        Profile::SetFlag("Met-Wildman", 1);
        for (int id : {1001, 1300}) {
            Dialogue* d = DialogueList::GetDialogue(id);
            ASSERT_NE(d, nullptr) << id;
            ASSERT_EQ(d->Initialize(), 0);
            EXPECT_GT(PlayThrough(*d, random, 40000, ask_about_adamant), 0) << "dialogue " << id;
        }
        EXPECT_EQ(Profile::GetFlagValue("Quest-Adamant"), 2) << "a fight lost at " << before;
    }
}

}  // namespace
