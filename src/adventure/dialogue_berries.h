// The berry bush (`game` 5): 21 leaves in three columns; a clicked leaf swings aside and back, and a
// berry under it is picked. One leaf per second at most, fifteen seconds; the berries are added to
// the player's "Berries".
#pragma once

#include <memory>
#include <vector>

#include "dialogue_game.h"
#include "primitives.h"

// A leaf of the bush (pictures 10000-10003, registered by the host location).
class BerryLocation : public Thing {
public:
    Interpolation xmod{0.0f}, ymod{0.0f};
    int image = 10000;
    int berry = 0;    // a berry hides under this leaf
    int clicked = 0;  // the leaf is turning
    float wait = 0;   // pause before it swings back
    Interpolation rotate{0.0f};  // angle in degrees
};

class DialogueBerries : public DialogueGame {
public:
    int done = 0;
    float wait = 0;
    float click_wait = 0;  // pause between clicks
    Interpolation alpha{0.0f};
    std::vector<BerryLocation> berries;
    float time = 1500;
    int total_berries = 0;
    Interpolation line{0.0f};

    static std::unique_ptr<DialogueBerries> Create();
    int Update(float delta) override;
    void Draw() override;

private:
    void UpdateLeaf(BerryLocation& leaf, float delta);
};
