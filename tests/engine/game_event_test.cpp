// The play-scene base and the ordinary location scene: scroll clamps, dragging and edge scrolling,
// the entry view, the scripted camera move, hotspot callbacks, dialogue states, location changes
// through flags and actions, music per location and the scene factory.
#include "game_event.h"

#include <cmath>

#include "../adventure/play_test_support.h"
#include "adventure_gui.h"
#include "audio_list.h"
#include "chapter.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "loader.h"
#include "location_event.h"
#include "text_control.h"

namespace {

class GameEventTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        locations.clear();
        dialogue_list.clear();
        ChapterList::Clear();
        AudioList::StopMusic();
        current_music_path.clear();
        game_state = kStateNormal;
        current_dialogue = nullptr;
        current_location = nullptr;
        window_open = 0;
        location = 1;
        screen_fade.SetAbsolute(1);
        AddPicture(3001, 1424, 768);
        AddPicture(3002, 1024, 768);
    }
    void TearDown() override {
        current_event.reset();
        gui_controls.clear();
        AdventureGUI::Cleanup();
        window_open = 0;
        locations.clear();
        dialogue_list.clear();
        ChapterList::Clear();
        current_dialogue = nullptr;
        current_location = nullptr;
        AudioList::StopMusic();
        current_music_path.clear();
        PlayTest::TearDown();
    }

    Location& AddLocation(int id, int bg, const std::string& music = "") {
        auto loc = std::make_shared<Location>();
        loc->id = id;
        loc->name = "Place " + std::to_string(id);
        loc->bg = bg;
        loc->music = music;
        locations.push_back(loc);
        return *loc;
    }

    Dialogue& AddDialogue(int id, int tutorial = 0) {
        auto d = std::make_unique<Dialogue>();
        d->id = id;
        d->tutorial = tutorial;
        d->color = 1;
        dialogue_list.push_back(std::move(d));
        return *dialogue_list.back();
    }

    // A started scene for the current `location`.
    std::unique_ptr<LocationEvent> StartScene() {
        auto scene = std::make_unique<LocationEvent>();
        scene->Initialize();
        return scene;
    }
};

TEST(ScrollClamp, ScreenSizedPictureNeverScrolls) {
    EXPECT_EQ(ClampScroll(0, 1024, 1024), 0);
    EXPECT_EQ(ClampScroll(500, 1024, 1024), 0);
    EXPECT_EQ(ClampScroll(-500, 1024, 1024), 0);
    EXPECT_EQ(ClampScroll(300, 800, 1024), 0);
}

TEST(ScrollClamp, WidePictureScrollsFromMinus201To200) {
    EXPECT_EQ(ClampScroll(1000, 1424, 1024), 200);
    EXPECT_EQ(ClampScroll(-1000, 1424, 1024), -201);
    EXPECT_EQ(ClampScroll(-201, 1424, 1024), -201);
    EXPECT_EQ(ClampScroll(123.9f, 1424, 1024), 123);
    EXPECT_EQ(ClampScroll(-0.9f, 1424, 1024), 0);      // truncated toward zero
    EXPECT_EQ(ClampScroll(-200.5f, 1424, 1024), -200);
    EXPECT_EQ(ClampScroll(5000, 1168, 768), 200);
    EXPECT_EQ(ClampScroll(-5000, 1068, 768), -151);
    EXPECT_EQ(ClampScroll(9, 1025, 1024), 0);  // odd sizes: integer halves
    EXPECT_EQ(ClampScroll(-9, 1025, 1024), -1);
}

