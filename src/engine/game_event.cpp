#include "game_event.h"

#include <iostream>

#include "adventure_gui.h"
#include "audio_list.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "graphics.h"
#include "hotspot.h"
#include "image_list.h"
#include "loader.h"
#include "location.h"
#include "location_event.h"
#include "particles.h"
#include "profile.h"
#include "title.h"
#include "update_list.h"

int game_state = kStateNormal;
Dialogue* current_dialogue = nullptr;
Location* current_location = nullptr;

namespace {
const int kPointerImage = 1;
const int kArrowImage = 606;

// 1 when the hotspot names a condition item the player does not own.
bool ConditionMissing(const Hotspot& hotspot) {
    return !hotspot.condition.empty() && !Profile::GetItem(hotspot.condition);
}

// A hotspot's dialogue; id 0 (a conditional hotspot without a fallback) starts nothing, so the
// click only releases the hotspot: the player can simply come back with the item.
void StartHotspotDialogue(int id) {
    if (id > 0) {
        GameEvent::InitDialogue(id);
    } else {
        clicked_hotspot = nullptr;
    }
}
}  // namespace

int GameEvent::StartDialogue(Hotspot& hotspot) {
    StartHotspotDialogue(ConditionMissing(hotspot) ? hotspot.result : hotspot.data);
    return 0;
}

int GameEvent::StartLocation(Hotspot& hotspot) {
    if (ConditionMissing(hotspot)) {
        StartHotspotDialogue(hotspot.result);
    } else {
        DoLocation(hotspot.data);
    }
    return 0;
}

int GameEvent::StartItem(Hotspot& hotspot) {
    if (auto* item = dynamic_cast<ItemHotspot*>(&hotspot)) std::cout << "Yay, you got " << item->item << "!\n";
    return 0;
}

void GameEvent::InitDialogue(int id) {
    current_dialogue = DialogueList::GetDialogue(id);
    if (!current_dialogue) Fatal("Error: Dialogue id " + std::to_string(id) + " not found!");
    // Saving stops while the dialogue runs: keep the profile as it stands now for a shutdown.
    Profile::KeepDialogueSnapshot();
    if (current_dialogue->Initialize() != 0) {
        Profile::DropDialogueSnapshot();
        current_dialogue = nullptr;
        // Nothing runs, so nothing will end: release the click, or every hotspot would stay
        // blocked until the next location.
        clicked_hotspot = nullptr;
        return;
    }
    game_state = kStateDialogue;
    AdventureGUI::Deactivate();
}

void GameEvent::DoLocation(int id) {
    const int old_location = location;
    Profile::SetFlag("OldLocation", old_location);
    location = id;
    screen_fade.Set(0, 50);
    UpdateList::AddUpdate(50, LocationEvent::Create, 0);
    game_state = kStateExit;
    const Location* next = LocationList::GetLocation(id);
    const std::string old_music = current_location ? current_location->music : std::string();
    if (next && next->music != old_music && Profile::GetFlagValue("SkipMusic") == 0) {
        AudioList::FadeMusic(0, 45);
    }
}

int GameEvent::Initialize() {
    initialized = 1;
    // A scene starts outside any dialogue: a dialogue left behind by a location change must not
    // keep the profile from being saved for the rest of the session.
    saving_blocked = 0;
    current_location = LocationList::GetLocation(location);
    if (current_location) {
        bg = current_location->bg;
        name = current_location->name;
        width = ImageList::GetWidth(bg);
        height = ImageList::GetHeight(bg);
        Profile::SetFlag("RandomValue", current_location->random > 0 ? Rand(0, current_location->random) : 0);
        if (!current_location->music.empty()) {
            if (Profile::GetFlagValue("SkipMusic") > 0) {
                Profile::AddFlag("SkipMusic", -1);
            } else {
                AudioList::PlayMusic(app_dir + "/" + current_location->music, 1, 1, 1.0f);
            }
        }
        for (const LocationFile& file : current_location->files) {
            Loader::AddImage(file.id, app_dir + "/" + file.path, file.split, file.size_x, file.size_y, file.number);
        }
    }
    HotspotList::Initialize(width, height);
    UpdateHotspots();
    AdventureGUI::Activate();
    AdventureGUI::SetTitle(name);
    current_dialogue = nullptr;
    game_state = kStateNormal;
    screen_fade.Set(1, 100);
    Profile::SetFlag("Misc-SetCoords", 0);
    UpdateCompletion();
    Profile::Save();
    return 0;
}

int GameEvent::Free() {
    if (!current_location) return 0;
    for (const LocationFile& file : current_location->files) {
        const int count = file.number < 1 ? 1 : file.number;
        for (int id = file.id; id < file.id + count; ++id) ImageList::RemoveImage(id);
    }
    return 0;
}

void GameEvent::UpdateHotspots() {
    HotspotList::Synchronize(current_location, StartDialogue, StartLocation, StartItem);
}

