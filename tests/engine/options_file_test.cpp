// The options file: exact bytes written, what reading takes and what it refuses.
#include "options_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app.h"
#include "settings.h"
#include "system.h"

namespace {

namespace fs = std::filesystem;

[[noreturn]] void ThrowFatal(const std::string& text) { throw std::runtime_error(text); }

class OptionsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_profile_ = profile_name;
        saved_sound_ = sound_volume;
        saved_music_ = music_volume;
        saved_renderer_ = renderer;
        saved_fullscreen_ = fullscreen;
        profile_name = "";
        sound_volume = Interpolation(0.8f);
        music_volume = Interpolation(0.8f);
        renderer = 0;
        fullscreen = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / (std::string("mossmeadow_options_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Mossmeadow.ini").string();
    }
    void TearDown() override {
        profile_name = saved_profile_;
        sound_volume = saved_sound_;
        music_volume = saved_music_;
        renderer = saved_renderer_;
        fullscreen = saved_fullscreen_;
        fs::remove_all(dir_);
    }

    void WriteRaw(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string ReadRaw() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Marks every setting so that a test can see which ones a read changed.
    void SetMarkers() {
        profile_name = "Before";
        sound_volume = Interpolation(0.5f);
        music_volume = Interpolation(0.25f);
        renderer = 2;
        fullscreen = 1;
    }
    void ExpectMarkers() const {
        EXPECT_EQ(profile_name, "Before");
        EXPECT_EQ(sound_volume.Get(), 0.5);
        EXPECT_EQ(music_volume.Get(), 0.25);
        EXPECT_EQ(renderer, 2);
        EXPECT_EQ(fullscreen, 1);
    }

    fs::path dir_;
    std::string path_;

private:
    std::string saved_profile_;
    Interpolation saved_sound_, saved_music_;
    int saved_renderer_ = 0, saved_fullscreen_ = 0;
};

}  // namespace

TEST_F(OptionsFileTest, WritesTheDefaultsWithoutAProfileLine) {
    EXPECT_EQ(WriteOptions(path_), 1);
    EXPECT_EQ(ReadRaw(),
              "<?xml version=\"1.0\"?>\r\n"
              "<options>\r\n"
              "  <audio sound_volume=\"0.80000001192092896\" music_volume=\"0.80000001192092896\"/>\r\n"
              "  <graphics renderer=\"0\" fullscreen=\"0\"/>\r\n"
              "</options>\r\n");
}

TEST_F(OptionsFileTest, WritesEveryValueExactly) {
    profile_name = "Hazel Brook";
    sound_volume = Interpolation(1.0f);
    music_volume = Interpolation(0.0f);
    renderer = 2;
    fullscreen = 7;  // any non-zero value is written as 1
    WriteRaw("an older, much longer file that the new one must replace completely ...........");
    EXPECT_EQ(WriteOptions(path_), 1);
    EXPECT_EQ(ReadRaw(),
              "<?xml version=\"1.0\"?>\r\n"
              "<options>\r\n"
              "  <profile name=\"Hazel Brook\"/>\r\n"
              "  <audio sound_volume=\"1.0000000000000000\" music_volume=\"0.0000000000000000\"/>\r\n"
              "  <graphics renderer=\"2\" fullscreen=\"1\"/>\r\n"
              "</options>\r\n");
    EXPECT_EQ(OptionsFileText(), ReadRaw());
}

TEST_F(OptionsFileTest, WritesTheCurrentValueOfAMovingVolume) {
    sound_volume = Interpolation(0.25f);
    sound_volume.destination = 1.0f;  // on its way up: the file keeps where it stands now
    EXPECT_NE(OptionsFileText().find("sound_volume=\"0.25000000000000000\""), std::string::npos);
}

TEST_F(OptionsFileTest, ReadsEverySettingAndRoundTripsByteForByte) {
    const std::string text =
        "<?xml version=\"1.0\"?>\r\n"
        "<options>\r\n"
        "  <profile name=\"Rowan\"/>\r\n"
        "  <audio sound_volume=\"0.60000002384185791\" music_volume=\"0.30000001192092896\"/>\r\n"
        "  <graphics renderer=\"1\" fullscreen=\"1\"/>\r\n"
        "</options>\r\n";
    WriteRaw(text);
    sound_volume.destination = 0.1f;  // a read volume jumps: value and destination, no speed
    sound_volume.delta = 0.3f;
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(profile_name, "Rowan");
    EXPECT_EQ(sound_volume.value, 0.6f);
    EXPECT_EQ(sound_volume.destination, 0.6f);
    EXPECT_EQ(sound_volume.delta, 0.0f);
    EXPECT_EQ(music_volume.value, 0.3f);
    EXPECT_EQ(music_volume.destination, 0.3f);
    EXPECT_EQ(renderer, 1);
    EXPECT_EQ(fullscreen, 1);

    EXPECT_EQ(WriteOptions(path_), 1);
    EXPECT_EQ(ReadRaw(), text);
}

