// The invisible one-frame games a dialogue runs to compute a result into a flag that the script then
// tests: the breeding check (game 6), the money check (11), the choice of a fighter (12) and the
// sale of gathered goods (13). Each does its work on its first update and ends at once.
#pragma once

#include <memory>

#include "dialogue_game.h"

// "ResultBreeding": 0 no animal, 1 the best animal is not in perfect shape, 2 it is (health 1 and
// mood 0.95 or more). The best is the first animal with the highest health + mood; "$SPECIAL$" names it.
class DialogueBreeding : public DialogueGame {
public:
    static std::unique_ptr<DialogueBreeding> Create();
    int Update(float delta) override;
};

// "ResultChooseAnimal": 1 when a ranch animal can fight ("$SPECIAL$" names the fiercest), else 0.
class DialogueChooseAnimal : public DialogueGame {
public:
    static std::unique_ptr<DialogueChooseAnimal> Create();
    int Update(float delta) override;
    // The fighting score of a breed picture (0 = does not fight).
    static int Score(int image);
};

// "ResultMoney": 1 when "Money" reaches "Misc-CheckMoney", else 0; the amount is cleared.
class DialogueMoney : public DialogueGame {
public:
    static std::unique_ptr<DialogueMoney> Create();
    int Update(float delta) override;
};

// Sells every one of the goods "Misc-SellIndex" names at "Misc-SellValue" apiece; "FlagValue" is the
// money made (0 when none was owned). Both settings are cleared.
class DialogueSell : public DialogueGame {
public:
    static std::unique_ptr<DialogueSell> Create();
    int Update(float delta) override;
    // The goods of a sell index, or "" for none.
    static const char* Goods(int index);
};