int GameEvent::Update(float dt) {
    if (!window_open && Profile::GetFlagValue("Misc-HaltAnimalUpdate") == 0) Profile::Update(dt);
    if (!initialized) return 0;
    ParticleList::Update(dt);
    HotspotList::UpdatePassive(dt, game_state != kStateNormal ? 1 : 0);
    PreState(dt);
    if (!dragging) AdventureGUI::Update(dt);
    switch (game_state) {
        case kStateNormal: StateNormal(dt); break;
        case kStateDialogue: StateDialogue(dt); break;
        case kStateMenu: StateMenu(dt); break;
        case kStateExit: StateExit(dt); break;
        default: break;
    }
    return 0;
}

int GameEvent::PreState(float) {
    if (!current_location) return 0;
    if (Profile::GetFlagValue("GotoLocation") > 0) {
        const int target = Profile::GetFlagValue("GotoLocation");
        DoLocation(target);
        Profile::RemoveFlag("GotoLocation");
    } else if (Profile::GetFlagValue("GotoTitle") > 0) {
        screen_fade.Set(0, 80);
        UpdateList::AddUpdate(100, Title::Create, 0);
        Profile::RemoveFlag("GotoTitle");
        Profile::Save();
        UpdateCompletion();
    } else {
        UpdateHotspots();
    }
    return 0;
}

int GameEvent::StateNormal(float dt) {
    // A save that could not be written is told once, before anything else happens here.
    if (!window_open && !dragging && TakeSaveNotice()) {
        ShowSaveNotice();
        return 1;
    }
    if (!dragging) HotspotList::Update(dt, static_cast<int>(xpos), static_cast<int>(ypos));
    if (!current_location) return 0;
    if (window_open) {
        game_state = kStateMenu;
        return 1;
    }
    Action* action = current_location->CheckAction();
    if (!action) return 0;
    if (action->dialogue > 0) {
        InitDialogue(action->dialogue);
        return 1;
    }
    if (action->location > 0) {
        location = action->location;
        screen_fade.Set(0, 50);
        UpdateList::AddUpdate(50, LocationEvent::Create, 0);
        game_state = kStateExit;
        if (Profile::GetFlagValue("Misc-StopMusic") == 1) {
            AudioList::StopMusic();
            Profile::SetFlag("Misc-StopMusic", 0);
        } else if (Profile::GetFlagValue("Misc-FadeMusic") == 1) {
            AudioList::FadeMusic(0, 45);
            Profile::SetFlag("Misc-FadeMusic", 0);
        }
        return 1;
    }
    return 0;
}

int GameEvent::StateDialogue(float dt) {
    dragging = 0;
    if (current_dialogue && current_dialogue->Update(dt) != 0) {
        current_dialogue = nullptr;
        game_state = kStateNormal;
        clicked_hotspot = nullptr;
        AdventureGUI::Activate();
        // What the dialogue did (a sale, a first meeting) is kept at once, not at the next
        // location change.
        Profile::DropDialogueSnapshot();
        Profile::Save();
    }
    return 0;
}

void GameEvent::ShowSaveNotice() {
    AdventureGUI::ActivateMessage(kSaveFailedText, [](Button*) { AdventureGUI::Activate(); });
}

int GameEvent::StateMenu(float) {
    if (!window_open) {
        game_state = kStateNormal;
        return 1;
    }
    return 0;
}

int GameEvent::StateExit(float) { return 0; }

int GameEvent::Draw() {
    if (!initialized) return 0;
    const int ix = static_cast<int>(xpos);
    const int iy = static_cast<int>(ypos);
    DrawBackground();
    DrawPostBg();

    SetColor(fade_level, fade_level, fade_level);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    HotspotList::Draw(ix, iy);
    DrawPostHotspots();

    SetColor(fade_level, fade_level, fade_level);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetScale(1, 1);
    if (width > virtual_width) {
        if (xpos < (width - virtual_width) / 2) {
            SetRotation(180);
            ImageList::DrawSimple(kArrowImage, 20, 384);
        }
        if (xpos > (virtual_width - width) / 2) {
            SetRotation(0);
            ImageList::DrawSimple(kArrowImage, 1004, 384);
        }
    }
    if (height > virtual_height) {
        if (ypos < (height - virtual_height) / 2) {
            SetRotation(270);
            ImageList::DrawSimple(kArrowImage, 512, 20);
        }
        if (ypos > (virtual_height - height) / 2 - 1) {
            SetRotation(90);
            ImageList::DrawSimple(kArrowImage, 512, 748);
        }
    }
    SetRotation(0);

    if (game_state == kStateDialogue && current_dialogue) current_dialogue->Draw();

    SetColor(fade_level, fade_level, fade_level);
    AdventureGUI::Draw();
    DrawPointerAndParticles();
    return 0;
}

void GameEvent::DrawBackground() {
    SetColor(fade_level, fade_level, fade_level);
    SetBlend(SOLIDBLEND);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    ImageList::DrawSimple(bg, static_cast<float>(static_cast<int>(512 + xpos)),
                          static_cast<float>(static_cast<int>(384 + ypos)));
}

void GameEvent::DrawPointerAndParticles() {
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    ImageList::DrawSimple(kPointerImage, static_cast<float>(mouse_x), static_cast<float>(mouse_y + 8));
    ParticleList::Draw(static_cast<float>(static_cast<int>(xpos - (width - virtual_width) / 2)),
                       static_cast<float>(static_cast<int>(ypos - (height - virtual_height) / 2)));
}
