#include "adventure_gui.h"

#include <algorithm>

#include "app.h"
#include "audio_list.h"
#include "award.h"
#include "description_control.h"
#include "font.h"
#include "font_list.h"
#include "frame_control.h"
#include "graphics.h"
#include "image_control.h"
#include "image_list.h"
#include "input.h"
#include "item_control.h"
#include "options_window.h"
#include "profile.h"
#include "quest.h"
#include "scroll_control.h"
#include "text_control.h"

int hud_active = 0;
int window_open = 0;
int escape_armed = 0;
Interpolation gui_alpha = Interpolation::Create(0);
ControlList gui_controls;
std::shared_ptr<Button> farm_button;
std::array<std::shared_ptr<Button>, 3> quest_tabs;
std::shared_ptr<ScrollControl> quest_scroll;

namespace {
const int kBackdropImage = 53;
const int kWindowImage = 54;
const int kWarningSound = 112;

const std::array<int, 3> kFarmImages = {605, 603, 604};
const std::array<const char*, 3> kFarmTooltips = {"Animals in bad health!", "Animals stagnant",
                                                  "Animals in good health"};

// Every control of the menu fades in over 50 and joins the list.
template <class C>
std::shared_ptr<C> Add(std::shared_ptr<C> control, int global_color = 0) {
    control->Activate(50);
    control->global_color = global_color;
    gui_controls.push_back(control);
    return control;
}

std::shared_ptr<Button> AddButton(int x, int y, int image, const std::string& text, int font,
                                  ButtonCallback callback, int global_color = 0) {
    auto button = Button::Create(x, y, image, text, font, std::move(callback));
    button->SetOver(1);
    return Add(button, global_color);
}

// A window's child: faded in like the rest, drawn in its own colours.
template <class C>
std::shared_ptr<C> Child(std::shared_ptr<C> control) {
    control->Activate(50);
    control->global_color = 0;
    return control;
}

// The preamble every window shares: the corner buttons go, the scene dims.
void OpenWindow() {
    AdventureGUI::Deactivate();
    window_open = 1;
    screen_fade.Set(0.5f, 50);
}

void AddTitleFrame(const std::string& title, int y) { Add(FrameControl::Create(512, y, 320, 64, 6, title, 3)); }

void AnnounceAward(int id) { AdventureGUI::ActivateAward(id); }
}  // namespace

void AdventureGUI::Activate(Button*) {
    farm_button.reset();
    quest_tabs = {};
    quest_scroll.reset();
    gui_controls.clear();
    if (window_open) screen_fade.Set(1, 100);
    hud_active = 1;
    window_open = 0;
    gui_alpha.Set(1, 50);
    SetAwardAnnouncer(AnnounceAward);

    auto menu = AddButton(88, 40, 416, "Menu", 5, ActivateMenu, 1);
    (void)menu;
    AddButton(46, 136, 600, "", 0, ActivateQuests, 1)->SetTooltip("Quests", -32, -10);
    AddButton(80, 104, 601, "", 0, ActivateInventory, 1)->SetTooltip("Inventory", -42, -10);
    AddButton(24, 180, 602, "", 0, ActivateStatus, 1)->SetTooltip("Status", -24, -10);
    if (!animals.empty()) {
        // Made with the "stagnant" picture, so with its words too: Update changes both only when the
        // state differs from what the button shows.
        farm_button = AddButton(192, 24, kFarmImages[kFarmStagnant], "", 0, GotoFarm, 1);
        farm_button->SetTooltip(kFarmTooltips[kFarmStagnant], -42, -10);
    }
}

void AdventureGUI::Deactivate(Button*) {
    hud_active = 0;
    gui_alpha.Set(0, 50);
    for (const ControlPtr& control : gui_controls) control->Deactivate(50);
}

FarmState AdventureGUI::GetFarmState() {
    bool stagnant = false;
    for (const auto& animal : animals) {
        if (animal->health_delta < 0) return kFarmBad;
        if (animal->health_delta == 0) stagnant = true;
    }
    return stagnant ? kFarmStagnant : kFarmGood;
}

