#include "farm_gui.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "adventure_gui.h"
#include "animal.h"
#include "animal_control.h"
#include "app.h"
#include "audio_list.h"
#include "frame_control.h"
#include "graphics.h"
#include "image_control.h"
#include "image_list.h"
#include "image_part_control.h"
#include "item.h"
#include "particles.h"
#include "profile.h"
#include "text_control.h"

int farm_gui_active = 0;
int farm_window_open = 0;
Interpolation farm_gui_alpha = Interpolation::Create(0);
ControlList farm_controls;
std::shared_ptr<Button> repair_button;
std::shared_ptr<Button> upgrade_picture;
int status_bars_active = 0;
int bar_left = 0;
std::shared_ptr<Animal> panel_animal;
std::shared_ptr<ImagePartControl> food_bar, mood_bar, health_bar;
std::shared_ptr<TextControl> value_text;
float last_food = 0, last_mood = 0, last_health = 0;

namespace {
const int kButtonImage = 419;
const int kSmallButtonImage = 420;
const int kMessageFrame = 6;
const int kPanelImage = 54;
const int kFoodSlotImage = 417;
const int kStorageSlotImage = 421;
const int kToolSlotImage = 422;
const int kFoodBarImage = 676;
const int kNeedBarImage = 677;
const int kArrowUpImage = 20;
const int kArrowDownImage = 21;
const int kSellSound = 106;
const int kBarLeft = 736;
const int kLabelX = 576;
const int kValueX = 672;
const int kIconWrapX = 792;
const int kIconLine = 32;  // height of a line of half-size item icons

// The change a need must exceed before its arrow shows.
const float kFoodThreshold = 0.005f;
const float kMoodThreshold = 0.0005f;
const float kHealthThreshold = 0.001f;

const std::array<RepairStep, 4> kRepairSteps = {{
    {275, 552, 200, "$200"},
    {276, 736, 500, "$500"},
    {277, 880, 1000, "$1000"},
    {278, 0, 0, ""},
}};

// Every control of this interface fades in over 50 and joins the list; the panel's and the
// message's controls draw in their own colours.
template <class C>
std::shared_ptr<C> Add(std::shared_ptr<C> control, int global_color) {
    control->Activate(50);
    control->global_color = global_color;
    farm_controls.push_back(control);
    return control;
}

std::shared_ptr<Button> AddButton(int x, int y, int image, const std::string& text, int font, ButtonCallback callback,
                                  int global_color) {
    auto button = Button::Create(x, y, image, text, font, std::move(callback));
    button->SetOver(1);
    return Add(button, global_color);
}

// A picture or caption that only shows: inactive, no callback, no hover effect.
std::shared_ptr<Button> AddDisplay(int x, int y, int image, const std::string& text, int font) {
    auto button = Add(Button::Create(x, y, image, text, font, nullptr), 1);
    button->active = 0;
    return button;
}

// One "Upgraded..." flag becomes its "...Dialogue" flag: the ranch tells about the finished repair.
void ConvertUpgradeFlags() {
    for (const char* name : {"UpgradedOne", "UpgradedTwo", "UpgradedThree"}) {
        if (Profile::GetFlagValue(name) != 0) {
            Profile::SetFlag(name, 0);
            Profile::SetFlag(std::string(name) + "Dialogue", 1);
            return;
        }
    }
}

// One need's arrow: up in green when it rose, down in red when it fell, once the change exceeds
// the threshold; `last` follows the value only when an arrow is due.
void CheckArrow(float value, float& last, float threshold, int y, const std::string& up_id,
                const std::string& down_id) {
    if (std::fabs(value - last) <= threshold) return;
    if (value > last) {
        FarmGUI::NewArrow(kArrowUpImage, 270, kBarLeft, y, 128, 255, 128, up_id);
    } else {
        FarmGUI::NewArrow(kArrowDownImage, 90, kBarLeft, y, 255, 128, 128, down_id);
    }
    last = value;
}

void SetBar(ImagePartControl& bar, float length) {
    bar.w = static_cast<int>(length);
    bar.x = FarmGUI::BarCenter(length);
}

// A particle of this id that still shows above half its opacity.
bool ArrowShowing(const std::string& id) {
    for (const auto* list : {&ParticleList::ScreenParticles(), &ParticleList::SceneParticles()}) {
        for (const ParticlePtr& p : *list) {
            if (p->id != id) continue;
            const auto* dot = dynamic_cast<const DotParticle*>(p.get());
            if (dot && dot->alpha > 0.5f) return true;
        }
    }
    return false;
}
}  // namespace

