#include "battle.h"

#include "adventure_gui.h"
#include "animal.h"
#include "app.h"
#include "audio_list.h"
#include "dialogue_game.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "image_list.h"
#include "particles.h"
#include "profile.h"
#include "text_tokens.h"
#include "update_list.h"

Interpolation battle_line = Interpolation::Create(0);
Interpolation battle_alpha_a = Interpolation::Create(0);
Interpolation battle_alpha_vs = Interpolation::Create(0);
Interpolation battle_alpha_b = Interpolation::Create(0);
Interpolation battle_pos_a = Interpolation::Create(-512);
Interpolation battle_pos_b = Interpolation::Create(1536);

namespace {
const int kChooseAnimalGame = 12;
const int kHitSound = 111;
const int kNameFont = 4;
const int kDamageFont = 2;
const int kLookout = 10;

float PosA() { return static_cast<float>(battle_pos_a.Get()); }
float PosB() { return static_cast<float>(battle_pos_b.Get()); }

// A name or "vs" centred on x at y 192, over a black copy 2 pixels down and right.
void DrawBanner(const std::string& text, int cx, const Interpolation& alpha, int r, int g, int b) {
    SetAlpha(static_cast<float>(alpha.Get()));
    const float x = static_cast<float>(cx - TextWidth(text) / 2);
    SetColor(0, 0, 0);
    DrawText(text, x + 2, 194);
    SetColor(r, g, b);
    DrawText(text, x, 192);
}

// The animal's ground shadow: its face picture in black, flipped and squashed to a quarter.
void DrawShadow(const Animal& animal, float x, float facing) {
    SetScale(facing, -0.25f);
    ImageList::DrawSimple(animal.image + 100, static_cast<float>(static_cast<int>(x)),
                          static_cast<float>(Battle::kGround + animal.h / 2));
}
}  // namespace

void Battle::Create() {
    // The choose-animal check names the fiercest spiggle in special_name; the battle keeps that
    // animal and leaves the check's result flag cleared.
    if (std::unique_ptr<DialogueGame> chooser = CreateDialogueGame(kChooseAnimalGame)) chooser->Update(0);
    Profile::SetFlag("ResultChooseAnimal", 0);
    auto scene = std::make_unique<Battle>();
    scene->a = Profile::GetAnimal(special_name);
    if (!scene->a) Fatal("Error choosing the fierce animal!");
    scene->b = std::make_shared<Animal>();
    scene->b->name = "Adamant";
    scene->b->bovine = scene->b->bunny = scene->b->cat = 0;
    scene->b->wild = 1.0f;
    scene->b->r = 249;
    scene->b->g = 214;
    scene->b->b = 128;
    scene->b->Calculate();

    battle_line = Interpolation::Create(0);
    battle_alpha_a = Interpolation::Create(0);
    battle_alpha_vs = Interpolation::Create(0);
    battle_alpha_b = Interpolation::Create(0);
    battle_pos_a = Interpolation::Create(-512);
    battle_pos_b = Interpolation::Create(1536);
    UpdateList::AddUpdate(100, StartAlpha1, 0);
    UpdateList::AddUpdate(150, StartAlpha2, 0);
    UpdateList::AddUpdate(200, StartAlpha3, 0);
    UpdateList::AddUpdate(500, FadeAlpha, 0);
    SwitchEvent(std::move(scene));
}

void Battle::StartReturn() { Profile::SetFlag("GotoLocation", kLookout); }

void Battle::StartAlpha1() {
    battle_alpha_a.Set(1, 150);
    battle_pos_a.Set(256, 100);
    battle_line.Set(512, 200);
}

void Battle::StartAlpha2() { battle_alpha_vs.Set(1, 150); }

void Battle::StartAlpha3() {
    battle_alpha_b.Set(1, 150);
    battle_pos_b.Set(768, 100);
}

void Battle::FadeAlpha() {
    battle_alpha_a.Set(0, 200);
    battle_alpha_vs.Set(0, 200);
    battle_alpha_b.Set(0, 200);
}

int Battle::Initialize() {
    GameEvent::Initialize();
    // The fight has no corner buttons: the scene draws no menu, so none may open unseen (Escape
    // would otherwise dim the fight behind an invisible window).
    AdventureGUI::Deactivate();
    return 0;
}

bool Battle::Wins() const { return a && a->image == kWinningBreed; }

void Battle::UpdateMotion(float dt) {
    battle_alpha_a.Update(dt);
    battle_alpha_vs.Update(dt);
    battle_alpha_b.Update(dt);
    battle_pos_a.Update(dt);
    battle_pos_b.Update(dt);
}

int Battle::StateNormal(float dt) {
    UpdateMotion(dt);
    battle_line.Update(dt);
    if (wait > 0) {
        wait -= dt;
        return 0;
    }
    Step();
    return 0;
}

int Battle::StateExit(float dt) {
    UpdateMotion(dt);
    return 0;
}

