// Checks the generated media in the build's Data/ folder against what the program relies on: the
// manifests parse with the game's own reader, register every fixed id once (and none of the ids
// that belong to the title scene, the music or the locations), every file decodes, fixed sizes
// hold, hit boxes are centred, additive particles are light and no visible pixel is the black mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "font_list.h"
#include "image_decode.h"
#include "image_list.h"
#include "loader.h"
#include "xml.h"

namespace {

const std::string kGameDir = MOSSMEADOW_BUILD_DIR;

struct Registration {
    std::string element;  // font, audio or image
    int id = 0;
    std::string path;     // relative to the game folder
    int size = 0, size_x = 0, size_y = 0, number = 0, split = 0;
    bool loop = false;
    std::string manifest;
};

std::vector<Registration> ReadManifest(const std::string& file) {
    std::vector<Registration> out;
    std::unique_ptr<xmlNode> root = xmlNode::Load(kGameDir + "/Data/" + file);
    if (!root) return out;
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode* child = root->GetChild(i);
        Registration r;
        r.element = child->Name;
        r.id = child->AttributeInt("id");
        r.path = child->AttributeString("path");
        r.size = child->AttributeInt("size");
        r.size_x = child->AttributeInt("size_x");
        r.size_y = child->AttributeInt("size_y");
        r.number = child->AttributeInt("number");
        r.split = child->AttributeInt("split");
        r.loop = child->HasAttribute("loop") != 0;
        r.manifest = file;
        out.push_back(r);
    }
    return out;
}

bool IsSheet(const Registration& r) { return r.size_x > 0 && r.size_y > 0 && r.number > 0; }

// Every image id the program draws by a fixed number (title-scene and per-location ids excluded),
// plus the ids our story data refers to: NPC portraits and their frames, the ranch background and
// the item pictures.
std::vector<int> FixedImageIds() {
    std::vector<int> ids = {1, 2, 3, 5, 6, 312, 502, 565, 606, 608, 609, 610, 639, 665, 667, 676, 677, 3003};
    auto range = [&ids](int a, int b) {
        for (int i = a; i <= b; ++i) ids.push_back(i);
    };
    range(16, 21);
    range(53, 58);
    range(275, 282);
    range(350, 353);
    range(416, 422);
    range(507, 509);
    ids.push_back(513);
    ids.push_back(515);
    range(531, 543);
    range(550, 553);
    range(600, 605);
    range(612, 617);
    range(619, 630);
    range(633, 638);
    range(1000, 1017);
    range(1100, 1171);
    range(2000, 2012);
    range(2100, 2112);
    for (int k = 0; k < 13; ++k) {
        for (int f = 0; f < 3; ++f) {
            ids.push_back(2200 + 4 * k + f);
            ids.push_back(2300 + 4 * k + f);
        }
    }
    range(5001, 5022);
    return ids;
}

class AssetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        all_ = ReadManifest("common.xml");
        std::vector<Registration> extra = ReadManifest("extra.xml");
        all_.insert(all_.end(), extra.begin(), extra.end());
    }
    void SetUp() override {
        if (!std::filesystem::exists(kGameDir + "/Data/common.xml")) {
            GTEST_SKIP() << "no generated Data/ in " << kGameDir << " (build the game_data target)";
        }
        ImageList::Clear();
    }
    void TearDown() override { ImageList::Clear(); }

    // The registration whose id range holds `id`, or null.
    static const Registration* ImageCovering(int id) {
        for (const Registration& r : all_) {
            if (r.element != "image") continue;
            int count = IsSheet(r) ? r.number : 1;
            if (id >= r.id && id < r.id + count) return &r;
        }
        return nullptr;
    }
    static Pixmap Decode(const std::string& rel) {
        Pixmap p;
        std::string error;
        EXPECT_TRUE(DecodeImageFile(kGameDir + "/" + rel, &p, &error)) << rel << ": " << error;
        return p;
    }
    // Loads one image registration into ImageList the way the loader does.
    static int Register(const Registration& r) {
        FileEntry e;
        e.file_type = kFileImage;
        e.path = kGameDir + "/" + r.path;
        e.id = r.id;
        e.split = r.split;
        if (IsSheet(r)) {
            e.size_x = r.size_x;
            e.size_y = r.size_y;
            e.number = r.number;
        }
        return Loader::Load(e);
    }

    static std::vector<Registration> all_;
};

