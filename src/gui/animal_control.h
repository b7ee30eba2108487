// A spiggle drawn as a control, at a fixed scale.
#pragma once

#include <memory>

#include "control.h"

class Animal;

class AnimalControl : public Control {
public:
    std::shared_ptr<Animal> a;
    float scale = 1.0f;

    // w, h are the animal's size times `scale`.
    static std::shared_ptr<AnimalControl> Create(int x, int y, std::shared_ptr<Animal> animal, float scale);
    void Draw() override;
};
