// The forest search (`game` 10): acorns hide in three tree crowns and mushrooms on the ground of a
// half-size forest picture; a magnifying glass under the pointer shows them. Thirty seconds; the
// finds are added to the player's "Acorns" and "Mushroom".
#pragma once

#include <memory>
#include <vector>

#include "dialogue_game.h"
#include "primitives.h"

constexpr int kAcornImage = 513;
constexpr int kMushroomImage = 515;

// A hidden find. Its (x, y) is relative to the play area's top-left corner.
class ForestLocation : public Thing {
public:
    int image = kAcornImage;
    int dir = 1;  // -1: drawn mirrored
};

class DialogueForest : public DialogueGame {
public:
    int finish = 0;
    Interpolation alpha{0.0f};
    int x = 0, y = 0, w = 512, h = 256;  // the play area: centre and size
    int over = 0;                        // the pointer is inside the area's inner part
    std::vector<ForestLocation> items;
    Interpolation line{0.0f};
    float time = 3000;
    int total_mushrooms = 0;
    int total_acorns = 0;

    static std::unique_ptr<DialogueForest> Create();
    int Update(float delta) override;
    void Draw() override;

    int Left() const { return x - w / 2; }
    int Top() const { return y - h / 2; }
    // The first find within 9 pixels of the screen point, or -1.
    int FindAt(int px, int py) const;

private:
    void PlaceItems();
    void DrawLens() const;
};
