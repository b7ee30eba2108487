// The title scene: the clearing zooms out while the trees slide apart, clouds drift, the logo is
// revealed as a coarse mosaic that sharpens, credit lines fade in and out at the bottom, and the
// title menu sits on top. It loads the last profile and leads a player without one straight into
// the character dialog.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app.h"
#include "effects.h"
#include "graphics.h"
#include "primitives.h"

class Title : public Event {
public:
    int xpos = 0, ypos = 0;
    float scale_count = 0;
    float scale = 1.25f;
    Interpolation title_alpha{0.0f};
    Interpolation title_bg_alpha{0.0f};
    Pixmap title_map;   // the logo's mosaic, one cell per 8 x 8 pixels
    Image title_image;  // made from title_map
    float title_counter = 0;
    Image logo_one, logo_two;
    int state = 0;  // 0 fading in, 1 menu, 2 leaving
    CloudEffect fx;
    std::array<std::string, 8> credits;
    float credits_delay = 600;
    int credits_state = 0;
    int credits_index = 0;
    Interpolation credits_alpha{0.0f};

    Title();
    ~Title() override;

    // A new title scene (not yet current).
    static std::unique_ptr<Title> Make();
    // Makes a new title scene current.
    static void Create();
    // Timer targets, acting on the live title scene.
    static void Start();
    static void StartBg();
    static void Quit();

    int Initialize() override;
    int Free() override;
    int Update(float dt) override;
    int Draw() override;

    // One step of the credits rotation (only while no title-menu window is open).
    void UpdateCredits(float dt);
    // The zoom of the clearing: 1.25 down to 1.0 over 512 time units.
    static float ZoomScale(float scale_count);

private:
    int reveal_set_up_ = 0;
    void UpdateReveal(float dt);
    void ActOnMenu();
};

// The live title scene, or null.
extern Title* title_scene;
// The version text drawn in the bottom-left corner.
extern const char* const kVersionText;
