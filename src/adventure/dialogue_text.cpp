#include "dialogue_text.h"

#include <cctype>

#include "app.h"
#include "audio_list.h"
#include "dialogue_script.h"
#include "frame_control.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "text_block.h"
#include "text_tokens.h"

namespace {

constexpr int kSpeechFont = 2;
constexpr int kNoticeFont = 5;
constexpr int kClickFont = 8;
constexpr int kSpeechTail = 667;

bool ClickFlow(int kind) { return kind != kModeInfo && kind != kModeItem; }

std::string TrimSpace(const std::string& s) {
    size_t a = 0;
    size_t b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

}  // namespace

void DialogueText::AddClickText(DialogueText& box) {
    FontList::SetFont(kClickFont);
    box.click_text = "Click to continue";
    box.click_width = TextWidth(box.click_text);
    box.click_height = TextHeight(box.click_text);
    box.click_alpha.Set(1, 75);
}

std::unique_ptr<DialogueText> DialogueText::Create(int x, int y, const std::string& text, int kind) {
    auto box = std::make_unique<DialogueText>();
    const std::string plain = ReplaceTokens(text);
    if (kind == kModeInfo || kind == kModeItem) {
        FontList::SetFont(kNoticeFont);
        box->text = WrapText(plain, virtual_width);
        box->goal = kind == kModeInfo ? 200 : 250;
    } else {
        // Speakers wrap at 400 pixels, message boxes (and the box of an actor without a mode) at 640.
        AddClickText(*box);
        FontList::SetFont(kSpeechFont);
        const int width = kind == kModeLeft || kind == kModeRight ? 400 : 640;
        box->text = WrapText(plain, width);
        box->goal = 4 * static_cast<int>(plain.size());
    }
    box->w = TextBlockWidth(box->text);
    box->h = TextBlockHeight(box->text);
    box->tw = box->w;
    box->th = box->h;
    if (box->w < 128) box->w = 128;
    box->x = x + box->w / 2;
    box->y = y + box->h / 2;
    box->dir = kind;
    box->alpha.Set(1, 20);
    return box;
}

void DialogueText::PlayVoiceTick() {
    if (pitch < 0) {
        tick_counter = static_cast<float>(Rand(0, 3) + 6);
        const int sound = 113 + Rand(0, 1);
        const float volume = Rnd(0.75f, 1.0f);
        const float rate = Rnd(0.95f, 1.05f);
        AudioList::Play(sound, 0, volume, rate);
        return;
    }
    int v = Rand(0, 3) - 2;
    tick_counter = static_cast<float>(Rand(0, 3) + 6 + (v > 0 ? 4 : 0));
    if (v < 0) v = 0;
    const float volume = Rnd(0.75f, 1.0f);
    const float rate = pitch - 0.0125f + Rnd(0.0f, 0.025f);
    AudioList::Play(101 + v, 0, volume, rate);
}

int DialogueText::Update(float delta) {
    counter += delta;
    alpha.Update(delta);
    if (counter >= 50) click_alpha.Update(delta);
    if (counter >= static_cast<float>(goal)) {
        complete = 1;
    } else if (ClickFlow(dir)) {
        tick_counter -= delta;
        if (tick_counter <= 0) PlayVoiceTick();
    }
    if (dir == kModeInfo) {
        if (alpha.Get() == 1) alpha.Set(0, 150);
        return complete;
    }
    if (dir == kModeItem) {
        if (counter >= static_cast<float>(goal / 2) && alpha.Get() == 1) alpha.Set(0, goal / 2);
        return complete;
    }
    if (mouse_click) {
        if (action_ok) {
            if (complete) {
                mouse_armed = 0;  // the click is used up here
                return 1;
            }
            action_ok = 0;
            counter = static_cast<float>(goal);  // the first click shows the whole text at once
        }
    } else {
        action_ok = 1;
    }
    return 0;
}

void DialogueText::Draw() {
    const float a = static_cast<float>(alpha.Get());
    SetColor(255, 255, 255);
    SetAlpha(a);
    if (dir == kModeLeft || dir == kModeRight || dir == kModeMessage) {
        DrawFrame(dir == kModeMessage ? 6 : 5, x - w / 2 - 32, y - h / 2 - 32, w + 64, h + click_height + 72);
        if (dir != kModeMessage) {
            const float tail_y = static_cast<float>(y + h / 2 + click_height + 93);
            if (dir == kModeLeft) {
                ImageList::DrawSimple(kSpeechTail, static_cast<float>(x) + static_cast<float>(w) * 0.125f, tail_y);
            } else {
                SetScale(-1, 1);
                ImageList::DrawSimple(kSpeechTail, static_cast<float>(x) - static_cast<float>(w) * 0.125f, tail_y);
                SetScale(1, 1);
            }
        }
    }
    SetColor(0, 0, 0);
    if (ClickFlow(dir)) {
        if (!click_text.empty()) {
            FontList::SetFont(kClickFont);
            SetAlpha(static_cast<float>(click_alpha.Get()));
            DrawText(click_text, static_cast<float>(x - click_width / 2), static_cast<float>(y + th / 2 + 16));
        }
        FontList::SetFont(kSpeechFont);
        SetAlpha(a);
        const float left = static_cast<float>(x - tw / 2);
        const float top = static_cast<float>(y - th / 2);
        const size_t n = static_cast<size_t>(counter / 4);
        if (n >= text.size()) {
            DrawTextBlock(text, left, top);
        } else if (n > 0) {
            const Tuple end = DrawTextBlockEnd(text.substr(0, n), left, top);
            SetAlpha(a * 0.5f);
            DrawText(TrimSpace(text.substr(n, 1)), static_cast<float>(end.a), static_cast<float>(end.b));
            SetAlpha(a);
        }
        return;
    }
    FontList::SetFont(kNoticeFont);
    const float s = dir == kModeInfo ? counter / 32 + 0.25f : counter / 125;
    const float left = static_cast<float>(x) - s * static_cast<float>(w) / 2;
    const float top = static_cast<float>(y) - s * static_cast<float>(h) / 2;
    SetScale(s, s);
    if (dir == kModeItem && image != 0) {
        SetColor(255, 255, 255);
        ImageList::DrawSimple(image, static_cast<float>(virtual_width / 2), top + s * 76);
    }
    SetColor(0, 0, 0);
    DrawTextBlock(text, left + 4, top + 4);
    SetColor(255, 255, 255);
    DrawTextBlock(text, left, top);
    SetScale(1, 1);
}
