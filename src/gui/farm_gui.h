// The ranch's interface layer: the repair offer and the slot pictures while the player tends the
// animals, the animal panel (data, live food/mood/health bars with trend arrows, likes and dislikes,
// value and "Sell"), and a one-button message window. The ranch scene drives it; the in-location
// menu is shown above it.
#pragma once

#include <memory>
#include <string>

#include "button.h"
#include "control.h"
#include "primitives.h"

class Animal;
class ImagePartControl;
class TextControl;

extern int farm_gui_active;   // 1 while the ranch's normal interface is shown
extern int farm_window_open;  // 1 while the animal panel or a message window is open
extern Interpolation farm_gui_alpha;  // opacity of everything this interface draws
extern ControlList farm_controls;
extern std::shared_ptr<Button> repair_button;
extern std::shared_ptr<Button> upgrade_picture;  // display only, updated and drawn apart from the list
extern int status_bars_active;  // 1 while the panel's bars and arrows follow its animal
extern int bar_left;            // reference x of the three bars
extern std::shared_ptr<Animal> panel_animal;
extern std::shared_ptr<ImagePartControl> food_bar, mood_bar, health_bar;
extern std::shared_ptr<TextControl> value_text;
extern float last_food, last_mood, last_health;  // needs at the last arrow check

// One repair step of the ranch: the picture of its state, and the offer of the next step (none
// once everything is repaired).
struct RepairStep {
    int picture = 0;
    int offer_x = 0;  // 0: no offer
    int price = 0;
    const char* price_text = "";
};

class FarmGUI {
public:
    // Shows the normal interface (also the callback of "OK" and "Exit").
    static void Activate(Button* button = nullptr);
    static void Deactivate();
    // The "Repair" callback: pays for the next step and reloads the ranch.
    static void Repair(Button* button = nullptr);
    static void ActivateMessage(const std::string& text);
    static void ActivateAnimal(std::shared_ptr<Animal> animal);
    // The "Sell" callback.
    static void SellAnimal(Button* button);
    // A still, fading arrow particle; none while one with the same id is still above half alpha.
    static void NewArrow(int image, int angle, int x, int y, int r, int g, int b, const std::string& id);
    // Arrows for changed needs, bar lengths and the price line of the panel's animal.
    static void UpdateStatus();
    static void Update(float dt);
    static void Draw();
    // Forgets every control and closes the panel (the ranch scene ends).
    static void Cleanup();

    // The step for a "Farm-Upgrade" value (below 0 counts as 0, above 3 as 3).
    static RepairStep GetRepairStep(int upgrade);
    // The live bars: a need's length in pixels (2 .. 128) and the bar's centre x, whose left edge
    // stays at bar_left - 64.
    static float FoodBarLength(float food);
    static float NeedBarLength(float value);
    static int BarCenter(float length);
};