RepairStep FarmGUI::GetRepairStep(int upgrade) { return kRepairSteps[std::clamp(upgrade, 0, 3)]; }

float FarmGUI::FoodBarLength(float food) { return std::clamp(food, 0.0f, 1.0f) * 126 + 2; }

float FarmGUI::NeedBarLength(float value) { return (std::clamp(value, -1.0f, 1.0f) + 1) / 2 * 126 + 2; }

int FarmGUI::BarCenter(float length) { return static_cast<int>(static_cast<float>(bar_left) - (128 - length) / 2); }

void FarmGUI::Activate(Button*) {
    if (!hud_active) AdventureGUI::Activate();
    food_bar.reset();
    mood_bar.reset();
    health_bar.reset();
    value_text.reset();
    panel_animal.reset();
    upgrade_picture.reset();
    repair_button.reset();
    status_bars_active = 0;
    farm_controls.clear();
    if (farm_window_open) screen_fade.Set(1, 100);
    farm_gui_active = 1;
    farm_window_open = 0;
    farm_gui_alpha.Set(1, 50);

    const RepairStep step = GetRepairStep(Profile::GetFlagValue("Farm-Upgrade"));
    upgrade_picture = Button::Create(552, 500, step.picture, "", 0, nullptr);
    upgrade_picture->Activate(0);
    upgrade_picture->active = 0;
    if (step.offer_x) {
        AddDisplay(step.offer_x + 2, 500, 0, step.price_text, 1);
        auto white = AddDisplay(step.offer_x, 498, 0, step.price_text, 1);
        white->tr = white->tg = white->tb = 255;
        repair_button = AddButton(step.offer_x, 450, kButtonImage, "Repair", 2, Repair, 1);
        repair_button->active = 0;  // enabled by Update once the money is there
    }
    for (int i = 0; i < 8; ++i) AddDisplay(312 + 80 * i, 64, kFoodSlotImage, "", 0);
    for (int i = 0; i < 4; ++i) AddDisplay(312 + 80 * i, 144, kToolSlotImage, "", 0);
    for (int i = 0; i < 2; ++i) AddDisplay(792 + 80 * i, 144, kStorageSlotImage, "", 0);
    ConvertUpgradeFlags();
}

void FarmGUI::Deactivate() {
    farm_gui_active = 0;
    farm_gui_alpha.Set(0, 50);
    for (const ControlPtr& control : farm_controls) control->Deactivate(50);
}

void FarmGUI::Repair(Button*) {
    const int upgrade = Profile::GetFlagValue("Farm-Upgrade");
    const RepairStep step = GetRepairStep(upgrade);
    // Only a step that is on offer and paid for: a stale click never buys past the last step or
    // into debt.
    if (upgrade < 0 || upgrade > 2 || Profile::GetFlagValue("Money") < step.price) return;
    Profile::AddFlag("Money", -step.price);
    if (upgrade == 0) {
        Profile::AddFlag("UpgradedOne", 1);
        Profile::SetFlag("Quest-Repair", 2);
        Profile::SetFlag("DoLitter", 1);
    } else if (upgrade == 1) {
        Profile::AddFlag("UpgradedTwo", 1);
    } else {
        Profile::AddFlag("UpgradedThree", 1);
    }
    Profile::AddFlag("Farm-Upgrade", 1);
    Profile::SetFlag("GotoLocation", 3);
}