TEST_F(GameEventTest, InitializeReadsTheLocationAndSavesOutsideAnyDialogue) {
    Location& loc = AddLocation(1, 3001);
    loc.random = 5;
    saving_blocked = 1;  // left behind by a dialogue that moved the player
    Profile::SetFlag("Misc-SetCoords", 2);
    game_state = kStateExit;
    auto scene = StartScene();
    EXPECT_EQ(scene->initialized, 1);
    EXPECT_EQ(current_location, &loc);
    EXPECT_EQ(scene->width, 1424);
    EXPECT_EQ(scene->height, 768);
    EXPECT_EQ(scene->name, "Place 1");
    EXPECT_EQ(saving_blocked, 0);
    EXPECT_EQ(game_state, kStateNormal);
    EXPECT_EQ(Profile::GetFlagValue("Misc-SetCoords"), 0);
    EXPECT_GE(Profile::GetFlagValue("RandomValue"), 0);
    EXPECT_LE(Profile::GetFlagValue("RandomValue"), 5);
    EXPECT_EQ(hotspot_area_w, 1424);
    EXPECT_EQ(hud_active, 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 1.0f);
}

TEST_F(GameEventTest, InitializeSavesTheActiveProfile) {
    AddLocation(1, 3002);
    Profile::NewProfile("Tester", 1);
    profile_active = 1;
    saving_blocked = 1;
    auto scene = StartScene();
    EXPECT_TRUE(std::filesystem::exists(Profile::ProfilePath("Tester")));
}

// A save that cannot be written (here the profiles folder is a file) does not end the game: the
// scene says so once in a message window, and the next failed save of the run says nothing.
TEST_F(GameEventTest, AFailedSaveIsToldOnceInAMessageWindow) {
    AddLocation(1, 3002);
    Profile::NewProfile("Tester", 1);
    std::filesystem::remove_all(user_dir + "/Profiles");
    WritePlayFile(user_dir + "/Profiles", "not a folder");
    auto scene = StartScene();
    EXPECT_EQ(save_failed, 1);
    scene->Update(1);
    EXPECT_EQ(window_open, 1);
    bool told = false;
    for (const auto& control : gui_controls)
        if (auto* text = dynamic_cast<TextControl*>(control.get())) told = told || text->text == kSaveFailedText;
    EXPECT_TRUE(told);
    AdventureGUI::Activate();
    scene->Update(1);
    EXPECT_EQ(game_state, kStateNormal);

    scene = StartScene();  // the next location: its save fails as well, and is not told again
    scene->Update(1);
    EXPECT_EQ(window_open, 0);
    EXPECT_EQ(game_state, kStateNormal);
    save_failed = 0;
}

TEST_F(GameEventTest, SkipMusicKeepsTheCurrentMusicThroughTwoStarts) {
    WritePlayFile(dir + "/a.ogg", "not really music");
    AddLocation(1, 3002, "a.ogg");
    Profile::SetFlag("SkipMusic", 2);
    current_music_path = "old";
    StartScene();
    EXPECT_EQ(Profile::GetFlagValue("SkipMusic"), 1);
    EXPECT_EQ(current_music_path, "old");
    StartScene();
    EXPECT_EQ(Profile::GetFlagValue("SkipMusic"), 0);
    EXPECT_EQ(current_music_path, "old");
    StartScene();
    EXPECT_EQ(current_music_path, dir + "/a.ogg");
}

TEST_F(GameEventTest, LocationPicturesAreQueuedAndFreed) {
    Location& loc = AddLocation(1, 3002);
    const std::string path = dir + "/leaf.png";
    ASSERT_TRUE(WritePngFile(path, SolidPixmap(8, 8, 0xff00ff00u)));
    LocationFile file;
    file.id = 10000;
    file.path = "leaf.png";
    loc.files.push_back(file);
    auto scene = StartScene();
    ASSERT_FALSE(loader_queue.empty());
    EXPECT_EQ(loader_queue.back().id, 10000);
    EXPECT_EQ(loader_queue.back().path, path);
    while (!loader_queue.empty()) Loader::Update(1);
    EXPECT_NE(ImageList::GetImageContainer(10000), nullptr);
    scene->Free();
    EXPECT_EQ(ImageList::GetImageContainer(10000), nullptr);
    Loader::Clear();
}

