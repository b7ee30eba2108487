// The in-memory form of a dialogue script: one DialogueItem per step, and the choices of a choice
// menu, each with its own nested steps. Loaded by DialogueList, run by Dialogue.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "primitives.h"

class DialogueItem;
class DialogueChoice;
using DialogueItems = std::vector<std::shared_ptr<DialogueItem>>;
using DialogueChoiceList = std::vector<std::shared_ptr<DialogueChoice>>;

// Step kinds (`item_type`), one per script element.
enum DialogueItemType {
    kStepWait = 0,
    kStepEnter = 1,
    kStepMove = 2,
    kStepExit = 3,
    kStepText = 4,
    kStepChoices = 5,
    kStepLabel = 6,
    kStepGoto = 7,
    kStepMood = 8,
    kStepLocation = 9,
    kStepFlag = 10,
    kStepItem = 11,
    kStepMusic = 12,
    kStepAddImage = 13,
    kStepGame = 14,
    kStepDelImage = 15,
    kStepActor = 16,
    kStepSkip = 17,
};

// How an actor comes on stage (`extra` of an enter step, `dir` of an actor and of its text box).
enum ActorMode {
    kModeNone = 0,
    kModeLeft = 1,
    kModeRight = 2,
    kModeMessage = 3,
    kModeInfo = 4,
    kModeItem = 5,
};

// One script step. Which fields mean what depends on the kind (see DialogueList::LoadItems).
class DialogueItem {
public:
    int item_type = 0;
    int id = 0;
    int value = 0;
    int extra = 0;
    int x = 0;
    int y = 0;
    float pitch = 0;
    std::string text;
    int block = 1;
    std::string flag;
    int flag_value = 0;
    std::string item;
    std::shared_ptr<DialogueChoiceList> choices;  // only for choices steps

    virtual ~DialogueItem() = default;
};

// One entry of a choice menu. Its Thing box is laid out by DialogueChoices.
class DialogueChoice : public Thing {
public:
    std::string name;  // flag set when taken; a choice whose flag exists is not offered
    std::string text;
    std::string flag;  // shown only while this flag equals `value`
    int value = 0;
    std::string item;  // shown only while this item is owned
    int pos = 0;       // next of `items` to run
    DialogueItems items;

    // Measures the text in the current font (w, h).
    void Initialize();
    // Draws the text centred on the box, in the current font and colour.
    void Draw() const;
};
