// Fishing (`game` 1): a marker swings along a gauge; a click brakes it, and how close to the centre
// it stops decides the catch: a big fish, a small fish or junk, which then leaps out of the water.
// Thirty seconds; the fish are added to the player's "Big fish" and "Small fish".
#pragma once

#include <memory>
#include <string>

#include "dialogue_game.h"
#include "primitives.h"

class DialogueFishing : public DialogueGame {
public:
    int stop = 0;    // a cast is being resolved
    int done = 0;    // ready for the next click
    int finish = 0;
    Interpolation alpha{0.0f};
    float time = 3000;
    float counter = 0;   // marker phase
    float counter2 = 0;  // speed wobble phase
    Interpolation multiplier{1.0f};  // marker speed factor
    Interpolation line{0.0f};
    float wait = 0;
    // The catch in flight.
    float i_counter = 0;
    float i_trail = 0;
    float i_x = 0, i_y = 0;
    float i_scale = 1;
    int i_image = 0;
    std::string i_text;
    int i_angle = 0;
    float i_speed = 0;
    int i_pos = 0;
    int i_restart = 0;
    int total_big = 0;
    int total_small = 0;

    static std::unique_ptr<DialogueFishing> Create();
    int Update(float delta) override;
    void Draw() override;

    // How far from the centre the marker is now, 0 (centre) to 100 (either end).
    int Distance() const;

private:
    void UpdateCatch(float delta);
    void Land();
};
