// The "Paused" overlay shown while the window has lost focus, over the last frame the game showed
// (frozen while the game is paused).
#pragma once

#include "primitives.h"

extern Interpolation pause_fade;
extern int pause_shown;

class Pause {
public:
    static void Update(float dt);
    static void Draw();
};