// An edited file cannot put a knob off its track: volumes stay within 0..1, whatever the number.
TEST_F(OptionsFileTest, VolumesOutsideZeroToOneAreClamped) {
    WriteRaw("<options><audio sound_volume=\"7\" music_volume=\"1e39\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(sound_volume.Get(), 1.0);
    EXPECT_EQ(music_volume.Get(), 1.0);
    WriteRaw("<options><audio sound_volume=\"-3\" music_volume=\"-1e39\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(sound_volume.Get(), 0.0);
    EXPECT_EQ(music_volume.Get(), 0.0);
}

TEST_F(OptionsFileTest, QuietVolumesReadAsSilence) {
    WriteRaw("<options><audio sound_volume=\"0.005\" music_volume=\"0.01\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(sound_volume.Get(), 0.0);
    EXPECT_EQ(music_volume.value, 0.01f);  // 0.01 itself is kept
    WriteOptions(path_);
    EXPECT_NE(ReadRaw().find("sound_volume=\"0.0000000000000000\""), std::string::npos);

    WriteRaw("<options><audio sound_volume=\"-2\" music_volume=\"none\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(sound_volume.Get(), 0.0);
    EXPECT_EQ(music_volume.Get(), 0.0);
}

TEST_F(OptionsFileTest, ReadsOnlyTheAttributesPresent) {
    SetMarkers();
    WriteRaw("<options><profile/><audio music_volume=\"1\"/><graphics fullscreen=\"0\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(profile_name, "Before");
    EXPECT_EQ(sound_volume.Get(), 0.5);
    EXPECT_EQ(music_volume.Get(), 1.0);
    EXPECT_EQ(renderer, 2);
    EXPECT_EQ(fullscreen, 0);
}

TEST_F(OptionsFileTest, NumbersAreTheirLeadingDecimalNumber) {
    const std::pair<std::string, int> fullscreen_cases[] = {{"0", 0}, {"1", 1}, {"2", 1}, {"-1", 1},
                                                            {"abc", 0}, {"0.9", 0}, {"3x", 1}};
    for (const auto& c : fullscreen_cases) {
        SCOPED_TRACE(c.first);
        fullscreen = 1 - c.second;
        WriteRaw("<options><graphics renderer=\"2abc\" fullscreen=\"" + c.first + "\"/></options>");
        EXPECT_EQ(ReadOptions(path_), 1);
        EXPECT_EQ(renderer, 2);
        EXPECT_EQ(fullscreen, c.second);
    }
}

TEST_F(OptionsFileTest, AnUnknownElementStopsReading) {
    SetMarkers();
    WriteRaw("<options><window width=\"800\"/><profile name=\"Late\"/><graphics renderer=\"0\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 0);
    ExpectMarkers();

    // What came before the unknown element stays in force.
    WriteRaw("<options><profile name=\"Early\"/><Audio sound_volume=\"1\"/><graphics renderer=\"0\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 0);
    EXPECT_EQ(profile_name, "Early");
    EXPECT_EQ(sound_volume.Get(), 0.5);
    EXPECT_EQ(renderer, 2);
}

TEST_F(OptionsFileTest, MissingOrMalformedFilesChangeNothing) {
    SetMarkers();
    EXPECT_EQ(ReadOptions(path_), 0);  // not written yet
    const std::string broken[] = {
        "",
        "<options><profile name='Single'/></options>",
        "<options><audio sound_volume=\"1\"/>",
        "<options>\r\n  <graphics  renderer=\"0\" fullscreen=\"0\"/>\r\n</options>\r\n",
    };
    for (const std::string& text : broken) {
        SCOPED_TRACE(text);
        WriteRaw(text);
        EXPECT_EQ(ReadOptions(path_), 0);
        ExpectMarkers();
    }
    EXPECT_EQ(ReadOptions(dir_.string()), 0);  // a folder
    ExpectMarkers();
}

TEST_F(OptionsFileTest, AFileWithoutAProfileKeepsTheNameEmptyAndWritesNoProfileLine) {
    WriteRaw("<options><audio sound_volume=\"1\" music_volume=\"1\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(profile_name, "");
    WriteOptions(path_);
    EXPECT_EQ(ReadRaw().find("profile"), std::string::npos);
}

TEST_F(OptionsFileTest, ProfileNamesThatLeaveTheProfilesFolderAreIgnored) {
    const std::string unsafe[] = {"", "..", "../escape", "a/b", "/abs", "a\\b", "..\\up"};
    for (const std::string& name : unsafe) {
        SCOPED_TRACE(name);
        profile_name = "Kept";
        WriteRaw("<options><profile name=\"" + name + "\"/></options>");
        EXPECT_EQ(ReadOptions(path_), 1);
        EXPECT_EQ(profile_name, "Kept");
    }
    profile_name = "Kept";
    WriteRaw("<options><profile name=\"" + std::string("a\0b", 3) + "\"/></options>");
    EXPECT_EQ(ReadOptions(path_), 1);
    EXPECT_EQ(profile_name, "Kept");
    // A quote could not be written back into the file (nor into the save): not taken.
    EXPECT_FALSE(IsSafeProfileName("a\"b"));

    const std::string safe[] = {".", "...", "..a", "a..b", "Ren\xe9", "Two Words"};
    for (const std::string& name : safe) {
        SCOPED_TRACE(name);
        profile_name = "Kept";
        WriteRaw("<options><profile name=\"" + name + "\"/></options>");
        EXPECT_EQ(ReadOptions(path_), 1);
        EXPECT_EQ(profile_name, name);
    }
}

TEST_F(OptionsFileTest, AnUnwritableFileIsFatal) {
    SetFatalHandler(ThrowFatal);
    const std::string bad_path = (dir_ / "no such folder" / "Mossmeadow.ini").string();
    try {
        WriteOptions(bad_path);
        ADD_FAILURE() << "WriteOptions returned";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Error: Could not write file '" + bad_path + "'!");
    }
    SetFatalHandler(nullptr);
}