TEST_F(GameEventTest, HeldButtonStartsNoDragUntilReleasedOnce) {
    AddLocation(1, 3001);
    auto scene = StartScene();
    mouse_x = 512;
    mouse_y = 384;
    scene->action_ok = 0;  // as after a click that a hotspot took
    mouse_click = 1;
    scene->StateNormal(1);
    scene->StateNormal(1);
    EXPECT_EQ(scene->dragging, 0);
    mouse_click = 0;
    scene->StateNormal(1);
    EXPECT_EQ(scene->action_ok, 1);
    mouse_click = 1;
    scene->StateNormal(1);
    EXPECT_EQ(scene->dragging, 1);
    EXPECT_EQ(scene->drag_mx, 512);
    mouse_x = 462;
    mouse_y = 300;
    scene->StateNormal(1);
    EXPECT_EQ(scene->xpos, -50);
    EXPECT_EQ(scene->ypos, 0);  // 768 high: no vertical scroll
    mouse_x = 0;                // dragged far: clamped
    scene->StateNormal(1);
    EXPECT_EQ(scene->xpos, -201);
    mouse_click = 0;
    scene->StateNormal(1);
    EXPECT_EQ(scene->dragging, 0);
}

TEST_F(GameEventTest, EdgeScrollingMovesFourPixelsPerUnitUpToTheClamp) {
    AddLocation(1, 3001);
    auto scene = StartScene();
    mouse_x = 10;
    mouse_y = 10;
    scene->StateNormal(2.5f);
    EXPECT_EQ(scene->xpos, 10);
    EXPECT_EQ(scene->ypos, 0);
    for (int i = 0; i < 100; ++i) scene->StateNormal(1);
    EXPECT_EQ(scene->xpos, 200);
    mouse_x = 992;
    scene->StateNormal(1);
    EXPECT_EQ(scene->xpos, 196);
}

TEST_F(GameEventTest, EntryViewIsCentredOnTheWayBack) {
    Location& loc = AddLocation(1, 3001);
    LocationHotspot other = MakeRecord(1, 100, 384, 10, 10);
    other.location = 9;
    LocationHotspot back = MakeRecord(2, 1300, 384, 10, 10);
    back.location = 4;
    LocationHotspot back2 = MakeRecord(3, 500, 384, 10, 10);
    back2.location = 4;
    loc.hotspots = {other, back, back2};
    auto scene = StartScene();
    Profile::SetFlag("OldLocation", 4);
    Profile::SetFlag("Misc-SetCoords", 1);
    mouse_x = 512;
    mouse_y = 384;
    scene->xpos = 77;
    scene->StateNormal(1);
    EXPECT_EQ(scene->xpos, -201);  // 712 - 1300 clamped
    EXPECT_EQ(Profile::GetFlagValue("Misc-SetCoords"), 2);
    scene->xpos = 50;
    scene->StateNormal(1);  // runs once only
    EXPECT_EQ(scene->xpos, 50);
}

