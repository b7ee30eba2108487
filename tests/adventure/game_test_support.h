// Shared set-up of the hosted-game tests: fatal errors become exceptions, a private game folder, the
// items the games and shops name, a clean profile, mouse, timers and particles, a fixed seed; and
// small helpers to run frames and press the mouse the way the frame loop does.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "app.h"
#include "dialogue_game.h"
#include "frame_loop.h"
#include "input.h"
#include "item.h"
#include "particles.h"
#include "profile.h"
#include "system.h"
#include "test_game_dir.h"
#include "text_tokens.h"
#include "update_list.h"

struct GameFatal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void ThrowGameFatal(const std::string& text) { throw GameFatal(text); }

inline const char* kGameItems =
    "<items>\n"
    "  <item name=\"Small fish\" class=\"Food\" description=\"A fish.\" image=\"5001\" cost=\"6\"/>\n"
    "  <item name=\"Big fish\" class=\"Food\" description=\"A big fish.\" image=\"5002\" cost=\"15\"/>\n"
    "  <item name=\"Apple\" class=\"Food\" description=\"An apple.\" image=\"5003\" cost=\"4\"/>\n"
    "  <item name=\"Acorns\" class=\"Food\" description=\"Acorns.\" image=\"5004\" cost=\"3\"/>\n"
    "  <item name=\"Berries\" class=\"Food\" description=\"Berries.\" image=\"5005\" cost=\"3\"/>\n"
    "  <item name=\"Mushroom\" class=\"Food\" description=\"A mushroom.\" image=\"5007\" cost=\"5\"/>\n"
    "  <item name=\"Meat\" class=\"Food\" description=\"Meat.\" image=\"5008\" cost=\"12\"/>\n"
    "  <item name=\"Grooming brush\" class=\"Grooming\" description=\"A brush.\" image=\"5009\" cost=\"40\"/>\n"
    "  <item name=\"Fine brush\" class=\"Grooming\" description=\"A fine brush.\" image=\"5010\" cost=\"150\"/>\n"
    "  <item name=\"Food potion\" class=\"Potion\" description=\"A potion.\" image=\"5011\" cost=\"25\"/>\n"
    "  <item name=\"Meat x10\" class=\"x10\" description=\"Ten meats.\" image=\"5012\" cost=\"100\"/>\n"
    "  <item name=\"Food potion x10\" class=\"x10\" description=\"Ten potions.\" image=\"5013\" cost=\"200\"/>\n"
    "  <item name=\"Stone x10\" class=\"x10\" description=\"Stones nobody sells.\" image=\"5013\" cost=\"7\"/>\n"
    "  <item name=\"Compass\" class=\"Special\" description=\"A compass.\" image=\"5014\" cost=\"60\"/>\n"
    "  <item name=\"Red lure\" class=\"Special\" description=\"A lure.\" image=\"5015\" cost=\"80\"/>\n"
    "  <item name=\"Big lure\" class=\"Special\" description=\"A big lure.\" image=\"5016\" cost=\"90\"/>\n"
    "  <item name=\"Red herring\" class=\"Quest\" description=\"A herring.\" image=\"5017\"/>\n"
    "  <item name=\"Squid\" class=\"Quest\" description=\"A squid.\" image=\"5018\"/>\n"
    "</items>\n";

class HostedGameTest : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override {
        SetFatalHandler(ThrowGameFatal);
        dir = MakeTestGameDir("mossmeadow_games");
        std::ofstream(dir + "/items.xml", std::ios::binary) << kGameItems;
        ASSERT_EQ(ItemList::Load(dir + "/items.xml"), 1);
        Profile::CleanProfile();
        profile_active = 0;
        saving_blocked = 0;
        special_name.clear();
        screen_fade = Interpolation(1);
        mouse_x = mouse_y = -1000;
        mouse_click = 0;
        mouse_armed = 1;
        InjectEscape(false);
        UpdateList::Clear();
        ParticleList::Clear();
        SeedRnd(2024);
    }

    void TearDown() override {
        InjectEscape(false);
        mouse_click = 0;
        mouse_armed = 1;
        UpdateList::Clear();
        ParticleList::Clear();
        Profile::CleanProfile();
        ItemList::Destroy();
        ClearDialogueGames();
        SetFatalHandler(nullptr);
        std::filesystem::remove_all(dir);
    }

    // How many of `name` the player owns (0 when none).
    static int Owned(const std::string& name) {
        auto item = Profile::GetItem(name);
        return item ? item->number : 0;
    }

    // The left button as the frame loop reads it for one frame.
    static void MouseButton(int down) { UpdateMouseButton(down); }
    static void PointAt(int x, int y) {
        mouse_x = x;
        mouse_y = y;
    }

    // Runs `frames` updates of `delta`; returns the frame (1-based) on which the game reported its end,
    // or 0 when it did not.
    static int RunFrames(DialogueGame& game, int frames, float delta = 1) {
        for (int i = 1; i <= frames; ++i) {
            if (game.Update(delta)) return i;
        }
        return 0;
    }
};
