// The base of every scene in which the player moves about the world: it draws the location's
// background with its scroll offset, keeps the hotspots in step with the location and the flags,
// drives the in-location menu and the running dialogue, and performs the location changes and the
// return to the title that dialogues, actions and the menu request through profile flags.
#pragma once

#include <string>

#include "app.h"

class Dialogue;
class Hotspot;
class Location;

// 0 normal, 1 dialogue running, 2 menu window open, 16 leaving (a location change is under way).
enum GameState { kStateNormal = 0, kStateDialogue = 1, kStateMenu = 2, kStateExit = 16 };

extern int game_state;
extern Dialogue* current_dialogue;
extern Location* current_location;

class GameEvent : public Event {
public:
    float xpos = 0, ypos = 0;  // scroll offset: the background is centred at (512 + xpos, 384 + ypos)
    int width = 0, height = 0;  // size of the background picture
    int bg = 0;
    std::string name;
    int dragging = 0;
    float drag_x = 0, drag_y = 0;  // scroll offset when the drag began
    int drag_mx = 0, drag_my = 0;  // mouse position when the drag began

    // The hotspot callbacks: a dialogue, a location change, an item pickup. A condition item that is
    // not owned turns the first two into dialogue `result`.
    static int StartDialogue(Hotspot& hotspot);
    static int StartLocation(Hotspot& hotspot);
    static int StartItem(Hotspot& hotspot);
    // Starts dialogue `id`; an unknown id is fatal. A dialogue that declines to run (a skipped
    // tutorial) leaves the scene in its normal state.
    static void InitDialogue(int id);
    // Leaves for location `id` after a fade, remembering the way back in "OldLocation".
    static void DoLocation(int id);

    int Initialize() override;
    int Free() override;
    int Update(float dt) override;
    int Draw() override;

    virtual void UpdateHotspots();
    virtual int PreState(float dt);
    virtual int StateNormal(float dt);
    virtual int StateDialogue(float dt);
    virtual int StateMenu(float dt);
    virtual int StateExit(float dt);
    virtual void DrawPostBg() {}
    // The background at the scroll offset, in the scene's fade.
    void DrawBackground();
    // The pointer over everything, then the particles with the scene's scroll offset.
    void DrawPointerAndParticles();
    virtual void DrawPostHotspots() {}
    // Tells the player that the game could not be saved, in a message window of the scene's menu.
    virtual void ShowSaveNotice();
};
