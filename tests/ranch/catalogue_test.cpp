// The data catalogues: traits, items, locations, quests and awards.
#include "location.h"
#include "ranch_test_support.h"
#include "trait.h"

using Catalogues = RanchTest;

TEST_F(Catalogues, TraitsKeepFileOrderAndMarkDominance) {
    std::vector<std::shared_ptr<Trait>> list;
    std::string path = WriteFile("traits.xml",
                                 "<traits>\n"
                                 "  <trait class=\"Coat\" name=\"Silky\" dominant=\"0\"/>\n"
                                 "  <trait class=\"Coat\" name=\"Woolly\"/>\n"
                                 "  <trait class=\"Temper\" name=\"Silky\"/>\n"
                                 "</traits>\n");
    TraitList::PopulateTraits(list, path);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0]->dominant, 1);  // presence counts, not the value
    EXPECT_EQ(list[1]->dominant, 0);
    EXPECT_EQ(list[2]->class_name, "Temper");

    traits = list;
    EXPECT_EQ(TraitList::GetTrait("Temper", "Silky"), list[2]);
    EXPECT_EQ(TraitList::GetTrait("Coat", "Silky"), list[0]);
    for (int i = 0; i < 20; i++) EXPECT_EQ(TraitList::GetRandom("Temper"), list[2]);
    try {
        TraitList::GetTrait("Coat", "Spotted");
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: Couldn't find trait 'Spotted'!");
    }
    try {
        TraitList::GetRandom("Size");
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: Couldn't generate random trait!");
    }
    traits.clear();
}

TEST_F(Catalogues, TraitFileErrors) {
    std::vector<std::shared_ptr<Trait>> list;
    TraitList::PopulateTraits(list, WriteFile("empty.xml", "<traits/>"));
    TraitList::PopulateTraits(list, dir + "/missing.xml");
    EXPECT_TRUE(list.empty());
    std::string path = WriteFile("bad.xml", "<traits><item class=\"A\" name=\"B\"/></traits>");
    try {
        TraitList::PopulateTraits(list, path);
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_EQ(std::string(e.what()), "Error in '" + path + "'!");
    }
    EXPECT_THROW(TraitList::PopulateTraits(list, WriteFile("bad2.xml", "<t><trait name=\"B\"/></t>")), FatalError);
    // A missing traits file at start-up is no error.
    traits.clear();
    TraitList::Initialize();
    EXPECT_TRUE(traits.empty());
}

TEST_F(Catalogues, ItemCatalogue) {
    std::string path = WriteFile("items2.xml",
                                 "<items>\n"
                                 "  <item name=\"Cake\" class=\"Food\" description=\"Sweet|and round\" image=\"5100\"/>\n"
                                 "  <item name=\"Cake\" class=\"Special\" description=\"x\" image=\"5101\" cost=\"9\"/>\n"
                                 "  <item name=\"Lure\" class=\"Special\" description=\"x\" image=\"abc\" cost=\"12x\"/>\n"
                                 "</items>");
    ASSERT_EQ(ItemList::Load(path), 1);
    ASSERT_EQ(items_catalogue.size(), 3u);
    EXPECT_EQ(ItemList::GetItem("Cake")->cost, 0);  // no cost: free
    EXPECT_EQ(ItemList::GetItem("Cake")->class_name, "Food");  // the first of two wins
    EXPECT_EQ(ItemList::GetItem("Cake")->description, "Sweet|and round");
    EXPECT_EQ(ItemList::GetItem("Lure")->image, 0);
    EXPECT_EQ(ItemList::GetItem("Lure")->cost, 12);
    EXPECT_EQ(ItemList::GetItem("cake"), nullptr);

    EXPECT_EQ(ItemList::Load(WriteFile("none.xml", "<items></items>")), 1);
    EXPECT_TRUE(items_catalogue.empty());

    EXPECT_EQ(ItemList::Load(WriteFile("cut.xml",
                                       "<items><item name=\"A\" class=\"Food\" description=\"d\" image=\"1\"/>"
                                       "<item name=\"B\" class=\"Food\" image=\"1\"/>"
                                       "<item name=\"C\" class=\"Food\" description=\"d\" image=\"1\"/></items>")),
              0);
    EXPECT_EQ(items_catalogue.size(), 1u);  // what came before the bad entry stays
    EXPECT_EQ(ItemList::Load(dir + "/missing.xml"), 0);

    try {
        ItemList::Initialize();  // app_dir has no Data/items.xml
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: 'Data/items.xml' invalid!");
    }
    ItemList::Destroy();
    EXPECT_TRUE(items_catalogue.empty());
}

