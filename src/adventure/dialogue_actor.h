// An actor on the dialogue stage: a portrait that slides in from a side and blinks and moves its
// lips while it speaks, or a centred message or notice box; each with at most one speech box and any
// number of pictures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogue_text.h"
#include "primitives.h"

// A picture attached to an actor (or, at x and y >= 10000, to a screen point).
class DialogueImage {
public:
    Interpolation alpha{0.0f};
    int image = 0;
    int x = 0, y = 0;
    virtual ~DialogueImage() = default;
};

// Which mouth frame a talking portrait shows, one entry per 12 time units: -1 none, 0 mouth A, 1
// mouth B.
extern const int mouth_pattern[16];

class DialogueActor {
public:
    int id = 0;
    int image = 0;  // portrait; <= 0 means the player
    float pitch = 1.0f;
    std::string title;  // not drawn; its height moves a centred box down
    int title_font = 0;
    int dir = 0;  // ActorMode
    Interpolation x;  // horizontal centre
    int y = 0;
    int w = 0, h = 0;
    int del = 0;  // leaving
    int front = 0;  // drawn at full colour
    int blocking = 0;  // holds the script
    int moving = 0;
    std::unique_ptr<DialogueText> text;
    std::vector<std::unique_ptr<DialogueImage>> images;
    float blink_count = 0;
    float blinking = 0;
    float talking = 0;

    virtual ~DialogueActor() = default;
    static std::unique_ptr<DialogueActor> Create(int id, int image, int dir, const std::string& title, float pitch);
    virtual void SetTextPos();
    virtual void SetText(const std::string& s);
    virtual void Remove(int frames);
    virtual void Move(int x, int frames);
    // 1 once the actor has left the stage.
    virtual int Update(float delta);
    virtual void DrawActor();
    virtual void Draw();

    // The portrait frame the lips and eyes show now (0 = none); drawn on top of the portrait.
    int MouthFrame(int portrait) const;
    int EyesFrame(int portrait) const;
    // The portrait image drawn, the player's expression overlay aside.
    int PortraitImage() const;
};