void FarmGUI::ActivateMessage(const std::string& text) {
    Deactivate();
    farm_window_open = 1;
    screen_fade.Set(0.5f, 50);
    auto label = TextControl::Create(0, 0, text, 2);
    label->x = 512 - label->w / 2;
    label->y = 352 - label->h / 2;
    Add(FrameControl::Create(512, 384, label->w + 64, label->h + 128, kMessageFrame, "", 0), 0);
    Add(label, 0);
    AddButton(512, 384 + label->h, kButtonImage, "OK", 2, Activate, 0);
}

void FarmGUI::ActivateAnimal(std::shared_ptr<Animal> animal) {
    if (!animal) return;
    Deactivate();
    farm_window_open = 1;
    screen_fade.Set(0.5f, 50);
    Add(ImageControl::Create(512, 384, kPanelImage, 1.0f), 0);
    Add(FrameControl::Create(512, 128, 320, 64, kMessageFrame, animal->name, 3), 0);
    const int largest = std::max(animal->w, animal->h);
    const float portrait_scale = largest > 350 ? 350.0f / static_cast<float>(largest) : 1.0f;
    Add(AnimalControl::Create(384, 320, animal, portrait_scale), 0);

    int y = 180;
    // A row's label; the next row starts below it by its height and `gap`.
    auto label = [&y](const std::string& text, int gap) {
        auto control = Add(TextControl::Create(kLabelX, y, text, 2), 0);
        const int top = y;
        y += control->h + gap;
        return std::make_pair(top, control->h);
    };
    auto value = [](int top, const std::string& text) { return Add(TextControl::Create(kValueX, top, text, 2), 0); };
    auto bar = [](int top, int image, int tint) {
        auto background = Add(ImageControl::Create(kBarLeft, top + 16, image, 1.0f), 0);
        background->cr = background->cg = background->cb = tint;
        return Add(ImagePartControl::Create(0, top + 16, image, 0, 0, 0, 32), 0);
    };
    // The icons of a likes or dislikes row, four to a line; the number of lines past the first.
    auto icons = [&animal](int top, bool likes) {
        int cx = kValueX;
        int iy = top;
        int extra_lines = 0;
        for (const auto& item : items_catalogue) {
            const int category = animal->ItemCategory(*item);
            if (!(likes ? animal->Likes(category) : animal->Dislikes(category))) continue;
            auto icon = Add(ImageControl::Create(cx + 16, iy + 16, item->image, 1.0f), 0);
            icon->scale = 0.5f;
            cx = static_cast<int>(static_cast<float>(cx) + static_cast<float>(ImageList::GetWidth(item->image)) * 0.5f + 4);
            if (cx > kIconWrapX) {
                // A further line goes below the whole first one: half-size icons are 32 high, and
                // a step of half that would cover the icons above.
                cx = kValueX;
                iy += kIconLine;
                extra_lines++;
            }
        }
        // A line opened for icons that never came does not count.
        return cx == kValueX && extra_lines > 0 ? extra_lines - 1 : extra_lines;
    };

    int top = label("Gender:", 8).first;
    value(top, animal->male ? "Male" : "Female");
    top = label("Age:", 8).first;
    value(top, std::to_string(static_cast<int>(animal->age / 6000)));
    top = label("Species:", 16).first;
    value(top, BreedName(animal->index));
    top = label("Food:", 0).first;
    food_bar = bar(top, kFoodBarImage, 20);
    top = label("Mood:", 0).first;
    mood_bar = bar(top, kNeedBarImage, 76);
    top = label("Health:", 8).first;
    health_bar = bar(top, kNeedBarImage, 76);
    bar_left = kBarLeft;
    panel_animal = animal;
    status_bars_active = 1;
    last_food = animal->food;
    last_mood = animal->mood;
    last_health = animal->health;
    UpdateStatus();
    top = label("Likes:", 0).first;
    y += icons(top, true) * kIconLine;
    top = label("Dislikes:", 16).first;
    y += icons(top, false) * kIconLine;
    const auto value_row = label("Value:", 0);
    value_text = value(value_row.first, "$" + std::to_string(animal->price));

    auto sell = AddButton(kValueX, value_row.first + value_row.second + 28, kSmallButtonImage, "Sell", 1, SellAnimal, 0);
    sell->id = animal->name;
    if (animal->baby) {
        const int minutes = static_cast<int>(animal->pregnant_counter / 6000 + 0.5f);
        Add(TextControl::Create(288, 464, "Child delivery in " + std::to_string(minutes) + " min", 2), 0);
    }
    AddButton(512, 560, kButtonImage, "Exit", 2, Activate, 0);
}

