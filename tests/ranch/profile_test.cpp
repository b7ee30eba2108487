// The flag store, the inventory, the animals and the save file of the profile.
#include "ranch_test_support.h"

namespace {

std::shared_ptr<Animal> Spiggle(const std::string& name, int male, int position, float bovine, float bunny, float cat,
                                float wild, float age, float food, float mood, float health, int r, int g, int b,
                                float direction, float pricemod) {
    auto a = std::make_shared<Animal>();
    a->name = name;
    a->male = male;
    a->position = position;
    a->bovine = bovine;
    a->bunny = bunny;
    a->cat = cat;
    a->wild = wild;
    a->age = age;
    a->food = food;
    a->mood = mood;
    a->health = health;
    a->r = r;
    a->g = g;
    a->b = b;
    a->direction = direction;
    a->pricemod = pricemod;
    a->Calculate();
    return a;
}

}  // namespace

class ProfileTest : public RanchTest {
protected:
    std::string SavePath(const std::string& name) { return user_dir + "/Profiles/" + name + ".sav"; }

    // A profile with everything the save file can hold.
    void BuildFullProfile() {
        Profile::CleanProfile();
        character_name = "Tess";
        profile_name = "Tess";
        character_image = 1005;
        pitch = 1.25f;
        play_time = 1234.5f;
        completion = 12;
        location = 3;
        profile_active = 1;
        Profile::SetFlag("Money", 250);
        Profile::SetFlag("Award-3", 1);
        Profile::SetFlag("misc-lower", 7);
        Profile::SetFlag("Misc-Breeds", 2);
        Profile::AddItem("Meat", 10);
        Profile::AddItem("Apple", 3);
        animals.push_back(Spiggle("Alonso", 1, 0, 0.5f, 0, 0, 0, 6000, 0.75f, 0.1f, -0.25f, 64, 128, 255, -1, 1));
        auto mother = Spiggle("Allyn", 0, 2, 0, 0.75f, 0, 0, 120.25f, 1, 0.3f, 1, 100, 101, 102, 1, 1.1f);
        mother->baby = Spiggle("Bari", 0, -1, 0, 0.75f, 0, 0, 0, 0.25f, 0, 0, 90, 91, 92, 1, 0.9f);
        mother->pregnant_counter = 18000;
        animals.push_back(mother);
        auto stored = Spiggle("Jere", 0, -1, 0, 0, 0.75f, 0, 6000, 0.5f, 0, 0, 70, 71, 72, -1, 1);
        stored->baby = Spiggle("Beula", 1, -1, 0, 0, 0.75f, 0, 0, 0.25f, 0, 0, 80, 81, 82, 1, 1);
        stored->pregnant_counter = 1234.5f;
        stored_animals[0] = stored;
        stored_animals[1] = Spiggle("Elden", 1, -1, 0, 0, 0, 1, 0, 0.5f, 0, 0, 255, 255, 255, 1, 1);
    }
};

