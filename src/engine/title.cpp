#include "title.h"

#include <cmath>
#include <cstdio>

#include "audio_list.h"
#include "font.h"
#include "font_list.h"
#include "image_list.h"
#include "loader.h"
#include "location.h"
#include "location_event.h"
#include "particles.h"
#include "profile.h"
#include "settings.h"
#include "system.h"
#include "title_gui.h"
#include "update_list.h"

Title* title_scene = nullptr;
const char* const kVersionText = "Mossmeadow v1.01";

namespace {

constexpr int kTitleImages[] = {305, 400, 402, 403, 408, 409, 410};

void DrawPointer() {
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(1);
    ImageList::DrawSimple(1, static_cast<float>(mouse_x), static_cast<float>(mouse_y + 8));
}

// While the title's own pictures load: the particles keep moving under the pointer.
void TitleLoadingProgress(float) {
    ParticleList::Update(1);
    Cls();
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawPointer();
    ParticleList::Draw(0, 0);
}

// Tries the profile named by the options file, then every other save in folder order. An options
// file that names nobody (missing, unreadable, or naming a refused name) is treated alike: the
// player's save is found in the folder.
void LoadLastProfile() {
    if (!profile_name.empty() && Profile::Load()) {
        profile_active = 1;
        return;
    }
    profile_active = 0;
    const std::string failed = profile_name;
    for (const std::string& name : ProfileFileNames()) {
        if (name == failed) continue;
        profile_name = name;
        if (Profile::Load()) {
            profile_active = 1;
            return;
        }
    }
    profile_name = "";  // nothing loads: the options file should not name a broken profile
}

// A save whose place the game cannot open (an id the world lacks, or the battle with no spiggle
// on the ranch to fight it) starts at the cottage, where every game starts; a world without a
// cottage starts at its first location.
void EnsureKnownLocation() {
    constexpr int kCottage = 1;
    constexpr int kBattleScene = 2;
    const Location* saved = LocationList::GetLocation(location);
    if (saved && !(saved->special == kBattleScene && animals.empty())) return;
    const int fallback = LocationList::GetLocation(kCottage) || locations.empty() ? kCottage : locations.front()->id;
    std::fprintf(stderr, "The saved location %d cannot be opened; starting at location %d.\n", location, fallback);
    location = fallback;
}

}  // namespace

Title::Title() {
    credits = {"Programming: Tamsin Oakley",       "Game Design: Rowan Ashby",
               "Story and Dialogue: Imogen Fairweather", "Character Art: Bram Thistlewood",
               "Background Art: Elsie Marchbank",  "Music: Felix Heathcote",
               "Sound Effects: Nell Brambleby",    "Testing: Oswin Pennywhistle"};
    title_scene = this;
}

Title::~Title() {
    if (title_scene == this) title_scene = nullptr;
}

std::unique_ptr<Title> Title::Make() {
    auto t = std::make_unique<Title>();
    t->logo_one = LoadImage(app_dir + "/Data/Static/Logo1.png");
    t->logo_two = LoadImage(app_dir + "/Data/Static/Logo2.png");
    return t;
}

void Title::Create() { SwitchEvent(Make()); }

void Title::Start() {
    Title* t = title_scene;
    if (!t) return;
    t->title_alpha.Set(1, 750);
    t->state = 1;
    TitleGUI::Activate();
    UpdateList::AddUpdate(250, StartBg, 0);
}

void Title::StartBg() {
    if (title_scene) title_scene->title_bg_alpha.Set(1, 400);
}

void Title::Quit() { running = 0; }

float Title::ZoomScale(float count) {
    const double radians = (512.0 - count) / 512.0 * 90.0 * M_PI / 180.0;
    return static_cast<float>(1.25 - std::cos(radians) * 0.25);
}

int Title::Initialize() {
    Event::Initialize();
    const std::string graphics = app_dir + "/Data/Graphics/";
    Loader::AddImage(305, graphics + "Clearing.jpg", 0, 0, 0, 0);
    Loader::AddImage(400, graphics + "Logo.png", 0, 0, 0, 0);
    Loader::AddImage(402, graphics + "TreeLeft.png", 0, 0, 0, 0);
    Loader::AddImage(403, graphics + "TreeRight.png", 0, 0, 0, 0);
    Loader::AddImage(408, graphics + "Buttons512x256.png", 0, 512, 256, 3);
    on_load_start = nullptr;
    on_load_finish = nullptr;
    on_load_progress = TitleLoadingProgress;

    // Temporary files of a save cut short by a kill are useless: the save itself is whole.
    RemoveStaleSaveTemporaries(user_dir + "/Profiles");
    DeleteFile(options_path + ".tmp");
    LoadLastProfile();

    state = 0;
    screen_fade.SetAbsolute(0);
    screen_fade.Set(1, 400);
    UpdateList::AddUpdate(200, Start, 0);
    AudioList::PlayMusic(app_dir + "/Data/Music/AwardsCeremony.ogg", 1, 1, 1);
    return 0;
}

int Title::Free() {
    for (int id : kTitleImages) ImageList::RemoveImage(id);
    TitleGUI::Reset();
    return 0;
}

void Title::UpdateCredits(float dt) {
    credits_alpha.Update(dt);
    if (credits_delay > 0) {
        credits_delay -= dt;
        return;
    }
    switch (credits_state) {
        case 0:
            credits_alpha.Set(1, 100);
            credits_delay = 400;
            credits_state = 1;
            break;
        case 1:
            credits_alpha.Set(0, 100);
            credits_delay = 100;
            credits_state = 2;
            break;
        default:
            credits_delay = 200;
            credits_state = 0;
            if (++credits_index >= static_cast<int>(credits.size())) {
                credits_index = 0;
                credits_delay = 500;
            }
            break;
    }
}

