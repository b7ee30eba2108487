#include "control.h"

#include <algorithm>

#include "graphics.h"

void Control::Activate(float time) {
    active = 1;
    remove = 0;
    if (time > 0) {
        alpha.Set(1, static_cast<int>(time));
    } else {
        alpha.SetAbsolute(1);
    }
}

void Control::Deactivate(float time) {
    active = 0;
    remove = 1;
    if (time > 0) {
        alpha.Set(0, static_cast<int>(time));
    } else {
        alpha.SetAbsolute(0);
    }
}

void Control::Update(float dt) { alpha.Update(dt); }

void Control::Draw() {}

int ListHolds(const ControlList& list, const Control* control) {
    for (const ControlPtr& c : list) {
        if (c.get() == control) return 1;
    }
    return 0;
}

void UpdateControlList(ControlList& list, float dt) {
    // The snapshot keeps every control alive while its own callback may empty the list.
    const ControlList snapshot = list;
    for (const ControlPtr& c : snapshot) {
        if (!ListHolds(list, c.get())) continue;
        c->Update(dt);
    }
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const ControlPtr& c) { return c->remove == 1 && c->alpha.Get() == 0; }),
               list.end());
}

void DrawControlList(const ControlList& list) {
    const ControlList snapshot = list;
    for (const ControlPtr& c : snapshot) c->Draw();
}

SavedColor::SavedColor() { GetColor(&r, &g, &b); }

SavedColor::~SavedColor() { SetColor(r, g, b); }

void SetTintedColor(int r, int g, int b, int global, const SavedColor& saved) {
    if (global) {
        SetColor(r * saved.r / 255, g * saved.g / 255, b * saved.b / 255);
    } else {
        SetColor(r, g, b);
    }
}
