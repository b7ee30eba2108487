// A dialogue script as loaded from Data/Dialogues.
#pragma once

#include <string>

#include "dialogue_script.h"
#include "primitives.h"

class Dialogue : public Thing {
public:
    int id = 0;
    std::string name;  // flag counted up each time the dialogue starts ("" = none)
    int tutorial = 0;  // suppressed while "Switch-SkipTutorial" is set
    float color = 0.8f;  // scene brightness while it runs
    DialogueItems items;
};
