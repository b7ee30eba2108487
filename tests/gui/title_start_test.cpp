// What the title does with the user folder as it starts: a kill's leftover temporaries go, an
// options file that names nobody still finds the player's save, and "Play" on a save whose place
// the world lacks (or a battle with nobody to fight it) starts at the cottage instead of ending
// the game.
#include <fstream>

#include "gui_fixture.h"
#include "loader.h"
#include "location.h"
#include "profile.h"
#include "settings.h"
#include "title.h"
#include "title_gui.h"
#include "update_list.h"

namespace {

class TitleStart : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        saved_app_dir_ = app_dir;
        app_dir = MOSSMEADOW_BUILD_DIR;
        user_dir = (dir_ / "user").string();
        options_path = user_dir + "/Mossmeadow.ini";
        std::filesystem::create_directories(user_dir + "/Profiles");
        profile_name.clear();
        profile_active = 0;
        ASSERT_EQ(LocationList::Load(app_dir + "/Data/locations.xml"), 1);
    }
    void TearDown() override {
        current_event.reset();
        Loader::Clear();
        UpdateList::Clear();
        TitleGUI::Reset();
        TitleGUI::pressed = 0;
        LocationList::Destroy();
        Profile::CleanProfile();
        profile_active = 0;
        profile_name.clear();
        app_dir = saved_app_dir_;
        GuiTest::TearDown();
    }
    void Write(const std::string& relative, const std::string& text) {
        std::ofstream(user_dir + "/" + relative, std::ios::binary) << text;
    }
    static std::string Save(const std::string& name, const std::string& location) {
        return "<profile rev=\"3\" time=\"10\" location=\"" + location + "\" image=\"1005\" pitch=\"1.25\" name=\"" +
               name + "\"/>";
    }
    std::string saved_app_dir_;
};

TEST_F(TitleStart, LeftoversGoAndTheOnlySaveIsFoundThenAnUnknownPlaceStartsAtTheCottage) {
    if (!FileExists(app_dir + "/Data/Graphics/Clearing.jpg")) GTEST_SKIP() << "game data not built";
    Write("Profiles/Broken.sav", "<profile");     // unreadable: passed over
    Write("Profiles/Wren.sav", Save("Wren", "42"));  // a place the world does not have
    Write("Profiles/Wren.sav.tmp", "<profile rev=\"3\" ti");
    Write("Mossmeadow.ini.tmp", "<opt");
    current_event = Title::Make();  // the options file named nobody: profile_name is empty
    Title* title = static_cast<Title*>(current_event.get());
    title->Initialize();
    EXPECT_FALSE(FileExists(user_dir + "/Profiles/Wren.sav.tmp"));
    EXPECT_FALSE(FileExists(user_dir + "/Mossmeadow.ini.tmp"));
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(profile_name, "Wren");
    EXPECT_EQ(location, 42);

    title->state = 1;
    TitleGUI::pressed = 1;  // "Play"
    title->Update(1);
    EXPECT_EQ(location, 1);

    // Saved in the battle, with no spiggle left on the ranch to fight it: the cottage as well.
    location = 11;
    title->state = 1;
    TitleGUI::pressed = 1;
    title->Update(1);
    EXPECT_EQ(location, 1);
}

}  // namespace
