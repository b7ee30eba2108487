#include "dialogue.h"

#include "app.h"
#include "audio_list.h"
#include "button.h"
#include "graphics.h"
#include "item.h"
#include "profile.h"
#include "update_list.h"

std::shared_ptr<Button> skip_button;
int skip_label = 0;
Dialogue* skip_dialogue = nullptr;
std::string music_path;
std::function<void(float)> dialogue_update_highlights;

namespace {

// A flag condition of a step: none, or the flag equals the wanted value.
bool FlagHolds(const std::string& flag, int value) {
    return flag.empty() || Profile::GetFlagValue(flag) == value;
}

void PlaySound(int id) { AudioList::Play(id, 0, 1, 1); }

// The notice of an `info` enter: its text and sound by code; false for an unknown code.
bool InfoNotice(int code, std::string* text, int* sound) {
    switch (code) {
        case 1: *text = "Location unlocked"; *sound = 108; return true;
        case 2: *text = "Quest added"; *sound = 107; return true;
        case 3: *text = "Quest updated"; *sound = 107; return true;
        case 4: *text = "Quest complete"; *sound = 108; return true;
        default: return false;
    }
}

}  // namespace

std::shared_ptr<DialogueItemData> DialogueItemData::Create(const DialogueItems& items) {
    auto data = std::make_shared<DialogueItemData>();
    data->items = &items;
    return data;
}

Dialogue::Dialogue() = default;

Dialogue::~Dialogue() {
    if (skip_dialogue == this) skip_dialogue = nullptr;
}

DialogueActor* Dialogue::GetActor(int actor_id) const {
    for (const auto& actor : actors) {
        if (actor->id == actor_id) return actor.get();
    }
    return nullptr;
}

int Dialogue::Initialize() {
    if (!name.empty()) Profile::AddFlag(name, 1);
    if (tutorial && Profile::GetFlagValue("Switch-SkipTutorial") > 0) return 1;
    saving_blocked = 1;
    if (color != 1) screen_fade.Set(color, 50);
    wait = 0;
    // A run that was cut short (a `location` step, a scene change) leaves frames, a menu or a game
    // behind; a new start begins from a clean slate, or the old run would resume after this one.
    item_stack.clear();
    item_stack.push_front(DialogueItemData::Create(items));
    actors.clear();
    choices.reset();
    game.reset();
    skip_button.reset();
    skip_label = 0;
    skip_dialogue = nullptr;
    return 0;
}

void Dialogue::Destroy() {
    items.clear();
    item_stack.clear();
}

void Dialogue::DisableActors() {
    for (const auto& actor : actors) actor->front = 0;
}

void Dialogue::SkipDialogue(Button* button) {
    (void)button;
    Dialogue* dialogue = skip_dialogue;
    if (!dialogue) return;
    DialogueItem jump;
    jump.item_type = kStepGoto;
    jump.id = skip_label;
    dialogue->ParseItem(jump);
    if (skip_button) skip_button->Deactivate(25);
    for (const auto& actor : dialogue->actors) {
        actor->text.reset();
        actor->blocking = 0;
    }
}

