// The opening scene: up to two pictures faded in and out (a click or Escape skips one), then the
// start of all loading, which ends in the title scene.
#pragma once

#include <memory>

#include "app.h"
#include "graphics.h"

class Splash : public Event {
public:
    float time = 0;
    int state = 0;  // 0 showing (or fading in), 1 fading out
    Image image;
    Image brand;     // the second picture, still to show
    int fin = 100;   // fade-in time
    int fout = 75;   // fade-out time
    int finw = 150;  // time at which the fade-out starts
    int foutw = 225; // time at which the picture ends

    // Makes the splash the current scene; without either picture, starts loading at once instead.
    static void Create();
    // Queues the manifests, installs the loading screen, loads the catalogues in their fixed
    // order and creates the title scene (which becomes current).
    static void Start();
    // Start without the title: manifests, loading screen and catalogues.
    static void StartLoading();
    // The fade times for a splash length: fade-in half the length but at least 100.
    static void Timing(int length, int* fin, int* fout, int* finw, int* foutw);

    int Update(float dt) override;
    int Draw() override;
};

// The shell's first scene (never null). Returns the splash; or, when neither splash picture loads,
// starts loading at once and returns the title scene.
std::unique_ptr<Event> CreateOpeningScene();
