// The current player's whole saved state: identity, play time, flags, inventory, the animals on the
// ranch and the two storage slots; and its save file, user_dir + "/Profiles/" + name + ".sav".
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "animal.h"
#include "item.h"
#include "save_file.h"

class xmlNode;

// A named integer. The store never holds a 0-valued flag.
class Flag {
public:
    std::string name;
    int value = 0;
    Flag() = default;
    Flag(std::string n, int v) : name(std::move(n)), value(v) {}
    virtual ~Flag() = default;
    // 0 for the same object, 1 when this name sorts after the other's (ordinal), else -1.
    virtual int Compare(const Flag& other) const;
};

// The summary the profile menu shows.
struct ProfileInfo {
    int character_image = 0;
    std::string character_name;
    float play_time = 0;
    int win = 0;
    int percent = 0;
};

extern int profile_active;
extern int saving_blocked;
extern float play_time;
extern std::vector<std::shared_ptr<Animal>> animals;
extern int location;
extern int character_image;
extern std::string character_name;
extern float pitch;
extern int player_expression;
extern std::array<std::shared_ptr<Animal>, 2> stored_animals;
extern std::vector<Flag> flags;
extern std::vector<std::shared_ptr<Item>> inventory;
// Play time of the whole run, over all profiles.
extern float total_play_time;

class Profile {
public:
    static void CleanProfile();
    static void NewProfile(const std::string& name, int male);
    // Appends to the ranch list and raises "Misc-MaxAnimals" to the new count. Returns null.
    static std::shared_ptr<Animal> AddAnimal(std::shared_ptr<Animal> animal);
    static std::shared_ptr<Animal> GetAnimal(const std::string& name);
    // Ranch animals plus one for each unborn baby; storage does not count.
    static int TotalAnimalCount();
    static std::shared_ptr<Item> GetItem(const std::string& name);
    static void AddItem(const std::string& name, int n);
    static void SetItem(const std::string& name, int n);
    // The flag, or null. The pointer stays valid until the flag store next changes.
    static Flag* GetFlag(const std::string& name);
    static int GetFlagValue(const std::string& name);
    static void SetFlag(const std::string& name, int value);
    static void AddFlag(const std::string& name, int delta);
    static void RemoveFlag(const std::string& name);
    static void SortFlags();
    // Advances every ranch animal (skipped while "Misc-HaltAnimalUpdate" is set) and records breeds.
    static void Update(float delta);
    static std::shared_ptr<Animal> LoadAnimal(const xmlNode& node);
    static int Load();
    static void SaveAnimal(std::string& stream, const Animal& animal, const std::string& indent);
    // The save file's exact text for the current profile.
    static std::string SaveText();
    // 1 when written; 0 when there was nothing to save or the file could not be written (then
    // save_failed is set and the old save is untouched).
    static int Save();
    // Nothing is saved while a dialogue runs, so a dialogue's start keeps the save text of that
    // moment: shutting down halfway through a dialogue writes this, not the half-done state.
    static void KeepDialogueSnapshot();
    static void DropDialogueSnapshot();
    // The save made at shutdown: the profile, or during a dialogue the state its start kept.
    static int SaveOnShutdown();
    // user_dir + "/Profiles/" + name + ".sav"
    static std::string ProfilePath(const std::string& name);
};

int GetProfileRevision(const xmlNode* root);
std::unique_ptr<ProfileInfo> GetProfileInfo(const std::string& name);
void AddPlayTime(float time);
