#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "audio_list.h"
#include "font_list.h"
#include "image_list.h"
#include "loader.h"
#include "media_fixtures.h"
#include "system.h"

namespace {

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void ThrowFatal(const std::string& text) { throw FatalError(text); }

class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetFatalHandler(ThrowFatal);
        Reset();
        ASSERT_TRUE(WritePngFile(File("p.png"), SolidPixmap(8, 8, 0xFF808080)));
        ASSERT_TRUE(WritePngFile(File("q.png"), SolidPixmap(16, 8, 0xFF808080)));
        ASSERT_TRUE(WritePngFile(File("sheet.png"), SolidPixmap(16, 16, 0xFF808080)));
        ASSERT_TRUE(WriteWavFile(File("a.wav"), std::vector<int16_t>(100, 1000), 1, 22050));
        ASSERT_TRUE(WriteBytes(File("bad.png"), "\x89PNG\r\n\x1a\n but broken"));
        std::filesystem::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", File("f.ttf"));
    }
    void TearDown() override {
        Reset();
        SetFatalHandler(nullptr);
    }
    static void Reset() {
        Loader::Clear();
        ImageList::Clear();
        FontList::Clear();
        AudioList::Clear();
    }
    std::string File(const std::string& name) const { return dir_.File(name); }
    std::string Manifest(const std::string& body) {
        const std::string path = File("manifest.xml");
        EXPECT_TRUE(WriteBytes(path, "<?xml version=\"1.0\"?>\n<resources>\n" + body + "</resources>\n"));
        return path;
    }
    // Runs `f` and returns the fatal message it ends with ("" when it returns normally).
    template <typename F>
    static std::string FatalMessage(F f) {
        try {
            f();
        } catch (const FatalError& e) {
            return e.what();
        }
        return "";
    }
    TempFolder dir_;
};

}  // namespace

TEST_F(LoaderTest, ManifestEntriesAreQueuedInOrder) {
    const std::string manifest = Manifest(
        "  <font id=\"1\" path=\"f.ttf\" size=\"14\"/>\n"
        "  <audio id=\"118\" path=\"a.wav\" loop=\"0\" volume=\"0.8\"/>\n"
        "  <audio id=\"103\" path=\"a.wav\"/>\n"
        "  <image id=\"5\" path=\"p.png\"/>\n"
        "  <image id=\"6\" path=\"p.png\" size_x=\"4\" size_y=\"4\"/>\n"
        "  <image id=\"7\" path=\"sheet.png\" size_x=\"4\" size_y=\"4\" number=\"3\" split=\"8\"/>\n"
        "  <image id=\"20001\" path=\"q.png\" split=\"256\"/>\n");
    EXPECT_EQ(FileLoader::Load(manifest, dir_.Path()), 0);
    ASSERT_EQ(loader_queue.size(), 7u);
    const FileEntry& font = loader_queue[0];
    EXPECT_EQ(font.file_type, kFileFont);
    EXPECT_EQ(font.path, File("f.ttf"));
    EXPECT_EQ(font.id, 1);
    EXPECT_EQ(font.size_x, 14);
    EXPECT_EQ(loader_queue[1].flags & 1, 1);  // loop="0" still loops
    EXPECT_FLOAT_EQ(loader_queue[1].volume, 0.8f);
    EXPECT_EQ(loader_queue[2].flags & 1, 0);
    EXPECT_FLOAT_EQ(loader_queue[2].volume, 1.0f);
    EXPECT_EQ(loader_queue[3].file_type, kFileImage);
    EXPECT_EQ(loader_queue[4].number, 0);  // no "number": a single picture
    EXPECT_EQ(loader_queue[4].size_x, 0);
    EXPECT_EQ(loader_queue[5].number, 3);
    EXPECT_EQ(loader_queue[5].split, 8);
    EXPECT_EQ(loader_queue[6].split, 256);
    long long expected = 0;
    for (const FileEntry& e : loader_queue) expected += FileSize(e.path);
    EXPECT_EQ(total_bytes, expected);

    // Loading registers each with its registry, the right way.
    while (!Loader::Done()) Loader::Update(1);
    EXPECT_NE(FontList::GetFontContainer(1), nullptr);
    ASSERT_NE(AudioList::GetAudioContainer(118), nullptr);
    EXPECT_TRUE(AudioList::GetAudioContainer(118)->sound->loop);
    EXPECT_FALSE(AudioList::GetAudioContainer(103)->sound->loop);
    EXPECT_EQ(ImageList::GetImageContainer(6)->count, 1);
    EXPECT_EQ(ImageList::GetImageContainer(9)->count, 3);
    EXPECT_EQ(ImageList::GetImageContainer(9)->split, 8);
    EXPECT_EQ(ImageList::GetImageContainer(20001)->images.size(), 0u);  // smaller than one tile
}

