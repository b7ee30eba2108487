// Shared set-up of the ranch scene and ranch interface tests: the ranch fixture's profile and item
// catalogue, breed pictures of a known size (120 x 100), 64 x 64 item pictures, the interface
// pictures the panel measures, real fonts when the machine has them, and a clean interface, scene
// and pointer. No window is needed: drawing does nothing without a display.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "adventure_gui.h"
#include "chapter.h"
#include "farm.h"
#include "farm_gui.h"
#include "font_list.h"
#include "frame_loop.h"
#include "game_event.h"
#include "image_list.h"
#include "location.h"
#include "media_fixtures.h"
#include "particles.h"
#include "ranch_test_support.h"
#include "text_control.h"
#include "update_list.h"

class FarmFixture : public RanchTest {
protected:
    static constexpr int kBreedW = 120;
    static constexpr int kBreedH = 100;

    void SetUp() override {
        RanchTest::SetUp();
        ImageList::Clear();
        FontList::Clear();
        ParticleList::Clear();
        UpdateList::Clear();
        ChapterList::Clear();
        locations.clear();
        ResetInterface();
        for (int k = 0; k < kBreedCount; ++k) AddPicture(2000 + k, kBreedW, kBreedH);
        for (int id = 5001; id <= 5013; ++id) AddPicture(id, 64, 64);
        AddPicture(419, 120, 48);
        AddPicture(420, 100, 40);
        AddPicture(54, 640, 512);
        AddPicture(676, 128, 32);
        AddPicture(677, 128, 32);
        for (int id : {275, 276, 277, 278, 417, 421, 422}) AddPicture(id, 72, 72);
        fonts_ = AddFont(1, 14) && AddFont(2, 18) && AddFont(3, 24);
    }

    void TearDown() override {
        current_event.reset();
        ResetInterface();
        locations.clear();
        ParticleList::Clear();
        UpdateList::Clear();
        ChapterList::Clear();
        ImageList::Clear();
        FontList::Clear();
        RanchTest::TearDown();
    }

    static void ResetInterface() {
        gui_controls.clear();
        AdventureGUI::Cleanup();
        FarmGUI::Cleanup();
        hud_active = 0;
        window_open = 0;
        game_state = kStateNormal;
        current_location = nullptr;
        current_dialogue = nullptr;
        mouse_x = mouse_y = -100;
        mouse_click = 0;
        mouse_armed = 1;
        screen_fade.SetAbsolute(1);
        location = 3;
    }

    // A solid w x h picture under `id`, written once per size and process.
    static void AddPicture(int id, int w, int h) {
        static TempFolder pictures;
        const std::string path = pictures.File(std::to_string(w) + "x" + std::to_string(h) + ".png");
        if (!std::filesystem::exists(path)) {
            ASSERT_TRUE(WritePngFile(path, SolidPixmap(w, h, 0xff996633u)));
        }
        ImageList::RemoveImage(id);
        ASSERT_EQ(ImageList::AddImage(path, id), 1);
    }

    static bool AddFont(int id, int size) {
        for (const char* path : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                 "/usr/share/fonts/truetype/quicksand/Quicksand-Regular.ttf"}) {
            if (FileExists(path) && FontList::AddFont(path, id, size, 4)) return true;
        }
        return false;
    }

    // An adult animal of breed `index`, well fed, standing in `pen` (-1: none yet), on the ranch.
    static std::shared_ptr<Animal> AddRanchAnimal(int index, int pen, int male, const std::string& name = "") {
        auto a = MakeBreed(index);
        a->position = pen;
        a->male = male;
        a->name = name.empty() ? "Animal" + std::to_string(animals.size()) : name;
        a->age = 7000;
        a->food = 1.0f;
        a->mood = 1.0f;
        animals.push_back(a);
        return a;
    }

    // The ranch made by its factory for "Farm-Upgrade" = `upgrade`, started as the frame loop
    // starts a scene.
    Farm& StartFarm(int upgrade) {
        Profile::SetFlag("Farm-Upgrade", upgrade);
        Farm::Create();
        auto* farm = dynamic_cast<Farm*>(current_event.get());
        if (!farm) throw std::runtime_error("the ranch did not start");
        farm->Initialize();
        return *farm;
    }

    // One frame of the loop: the left button's rule, the scene's update and its drawing.
    static void Frame(Farm& farm, int button_down, float dt = 1) {
        UpdateMouseButton(button_down);
        farm.Update(dt);
        farm.Draw();
    }
    static void Frames(Farm& farm, int button_down, int count) {
        for (int i = 0; i < count; ++i) Frame(farm, button_down);
    }
    static void MoveTo(int x, int y) {
        mouse_x = x;
        mouse_y = y;
    }
    // Press at one spot, move with the button held, let go at another (a few frames each, as a
    // hand does).
    static void Drag(Farm& farm, int x0, int y0, int x1, int y1) {
        MoveTo(x0, y0);
        Frames(farm, 0, 2);
        Frames(farm, 1, 2);
        MoveTo(x1, y1);
        Frames(farm, 1, 2);
        Frames(farm, 0, 2);
    }

    // The label texts of the interface's list, in order.
    static std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const ControlPtr& c : farm_controls) {
            if (auto* t = dynamic_cast<TextControl*>(c.get())) texts.push_back(t->text);
        }
        return texts;
    }
    static bool ShowsText(const std::string& text) {
        for (const std::string& t : Texts()) {
            if (t == text) return true;
        }
        return false;
    }

    bool fonts_ = false;
};