void Dialogue::ParseItem(const DialogueItem& step) {
    DialogueActor* actor = GetActor(step.id);
    switch (step.item_type) {
        case kStepWait:
            wait = static_cast<float>(step.value);
            break;
        case kStepEnter: {
            float voice = step.pitch;
            if (step.value == 0) {
                voice = pitch;  // the player speaks with the profile's voice
            } else if (voice == 0) {
                voice = 1;
            }
            actors.push_back(DialogueActor::Create(step.id, step.value, step.extra, step.text, voice));
            DialogueActor& entered = *actors.back();
            entered.front = 1;
            if (step.extra == kModeInfo) {
                std::string notice;
                int sound = 0;
                if (InfoNotice(step.value, &notice, &sound)) {
                    entered.SetText(notice);
                    entered.blocking = 1;
                    if (step.value == 4) Profile::AddFlag("Misc-Quests", 1);
                    PlaySound(sound);
                }
            } else if (step.extra == kModeItem && (step.value == 1 || step.value == 2)) {
                entered.SetText(step.text.empty()
                                    ? (step.value == 1 ? "Got item " : "Gave away item ") + step.item
                                    : step.text);
                entered.blocking = 1;
                if (std::shared_ptr<Item> item = ItemList::GetItem(step.item)) entered.text->image = item->image;
                PlaySound(106);
            }
            break;
        }
        case kStepMove:
            if (actor) {
                actor->Move(step.value, step.extra);
                actor->blocking = step.block;
            }
            break;
        case kStepExit:
            if (actor) actor->Remove(step.value);
            break;
        case kStepText:
            if (actor && FlagHolds(step.flag, step.value)) {
                actor->SetText(step.text);
                actor->blocking = step.block;
            }
            break;
        case kStepChoices:
            choices = std::make_unique<DialogueChoices>();
            choices->Initialize(step);
            break;
        case kStepLabel:
            if (step.id == skip_label && skip_button) {
                skip_button->Deactivate(25);
                skip_label = 0;
                skip_dialogue = nullptr;
            }
            break;
        case kStepGoto: {
            if (!FlagHolds(step.flag, step.value)) break;
            if (!step.item.empty() && !Profile::GetItem(step.item)) break;
            // Frames without the label are dropped: a label found nowhere ends the dialogue.
            while (!item_stack.empty()) {
                DialogueItemData& frame = *item_stack.front();
                const DialogueItems& list = *frame.items;
                int found = -1;
                for (size_t i = 0; i < list.size(); ++i) {
                    if (list[i]->item_type == kStepLabel && list[i]->id == step.id) {
                        found = static_cast<int>(i);
                        break;
                    }
                }
                if (found >= 0) {
                    frame.pos = found;
                    choices.reset();
                    break;
                }
                item_stack.pop_front();
            }
            break;
        }
        case kStepMood:
            player_expression = step.value;
            break;
        case kStepLocation:
            saving_blocked = 0;
            Profile::SetFlag("GotoLocation", step.id);
            break;
        case kStepFlag:
            if (step.extra == -1) {
                Profile::AddFlag(step.flag, step.value);
            } else if (step.extra != 0) {
                Profile::SetFlag(step.flag, Rand(1, step.extra));
            } else {
                Profile::SetFlag(step.flag, step.value);
            }
            break;
        case kStepItem:
            Profile::AddItem(step.flag, step.value);
            break;
        case kStepMusic:
            music_path = app_dir + "/" + step.flag;
            if (music_path != current_music_path) {
                AudioList::FadeMusic(0, 85);
                UpdateList::AddUpdate(100, [] { AudioList::PlayMusic(music_path, 1, 1, 1); }, 0);
            }
            break;
        case kStepAddImage:
            if (actor && FlagHolds(step.flag, step.extra)) {
                auto picture = std::make_unique<DialogueImage>();
                picture->x = step.x;
                picture->y = step.y;
                picture->image = step.value;
                picture->alpha.SetAbsolute(1);
                actor->images.push_back(std::move(picture));
            }
            break;
        case kStepGame:
            if (std::unique_ptr<DialogueGame> started = CreateDialogueGame(step.id)) game = std::move(started);
            break;
        case kStepDelImage:
            if (actor && FlagHolds(step.flag, step.extra)) {
                for (const auto& picture : actor->images) {
                    if (picture->image == step.value) {
                        picture->alpha.SetAbsolute(0);
                        break;
                    }
                }
            }
            break;
        case kStepActor:
            if (actor) actor->blocking = step.block;
            break;
        case kStepSkip:
            skip_button = Button::Create(virtual_width - 64, virtual_height - 52, 419, "Skip >>", 2, SkipDialogue);
            skip_button->SetOver(1);
            skip_button->Activate(50);
            skip_label = step.id;
            skip_dialogue = this;
            break;
        default:
            break;
    }
}

int Dialogue::Update(float delta) {
    if (skip_button) {
        std::shared_ptr<Button> button = skip_button;  // the callback may replace the global
        button->Update(delta);
        if (skip_button == button && button->remove && button->alpha.Get() == 0) skip_button.reset();
    }
    if (Profile::GetFlagValue("UpdateHighlights") > 0 && dialogue_update_highlights) {
        dialogue_update_highlights(delta);
    }
    int busy = 0;
    for (size_t i = 0; i < actors.size();) {
        if (actors[i]->Update(delta)) {
            actors.erase(actors.begin() + static_cast<long>(i));
        } else {
            busy = busy || actors[i]->blocking;
            ++i;
        }
    }
    if (wait > 0) {
        wait -= delta;
        return 0;
    }
    if (game) {
        if (game->Update(delta)) {
            game.reset();
        } else {
            busy = 1;
        }
    }
    if (busy) return 0;
    if (choices) {
        choices->Update(delta);
        if (const DialogueItem* step = choices->GetItem()) ParseItem(*step);
        return 0;
    }
    if (item_stack.empty()) {
        if (!actors.empty()) return 0;
        screen_fade.Set(1, 50);
        saving_blocked = 0;
        return 1;
    }
    std::shared_ptr<DialogueItemData> frame = item_stack.front();
    if (frame->pos >= static_cast<int>(frame->items->size())) {
        item_stack.pop_front();
        if (item_stack.empty()) return 0;
        frame = item_stack.front();
        if (frame->pos >= static_cast<int>(frame->items->size())) return 0;  // dropped next frame
    }
    const DialogueItem& step = *(*frame->items)[static_cast<size_t>(frame->pos)];
    ParseItem(step);
    // A goto may have moved this frame to its label (the step after it runs next) or dropped it.
    frame->pos += 1;
    return 0;
}

void Dialogue::Draw() {
    SetBlend(ALPHABLEND);
    for (const auto& actor : actors) {
        SetColor(255, 255, 255);
        actor->Draw();
    }
    if (choices) choices->Draw();
    if (skip_button) {
        SetColor(255, 255, 255);
        skip_button->Draw();
    }
    if (game) game->Draw();
    SetAlpha(1);
}
