// A dialogue script and its runner: one step per frame, actors on and off the stage, speech, choice
// menus, jumps, flags, items, music, hosted games. The play scene starts it with Initialize, calls
// Update and Draw every frame and drops it when Update reports the end.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogue_actor.h"
#include "dialogue_choices.h"
#include "dialogue_game.h"
#include "dialogue_script.h"
#include "primitives.h"
#include "text_tokens.h"

class Button;
class Dialogue;

// An execution frame: a step list and the index of its next step.
class DialogueItemData {
public:
    int pos = 0;
    const DialogueItems* items = nullptr;
    virtual ~DialogueItemData() = default;
    static std::shared_ptr<DialogueItemData> Create(const DialogueItems& items);
};

// The "Skip >>" button of a cut-scene, the label it jumps to and the dialogue it belongs to.
extern std::shared_ptr<Button> skip_button;
extern int skip_label;
extern Dialogue* skip_dialogue;
// The track a `music` step starts once the old one has faded out.
extern std::string music_path;
// Called every frame of a dialogue while flag "UpdateHighlights" is set, so that the scene's
// hotspots keep reacting to the pointer; the hotspot module sets it (none: nothing happens).
extern std::function<void(float)> dialogue_update_highlights;

class Dialogue : public Thing {
public:
    int id = 0;
    std::string name;  // flag counted up each time the dialogue starts ("" = none)
    int tutorial = 0;  // suppressed while "Switch-SkipTutorial" is set
    float color = 0.8f;  // scene brightness while it runs
    DialogueItems items;
    std::deque<std::shared_ptr<DialogueItemData>> item_stack;  // the front frame is run
    std::unique_ptr<DialogueChoices> choices;
    std::vector<std::unique_ptr<DialogueActor>> actors;  // in order of entry
    float wait = 0;
    std::unique_ptr<DialogueGame> game;

    Dialogue();
    ~Dialogue() override;

    // The skip button's callback: jumps the skipping dialogue to its skip label and silences it.
    static void SkipDialogue(Button* button);
    // 1 when the dialogue is not to run (a tutorial while tutorials are skipped), 0 when started.
    virtual int Initialize();
    virtual void Destroy();
    virtual void DisableActors();
    virtual void ParseItem(const DialogueItem& step);
    // 1 once the dialogue has ended.
    virtual int Update(float delta);
    virtual void Draw();

    // The first actor on stage with that id, or null.
    DialogueActor* GetActor(int actor_id) const;
};
