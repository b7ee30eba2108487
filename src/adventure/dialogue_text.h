// A speech box or notice of a dialogue actor: typewriter text with voice ticks and the two-click
// flow (speakers, messages), or a self-closing notice that grows while it fades (info, item).
#pragma once

#include <memory>
#include <string>

#include "primitives.h"

class DialogueText : public Thing {
public:
    int action_ok = 0;  // a click may act (set on a frame without a click)
    std::string text;   // wrapped, tokens replaced
    int tw = 0, th = 0;  // text block size
    std::string click_text;
    Interpolation click_alpha;
    int click_width = 0, click_height = 0;
    float tick_counter = 0;
    float pitch = 1.0f;  // voice rate; -1 selects the narrator voice
    int complete = 0;
    float counter = 0;  // time since creation
    int goal = 0;       // counter value at which the text is fully shown
    int dir = 0;        // box kind (ActorMode)
    Interpolation alpha;
    int image = 0;  // picture shown by item notices

    static void AddClickText(DialogueText& box);
    // A box of kind `kind` whose top-left corner is (x, y).
    static std::unique_ptr<DialogueText> Create(int x, int y, const std::string& text, int kind);
    // 1 once the box has closed.
    int Update(float delta);
    void Draw();

private:
    void PlayVoiceTick();
};