TEST_F(Catalogues, LocationsAndHotspotDefaults) {
    std::string path = WriteFile(
        "locations.xml",
        "<locations>\n"
        "  <location id=\"1\" name=\"Cottage\" bg=\"3001\" music=\"Data/Music/Village.ogg\" random=\"3\">\n"
        "    <image id=\"10000\" path=\"Data/Graphics/Clock.png\" split=\"64\"/>\n"
        "    <hotspot x=\"10\" y=\"20\" image=\"3100\" dialogue=\"4\"/>\n"
        "    <hotspot x=\"30\" y=\"40\" image=\"3101\" id=\"77\" visible=\"Door\" item=\"Apple\"/>\n"
        "    <hotspot x=\"50\" y=\"60\" image=\"3102\" scale=\"0.5\" w=\"8\" h=\"9\" visible=\"Door\" value=\"3\" "
        "item=\"Apple\" number=\"4\" if=\"Compass\" else=\"12\" location=\"2\" name=\"Gate\"/>\n"
        "  </location>\n"
        "  <location id=\"3\" special=\"1\" effect=\"2\">\n"
        "    <hotspot x=\"1\" y=\"2\" image=\"3103\"/>\n"
        "  </location>\n"
        "</locations>\n");
    ASSERT_EQ(LocationList::Load(path), 1);
    ASSERT_EQ(locations.size(), 2u);
    Location* cottage = LocationList::GetLocation(1);
    ASSERT_TRUE(cottage);
    EXPECT_EQ(cottage->name, "Cottage");
    EXPECT_EQ(cottage->bg, 3001);
    EXPECT_EQ(cottage->music, "Data/Music/Village.ogg");
    EXPECT_EQ(cottage->random, 3);
    ASSERT_EQ(cottage->files.size(), 1u);
    EXPECT_EQ(cottage->files[0].id, 10000);
    EXPECT_EQ(cottage->files[0].split, 0);
    ASSERT_EQ(cottage->hotspots.size(), 3u);
    const LocationHotspot& first = cottage->hotspots[0];
    EXPECT_EQ(first.dialogue, 4);
    EXPECT_FLOAT_EQ(first.scale, 1.0f);
    EXPECT_EQ(first.value, 0);
    EXPECT_EQ(first.number, 0);
    const LocationHotspot& second = cottage->hotspots[1];
    EXPECT_EQ(second.id, 77);
    EXPECT_EQ(second.visible, "Door");
    EXPECT_EQ(second.value, 1);   // visible given: default value 1
    EXPECT_EQ(second.number, 1);  // item given: default number 1
    const LocationHotspot& third = cottage->hotspots[2];
    EXPECT_EQ(third.value, 3);
    EXPECT_EQ(third.number, 4);
    EXPECT_EQ(third.condition, "Compass");
    EXPECT_EQ(third.result, 12);
    EXPECT_EQ(third.location, 2);
    EXPECT_FLOAT_EQ(third.scale, 0.5f);
    EXPECT_EQ(third.w, 8);
    // Ids without an `id` count on through the whole file.
    Location* ranch = LocationList::GetLocation(3);
    EXPECT_EQ(ranch->special, 1);
    EXPECT_EQ(ranch->effect, 2);
    EXPECT_EQ(first.id, 1);
    EXPECT_EQ(third.id, 3);
    EXPECT_EQ(ranch->hotspots[0].id, 4);
    EXPECT_EQ(LocationList::GetLocation(2), nullptr);

    // Reloading starts the counter again.
    ASSERT_EQ(LocationList::Load(path), 1);
    EXPECT_EQ(LocationList::GetLocation(1)->hotspots[0].id, 1);
    LocationList::Destroy();
    EXPECT_TRUE(locations.empty());
}

