#include "dialogue_checks.h"

#include "animal.h"
#include "profile.h"
#include "text_tokens.h"

std::unique_ptr<DialogueBreeding> DialogueBreeding::Create() { return std::make_unique<DialogueBreeding>(); }

int DialogueBreeding::Update(float) {
    std::shared_ptr<Animal> best;
    for (const auto& animal : animals) {
        if (!best || animal->health + animal->mood > best->health + best->mood) best = animal;
    }
    if (!best) {
        Profile::SetFlag("ResultBreeding", 0);
        return 1;
    }
    special_name = best->name;
    Profile::SetFlag("ResultBreeding", best->health >= 1 && best->mood >= 0.95f ? 2 : 1);
    return 1;
}

std::unique_ptr<DialogueChooseAnimal> DialogueChooseAnimal::Create() { return std::make_unique<DialogueChooseAnimal>(); }

int DialogueChooseAnimal::Score(int image) {
    static const int scores[kBreedCount] = {3, 1, 2, 6, 5, 4, 30, 40, 50, 12, 11, 10, 25};
    const int index = image - kBreedImageBase;
    return index >= 0 && index < kBreedCount ? scores[index] : 0;
}

int DialogueChooseAnimal::Update(float) {
    std::shared_ptr<Animal> chosen;
    int best = 0;
    for (const auto& animal : animals) {
        const int score = Score(animal->image);
        if (score == 0) continue;
        if (score > best || (score == best && animal->wild > chosen->wild)) {
            best = score;
            chosen = animal;
        }
    }
    if (chosen) {
        special_name = chosen->name;
        Profile::SetFlag("ResultChooseAnimal", 1);
    } else {
        Profile::SetFlag("ResultChooseAnimal", 0);
    }
    return 1;
}

std::unique_ptr<DialogueMoney> DialogueMoney::Create() { return std::make_unique<DialogueMoney>(); }

int DialogueMoney::Update(float) {
    Profile::SetFlag("ResultMoney",
                     Profile::GetFlagValue("Money") >= Profile::GetFlagValue("Misc-CheckMoney") ? 1 : 0);
    Profile::SetFlag("Misc-CheckMoney", 0);
    return 1;
}

std::unique_ptr<DialogueSell> DialogueSell::Create() { return std::make_unique<DialogueSell>(); }

const char* DialogueSell::Goods(int index) {
    static const char* goods[] = {"Apple", "Small fish", "Big fish", "Berries", "Acorns", "Mushroom"};
    return index >= 0 && index < 6 ? goods[index] : "";
}

int DialogueSell::Update(float) {
    const std::string goods = Goods(Profile::GetFlagValue("Misc-SellIndex"));
    Profile::SetFlag("FlagValue", 0);
    std::shared_ptr<Item> owned = goods.empty() ? nullptr : Profile::GetItem(goods);
    if (owned) {
        const int total = SaturatingMultiply(owned->number, Profile::GetFlagValue("Misc-SellValue"));
        Profile::SetFlag("FlagValue", total);
        Profile::AddFlag("Money", total);
        Profile::SetItem(goods, 0);
    }
    Profile::SetFlag("Misc-SellIndex", 0);
    Profile::SetFlag("Misc-SellValue", 0);
    return 1;
}