void Title::UpdateReveal(float dt) {
    if (!reveal_set_up_) {
        const ImageContainer* logo = ImageList::GetImageContainer(400);
        if (logo && !logo->images.empty() && logo->width / 8 > 0 && logo->height / 8 > 0) {
            reveal_set_up_ = 1;
            title_map = Pixmap(logo->width / 8, logo->height / 8);
            title_image = ImageFromPixmap(title_map);
        }
    }
    if (state == 0) return;
    title_alpha.Update(dt);
    title_bg_alpha.Update(dt);
    if (title_alpha.Stopped()) title_image = nullptr;
    if (!title_image) return;
    const ImageContainer* logo = ImageList::GetImageContainer(400);
    if (!logo || logo->images.empty() || logo->images[0]->frames.empty()) return;
    const Image& source = logo->images[0];
    title_counter += dt;
    // Each frame copies about four visible cells per time unit. A logo with few visible cells
    // must not keep the loop searching forever: the misses are bounded.
    int misses = 0;
    const int max_misses = title_map.width * title_map.height * 4;
    while (title_counter > 0) {
        const int cx = Rand(0, title_map.width - 1);
        const int cy = Rand(0, title_map.height - 1);
        const uint32_t pixel = ReadImagePixel(source, 0, cx * 8, cy * 8);
        if ((pixel >> 24) != 0) {
            title_map.WritePixel(cx, cy, pixel);
            title_counter -= 0.25f;
        } else if (++misses > max_misses) {
            title_counter = 0;
        }
    }
    LockImage(title_image) = title_map;
    UnlockImage(title_image);
}

void Title::ActOnMenu() {
    switch (TitleGUI::pressed) {
        case 0:
            if (!profile_active && !TitleGUI::title_window_open) {
                if (TitleGUI::create_new) {
                    Profile::NewProfile(TitleGUI::new_profile_name, TitleGUI::gender);
                    TitleGUI::Activate();
                } else {
                    UpdateList::RemoveUpdate(1);
                    TitleGUI::ActivateName();
                }
            }
            break;
        case 1:
        case 3:
            // A save naming a place the world does not have starts at home instead.
            if (TitleGUI::pressed == 1) EnsureKnownLocation();
            state = 2;
            screen_fade.Set(0, 75);
            AudioList::FadeMusic(0, 50);
            // "Play" continues at the profile's location; "Quit" ends the program.
            UpdateList::AddUpdate(100, TitleGUI::pressed == 3 ? Quit : LocationEvent::Create, 0);
            TitleGUI::Deactivate();
            break;
        case 2:
            TitleGUI::Activate();
            break;
        default:
            break;
    }
}

int Title::Update(float dt) {
    if (!TitleGUI::title_window_open) UpdateCredits(dt);
    fx.Update(dt);
    if (scale_count < 512) {
        scale_count += dt;
        scale = ZoomScale(scale_count);
    } else {
        scale = 1;
    }
    TitleGUI::Update(dt);
    if (state == 1) ActOnMenu();
    ParticleList::Update(dt);
    CursorSparkles(dt);
    UpdateReveal(dt);
    return 0;
}

int Title::Draw() {
    SetColor(fade_level, fade_level, fade_level);
    SetBlend(SOLIDBLEND);
    SetAlpha(1);
    SetScale(scale, scale);
    ImageList::DrawSimple(305, static_cast<float>(512 + xpos), static_cast<float>(384 + ypos));
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(1);
    const float d = (scale - 1) * 256;
    ImageList::DrawSimple(403, std::trunc(928 + d), 408);
    ImageList::DrawSimple(402, std::trunc(128 - d), 384);
    fx.Draw(0, 0);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(static_cast<float>(title_alpha.Get()));
    ImageList::DrawSimple(400, 512, 128);
    if (title_image) {
        SetBlend(LIGHTBLEND);
        SetAlpha(static_cast<float>(0.75 * (1 - title_alpha.Get())));
        SetScale(8, 8);
        DrawImage(title_image, 512, 128);
        SetScale(1, 1);
        SetBlend(ALPHABLEND);
    }
    SetAlpha(static_cast<float>(TitleGUI::title_menu_alpha.Get()));
    if (logo_one) {
        const int w = ImageWidth(logo_one), h = ImageHeight(logo_one);
        DrawImage(logo_one, static_cast<float>(w / 2 + 8), static_cast<float>(720 - h / 2 + 16));
    }
    FontList::SetFont(1);
    DrawText(kVersionText, 8, 736);
    if (credits_state >= 1 && !TitleGUI::title_window_open) {
        const std::string& line = credits[static_cast<size_t>(credits_index)];
        const int w = TextWidth(line);
        SetAlpha(static_cast<float>(credits_alpha.Get()));
        SetColor(0, 0, 0);
        DrawText(line, static_cast<float>(514 - w / 2), 722);
        SetColor(fade_level, fade_level, fade_level);
        DrawText(line, static_cast<float>(512 - w / 2), 720);
    }
    SetColor(fade_level, fade_level, fade_level);
    TitleGUI::Draw();
    ParticleList::Draw(0, 0);
    SetColor(255, 255, 255);
    DrawPointer();
    return 0;
}
