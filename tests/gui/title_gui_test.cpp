// The title menu: profile list layout, selection, deletion with the replacement rule, the
// character dialog and the replace question; and the title scene's reaction to the menu.
#include "title_gui.h"

#include <fstream>

#include "animal.h"
#include "frame_control.h"
#include "gui_fixture.h"
#include "profile.h"
#include "profile_control.h"
#include "settings.h"
#include "text_control.h"
#include "title.h"
#include "update_list.h"

namespace {

class TitleGuiTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        saved_user_dir_ = user_dir;
        saved_profile_name_ = profile_name;
        user_dir = dir_.string();
        profile_name = "";
        profile_active = 0;
        UpdateList::Clear();
        TitleGUI::Reset();
        TitleGUI::create_new = 0;
        TitleGUI::gender = 1;
        screen_fade.SetAbsolute(1);
        for (int id : {408, 409, 410, 418, 419, 420}) AddPicture(id, 96, 32);
    }
    void TearDown() override {
        TitleGUI::Reset();
        UpdateList::Clear();
        Profile::CleanProfile();
        profile_active = 0;
        user_dir = saved_user_dir_;
        profile_name = saved_profile_name_;
        GuiTest::TearDown();
    }
    // Writes a real save for `name` (NewProfile makes it current).
    static void MakeProfile(const std::string& name, int male = 1) { Profile::NewProfile(name, male); }
    void WriteBrokenSave(const std::string& name) {
        std::ofstream(dir_ / "Profiles" / (name + ".sav")) << "<profile rev=\"3\">";
    }
    template <class T>
    static std::vector<T*> All() {
        std::vector<T*> found;
        for (const ControlPtr& c : TitleGUI::title_controls) {
            if (T* t = dynamic_cast<T*>(c.get())) found.push_back(t);
        }
        return found;
    }
    static Button* FindButton(const std::string& text) {
        for (Button* b : All<Button>()) {
            if (b->text == text) return b;
        }
        return nullptr;
    }
    static bool HasText(const std::string& text) {
        for (TextControl* t : All<TextControl>()) {
            if (t->text == text) return true;
        }
        return false;
    }
    // Clicks a button as the player would: rest on it, press, release.
    static void Click(Button* b) {
        ASSERT_NE(b, nullptr);
        MoveMouse(b->x, b->y);
        for (int down : {0, 1, 0}) {
            Button1(down);
            TitleGUI::Update(1);
        }
    }
    // Lets the menu run for `frames` frames with its timers.
    static void Run(int frames) {
        for (int i = 0; i < frames; ++i) {
            Button1(0);
            UpdateList::Update(1);
            TitleGUI::Update(1);
        }
    }
    std::string saved_user_dir_, saved_profile_name_;
};

TEST_F(TitleGuiTest, MainButtonsAppearOneAfterAnother) {
    TitleGUI::Activate();
    EXPECT_NE(FindButton("Quit"), nullptr);
    EXPECT_EQ(FindButton("Options"), nullptr);
    Run(50);
    EXPECT_NE(FindButton("Options"), nullptr);
    EXPECT_EQ(FindButton("Play"), nullptr);
    Run(50);
    ASSERT_NE(FindButton("Play"), nullptr);
    EXPECT_EQ(FindButton("Play")->y, 352);
    EXPECT_EQ(FindButton("Play")->global_color, 1);
    EXPECT_FALSE(HasText("If this is not you"));  // no profile: no greeting
}

TEST_F(TitleGuiTest, ActivatingAgainDoesNotDoubleTheDelayedButtons) {
    TitleGUI::Activate();
    Run(20);
    TitleGUI::Activate();
    Run(150);
    EXPECT_EQ(All<Button>().size(), 3u);
}

TEST_F(TitleGuiTest, QuitAndPlaySetPressed) {
    TitleGUI::Activate();
    Run(100);
    Click(FindButton("Quit"));
    EXPECT_EQ(TitleGUI::pressed, 3);
    TitleGUI::Activate();
    Run(100);
    Click(FindButton("Play"));
    EXPECT_EQ(TitleGUI::pressed, 1);
}

TEST_F(TitleGuiTest, GreetingEndsNearTheRightEdge) {
    if (!AddFont(1, 14)) GTEST_SKIP() << "no font on this machine";
    MakeProfile("Wilhelmina");
    TitleGUI::Activate();
    EXPECT_TRUE(HasText("If this is not you"));
    TextControl* greeting = nullptr;
    for (TextControl* t : All<TextControl>()) {
        if (t->text == "Welcome, Wilhelmina!" && t->tr == 255) greeting = t;
    }
    ASSERT_NE(greeting, nullptr);
    EXPECT_GE(greeting->x + greeting->w, 1016);
    EXPECT_LE(greeting->x + greeting->w, 1019);
    Button* other = FindButton("Click here");
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->y, 736);
}