TEST_F(GameEventTest, CameraMoveGlidesToThePointWithSparklesThenEnds) {
    AddLocation(1, 3001);
    auto scene = StartScene();
    mouse_x = 512;
    mouse_y = 384;
    Profile::SetFlag("Misc-MoveEnabled", 1);
    Profile::SetFlag("Misc-MoveToX", 612);  // 100 left of the centre
    Profile::SetFlag("Misc-MoveToY", 384);
    scene->StateNormal(1);
    EXPECT_EQ(scene->move_to, 1);
    EXPECT_EQ(scene->move_rx, 100);
    EXPECT_EQ(scene->move_x, 100);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MoveEnabled"), 0);
    EXPECT_EQ(Profile::GetFlagValue("Misc-MoveToX"), 0);
    // The first step already moved one pixel per unit.
    EXPECT_NEAR(scene->xpos, 1, 1e-4);
    int frames = 1;
    while (scene->move_to && frames < 2000) {
        scene->StateNormal(1);
        ++frames;
    }
    EXPECT_EQ(scene->move_to, 0);
    EXPECT_NEAR(scene->xpos, 100, 33);
    EXPECT_GT(scene->xpos, 60);
    EXPECT_FALSE(ParticleList::SceneParticles().empty());
    // Sparkles rise around the target point of the picture: x = 712 - (100 +/- 48).
    for (const ParticlePtr& p : ParticleList::SceneParticles()) {
        auto* dot = dynamic_cast<DotParticle*>(p.get());
        ASSERT_NE(dot, nullptr);
        EXPECT_GE(dot->x, 712 - 148);
        EXPECT_LE(dot->x, 712 - 52);
    }
    EXPECT_EQ(scene->move_alpha.destination, 0);
}

TEST_F(GameEventTest, DialogueHotspotUsesResultWhileTheConditionItemIsMissing) {
    AddLocation(1, 3002);
    AddDialogue(20);
    AddDialogue(21);
    auto scene = StartScene();
    DialogueHotspot h;
    h.data = 20;
    h.condition = "Lantern";
    h.result = 21;
    GameEvent::StartDialogue(h);
    ASSERT_NE(current_dialogue, nullptr);
    EXPECT_EQ(current_dialogue->id, 21);
    EXPECT_EQ(game_state, kStateDialogue);
    EXPECT_EQ(hud_active, 0);
    scene->StateDialogue(1);  // an empty script: its frame is dropped, then it ends
    EXPECT_EQ(game_state, kStateDialogue);
    scene->StateDialogue(1);
    EXPECT_EQ(game_state, kStateNormal);
    EXPECT_EQ(current_dialogue, nullptr);
    EXPECT_EQ(hud_active, 1);

    Profile::AddItem("Lantern", 1);
    GameEvent::StartDialogue(h);
    ASSERT_NE(current_dialogue, nullptr);
    EXPECT_EQ(current_dialogue->id, 20);
}

TEST_F(GameEventTest, PortalWithoutItsItemTalksInsteadOfLeaving) {
    AddLocation(1, 3002);
    AddLocation(5, 3002);
    AddDialogue(30);
    auto scene = StartScene();
    PortalHotspot h;
    h.data = 5;
    h.condition = "Lantern";
    h.result = 30;
    GameEvent::StartLocation(h);
    EXPECT_EQ(game_state, kStateDialogue);
    EXPECT_EQ(location, 1);
    game_state = kStateNormal;
    Profile::AddItem("Lantern", 1);
    GameEvent::StartLocation(h);
    EXPECT_EQ(location, 5);
    EXPECT_EQ(game_state, kStateExit);
}

TEST_F(GameEventTest, PortalWithoutItsItemAndWithoutFallbackDoesNothing) {
    AddLocation(1, 3002);
    AddLocation(13, 3002);
    auto scene = StartScene();
    PortalHotspot portal;
    portal.data = 13;
    portal.condition = "Compass";
    DialogueHotspot talk;
    talk.data = 20;
    talk.condition = "Compass";
    for (Hotspot* h : {static_cast<Hotspot*>(&portal), static_cast<Hotspot*>(&talk)}) {
        clicked_hotspot = h;
        if (h == &portal) {
            GameEvent::StartLocation(*h);  // no dialogue id 0 is looked up: that would be fatal
        } else {
            GameEvent::StartDialogue(*h);
        }
        EXPECT_EQ(game_state, kStateNormal);
        EXPECT_EQ(location, 1);
        EXPECT_EQ(current_dialogue, nullptr);
        EXPECT_EQ(clicked_hotspot, nullptr);  // the other hotspots take clicks again
    }
}

