// Quests: each follows one progress flag through its statuses (Data/quests.xml).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "primitives.h"

struct QuestStatus {
    int value = 0;
    int complete = 0;
    std::string text;
};

class Quest : public Thing {
public:
    std::string name;  // the progress flag
    std::string text;  // the title
    int last = 0;
    int active = 0;
    int complete = 0;
    std::vector<QuestStatus> status_list;
    std::string status_text;
    int nw = 0, nh = 0;
    int tw = 0, th = 0;

    virtual const QuestStatus* GetStatus(int value) const;
    virtual void Update(float delta);
    virtual void Draw(int x, int y);
    virtual void DrawCompleted(int x, int y);
};

extern std::vector<std::shared_ptr<Quest>> quests;

class QuestList {
public:
    static void Initialize();
    static int Load(const std::string& path);
    static void Destroy();
    static void Update(float delta);
    static int NumberCompleted();
    static void Draw(int first, int x, int y);
    static void DrawCompleted(int x, int y);
    // The share of `total` that the quest flags have reached: every status counts equally.
    static float GetPercentage(int total);
};