TEST_F(Catalogues, InvalidLocationFiles) {
    const char* bad[] = {
        "<l><location name=\"no id\"/></l>",
        "<l><place id=\"1\"/></l>",
        "<l><location id=\"1\"><door/></location></l>",
        "<l><location id=\"1\"><hotspot x=\"1\" y=\"2\"/></location></l>",
        "<l><location id=\"1\"><if equals=\"1\"/></location></l>",
        "<l><location id=\"1\"><if name=\"A\"><flag name=\"B\"/></if></location></l>",
        "<l><location id=\"1\"><image id=\"5\"/></location></l>",
    };
    for (const char* text : bad) EXPECT_EQ(LocationList::Load(WriteFile("bad.xml", text)), 0) << text;
    EXPECT_EQ(LocationList::Load(dir + "/missing.xml"), 0);
    try {
        LocationList::Initialize();
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: 'Data/locations.xml' invalid!");
    }
}

TEST_F(Catalogues, ActionsFireInFileOrderAndApplyTheirFlags) {
    std::string path = WriteFile("loc.xml",
                                 "<locations><location id=\"1\">\n"
                                 "  <if name=\"Intro\" dialogue=\"7\"><flag name=\"Intro\" value=\"1\"/>"
                                 "<flag name=\"Stale\" value=\"0\"/><note/></if>\n"
                                 "  <if name=\"Door\" equals=\"2\" item=\"Compass\" location=\"5\"/>\n"
                                 "  <if name=\"Door\" equals=\"2\"><flag name=\"Second\" value=\"1\"/></if>\n"
                                 "</location></locations>");
    ASSERT_EQ(LocationList::Load(path), 1);
    Location* loc = LocationList::GetLocation(1);
    ASSERT_EQ(loc->actions.size(), 3u);
    EXPECT_EQ(loc->actions[0]->flag_list.size(), 2u);

    Profile::SetFlag("Stale", 4);
    Action* fired = loc->CheckAction();  // flag absent = 0 = the missing `equals`
    ASSERT_EQ(fired, loc->actions[0].get());
    EXPECT_EQ(fired->dialogue, 7);
    EXPECT_EQ(Profile::GetFlagValue("Intro"), 1);
    EXPECT_EQ(Profile::GetFlag("Stale"), nullptr);  // value 0 removes

    EXPECT_EQ(loc->CheckAction(), nullptr);
    Profile::SetFlag("Door", 2);
    fired = loc->CheckAction();  // the Compass is not owned: the second action fires
    ASSERT_EQ(fired, loc->actions[2].get());
    EXPECT_EQ(Profile::GetFlagValue("Second"), 1);
    Profile::RemoveFlag("Second");
    Profile::AddItem("Compass", 1);
    fired = loc->CheckAction();
    ASSERT_EQ(fired, loc->actions[1].get());
    EXPECT_EQ(fired->location, 5);
    EXPECT_EQ(Profile::GetFlag("Second"), nullptr);  // only the first match applies its flags
}