const char* kFullSave =
    "<?xml version=\"1.0\"?>\r\n"
    "<profile rev=\"3\" time=\"1234.50000\" percent=\"12\" location=\"3\" image=\"1005\" pitch=\"1.25000000\" "
    "name=\"Tess\">\r\n"
    "  <flag name=\"Award-3\" value=\"1\"/>\r\n"
    "  <flag name=\"Misc-Breeds\" value=\"2\"/>\r\n"
    "  <flag name=\"Money\" value=\"250\"/>\r\n"
    "  <flag name=\"misc-lower\" value=\"7\"/>\r\n"
    "  <item name=\"Meat\" number=\"10\"/>\r\n"
    "  <item name=\"Apple\" number=\"3\"/>\r\n"
    "  <animal name=\"Alonso\" male=\"1\" position=\"0\" bovine=\"0.500000000\" bunny=\"0.00000000\" "
    "cat=\"0.00000000\" wild=\"0.00000000\" age=\"6000.00000\" food=\"0.750000000\" mood=\"0.100000001\" "
    "health=\"-0.250000000\" r=\"64\" g=\"128\" b=\"255\" direction=\"-1.00000000\" pricemod=\"1.00000000\"/>\r\n"
    "  <animal name=\"Allyn\" male=\"0\" position=\"2\" bovine=\"0.00000000\" bunny=\"0.750000000\" "
    "cat=\"0.00000000\" wild=\"0.00000000\" age=\"120.250000\" food=\"1.00000000\" mood=\"0.300000012\" "
    "health=\"1.00000000\" r=\"100\" g=\"101\" b=\"102\" direction=\"1.00000000\" pricemod=\"1.10000002\" "
    "pregnant=\"18000.0000\">\r\n"
    "    <animal name=\"Bari\" male=\"0\" position=\"-1\" bovine=\"0.00000000\" bunny=\"0.750000000\" "
    "cat=\"0.00000000\" wild=\"0.00000000\" age=\"0.00000000\" food=\"0.250000000\" mood=\"0.00000000\" "
    "health=\"0.00000000\" r=\"90\" g=\"91\" b=\"92\" direction=\"1.00000000\" pricemod=\"0.899999976\"/>\r\n"
    "  </animal>\r\n"
    "  <store>\r\n"
    "    <animal name=\"Jere\" male=\"0\" position=\"-1\" bovine=\"0.00000000\" bunny=\"0.00000000\" "
    "cat=\"0.750000000\" wild=\"0.00000000\" age=\"6000.00000\" food=\"0.500000000\" mood=\"0.00000000\" "
    "health=\"0.00000000\" r=\"70\" g=\"71\" b=\"72\" direction=\"-1.00000000\" pricemod=\"1.00000000\" "
    "pregnant=\"1234.50000\">\r\n"
    "      <animal name=\"Beula\" male=\"1\" position=\"-1\" bovine=\"0.00000000\" bunny=\"0.00000000\" "
    "cat=\"0.750000000\" wild=\"0.00000000\" age=\"0.00000000\" food=\"0.250000000\" mood=\"0.00000000\" "
    "health=\"0.00000000\" r=\"80\" g=\"81\" b=\"82\" direction=\"1.00000000\" pricemod=\"1.00000000\"/>\r\n"
    "    </animal>\r\n"
    "  </store>\r\n"
    "  <store>\r\n"
    "    <animal name=\"Elden\" male=\"1\" position=\"-1\" bovine=\"0.00000000\" bunny=\"0.00000000\" "
    "cat=\"0.00000000\" wild=\"1.00000000\" age=\"0.00000000\" food=\"0.500000000\" mood=\"0.00000000\" "
    "health=\"0.00000000\" r=\"255\" g=\"255\" b=\"255\" direction=\"1.00000000\" pricemod=\"1.00000000\"/>\r\n"
    "  </store>\r\n"
    "</profile>\r\n";

// ---- Flags ------------------------------------------------------------------------------------

TEST_F(ProfileTest, FlagStoreNeverHoldsZero) {
    Profile::SetFlag("X", 0);
    EXPECT_EQ(Profile::GetFlag("X"), nullptr);
    Profile::AddFlag("X", 5);
    EXPECT_EQ(Profile::GetFlagValue("X"), 5);
    Profile::AddFlag("X", -5);
    EXPECT_EQ(Profile::GetFlag("X"), nullptr);
    Profile::AddFlag("X", 0);
    EXPECT_EQ(Profile::GetFlag("X"), nullptr);
    Profile::SetFlag("Y", 3);
    Profile::SetFlag("Y", -2);
    EXPECT_EQ(Profile::GetFlagValue("Y"), -2);
    Profile::SetFlag("Y", 0);
    EXPECT_TRUE(flags.empty());
    Profile::SetFlag("Z", 1);
    Profile::RemoveFlag("Z");
    Profile::RemoveFlag("missing");
    EXPECT_TRUE(flags.empty());
    EXPECT_EQ(Profile::GetFlagValue("z"), 0);
}

TEST_F(ProfileTest, FlagsSortOrdinally) {
    Flag a("Money", 1), b("Misc-Breeds", 1), c("money", 1);
    EXPECT_EQ(a.Compare(a), 0);
    EXPECT_EQ(a.Compare(b), 1);
    EXPECT_EQ(b.Compare(a), -1);
    EXPECT_EQ(a.Compare(c), -1);  // upper case sorts before lower case
    Profile::SetFlag("b", 1);
    Profile::SetFlag("B", 1);
    Profile::SetFlag("A-2", 1);
    Profile::SetFlag("A-10", 1);
    Profile::SortFlags();
    std::vector<std::string> names;
    for (const Flag& f : flags) names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::string>{"A-10", "A-2", "B", "b"}));
}

