#include "data_check.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <tuple>

#include "app.h"
#include "award.h"
#include "chapter.h"
#include "dialogue.h"
#include "dialogue_list.h"
#include "item.h"
#include "loader.h"
#include "location.h"
#include "quest.h"
#include "system.h"
#include "trait.h"
#include "xml.h"

namespace {

struct LoadFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void ThrowLoadFailure(const std::string& text) { throw LoadFailure(text); }

const char* const kLocationsFile = "Data/locations.xml";
const char* const kItemsFile = "Data/items.xml";
const char* const kQuestsFile = "Data/quests.xml";
const char* const kChaptersFile = "Data/chapters.xml";
const char* const kAwardsFile = "Data/awards.xml";
const char* const kCommonManifest = "Data/common.xml";
const char* const kExtraManifest = "Data/extra.xml";
const char* const kDialogueFolder = "Data/Dialogues";

// What the program's hosted games (dialogue `game` steps) put into the inventory (for the shops:
// what they sell; a ten-pack brings its single item), the pictures the location hosting them must
// register, and the flags they write.
struct GameFlag {
    const char* name;
    int low, high;
};
struct HostedGame {
    int id;
    std::vector<std::string> gives;
    std::vector<int> location_images;
    std::vector<GameFlag> writes;
};
const std::vector<HostedGame>& HostedGames() {
    static const std::vector<HostedGame> games = {
        {1, {"Small fish", "Big fish"}, {}, {}},
        {2, {"Compass", "Grooming brush"}, {}, {}},
        {3, {}, {}, {}},
        {4, {"Apple"}, {10000, 10001}, {}},
        {5, {"Berries"}, {10000, 10001, 10002, 10003}, {}},
        {6, {}, {}, {{"ResultBreeding", 1, 2}}},
        {7, {"Fine brush", "Red lure", "Meat", "Meat x10"}, {}, {}},
        {8, {"Food potion", "Food potion x10", "Big lure"}, {}, {}},
        {9, {}, {}, {}},
        {10, {"Mushroom", "Acorns"}, {}, {}},
        {11, {}, {}, {{"ResultMoney", 1, 1}}},
        {12, {}, {}, {{"ResultChooseAnimal", 1, 1}}},
        {13, {}, {}, {{"FlagValue", 1, INT_MAX}, {"Money", INT_MIN, INT_MAX}}},
    };
    return games;
}

const HostedGame* FindGame(int id) {
    for (const HostedGame& game : HostedGames()) {
        if (game.id == id) return &game;
    }
    return nullptr;
}

// Items the program names itself, with the class its rules need ("" = any class).
const std::vector<std::pair<std::string, std::string>>& ProgramItems() {
    static const std::vector<std::pair<std::string, std::string>> items = {
        {"Small fish", "Food"},     {"Big fish", "Food"},      {"Apple", "Food"},
        {"Acorns", "Food"},         {"Berries", "Food"},       {"Grass", "Food"},
        {"Mushroom", "Food"},       {"Meat", "Food"},          {"Grooming brush", "Grooming"},
        {"Fine brush", "Grooming"}, {"Food potion", "Potion"}, {"Meat x10", "x10"},
        {"Food potion x10", "x10"}, {"Compass", "Special"},    {"Red lure", "Special"},
        {"Big lure", "Special"},    {"Red herring", ""},       {"Squid", ""},
    };
    return items;
}

// Flags the program itself writes, with the values it gives them.
const std::vector<GameFlag>& ProgramFlags() {
    static const std::vector<GameFlag> flags = {
        {"Money", INT_MIN, INT_MAX},   {"Farm-Upgrade", 1, 3},
        {"UpgradedOne", 1, 1},         {"UpgradedTwo", 1, 1},
        {"UpgradedThree", 1, 1},       {"UpgradedOneDialogue", 1, 1},
        {"UpgradedTwoDialogue", 1, 1}, {"UpgradedThreeDialogue", 1, 1},
        {"Quest-Repair", 2, 2},        {"DoLitter", 1, 1},
        {"Misc-MaxAnimals", 1, 9},     {"Misc-MaxAge", 1, INT_MAX},
        {"Misc-Breeds", 1, 13},        {"T13", 1, 1},
        {"Misc-Warning", 1, 1},        {"GotoLocation", 1, INT_MAX},
        {"OldLocation", 1, INT_MAX},   {"Misc-SetCoords", 2, 2},
        {"GotoTitle", 1, 1},           {"Setting-Quest", 1, 2},
        {"ResultBattle", 1, 1},        {"Misc-Battle", 1, 1},
        {"ResultChooseAnimal", 1, 1},  {"F2", 1, 1},
    };
    return flags;
}

// Sounds the program plays by id, and the music files it opens by path.
constexpr int kFirstProgramSound = 100;
constexpr int kLastProgramSound = 118;
const char* const kProgramMusic[] = {"Data/Music/AwardsCeremony.ogg", "Data/Music/Intro.ogg"};
// Picture ids the title scene registers for itself while it runs.
const int kTitleImages[] = {305, 400, 402, 403, 408, 409, 410};
constexpr int kStatues = 13;

// Calls `visit` for every step of `items`, the steps inside menu choices included.
void ForEachStep(const DialogueItems& items, const std::function<void(const DialogueItem&)>& visit) {
    for (const auto& step : items) {
        visit(*step);
        if (!step->choices) continue;
        for (const auto& choice : *step->choices) ForEachStep(choice->items, visit);
    }
}

void ForEachChoice(const DialogueItems& items, const std::function<void(const DialogueChoice&)>& visit) {
    ForEachStep(items, [&](const DialogueItem& step) {
        if (!step.choices) return;
        for (const auto& choice : *step.choices) visit(*choice);
    });
}

std::string Quote(const std::string& text) { return "'" + text + "'"; }

std::string HotspotName(const Location& location, const LocationHotspot& hotspot) {
    return "location " + std::to_string(location.id) + " hotspot " +
           (hotspot.name.empty() ? std::to_string(hotspot.id) : Quote(hotspot.name));
}

std::string ActionName(const Location& location, const Action& action) {
    return "location " + std::to_string(location.id) + " action if " + action.name + "=" + std::to_string(action.value);
}

std::string FlagCondition(const std::string& flag, int value) { return flag + " = " + std::to_string(value); }

std::string ValuesText(const std::vector<FlagWrite>& writes) {
    std::string text;
    for (const FlagWrite& w : writes) {
        if (!text.empty()) text += ", ";
        if (w.add || w.low == INT_MIN || w.high == INT_MAX) return "any value";
        text += w.low == w.high ? std::to_string(w.low) : std::to_string(w.low) + "-" + std::to_string(w.high);
    }
    return text;
}

bool Holds(const std::vector<FlagWrite>& writes, int value) {
    return std::any_of(writes.begin(), writes.end(),
                       [value](const FlagWrite& w) { return w.add || (w.low <= value && value <= w.high); });
}

int Highest(const std::vector<FlagWrite>& writes) {
    int highest = INT_MIN;
    for (const FlagWrite& w : writes) highest = std::max(highest, w.add ? INT_MAX : w.high);
    return highest;
}

// The dialogue's flow as a graph, to follow who is on stage along every path. Each step is a node;
// conditions are taken both ways, a menu goes into each choice, a choice's end returns to its menu.
class DialogueFlow {
public:
    static constexpr int kEnd = -1;
    struct Node {
        const DialogueItem* step = nullptr;
        int next = kEnd;
        std::vector<int> choice_starts;
    };
    std::vector<Node> nodes;
    std::map<int, int> labels;  // top-level label id -> node (the first one wins)
    int entry = kEnd;