void AdventureGUI::Update(float dt) {
    if (hud_active && CheckAwards()) return;
    gui_alpha.Update(dt);
    if (farm_button) {
        const FarmState state = GetFarmState();
        if (kFarmImages[state] != farm_button->image) {
            if (state == kFarmBad) {
                if (Profile::GetFlagValue("Misc-Warning") != 1) {
                    AudioList::Play(kWarningSound, 0, 1, 1);
                    Profile::SetFlag("Misc-Warning", 1);
                }
            } else {
                Profile::SetFlag("Misc-Warning", 0);
            }
            farm_button->image = kFarmImages[state];
            farm_button->tooltip_text = kFarmTooltips[state];
        }
    }
    if (KeyDown(27)) {
        if (escape_armed) {
            escape_armed = 0;
            if (hud_active && !window_open) {
                ActivateMenu();
            } else if (!hud_active && window_open) {
                Activate();
            }
        }
    } else {
        escape_armed = 1;
    }
    UpdateControlList(gui_controls, dt);
}

void AdventureGUI::Draw() {
    const float a0 = GetAlpha();
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(static_cast<float>(gui_alpha.Get() * 0.25));
    ImageList::DrawSimple(kBackdropImage, 256, 256);
    SetAlpha(a0);
    DrawControlList(gui_controls);
}

void AdventureGUI::ActivateMenu(Button*) {
    OpenWindow();
    AddButton(512, 288, 418, "Continue", 2, [](Button*) { Activate(); });
    AddButton(512, 364, 418, "Options", 2, [](Button*) { ActivateOptions(); });
    AddButton(512, 440, 418, "Save & Exit", 2, [](Button*) { ActivateTitle(); });
}

void AdventureGUI::ActivateTitle(Button*) {
    Deactivate();
    Profile::SetFlag("GotoTitle", 1);
}

void AdventureGUI::GotoFarm(Button* button) {
    if (location != 3) {
        Profile::SetFlag("GotoLocation", 3);
    } else if (button) {
        button->Activate(50);
    }
}

void AdventureGUI::ActivateMessage(const std::string& text, ButtonCallback callback) {
    OpenWindow();
    FontList::SetFont(2);
    auto label = TextControl::Create(512, 352, text, 2);
    label->x = 512 - label->w / 2;
    label->y = 352 - label->h / 2;
    Add(FrameControl::Create(512, 384, label->w + 64, label->h + 128, 6, "", 0));
    Add(label);
    AddButton(512, 384 + label->h, 419, "OK", 2, std::move(callback));
}

void AdventureGUI::ActivateAward(int id) {
    const Award* award = AwardList::GetAward(id);
    if (!award) return;
    OpenWindow();
    auto heading = TextControl::Create(0, 0, "You have achieved a new award!", 2);
    auto title = TextControl::Create(0, 0, award->title, 5);
    auto text = TextControl::Create(0, 0, award->text, 1);
    const int h1 = heading->h, h2 = title->h, h3 = text->h;
    const int s = h1 + 32 + h2 + 24 + h3;
    const int c = 384 - s / 2;
    heading->x = 512 - heading->w / 2;
    heading->y = c - h1 / 2;
    title->x = 512 - title->w / 2;
    title->y = c + h1 / 2 + 32 - h2 / 2;
    text->x = 512 - text->w / 2;
    text->y = c + h1 / 2 + 32 + h2 / 2 + 24 - h3 / 2;
    const int frame_w = std::max(heading->w, text->w) + 64;
    const int frame_h = s + 96;
    Add(FrameControl::Create(512, 384, frame_w, frame_h, 2, "", 0));
    Add(heading);
    Add(title);
    Add(text);
    auto ok = Button::Create(512, 0, 419, "OK", 2, [](Button*) { Activate(); });
    ok->y = 384 + frame_h / 2 - 48;
    ok->SetOver(1);
    Add(ok);
}

void AdventureGUI::ActivateOptions(Button*) {
    OpenWindow();
    CreateOptionsWindow(gui_controls, [](Button*) { Activate(); });
}

std::string AdventureGUI::PlayTimeText(float time) {
    const int hours = static_cast<int>(time / 360000);
    const int minutes = static_cast<int>(time / 6000 - static_cast<float>(hours * 60));
    std::string text;
    if (hours >= 1) text = std::to_string(hours) + " h ";
    return text + std::to_string(minutes) + " min";
}

std::string AdventureGUI::StatueFlag(int number) {
    if (number <= 9) return "Statue-0" + std::to_string(number);
    return "Statue-1" + std::to_string(number % 10);
}

