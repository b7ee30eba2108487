// A card of the title menu's profile list: portrait, name, play time and completion, with "Select"
// and "Delete" buttons; or, without a profile, an empty card with one "Create" button.
#pragma once

#include <memory>
#include <string>

#include "button.h"
#include "control.h"

struct ProfileInfo;

class ProfileControl : public Control {
public:
    int ok = 0;     // 1 when it shows a profile
    int image = 0;  // portrait
    int star = 0;   // the profile finished the game
    std::string name;
    std::string info;
    int selected = 0;
    ControlList controls;  // its buttons

    // `info` null makes the empty "Create" card, whose button calls `select`.
    static std::shared_ptr<ProfileControl> Create(int x, int y, const ProfileInfo* info, ButtonCallback select,
                                                  ButtonCallback del);
    void Update(float dt) override;
    void Draw() override;
};

// The card's info line: hours + "h " + minutes + "min" + "  " + percent + "%" (play time counts
// hundredths of a second).
std::string ProfileInfoLine(float play_time, int percent);