    explicit DialogueFlow(const Dialogue& dialogue) { entry = Build(dialogue.items, kEnd, true); }

private:
    int Build(const DialogueItems& items, int after, bool top) {
        std::vector<int> index;
        for (const auto& step : items) {
            index.push_back(static_cast<int>(nodes.size()));
            nodes.push_back(Node{step.get(), kEnd, {}});
            if (top && step->item_type == kStepLabel && !labels.count(step->id)) labels[step->id] = index.back();
        }
        for (size_t i = 0; i < index.size(); ++i) {
            nodes[index[i]].next = i + 1 < index.size() ? index[i + 1] : after;
            const DialogueItem& step = *items[i];
            if (!step.choices) continue;
            for (const auto& choice : *step.choices) {
                const int start = Build(choice->items, index[i], false);
                nodes[index[i]].choice_starts.push_back(start);
            }
        }
        return index.empty() ? after : index.front();
    }
};

}  // namespace

DataCheck::DataCheck(const std::string& game_dir) : game_dir_(game_dir), saved_app_dir_(app_dir) {
    app_dir = game_dir_;
    Load();
}

DataCheck::~DataCheck() {
    LocationList::Destroy();
    DialogueList::Destroy();
    QuestList::Destroy();
    traits.clear();
    ItemList::Destroy();
    ChapterList::Clear();
    AwardList::Destroy();
    Loader::Clear();
    app_dir = saved_app_dir_;
}

void DataCheck::Report(const std::string& kind, const std::string& file, const std::string& element,
                       const std::string& what) {
    problems_.push_back(DataProblem{kind, file, element, what});
}

std::vector<DataProblem> DataCheck::ProblemsOf(const std::string& kind) const {
    std::vector<DataProblem> out;
    for (const DataProblem& p : problems_) {
        if (p.kind == kind) out.push_back(p);
    }
    return out;
}

bool DataCheck::FileThere(const std::string& relative) const { return FileExists(game_dir_ + "/" + relative); }

// ---- Loading -----------------------------------------------------------------------------------

void DataCheck::Load() {
    // The game's start-up order: the manifests, then locations, dialogues, quests, traits, items,
    // chapters, awards.
    LoadManifest(kCommonManifest);
    if (FileThere(kExtraManifest)) LoadManifest(kExtraManifest);
    LoadCatalogue(kLocationsFile, [] { LocationList::Initialize(); });
    LoadDialogues();
    LoadCatalogue(kQuestsFile, [] { QuestList::Initialize(); });
    LoadCatalogue("Data/traits.xml", [] { TraitList::Initialize(); });
    LoadCatalogue(kItemsFile, [] { ItemList::Initialize(); });
    LoadCatalogue(kChaptersFile, [] { ChapterList::Initialize(); });
    LoadCatalogue(kAwardsFile, [] { AwardList::Initialize(); });
    CollectStarts();
    CollectFlagWrites();
    CollectReachable();
}

void DataCheck::LoadCatalogue(const std::string& file, void (*initialize)()) {
    const FatalHandler previous = SetFatalHandler(ThrowLoadFailure);
    try {
        initialize();
    } catch (const LoadFailure& failure) {
        Report("load", file, "file", std::string("the game cannot load it (") + failure.what() + ")");
    }
    SetFatalHandler(previous);
}

void DataCheck::LoadDialogues() {
    DialogueList::Destroy();
    const std::string folder = game_dir_ + "/" + kDialogueFolder;
    if (!DirExists(folder)) {
        Report("load", kDialogueFolder, "folder", "missing: the game cannot start without it");
        return;
    }
    for (const std::string& entry : ReadDir(folder)) {
        // The game reads every name ending exactly in ".xml".
        if (entry.size() < 4 || entry.compare(entry.size() - 4, 4, ".xml") != 0) continue;
        const std::string file = std::string(kDialogueFolder) + "/" + entry;
        const size_t before = dialogue_list.size();
        const int loaded = DialogueList::Load(folder + "/" + entry);
        for (size_t i = before; i < dialogue_list.size(); ++i) dialogue_files_[dialogue_list[i].get()] = file;
        if (!loaded) {
            Report("load", file, "file",
                   "the game cannot load it (Error: '" + entry +
                       "' invalid!): bad syntax, an unknown step or a "
                       "missing attribute");
        }
        dialogue_files_loaded_++;
    }
    for (const auto& dialogue : dialogue_list) ForEachStep(dialogue->items, [this](const DialogueItem&) { steps_++; });
}