// ---- Inventory --------------------------------------------------------------------------------

TEST_F(ProfileTest, AddItemUsesTheCatalogueObjects) {
    Profile::AddItem("Apple", 3);
    ASSERT_EQ(inventory.size(), 1u);
    EXPECT_EQ(inventory[0], ItemList::GetItem("Apple"));
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 3);
    Profile::AddItem("Apple", 2);
    EXPECT_EQ(Profile::GetItem("Apple")->number, 5);
    Profile::AddItem("Apple", -7);
    EXPECT_EQ(Profile::GetItem("Apple"), nullptr);
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 0);
    Profile::AddItem("Meat", 0);
    Profile::AddItem("Meat", -3);
    EXPECT_TRUE(inventory.empty());
    EXPECT_EQ(ItemList::GetItem("Meat")->number, 0);
    try {
        Profile::AddItem("Dragon egg", 1);
        FAIL() << "no fatal error";
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error! Item Dragon egg does not exist!");
    }
}

TEST_F(ProfileTest, SetItemReplacesTheCount) {
    Profile::SetItem("Berries", 4);
    EXPECT_EQ(Profile::GetItem("Berries")->number, 4);
    Profile::SetItem("Berries", 9);
    EXPECT_EQ(Profile::GetItem("Berries")->number, 9);
    Profile::SetItem("Berries", 0);
    EXPECT_EQ(Profile::GetItem("Berries"), nullptr);
    EXPECT_EQ(ItemList::GetItem("Berries")->number, 0);
    EXPECT_THROW(Profile::SetItem("Nothing", 1), FatalError);
}

TEST_F(ProfileTest, CleanProfileForgetsTheOldCounts) {
    Profile::AddItem("Apple", 3);
    Profile::CleanProfile();
    EXPECT_TRUE(inventory.empty());
    EXPECT_EQ(ItemList::GetItem("Apple")->number, 0);
    EXPECT_EQ(location, 1);
}

// ---- Animals ----------------------------------------------------------------------------------

TEST_F(ProfileTest, AnimalCountsAndLookups) {
    auto a = MakeBreed(0);
    a->name = "Jere";
    auto b = MakeBreed(0);
    b->name = "Bari";
    EXPECT_EQ(Profile::AddAnimal(a), nullptr);
    Profile::AddAnimal(b);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 2);
    EXPECT_EQ(Profile::GetAnimal("Bari"), b);
    EXPECT_EQ(Profile::GetAnimal("bari"), nullptr);
    b->Breed(*a);
    EXPECT_EQ(Profile::TotalAnimalCount(), 3);
    stored_animals[0] = MakeBreed(2);
    EXPECT_EQ(Profile::TotalAnimalCount(), 3);
    animals.pop_back();
    Profile::AddAnimal(MakeBreed(1));
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 2);  // a high-water mark
}