TEST_F(GameEventTest, SkippedTutorialLeavesNoClickBehind) {
    Location& loc = AddLocation(1, 3002);
    LocationHotspot tip = MakeRecord(1, 100, 100, 20, 20);
    tip.dialogue = 40;
    LocationHotspot talk = MakeRecord(2, 300, 100, 20, 20);
    talk.dialogue = 41;
    loc.hotspots = {tip, talk};
    AddDialogue(40, 1);
    AddDialogue(41);
    Profile::SetFlag("Switch-SkipTutorial", 1);
    auto scene = StartScene();
    mouse_x = 100;
    mouse_y = 100;
    mouse_click = 1;
    scene->StateNormal(1);
    EXPECT_EQ(game_state, kStateNormal);
    EXPECT_EQ(current_dialogue, nullptr);
    EXPECT_EQ(clicked_hotspot, nullptr);
    mouse_click = 0;
    scene->StateNormal(1);
    mouse_x = 300;
    mouse_click = 1;
    scene->StateNormal(1);
    ASSERT_NE(current_dialogue, nullptr);
    EXPECT_EQ(current_dialogue->id, 41);
}

TEST_F(GameEventTest, FullFramesFromClickToDialogueEndAndNoDragWhileHeld) {
    Location& loc = AddLocation(1, 3001);
    LocationHotspot talk = MakeRecord(1, 712, 384, 40, 40);  // picture centre = screen centre
    talk.dialogue = 60;
    loc.hotspots = {talk};
    AddDialogue(60);
    auto scene = StartScene();
    mouse_x = 512;
    mouse_y = 384;
    scene->Update(1);  // hover
    mouse_click = 1;
    scene->Update(1);  // click
    EXPECT_EQ(game_state, kStateDialogue);
    EXPECT_NE(clicked_hotspot, nullptr);
    for (int i = 0; i < 5 && game_state == kStateDialogue; ++i) scene->Update(1);
    EXPECT_EQ(game_state, kStateNormal);
    EXPECT_EQ(clicked_hotspot, nullptr);
    EXPECT_EQ(scene->dragging, 0);
    // Still held: the same press neither drags nor clicks the hotspot again.
    mouse_x = 400;
    scene->Update(1);
    scene->Update(1);
    EXPECT_EQ(scene->dragging, 0);
    EXPECT_EQ(scene->xpos, 0);
    EXPECT_EQ(game_state, kStateNormal);
}

// A dialogue's outcome is saved when it ends; a shutdown while one runs writes the profile as it
// stood when it began (an item picked up just before is kept, the dialogue's half-done steps are
// not). Once, quitting during a dialogue lost everything since the last location change.
TEST_F(GameEventTest, DialoguesAreSavedWhenTheyEndAndAShutdownDuringOneKeepsItsStart) {
    AddLocation(1, 3002);
    Dialogue& sale = AddDialogue(60);
    sale.name = "Met Malcolm";
    auto step = [](int type, const std::string& flag, int value) {
        auto item = std::make_shared<DialogueItem>();
        item->item_type = type;
        item->flag = flag;
        item->value = value;
        return item;
    };
    sale.items = {step(kStepFlag, "Sold", 1), step(kStepWait, "", 20)};
    Profile::NewProfile("Tester", 1);
    auto scene = StartScene();
    const std::string path = Profile::ProfilePath("Tester");
    auto saved = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    Profile::AddItem("Lantern", 1);  // picked up: not saved yet
    GameEvent::InitDialogue(60);
    for (int i = 0; i < 3; ++i) scene->Update(1);
    ASSERT_EQ(game_state, kStateDialogue);
    EXPECT_EQ(Profile::GetFlagValue("Sold"), 1);
    EXPECT_EQ(Profile::Save(), 0);  // never while a dialogue runs
    EXPECT_EQ(Profile::SaveOnShutdown(), 1);
    std::string text = saved();
    EXPECT_NE(text.find("<item name=\"Lantern\" number=\"1\"/>"), std::string::npos) << text;
    EXPECT_EQ(text.find("Sold"), std::string::npos) << text;
    EXPECT_EQ(text.find("Met Malcolm"), std::string::npos) << text;

    for (int i = 0; i < 40 && game_state == kStateDialogue; ++i) scene->Update(1);
    ASSERT_EQ(game_state, kStateNormal);
    text = saved();  // saved as the dialogue ended, before any shutdown
    EXPECT_NE(text.find("<flag name=\"Sold\" value=\"1\"/>"), std::string::npos) << text;
    EXPECT_NE(text.find("<flag name=\"Met Malcolm\" value=\"1\"/>"), std::string::npos) << text;
    Profile::SetFlag("Later", 1);
    EXPECT_EQ(Profile::SaveOnShutdown(), 1);  // outside a dialogue: the profile as it is
    EXPECT_NE(saved().find("Later"), std::string::npos);
}