void AdventureGUI::ActivateStatus(Button*) {
    OpenWindow();
    Add(ImageControl::Create(512, 384, kWindowImage, 1.0f));
    AddTitleFrame("Status", 128);
    auto portrait = Add(ImageControl::Create(320, 224, character_image, 1.0f));
    portrait->scale = 0.421875f;

    auto view = Add(ScrollControl::Create(608, 272, 352, 160));
    auto value = [](const std::string& text) { return Child(TextControl::Create(224, 0, text, 2)); };
    auto name_value = value(character_name);
    if (name_value->w > 128) name_value->x -= name_value->w - 126;
    auto time_value = value(PlayTimeText(play_time));
    auto quest_value = value(std::to_string(QuestList::NumberCompleted()));
    auto breed_value = value(std::to_string(Profile::GetFlagValue("Misc-Breeds")));
    auto statue_value = value(std::to_string(Profile::GetFlagValue("StatueCount")));
    const int n = name_value->h, t = time_value->h, q = quest_value->h, b = breed_value->h;
    const std::array<int, 5> rows = {8, n + 12, n + t + 16, n + t + q + 20, n + t + q + b + 24};
    const std::array<const char*, 5> labels = {"Name:", "Time played:", "Quests completed:", "Breeds discovered:",
                                               "Statues found:"};
    const std::array<std::shared_ptr<TextControl>, 5> values = {name_value, time_value, quest_value, breed_value,
                                                                statue_value};
    for (size_t i = 0; i < rows.size(); ++i) {
        view->AddControl(Child(TextControl::Create(4, rows[i], labels[i], 2)), 0, 0, 0, 0);
        values[i]->y = rows[i];
        view->AddControl(values[i], 0, 0, 0, 0);
    }
    // "View" sits just right of the statue count, on its row (our button plate is too wide for a
    // fixed spot in the value column: it would cover the count).
    auto view_button = Button::Create(0, 0, 420, "View", 1, [](Button*) { ActivateStatues(); });
    view_button->x = view->x - view->w / 2 + 224 + statue_value->w + 12 + view_button->w / 2;
    view_button->y = view->y - view->h / 2 + rows[4] + statue_value->h / 2;
    view_button->SetOver(1);
    Add(view_button);

    auto awards_view = ScrollControl::Create(512, 432, 512, 128);
    const int awards_top = awards_view->y - awards_view->h / 2;
    auto awards_label = TextControl::Create(256, 0, "Awards", 1);
    awards_label->y = awards_top - 2 - awards_label->h;
    Add(awards_label);
    Add(awards_view);
    int y = 4;
    for (const auto& award : awards) {
        if (!Profile::GetFlag("Award-" + std::to_string(award->id))) continue;
        auto line = Child(TextControl::Create(0, y, "-- #" + std::to_string(award->id) + ": " + award->title + " --", 2));
        line->x = (awards_view->w - line->w) / 2;
        awards_view->AddControl(line, 0, 0, 1, 1);
        auto text = Child(TextControl::Create(0, y + line->h - 2, award->text, 1));
        text->x = (awards_view->w - text->w) / 2;
        awards_view->AddControl(text, 0, 0, 1, 1);
        y = text->y + text->h + 6;
    }
    AddButton(512, 560, 419, "Exit", 2, [](Button*) { Activate(); });
}

void AdventureGUI::ActivateStatues(Button*) {
    OpenWindow();
    Add(FrameControl::Create(512, 384, 512, 352, 2, "", 0));
    AddTitleFrame("Statues", 204);
    AddButton(512, 496, 419, "Exit", 2, [](Button*) { Activate(); });
    struct Row {
        int first, count, x, y;
    };
    const std::array<Row, 3> rows = {{{1, 4, 398, 274}, {5, 5, 360, 350}, {10, 4, 398, 426}}};
    for (const Row& row : rows) {
        for (int i = 0; i < row.count; ++i) {
            const int number = row.first + i;
            const int image = 530 + number;
            const int x = row.x + 76 * i;
            auto shadow = Add(ImageControl::Create(x, row.y, image, 1.02f));
            shadow->cr = shadow->cg = shadow->cb = 16;
            if (Profile::GetFlag(StatueFlag(number))) Add(ImageControl::Create(x, row.y, image, 1.0f));
        }
    }
}

