// A one-line text input. A pre-filled text is a suggestion: it is shown faded and the first key
// replaces it. Only letters, digits, space, "!", "_" and "-" are accepted, up to `length`
// characters; Enter confirms through the confirm button `b`, which is usable only while there is
// some text. An open field holds the keyboard: it takes it when made or activated and gives it
// back when deactivated or destroyed.
#pragma once

#include <memory>
#include <string>

#include "button.h"
#include "control.h"

class TextFieldControl : public Control {
public:
    int length = 16;
    std::string text;
    float count = 0;  // running time; drives the cursor blink
    int cursor_pos = -1;
    std::shared_ptr<Button> b;  // confirm button
    int touched = 0;            // 1 after the first key

    ~TextFieldControl() override;
    static std::shared_ptr<TextFieldControl> Create(int x, int y, int w, const std::string& text);
    void Activate(float time) override;
    void Deactivate(float time) override;
    void Update(float dt) override;
    void Draw() override;
    // Applies one typed character (8 Backspace, 13 or 10 Enter).
    void TypeChar(int c);
};

// 1 for the characters a name may hold: digits, A-Z, a-z, space, "!", "_" and "-".
int NameCharAllowed(int c);
