// The arithmetic of the frame loop, kept apart from the loop so it can be tested with a fake clock.
#pragma once

// Frame pacing: at most 100 frames a second, and no frame advances the game more than 20 units.
struct FrameClock {
    int last = 0;
    // Given the clock reading `now` (ms), decides whether a frame runs; if so sets *dt (1.0 = 10 ms).
    bool Step(int now, float* dt);
};

// The left button's arming rule: a press is taken once; holding it does not click again.
void UpdateMouseButton(int button_down);
// Window pixels to virtual pixels over the whole window (not the letterbox), clamped to the screen.
void ScaleMouse(int window_x, int window_y, int window_w, int window_h, int* vx, int* vy);