TEST_F(ProfileTest, UpdateRecordsBreedsAndDeliversBabiesInTheSamePass) {
    auto mother = MakeBreed(0);
    auto father = MakeBreed(0);
    mother->Breed(*father);
    mother->pregnant_counter = 10;
    animals.push_back(mother);
    animals.push_back(father);
    Profile::Update(100);
    ASSERT_EQ(animals.size(), 3u);
    EXPECT_FLOAT_EQ(animals[2]->age, 100.0f);  // the newborn was updated in the same pass
    EXPECT_EQ(Profile::GetFlagValue("Misc-Animal2000"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Animal2003"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Breeds"), 2);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MaxAnimals"), 3);
    Profile::Update(1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-Breeds"), 2);

    Profile::SetFlag("Misc-HaltAnimalUpdate", 1);
    float age = animals[0]->age;
    Profile::Update(100);
    EXPECT_FLOAT_EQ(animals[0]->age, age);
}

TEST_F(ProfileTest, PlayTimeGrowsForTheActiveProfileOnly) {
    float total = total_play_time;
    AddPlayTime(10);
    EXPECT_FLOAT_EQ(play_time, 0.0f);
    profile_active = 1;
    AddPlayTime(15);
    EXPECT_FLOAT_EQ(play_time, 15.0f);
    EXPECT_FLOAT_EQ(total_play_time, total + 25);
}

// ---- Saving -----------------------------------------------------------------------------------

TEST_F(ProfileTest, SaveWritesTheExactFormat) {
    BuildFullProfile();
    ASSERT_EQ(Profile::Save(), 1);
    EXPECT_EQ(ReadAll(SavePath("Tess")), kFullSave);
}

TEST_F(ProfileTest, SaveAndLoadRoundTrip) {
    BuildFullProfile();
    ASSERT_EQ(Profile::Save(), 1);
    Profile::CleanProfile();
    character_name = "";
    ASSERT_EQ(Profile::Load(), 1);
    EXPECT_EQ(profile_active, 0);  // the caller activates a loaded profile
    EXPECT_EQ(character_name, "Tess");
    EXPECT_EQ(character_image, 1005);
    EXPECT_FLOAT_EQ(pitch, 1.25f);
    EXPECT_FLOAT_EQ(play_time, 1234.5f);
    EXPECT_EQ(completion, 12);
    EXPECT_EQ(location, 3);
    EXPECT_EQ(flags.size(), 4u);
    EXPECT_EQ(Profile::GetFlagValue("misc-lower"), 7);
    ASSERT_EQ(inventory.size(), 2u);
    EXPECT_EQ(Profile::GetItem("Meat")->number, 10);
    ASSERT_EQ(animals.size(), 2u);
    EXPECT_EQ(animals[0]->name, "Alonso");
    EXPECT_FLOAT_EQ(animals[0]->direction, -1.0f);
    EXPECT_FLOAT_EQ(animals[0]->mood, 0.1f);
    EXPECT_EQ(animals[0]->index, 0);
    ASSERT_TRUE(animals[1]->baby);
    EXPECT_EQ(animals[1]->baby->name, "Bari");
    EXPECT_FLOAT_EQ(animals[1]->pregnant_counter, 18000.0f);
    EXPECT_FLOAT_EQ(animals[1]->pricemod, 1.1f);
    EXPECT_EQ(animals[1]->index, 5);
    ASSERT_TRUE(stored_animals[0] && stored_animals[1]);
    EXPECT_EQ(stored_animals[0]->baby->name, "Beula");
    EXPECT_EQ(stored_animals[1]->index, 12);
    EXPECT_EQ(Profile::TotalAnimalCount(), 3);
    profile_active = 1;
    ASSERT_EQ(Profile::Save(), 1);
    EXPECT_EQ(ReadAll(SavePath("Tess")), kFullSave);
}

TEST_F(ProfileTest, SavingKeepsFlagsSorted) {
    BuildFullProfile();
    Profile::Save();
    Profile::SetFlag("Beta", 4);
    Profile::Save();
    std::string text = ReadAll(SavePath("Tess"));
    size_t award = text.find("\"Award-3\"");
    size_t beta = text.find("\"Beta\"");
    size_t misc = text.find("\"Misc-Breeds\"");
    ASSERT_NE(beta, std::string::npos);
    EXPECT_LT(award, beta);
    EXPECT_LT(beta, misc);
    EXPECT_EQ(flags[1].name, "Beta");  // the live list stays sorted
}

TEST_F(ProfileTest, NothingIsSavedWhileInactiveOrBlocked) {
    BuildFullProfile();
    profile_active = 0;
    EXPECT_EQ(Profile::Save(), 0);
    profile_active = 1;
    saving_blocked = 1;
    EXPECT_EQ(Profile::Save(), 0);
    EXPECT_FALSE(FileExists(SavePath("Tess")));
}

TEST_F(ProfileTest, NewProfileSavesAtOnce) {
    Profile::NewProfile("Wren", 0);
    EXPECT_EQ(profile_name, "Wren");
    EXPECT_EQ(profile_active, 1);
    EXPECT_EQ(ReadAll(SavePath("Wren")),
              "<?xml version=\"1.0\"?>\r\n"
              "<profile rev=\"3\" time=\"0.00000000\" percent=\"0\" location=\"1\" image=\"1005\" "
              "pitch=\"1.25000000\" name=\"Wren\">\r\n"
              "</profile>\r\n");
    Profile::NewProfile("Abel", 1);
    EXPECT_EQ(character_image, 1000);
    EXPECT_FLOAT_EQ(pitch, 1.0f);
}

// A save that cannot be written does not end the game: the old save stays, the player is told
// once for the whole run of failures, and the next save that can be written is.
TEST_F(ProfileTest, AFailedSaveKeepsTheOldOneIsToldOnceAndIsRetried) {
    BuildFullProfile();
    ASSERT_EQ(Profile::Save(), 1);
    EXPECT_FALSE(TakeSaveNotice());
    Profile::SetFlag("Money", 9999);
    save_fail_after_bytes = 100;  // as a full disk or a kill in the middle of the write
    EXPECT_EQ(Profile::Save(), 0);
    EXPECT_EQ(save_failed, 1);
    EXPECT_EQ(ReadAll(SavePath("Tess")), kFullSave);
    EXPECT_EQ(ReadAll(SavePath("Tess") + ".tmp").size(), 100u);  // the torn write went elsewhere
    EXPECT_TRUE(TakeSaveNotice());
    EXPECT_EQ(Profile::Save(), 0);  // failing again: not told again
    EXPECT_FALSE(TakeSaveNotice());

    // A folder in the save's place: the rename fails, nothing is lost, the failure is still one run.
    save_fail_after_bytes = -1;
    std::filesystem::create_directories(SavePath("Blocked"));
    profile_name = "Blocked";
    EXPECT_EQ(Profile::Save(), 0);
    EXPECT_FALSE(TakeSaveNotice());
    EXPECT_FALSE(FileExists(SavePath("Blocked") + ".tmp"));

    // Room again: the save is written, a new failure is told anew.
    profile_name = "Tess";
    ASSERT_EQ(Profile::Save(), 1);
    EXPECT_EQ(save_failed, 0);
    EXPECT_NE(ReadAll(SavePath("Tess")).find("<flag name=\"Money\" value=\"9999\"/>"), std::string::npos);
    EXPECT_EQ(ReadAll(SavePath("Tess") + ".bak"), kFullSave);  // the previous save is kept
    EXPECT_FALSE(FileExists(SavePath("Tess") + ".tmp"));
    save_fail_after_bytes = 0;
    EXPECT_EQ(Profile::Save(), 0);
    EXPECT_TRUE(TakeSaveNotice());
    save_fail_after_bytes = -1;
    ASSERT_EQ(Profile::Save(), 1);
    ASSERT_EQ(Profile::Load(), 1);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 9999);
}