std::vector<Registration> AssetTest::all_;

TEST_F(AssetTest, ManifestsParseWithTheGameReader) {
    ASSERT_FALSE(all_.empty());
    // FileLoader exits on anything it cannot accept; reaching the checks means both are valid.
    Loader::Clear();
    FileLoader::Load(kGameDir + "/Data/common.xml", kGameDir);
    if (std::filesystem::exists(kGameDir + "/Data/extra.xml")) FileLoader::Load(kGameDir + "/Data/extra.xml", kGameDir);
    EXPECT_EQ(loader_queue.size(), all_.size());
    ASSERT_FALSE(loader_queue.empty());
    EXPECT_EQ(loader_queue.front().file_type, kFileFont);  // font 1 first, for the loading screen
    EXPECT_EQ(loader_queue.front().id, 1);
    Loader::Clear();
}

TEST_F(AssetTest, EveryFixedIdIsRegisteredOnceAndReservedIdsAreFree) {
    for (int id : FixedImageIds()) EXPECT_NE(ImageCovering(id), nullptr) << "image " << id << " is not registered";
    std::map<std::string, std::set<int>> first_ids;
    const std::set<int> title_ids = {305, 400, 402, 403, 408, 409, 410};
    for (const Registration& r : all_) {
        EXPECT_TRUE(first_ids[r.element].insert(r.id).second) << r.element << " id " << r.id << " registered twice";
        if (r.element == "image") {
            int count = IsSheet(r) ? r.number : 1;
            for (int id = r.id; id < r.id + count; ++id) {
                EXPECT_EQ(title_ids.count(id), 0u) << "image " << id << " belongs to the title scene";
                EXPECT_LT(id, 10000) << "image " << id << " belongs to the locations";
            }
        }
    }
    for (int id = 1; id <= 9; ++id) EXPECT_EQ(first_ids["font"].count(id), 1u) << "font " << id;
    for (int id = 100; id <= 118; ++id) EXPECT_EQ(first_ids["audio"].count(id), 1u) << "sound " << id;
    EXPECT_EQ(first_ids["audio"].count(1), 0u) << "audio id 1 is the music's";
    for (const Registration& r : all_) {
        if (r.element == "audio") {
            EXPECT_EQ(r.loop, r.id == 118) << "only the charge hum (118) may loop; id " << r.id;
        }
    }
}

TEST_F(AssetTest, EveryRegisteredFileExistsAndLoads) {
    for (const Registration& r : all_) {
        SCOPED_TRACE(r.manifest + ": " + r.element + " " + std::to_string(r.id) + " " + r.path);
        ASSERT_EQ(r.path.compare(0, 5, "Data/"), 0);
        ASSERT_TRUE(std::filesystem::exists(kGameDir + "/" + r.path));
        if (r.element == "image") {
            EXPECT_EQ(Register(r), 1);
            const ImageContainer* c = ImageList::GetImageContainer(r.id);
            ASSERT_NE(c, nullptr);
            if (IsSheet(r)) {
                EXPECT_EQ(c->width % r.size_x, 0) << "sheet width is not a multiple of its frame width";
                int rows = (r.number + c->width / r.size_x - 1) / (c->width / r.size_x);
                EXPECT_GE(c->height, rows * r.size_y);
            }
            if (r.split > 0) {
                EXPECT_EQ(c->width % r.split, 0);
                EXPECT_EQ(c->height % r.split, 0);
            }
        } else if (r.element == "font") {
            EXPECT_GT(r.size, 0);
            std::ifstream in(kGameDir + "/" + r.path, std::ios::binary);
            char magic[4] = {};
            in.read(magic, 4);
            EXPECT_TRUE(std::string(magic, 4) == std::string("\0\1\0\0", 4) || std::string(magic, 4) == "OTTO");
        } else if (r.element == "audio") {
            std::ifstream in(kGameDir + "/" + r.path, std::ios::binary);
            char magic[4] = {};
            in.read(magic, 4);
            EXPECT_EQ(std::string(magic, 4), "OggS");
        }
    }
}