TEST_F(Catalogues, QuestsFollowTheirFlags) {
    std::string path = WriteFile("quests.xml",
                                 "<quests>\n"
                                 "  <quest name=\"Quest-A\" text=\"Fix the fence\">\n"
                                 "    <status value=\"1\" text=\"Earn money\"/>\n"
                                 "    <status value=\"2\" text=\"Done\" complete=\"0\"/>\n"
                                 "  </quest>\n"
                                 "  <quest name=\"Quest-B\" text=\"Find the squid\">\n"
                                 "    <status value=\"1\" text=\"Ask Wen\"/>\n"
                                 "    <status value=\"2\" text=\"Buy a lure\"/>\n"
                                 "    <status value=\"3\" complete=\"1\"/>\n"
                                 "  </quest>\n"
                                 "</quests>\n");
    ASSERT_EQ(QuestList::Load(path), 1);
    ASSERT_EQ(quests.size(), 2u);
    QuestList::Update(1);  // both flags 0: nothing happens, no status 0 needed
    EXPECT_EQ(quests[0]->active, 0);

    Profile::SetFlag("Quest-A", 2);  // straight to the completing value
    QuestList::Update(1);
    EXPECT_EQ(quests[0]->active, 1);
    EXPECT_EQ(quests[0]->complete, 1);
    EXPECT_EQ(quests[0]->last, 2);

    Profile::SetFlag("Quest-B", 1);
    QuestList::Update(1);
    EXPECT_EQ(quests[1]->active, 1);
    EXPECT_EQ(quests[1]->complete, 0);
    EXPECT_EQ(quests[1]->status_text, "Ask Wen");
    EXPECT_EQ(QuestList::NumberCompleted(), 1);

    // Two statuses + three statuses = 5; flags 2 and 1 give 3/5 of the total.
    EXPECT_FLOAT_EQ(QuestList::GetPercentage(64), 3 * 64.0f / 5);
    Profile::SetFlag("Quest-B", 3);
    EXPECT_FLOAT_EQ(QuestList::GetPercentage(64), 64.0f);
    EXPECT_EQ(QuestList::NumberCompleted(), 2);

    Profile::SetFlag("Quest-B", 9);
    try {
        QuestList::Update(1);
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error! Quest-B status 9 does not exist!");
    }
}

TEST_F(Catalogues, InvalidQuestFiles) {
    EXPECT_EQ(QuestList::Load(WriteFile("q.xml", "<q><quest name=\"A\"/></q>")), 0);
    EXPECT_EQ(QuestList::Load(WriteFile("q.xml", "<q><quest name=\"A\" text=\"t\"><step value=\"1\"/></quest></q>")),
              0);
    EXPECT_EQ(QuestList::Load(WriteFile("q.xml", "<q><quest name=\"A\" text=\"t\"><status text=\"1\"/></quest></q>")),
              0);
    EXPECT_EQ(QuestList::Load(WriteFile("q.xml", "<q/>")), 1);
    EXPECT_FLOAT_EQ(QuestList::GetPercentage(64), 0.0f);
    try {
        QuestList::Initialize();
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: 'Data/quests.xml' invalid!");
    }
}

namespace {
std::vector<int> announced;
void RecordAward(int id) { announced.push_back(id); }
}  // namespace

