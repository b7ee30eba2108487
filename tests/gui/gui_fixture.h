// Shared set-up of the interface tests: a clean mouse, pictures of known sizes registered under
// chosen ids, and a real font when the machine has one. No window is needed: drawing calls do
// nothing without a display, and sizes come from the pictures' pixels.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app.h"
#include "font_list.h"
#include "frame_loop.h"
#include "graphics.h"
#include "image_list.h"
#include "input.h"
#include "system.h"

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        mouse_x = 0;
        mouse_y = 0;
        mouse_click = 0;
        mouse_armed = 1;
        ImageList::Clear();
        FontList::Clear();
        FlushChars();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("mossmeadow_gui_") + info->test_suite_name() + "_" + info->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        ImageList::Clear();
        FontList::Clear();
        FlushChars();
        mouse_click = 0;
        mouse_armed = 1;
        std::filesystem::remove_all(dir_);
    }

    // Registers an opaque w x h picture under `id`.
    void AddPicture(int id, int w, int h) {
        Pixmap p(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) p.WritePixel(x, y, 0xFF8090A0u);
        }
        const std::string path = (dir_ / ("picture" + std::to_string(id) + ".png")).string();
        ASSERT_TRUE(SavePNG(p, path));
        ASSERT_EQ(ImageList::AddImage(path, id), 1);
    }
    // Registers a TrueType font under `id`; false when the machine has none.
    static bool AddFont(int id, int size) {
        const char* paths[] = {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                               "/usr/share/fonts/truetype/quicksand/Quicksand-Regular.ttf"};
        for (const char* path : paths) {
            if (FileExists(path) && FontList::AddFont(path, id, size, 4)) return true;
        }
        return false;
    }
    // One pass of the frame loop's left-button rule.
    static void Button1(int down) { UpdateMouseButton(down); }
    static void MoveMouse(int x, int y) {
        mouse_x = x;
        mouse_y = y;
    }

    std::filesystem::path dir_;
};
