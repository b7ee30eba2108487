#include "title_gui.h"

#include <algorithm>

#include "animal.h"
#include "app.h"
#include "font.h"
#include "font_list.h"
#include "frame_control.h"
#include "graphics.h"
#include "options_file.h"
#include "options_window.h"
#include "profile.h"
#include "profile_control.h"
#include "settings.h"
#include "system.h"
#include "text_control.h"
#include "update_list.h"

namespace {

constexpr int kTimerId = 1;  // the timers that bring in "Options" and "Play"

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// A label in `font` whose centre is at (cx, cy).
std::shared_ptr<TextControl> CentredText(const std::string& text, int font, int cx, int cy) {
    auto t = TextControl::Create(0, 0, text, font);
    t->x = cx - t->w / 2;
    t->y = cy - t->h / 2;
    return t;
}

}  // namespace

std::vector<std::string> ProfileFileNames() {
    std::vector<std::string> names;
    for (const std::string& file : ReadDir(user_dir + "/Profiles")) {
        if (file == "." || file == ".." || !EndsWith(file, ".sav")) continue;
        names.push_back(file.substr(0, file.size() - 4));
    }
    return names;
}

std::string RandomPlayerName(int male) {
    const std::vector<std::string>& pool = male ? male_names : female_names;
    if (pool.empty()) return "";
    return pool[static_cast<size_t>(Rand(0, static_cast<int>(pool.size()) - 1))];
}

void TitleGUI::Add(const ControlPtr& control, float time) {
    control->Activate(time);
    control->global_color = 0;
    title_controls.push_back(control);
}

void TitleGUI::Preamble() {
    Deactivate();
    title_window_open = 1;
    screen_fade.Set(0.5f, 50);
}

void TitleGUI::Activate(Button*) {
    title_controls.clear();
    if (title_window_open) screen_fade.Set(1, 100);
    title_active = 1;
    title_window_open = 0;
    pressed = 0;
    title_menu_alpha.Set(1, 200);
    // Timers of an earlier call still pending would bring the buttons in twice.
    UpdateList::RemoveUpdate(kTimerId);
    UpdateList::AddUpdate(50, AddB2, kTimerId);
    UpdateList::AddUpdate(100, AddB3, kTimerId);

    auto quit = Button::Create(512, 568, 410, "Quit", 5, SetPressed);
    quit->SetOver(1);
    quit->Activate(200);
    title_controls.push_back(quit);

    if (profile_active) {
        const std::string greeting = "Welcome, " + character_name + "!";
        FontList::SetFont(1);
        const int tw = TextWidth(greeting);
        const int th = TextHeight(greeting);
        const int c = 1024 - std::max(tw + 6, 112) + tw / 2;
        for (const std::string& line : {greeting, std::string("If this is not you")}) {
            const int cy = line == greeting ? 680 : 680 + th;
            auto shadow = CentredText(line, 1, c, cy);
            shadow->x += 2;
            shadow->y += 2;
            Add(shadow, 150);
            auto text = CentredText(line, 1, c, cy);
            text->tr = text->tg = text->tb = 255;
            Add(text, 150);
        }
        auto other = Button::Create(c, 736, 420, "Click here", 1, CallbackSelect);
        other->SetOver(1);
        Add(other, 150);
    }
}

void TitleGUI::AddB2() {
    auto b = Button::Create(512, 472, 409, "Options", 7, ActivateOptions);
    b->SetOver(1);
    b->Activate(200);
    title_controls.push_back(b);
}

void TitleGUI::AddB3() {
    auto b = Button::Create(512, 352, 408, "Play", 4, SetPressed);
    b->SetOver(1);
    b->Activate(200);
    title_controls.push_back(b);
}

void TitleGUI::Deactivate(Button*) {
    title_active = 0;
    title_menu_alpha.Set(0, 25);
    male_button = nullptr;
    female_button = nullptr;
    name_field = nullptr;
    portrait = nullptr;
    for (const ControlPtr& c : title_controls) c->Deactivate(25);
}

void TitleGUI::Update(float dt) {
    title_menu_alpha.Update(dt);
    UpdateControlList(title_controls, dt);
}

void TitleGUI::Draw() {
    SetAlpha(static_cast<float>(title_menu_alpha.Get()));
    DrawControlList(title_controls);
}

void TitleGUI::SetPressed(Button* button) {
    if (button) pressed = button->image - 407;
}

void TitleGUI::ActivateOptions(Button*) {
    Preamble();
    UpdateList::RemoveUpdate(kTimerId);
    CreateOptionsWindow(title_controls, [](Button* b) { Activate(b); });
}

void TitleGUI::CallbackSelect(Button*) {
    Preamble();
    UpdateList::RemoveUpdate(kTimerId);
    Add(FrameControl::Create(512, 128, 320, 64, 6, "Profiles", 3));

    int x = 224, y = 256, last_y = y, cards = 0;
    auto place = [&](const std::shared_ptr<ProfileControl>& card) {
        Add(card);
        last_y = y;
        ++cards;
        x += 288;
        if (cards == 3) {
            y += 192;
            x = 224;
        }
    };
    for (const std::string& file : ProfileFileNames()) {
        std::unique_ptr<ProfileInfo> info = GetProfileInfo(file);
        if (!info) continue;
        auto card = ProfileControl::Create(x, y, info.get(), SelectProfile, Delete1Callback);
        // The buttons name the file they act on (normally the same as the name inside it).
        for (const ControlPtr& b : card->controls) static_cast<Button*>(b.get())->id = file;
        card->selected = profile_active && file == profile_name ? 1 : 0;
        place(card);
    }
    if (cards < 6) place(ProfileControl::Create(x, y, nullptr, [](Button* b) { ActivateName(b); }, nullptr));

    auto back = Button::Create(512, last_y + 160, 418, "Back", 3, [](Button* b) { Activate(b); });
    back->SetOver(1);
    Add(back);
}

