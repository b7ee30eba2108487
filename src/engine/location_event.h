// An ordinary adventure location: a background that scrolls by dragging and at the screen edges,
// the entry view centred on the way back, optional cloud layers, and the scripted camera move that
// glides to a point of the picture under a "New location" banner.
#pragma once

#include <memory>

#include "effects.h"
#include "game_event.h"

class LocationEvent : public GameEvent {
public:
    int action_ok = 0;  // the left button was up, so a new press may start a drag
    std::unique_ptr<Effect> fx;
    int move_to = 0;  // a scripted camera move runs
    Interpolation move_alpha = Interpolation::Create(0);  // opacity of the "New location" banner
    float move_counter = 0;  // distance still to travel
    float move_wait = 0;     // time left before the move ends
    float move_fx = 0;       // particle timer
    int move_x = 0, move_y = 0;    // target scroll offset, clamped
    int move_rx = 0, move_ry = 0;  // target scroll offset, unclamped

    // The scene factory for the profile's current location: a due chapter intro first, the special
    // scenes by the location's `special`, otherwise a new LocationEvent.
    static void Create();
    // The scroll offsets the background allows: 0 when the picture fits the screen, else clamped so
    // that no border shows.
    int CheckXPos(float x) const;
    int CheckYPos(float y) const;

    int PreState(float dt) override;
    int StateNormal(float dt) override;
    void DrawPostHotspots() override;

private:
    void StartMove();
    void UpdateMove(float dt);
    void EmitMoveSparkles();
};

// The offset clamp of one axis: 0 when `size` <= `screen`, else `value` clamped to
// [(screen - size) / 2 - 1, (size - screen) / 2] and truncated.
int ClampScroll(float value, int size, int screen);