TEST_F(LoaderTest, PathsWithoutABaseAreUsedAsWritten) {
    const std::string manifest = Manifest("<image id=\"5\" path=\"" + File("p.png") + "\"/>\n");
    FileLoader::Load(manifest, "");
    ASSERT_EQ(loader_queue.size(), 1u);
    EXPECT_EQ(loader_queue[0].path, File("p.png"));
    FileLoader::Load(Manifest(""), dir_.Path());  // a root without children is fine
    EXPECT_EQ(loader_queue.size(), 1u);
}

TEST_F(LoaderTest, MalformedManifestsAreFatal) {
    const auto invalid = [](const std::string& manifest) { return "Error: File '" + manifest + "' not valid!"; };
    // Entries before the bad one stay queued, but the program ends.
    std::string m = Manifest("<image id=\"5\" path=\"p.png\"/>\n<sound id=\"6\" path=\"a.wav\"/>\n");
    EXPECT_EQ(FatalMessage([&] { FileLoader::Load(m, dir_.Path()); }), invalid(m));
    EXPECT_EQ(loader_queue.size(), 1u);

    for (const std::string body : {"<image path=\"p.png\"/>\n", "<image id=\"5\"/>\n",
                                   "<font id=\"1\" path=\"f.ttf\"/>\n", "<image id=\"5\" path=\"p.png\""}) {
        Loader::Clear();
        m = Manifest(body);
        EXPECT_EQ(FatalMessage([&] { FileLoader::Load(m, dir_.Path()); }), invalid(m)) << body;
    }
    const std::string missing = File("nope.xml");
    EXPECT_EQ(FatalMessage([&] { FileLoader::Load(missing, dir_.Path()); }), invalid(missing));
}

TEST_F(LoaderTest, AMissingFileStopsAtReadingTime) {
    const std::string m = Manifest("<image id=\"5\" path=\"p.png\"/>\n<image id=\"6\" path=\"gone.png\"/>\n");
    EXPECT_EQ(FatalMessage([&] { FileLoader::Load(m, dir_.Path()); }),
              "Error: Failed to load file '" + File("gone.png") + "'!");
    EXPECT_EQ(ImageList::GetImageContainer(5), nullptr);  // nothing was loaded
    EXPECT_EQ(FatalMessage([] { Loader::AddAudio(1, "/no/such/file.ogg", 1, 0); }),
              "Error: Failed to load file '/no/such/file.ogg'!");
}

TEST_F(LoaderTest, AddImageKeepsFrameValuesOnlyWhenAllArePositive) {
    Loader::AddImage(5, File("p.png"), -3, 4, 4, 0);
    Loader::AddImage(6, File("p.png"), 0, 4, 4, 2);
    ASSERT_EQ(loader_queue.size(), 2u);
    EXPECT_EQ(loader_queue[0].split, 0);
    EXPECT_EQ(loader_queue[0].size_x, 0);
    EXPECT_EQ(loader_queue[0].size_y, 0);
    EXPECT_EQ(loader_queue[1].size_x, 4);
    EXPECT_EQ(loader_queue[1].number, 2);
}