TEST_F(TitleGuiTest, ProfileListLaysOutCardsWithACreateCard) {
    MakeProfile("Ada");
    MakeProfile("Bea");
    TitleGUI::CallbackSelect();
    auto cards = All<ProfileControl>();
    ASSERT_EQ(cards.size(), 3u);
    EXPECT_EQ(cards[0]->name, "Ada");
    EXPECT_EQ(cards[0]->x, 224);
    EXPECT_EQ(cards[1]->x, 512);
    EXPECT_EQ(cards[1]->selected, 1);  // Bea was made last and is current
    EXPECT_EQ(cards[0]->selected, 0);
    EXPECT_EQ(cards[2]->ok, 0);  // the empty "Create" card
    EXPECT_EQ(cards[2]->x, 800);
    ASSERT_EQ(cards[2]->controls.size(), 1u);
    EXPECT_EQ(static_cast<Button*>(cards[2]->controls[0].get())->text, "Create");
    EXPECT_EQ(FindButton("Back")->y, 256 + 160);
    EXPECT_EQ(TitleGUI::title_window_open, 1);
}

TEST_F(TitleGuiTest, SixProfilesLeaveNoCreateCard) {
    for (const char* name : {"A1", "A2", "A3", "A4", "A5", "A6"}) MakeProfile(name);
    TitleGUI::CallbackSelect();
    auto cards = All<ProfileControl>();
    ASSERT_EQ(cards.size(), 6u);
    for (ProfileControl* card : cards) EXPECT_EQ(card->ok, 1);
    EXPECT_EQ(cards[3]->x, 224);
    EXPECT_EQ(cards[3]->y, 448);
    EXPECT_EQ(FindButton("Back")->y, 448 + 160);
}

TEST_F(TitleGuiTest, ThirdCardMovesTheCreateCardToTheNextRow) {
    for (const char* name : {"A1", "A2", "A3"}) MakeProfile(name);
    TitleGUI::CallbackSelect();
    auto cards = All<ProfileControl>();
    ASSERT_EQ(cards.size(), 4u);
    EXPECT_EQ(cards[3]->ok, 0);
    EXPECT_EQ(cards[3]->x, 224);
    EXPECT_EQ(cards[3]->y, 448);
}

TEST_F(TitleGuiTest, UnreadableSaveIsNotListed) {
    MakeProfile("Good");
    WriteBrokenSave("Broken");
    std::ofstream(dir_ / "Profiles" / "notes.txt") << "x";
    TitleGUI::CallbackSelect();
    auto cards = All<ProfileControl>();
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[0]->name, "Good");
    EXPECT_EQ(cards[1]->ok, 0);
}

TEST_F(TitleGuiTest, SelectingAProfileLoadsIt) {
    MakeProfile("Ada", 0);
    MakeProfile("Bea");
    TitleGUI::CallbackSelect();
    Click(static_cast<Button*>(All<ProfileControl>()[0]->controls[0].get()));  // Ada's "Select"
    EXPECT_EQ(profile_name, "Ada");
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(character_image, 1005);
    EXPECT_EQ(TitleGUI::title_window_open, 0);
    EXPECT_EQ(TitleGUI::title_active, 1);
}

TEST_F(TitleGuiTest, DeletingTheCurrentProfileLoadsTheFirstLoadableOther) {
    WriteBrokenSave("Aaa");
    MakeProfile("Zed");
    MakeProfile("Mia");  // current
    TitleGUI::delete_name = "Mia";
    TitleGUI::Delete2Callback(nullptr);
    EXPECT_FALSE(FileExists(Profile::ProfilePath("Mia")));
    EXPECT_EQ(profile_name, "Zed");  // the broken "Aaa" is skipped
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(character_name, "Zed");
    EXPECT_EQ(All<ProfileControl>().size(), 2u);  // back at the list: Zed and the "Create" card
}

TEST_F(TitleGuiTest, DeletingAnotherProfileKeepsTheCurrentOne) {
    MakeProfile("Zed");
    MakeProfile("Mia");
    TitleGUI::delete_name = "Zed";
    TitleGUI::Delete2Callback(nullptr);
    EXPECT_FALSE(FileExists(Profile::ProfilePath("Zed")));
    EXPECT_EQ(profile_name, "Mia");
    EXPECT_EQ(profile_active, 1);
}

TEST_F(TitleGuiTest, DeleteAsksFirstAndCancelKeepsTheFile) {
    MakeProfile("Mia");
    TitleGUI::CallbackSelect();
    Click(static_cast<Button*>(All<ProfileControl>()[0]->controls[1].get()));  // "Delete"
    EXPECT_TRUE(HasText("Really delete profile?"));
    EXPECT_EQ(TitleGUI::delete_name, "Mia");
    Click(FindButton("Cancel"));
    EXPECT_TRUE(FileExists(Profile::ProfilePath("Mia")));
    EXPECT_EQ(All<ProfileControl>().size(), 2u);  // the list again
}

TEST_F(TitleGuiTest, DeletingTheOnlyProfileLeavesNoneActive) {
    MakeProfile("Mia");
    TitleGUI::create_new = 1;
    TitleGUI::delete_name = "Mia";
    TitleGUI::Delete2Callback(nullptr);
    EXPECT_EQ(profile_active, 0);
    EXPECT_EQ(profile_name, "");
    EXPECT_EQ(TitleGUI::create_new, 0);
}

