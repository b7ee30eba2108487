#include "dialogue_choices.h"

#include <algorithm>

#include "app.h"
#include "font.h"
#include "font_list.h"
#include "frame_control.h"
#include "graphics.h"
#include "profile.h"

namespace {

constexpr int kChoiceFont = 2;

void AddVisible(DialogueChoices& menu, const DialogueItem& item) {
    if (!item.choices) return;
    for (const auto& c : *item.choices) {
        if (DialogueChoices::Visible(*c)) menu.choices.push_back(c);
    }
}

}  // namespace

void DialogueChoice::Initialize() {
    w = TextWidth(text);
    h = TextHeight(text);
}

void DialogueChoice::Draw() const {
    DrawText(text, static_cast<float>(x - w / 2 + 2), static_cast<float>(y - h / 2));
}

bool DialogueChoices::Visible(const DialogueChoice& c) {
    if (!c.flag.empty() && Profile::GetFlagValue(c.flag) != c.value) return false;
    if (!c.name.empty() && Profile::GetFlag(c.name) != nullptr) return false;
    if (!c.item.empty() && !Profile::GetItem(c.item)) return false;
    return true;
}

void DialogueChoices::Initialize(const DialogueItem& item) {
    text = item.text;
    dialogue_item = &item;
    removed_choices.clear();
    choices.clear();
    choice.reset();
    AddVisible(*this, item);
    Setup();
}

void DialogueChoices::Setup() {
    alpha.Set(1, 20);
    FontList::SetFont(kChoiceFont);
    int top = virtual_height - 96;
    int widest = 0;
    for (const auto& c : choices) {
        c->Initialize();
        top -= c->h + 8;
        widest = std::max(widest, c->w);
    }
    w = std::max(widest, 120);
    y = top;
    h = virtual_height - top - 96;
    x = (virtual_width - w) / 2;
    int d = top;
    for (const auto& c : choices) {
        c->x = x + w / 2;
        c->y = d + c->h / 2;
        c->w = w;
        d += c->h + 8;
    }
}

int DialogueChoices::Update(float delta) {
    alpha.Update(delta);
    if (choice || !mouse_click) return 0;
    for (const auto& c : choices) {
        if (!c->MouseOver(0, 0, 1)) continue;
        // A named choice is offered once: its flag now exists.
        if (!c->name.empty()) Profile::SetFlag(c->name, 1);
        choice = c;
        choice->pos = 0;
        alpha.Set(0, 20);
        break;
    }
    return 0;
}

const DialogueItem* DialogueChoices::GetItem() {
    if (!choice || !alpha.Stopped()) return nullptr;
    if (choice->pos < static_cast<int>(choice->items.size())) {
        return choice->items[static_cast<size_t>(choice->pos++)].get();
    }
    removed_choices.push_back(choice);
    choice.reset();
    choices.clear();
    if (dialogue_item) AddVisible(*this, *dialogue_item);
    choices.erase(std::remove_if(choices.begin(), choices.end(),
                                 [this](const std::shared_ptr<DialogueChoice>& c) {
                                     return std::find(removed_choices.begin(), removed_choices.end(), c) !=
                                            removed_choices.end();
                                 }),
                  choices.end());
    Setup();
    return nullptr;
}

void DialogueChoices::Draw() {
    const float a = static_cast<float>(alpha.Get());
    FontList::SetFont(kChoiceFont);
    SetColor(255, 255, 255);
    SetAlpha(a);
    DrawFrame(2, x - 32, y - 32, w + 64, h + 64);
    for (const auto& c : choices) {
        SetAlpha(std::min(1.0f, a * (c->MouseOver(0, 0, 1) ? 15.0f : 0.5f)));
        DrawFrame(6, c->x - c->w / 2 - 8, c->y - c->h / 2 - 2, c->w + 16, c->h + 8);
    }
    SetAlpha(a);
    SetColor(0, 0, 0);
    for (const auto& c : choices) c->Draw();
    const int pw = TextWidth(text);
    const int ph = TextHeight(text);
    SetColor(255, 255, 255);
    DrawFrame(3, x - 16, y - ph - 40, pw + 32, ph + 32);
    SetColor(0, 0, 0);
    DrawText(text, static_cast<float>(x), static_cast<float>(y - ph - 24));
}