TEST_F(LoaderTest, OneFilePerFrameBetweenTheCallbacks) {
    std::vector<std::string> log;
    int start_calls = 0, finish_calls = 0;
    on_load_start = [&] {
        log.push_back("start");
        return ++start_calls < 3 ? 1 : 0;
    };
    on_load_finish = [&] {
        log.push_back("finish");
        return ++finish_calls < 3 ? 1 : 0;
    };
    std::vector<float> progress;
    on_load_progress = [&](float p) { progress.push_back(p); };
    Loader::AddImage(5, File("p.png"), 0, 0, 0, 0);
    Loader::AddImage(6, File("q.png"), 0, 0, 0, 0);
    Loader::AddImage(7, File("p.png"), 0, 0, 0, 0);
    const long long small = FileSize(File("p.png"));
    const long long large = FileSize(File("q.png"));

    Loader::Update(1);
    Loader::Update(1);
    EXPECT_EQ(log, std::vector<std::string>({"start", "start"}));  // busy fading in
    EXPECT_TRUE(progress.empty());
    Loader::Update(1);  // the start is done; loading begins with the next call
    EXPECT_FALSE(on_load_start);
    EXPECT_EQ(loader_state, 1);
    EXPECT_EQ(ImageList::GetImageContainer(5), nullptr);
    Loader::Update(1);
    EXPECT_NE(ImageList::GetImageContainer(5), nullptr);
    EXPECT_EQ(ImageList::GetImageContainer(6), nullptr);
    Loader::Update(1);
    EXPECT_NE(ImageList::GetImageContainer(6), nullptr);
    EXPECT_EQ(ImageList::GetImageContainer(7), nullptr);
    EXPECT_EQ(Loader::Done(), 0);
    Loader::Update(1);  // the last file; the finish callback starts at once
    EXPECT_NE(ImageList::GetImageContainer(7), nullptr);
    EXPECT_EQ(log.back(), "finish");
    EXPECT_EQ(Loader::Done(), 0);
    Loader::Update(1);
    EXPECT_EQ(loader_state, 0);
    Loader::Update(1);  // finish reports completion
    EXPECT_EQ(Loader::Done(), 1);
    EXPECT_EQ(finish_calls, 3);

    const float total = static_cast<float>(2 * small + large);
    ASSERT_EQ(progress.size(), 4u);
    EXPECT_FLOAT_EQ(progress[0], 0);
    EXPECT_FLOAT_EQ(progress[1], small / total);
    EXPECT_FLOAT_EQ(progress[2], (small + large) / total);
    EXPECT_FLOAT_EQ(progress[3], 1.0f);

    // A later batch restarts loaded_bytes; total_bytes keeps growing.
    Loader::AddImage(8, File("p.png"), 0, 0, 0, 0);
    EXPECT_EQ(Loader::Done(), 0);
    Loader::Update(1);
    EXPECT_EQ(loaded_bytes, 0);
    Loader::Update(1);
    EXPECT_EQ(loaded_bytes, small);
    EXPECT_EQ(total_bytes, 3 * small + large);
    EXPECT_EQ(Loader::Done(), 1);
}

TEST_F(LoaderTest, FilesThatFailToRegisterAreFatal) {
    Loader::AddImage(5, File("bad.png"), 0, 0, 0, 0);
    Loader::Update(1);
    EXPECT_EQ(FatalMessage([] { Loader::Update(1); }), "Error: Failed to load '" + File("bad.png") + "'!");

    Loader::Clear();
    Loader::AddImage(6, File("p.png"), 0, 0, 0, 0);
    Loader::AddImage(6, File("q.png"), 0, 0, 0, 0);  // the same id twice
    Loader::Update(1);
    Loader::Update(1);
    EXPECT_EQ(FatalMessage([] { Loader::Update(1); }), "Error: Failed to load '" + File("q.png") + "'!");
}