TEST_F(AssetTest, FixedSizesHold) {
    struct Size {
        int id, w, h;
    };
    const Size sizes[] = {{2, 512, 512},   {3, 512, 512},   {5, 512, 512},   {6, 512, 512},   {676, 128, 32},
                          {677, 128, 32},  {57, 1024, 512}, {312, 1024, 768}, {3003, 1024, 768}};
    for (const Size& s : sizes) {
        const Registration* r = ImageCovering(s.id);
        ASSERT_NE(r, nullptr) << s.id;
        ASSERT_EQ(Register(*r), 1);
        EXPECT_EQ(ImageList::GetWidth(s.id), s.w) << s.id;
        EXPECT_EQ(ImageList::GetHeight(s.id), s.h) << s.id;
    }
    // Pictures drawn with DrawSimpleRect must not be cut.
    for (int id : {2, 3, 5, 6, 57, 676, 677}) EXPECT_EQ(ImageCovering(id)->split, 0) << id;
    // Inventory and ranch cells are 64 x 64: items fit them.
    for (int id = 5001; id <= 5022; ++id) {
        ASSERT_EQ(Register(*ImageCovering(id)), 1);
        EXPECT_LE(ImageList::GetWidth(id), 64);
        EXPECT_LE(ImageList::GetHeight(id), 64);
    }
}

TEST_F(AssetTest, PicturesOpenedByPathDecodeAtTheirSizes) {
    struct File {
        const char* path;
        int min_w, min_h;
    };
    const File files[] = {{"Data/Graphics/Clearing.jpg", 1024, 768},  {"Data/Graphics/Logo.png", 1, 1},
                          {"Data/Graphics/TreeLeft.png", 1, 700},     {"Data/Graphics/TreeRight.png", 1, 700},
                          {"Data/Static/Splash1.jpg", 1024, 768},     {"Data/Static/Splash2.jpg", 1024, 768},
                          {"Data/Graphics/LoadingBg.jpg", 1024, 768}, {"Data/Static/Logo1.png", 1, 1},
                          {"Data/Static/Logo2.png", 1, 1},            {"Data/Static/icon.ico", 16, 16},
                          // Per-location pictures: the ranch clock, the berry leaves, the apple charge.
                          {"Data/Graphics/Ranch/Clock.png", 48, 48},  {"Data/Graphics/Games/Leaf1.png", 48, 48},
                          {"Data/Graphics/Games/Leaf2.png", 48, 48},  {"Data/Graphics/Games/Leaf3.png", 48, 48},
                          {"Data/Graphics/Games/Leaf4.png", 48, 48},  {"Data/Graphics/Games/ChargeBar.png", 640, 32},
                          {"Data/Graphics/Games/ChargeGlow.png", 32, 32}};
    for (const File& f : files) {
        Pixmap p = Decode(f.path);
        EXPECT_GE(p.width, f.min_w) << f.path;
        EXPECT_GE(p.height, f.min_h) << f.path;
    }
    Pixmap buttons = Decode("Data/Graphics/Buttons512x256.png");
    EXPECT_EQ(buttons.width % 512, 0);
    EXPECT_EQ(buttons.height % 256, 0);
    EXPECT_GE((buttons.width / 512) * (buttons.height / 256), 3);
    // The loading bar's fill reads columns 192-831 of rows 0-63 and lines up only at 1024 wide.
    Pixmap bar = Decode("Data/Graphics/LoadingBar.png");
    EXPECT_EQ(bar.width, 1024);
    EXPECT_GE(bar.height, 64);
    EXPECT_EQ(bar.ReadPixel(100, bar.height / 2) >> 24, 0u) << "nothing left of the track";
    EXPECT_NE(bar.ReadPixel(512, bar.height / 2) >> 24, 0u);
}

