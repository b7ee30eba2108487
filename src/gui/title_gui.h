// The title menu: the main buttons "Play", "Options" and "Quit", the greeting of the current
// player with a way to switch profiles, the profile list (select, delete, create), the "Create a
// character" dialog and a yes/no window. The title scene calls Activate, Update and Draw and reads
// `pressed`, `create_new`, `gender` and the chosen name to act.
#pragma once

#include <memory>
#include <string>

#include "button.h"
#include "control.h"
#include "image_control.h"
#include "primitives.h"
#include "text_field_control.h"

class TitleGUI {
public:
    static inline int title_active = 0;        // 1 while the main buttons are shown
    static inline int title_window_open = 0;   // 1 while a window is open
    static inline Interpolation title_menu_alpha{0.0f};
    static inline ControlList title_controls;
    static inline int pressed = 0;  // 0 none, 1 "Play", 3 "Quit" (the button's image - 407)
    static inline int gender = 1;   // 1 male, 0 female
    static inline int create_new = 0;  // 1: the dialog's name is to become a new profile
    static inline std::shared_ptr<TextFieldControl> name_field;
    static inline std::shared_ptr<ImageControl> portrait;
    static inline std::shared_ptr<Button> male_button, female_button;
    static inline std::string delete_name;  // the profile awaiting confirmation of deletion
    // The name confirmed in the character dialog. Kept apart from the field, which the
    // "Delete old profile with same name?" window closes before the answer comes.
    static inline std::string new_profile_name;

    static void Activate(Button* button = nullptr);
    static void Deactivate(Button* button = nullptr);
    static void Update(float dt);
    static void Draw();
    static void SetPressed(Button* button);
    static void ActivateOptions(Button* button);
    static void CallbackSelect(Button* button = nullptr);
    static void SelectProfile(Button* button);
    static void Delete1Callback(Button* button);
    static void Delete2Callback(Button* button);
    static void ActivateName(Button* button = nullptr);
    static void SelectMale(Button* button);
    static void SelectFemale(Button* button);
    static void NameCallback(Button* button);
    static void DeleteCallback(Button* button);
    static void ActivateChoice(const std::string& text, ButtonCallback yes, ButtonCallback no);
    // Timer targets: the "Options" and "Play" buttons appear a little after the others.
    static void AddB2();
    static void AddB3();
    // Forgets every control and window (the title scene calls it when it ends).
    static void Reset();

private:
    static void Preamble();
    static void Add(const ControlPtr& control, float time = 50);
};

// The names of the profile files in the profiles folder, in folder order, without ".sav".
std::vector<std::string> ProfileFileNames();
// A random given name of the male (male != 0) or female pool.
std::string RandomPlayerName(int male);
