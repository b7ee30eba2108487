// The one fight of the story: the player's fiercest spiggle against Adamant in the ravine. Three
// rounds of a fixed choreography; only the breed decides the outcome (the Bunny Beast, picture
// 2008, wins; every other breed loses). The result goes to "ResultBattle", "Misc-Battle" is set,
// and the player is sent back to the lookout (location 10).
#pragma once

#include <memory>
#include <string>

#include "game_event.h"
#include "primitives.h"

class Animal;

// The fight's banner and the two animals' positions; created by Battle::Create.
extern Interpolation battle_line, battle_alpha_a, battle_alpha_vs, battle_alpha_b, battle_pos_a, battle_pos_b;

class Battle : public GameEvent {
public:
    static constexpr int kWinningBreed = 2008;
    static constexpr int kGround = 448;

    std::shared_ptr<Animal> a;  // the player's animal, on the left
    std::shared_ptr<Animal> b;  // Adamant, on the right
    float wait = 500;           // time until the next step of the fight
    int attack = 0;             // step of the fight, 0 to 5
    float o_apos = 0;           // x of `a` before its charge
    float o_bpos = 0;           // x of `b` before its charge
    int count = 0;              // rounds started

    // Picks the player's fiercest animal and makes the fight the current scene.
    static void Create();
    // Timer targets: leave for the lookout; bring in the names and animals; fade the names out.
    static void StartReturn();
    static void StartAlpha1();
    static void StartAlpha2();
    static void StartAlpha3();
    static void FadeAlpha();

    int Initialize() override;
    int StateNormal(float dt) override;
    int StateExit(float dt) override;
    int Draw() override;

    void NewTextParticle(const std::string& text, int x, int y);
    void NewDotParticle(int x, int y);
    void NewImageParticle(int x, int y);
    // A blow landing at (x, y): sound, sparks and a floating damage number (shown only) whose range
    // grows with `kind` (0 weak, 1 counter, 2 hard).
    void Hit(int x, int y, int kind);

    bool Wins() const;

private:
    void UpdateMotion(float dt);
    void Step();
};
