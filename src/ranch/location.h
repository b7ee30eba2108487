// The adventure world as data: locations with their pictures, hotspots and conditional actions,
// read from Data/locations.xml. Turning a location into a scene is the play scene's work.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "profile.h"

// A picture the location needs loaded while it is shown.
struct LocationFile {
    int id = 0;
    std::string path;  // relative to app_dir
    int split = 0, size_x = 0, size_y = 0, number = 0;  // accepted in the file, never filled
};

// One clickable thing as the file declares it.
struct LocationHotspot {
    int id = 0;
    std::string name;
    int x = 0, y = 0;
    int w = 0, h = 0;
    int image = 0;
    float scale = 1.0f;
    std::string visible;  // flag that controls visibility
    int value = 0;        // its value that makes the hotspot visible
    int dialogue = 0;
    int location = 0;
    std::string item;
    int number = 0;
    std::string condition;  // item that must be owned for the normal action ("if")
    int result = 0;         // dialogue used instead while it is not owned ("else")
};

// A conditional event of a location: fires when flag `name` equals `value` (and `item` is owned).
class Action {
public:
    std::string name;
    int value = 0;
    int comparison = 0;  // 0 = equality, the only kind the file can express
    std::string item;
    int dialogue = 0;
    int location = 0;
    std::vector<Flag> flag_list;
    virtual ~Action() = default;
    virtual void ApplyFlags();
};

class Location {
public:
    int id = 0;
    std::string name;
    int bg = 0;
    std::string music;
    int special = 0;
    int effect = 0;
    int random = 0;
    std::vector<LocationFile> files;
    std::vector<LocationHotspot> hotspots;
    std::vector<std::shared_ptr<Action>> actions;
    virtual ~Location() = default;
    // The first action in file order whose conditions hold, after applying its flags; else null.
    virtual Action* CheckAction();
};

extern std::vector<std::shared_ptr<Location>> locations;

class LocationList {
public:
    static void Initialize();
    static int Load(const std::string& path);
    static Location* GetLocation(int id);
    static void Destroy();
};
