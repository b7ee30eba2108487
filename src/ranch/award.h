// Awards: the data-driven achievements of Data/awards.xml, and the six built-in kinds with three
// levels each whose current level is a profile flag.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Award {
public:
    int id = 0;
    std::string title;
    std::string flag;
    int value = 0;
    std::string text;
    virtual ~Award() = default;
    // 0 for the same object, 1 when this id is greater, else -1.
    virtual int Compare(const Award& other) const;
};

extern std::vector<std::shared_ptr<Award>> awards;

class AwardList {
public:
    static void Initialize();
    static int Load(const std::string& path);
    static Award* GetAward(int id);
    static float GetPercentage(int total);
    static void Destroy();
};

constexpr int kAwardKinds = 6;
// Boundaries of levels 1, 2 and 3, by kind.
extern const int award_level1[kAwardKinds];
extern const int award_level2[kAwardKinds];
extern const int award_level3[kAwardKinds];
// Tile picture of level 1 by kind; level L shows base + L - 1.
extern const int award_pictures[kAwardKinds];

class AwardInfo {
public:
    static std::string GetAwardFlag(int kind);
    static std::string GetAwardTitle(int kind, int level);
    static std::string GetAwardText(int kind, int level);
    // The profile counter each kind is measured on ("Misc-MaxAnimals", "Misc-MaxAge", ...).
    static std::string GetSourceFlag(int kind);
    // The level (0..3) a counter value has reached for a kind.
    static int LevelFor(int kind, int count);
    // Raises each kind's level flag to the level its counter has reached; never lowers one.
    static void RaiseLevels();
};

// Who announces a granted award (the in-location menu's award window). May be null.
using AwardAnnouncer = void (*)(int id);
void SetAwardAnnouncer(AwardAnnouncer announcer);

// Raises the built-in levels, then grants the first award (in id order) whose flag has reached its
// value and that was not granted before: sets "Award-" + id and announces it. At most one per call.
int CheckAwards();