void FarmGUI::SellAnimal(Button* button) {
    // The animal the panel shows is the one sold; two animals may share a name, so the name only
    // decides when the panel's animal is no longer on the ranch.
    auto it = std::find(animals.begin(), animals.end(), panel_animal);
    if (it == animals.end() && button) {
        it = std::find_if(animals.begin(), animals.end(), [button](const std::shared_ptr<Animal>& a) {
            return a->name == button->id;
        });
    }
    if (it != animals.end()) {
        Profile::AddFlag("Money", (*it)->price);
        animals.erase(it);
        AudioList::Play(kSellSound, 0, 1, 1);
    }
    Activate();
}

void FarmGUI::NewArrow(int image, int angle, int x, int y, int r, int g, int b, const std::string& id) {
    if (ArrowShowing(id)) return;
    auto p = std::make_shared<ImageParticle>();
    p->id = id;
    p->image = image;
    p->scale = 1;
    p->angle = angle;
    p->x = static_cast<float>(x);
    p->y = static_cast<float>(y);
    p->speed = 0.000001f;
    p->alpha = 1;
    p->dec_speed = 0.00000001f;
    p->dec_alpha = 0.008f;
    p->r = r;
    p->g = g;
    p->b = b;
    ParticleList::AddParticle(p, 0);
}

void FarmGUI::UpdateStatus() {
    if (!panel_animal || !food_bar || !mood_bar || !health_bar) return;
    const Animal& a = *panel_animal;
    CheckArrow(a.food, last_food, kFoodThreshold, food_bar->y, "FoodUp", "FoodDown");
    CheckArrow(a.mood, last_mood, kMoodThreshold, mood_bar->y, "MoodUp", "MoodDown");
    CheckArrow(a.health, last_health, kHealthThreshold, health_bar->y, "HealthUp", "HealthDown");
    SetBar(*food_bar, FoodBarLength(a.food));
    SetBar(*mood_bar, NeedBarLength(a.mood));
    SetBar(*health_bar, NeedBarLength(a.health));
    if (value_text) value_text->text = "$" + std::to_string(a.price);
}

void FarmGUI::Update(float dt) {
    farm_gui_alpha.Update(dt);
    if (status_bars_active) UpdateStatus();
    if (upgrade_picture) upgrade_picture->Update(dt);
    if (repair_button) {
        const RepairStep step = GetRepairStep(Profile::GetFlagValue("Farm-Upgrade"));
        // A button that is fading out (a dialogue, a window, leaving the ranch) stays off.
        const bool affordable = step.offer_x != 0 && Profile::GetFlagValue("Money") >= step.price;
        repair_button->active = affordable && !repair_button->remove ? 1 : 0;
    }
    UpdateControlList(farm_controls, dt);
}

void FarmGUI::Draw() {
    SetAlpha(static_cast<float>(farm_gui_alpha.Get()));
    if (upgrade_picture) upgrade_picture->Draw();
    DrawControlList(farm_controls);
}

void FarmGUI::Cleanup() {
    farm_controls.clear();
    repair_button.reset();
    upgrade_picture.reset();
    food_bar.reset();
    mood_bar.reset();
    health_bar.reset();
    value_text.reset();
    panel_animal.reset();
    status_bars_active = 0;
    farm_gui_active = 0;
    farm_window_open = 0;
}