void DataCheck::LoadManifest(const std::string& file) {
    if (!FileThere(file)) {
        Report("load", file, "file", "missing: the game cannot start without it");
        return;
    }
    // The game's loader first: it rejects what the game rejects. A missing media file is reported
    // below, one by one.
    const FatalHandler previous = SetFatalHandler(ThrowLoadFailure);
    try {
        FileLoader::Load(game_dir_ + "/" + file, game_dir_);
    } catch (const LoadFailure& failure) {
        if (std::string(failure.what()).find("Failed to load file") == std::string::npos) {
            Report("load", file, "file", std::string("the game cannot load it (") + failure.what() + ")");
        }
    }
    SetFatalHandler(previous);
    Loader::Clear();

    std::unique_ptr<xmlNode> root = xmlNode::Load(game_dir_ + "/" + file);
    if (!root) return;
    for (int i = 0; i < root->ChildCount(); ++i) {
        const xmlNode& node = *root->GetChild(i);
        const int id = node.AttributeInt("id");
        const std::string path = node.AttributeString("path");
        const std::string element = node.Name + " " + std::to_string(id);
        std::map<int, Resource>* registry = nullptr;
        int count = 1;
        if (node.Name == "image") {
            registry = &images_;
            const bool sheet =
                node.AttributeInt("size_x") > 0 && node.AttributeInt("size_y") > 0 && node.AttributeInt("number") > 0;
            if (sheet) count = std::min({node.AttributeInt("number"), 100000, INT_MAX - std::max(id, 0)});
        } else if (node.Name == "audio") {
            registry = &sounds_;
        } else if (node.Name == "font") {
            registry = &fonts_;
        } else {
            continue;  // reported by the game's loader above
        }
        const std::string kind = node.Name == "audio" ? "sound" : node.Name;
        if (!path.empty() && !FileThere(path)) Report(kind, file, element, "file " + Quote(path) + " does not exist");
        for (int k = 0; k < count; ++k) {
            auto [it, fresh] = registry->emplace(id + k, Resource{file, path});
            if (!fresh) {
                Report(kind, file, element,
                       "id " + std::to_string(id + k) + " is already registered by " + it->second.manifest + " (" +
                           it->second.path + ")");
            }
        }
    }
}

// Which locations start each dialogue (by a hotspot or an action).
void DataCheck::CollectStarts() {
    for (const auto& location : locations) {
        auto start = [&](int id) {
            if (!id) return;
            std::vector<int>& where = starts_[id];
            if (std::find(where.begin(), where.end(), location->id) == where.end()) where.push_back(location->id);
        };
        for (const LocationHotspot& h : location->hotspots) {
            start(h.dialogue);
            start(h.result);
        }
        for (const auto& action : location->actions) start(action->dialogue);
    }
    for (const auto& dialogue : dialogue_list) {
        ForEachStep(dialogue->items, [this](const DialogueItem& step) {
            if (step.item_type == kStepGame) games_used_.insert(step.id);
        });
    }
}

// Every way a flag gets a value: the program's own writes, the catalogues, the locations' actions
// and the dialogues' steps.
void DataCheck::CollectFlagWrites() {
    auto program = [this](const std::string& name, int low, int high) {
        flag_writes_[name].push_back(FlagWrite{low, high, false, 0, "", "the program"});
    };
    for (const GameFlag& flag : ProgramFlags()) program(flag.name, flag.low, flag.high);
    for (int breed = 2000; breed <= 2012; ++breed) program("Misc-Animal" + std::to_string(breed), 1, 1);
    for (int kind = 0; kind < kAwardKinds; ++kind) program(AwardInfo::GetAwardFlag(kind), 1, 3);
    for (const auto& award : awards) program("Award-" + std::to_string(award->id), 1, 1);
    for (const ChapterData& chapter : ChapterList::Chapters()) program(chapter.title, 1, 1);
    for (int id : games_used_) {
        if (const HostedGame* game = FindGame(id)) {
            for (const GameFlag& flag : game->writes) program(flag.name, flag.low, flag.high);
        }
    }
    int completable = 0;
    for (const auto& quest : quests) {
        if (std::any_of(quest->status_list.begin(), quest->status_list.end(),
                        [](const QuestStatus& s) { return s.complete; }))
            completable++;
    }
    bool quest_notice = false;
    for (const auto& location : locations) {
        if (location->random > 0) program("RandomValue", 1, location->random);
        for (const auto& action : location->actions) {
            for (const Flag& flag : action->flag_list) {
                if (flag.value == 0) continue;
                flag_writes_[flag.name].push_back(
                    FlagWrite{flag.value, flag.value, false, 0, kLocationsFile, ActionName(*location, *action)});
            }
        }
    }
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        const std::string where = Where(*dialogue);
        if (!dialogue->name.empty()) {
            flag_writes_[dialogue->name].push_back(FlagWrite{1, INT_MAX, false, dialogue->id, file, where});
        }
        ForEachChoice(dialogue->items, [&](const DialogueChoice& choice) {
            if (!choice.name.empty())
                flag_writes_[choice.name].push_back(FlagWrite{1, 1, false, dialogue->id, file, where});
        });
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type == kStepEnter && step.extra == kModeInfo && step.value == 4) quest_notice = true;
            if (step.item_type != kStepFlag) return;
            FlagWrite write{0, 0, false, dialogue->id, file, where};
            if (step.extra == -1) {
                write.add = true;
                write.low = INT_MIN;
                write.high = INT_MAX;
            } else if (step.extra != 0) {
                write.low = std::min(1, step.extra);
                write.high = std::max(1, step.extra);
            } else if (step.value != 0) {
                write.low = write.high = step.value;
            } else {
                return;  // removes the flag
            }
            flag_writes_[step.flag].push_back(write);
        });
    }
    // Each quest completes once, and each "Quest complete" notice counts.
    if (quest_notice) program("Misc-Quests", 1, std::max(1, completable));
}