void AdventureGUI::ActivateInventory(Button*) {
    OpenWindow();
    Add(ImageControl::Create(512, 384, kWindowImage, 1.0f));
    AddTitleFrame("Inventory", 128);
    auto view = Add(ScrollControl::Create(384, 320, 256, 256));
    AddButton(512, 560, 419, "Exit", 2, [](Button*) { Activate(); });
    Add(ImageControl::Create(280, 480, 502, 1.0f));
    auto money = Button::Create(0, 480, 0, std::to_string(Profile::GetFlagValue("Money")), 2, nullptr);
    money->x = 312 + money->w / 2;
    Add(money);
    auto description = Add(DescriptionControl::Create(544, 192, 250));
    int index = 0;
    for (const auto& item : inventory) {
        const int cx = 32 + 64 * (index % 4);
        const int cy = 32 + 64 * (index / 4);
        // Cells count with their own (centred) positions, so a fifth row grows the content and
        // the view scrolls to it.
        view->AddControl(Child(ImageControl::Create(cx, cy, 639, 1.0f)), 0, 0, 0, 1);
        auto cell = Child(ItemControl::Create(cx, cy, item->name));
        cell->description = description;
        view->AddControl(cell, 0, 0, 0, 1);
        ++index;
    }
}

void AdventureGUI::ActivateQuests(Button*) {
    OpenWindow();
    Add(ImageControl::Create(512, 384, kWindowImage, 1.0f));
    AddTitleFrame("Quests", 128);
    quest_tabs[0] = AddButton(384, 200, 419, "Active", 1, [](Button*) { ActivateActQuests(); });
    quest_tabs[1] = AddButton(512, 200, 419, "Completed", 1, [](Button*) { ActivateComQuests(); });
    quest_tabs[2] = AddButton(640, 200, 419, "All", 1, [](Button*) { ActivateAllQuests(); });
    const int setting = Profile::GetFlagValue("Setting-Quest");
    if (setting >= 0 && setting < 3) quest_tabs[setting]->active = 0;
    AddButton(512, 560, 419, "Exit", 2, [](Button*) { Activate(); });
    SetQuestWindow();
}

namespace {
void SelectQuestTab(int setting) {
    Profile::SetFlag("Setting-Quest", setting);
    for (int i = 0; i < 3; ++i) {
        if (i != setting && quest_tabs[i]) quest_tabs[i]->Activate(0);
    }
    AdventureGUI::SetQuestWindow();
}
}  // namespace

void AdventureGUI::ActivateActQuests(Button*) { SelectQuestTab(0); }
void AdventureGUI::ActivateComQuests(Button*) { SelectQuestTab(1); }
void AdventureGUI::ActivateAllQuests(Button*) { SelectQuestTab(2); }

void AdventureGUI::SetQuestWindow() {
    if (quest_scroll) {
        auto it = std::find(gui_controls.begin(), gui_controls.end(), quest_scroll);
        if (it != gui_controls.end()) gui_controls.erase(it);
    }
    quest_scroll = Add(ScrollControl::Create(512, 368, 512, 256));
    const int setting = Profile::GetFlagValue("Setting-Quest");
    if (setting == 2) {
        AddQuests(1, AddQuests(0, 2));
    } else {
        AddQuests(setting, 2);
    }
}

int AdventureGUI::AddQuests(int mode, int y) {
    if (!quest_scroll) return y;
    for (const auto& quest : quests) {
        const QuestStatus* status = quest->GetStatus(Profile::GetFlagValue(quest->name));
        if (!status) continue;
        if (mode == 0 && status->complete) continue;
        if (mode == 1 && !status->complete) continue;
        auto title = Child(DescriptionControl::Create(48, y, 462));
        title->SetText(quest->text, 2);
        const int h1 = title->th;
        auto line = Child(DescriptionControl::Create(48, y + h1, 462));
        line->SetText(status->text, 1);
        const int h2 = line->th;
        quest_scroll->AddControl(title, 48, title->y, 1, 0);
        quest_scroll->AddControl(line, 48, line->y, 1, 0);
        y += h1 + h2 + 16;
        auto marker = Child(Button::Create(24, y - (h1 + h2) / 2 - 16, status->complete ? 609 : 608, "", 0, nullptr));
        quest_scroll->AddControl(marker, 24, marker->y, 0, 0);
    }
    return y;
}

void AdventureGUI::Cleanup() {
    farm_button.reset();
    quest_tabs = {};
    quest_scroll.reset();
}

void AdventureGUI::SetTitle(const std::string&) {}