void Battle::Step() {
    const bool win = Wins();
    const float pa = PosA(), pb = PosB();
    switch (attack) {
        case 0:
            count += 1;
            if (count < 4) {
                o_apos = pa;
                battle_pos_a.Set(pb - 128, 20);  // the player's animal charges
                attack = 1;
                wait = 20;
            } else {
                Profile::SetFlag("ResultBattle", win ? 1 : 0);
                if (!win) battle_pos_a.Set(-512, 100);  // it runs off to the left
                Profile::SetFlag("Misc-Battle", 1);
                UpdateList::AddUpdate(100, StartReturn, 0);
                wait = 1000;
            }
            break;
        case 1:
            battle_pos_a.Set(o_apos + 10, 50);
            if (win) {
                Hit(static_cast<int>(pb), kGround, 2);
                if (count >= 3) {
                    battle_pos_b.Set(pb + 512, 100);  // the third hard blow throws Adamant off
                    attack = 0;
                    wait = 0;
                    break;
                }
                battle_pos_b.Set(pb + 40, 20);
            } else {
                Hit(static_cast<int>(pb), kGround, 0);
                battle_pos_b.Set(pb + 20, 20);
            }
            attack = 2;
            wait = 300;
            break;
        case 2:
        case 4:
            o_bpos = pb;
            battle_pos_b.Set(pa + 128, 20);  // Adamant charges
            attack += 1;
            wait = 20;
            break;
        case 3:
            Hit(static_cast<int>(pa), kGround, 1);
            battle_pos_b.Set(o_bpos - 20, 50);
            battle_pos_a.Set(pa - 20, 20);
            attack = win ? 0 : 4;
            wait = win ? 300 : 200;
            break;
        case 5:
            Hit(static_cast<int>(pa), kGround, 1);
            battle_pos_b.Set(o_bpos - 20, 50);
            battle_pos_a.Set(pa - 20, 20);
            attack = 0;
            wait = count >= 3 ? 0 : 300;
            break;
        default: break;
    }
}

void Battle::Hit(int x, int y, int kind) {
    AudioList::Play(kHitSound, -0.5f, 1, 0.98f);
    AudioList::Play(kHitSound, 0.5f, 1, 0.99f);
    for (int i = 0; i < 64; ++i) NewDotParticle(x, y);
    for (int i = 0; i < 24; ++i) NewImageParticle(x, y);
    const int n = kind == 0 ? Rand(4, 10) : (kind == 1 ? Rand(9, 20) : Rand(14, 32));
    NewTextParticle("Health -" + std::to_string(n), x, y);
}

void Battle::NewTextParticle(const std::string& text, int x, int y) {
    auto p = MeasuredTextParticle(kDamageFont, text);
    p->r = 255;
    p->g = 128;
    p->b = 128;
    p->x = static_cast<float>(x + Rand(0, 128) - 64);
    p->y = static_cast<float>(y + Rand(0, 128) - 64);
    p->angle = 270;
    p->speed = Rnd(4, 6);
    p->alpha = 1;
    p->dec_speed = 0.035f;
    p->dec_alpha = 0.008f;
    ParticleList::AddParticle(p, 0);
}

void Battle::NewDotParticle(int x, int y) {
    auto p = std::make_shared<DotParticle>();
    SetUpSpark(*p, static_cast<float>(x), static_cast<float>(y), 0, 1, 6, 20, 0.055f, 0.008f);
    ParticleList::AddParticle(p, 0);
}

void Battle::NewImageParticle(int x, int y) {
    auto p = std::make_shared<ImageParticle>();
    p->image = Rand(17, 18);
    p->scale = 1;
    SetUpSpark(*p, static_cast<float>(x), static_cast<float>(y), 0, 3, 10, 18, 0.045f, 0.01f);
    ParticleList::AddParticle(p, 0);
}

int Battle::Draw() {
    if (!initialized) return 0;
    DrawBackground();
    SetBlend(ALPHABLEND);

    SetAlpha(static_cast<float>(battle_alpha_a.Get()));
    SetColor(0, 0, 0);
    SetLineWidth(4);
    const float line = static_cast<float>(battle_line.Get());
    DrawLine(512 - line, 256, 512 + line, 256);
    SetLineWidth(1);
    FontList::SetFont(kNameFont);
    DrawBanner(a ? a->name : std::string(), 256, battle_alpha_a, 128, 192, 255);
    DrawBanner("vs", 512, battle_alpha_vs, 255, 255, 255);
    DrawBanner(b ? b->name : std::string(), 768, battle_alpha_b, 255, 144, 128);

    // The shadows face the way their animals are drawn (the player's animal mirrored, facing right).
    SetColor(0, 0, 0);
    SetAlpha(0.75f);
    if (a) DrawShadow(*a, PosA(), -1);
    if (b) DrawShadow(*b, PosB(), 1);
    SetScale(1, 1);

    const float brightness = static_cast<float>(screen_fade.Get());
    auto draw_a = [&] {
        if (a) a->DrawAnimal(static_cast<int>(PosA()), kGround, 0.85f, 1, -1, brightness, fade_level);
    };
    auto draw_b = [&] {
        if (b) b->DrawAnimal(static_cast<int>(PosB()), kGround, 1, 1, 1, brightness, fade_level);
    };
    // While the player's animal charges and strikes it is in front of Adamant.
    if (attack == 1 || attack == 2) {
        draw_b();
        draw_a();
    } else {
        draw_a();
        draw_b();
    }

    DrawPointerAndParticles();
    return 0;
}