// The locations a new profile can reach, and the dialogues they start.
void DataCheck::CollectReachable() {
    std::vector<int> queue;
    auto visit = [&](int id) {
        if (id > 0 && LocationList::GetLocation(id) && reachable_locations_.insert(id).second) queue.push_back(id);
    };
    visit(1);
    while (!queue.empty()) {
        const Location& location = *LocationList::GetLocation(queue.back());
        queue.pop_back();
        if (location.special == 0) visit(3);   // the menu's ranch button
        if (location.special == 2) visit(10);  // the battle returns to the lookout
        if (location.special == 3) visit(3);   // the credits return to the ranch
        auto start = [&](int dialogue_id) {
            const Dialogue* dialogue = DialogueList::GetDialogue(dialogue_id);
            if (!dialogue) return;
            reachable_dialogues_.insert(dialogue_id);
            ForEachStep(dialogue->items, [&](const DialogueItem& step) {
                if (step.item_type == kStepLocation) visit(step.id);
                if (step.item_type == kStepFlag && step.flag == "GotoLocation" && step.extra == 0) visit(step.value);
            });
        };
        for (const LocationHotspot& h : location.hotspots) {
            visit(h.location);
            start(h.dialogue);
            start(h.result);
        }
        for (const auto& action : location.actions) {
            visit(action->location);
            start(action->dialogue);
            for (const Flag& flag : action->flag_list) {
                if (flag.name == "GotoLocation") visit(flag.value);
            }
        }
    }
}

const std::string& DataCheck::FileOf(const Dialogue& dialogue) const {
    static const std::string unknown = kDialogueFolder;
    auto it = dialogue_files_.find(&dialogue);
    return it == dialogue_files_.end() ? unknown : it->second;
}

std::string DataCheck::Where(const Dialogue& dialogue) const { return "dialogue " + std::to_string(dialogue.id); }

bool DataCheck::ItemExists(const std::string& name) const { return ItemList::GetItem(name) != nullptr; }

bool DataCheck::ImageIn(const Location& location, int id) const {
    if (ImageRegistered(id)) return true;
    return std::any_of(location.files.begin(), location.files.end(),
                       [id](const LocationFile& f) { return f.id == id; });
}

bool DataCheck::ImageForDialogue(const Dialogue& dialogue, int id) const {
    if (ImageRegistered(id)) return true;
    auto it = starts_.find(dialogue.id);
    if (it == starts_.end() || it->second.empty()) return false;
    return std::all_of(it->second.begin(), it->second.end(), [&](int location_id) {
        const Location* location = LocationList::GetLocation(location_id);
        return location && ImageIn(*location, id);
    });
}

// ---- The checks --------------------------------------------------------------------------------

void DataCheck::RunAll() {
    CheckDialogueIds();
    CheckLabels();
    CheckItems();
    CheckImages();
    CheckSounds();
    CheckMusic();
    CheckLocations();
    CheckGames();
    CheckQuests();
    CheckFlags();
    CheckGivenItems();
    CheckAwards();
    CheckStatues();
    CheckMenus();
    CheckActors();
}

// Every dialogue a hotspot or an action starts exists (an unknown id ends the game), a hotspot that
// needs an item has a dialogue for when it is missing, tutorials start only where skipping them is
// harmless, and a dialogue started by an action changes what the action tests.
void DataCheck::CheckDialogueIds() {
    std::map<int, const Dialogue*> first;
    for (const auto& dialogue : dialogue_list) {
        auto [it, fresh] = first.emplace(dialogue->id, dialogue.get());
        if (!fresh) {
            Report("dialogue", FileOf(*dialogue), Where(*dialogue),
                   "id also used in " + FileOf(*it->second) + "; only the first is ever started");
        }
    }
    auto missing = [](int id) { return id != 0 && !DialogueList::GetDialogue(id); };
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            const std::string element = HotspotName(*location, h);
            if (missing(h.dialogue))
                Report("dialogue", kLocationsFile, element, "no dialogue " + std::to_string(h.dialogue));
            if (missing(h.result))
                Report("dialogue", kLocationsFile, element, "no else dialogue " + std::to_string(h.result));
            if (!h.condition.empty() && !h.result && (h.dialogue || h.location)) {
                Report("dialogue", kLocationsFile, element,
                       "needs the item " + Quote(h.condition) +
                           " but has no else dialogue: a click without it starts dialogue 0, which does not exist");
            }
            const Dialogue* started = DialogueList::GetDialogue(h.dialogue);
            if (started && started->tutorial) {
                Report("dialogue", kLocationsFile, element,
                       "starts tutorial dialogue " + std::to_string(h.dialogue) +
                           ": with tips off nothing runs and the location's hotspots stay blocked");
            }
        }
        for (const auto& action : location->actions) {
            const std::string element = ActionName(*location, *action);
            if (!action->dialogue) continue;
            const Dialogue* dialogue = DialogueList::GetDialogue(action->dialogue);
            if (!dialogue) {
                Report("dialogue", kLocationsFile, element, "no dialogue " + std::to_string(action->dialogue));
                continue;
            }
            // The dialogue's own counter is raised even when a skipped tutorial does not run.
            const bool clears_itself =
                dialogue->name == action->name ||
                std::any_of(action->flag_list.begin(), action->flag_list.end(),
                            [&](const Flag& f) { return f.name == action->name && f.value != action->value; });
            if (dialogue->tutorial && !clears_itself) {
                Report("dialogue", kLocationsFile, element,
                       "starts tutorial dialogue " + std::to_string(dialogue->id) + " without changing " +
                           action->name + " itself: with tips off it fires every frame");
                continue;
            }
            bool changes = clears_itself;
            ForEachStep(dialogue->items, [&](const DialogueItem& step) {
                if (step.item_type == kStepFlag && step.flag == action->name) changes = true;
                if (step.item_type == kStepItem && step.flag == action->item && step.value < 0) changes = true;
            });
            if (!changes) {
                Report("dialogue", kLocationsFile, element,
                       "dialogue " + std::to_string(dialogue->id) + " never changes " + action->name +
                           ": it starts again as soon as it ends");
            }
        }
    }
}