// ---- Loading ----------------------------------------------------------------------------------

TEST_F(ProfileTest, RevisionRules) {
    auto rev = [](const std::string& text) { return GetProfileRevision(xmlNode::LoadString(text).get()); };
    EXPECT_EQ(GetProfileRevision(nullptr), 0);
    EXPECT_EQ(rev("<profile rev=\"1\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\"/>"), 1);
    EXPECT_EQ(rev("<profile rev=\"2\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\"/>"), 0);
    EXPECT_EQ(rev("<profile rev=\"2\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\" pitch=\"1\"/>"), 2);
    EXPECT_EQ(rev("<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\" pitch=\"1\"/>"), 3);
    EXPECT_EQ(rev("<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\"/>"), 0);
    EXPECT_EQ(rev("<profile rev=\"1\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\" pitch=\"1\"/>"), 1);
    EXPECT_EQ(rev("<profile rev=\"0\" time=\"0\" location=\"1\" image=\"1000\" name=\"A\" pitch=\"1\"/>"), 0);
    EXPECT_EQ(rev("<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" pitch=\"1\"/>"), 0);
    EXPECT_EQ(rev("<profile time=\"0\" location=\"1\" image=\"1000\" name=\"A\" pitch=\"1\"/>"), 0);
}

TEST_F(ProfileTest, OldRevisionsDerivePitchFromThePortrait) {
    CreateDir(user_dir + "/Profiles");
    WriteAll(SavePath("Old"), "<profile rev=\"1\" time=\"60\" location=\"4\" image=\"1005\" name=\"Old\"/>");
    WriteAll(SavePath("Older"), "<profile rev=\"1\" time=\"60\" location=\"4\" image=\"1000\" name=\"Older\"/>");
    WriteAll(SavePath("Bad"), "<profile rev=\"2\" time=\"60\" location=\"4\" image=\"1000\" name=\"Bad\"/>");
    profile_name = "Old";
    ASSERT_EQ(Profile::Load(), 1);
    EXPECT_FLOAT_EQ(pitch, 1.25f);
    EXPECT_EQ(location, 4);
    EXPECT_EQ(completion, 0);
    profile_name = "Older";
    ASSERT_EQ(Profile::Load(), 1);
    EXPECT_FLOAT_EQ(pitch, 1.0f);
    profile_name = "Bad";
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_EQ(location, 1);  // rejected before anything was read
    profile_name = "Missing";
    EXPECT_EQ(Profile::Load(), 0);
}

