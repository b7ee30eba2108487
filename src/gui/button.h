// A clickable picture with an optional caption, hover scaling and dimming, a tooltip and a click
// sound. One press fires at most one button: a click is taken through `mouse_click` and
// `mouse_armed`, and the clicked button stays inactive until its owner activates it again.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "control.h"

class Button;
// Called on click; the keyboard confirmation of a text field passes no button (null).
using ButtonCallback = std::function<void(Button*)>;

class Button : public Control {
public:
    int image = 0;  // image id (0 = none)
    std::string text;
    int font = 0;
    int tw = 0, th = 0;  // caption size in `font`
    ButtonCallback Callback;
    float wait = 0;  // input lock-out after a click
    int tr = 0, tg = 0, tb = 0;
    int shadow = 0;
    int rotate = 0;  // image rotation in degrees when > 0
    int ok = 0;      // 1 while the mouse rests on the button with the left button up
    int over = 0;    // 1: hover scaling and dimming
    Interpolation scale{1.0f};
    Interpolation color{1.0f};
    std::string id;  // free tag (a profile's or an animal's name)
    int click_sound = 103;
    int tooltip = 0;
    float tooltip_counter = 0;
    int tooltip_status = 0;
    std::string tooltip_text;
    int tooltip_x = 0, tooltip_y = 0;
    Interpolation tooltip_alpha{0.0f};

    // The hit box is the image's visible size, widened to the caption; the button starts inactive.
    static std::shared_ptr<Button> Create(int x, int y, int image, const std::string& text, int font,
                                          ButtonCallback callback);
    void Activate(float time) override;
    void SetTooltip(const std::string& text, int x, int y);
    void SetOver(int flag);
    void Update(float dt) override;
    void Draw() override;

private:
    void HideTooltip();
};
