// The data checker finds every kind of fault: a copy of the built game data with one seeded fault
// of each kind must be reported with the file and the kind named. (The shipped data itself is
// checked by the CTest "DataCheck.ShippedData", which runs `mossmeadow --check-data`.)
#include "data_check.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kBuiltData = fs::path(MOSSMEADOW_BUILD_DIR) / "Data";

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Puts `text` in front of the first `before` in the file (so the seeds do not depend on what the
// shipped data holds).
void Insert(const fs::path& path, const std::string& before, const std::string& text) {
    std::string content = ReadText(path);
    const size_t at = content.find(before);
    ASSERT_NE(at, std::string::npos) << path << " has no " << before;
    content.insert(at, text);
    WriteText(path, content);
}

// A game folder whose Data/ holds copies of the built catalogues and scripts and links to the
// generated media.
class SeededData : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kBuiltData / "Graphics")) GTEST_SKIP() << "no generated Data/ (build the game_data target)";
        dir_ = fs::temp_directory_path() / ("mossmeadow_check_" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(data());
        for (const fs::directory_entry& entry : fs::directory_iterator(kBuiltData)) {
            const fs::path target = data() / entry.path().filename();
            if (entry.path().filename() == "Dialogues") {
                fs::copy(entry.path(), target, fs::copy_options::recursive);
            } else if (entry.is_directory()) {
                fs::create_directory_symlink(entry.path(), target);
            } else {
                fs::copy_file(entry.path(), target);
            }
        }
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }
    fs::path data() const { return dir_ / "Data"; }
    fs::path dir_;
};

const char* const kSeededDialogues = R"(<dialogues>
<dialogue id="9001">
  <enter id="1" left=""/>
  <item name="Seeded nothing"/>
  <music path="Data/Music/Nowhere.ogg"/>
  <game id="99"/>
  <flag name="Quest-Repair" value="7"/>
  <flag name="Statue-14"/>
  <enter id="5" message=""/>
  <goto id="77" flag="Seeded-Jump"/>
  <label id="10"/>
  <choices text="Round and round">
    <choice text="Again"><goto id="10"/></choice>
    <choice text="Once" name="Seeded-Once"><goto id="90"/></choice>
  </choices>
  <label id="90"/>
  <exit id="1"/>
</dialogue>
</dialogues>
)";

}  // namespace

TEST_F(SeededData, EveryKindOfFaultIsReportedWithItsFile) {
    WriteText(data() / "Dialogues" / "seeded.xml", kSeededDialogues);
    WriteText(data() / "Dialogues" / "broken.xml", "<dialogues><dialogue id=\"9002\"><dance/></dialogue></dialogues>");
    Insert(data() / "locations.xml", "</locations>",
           "<location id=\"90\" name=\"Seeded\" bg=\"3001\">"
           "<hotspot x=\"10\" y=\"10\" image=\"3100\" name=\"Locked gate\" location=\"2\" if=\"Compass\"/>"
           "<hotspot x=\"20\" y=\"20\" image=\"77777\" name=\"Blank\"/>"
           "<hotspot x=\"30\" y=\"30\" image=\"3100\" name=\"Nowhere\" location=\"99\"/>"
           "</location>\n");
    Insert(data() / "items.xml", "</items>",
           "<item name=\"Seeded gem\" class=\"Quest\" image=\"5001\" description=\"Nobody has one.\"/>\n");
    Insert(data() / "awards.xml", "</awards>",
           "<award id=\"90\" title=\"Too many\" flag=\"Misc-Breeds\" value=\"14\" text=\"x\"/>\n");
    Insert(data() / "chapters.xml", "</chapters>",
           "<chapter title=\"Seeded\" bg=\"Data/Graphics/World/Cottage.jpg\" text=\"x\"><flag name=\"Seeded-Chapter\" "
           "value=\"1\"/></chapter>\n");
    // The program's sound 118 moves to id 1, which belongs to the music.
    std::string common = ReadText(data() / "common.xml");
    const size_t sound = common.find("<audio id=\"118\"");
    ASSERT_NE(sound, std::string::npos);
    common.replace(sound, 15, "<audio id=\"1\"");
    WriteText(data() / "common.xml", common);

    DataCheck check(dir_.string());
    check.RunAll();

    struct Expected {
        const char* kind;
        const char* file;
        const char* what;
    };
    const std::vector<Expected> expected = {
        {"load", "Data/Dialogues/broken.xml", "cannot load"},
        {"dialogue", "Data/locations.xml", "'Compass' but has no else dialogue"},
        {"label", "Data/Dialogues/seeded.xml", "no label 77"},
        {"item", "Data/Dialogues/seeded.xml", "no item 'Seeded nothing'"},
        {"image", "Data/locations.xml", "picture 77777"},
        {"sound", "Data/common.xml", "audio 118"},
        {"sound", "Data/common.xml", "audio 1:"},
        {"music", "Data/Dialogues/seeded.xml", "Data/Music/Nowhere.ogg"},
        {"location", "Data/locations.xml", "no location 99"},
        {"location", "Data/locations.xml", "location 90: nothing leads there"},
        {"game", "Data/Dialogues/seeded.xml", "game 99"},
        {"quest", "Data/Dialogues/seeded.xml", "Quest-Repair = 7"},
        {"flag", "Data/chapters.xml", "nothing ever sets Seeded-Chapter"},
        {"flag", "Data/Dialogues/seeded.xml", "nothing ever sets Seeded-Jump"},
        {"given", "Data/items.xml", "'Seeded gem'"},
        {"award", "Data/awards.xml", "Misc-Breeds >= 14"},
        {"statue", "Data/Dialogues", "Statue-14"},
        {"menu", "Data/Dialogues/seeded.xml", "'Round and round' has no way out"},
        {"actor", "Data/Dialogues/seeded.xml", "actor 5 can still be on stage"},
    };
    for (const Expected& e : expected) {
        bool found = false;
        for (const DataProblem& p : check.ProblemsOf(e.kind)) {
            found = found || (p.file == e.file && p.Line().find(e.what) != std::string::npos);
        }
        EXPECT_TRUE(found) << e.kind << " fault not reported: " << e.file << ": ..." << e.what;
    }

    // `mossmeadow --check-data` prints the same problems, one per line, and fails.
    const fs::path out = dir_ / "out.txt";
    const int status = std::system((std::string(MOSSMEADOW_BINARY) + " --check-data --data-dir '" + dir_.string() +
                                    "' > '" + out.string() + "' 2>/dev/null")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    std::string printed;
    for (const DataProblem& p : check.Problems()) printed += p.Line() + "\n";
    EXPECT_EQ(ReadText(out), printed);
}
