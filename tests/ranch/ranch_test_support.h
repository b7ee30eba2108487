// Shared helpers of the ranch tests: fatal errors become exceptions, a private user folder, small
// files written on the fly, and a clean profile and catalogue for every test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "animal.h"
#include "app.h"
#include "award.h"
#include "item.h"
#include "profile.h"
#include "quest.h"
#include "settings.h"
#include "system.h"
#include "xml.h"
#include "test_game_dir.h"

struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void ThrowFatal(const std::string& text) { throw FatalError(text); }

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

// The item catalogue the care rules know, as the game's own loader reads it.
inline const char* kTestItems =
    "<items>\n"
    "  <item name=\"Small fish\" class=\"Food\" description=\"d\" image=\"5001\" cost=\"4\"/>\n"
    "  <item name=\"Big fish\" class=\"Food\" description=\"d\" image=\"5002\"/>\n"
    "  <item name=\"Apple\" class=\"Food\" description=\"d\" image=\"5003\"/>\n"
    "  <item name=\"Acorns\" class=\"Food\" description=\"d\" image=\"5004\"/>\n"
    "  <item name=\"Berries\" class=\"Food\" description=\"d\" image=\"5005\"/>\n"
    "  <item name=\"Grass\" class=\"Food\" description=\"d\" image=\"5006\"/>\n"
    "  <item name=\"Mushroom\" class=\"Food\" description=\"d\" image=\"5007\"/>\n"
    "  <item name=\"Meat\" class=\"Food\" description=\"d\" image=\"5008\"/>\n"
    "  <item name=\"Grooming brush\" class=\"Grooming\" description=\"d\" image=\"5009\"/>\n"
    "  <item name=\"Fine brush\" class=\"Grooming\" description=\"d\" image=\"5010\"/>\n"
    "  <item name=\"Food potion\" class=\"Potion\" description=\"d\" image=\"5011\"/>\n"
    "  <item name=\"Odd potion\" class=\"Potion\" description=\"d\" image=\"5012\"/>\n"
    "  <item name=\"Compass\" class=\"Special\" description=\"d\" image=\"5013\"/>\n"
    "</items>\n";

class RanchTest : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override {
        SetFatalHandler(ThrowFatal);
        dir = MakeTestGameDir("mossmeadow_ranch");
        WriteAll(dir + "/items.xml", kTestItems);
        ASSERT_EQ(ItemList::Load(dir + "/items.xml"), 1);
        Profile::CleanProfile();
        profile_active = 0;
        saving_blocked = 0;
        used_names.clear();
        awards.clear();
        quests.clear();
        save_fail_after_bytes = -1;
        save_failed = 0;
        TakeSaveNotice();
        SeedRnd(12345);
    }

    void TearDown() override {
        save_fail_after_bytes = -1;
        save_failed = 0;
        TakeSaveNotice();
        Profile::CleanProfile();
        profile_active = 0;
        ItemList::Destroy();
        SetFatalHandler(nullptr);
        std::filesystem::remove_all(dir);
    }

    std::string WriteFile(const std::string& name, const std::string& text) {
        std::string path = dir + "/" + name;
        WriteAll(path, text);
        return path;
    }

    Item& CatalogueItem(const std::string& name) {
        auto item = ItemList::GetItem(name);
        if (!item) throw std::runtime_error("no test item " + name);
        return *item;
    }
};

// An animal with the given shares, classified, at full adult age.
inline std::shared_ptr<Animal> MakeAnimal(float bovine, float cat, float bunny, float wild) {
    auto a = std::make_shared<Animal>();
    a->bovine = bovine;
    a->cat = cat;
    a->bunny = bunny;
    a->wild = wild;
    a->Calculate();
    return a;
}

// Representative shares of each breed index 0..12.
inline std::shared_ptr<Animal> MakeBreed(int index) {
    switch (index) {
        case 0: return MakeAnimal(0.4f, 0, 0, 0);
        case 1: return MakeAnimal(0, 0.4f, 0, 0);
        case 2: return MakeAnimal(0, 0, 0.4f, 0);
        case 3: return MakeAnimal(0.8f, 0, 0, 0);
        case 4: return MakeAnimal(0, 0.8f, 0, 0);
        case 5: return MakeAnimal(0, 0, 0.8f, 0);
        case 6: return MakeAnimal(0.8f, 0, 0, 0.8f);
        case 7: return MakeAnimal(0, 0.8f, 0, 0.8f);
        case 8: return MakeAnimal(0, 0, 0.8f, 0.8f);
        case 9: return MakeAnimal(0.8f, 0, 0.8f, 0);
        case 10: return MakeAnimal(0.8f, 0.8f, 0, 0);
        case 11: return MakeAnimal(0, 0.8f, 0.8f, 0);
        default: return MakeAnimal(0, 0, 0, 1.0f);
    }
}