TEST_F(GameEventTest, UnknownDialogueIsFatal) {
    AddLocation(1, 3002);
    auto scene = StartScene();
    try {
        GameEvent::InitDialogue(77);
        FAIL() << "no fatal error";
    } catch (const PlayFatal& e) {
        EXPECT_STREQ(e.what(), "Error: Dialogue id 77 not found!");
    }
}

TEST_F(GameEventTest, DoLocationRemembersTheWayBackAndFadesMusicOnlyWhenItChanges) {
    AddLocation(1, 3002, "Data/Music/Village.ogg");
    AddLocation(2, 3002, "Data/Music/Village.ogg");
    AddLocation(3, 3002, "Data/Music/Ranch.ogg");
    auto scene = StartScene();
    music_fade.SetAbsolute(1);
    music_id = 1;  // as if the village tune played
    GameEvent::DoLocation(2);
    EXPECT_EQ(Profile::GetFlagValue("OldLocation"), 1);
    EXPECT_EQ(location, 2);
    EXPECT_EQ(game_state, kStateExit);
    EXPECT_EQ(UpdateList::Count(), 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.0f);
    EXPECT_EQ(music_fade.delta, 0);  // same music: no fade
    location = 1;
    Profile::SetFlag("SkipMusic", 1);
    GameEvent::DoLocation(3);
    EXPECT_EQ(music_fade.delta, 0);  // skipped
    location = 1;
    Profile::SetFlag("SkipMusic", 0);
    GameEvent::DoLocation(3);
    EXPECT_LT(music_fade.delta, 0);
    music_id = 0;
    music_fade.SetAbsolute(0);
}

TEST_F(GameEventTest, ActionLocationKeepsTheOldLocationOfTheLastDoLocation) {
    Location& loc = AddLocation(2, 3002);
    auto action = std::make_shared<Action>();
    action->name = "Story-Go";
    action->value = 1;
    action->location = 7;
    loc.actions.push_back(action);
    location = 1;
    AddLocation(1, 3002);
    GameEvent::DoLocation(2);  // OldLocation 1
    UpdateList::Clear();
    auto scene = StartScene();
    EXPECT_EQ(current_location, &loc);
    Profile::SetFlag("Story-Go", 1);
    Profile::SetFlag("Misc-StopMusic", 1);
    mouse_x = mouse_y = 400;
    EXPECT_EQ(scene->StateNormal(1), 1);
    EXPECT_EQ(location, 7);
    EXPECT_EQ(game_state, kStateExit);
    EXPECT_EQ(Profile::GetFlagValue("OldLocation"), 1);
    EXPECT_EQ(Profile::GetFlagValue("Misc-StopMusic"), 0);
}

