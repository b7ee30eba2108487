#include "frame_loop.h"

#include "app.h"

bool FrameClock::Step(int now, float* dt) {
    if (now < last) last = now;  // the millisecond clock wrapped
    if (now < last + 10) return false;
    float d = static_cast<float>(now - last) / 10.0f;
    last = now;
    if (d > 20) d = 20;
    *dt = d;
    return true;
}

void UpdateMouseButton(int button_down) {
    if (button_down) {
        mouse_click = 1;
    } else {
        mouse_click = 0;
        mouse_armed = 1;
    }
    if (mouse_armed == 0) {
        if (mouse_click) {
            mouse_click = 0;
        } else {
            mouse_armed = 1;
        }
    }
}

void ScaleMouse(int window_x, int window_y, int window_w, int window_h, int* vx, int* vy) {
    if (window_w <= 0 || window_h <= 0) {
        *vx = *vy = 0;
        return;
    }
    int x = static_cast<int>(static_cast<float>(window_x) / static_cast<float>(window_w) * 1024.0f);
    int y = static_cast<int>(static_cast<float>(window_y) / static_cast<float>(window_h) * 768.0f);
    *vx = x < 0 ? 0 : (x > 1023 ? 1023 : x);
    *vy = y < 0 ? 0 : (y > 767 ? 767 : y);
}
