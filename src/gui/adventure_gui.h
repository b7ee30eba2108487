// The menu layer of every play scene: the corner buttons (menu, quests, inventory, status and, once
// the player owns animals, the ranch) and the windows they open: the game menu, the status page with
// its awards, the statues, the inventory, the quests with three tabs, the options, a one-button
// message and the award pop-up. While a window is open the scene is dimmed and the play scene stops
// its own interaction (it reads `window_open`).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "button.h"
#include "control.h"
#include "primitives.h"

class ScrollControl;

extern int hud_active;    // 1 while the corner buttons are shown
extern int window_open;   // 1 while a window of this menu is open
extern int escape_armed;  // 1 once Escape has been seen up since it last acted
extern Interpolation gui_alpha;  // opacity of the corner backdrop
extern ControlList gui_controls;
extern std::shared_ptr<Button> farm_button;
extern std::array<std::shared_ptr<Button>, 3> quest_tabs;
extern std::shared_ptr<ScrollControl> quest_scroll;

// The ranch button's three looks, by the animals' health.
enum FarmState { kFarmBad = 0, kFarmStagnant = 1, kFarmGood = 2 };

class AdventureGUI {
public:
    static void Activate(Button* button = nullptr);
    static void Deactivate(Button* button = nullptr);
    static void Update(float dt);
    static void Draw();
    static void ActivateMenu(Button* button = nullptr);
    static void ActivateTitle(Button* button = nullptr);
    static void GotoFarm(Button* button = nullptr);
    static void ActivateMessage(const std::string& text, ButtonCallback callback);
    static void ActivateAward(int id);
    static void ActivateOptions(Button* button = nullptr);
    static void ActivateStatus(Button* button = nullptr);
    static void ActivateStatues(Button* button = nullptr);
    static void ActivateInventory(Button* button = nullptr);
    static void ActivateQuests(Button* button = nullptr);
    static void ActivateActQuests(Button* button = nullptr);
    static void ActivateComQuests(Button* button = nullptr);
    static void ActivateAllQuests(Button* button = nullptr);
    static void SetQuestWindow();
    // Lists the quests of `mode` (0 active, 1 completed) in the quest view from `y`; the next y.
    static int AddQuests(int mode, int y);
    static void Cleanup();
    static void SetTitle(const std::string& text);

    // The ranch state the profile's animals are in: bad if any loses health, else stagnant if any
    // keeps it exactly, else good.
    static FarmState GetFarmState();
    // "Time played:" text: hours only from one hour on.
    static std::string PlayTimeText(float time);
    // The profile flag of statue 1..13: "Statue-01" .. "Statue-13".
    static std::string StatueFlag(int number);
};
