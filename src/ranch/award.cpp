#include "award.h"

#include <algorithm>

#include "app.h"
#include "profile.h"
#include "xml.h"

std::vector<std::shared_ptr<Award>> awards;

int Award::Compare(const Award& other) const {
    if (this == &other) return 0;
    return id > other.id ? 1 : -1;
}

void AwardList::Initialize() {
    if (!Load(DataPath("awards.xml"))) Fatal("Error: 'Data/awards.xml' invalid!");
}

int AwardList::Load(const std::string& path) {
    awards.clear();
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "award") return 0;
        for (const char* required : {"id", "title", "flag", "value", "text"})
            if (!node->HasAttribute(required)) return 0;
        auto award = std::make_shared<Award>();
        award->id = node->AttributeInt("id");
        award->title = node->AttributeString("title");
        award->flag = node->AttributeString("flag");
        award->value = node->AttributeInt("value");
        award->text = node->AttributeString("text");
        awards.push_back(award);
    }
    std::stable_sort(awards.begin(), awards.end(),
                     [](const std::shared_ptr<Award>& a, const std::shared_ptr<Award>& b) { return a->Compare(*b) < 0; });
    return 1;
}

Award* AwardList::GetAward(int id) {
    for (const auto& award : awards)
        if (award->id == id) return award.get();
    return nullptr;
}

float AwardList::GetPercentage(int total) {
    if (awards.empty()) return 0;
    float share = static_cast<float>(total) / static_cast<float>(awards.size());
    float sum = 0;
    for (const auto& award : awards)
        if (Profile::GetFlag("Award-" + std::to_string(award->id))) sum += share;
    return sum;
}

void AwardList::Destroy() { awards.clear(); }

// ---- Built-in kinds ---------------------------------------------------------------------------

const int award_level1[kAwardKinds] = {3, 10, 1000, 5, 3, 3};
const int award_level2[kAwardKinds] = {6, 20, 5000, 10, 9, 9};
const int award_level3[kAwardKinds] = {9, 50, 10000, 20, 13, 13};
const int award_pictures[kAwardKinds] = {619, 622, 625, 628, 633, 636};

namespace {

struct AwardKind {
    const char* flag;
    const char* source;
    const char* titles[3];
    const char* texts[3];
};

const AwardKind award_kinds[kAwardKinds] = {
    {"Award-Animals",
     "Misc-MaxAnimals",
     {"Apprentice Rancher", "Journeyman Rancher", "Master Rancher"},
     {"You have three animals on your ranch", "You have six animals on your ranch",
      "You have nine animals on your ranch"}},
    {"Award-Age",
     "Misc-MaxAge",
     {"Apprentice Caretaker", "Journeyman Caretaker", "Master Caretaker"},
     {"An animal has reached the age of 10", "An animal has reached the age of 20",
      "An animal has reached the age of 50"}},
    {"Award-Money",
     "Money",
     {"Apprentice Economist", "Journeyman Economist", "Master Economist"},
     {"You have earned $1,000", "You have earned $5,000", "You have earned $10,000"}},
    {"Award-Quests",
     "Misc-Quests",
     {"Apprentice Adventurer", "Journeyman Adventurer", "Master Adventurer"},
     {"You have completed 5 quests", "You have completed 10 quests", "You have completed 20 quests"}},
    {"Award-Breeds",
     "Misc-Breeds",
     {"Apprentice Breeder", "Journeyman Breeder", "Master Breeder"},
     {"You have discovered 3 breeds", "You have discovered 9 breeds", "You have discovered 13 breeds"}},
    {"Award-Statues",
     "StatueCount",
     {"Apprentice Collector", "Journeyman Collector", "Master Collector"},
     {"You have collected 3 statues", "You have collected 9 statues", "You have collected 13 statues"}},
};

int LevelSlot(int level) {
    if (level == 1) return 0;
    if (level == 2) return 1;
    return 2;
}

AwardAnnouncer award_announcer = nullptr;

}  // namespace

std::string AwardInfo::GetAwardFlag(int kind) {
    if (kind < 0 || kind >= kAwardKinds) return "";
    return award_kinds[kind].flag;
}

std::string AwardInfo::GetAwardTitle(int kind, int level) {
    if (kind < 0 || kind >= kAwardKinds) return "";
    return award_kinds[kind].titles[LevelSlot(level)];
}

std::string AwardInfo::GetAwardText(int kind, int level) {
    if (kind < 0 || kind >= kAwardKinds) return "";
    return award_kinds[kind].texts[LevelSlot(level)];
}

std::string AwardInfo::GetSourceFlag(int kind) {
    if (kind < 0 || kind >= kAwardKinds) return "";
    return award_kinds[kind].source;
}

int AwardInfo::LevelFor(int kind, int count) {
    if (kind < 0 || kind >= kAwardKinds) return 0;
    if (count >= award_level3[kind]) return 3;
    if (count >= award_level2[kind]) return 2;
    if (count >= award_level1[kind]) return 1;
    return 0;
}

void AwardInfo::RaiseLevels() {
    for (int kind = 0; kind < kAwardKinds; kind++) {
        int level = LevelFor(kind, Profile::GetFlagValue(award_kinds[kind].source));
        if (level > Profile::GetFlagValue(award_kinds[kind].flag)) Profile::SetFlag(award_kinds[kind].flag, level);
    }
}

void SetAwardAnnouncer(AwardAnnouncer announcer) { award_announcer = announcer; }

int CheckAwards() {
    AwardInfo::RaiseLevels();
    for (const auto& award : awards) {
        std::string granted = "Award-" + std::to_string(award->id);
        if (Profile::GetFlag(granted)) continue;
        if (Profile::GetFlagValue(award->flag) >= award->value) {
            Profile::SetFlag(granted, 1);
            if (award_announcer) award_announcer(award->id);
            return 1;
        }
    }
    return 0;
}
