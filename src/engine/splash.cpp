#include "splash.h"

#include <algorithm>

#include "chapter.h"
#include "dialogue_list.h"
#include "hosted_games.h"
#include "input.h"
#include "award.h"
#include "chapter.h"
#include "dialogue_list.h"
#include "item.h"
#include "loader.h"
#include "loading_screen.h"
#include "location.h"
#include "quest.h"
#include "system.h"
#include "title.h"
#include "trait.h"
#include "world_check.h"

void Splash::Timing(int length, int* fin, int* fout, int* finw, int* foutw) {
    *finw = length;
    *fin = std::max(length / 2, 100);
    *fout = 75;
    *foutw = length + 75;
}

std::unique_ptr<Event> CreateOpeningScene() {
    Image first = LoadImage(app_dir + "/Data/Static/Splash1.jpg");
    Image second = LoadImage(app_dir + "/Data/Static/Splash2.jpg");
    if (!first && !second) {
        // No splash: loading starts at once and the title scene is the first scene.
        Splash::StartLoading();
        return Title::Make();
    }
    auto splash = std::make_unique<Splash>();
    if (first) {
        splash->image = first;
        splash->brand = second;
    } else {
        splash->image = second;
    }
    Splash::Timing(splash_length, &splash->fin, &splash->fout, &splash->finw, &splash->foutw);
    screen_fade.SetAbsolute(0);
    screen_fade.Set(1, splash->fin);
    return splash;
}

void Splash::Create() {
    std::unique_ptr<Event> scene = CreateOpeningScene();
    if (scene) SwitchEvent(std::move(scene));
}

void Splash::Start() {
    StartLoading();
    Title::Create();
}

void Splash::StartLoading() {
    FileLoader::Load(app_dir + "/Data/common.xml", app_dir);
    if (FileExists(app_dir + "/Data/extra.xml")) FileLoader::Load(app_dir + "/Data/extra.xml", app_dir);
    InstallLoadingScreen();
    // The catalogues, in this order: locations, dialogues, quests, traits, items, chapters, awards.
    LocationList::Initialize();
    DialogueList::Initialize();
    QuestList::Initialize();
    TraitList::Initialize();
    ItemList::Initialize();
    ChapterList::Initialize();
    AwardList::Initialize();
    // The games and shops that dialogues start by id.
    RegisterHostedGames();
    // A dialogue, place or picture the world names but lacks stops the game now, not at a click.
    CheckWorldReferences();
}

int Splash::Update(float dt) {
    time += dt;
    if (state == 0 && time >= static_cast<float>(finw)) {
        state = 1;
        screen_fade.Set(0, fout);
    }
    if (state == 1 && time >= static_cast<float>(foutw)) {
        if (brand) {
            image = brand;
            brand = nullptr;
            state = 0;
            time = 0;
            screen_fade.SetAbsolute(0);
            screen_fade.Set(1, fin);
        } else {
            Start();  // switches to the title scene: this splash is gone now
            return 0;
        }
    }
    if (state == 0 && (mouse_click || KeyDown(27))) {
        state = 1;
        screen_fade.Set(0, fout);
        time = static_cast<float>(foutw - fout);
    }
    return 0;
}

int Splash::Draw() {
    Cls();
    SetColor(fade_level, fade_level, fade_level);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetScale(1, 1);
    if (image) DrawImage(image, 512, 384);
    return 0;
}