TEST_F(ProfileTest, FlagWithoutValueStopsTheLoad) {
    CreateDir(user_dir + "/Profiles");
    WriteAll(SavePath("Cut"),
             "<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" pitch=\"1\" name=\"Cut\">\n"
             "  <flag name=\"Money\" value=\"5\"/>\n"
             "  <flag name=\"Broken\"/>\n"
             "  <item name=\"Apple\" number=\"2\"/>\n"
             "  <animal name=\"A\" male=\"1\" position=\"0\" bovine=\"0.4\" bunny=\"0\" cat=\"0\" wild=\"0\" "
             "age=\"0\" food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\"/>\n"
             "</profile>\n");
    profile_name = "Cut";
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 5);
    EXPECT_TRUE(inventory.empty());
    EXPECT_TRUE(animals.empty());
}

TEST_F(ProfileTest, LoadStopRules) {
    CreateDir(user_dir + "/Profiles");
    const std::string head = "<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" pitch=\"1\" name=\"P\">\n";
    const std::string animal =
        "<animal name=\"A\" male=\"1\" position=\"0\" bovine=\"0.4\" bunny=\"0\" cat=\"0\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\"/>";
    profile_name = "P";

    WriteAll(SavePath("P"), head + "<item name=\"Unknown\" number=\"1\"/><flag name=\"X\" value=\"1\"/></profile>");
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_EQ(Profile::GetFlag("X"), nullptr);

    WriteAll(SavePath("P"), head + "<item name=\"Apple\" number=\"0\"/><other/><flag name=\"X\" value=\"0\"/>" +
                                "<store>" + animal + "</store><store>" + animal + "</store><store>" + animal +
                                "</store><flag name=\"Y\" value=\"1\"/></profile>");
    EXPECT_EQ(Profile::Load(), 0);  // a third store finds both slots full
    EXPECT_TRUE(inventory.empty());
    EXPECT_TRUE(flags.empty());
    EXPECT_TRUE(stored_animals[0] && stored_animals[1]);

    WriteAll(SavePath("P"), head + "<store/><flag name=\"Y\" value=\"1\"/></profile>");
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_EQ(Profile::GetFlag("Y"), nullptr);

    WriteAll(SavePath("P"), head + "<animal name=\"A\"/><flag name=\"Y\" value=\"1\"/></profile>");
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_TRUE(animals.empty());

    WriteAll(SavePath("P"), head + animal + animal + "</profile>");
    EXPECT_EQ(Profile::Load(), 1);
    EXPECT_EQ(animals.size(), 2u);
    EXPECT_EQ(Profile::GetFlag("Misc-MaxAnimals"), nullptr);  // loading does not count
}

