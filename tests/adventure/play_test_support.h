// Shared set-up of the play-scene and hotspot tests: fatal errors become exceptions, a private data
// and user folder, a small item catalogue, a clean profile, hotspot list, timers and particles.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app.h"
#include "hotspot.h"
#include "image_list.h"
#include "item.h"
#include "location.h"
#include "media_fixtures.h"
#include "particles.h"
#include "profile.h"
#include "system.h"
#include "update_list.h"

struct PlayFatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void ThrowPlayFatal(const std::string& text) { throw PlayFatal(text); }

inline void WritePlayFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

class PlayTest : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override {
        SetFatalHandler(ThrowPlayFatal);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = (std::filesystem::temp_directory_path() /
               ("mossmeadow_play_" + std::to_string(getpid()) + "_" + info->test_suite_name() + "_" + info->name()))
                  .string();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir + "/Data");
        app_dir = dir;
        user_dir = dir + "/user";
        std::filesystem::create_directories(user_dir);
        WritePlayFile(dir + "/items.xml",
                      "<items>\n"
                      "  <item name=\"Lantern\" class=\"Special\" description=\"d\" image=\"5001\"/>\n"
                      "  <item name=\"Acorns\" class=\"Food\" description=\"d\" image=\"5002\"/>\n"
                      "</items>\n");
        ASSERT_EQ(ItemList::Load(dir + "/items.xml"), 1);
        Profile::CleanProfile();
        profile_active = 0;
        saving_blocked = 0;
        mouse_x = mouse_y = -100;
        mouse_click = 0;
        HotspotList::Initialize(0, 0);
        UpdateList::Clear();
        ParticleList::Clear();
        ImageList::Clear();
        SeedRnd(4242);
    }

    void TearDown() override {
        HotspotList::Initialize(0, 0);
        UpdateList::Clear();
        ParticleList::Clear();
        ImageList::Clear();
        Profile::CleanProfile();
        ItemList::Destroy();
        SetFatalHandler(nullptr);
        std::filesystem::remove_all(dir);
    }

    // Registers a solid w x h picture under `id`.
    void AddPicture(int id, int w, int h) {
        const std::string path = dir + "/pic" + std::to_string(id) + ".png";
        ASSERT_TRUE(WritePngFile(path, SolidPixmap(w, h, 0xff336699u)));
        ASSERT_EQ(ImageList::AddImage(path, id), 1);
    }
};

inline LocationHotspot MakeRecord(int id, int x, int y, int w, int h) {
    LocationHotspot lh;
    lh.id = id;
    lh.x = x;
    lh.y = y;
    lh.w = w;
    lh.h = h;
    return lh;
}
