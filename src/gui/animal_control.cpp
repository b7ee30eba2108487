#include "animal_control.h"

#include "animal.h"
#include "app.h"

std::shared_ptr<AnimalControl> AnimalControl::Create(int x, int y, std::shared_ptr<Animal> animal, float scale) {
    auto c = std::make_shared<AnimalControl>();
    c->x = x;
    c->y = y;
    c->scale = scale;
    if (animal) {
        c->w = static_cast<int>(static_cast<float>(animal->w) * scale);
        c->h = static_cast<int>(static_cast<float>(animal->h) * scale);
    }
    c->a = std::move(animal);
    return c;
}

void AnimalControl::Draw() {
    if (!a) return;
    // With the global colour the animal follows the scene's fade; otherwise it is drawn at full light.
    const float brightness = global_color ? static_cast<float>(screen_fade.Get()) : 1.0f;
    const int grey = global_color ? fade_level : 255;
    a->DrawAnimal(x, y, scale, static_cast<float>(alpha.Get()), a->direction, brightness, grey);
}
