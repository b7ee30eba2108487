#include "profile_control.h"

#include "font.h"
#include "font_list.h"
#include "frame_control.h"
#include "graphics.h"
#include "image_list.h"
#include "profile.h"

std::string ProfileInfoLine(float play_time, int percent) {
    const int hours = static_cast<int>(play_time / 360000);
    const int minutes = static_cast<int>(play_time / 6000 - static_cast<float>(hours * 60));
    return std::to_string(hours) + "h " + std::to_string(minutes) + "min" + "  " + std::to_string(percent) + "%";
}

std::shared_ptr<ProfileControl> ProfileControl::Create(int x, int y, const ProfileInfo* profile, ButtonCallback select,
                                                       ButtonCallback del) {
    auto c = std::make_shared<ProfileControl>();
    c->x = x;
    c->y = y;
    c->w = 256;
    c->h = 160;
    if (!profile) {
        c->controls.push_back(Button::Create(x, y, 419, "Create", 2, std::move(select)));
    } else {
        c->image = profile->character_image;
        c->name = profile->character_name;
        c->star = profile->win;
        c->ok = 1;
        c->info = ProfileInfoLine(profile->play_time, profile->percent);
        auto select_button = Button::Create(x - 56, y + 48, 420, "Select", 1, std::move(select));
        auto delete_button = Button::Create(x + 56, y + 48, 420, "Delete", 1, std::move(del));
        select_button->id = profile->character_name;
        delete_button->id = profile->character_name;
        c->controls.push_back(select_button);
        c->controls.push_back(delete_button);
    }
    for (const ControlPtr& b : c->controls) {
        static_cast<Button*>(b.get())->SetOver(1);
        b->Activate(50);
    }
    return c;
}

void ProfileControl::Update(float dt) {
    Control::Update(dt);
    if (!active) return;
    const ControlList buttons = controls;  // a click may rebuild the whole list of cards
    for (const ControlPtr& b : buttons) b->Update(dt);
}

void ProfileControl::Draw() {
    const SavedColor saved;
    SetBlend(ALPHABLEND);
    SetAlpha(static_cast<float>(alpha.Get()));
    SetColor(255, 255, 255);
    SetScale(1, 1);
    if (selected) DrawFrame(6, x - w / 2 - 6, y - h / 2 - 6, w + 16, h + 16);
    DrawFrame(2, x - w / 2, y - h / 2, w, h);
    if (ok) {
        SetScale(0.25f, 0.25f);
        ImageList::DrawSimple(image, static_cast<float>(x - 72), static_cast<float>(y - 32));
        SetScale(1, 1);
        if (star) ImageList::DrawSimple(553, static_cast<float>(x), static_cast<float>(y + 13));
        FontList::SetFont(2);
        SetColor(0, 0, 0);
        DrawText(name, static_cast<float>(x - 22), static_cast<float>(y - 62));
        SetColor(255, 255, 255);
        DrawText(name, static_cast<float>(x - 24), static_cast<float>(y - 64));
        FontList::SetFont(1);
        SetColor(0, 0, 0);
        DrawText(info, static_cast<float>(x - 24), static_cast<float>(y - 32));
        SetColor(255, 255, 255);
    }
    for (const ControlPtr& b : controls) b->Draw();
}
