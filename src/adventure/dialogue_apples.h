// The apple tree (`game` 4): hold the button to charge a run at the tree, release to shake it, then
// click the apples as they fly off. No time limit (Escape ends it); the apples are added to the
// player's "Apple".
#pragma once

#include <memory>
#include <vector>

#include "dialogue_game.h"
#include "primitives.h"

// A flying apple, 48 x 48. `fx`, `fy` keep its exact position; x, y (whole pixels) are its hit box.
class AppleItem : public Thing {
public:
    float rotate = 0;  // degrees
    int dir = 0;       // flight direction in degrees
    int rotdir = 1;
    float speed = 0;
    float alpha = 1;
    float fx = 0, fy = 0;
};

class DialogueApple : public DialogueGame {
public:
    enum State { kReady = 0, kCharging = 1, kHit = 2, kCatching = 3, kEnding = 4 };

    int done = 0;
    Interpolation alpha{0.0f};
    Interpolation bar_alpha{0.0f};
    int action_ok = 0;
    int game_state = kReady;
    float counter = 0;  // charge, 0..128
    float nc = 0;       // general timer
    float shake = 0;    // tree sway amplitude, degrees
    float shake_counter = 0;
    std::vector<AppleItem> apples;
    Interpolation line{0.0f};
    int no_apples = 0;
    int total_apples = 0;
    int last_x = 0, last_y = 0;  // the tip of the charge bar's fill

    ~DialogueApple() override;
    static std::unique_ptr<DialogueApple> Create();
    int Update(float delta) override;
    void Draw() override;

private:
    void UpdateApples(float delta);
    void Strike();
    void FadeOut();
    void UpdateBarTip();
};