// Every goto and skip finds its label in the dialogue's top-level steps (labels inside a menu
// choice are never found), and no label is there twice.
void DataCheck::CheckLabels() {
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        std::set<int> labels;
        for (const auto& step : dialogue->items) {
            if (step->item_type != kStepLabel) continue;
            if (!labels.insert(step->id).second) {
                Report("label", file, Where(*dialogue), "label " + std::to_string(step->id) + " twice; the first wins");
            }
        }
        ForEachChoice(dialogue->items, [&](const DialogueChoice& choice) {
            for (const auto& step : choice.items) {
                if (step->item_type == kStepLabel) {
                    Report("label", file, Where(*dialogue),
                           "label " + std::to_string(step->id) + " inside choice " + Quote(choice.text) +
                               " is never found");
                }
            }
        });
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if ((step.item_type == kStepGoto || step.item_type == kStepSkip) && !labels.count(step.id)) {
                Report("label", file, Where(*dialogue),
                       std::string(step.item_type == kStepGoto ? "goto " : "skip ") + std::to_string(step.id) +
                           ": no label " + std::to_string(step.id) + " (the dialogue ends there)");
            }
        });
    }
}

// Every item named anywhere (locations, dialogue steps, notices, conditions, the program's own
// names and the hosted games' shops) is in items.xml.
void DataCheck::CheckItems() {
    std::set<std::string> names;
    for (const auto& item : items_catalogue) {
        if (!names.insert(item->name).second)
            Report("item", kItemsFile, "item " + Quote(item->name), "listed twice; the first wins");
        if (item->class_name == "x10" && item->name.size() > 4 &&
            !ItemExists(item->name.substr(0, item->name.size() - 4))) {
            Report("item", kItemsFile, "item " + Quote(item->name),
                   "a ten-pack of " + Quote(item->name.substr(0, item->name.size() - 4)) + ", which is no item");
        }
    }
    auto need = [this](const std::string& name, const std::string& file, const std::string& element) {
        if (!name.empty() && !ItemExists(name))
            Report("item", file, element, "no item " + Quote(name) + " in " + kItemsFile);
    };
    for (const auto& [name, class_name] : ProgramItems()) {
        const auto item = ItemList::GetItem(name);
        if (!item) {
            Report("item", kItemsFile, "item " + Quote(name), "missing: the program uses it by name");
        } else if (!class_name.empty() && item->class_name != class_name) {
            Report("item", kItemsFile, "item " + Quote(name),
                   "class " + Quote(item->class_name) + ", the program needs " + Quote(class_name));
        }
    }
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            need(h.item, kLocationsFile, HotspotName(*location, h));
            need(h.condition, kLocationsFile, HotspotName(*location, h));
        }
        for (const auto& action : location->actions) need(action->item, kLocationsFile, ActionName(*location, *action));
    }
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type == kStepItem) need(step.flag, file, Where(*dialogue));
            need(step.item, file, Where(*dialogue));
        });
        ForEachChoice(dialogue->items, [&](const DialogueChoice& choice) {
            need(choice.item, file, Where(*dialogue) + " choice " + Quote(choice.text));
        });
    }
}

// Every picture the data names is registered where it is drawn: item and background pictures in a
// manifest, hotspot and dialogue pictures in a manifest or by the location that shows them,
// speakers' portraits with their talking frames; per-location and chapter files exist.
void DataCheck::CheckImages() {
    for (const auto& item : items_catalogue) {
        if (!ImageRegistered(item->image)) {
            Report("image", kItemsFile, "item " + Quote(item->name),
                   "picture " + std::to_string(item->image) + " is in no manifest");
        }
    }
    for (const auto& location : locations) {
        const std::string element = "location " + std::to_string(location->id);
        if (location->special != 3 && !ImageRegistered(location->bg)) {
            Report("image", kLocationsFile, element,
                   location->bg ? "background " + std::to_string(location->bg) + " is in no manifest"
                                : "has no background");
        }
        for (const LocationFile& file : location->files) {
            const std::string what = element + " image " + std::to_string(file.id);
            if (!FileThere(file.path))
                Report("image", kLocationsFile, what, "file " + Quote(file.path) + " does not exist");
            if (ImageRegistered(file.id))
                Report("image", kLocationsFile, what, "id is already registered by " + images_.at(file.id).manifest);
            for (int title : kTitleImages) {
                if (file.id == title) Report("image", kLocationsFile, what, "id belongs to the title scene");
            }
        }
        for (const LocationHotspot& h : location->hotspots) {
            if (!ImageIn(*location, h.image)) {
                Report("image", kLocationsFile, HotspotName(*location, h),
                       "picture " + std::to_string(h.image) + " is registered nowhere");
            }
        }
    }
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            int image = 0;
            if (step.item_type == kStepEnter && (step.extra == kModeLeft || step.extra == kModeRight))
                image = step.value;
            if (step.item_type == kStepAddImage || step.item_type == kStepDelImage) image = step.value;
            if (image <= 0) return;
            if (!ImageForDialogue(*dialogue, image)) {
                Report("image", file, Where(*dialogue),
                       "picture " + std::to_string(image) + " is registered nowhere it runs");
                return;
            }
            if (step.item_type != kStepEnter || image < 1000 || image > 100000) return;
            const int frames = 1100 + 4 * (image - 1000);  // mouth and eye frames of a portrait
            for (int k = 0; k < 4; ++k) {
                if (!ImageForDialogue(*dialogue, frames + k)) {
                    Report(
                        "image", file, Where(*dialogue),
                        "portrait " + std::to_string(image) + " lacks its talking frame " + std::to_string(frames + k));
                    break;
                }
            }
        });
    }
    for (const ChapterData& chapter : ChapterList::Chapters()) {
        if (!FileThere(chapter.bg))
            Report("image", kChaptersFile, "chapter " + Quote(chapter.title),
                   "background file " + Quote(chapter.bg) + " does not exist");
    }
    for (int title : kTitleImages) {
        if (ImageRegistered(title))
            Report("image", images_.at(title).manifest, "image " + std::to_string(title),
                   "id belongs to the title scene");
    }
}

// Every sound the program plays is registered, and audio id 1 stays free for the music.
void DataCheck::CheckSounds() {
    for (int id = kFirstProgramSound; id <= kLastProgramSound; ++id) {
        if (!sounds_.count(id))
            Report("sound", kCommonManifest, "audio " + std::to_string(id), "not registered: the program plays it");
    }
    if (sounds_.count(1))
        Report("sound", sounds_.at(1).manifest, "audio 1", "id 1 belongs to the music: no music would play");
}

