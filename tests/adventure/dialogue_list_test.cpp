// The dialogue script loader: element reference, defaults, generated moves and rejected files.
#include "dialogue_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app.h"
#include "system.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void ThrowFatal(const std::string& text) { throw std::runtime_error(text); }

class DialogueListTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / (std::string("mossmeadow_dialogues_") + info->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "Data" / "Dialogues");
        saved_app_dir_ = app_dir;
        app_dir = root_.string();
        DialogueList::Destroy();
        SetFatalHandler(ThrowFatal);
    }
    void TearDown() override {
        SetFatalHandler(nullptr);
        DialogueList::Destroy();
        app_dir = saved_app_dir_;
        fs::remove_all(root_);
    }
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path path = root_ / "Data" / "Dialogues" / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    // Loads one dialogue from the given steps and returns it (null when the file was rejected).
    Dialogue* LoadSteps(const std::string& steps) {
        const std::string path = Write("one.xml", "<dialogues>\n<dialogue id=\"1\">\n" + steps + "\n</dialogue>\n</dialogues>\n");
        if (!DialogueList::Load(path)) return nullptr;
        return DialogueList::GetDialogue(1);
    }

    fs::path root_;
    std::string saved_app_dir_;
};

TEST_F(DialogueListTest, DialogueAttributesAndDefaults) {
    const std::string path = Write("a.xml",
                                   "<x>\n<dialogue id=\"4\"/>\n"
                                   "<dialogue id=\"5\" name=\"Talk-Mayor\" color=\"1\" tutorial=\"0\"/>\n"
                                   "<dialogue id=\"4\" name=\"Later\"/>\n</x>\n");
    ASSERT_EQ(DialogueList::Load(path), 1);
    ASSERT_EQ(dialogue_list.size(), 3u);
    Dialogue* first = DialogueList::GetDialogue(4);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, "");  // the first of duplicate ids wins
    EXPECT_FLOAT_EQ(first->color, 0.8f);
    EXPECT_EQ(first->tutorial, 0);
    EXPECT_TRUE(first->items.empty());
    Dialogue* second = DialogueList::GetDialogue(5);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->name, "Talk-Mayor");
    EXPECT_FLOAT_EQ(second->color, 1.0f);
    EXPECT_EQ(second->tutorial, 1);  // presence alone counts
    EXPECT_EQ(DialogueList::GetDialogue(6), nullptr);
}