TEST_F(ProfileTest, LoadAnimalReadsFacingAsIntegerAndNeedsItsBaby) {
    auto node = xmlNode::LoadString(
        "<animal name=\"A\" male=\"3\" position=\"4\" bovine=\"0\" bunny=\"0\" cat=\"0.9\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0.5\" r=\"64\" g=\"64\" b=\"64\" direction=\"-1.00000000\"/>");
    auto a = Profile::LoadAnimal(*node);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->male, 1);
    EXPECT_FLOAT_EQ(a->direction, -1.0f);
    EXPECT_FLOAT_EQ(a->pricemod, 1.0f);
    EXPECT_EQ(a->index, 4);
    EXPECT_EQ(a->price, 175);  // price is recomputed: 150 + 50 * 0.5

    auto half = xmlNode::LoadString(
        "<animal name=\"A\" male=\"0\" position=\"4\" bovine=\"0\" bunny=\"0\" cat=\"0.9\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"0.9\"/>");
    EXPECT_FLOAT_EQ(Profile::LoadAnimal(*half)->direction, 1.0f);  // 0 would draw it with no width
    EXPECT_EQ(Profile::LoadAnimal(*half)->male, 0);

    auto orphan = xmlNode::LoadString(
        "<animal name=\"A\" male=\"0\" position=\"4\" bovine=\"0\" bunny=\"0\" cat=\"0.9\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\" pregnant=\"50\">"
        "<animal name=\"B\"/></animal>");
    EXPECT_EQ(Profile::LoadAnimal(*orphan), nullptr);

    auto no_counter = xmlNode::LoadString(
        "<animal name=\"A\" male=\"0\" position=\"4\" bovine=\"0\" bunny=\"0\" cat=\"0.9\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\">"
        "<animal name=\"B\"/></animal>");
    auto plain = Profile::LoadAnimal(*no_counter);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->baby);  // children count only with a pregnant attribute
}

// An edited or damaged save cannot push a value out of its range: a health of 1e30 once priced an
// animal at -2147483648 and selling it wrapped the money.
TEST_F(ProfileTest, SaveValuesAreBroughtIntoTheirRangesAtLoad) {
    CreateDir(user_dir + "/Profiles");
    const std::string wild_values =
        "male=\"1\" bovine=\"3\" bunny=\"-2\" cat=\"nan\" wild=\"1e39\" age=\"-5\" food=\"2\" mood=\"-7\" "
        "health=\"1e30\" r=\"0\" g=\"999\" b=\"300\" direction=\"0\" pricemod=\"5\"";
    WriteAll(SavePath("Odd"),
             "<profile rev=\"3\" time=\"1e38\" percent=\"900\" location=\"1\" image=\"7\" pitch=\"-9\" "
             "name=\"Odd\">\n"
             "  <flag name=\"Money\" value=\"99999999999\"/>\n"
             "  <flag name=\"StatueCount\" value=\"500\"/>\n"
             "  <flag name=\"Farm-Upgrade\" value=\"-2\"/>\n"
             "  <item name=\"Apple\" number=\"-3\"/>\n"
             "  <item name=\"Meat\" number=\"2147483647\"/>\n"
             "  <animal name=\"A\" position=\"42\" " + wild_values + "/>\n"
             "  <animal name=\"B\" position=\"1\" " + wild_values + " pregnant=\"-4\">\n"
             "    <animal name=\"C\" position=\"1\" " + wild_values + "/>\n"
             "  </animal>\n"
             "  <animal name=\"D\" position=\"1\" " + wild_values + "/>\n"
             "</profile>\n");
    profile_name = "Odd";
    ASSERT_EQ(Profile::Load(), 1);
    EXPECT_FLOAT_EQ(play_time, 3.6e10f);
    EXPECT_EQ(completion, 100);
    EXPECT_EQ(character_image, 1005);
    EXPECT_FLOAT_EQ(pitch, 1.0f);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 2147483647);
    EXPECT_EQ(Profile::GetFlagValue("StatueCount"), 13);
    EXPECT_EQ(Profile::GetFlag("Farm-Upgrade"), nullptr);
    EXPECT_EQ(Profile::GetItem("Apple"), nullptr);
    EXPECT_EQ(CatalogueItem("Meat").number, 99999);
    ASSERT_EQ(animals.size(), 3u);
    for (const Animal* a : {animals[0].get(), animals[1].get(), animals[1]->baby.get()}) {
        SCOPED_TRACE(a->name);
        EXPECT_EQ(a->bovine, 1.0f);
        EXPECT_EQ(a->bunny, 0.0f);
        EXPECT_EQ(a->cat, 0.0f);  // "nan" has no leading number: 0
        EXPECT_EQ(a->wild, 1.0f);
        EXPECT_EQ(a->age, 0.0f);
        EXPECT_EQ(a->food, 1.0f);
        EXPECT_EQ(a->mood, -1.0f);
        EXPECT_EQ(a->health, 1.0f);
        EXPECT_EQ(a->r, 64);
        EXPECT_EQ(a->g, 255);
        EXPECT_EQ(a->b, 255);
        EXPECT_EQ(a->direction, 1.0f);
        EXPECT_FLOAT_EQ(a->pricemod, 1.1f);
        EXPECT_EQ(a->price, static_cast<int>(480 * 1.1f));  // a healthy Wild Bull
    }
    EXPECT_EQ(animals[0]->position, -1);  // no such pen
    EXPECT_EQ(animals[1]->position, 1);
    EXPECT_EQ(animals[2]->position, -1);  // the pen is taken
    EXPECT_FLOAT_EQ(animals[1]->pregnant_counter, 1.0f);  // born on the next update, not never
    // Money already at the top stays there.
    Profile::AddFlag("Money", animals[0]->price);
    EXPECT_EQ(Profile::GetFlagValue("Money"), 2147483647);
    Profile::AddItem("Meat", 2147483647);
    EXPECT_EQ(CatalogueItem("Meat").number, 2147483647);

    auto info = GetProfileInfo("Odd");
    ASSERT_TRUE(info);
    EXPECT_FLOAT_EQ(info->play_time, 3.6e10f);
    EXPECT_EQ(info->percent, 100);
}