TEST_F(AssetTest, HitBoxesAreCentredAndNotEmpty) {
    // Buttons, corner icons, items, statues, catches and the berry-game leaves are clicked or measured
    // by their visible box about the centre.
    std::vector<int> ids = {416, 417, 418, 419, 420, 421, 422, 502, 507, 508, 509, 513, 515, 550, 551, 552, 553, 600,
                            601, 602, 603, 604, 605, 606, 616, 617, 639};
    for (int id = 5001; id <= 5022; ++id) ids.push_back(id);
    // Statues are only shown (never clicked) in rows; they share one plinth line, so short ones sit
    // low in their canvas by design. They must still show something.
    for (int id = 531; id <= 543; ++id) {
        ASSERT_EQ(Register(*ImageCovering(id)), 1) << id;
        std::optional<Area> box = ImageList::GetSize(id);
        ASSERT_TRUE(box.has_value()) << id;
        EXPECT_GT(box->w, 16) << id;
        EXPECT_LE(ImageList::GetWidth(id), 72) << "statue " << id << " is wider than its 76-px slot";
    }
    for (int id : ids) {
        const Registration* r = ImageCovering(id);
        ASSERT_NE(r, nullptr) << id;
        ASSERT_EQ(Register(*r), 1) << id;
        std::optional<Area> box = ImageList::GetSize(id);
        ASSERT_TRUE(box.has_value()) << id;
        EXPECT_GT(box->w, 8) << id;
        EXPECT_GT(box->h, 8) << id;
        int w = ImageList::GetWidth(id), h = ImageList::GetHeight(id);
        EXPECT_LE(std::abs(box->x), std::max(4, w / 8)) << "visible box of " << id << " is off centre";
        EXPECT_LE(std::abs(box->y), std::max(4, h / 8)) << "visible box of " << id << " is off centre";
    }
}

TEST_F(AssetTest, ParticlesAreLightAndNoVisiblePixelIsTheMaskColour) {
    // Additive particles 16-21 must be light (they are tinted by the game).
    for (int id = 16; id <= 21; ++id) {
        Pixmap p = Decode(ImageCovering(id)->path);
        double sum = 0, weight = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x = 0; x < p.width; ++x) {
                uint32_t c = p.ReadPixel(x, y);
                double a = (c >> 24) / 255.0;
                sum += a * (((c >> 16) & 0xff) + ((c >> 8) & 0xff) + (c & 0xff)) / 3.0;
                weight += a;
            }
        }
        ASSERT_GT(weight, 0) << id;
        EXPECT_GT(sum / weight, 180) << "particle " << id << " is too dark for additive drawing";
    }
    // Pure black is masked away on load: count visible black pixels in the raw files.
    for (const Registration& r : all_) {
        if (r.element != "image") continue;
        std::ifstream in(kGameDir + "/" + r.path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Pixmap raw;
        bool png = bytes.size() > 4 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G';
        ASSERT_TRUE(png ? DecodePNG(bytes, &raw) : DecodeJPEG(bytes, &raw)) << r.path;
        int black = 0;
        for (size_t i = 0; i + 3 < raw.rgba.size(); i += 4) {
            if (raw.rgba[i + 3] > 8 && raw.rgba[i] == 0 && raw.rgba[i + 1] == 0 && raw.rgba[i + 2] == 0) ++black;
        }
        EXPECT_EQ(black, 0) << r.path << " has visible pixels in the mask colour";
    }
}

TEST_F(AssetTest, PointerTipIsAtTheClickPoint) {
    // The pointer is drawn centred 8 px below the mouse: the tip sits 8 px above the centre.
    Pixmap p = Decode(ImageCovering(1)->path);
    ASSERT_GT(p.height, 16);
    int cx = p.width / 2, tip_y = p.height / 2 - 8;
    int nearest = 1000;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if ((p.ReadPixel(x, y) >> 24) > 128) nearest = std::min(nearest, std::abs(x - cx) + std::abs(y - tip_y));
        }
    }
    EXPECT_LE(nearest, 2);
    // Nothing visible above the tip.
    for (int y = 0; y < tip_y - 2; ++y) {
        for (int x = 0; x < p.width; ++x) EXPECT_LT(p.ReadPixel(x, y) >> 24, 40u) << x << "," << y;
    }
}

}  // namespace