TEST_F(DialogueListTest, WaitIsHundredthsTruncated) {
    Dialogue* d = LoadSteps("<wait value=\"1.5\"/><wait value=\"0.004\"/><wait value=\"abc\"/>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 3u);
    EXPECT_EQ(d->items[0]->item_type, kStepWait);
    EXPECT_EQ(d->items[0]->value, 150);
    EXPECT_EQ(d->items[1]->value, 0);
    EXPECT_EQ(d->items[2]->value, 0);
}

TEST_F(DialogueListTest, EnterLeftAndRightAppendTheMoveOnStage) {
    Dialogue* d = LoadSteps(
        "<enter id=\"2\" left=\"\" x=\"300\" image=\"1010\" pitch=\"1.2\" frames=\"30\" block=\"0\"/>\n"
        "<enter id=\"3\" right=\"1\"/>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 4u);
    const DialogueItem& enter = *d->items[0];
    EXPECT_EQ(enter.item_type, kStepEnter);
    EXPECT_EQ(enter.id, 2);
    EXPECT_EQ(enter.extra, kModeLeft);
    EXPECT_EQ(enter.value, 1010);
    EXPECT_FLOAT_EQ(enter.pitch, 1.2f);
    const DialogueItem& move = *d->items[1];
    EXPECT_EQ(move.item_type, kStepMove);
    EXPECT_EQ(move.id, 2);
    EXPECT_EQ(move.value, 300);
    EXPECT_EQ(move.extra, 30);
    EXPECT_EQ(move.block, 0);
    EXPECT_EQ(d->items[2]->extra, kModeRight);
    EXPECT_EQ(d->items[2]->value, 0);  // no image: the player
    EXPECT_EQ(d->items[3]->item_type, kStepMove);
    EXPECT_EQ(d->items[3]->value, virtual_width - 256);
    EXPECT_EQ(d->items[3]->extra, 0);
    EXPECT_EQ(d->items[3]->block, 1);
}

TEST_F(DialogueListTest, EnterModesAndTheImageOverride) {
    Dialogue* d = LoadSteps(
        "<enter id=\"1\" item=\"Compass\" remove=\"\" image=\"7\"/>\n"
        "<enter id=\"2\" item=\"Apple\" text=\"An apple a day\"/>\n"
        "<enter id=\"3\" info=\"4\"/>\n"
        "<enter id=\"4\" message=\"\" text=\"Title\"/>\n"
        "<enter id=\"5\"/>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 5u);  // no generated moves for these modes
    EXPECT_EQ(d->items[0]->extra, kModeItem);
    EXPECT_EQ(d->items[0]->item, "Compass");
    EXPECT_EQ(d->items[0]->value, 7);  // the image wins over the remove code 2
    EXPECT_EQ(d->items[1]->value, 1);
    EXPECT_EQ(d->items[1]->text, "An apple a day");
    EXPECT_EQ(d->items[2]->extra, kModeInfo);
    EXPECT_EQ(d->items[2]->value, 4);
    EXPECT_EQ(d->items[3]->extra, kModeMessage);
    EXPECT_EQ(d->items[3]->text, "Title");
    EXPECT_EQ(d->items[4]->extra, kModeNone);
}

TEST_F(DialogueListTest, FlagStepsSetRandomAndAdd) {
    Dialogue* d = LoadSteps(
        "<flag name=\"A\" value=\"5\" random=\"9\"/><flag name=\"B\" random=\"3\"/>"
        "<flag name=\"C\" add=\"-2\"/><flag name=\"D\"/>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 4u);
    EXPECT_EQ(d->items[0]->flag, "A");
    EXPECT_EQ(d->items[0]->value, 5);
    EXPECT_EQ(d->items[0]->extra, 0);  // value comes first; random is not read
    EXPECT_EQ(d->items[1]->extra, 3);
    EXPECT_EQ(d->items[1]->value, 0);
    EXPECT_EQ(d->items[2]->extra, -1);
    EXPECT_EQ(d->items[2]->value, -2);
    EXPECT_EQ(d->items[3]->value, 1);
    EXPECT_EQ(d->items[3]->extra, 0);
}

TEST_F(DialogueListTest, TextBlockOnlyExactZeroReleases) {
    Dialogue* d = LoadSteps(
        "<text id=\"1\" text=\"a\" block=\"false\"/><text id=\"1\" text=\"b\" block=\"0\"/>"
        "<text id=\"1\" text=\"c\" block=\"00\"/><text id=\"1\" text=\"d\" flag=\"F\"/>"
        "<text id=\"1\" text=\"e\" flag=\"F\" value=\"0\"/>");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->items[0]->block, 1);
    EXPECT_EQ(d->items[1]->block, 0);
    EXPECT_EQ(d->items[2]->block, 1);
    EXPECT_EQ(d->items[3]->flag, "F");
    EXPECT_EQ(d->items[3]->value, 1);
    EXPECT_EQ(d->items[4]->value, 0);
}

TEST_F(DialogueListTest, OtherStepElements) {
    Dialogue* d = LoadSteps(
        "<move id=\"2\" x=\"500\"/><exit id=\"2\" frames=\"40\"/><actor id=\"2\" block=\"0\"/>"
        "<skip id=\"9\"/><add_image id=\"2\" image=\"4001\" x=\"10100\" y=\"10200\" flag=\"G\"/>"
        "<del_image id=\"2\" image=\"4001\" x=\"5\" flag=\"G\" value=\"3\"/><label id=\"9\"/>"
        "<goto id=\"9\" item=\"Compass\"/><location id=\"3\"/><item name=\"Apple\"/>"
        "<item name=\"Meat\" number=\"-1\"/><music path=\"Data/Music/Lake.ogg\"/><mood value=\"2\"/>"
        "<game id=\"13\"/>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 14u);
    const auto& s = d->items;
    EXPECT_EQ(s[0]->item_type, kStepMove);
    EXPECT_EQ(s[0]->value, 500);
    EXPECT_EQ(s[0]->extra, 0);
    EXPECT_EQ(s[1]->item_type, kStepExit);
    EXPECT_EQ(s[1]->value, 40);
    EXPECT_EQ(s[2]->item_type, kStepActor);
    EXPECT_EQ(s[2]->block, 0);
    EXPECT_EQ(s[3]->item_type, kStepSkip);
    EXPECT_EQ(s[3]->id, 9);
    EXPECT_EQ(s[4]->item_type, kStepAddImage);
    EXPECT_EQ(s[4]->value, 4001);
    EXPECT_EQ(s[4]->x, 10100);
    EXPECT_EQ(s[4]->y, 10200);
    EXPECT_EQ(s[4]->extra, 1);
    EXPECT_EQ(s[5]->item_type, kStepDelImage);
    EXPECT_EQ(s[5]->x, 0);  // del_image reads no position
    EXPECT_EQ(s[5]->extra, 3);
    EXPECT_EQ(s[6]->item_type, kStepLabel);
    EXPECT_EQ(s[7]->item_type, kStepGoto);
    EXPECT_EQ(s[7]->item, "Compass");
    EXPECT_EQ(s[7]->flag, "");
    EXPECT_EQ(s[8]->item_type, kStepLocation);
    EXPECT_EQ(s[8]->id, 3);
    EXPECT_EQ(s[9]->flag, "Apple");
    EXPECT_EQ(s[9]->value, 1);
    EXPECT_EQ(s[10]->value, -1);
    EXPECT_EQ(s[11]->flag, "Data/Music/Lake.ogg");
    EXPECT_EQ(s[12]->value, 2);
    EXPECT_EQ(s[13]->item_type, kStepGame);
    EXPECT_EQ(s[13]->id, 13);
}

TEST_F(DialogueListTest, ChoicesWithNestedSteps) {
    Dialogue* d = LoadSteps(
        "<choices>\n"
        "  <choice text=\"Fish\" flag=\"Quest-Squid\" name=\"Asked-Fish\" item=\"Big lure\">\n"
        "    <text id=\"1\" text=\"Hm.\"/>\n"
        "    <choices text=\"Deeper\"><choice text=\"Bye\"><goto id=\"1\"/></choice></choices>\n"
        "  </choice>\n"
        "  <choice text=\"Nothing\"/>\n"
        "</choices>\n<choices text=\"Empty\"></choices>");
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->items.size(), 2u);
    const DialogueItem& menu = *d->items[0];
    EXPECT_EQ(menu.item_type, kStepChoices);
    EXPECT_EQ(menu.text, "Ask about...");
    ASSERT_TRUE(menu.choices);
    ASSERT_EQ(menu.choices->size(), 2u);
    const DialogueChoice& fish = *(*menu.choices)[0];
    EXPECT_EQ(fish.text, "Fish");
    EXPECT_EQ(fish.flag, "Quest-Squid");
    EXPECT_EQ(fish.value, 1);
    EXPECT_EQ(fish.name, "Asked-Fish");
    EXPECT_EQ(fish.item, "Big lure");
    ASSERT_EQ(fish.items.size(), 2u);
    EXPECT_EQ(fish.items[1]->item_type, kStepChoices);
    EXPECT_EQ(fish.items[1]->text, "Deeper");
    EXPECT_EQ((*menu.choices)[1]->value, 0);  // no flag: value stays 0
    EXPECT_TRUE((*menu.choices)[1]->items.empty());
    EXPECT_EQ(d->items[1]->text, "Empty");
    EXPECT_TRUE(d->items[1]->choices->empty());
}

TEST_F(DialogueListTest, InvalidFilesAreRejected) {
    const char* bad[] = {
        "<x><dialogue id=\"1\"><choices><text id=\"1\" text=\"no\"/></choices></dialogue></x>",
        "<x><dialogue id=\"1\"><choices><choice/></choices></dialogue></x>",
        "<x><dialogue id=\"1\"><choices><choice text=\"a\"><dance/></choice></choices></dialogue></x>",
        "<x><dialogue id=\"1\"><dance/></dialogue></x>",
        "<x><dialogue id=\"1\"><wait/></dialogue></x>",
        "<x><dialogue id=\"1\"><text id=\"1\"/></dialogue></x>",
        "<x><dialogue id=\"1\"><move id=\"1\"/></dialogue></x>",
        "<x><dialogue id=\"1\"><add_image id=\"1\"/></dialogue></x>",
        "<x><dialogue id=\"1\"><flag value=\"1\"/></dialogue></x>",
        "<x><dialogue/></x>",
        "<x><talk id=\"1\"/></x>",
        "<x><dialogue id=\"1\"><wait  value=\"1\"/></dialogue></x>",  // two spaces: not XML to us
    };
    for (const char* text : bad) {
        DialogueList::Destroy();
        EXPECT_EQ(DialogueList::Load(Write("bad.xml", text)), 0) << text;
    }
    EXPECT_EQ(DialogueList::Load((root_ / "missing.xml").string()), 0);
}

TEST_F(DialogueListTest, InitializeLoadsOnlyLowerCaseXmlFiles) {
    Write("b.xml", "<x><dialogue id=\"2\"/></x>");
    Write("a.xml", "<x><dialogue id=\"1\"/></x>");
    Write("c.XML", "<x><dance/></x>");
    Write("d.xml.bak", "<x><dance/></x>");
    Write("notes.txt", "not xml at all");
    DialogueList::Initialize();
    ASSERT_EQ(dialogue_list.size(), 2u);
    EXPECT_EQ(dialogue_list[0]->id, 1);
    EXPECT_EQ(dialogue_list[1]->id, 2);
}

TEST_F(DialogueListTest, InitializeReportsTheBadFileByName) {
    Write("good.xml", "<x><dialogue id=\"1\"/></x>");
    Write("broken.xml", "<x><dialogue id=\"2\"><choices><wait value=\"1\"/></choices></dialogue></x>");
    try {
        DialogueList::Initialize();
        FAIL() << "a broken script must be fatal";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Error: 'broken.xml' invalid!");
    }
}

TEST_F(DialogueListTest, InitializeWithoutTheFolderIsFatal) {
    fs::remove_all(root_ / "Data" / "Dialogues");
    EXPECT_THROW(DialogueList::Initialize(), std::runtime_error);
}

}  // namespace
