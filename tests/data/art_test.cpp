// Checks the generated spiggles, portraits and world pictures in the build's Data/ folder for the
// properties the drawing code relies on: breed layers line up and leave the torso under the
// pregnancy clock, fills are light greys the tint can colour, hop frames move; portrait overlays
// only cover the opaque face they are drawn over and actually change it; backgrounds tile cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "image_decode.h"

namespace {

const std::string kData = std::string(MOSSMEADOW_BUILD_DIR) + "/Data/";

struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    bool Empty() const { return x1 < 0; }
    int Width() const { return x1 - x0 + 1; }
    int Height() const { return y1 - y0 + 1; }
};

int Alpha(const Pixmap& p, int x, int y) { return p.rgba[(static_cast<size_t>(y) * p.width + x) * 4 + 3]; }
const uint8_t* Rgba(const Pixmap& p, int x, int y) { return &p.rgba[(static_cast<size_t>(y) * p.width + x) * 4]; }

// Visible box of the cell (cx, cy, w, h) of a sheet, in cell coordinates.
Box VisibleBox(const Pixmap& p, int cx, int cy, int w, int h) {
    Box b;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (Alpha(p, cx + x, cy + y) == 0) continue;
            b.x0 = std::min(b.x0, x);
            b.y0 = std::min(b.y0, y);
            b.x1 = std::max(b.x1, x);
            b.y1 = std::max(b.y1, y);
        }
    }
    return b;
}

class ArtTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(kData + "Graphics/Spiggles/Top.png")) {
            GTEST_SKIP() << "no generated Data/ (build the game_data target)";
        }
    }
    static Pixmap Load(const std::string& rel) {
        Pixmap p;
        std::string error;
        EXPECT_TRUE(DecodeImageFile(kData + rel, &p, &error)) << rel << ": " << error;
        return p;
    }
};

constexpr int kCell = 320;
constexpr int kPortraitW = 384, kPortraitH = 512;

TEST_F(ArtTest, BreedLayersLineUpAndTheTopLayerSpansTheAnimal) {
    Pixmap top = Load("Graphics/Spiggles/Top.png"), face = Load("Graphics/Spiggles/Face.png");
    Pixmap body = Load("Graphics/Spiggles/Bodies.png"), line = Load("Graphics/Spiggles/Lines.png");
    ASSERT_EQ(top.width, 4 * kCell);
    ASSERT_GE(top.height, 4 * kCell);
    ASSERT_EQ(body.width, 4 * kCell);
    ASSERT_GE(body.height, 13 * kCell);
    ASSERT_EQ(line.height, body.height);
    for (int k = 0; k < 13; ++k) {
        const int tx = (k % 4) * kCell, ty = (k / 4) * kCell;
        Box t = VisibleBox(top, tx, ty, kCell, kCell);
        Box f = VisibleBox(face, tx, ty, kCell, kCell);
        Box b = VisibleBox(body, 0, k * kCell, kCell, kCell);
        ASSERT_FALSE(t.Empty()) << k;
        ASSERT_FALSE(f.Empty()) << k;
        ASSERT_FALSE(b.Empty()) << k;
        // The top layer's box is the animal's hit box: it must cover the coloured head and torso.
        EXPECT_LE(t.x0, f.x0 + 4) << k;
        EXPECT_GE(t.x1, f.x1 - 4) << k;
        EXPECT_LE(t.y0, f.y0 + 4) << k;
        EXPECT_GE(t.y1, f.y1 - 4) << k;
        // And it is big enough to click and to carry the food bar.
        EXPECT_GT(t.Width(), kCell / 2) << k;
        EXPECT_GT(t.Height(), kCell / 3) << k;
        // The pregnancy clock is drawn on the picture's centre: the body is there, not empty air.
        EXPECT_EQ(Alpha(face, tx + kCell / 2, ty + kCell / 2), 255) << k;
        // Nothing is cut off at the cell's border, in any layer or frame.
        for (int f2 = 0; f2 < 4; ++f2) {
            Box lb = VisibleBox(line, (f2 % 4) * kCell, k * kCell, kCell, kCell);
            Box bb = VisibleBox(body, (f2 % 4) * kCell, k * kCell, kCell, kCell);
            for (const Box* box : {&lb, &bb, &t, &f}) {
                EXPECT_GT(box->x0, 0) << k;
                EXPECT_GT(box->y0, 0) << k;
                EXPECT_LT(box->x1, kCell - 1) << k;
                EXPECT_LT(box->y1, kCell - 1) << k;
            }
        }
    }
}

TEST_F(ArtTest, FillsAreLightGreysAndHopFramesMove) {
    Pixmap face = Load("Graphics/Spiggles/Face.png"), body = Load("Graphics/Spiggles/Bodies.png");
    for (int y = 0; y < face.height; y += 3) {
        for (int x = 0; x < face.width; x += 3) {
            if (Alpha(face, x, y) < 255) continue;
            const uint8_t* c = Rgba(face, x, y);
            ASSERT_LE(std::abs(c[0] - c[1]) + std::abs(c[1] - c[2]), 3) << "face fill is not grey at " << x << "," << y;
            ASSERT_GE(c[0], 110) << "face fill too dark for the tint at " << x << "," << y;
        }
    }
    for (int k = 0; k < 13; ++k) {
        auto differs = [&](int fa, int fb) {
            int changed = 0;
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    if (Alpha(body, fa * kCell + x, k * kCell + y) != Alpha(body, fb * kCell + x, k * kCell + y)) ++changed;
                }
            }
            return changed;
        };
        EXPECT_GT(differs(0, 1), 100) << "breed " << k << ": frame 1 does not move";
        EXPECT_GT(differs(1, 2), 100) << "breed " << k << ": frame 2 does not move";
        EXPECT_EQ(differs(0, 3), 0) << "breed " << k << ": frame 3 should rest like frame 0";
    }
}