// Every music file a location, a dialogue or the program opens exists.
void DataCheck::CheckMusic() {
    for (const char* path : kProgramMusic) {
        if (!FileThere(path)) Report("music", "Data/Music", Quote(path), "missing: the program plays it");
    }
    for (const auto& location : locations) {
        if (!location->music.empty() && !FileThere(location->music)) {
            Report("music", kLocationsFile, "location " + std::to_string(location->id),
                   "music " + Quote(location->music) + " does not exist");
        }
    }
    for (const auto& dialogue : dialogue_list) {
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type == kStepMusic && !FileThere(step.flag)) {
                Report("music", FileOf(*dialogue), Where(*dialogue), "music " + Quote(step.flag) + " does not exist");
            }
        });
    }
}

// Every location a hotspot, an action or a dialogue moves to exists; the program's fixed locations
// are there; no hotspot leads straight into the battle; every location can be reached.
void DataCheck::CheckLocations() {
    auto need = [](int id) { return id != 0 && !LocationList::GetLocation(id); };
    int battles = 0, endings = 0;
    for (const auto& location : locations) {
        const std::string element = "location " + std::to_string(location->id);
        if (location->special < 0 || location->special > 3) {
            Report("location", kLocationsFile, element,
                   "special " + std::to_string(location->special) + " is no scene (0-3)");
        }
        battles += location->special == 2;
        endings += location->special == 3;
        if (!reachable_locations_.count(location->id) && location->id > 0) {
            Report("location", kLocationsFile, element, "nothing leads there from location 1");
        }
        std::set<int> hotspot_ids;
        for (const LocationHotspot& h : location->hotspots) {
            const std::string what = HotspotName(*location, h);
            if (!hotspot_ids.insert(h.id).second)
                Report("location", kLocationsFile, what,
                       "hotspot id " + std::to_string(h.id) + " twice in the location");
            if (need(h.location)) Report("location", kLocationsFile, what, "no location " + std::to_string(h.location));
            const Location* target = LocationList::GetLocation(h.location);
            if (target && target->special == 2) {
                Report("location", kLocationsFile, what, "leads into the battle, which cannot start without an animal");
            }
        }
        for (const auto& action : location->actions) {
            if (need(action->location))
                Report("location", kLocationsFile, ActionName(*location, *action),
                       "no location " + std::to_string(action->location));
        }
    }
    for (const auto& dialogue : dialogue_list) {
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            const bool move =
                step.item_type == kStepLocation ||
                (step.item_type == kStepFlag && step.flag == "GotoLocation" && step.extra == 0 && step.value);
            const int id = step.item_type == kStepLocation ? step.id : step.value;
            if (move && need(id))
                Report("location", FileOf(*dialogue), Where(*dialogue), "no location " + std::to_string(id));
        });
    }
    const Location* start = LocationList::GetLocation(1);
    const Location* ranch = LocationList::GetLocation(3);
    if (!start || start->special != 0)
        Report("location", kLocationsFile, "location 1",
               "every new profile starts there: it must be an ordinary location");
    if (!ranch || ranch->special != 1)
        Report("location", kLocationsFile, "location 3", "must be the ranch (special 1)");
    if (!LocationList::GetLocation(10))
        Report("location", kLocationsFile, "location 10", "missing: the battle returns there");
    if (battles == 0) Report("location", kLocationsFile, "special 2", "no battle location");
    if (endings == 0) Report("location", kLocationsFile, "special 3", "no ending location");
}

// Every `game` step names a hosted game, and the locations hosting the apple tree and the berry
// bush register the pictures those games draw.
void DataCheck::CheckGames() {
    for (const auto& dialogue : dialogue_list) {
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type != kStepGame) return;
            const HostedGame* game = FindGame(step.id);
            if (!game) {
                Report("game", FileOf(*dialogue), Where(*dialogue),
                       "game " + std::to_string(step.id) + " is no hosted game (the step does nothing)");
                return;
            }
            auto it = starts_.find(dialogue->id);
            if (it == starts_.end()) return;
            for (int location_id : it->second) {
                const Location* location = LocationList::GetLocation(location_id);
                if (!location) continue;
                for (int image : game->location_images) {
                    const bool own = std::any_of(location->files.begin(), location->files.end(),
                                                 [image](const LocationFile& f) { return f.id == image; });
                    if (!own) {
                        Report("game", FileOf(*dialogue), Where(*dialogue),
                               "game " + std::to_string(step.id) + " runs at location " + std::to_string(location_id) +
                                   ", which does not register its picture " + std::to_string(image));
                    }
                }
            }
        });
    }
}

// Every value given to a quest's flag has a status (any other is fatal), and every "Quest-" flag
// the data sets is a quest.
void DataCheck::CheckQuests() {
    std::map<std::string, const Quest*> by_name;
    for (const auto& quest : quests) by_name.emplace(quest->name, quest.get());
    for (const auto& [flag, writes] : flag_writes_) {
        auto it = by_name.find(flag);
        if (it == by_name.end()) {
            if (flag.rfind("Quest-", 0) != 0) continue;
            for (const FlagWrite& w : writes) {
                if (!w.file.empty())
                    Report("quest", w.file, w.element, "sets " + flag + ", which is no quest in " + kQuestsFile);
            }
            continue;
        }
        const Quest& quest = *it->second;
        for (const FlagWrite& w : writes) {
            const std::string file = w.file.empty() ? kQuestsFile : w.file;
            const std::string element = w.file.empty() ? "quest " + flag : w.element;
            if (w.add) {
                Report("quest", file, element,
                       "adds to " + flag + ": a quest flag takes only the values of its statuses");
                continue;
            }
            for (int value = w.low; value <= w.high && value - w.low < 100; ++value) {
                if (value != 0 && !quest.GetStatus(value)) {
                    Report("quest", file, element,
                           "sets " + FlagCondition(flag, value) + ", which has no status in " + kQuestsFile);
                }
            }
        }
    }
}