void TitleGUI::SelectProfile(Button* button) {
    if (!button) return;
    profile_name = button->id;
    if (Profile::Load()) {
        profile_active = 1;
    } else {
        profile_name = "";
        profile_active = 0;
    }
    Activate();
}

void TitleGUI::Delete1Callback(Button* button) {
    if (!button) return;
    title_active = 0;
    title_menu_alpha.SetAbsolute(0);
    title_controls.clear();
    delete_name = button->id;
    ActivateChoice("Really delete profile?", Delete2Callback, [](Button* b) { CallbackSelect(b); });
}

void TitleGUI::Delete2Callback(Button*) {
    if (IsSafeProfileName(delete_name)) {
        const std::string path = Profile::ProfilePath(delete_name);
        DeleteFile(path);
        DeleteFile(path + ".bak");  // a deleted profile leaves nothing behind
    }
    if (delete_name == profile_name) {
        profile_name = "";
        profile_active = 0;
        for (const std::string& name : ProfileFileNames()) {
            profile_name = name;
            if (Profile::Load()) {
                profile_active = 1;
                break;
            }
        }
        if (!profile_active) {
            profile_name = "";
            create_new = 0;
        }
    }
    CallbackSelect();
}

void TitleGUI::ActivateName(Button*) {
    Preamble();
    create_new = 0;
    profile_active = 0;
    gender = 1;
    Add(FrameControl::Create(512, 384, 400, 364, 6, "", 0));
    auto heading = CentredText("Create a character", 2, 512, 232);
    Add(heading);
    auto label = CentredText("Name", 1, 512, heading->y + 56);
    Add(label);
    const int n = label->y;

    name_field = TextFieldControl::Create(512, n + 40, 320, RandomPlayerName(1));
    // Our portraits are tall head-to-waist pictures: shown small and under the name field so the
    // field stays readable, with the gender buttons beside the picture.
    portrait = ImageControl::Create(440, n + 140, 1000, 0.3f);
    Add(portrait);

    male_button = Button::Create(576, n + 108, 420, "Male", 1, SelectMale);
    male_button->SetOver(1);
    Add(male_button);
    male_button->active = 0;  // male is preselected
    female_button = Button::Create(576, n + 156, 420, "Female", 1, SelectFemale);
    female_button->SetOver(1);
    Add(female_button);

    auto ok = Button::Create(512, female_button->y + 88, 419, "OK", 2, NameCallback);
    ok->SetOver(1);
    name_field->b = ok;
    Add(name_field);  // drawn over the portrait, before its confirm button
    Add(ok);
    ok->active = 0;
}

void TitleGUI::SelectMale(Button*) {
    if (female_button) female_button->Activate(50);
    if (portrait) portrait->image = 1000;
    gender = 1;
    if (name_field && !name_field->touched) name_field->text = RandomPlayerName(1);
}

void TitleGUI::SelectFemale(Button*) {
    if (male_button) male_button->Activate(50);
    if (portrait) portrait->image = 1005;
    gender = 0;
    if (name_field && !name_field->touched) name_field->text = RandomPlayerName(0);
}

void TitleGUI::NameCallback(Button*) {
    if (!name_field || name_field->text.empty()) return;
    new_profile_name = name_field->text;
    if (FileExists(Profile::ProfilePath(new_profile_name))) {
        create_new = 0;
        title_active = 0;
        title_menu_alpha.SetAbsolute(0);
        title_controls.clear();
        ActivateChoice("Delete old profile with same name?", DeleteCallback, [](Button* b) { Activate(b); });
    } else {
        create_new = 1;
        Activate();
    }
}

void TitleGUI::DeleteCallback(Button*) {
    create_new = 1;
    Activate();
}

void TitleGUI::ActivateChoice(const std::string& text, ButtonCallback yes, ButtonCallback no) {
    Preamble();
    auto label = CentredText(text, 2, 512, 352);
    Add(FrameControl::Create(512, 384, label->w + 64, label->h + 128, 6, "", 0));
    Add(label);
    auto ok = Button::Create(448, 384 + label->h, 419, "OK", 2, std::move(yes));
    ok->SetOver(1);
    Add(ok);
    auto cancel = Button::Create(576, 384 + label->h, 419, "Cancel", 2, std::move(no));
    cancel->SetOver(1);
    Add(cancel);
}

void TitleGUI::Reset() {
    UpdateList::RemoveUpdate(kTimerId);
    title_controls.clear();
    title_active = 0;
    title_window_open = 0;
    title_menu_alpha.SetAbsolute(0);
    pressed = 0;
    name_field = nullptr;
    portrait = nullptr;
    male_button = nullptr;
    female_button = nullptr;
}