TEST_F(Catalogues, AwardsAreGrantedOnePerCallInIdOrder) {
    std::string path = WriteFile("awards.xml",
                                 "<awards>\n"
                                 "  <award id=\"5\" title=\"Rich\" flag=\"Money\" value=\"1000\" text=\"t\"/>\n"
                                 "  <award id=\"2\" title=\"Saver\" flag=\"Money\" value=\"100\" text=\"t\"/>\n"
                                 "  <award id=\"9\" title=\"Breeder\" flag=\"Misc-Breeds\" value=\"3\" text=\"t\"/>\n"
                                 "</awards>\n");
    ASSERT_EQ(AwardList::Load(path), 1);
    ASSERT_EQ(awards.size(), 3u);
    EXPECT_EQ(awards[0]->id, 2);
    EXPECT_EQ(awards[2]->id, 9);
    EXPECT_EQ(AwardList::GetAward(5)->title, "Rich");
    EXPECT_EQ(AwardList::GetAward(6), nullptr);

    announced.clear();
    SetAwardAnnouncer(RecordAward);
    Profile::SetFlag("Money", 1000);
    EXPECT_EQ(CheckAwards(), 1);
    EXPECT_EQ(CheckAwards(), 1);
    EXPECT_EQ(CheckAwards(), 0);
    EXPECT_EQ(announced, (std::vector<int>{2, 5}));
    EXPECT_EQ(Profile::GetFlagValue("Award-2"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Award-5"), 1);

    // Granted awards are never announced again, even if the data changes their condition.
    AwardList::GetAward(2)->value = 1;
    EXPECT_EQ(CheckAwards(), 0);
    EXPECT_FLOAT_EQ(AwardList::GetPercentage(24), 16.0f);
    SetAwardAnnouncer(nullptr);
}

TEST_F(Catalogues, AwardPercentageAndFileErrors) {
    std::string text = "<awards>";
    for (int id = 1; id <= 8; id++)
        text += "<award id=\"" + std::to_string(id) + "\" title=\"T\" flag=\"F\" value=\"1\" text=\"x\"/>";
    text += "</awards>";
    ASSERT_EQ(AwardList::Load(WriteFile("a.xml", text)), 1);
    Profile::SetFlag("Award-3", 1);
    Profile::SetFlag("Award-8", 1);
    EXPECT_FLOAT_EQ(AwardList::GetPercentage(8), 2.0f);

    EXPECT_EQ(AwardList::Load(WriteFile("a.xml", "<a><award id=\"1\" title=\"T\" flag=\"F\" text=\"x\"/></a>")), 0);
    EXPECT_EQ(AwardList::Load(WriteFile("a.xml", "<a><prize id=\"1\" title=\"T\" flag=\"F\" value=\"1\" text=\"x\"/></a>")),
              0);
    EXPECT_EQ(AwardList::Load(WriteFile("a.xml", "<a/>")), 1);
    EXPECT_FLOAT_EQ(AwardList::GetPercentage(24), 0.0f);
    try {
        AwardList::Initialize();
        FAIL();
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "Error: 'Data/awards.xml' invalid!");
    }
    AwardList::Destroy();
    EXPECT_TRUE(awards.empty());
}

TEST_F(Catalogues, BuiltInAwardKinds) {
    EXPECT_EQ(AwardInfo::GetAwardTitle(4, 7), "Master Breeder");
    EXPECT_EQ(AwardInfo::GetAwardTitle(4, 1), "Apprentice Breeder");
    EXPECT_EQ(AwardInfo::GetAwardTitle(0, 2), "Journeyman Rancher");
    EXPECT_EQ(AwardInfo::GetAwardText(2, 2), "You have earned $5,000");
    EXPECT_EQ(AwardInfo::GetAwardText(1, 0), "An animal has reached the age of 50");
    EXPECT_EQ(AwardInfo::GetAwardTitle(6, 1), "");
    EXPECT_EQ(AwardInfo::GetAwardText(-1, 1), "");
    EXPECT_EQ(AwardInfo::GetAwardFlag(5), "Award-Statues");
    EXPECT_EQ(AwardInfo::GetAwardFlag(6), "");
    EXPECT_EQ(award_pictures[4], 633);
}

TEST_F(Catalogues, BuiltInLevelsRiseFromTheirCountersAndNeverFall) {
    Profile::SetFlag("Misc-MaxAnimals", 6);
    Profile::SetFlag("Misc-MaxAge", 9);
    Profile::SetFlag("Money", 10000);
    Profile::SetFlag("Misc-Quests", 5);
    Profile::SetFlag("Misc-Breeds", 13);
    Profile::SetFlag("StatueCount", 8);
    EXPECT_EQ(CheckAwards(), 0);  // no data awards: nothing announced
    EXPECT_EQ(Profile::GetFlagValue("Award-Animals"), 2);
    EXPECT_EQ(Profile::GetFlag("Award-Age"), nullptr);
    EXPECT_EQ(Profile::GetFlagValue("Award-Money"), 3);
    EXPECT_EQ(Profile::GetFlagValue("Award-Quests"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Award-Breeds"), 3);
    EXPECT_EQ(Profile::GetFlagValue("Award-Statues"), 1);

    Profile::SetFlag("Money", 20);  // spending money keeps the level earned
    Profile::SetFlag("Award-Animals", 3);  // a level the data gave stays
    CheckAwards();
    EXPECT_EQ(Profile::GetFlagValue("Award-Money"), 3);
    EXPECT_EQ(Profile::GetFlagValue("Award-Animals"), 3);
    EXPECT_EQ(AwardInfo::LevelFor(1, 49), 2);
    EXPECT_EQ(AwardInfo::LevelFor(1, 50), 3);
}
