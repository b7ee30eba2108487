// The choice menu of a dialogue: the choices the player may take now, anchored above the bottom of
// the screen and growing upwards; a taken choice runs its steps and the menu comes back without it.
#pragma once

#include <memory>
#include <string>

#include "dialogue_script.h"
#include "primitives.h"

class DialogueChoices : public Thing {
public:
    std::string text;  // prompt
    Interpolation alpha;
    DialogueChoiceList choices;  // shown
    std::shared_ptr<DialogueChoice> choice;  // being run
    DialogueChoiceList removed_choices;  // already taken in this menu
    const DialogueItem* dialogue_item = nullptr;  // the choices step

    // The visibility rule: the choice's flag condition holds, its name flag does not exist, and its
    // item (if any) is owned.
    static bool Visible(const DialogueChoice& choice);

    void Initialize(const DialogueItem& item);
    void Setup();
    // Takes the choice under the pointer on a click. Always 0.
    int Update(float delta);
    // The next step of the choice being run, or null (none runs, the menu is still fading out, or
    // the choice has just ended and the menu comes back).
    const DialogueItem* GetItem();
    void Draw();
};