// Every condition that waits for a flag value (chapters, actions, hotspots, dialogue steps and
// choices) can come true: something sets that flag to that value.
void DataCheck::CheckFlags() {
    auto wait = [this](const std::string& flag, int value, const std::string& file, const std::string& element) {
        if (flag.empty() || value == 0) return;  // an absent flag reads 0
        auto it = flag_writes_.find(flag);
        if (it == flag_writes_.end()) {
            Report("flag", file, element,
                   "waits for " + FlagCondition(flag, value) + ", but nothing ever sets " + flag);
        } else if (!Holds(it->second, value)) {
            Report("flag", file, element,
                   "waits for " + FlagCondition(flag, value) + ", but " + flag + " is only ever set to " +
                       ValuesText(it->second));
        }
    };
    for (const ChapterData& chapter : ChapterList::Chapters()) {
        for (const ChapterFlag& flag : chapter.flags)
            wait(flag.name, flag.value, kChaptersFile, "chapter " + Quote(chapter.title));
        // The title is the flag the intro sets: no other flag may share it.
        for (const FlagWrite& w : flag_writes_[chapter.title]) {
            if (!w.file.empty())
                Report("flag", w.file, w.element, "sets " + chapter.title + ", which is also a chapter's title flag");
        }
    }
    for (const auto& location : locations) {
        for (const auto& action : location->actions)
            wait(action->name, action->value, kLocationsFile, ActionName(*location, *action));
        for (const LocationHotspot& h : location->hotspots)
            wait(h.visible, h.value, kLocationsFile, HotspotName(*location, h));
    }
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            const bool image = step.item_type == kStepAddImage || step.item_type == kStepDelImage;
            if (step.item_type == kStepText || step.item_type == kStepGoto || image) {
                wait(step.flag, image ? step.extra : step.value, file, Where(*dialogue));
            }
        });
        ForEachChoice(dialogue->items, [&](const DialogueChoice& choice) {
            wait(choice.flag, choice.value, file, Where(*dialogue) + " choice " + Quote(choice.text));
        });
    }
}

// Every item can be had: a dialogue gives it, a hotspot holds it, or a hosted game that some
// dialogue starts sells or yields it. Notices ("Notice" class) are only shown, never owned.
void DataCheck::CheckGivenItems() {
    std::set<std::string> given;
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            if (!h.item.empty()) given.insert(h.item);
        }
    }
    for (const auto& dialogue : dialogue_list) {
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type == kStepItem && step.value > 0) given.insert(step.flag);
        });
    }
    for (int id : games_used_) {
        if (const HostedGame* game = FindGame(id)) given.insert(game->gives.begin(), game->gives.end());
    }
    for (const auto& item : items_catalogue) {
        // A ten-pack that is sold brings its single item.
        if (item->class_name == "x10" && given.count(item->name) && item->name.size() > 4) {
            given.insert(item->name.substr(0, item->name.size() - 4));
        }
    }
    for (const auto& item : items_catalogue) {
        if (item->class_name == "Notice" || given.count(item->name)) continue;
        Report("given", kItemsFile, "item " + Quote(item->name),
               "nothing ever gives it (no dialogue, hotspot, shop or game)");
    }
}

// Every award's flag can reach the award's value.
void DataCheck::CheckAwards() {
    for (const auto& award : awards) {
        const std::string element = "award " + std::to_string(award->id) + " " + Quote(award->title);
        auto it = flag_writes_.find(award->flag);
        if (it == flag_writes_.end()) {
            Report("award", kAwardsFile, element, "waits for " + award->flag + ", which nothing ever raises");
        } else if (Highest(it->second) < award->value) {
            Report("award", kAwardsFile, element,
                   "waits for " + award->flag + " >= " + std::to_string(award->value) + ", but it never goes above " +
                       std::to_string(Highest(it->second)));
        }
    }
}

// Exactly the thirteen statues "Statue-01" ... "Statue-13", each found in a dialogue that a
// reachable location starts, and each find counted in "StatueCount".
void DataCheck::CheckStatues() {
    std::set<std::string> expected;
    for (int n = 1; n <= kStatues; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "Statue-%02d", n);
        expected.insert(name);
    }
    std::set<std::string> named;
    for (const auto& [flag, writes] : flag_writes_) {
        if (flag.rfind("Statue-", 0) == 0) named.insert(flag);
    }
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            if (h.visible.rfind("Statue-", 0) == 0) named.insert(h.visible);
        }
    }
    for (const std::string& flag : named) {
        if (!expected.count(flag))
            Report("statue", kDialogueFolder, flag, "not one of the thirteen statues Statue-01 ... Statue-13");
    }
    for (const std::string& flag : expected) {
        auto it = flag_writes_.find(flag);
        if (it == flag_writes_.end()) {
            Report("statue", kDialogueFolder, flag, "nothing ever sets it: the statue cannot be found");
            continue;
        }
        bool reachable = false;
        for (const FlagWrite& w : it->second) {
            if (!w.dialogue || !reachable_dialogues_.count(w.dialogue)) continue;
            reachable = true;
            bool counted = false;
            ForEachStep(DialogueList::GetDialogue(w.dialogue)->items, [&](const DialogueItem& step) {
                counted = counted || (step.item_type == kStepFlag && step.flag == "StatueCount" && step.extra == -1 &&
                                      step.value == 1);
            });
            if (!counted) Report("statue", w.file, w.element, "finds " + flag + " without adding 1 to StatueCount");
        }
        if (!reachable)
            Report("statue", kDialogueFolder, flag, "only set by dialogues that no reachable location starts");
    }
}

// Every choice menu has a way out: a choice that is always offered and leaves the menu with a
// jump (or a move to another location). Without one, the menu can be left with nothing to take.
void DataCheck::CheckMenus() {
    for (const auto& dialogue : dialogue_list) {
        const DialogueItems& top = dialogue->items;
        std::map<int, size_t> label_at;
        for (size_t i = 0; i < top.size(); ++i) {
            if (top[i]->item_type == kStepLabel && !label_at.count(top[i]->id)) label_at[top[i]->id] = i;
        }
        // True when a jump to `label` runs straight back into the top-level step `at`.
        auto loops_back = [&](int label, size_t at) {
            auto it = label_at.find(label);
            if (it == label_at.end() || it->second > at) return false;
            for (size_t i = it->second; i < at; ++i) {
                if (top[i]->item_type == kStepGoto || top[i]->item_type == kStepLocation) return false;
            }
            return true;
        };
        std::function<void(const DialogueItem&, size_t, bool)> check_menu = [&](const DialogueItem& menu, size_t at,
                                                                                bool nested) {
            bool way_out = false;
            for (const auto& choice : *menu.choices) {
                const bool always = choice->flag.empty() && choice->name.empty() && choice->item.empty();
                for (const auto& step : choice->items) {
                    if (step->choices) check_menu(*step, at, true);
                    const bool jump = step->item_type == kStepGoto && step->flag.empty() && step->item.empty() &&
                                      (nested || !loops_back(step->id, at));
                    if (always && (jump || step->item_type == kStepLocation)) way_out = true;
                }
            }
            if (!way_out) {
                Report(
                    "menu", FileOf(*dialogue), Where(*dialogue),
                    "menu " + Quote(menu.text) + " has no way out: no choice that is always offered jumps out of it");
            }
        };
        for (size_t i = 0; i < top.size(); ++i) {
            if (top[i]->choices) check_menu(*top[i], i, false);
        }
    }
}