TEST_F(GameEventTest, ActionDialogueStartsIt) {
    Location& loc = AddLocation(1, 3002);
    auto action = std::make_shared<Action>();
    action->name = "Story-Talk";
    action->value = 0;
    action->dialogue = 50;
    action->flag_list.push_back(Flag("Story-Talk", 1));
    loc.actions.push_back(action);
    AddDialogue(50);
    auto scene = StartScene();
    EXPECT_EQ(scene->StateNormal(1), 1);
    EXPECT_EQ(game_state, kStateDialogue);
    EXPECT_EQ(Profile::GetFlagValue("Story-Talk"), 1);  // the action's flags applied first
    game_state = kStateNormal;
    EXPECT_EQ(scene->StateNormal(1), 0);  // fires once
}

TEST_F(GameEventTest, FlagsRequestLocationChangeAndTitle) {
    AddLocation(1, 3002);
    AddLocation(6, 3002);
    auto scene = StartScene();
    Profile::SetFlag("GotoLocation", 6);
    scene->PreState(1);
    EXPECT_EQ(location, 6);
    EXPECT_EQ(game_state, kStateExit);
    EXPECT_EQ(Profile::GetFlag("GotoLocation"), nullptr);
    EXPECT_EQ(Profile::GetFlagValue("OldLocation"), 1);
    UpdateList::Clear();
    Profile::SetFlag("GotoTitle", 1);
    scene->PreState(1);
    EXPECT_EQ(Profile::GetFlag("GotoTitle"), nullptr);
    EXPECT_EQ(UpdateList::Count(), 1);
    EXPECT_FLOAT_EQ(screen_fade.destination, 0.0f);
}

TEST_F(GameEventTest, MenuWindowSwitchesToTheMenuStateAndBack) {
    AddLocation(1, 3002);
    auto scene = StartScene();
    AdventureGUI::ActivateMenu();
    scene->Update(1);
    EXPECT_EQ(game_state, kStateMenu);
    AdventureGUI::Activate();
    scene->Update(1);
    EXPECT_EQ(game_state, kStateNormal);
}

TEST_F(GameEventTest, FactoryPicksChapterThenLocationWithItsClouds) {
    Location& loc = AddLocation(1, 3002);
    loc.effect = 3;
    WritePlayFile(dir + "/chapters.xml",
                  "<chapters><chapter title=\"Ch-One\" bg=\"none.jpg\" text=\"Hello\"/></chapters>");
    ChapterList::Load(dir + "/chapters.xml");
    LocationEvent::Create();
    ASSERT_NE(dynamic_cast<Chapter*>(current_event.get()), nullptr);
    Profile::SetFlag("Ch-One", 1);
    LocationEvent::Create();
    auto* scene = dynamic_cast<LocationEvent*>(current_event.get());
    ASSERT_NE(scene, nullptr);
    auto* clouds = dynamic_cast<CloudEffect*>(scene->fx.get());
    ASSERT_NE(clouds, nullptr);
    EXPECT_EQ(clouds->ystart, 32);
    EXPECT_FLOAT_EQ(clouds->scale, 0.5f);
    loc.effect = 2;
    LocationEvent::Create();
    scene = dynamic_cast<LocationEvent*>(current_event.get());
    EXPECT_NE(dynamic_cast<BigCloudEffect*>(scene->fx.get()), nullptr);
}

TEST_F(GameEventTest, FactoryRejectsMissingAndUnsupportedLocations) {
    location = 42;
    try {
        LocationEvent::Create();
        FAIL() << "no fatal error";
    } catch (const PlayFatal& e) {
        EXPECT_STREQ(e.what(), "Error: Location 42 does not exist!");
    }
    AddLocation(42, 3002).special = 9;
    try {
        LocationEvent::Create();
        FAIL() << "no fatal error";
    } catch (const PlayFatal& e) {
        EXPECT_STREQ(e.what(), "Error: Special location id 9 doesn't exist!");
    }
}

TEST_F(GameEventTest, DrawingWithoutADisplayIsHarmless) {
    AddLocation(1, 3001);
    auto scene = StartScene();
    scene->move_to = 1;
    EXPECT_EQ(scene->Draw(), 0);
}

}  // namespace