TEST_F(ProfileTest, FailedLoadNeverOverwritesTheSave) {
    BuildFullProfile();
    ASSERT_EQ(Profile::Save(), 1);
    const std::string broken =
        "<profile rev=\"3\" time=\"0\" location=\"1\" image=\"1000\" pitch=\"1\" name=\"Broken\">\r\n"
        "  <flag name=\"Money\" value=\"5000\"/>\r\n"
        "  <flag name=\"Cut\"/>\r\n"
        "  <item name=\"Apple\" number=\"2\"/>\r\n"
        "</profile>\r\n";
    WriteAll(SavePath("Broken"), broken);
    profile_name = "Broken";
    EXPECT_EQ(Profile::Load(), 0);
    EXPECT_EQ(profile_active, 0);
    EXPECT_EQ(Profile::Save(), 0);  // the partial profile in memory is not written
    EXPECT_EQ(ReadAll(SavePath("Broken")), broken);
    EXPECT_EQ(ReadAll(SavePath("Tess")), kFullSave);
}

TEST_F(ProfileTest, ProfileInfoSummarisesASave) {
    BuildFullProfile();
    Profile::SetFlag("Misc-GameOver", 1);
    Profile::Save();
    auto info = GetProfileInfo("Tess");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->character_name, "Tess");
    EXPECT_EQ(info->character_image, 1005);
    EXPECT_FLOAT_EQ(info->play_time, 1234.5f);
    EXPECT_EQ(info->percent, 12);
    EXPECT_EQ(info->win, 1);
    Profile::SetFlag("Misc-GameOver", 2);
    Profile::Save();
    EXPECT_EQ(GetProfileInfo("Tess")->win, 0);
    EXPECT_EQ(GetProfileInfo("Nobody"), nullptr);
    WriteAll(SavePath("Torn"), "<profile rev=\"3\" time=\"0\"");
    EXPECT_EQ(GetProfileInfo("Torn"), nullptr);
}

TEST_F(ProfileTest, EndlesslyNestedBabiesAreRejectedNotFollowed) {
    const std::string open =
        "<animal name=\"A\" male=\"0\" position=\"0\" bovine=\"0.4\" bunny=\"0\" cat=\"0\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\" pregnant=\"10\">";
    const std::string leaf =
        "<animal name=\"B\" male=\"0\" position=\"0\" bovine=\"0.4\" bunny=\"0\" cat=\"0\" wild=\"0\" age=\"0\" "
        "food=\"0.5\" mood=\"0\" health=\"0\" r=\"64\" g=\"64\" b=\"64\" direction=\"1\"/>";
    auto nested = [&](int levels) {
        std::string text;
        for (int i = 0; i < levels; i++) text += open;
        text += leaf;
        for (int i = 0; i < levels; i++) text += "</animal>";
        return text;
    };
    auto two = xmlNode::LoadString(nested(2));
    ASSERT_TRUE(two);
    auto a = Profile::LoadAnimal(*two);
    ASSERT_TRUE(a && a->baby && a->baby->baby);
    auto deep = xmlNode::LoadString(nested(200));
    ASSERT_TRUE(deep);
    EXPECT_EQ(Profile::LoadAnimal(*deep), nullptr);
}
