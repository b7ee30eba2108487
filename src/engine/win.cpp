#include "win.h"

#include <algorithm>

#include "audio_list.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "input.h"
#include "profile.h"
#include "update_list.h"

namespace {
const int kEndingImage = 312;
const int kCreditsFont = 3;

const std::array<const char*, Win::kCreditLines> kCredits = {
    "@cCredits",
    "",
    "@rProgramming",
    "The Mossmeadow Engine Crew",
    "",
    "@gCharacter Art",
    "Drawn by the Mossmeadow Picture Generator",
    "",
    "@gBackground Art",
    "Painted by the Mossmeadow Picture Generator",
    "",
    "@gInterface Art",
    "The Mossmeadow Interface Workshop",
    "",
    "@yGame Design",
    "The Mossmeadow Team",
    "",
    "@yDialogue",
    "The Mossmeadow Story Desk",
    "",
    "@bMusic",
    "Played by the Mossmeadow Synthesizer",
    "",
    "@bSound Effects",
    "Plucked by the Mossmeadow Synthesizer",
    "",
    "@cSpecial Thanks",
    "Grandma Edda, for the ranch",
    "Every spiggle who sat still for a portrait",
    "",
    "No penguins were harmed in the development of this game",
    "",
    "",
    "The End",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
};
}  // namespace

Win::Win() {
    for (int i = 0; i < kCreditLines; ++i) credits[static_cast<size_t>(i)] = kCredits[static_cast<size_t>(i)];
}

void Win::Create() { SwitchEvent(std::make_unique<Win>()); }

void Win::StartReturn() {
    Profile::SetFlag("F2", 1);
    Profile::SetFlag("GotoLocation", 3);
}

void Win::Finish() {
    if (clicked) return;
    clicked = 1;
    alpha.Set(0, 200);
    UpdateList::AddUpdate(250, Win::StartReturn, 0);
    AudioList::FadeMusic(0, 200);
}

int Win::StateNormal(float dt) {
    alpha.Update(dt);
    time += dt;
    if (!clicked && (KeyDown(27) || mouse_click)) Finish();
    return 0;
}

int Win::LineY(int index, int line_height) const {
    return static_cast<int>(768 - time / 4) + index * line_height;
}

int Win::AllPassed(int line_height) const {
    // The last line has passed once it is wholly above the top edge.
    return LineY(kCreditLines - 1, line_height) <= -line_height ? 1 : 0;
}

float Win::LineAlpha(int y) const {
    const float a = static_cast<float>(alpha.Get());
    if (y > 672) return a * (1 - static_cast<float>(y - 672) / 96);
    if (y <= 95) return a * static_cast<float>(y) / 96;
    return a;
}

void Win::LineStyle(const std::string& line, int* r, int* g, int* b, std::string* text) {
    *r = *g = *b = 255;
    *text = line;
    if (line.empty() || line[0] != '@') return;
    *text = line.size() > 2 ? line.substr(2) : std::string();
    switch (line.size() > 1 ? line[1] : '\0') {
        case 'y': *r = 255, *g = 255, *b = 128; break;
        case 'r': *r = 255, *g = 128, *b = 128; break;
        case 'g': *r = 128, *g = 255, *b = 128; break;
        case 'b': *r = 160, *g = 160, *b = 255; break;
        case 'c': *r = 192, *g = 255, *b = 255; break;
        default: break;
    }
}

int Win::Draw() {
    SetColor(fade_level, fade_level, fade_level);
    SetBlend(SOLIDBLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    ImageList::DrawSimple(kEndingImage, 512, 384);
    SetBlend(ALPHABLEND);
    FontList::SetFont(kCreditsFont);
    // A font that measures nothing would stack every line on the first: count one pixel a line.
    const int line_height = std::max(1, TextHeight("Credits"));
    if (!clicked && AllPassed(line_height)) Finish();
    for (int i = 0; i < kCreditLines; ++i) {
        const int y = LineY(i, line_height);
        if (y <= -line_height || y >= 768) continue;
        int r = 255, g = 255, b = 255;
        std::string text;
        LineStyle(credits[static_cast<size_t>(i)], &r, &g, &b, &text);
        if (text.empty()) continue;
        const int w = TextWidth(text);
        SetAlpha(LineAlpha(y));
        SetColor(0, 0, 0);
        DrawText(text, static_cast<float>((1024 - w) / 2 + 3), static_cast<float>(y + 3));
        SetColor(r, g, b);
        DrawText(text, static_cast<float>((1024 - w) / 2), static_cast<float>(y));
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
    ImageList::DrawSimple(1, static_cast<float>(mouse_x), static_cast<float>(mouse_y + 8));
    return 0;
}