// Every actor that enters has a place on stage and leaves again before the dialogue ends (the
// dialogue ends only on an empty stage), along every path through it; steps that address an actor
// find it on stage.
void DataCheck::CheckActors() {
    for (const auto& dialogue : dialogue_list) {
        const std::string& file = FileOf(*dialogue);
        ForEachStep(dialogue->items, [&](const DialogueItem& step) {
            if (step.item_type != kStepEnter) return;
            const std::string actor = "actor " + std::to_string(step.id);
            if (step.extra == kModeNone) {
                Report("actor", file, Where(*dialogue),
                       actor + " enters with no place (left, right, message, info, item): it can never leave");
            } else if (step.extra == kModeInfo && (step.value < 1 || step.value > 4)) {
                Report("actor", file, Where(*dialogue),
                       actor + ": notice " + std::to_string(step.value) +
                           " is none of 1-4 (an image on a notice replaces its code)");
            } else if (step.extra == kModeItem && step.value != 1 && step.value != 2) {
                Report("actor", file, Where(*dialogue), actor + ": an image on an item notice spoils it");
            }
        });

        const DialogueFlow flow(*dialogue);
        using State = std::tuple<int, std::vector<int>, int>;  // node, actors on stage (sorted), skip label
        std::set<State> seen;
        std::vector<State> pending = {State{flow.entry, {}, 0}};
        std::set<int> left_on_stage, absent;
        while (!pending.empty() && seen.size() < 200000) {
            State state = pending.back();
            pending.pop_back();
            if (!seen.insert(state).second) continue;
            // Named copies, not a structured binding: the lambdas below capture them (clang refuses that).
            const int node = std::get<0>(state);
            std::vector<int> stage = std::get<1>(state);
            int skip = std::get<2>(state);
            if (node == DialogueFlow::kEnd) {
                left_on_stage.insert(stage.begin(), stage.end());
                continue;
            }
            const DialogueItem& step = *flow.nodes[node].step;
            auto go = [&](int next) { pending.emplace_back(next, stage, skip); };
            auto label_node = [&](int label) {
                auto it = flow.labels.find(label);
                return it == flow.labels.end() ? DialogueFlow::kEnd : it->second;
            };
            if (skip) go(label_node(skip));  // the skip button can be clicked at any step
            switch (step.item_type) {
                case kStepEnter:
                    stage.insert(std::upper_bound(stage.begin(), stage.end(), step.id), step.id);
                    go(flow.nodes[node].next);
                    break;
                case kStepExit: {
                    auto it = std::find(stage.begin(), stage.end(), step.id);
                    if (it != stage.end()) stage.erase(it);
                    go(flow.nodes[node].next);
                    break;
                }
                case kStepText:
                case kStepMove:
                case kStepAddImage:
                case kStepDelImage:
                    if (std::find(stage.begin(), stage.end(), step.id) == stage.end()) absent.insert(step.id);
                    go(flow.nodes[node].next);
                    break;
                case kStepChoices:
                    for (int start : flow.nodes[node].choice_starts) go(start);
                    break;
                case kStepLabel:
                    if (step.id == skip) skip = 0;
                    go(flow.nodes[node].next);
                    break;
                case kStepSkip:
                    skip = step.id;
                    go(flow.nodes[node].next);
                    break;
                case kStepGoto:
                    go(label_node(step.id));
                    if (!step.flag.empty() || !step.item.empty()) go(flow.nodes[node].next);
                    break;
                case kStepLocation:
                    break;  // the scene changes: the stage no longer matters
                default:
                    go(flow.nodes[node].next);
                    break;
            }
        }
        for (int actor : left_on_stage) {
            Report("actor", file, Where(*dialogue),
                   "actor " + std::to_string(actor) + " can still be on stage at the end: the dialogue never ends");
        }
        for (int actor : absent) {
            Report("actor", file, Where(*dialogue),
                   "actor " + std::to_string(actor) + " is addressed while not on stage");
        }
    }
}

// ---- Output ------------------------------------------------------------------------------------

std::string DataCheck::Summary() const {
    size_t hotspots = 0, actions = 0;
    for (const auto& location : locations) {
        hotspots += location->hotspots.size();
        actions += location->actions.size();
    }
    char line[512];
    std::snprintf(line, sizeof line,
                  "Data checked: %zu locations (%zu hotspots, %zu actions), %zu dialogues in %d files (%d steps), "
                  "%zu quests, %zu items, %zu chapters, %zu awards, %zu flags, %zu pictures, %zu sounds, %zu fonts: "
                  "%zu problems",
                  locations.size(), hotspots, actions, dialogue_list.size(), dialogue_files_loaded_, steps_,
                  quests.size(), items_catalogue.size(), ChapterList::Chapters().size(), awards.size(),
                  flag_writes_.size(), images_.size(), sounds_.size(), fonts_.size(), problems_.size());
    return line;
}

int DataCheck::Main(const std::string& game_dir) {
    DataCheck check(game_dir);
    check.RunAll();
    if (check.Problems().empty()) {
        std::printf("%s\n", check.Summary().c_str());
        return 0;
    }
    for (const DataProblem& problem : check.Problems()) std::printf("%s\n", problem.Line().c_str());
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", check.Summary().c_str());
    return 1;
}