TEST_F(TitleGuiTest, CharacterDialogStartsMaleWithASuggestedName) {
    TitleGUI::ActivateName();
    ASSERT_TRUE(TitleGUI::name_field);
    const std::string& name = TitleGUI::name_field->text;
    EXPECT_NE(std::find(male_names.begin(), male_names.end(), name), male_names.end());
    EXPECT_EQ(TitleGUI::gender, 1);
    EXPECT_EQ(TitleGUI::male_button->active, 0);
    EXPECT_EQ(TitleGUI::female_button->active, 1);
    EXPECT_EQ(TitleGUI::portrait->image, 1000);
    EXPECT_EQ(profile_active, 0);
    Button* ok = FindButton("OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(TitleGUI::name_field->b.get(), ok);
    EXPECT_EQ(ok->y, TitleGUI::female_button->y + 88);
    // The field comes right before its confirm button.
    auto& list = TitleGUI::title_controls;
    auto field_at = std::find(list.begin(), list.end(), TitleGUI::name_field);
    ASSERT_NE(field_at, list.end());
    EXPECT_EQ((field_at + 1)->get(), ok);
}

TEST_F(TitleGuiTest, FemaleBeforeTypingSuggestsAFemaleName) {
    TitleGUI::ActivateName();
    Click(TitleGUI::female_button.get());
    EXPECT_EQ(TitleGUI::gender, 0);
    EXPECT_EQ(TitleGUI::portrait->image, 1005);
    EXPECT_EQ(TitleGUI::male_button->active, 1);
    EXPECT_EQ(TitleGUI::female_button->active, 0);
    const std::string& name = TitleGUI::name_field->text;
    EXPECT_NE(std::find(female_names.begin(), female_names.end(), name), female_names.end());
}

TEST_F(TitleGuiTest, TypedNameStaysWhenTheGenderChanges) {
    TitleGUI::ActivateName();
    InjectChars("Quill");
    Run(5);
    Click(TitleGUI::female_button.get());
    EXPECT_EQ(TitleGUI::name_field->text, "Quill");
    Click(TitleGUI::male_button.get());
    EXPECT_EQ(TitleGUI::name_field->text, "Quill");
    EXPECT_EQ(TitleGUI::gender, 1);
}

TEST_F(TitleGuiTest, NewNameIsConfirmedForCreation) {
    TitleGUI::ActivateName();
    InjectChars("Quill\n");
    Run(6);
    EXPECT_EQ(TitleGUI::create_new, 1);
    EXPECT_EQ(TitleGUI::new_profile_name, "Quill");
    EXPECT_EQ(TitleGUI::title_window_open, 0);
}

TEST_F(TitleGuiTest, ExistingNameAsksBeforeReplacing) {
    MakeProfile("Quill");
    TitleGUI::ActivateName();
    InjectChars("Quill\n");
    Run(6);
    EXPECT_TRUE(HasText("Delete old profile with same name?"));
    EXPECT_EQ(TitleGUI::create_new, 0);
    EXPECT_FALSE(TitleGUI::name_field);  // the dialog is closed
    Click(FindButton("OK"));
    EXPECT_EQ(TitleGUI::create_new, 1);
    EXPECT_EQ(TitleGUI::new_profile_name, "Quill");
}

TEST_F(TitleGuiTest, CancelOnTheReplaceQuestionCreatesNothing) {
    MakeProfile("Quill");
    TitleGUI::ActivateName();
    InjectChars("Quill\n");
    Run(6);
    Click(FindButton("Cancel"));
    EXPECT_EQ(TitleGUI::create_new, 0);
    EXPECT_EQ(TitleGUI::title_active, 1);
    EXPECT_EQ(profile_active, 0);  // the title scene will open the dialog again
}

// The title scene's side: a player without a profile is asked for a name, and the confirmed name
// becomes a saved profile.
TEST_F(TitleGuiTest, TitleSceneLeadsANewPlayerIntoTheDialogAndCreatesTheProfile) {
    auto title = Title::Make();
    title->state = 1;
    title->Update(1);
    ASSERT_TRUE(TitleGUI::name_field);
    EXPECT_EQ(TitleGUI::title_window_open, 1);
    InjectChars("Fern\r");
    for (int i = 0; i < 6; ++i) title->Update(1);
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(profile_name, "Fern");
    EXPECT_EQ(character_image, 1000);
    EXPECT_TRUE(FileExists(Profile::ProfilePath("Fern")));
}

TEST_F(TitleGuiTest, TitleSceneCreatesTheReplacementAfterYes) {
    MakeProfile("Fern", 0);
    profile_active = 0;
    auto title = Title::Make();
    title->state = 1;
    title->Update(1);
    TitleGUI::name_field->text = "Fern";
    TitleGUI::NameCallback(nullptr);
    title->Update(1);
    EXPECT_EQ(profile_active, 0);  // waiting for the answer
    TitleGUI::DeleteCallback(nullptr);
    title->Update(1);
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(character_image, 1000);  // the new, male Fern replaced the old one
}

}  // namespace