// Every visible overlay pixel lies on an opaque pixel of the picture it is drawn over (no halo
// beside the face), and the overlay changes something there (it is not a blank or a copy).
void CheckOverlay(const Pixmap& base, int bx, int by, const Pixmap& over, int ox, int oy, const std::string& what) {
    int visible = 0, changed = 0;
    for (int y = 0; y < kPortraitH; ++y) {
        for (int x = 0; x < kPortraitW; ++x) {
            int a = Alpha(over, ox + x, oy + y);
            if (a == 0) continue;
            ++visible;
            ASSERT_EQ(Alpha(base, bx + x, by + y), 255) << what << " spills off the face at " << x << "," << y;
            const uint8_t* o = Rgba(over, ox + x, oy + y);
            const uint8_t* b = Rgba(base, bx + x, by + y);
            if (a == 255 && std::abs(o[0] - b[0]) + std::abs(o[1] - b[1]) + std::abs(o[2] - b[2]) > 40) ++changed;
        }
    }
    EXPECT_GT(visible, 500) << what;
    EXPECT_GT(changed, 30) << what << " changes nothing";
}

TEST_F(ArtTest, PortraitOverlaysSitOnTheFaceAndChangeIt) {
    Pixmap players = Load("Graphics/Portraits/Player.png"), player_frames = Load("Graphics/Portraits/PlayerFrames.png");
    Pixmap cast = Load("Graphics/Portraits/Villagers.png"), cast_frames = Load("Graphics/Portraits/VillagerFrames.png");
    ASSERT_EQ(players.width, 5 * kPortraitW);
    ASSERT_EQ(player_frames.width, 8 * kPortraitW);
    ASSERT_EQ(player_frames.height, 5 * kPortraitH);  // 40 frames: 1100..1139
    ASSERT_EQ(cast_frames.height, 4 * kPortraitH);    // 32 frames: 1140..1171
    for (int p = 0; p < 10; ++p) {
        const int base_cell = p < 5 ? 0 : 5;
        const int bx = (base_cell % 5) * kPortraitW, by = (base_cell / 5) * kPortraitH;
        if (p % 5 != 0) {
            CheckOverlay(players, bx, by, players, (p % 5) * kPortraitW, (p / 5) * kPortraitH,
                         "expression " + std::to_string(1000 + p));
        }
        for (int j = 0; j < 4; ++j) {
            int cell = 4 * p + j;
            CheckOverlay(players, bx, by, player_frames, (cell % 8) * kPortraitW, (cell / 8) * kPortraitH,
                         "frame " + std::to_string(1100 + cell));
        }
    }
    for (int i = 0; i < 8; ++i) {
        const int bx = (i % 4) * kPortraitW, by = (i / 4) * kPortraitH;
        // Speakers stand on the bottom edge: the bust reaches the canvas bottom.
        EXPECT_EQ(Alpha(cast, bx + kPortraitW / 2, by + kPortraitH - 1), 255) << 1010 + i;
        for (int j = 0; j < 4; ++j) {
            int cell = 4 * i + j;
            CheckOverlay(cast, bx, by, cast_frames, (cell % 8) * kPortraitW, (cell / 8) * kPortraitH,
                         "frame " + std::to_string(1140 + cell));
        }
    }
}

TEST_F(ArtTest, BackgroundsCoverTheScreenAndTileCleanly) {
    const char* names[] = {"Cottage", "Square", "Store", "ZacharysRanch", "ForestEdge", "LakeShore", "Orchard",
                           "MountainPath", "Lookout", "Ravine", "Hall", "WildmansCamp", "Festival", "Shrine"};
    for (const char* name : names) {
        Pixmap p = Load(std::string("Graphics/World/") + name + ".jpg");
        EXPECT_GE(p.width, 1024) << name;
        EXPECT_GE(p.height, 768) << name;
        EXPECT_EQ(p.width % 256, 0) << name;
        EXPECT_EQ(p.height % 256, 0) << name;
    }
    // The battle never scrolls.
    Pixmap ravine = Load("Graphics/World/Ravine.jpg");
    EXPECT_EQ(ravine.width, 1024);
    EXPECT_EQ(ravine.height, 768);
}

TEST_F(ArtTest, HotspotPicturesShowSomethingWithoutWastingTheirCanvas) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kData + "Graphics/Hotspots")) {
        Pixmap p = Load("Graphics/Hotspots/" + entry.path().filename().string());
        Box b = VisibleBox(p, 0, 0, p.width, p.height);
        ASSERT_FALSE(b.Empty()) << entry.path();
        EXPECT_GE(b.Width() * 10, p.width * 6) << entry.path();
        EXPECT_GE(b.Height() * 10, p.height * 6) << entry.path();
        ++count;
    }
    EXPECT_GE(count, 30);
}

}  // namespace
