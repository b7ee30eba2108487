#include "profile.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

#include "app.h"
#include "settings.h"
#include "system.h"
#include "xml.h"

int profile_active = 0;
int saving_blocked = 0;
float play_time = 0;
std::vector<std::shared_ptr<Animal>> animals;
int location = 1;
int character_image = 1000;
std::string character_name;
float pitch = 1.0f;
int player_expression = 0;
std::array<std::shared_ptr<Animal>, 2> stored_animals;
std::vector<Flag> flags;
std::vector<std::shared_ptr<Item>> inventory;
float total_play_time = 0;

namespace {
// The save text kept when the running dialogue began; empty outside a dialogue.
std::string dialogue_snapshot;
}  // namespace

int Flag::Compare(const Flag& other) const {
    if (this == &other) return 0;
    return name.compare(other.name) > 0 ? 1 : -1;
}

void Profile::CleanProfile() {
    flags.clear();
    inventory.clear();
    animals.clear();
    // The catalogue objects carry the owned counts: a fresh profile owns nothing, so no count of
    // the previous profile may linger on them.
    for (const auto& item : items_catalogue) item->number = 0;
    play_time = 0;
    location = 1;
    completion = 0;
    player_expression = 0;
    stored_animals[0] = nullptr;
    stored_animals[1] = nullptr;
    dialogue_snapshot.clear();
}

void Profile::NewProfile(const std::string& name, int male) {
    CleanProfile();
    if (male) {
        character_image = 1000;
        pitch = 1.0f;
    } else {
        character_image = 1005;
        pitch = 1.25f;
    }
    character_name = name;
    profile_name = name;
    profile_active = 1;
    Save();
}

std::shared_ptr<Animal> Profile::AddAnimal(std::shared_ptr<Animal> animal) {
    animals.push_back(std::move(animal));
    int count = static_cast<int>(animals.size());
    if (count > GetFlagValue("Misc-MaxAnimals")) SetFlag("Misc-MaxAnimals", count);
    return nullptr;
}

std::shared_ptr<Animal> Profile::GetAnimal(const std::string& name) {
    for (const auto& animal : animals)
        if (animal->name == name) return animal;
    return nullptr;
}

int Profile::TotalAnimalCount() {
    int count = static_cast<int>(animals.size());
    for (const auto& animal : animals)
        if (animal->baby) count++;
    return count;
}

std::shared_ptr<Item> Profile::GetItem(const std::string& name) {
    for (const auto& item : inventory)
        if (item->name == name) return item;
    return nullptr;
}

static void RemoveFromInventory(const std::shared_ptr<Item>& item) {
    inventory.erase(std::remove(inventory.begin(), inventory.end(), item), inventory.end());
}

void Profile::AddItem(const std::string& name, int n) {
    if (std::shared_ptr<Item> owned = GetItem(name)) {
        owned->number = SaturatingAdd(owned->number, n);
        if (owned->number <= 0) {
            owned->number = 0;
            RemoveFromInventory(owned);
        }
        return;
    }
    std::shared_ptr<Item> item = ItemList::GetItem(name);
    if (!item) Fatal("Error! Item " + name + " does not exist!");
    if (n > 0) {
        item->number = n;
        inventory.push_back(item);
    } else {
        item->number = 0;
    }
}

void Profile::SetItem(const std::string& name, int n) {
    std::shared_ptr<Item> owned = GetItem(name);
    if (!owned) {
        AddItem(name, n);
        return;
    }
    owned->number = n;
    if (n <= 0) {
        owned->number = 0;
        RemoveFromInventory(owned);
    }
}

Flag* Profile::GetFlag(const std::string& name) {
    for (auto& flag : flags)
        if (flag.name == name) return &flag;
    return nullptr;
}

int Profile::GetFlagValue(const std::string& name) {
    const Flag* flag = GetFlag(name);
    return flag ? flag->value : 0;
}

void Profile::SetFlag(const std::string& name, int value) {
    if (Flag* flag = GetFlag(name)) {
        if (value != 0)
            flag->value = value;
        else
            RemoveFlag(name);
    } else if (value != 0) {
        flags.emplace_back(name, value);
    }
}

void Profile::AddFlag(const std::string& name, int delta) {
    if (delta == 0) return;
    if (const Flag* flag = GetFlag(name))
        SetFlag(name, SaturatingAdd(flag->value, delta));
    else
        flags.emplace_back(name, delta);
}

void Profile::RemoveFlag(const std::string& name) {
    flags.erase(std::remove_if(flags.begin(), flags.end(), [&](const Flag& f) { return f.name == name; }),
                flags.end());
}

void Profile::SortFlags() {
    std::stable_sort(flags.begin(), flags.end(), [](const Flag& a, const Flag& b) { return a.Compare(b) < 0; });
}

void Profile::Update(float delta) {
    if (GetFlagValue("Misc-HaltAnimalUpdate") != 0) return;
    // Index loop: a baby born during this pass is appended and updated in the same pass.
    for (size_t i = 0; i < animals.size(); i++) {
        std::shared_ptr<Animal> animal = animals[i];
        animal->Update(delta);
        std::string breed_flag = "Misc-Animal" + std::to_string(animal->image);
        if (!GetFlag(breed_flag)) {
            SetFlag(breed_flag, 1);
            AddFlag("Misc-Breeds", 1);
        }
    }
}

std::string Profile::ProfilePath(const std::string& name) { return user_dir + "/Profiles/" + name + ".sav"; }

// ---- Reading ----------------------------------------------------------------------------------

// A save is a text file that anyone can edit and a disk can damage: every number read from it is
// brought into the range the game keeps it in, so that nothing later overflows, wraps or is drawn
// out of place (a health of 1e30 would otherwise price an animal at -2147483648).
namespace {
constexpr float kMaxPlayTime = 3.6e10f;  // 100000 hours
constexpr float kMaxAge = 6.0e9f;        // a million minutes
constexpr float kPregnancyTime = 18000;
constexpr int kMaxItemCount = 99999;
constexpr int kPenCount = 9;

float InRange(float value, float low, float high, float fallback) {
    if (std::isnan(value)) return fallback;
    return std::clamp(value, low, high);
}

int InRange(int value, int low, int high) { return std::clamp(value, low, high); }

// The two portraits: the male one, and the female one for anything else (as old saves are read).
int PortraitInRange(int image) { return image == 1000 ? 1000 : 1005; }

// Flags that count or hold money have a range; every other flag is free.
int FlagInRange(const std::string& name, int value) {
    static const struct {
        const char* name;
        int low, high;
    } ranges[] = {{"Money", 0, INT_MAX},          {"Farm-Upgrade", 0, 3},       {"StatueCount", 0, 13},
                  {"Misc-Breeds", 0, 13},         {"Misc-MaxAnimals", 0, INT_MAX}, {"Misc-MaxAge", 0, INT_MAX}};
    for (const auto& range : ranges) {
        if (name == range.name) return InRange(value, range.low, range.high);
    }
    return value;
}
}  // namespace

int GetProfileRevision(const xmlNode* root) {
    if (!root) return 0;
    for (const char* required : {"rev", "time", "location", "image", "name"})
        if (!root->HasAttribute(required)) return 0;
    int rev = root->AttributeInt("rev");
    if (rev >= 2 && !root->HasAttribute("pitch")) return 0;
    return rev;
}

std::unique_ptr<ProfileInfo> GetProfileInfo(const std::string& name) {
    std::string path = Profile::ProfilePath(name);
    if (!FileExists(path)) return nullptr;
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (GetProfileRevision(root.get()) <= 0) return nullptr;
    auto info = std::make_unique<ProfileInfo>();
    info->play_time = InRange(root->AttributeFloat("time"), 0, kMaxPlayTime, 0);
    info->character_image = PortraitInRange(root->AttributeInt("image"));
    info->character_name = root->AttributeString("name");
    info->percent = InRange(root->AttributeInt("percent", 0), 0, 100);
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* child = root->GetChild(i);
        if (child->Name == "flag" && child->AttributeString("name") == "Misc-GameOver" &&
            child->HasAttribute("value") && child->AttributeInt("value") == 1)
            info->win = 1;
    }
    return info;
}

void AddPlayTime(float time) {
    total_play_time += time;
    if (profile_active) play_time += time;
}

// An unborn baby is never pregnant itself, so real saves nest one level. A damaged or crafted file
// may nest without end: stop well before the recursion could exhaust the stack.
constexpr int kMaxAnimalNesting = 8;

static std::shared_ptr<Animal> LoadAnimalNested(const xmlNode& node, int depth);

std::shared_ptr<Animal> Profile::LoadAnimal(const xmlNode& node) { return LoadAnimalNested(node, 0); }

static std::shared_ptr<Animal> LoadAnimalNested(const xmlNode& node, int depth) {
    if (depth > kMaxAnimalNesting) return nullptr;
    for (const char* required : {"name", "male", "position", "bovine", "bunny", "cat", "wild", "age", "food", "mood",
                                 "health", "r", "g", "b", "direction"})
        if (!node.HasAttribute(required)) return nullptr;
    auto animal = std::make_shared<Animal>();
    animal->name = node.AttributeString("name");
    animal->male = node.AttributeInt("male") >= 1 ? 1 : 0;
    animal->pricemod = InRange(node.AttributeFloat("pricemod", 1.0f), 0.9f, 1.1f, 1.0f);
    const int position = node.AttributeInt("position");
    animal->position = position >= 0 && position < kPenCount ? position : -1;
    animal->bovine = InRange(node.AttributeFloat("bovine"), 0, 1, 0);
    animal->bunny = InRange(node.AttributeFloat("bunny"), 0, 1, 0);
    animal->cat = InRange(node.AttributeFloat("cat"), 0, 1, 0);
    animal->wild = InRange(node.AttributeFloat("wild"), 0, 1, 0);
    animal->age = InRange(node.AttributeFloat("age"), 0, kMaxAge, 0);
    animal->food = InRange(node.AttributeFloat("food"), 0, 1, 0.25f);
    animal->mood = InRange(node.AttributeFloat("mood"), -1, 1, 0);
    animal->health = InRange(node.AttributeFloat("health"), -1, 1, 0);
    animal->r = InRange(node.AttributeInt("r"), 64, 255);
    animal->g = InRange(node.AttributeInt("g"), 64, 255);
    animal->b = InRange(node.AttributeInt("b"), 64, 255);
    // The facing is read as an integer (the saved "-1.00000000" gives -1) and is one of the two
    // sides: a facing of 0 would draw the animal with no width at all.
    animal->direction = node.AttributeInt("direction") < 0 ? -1.0f : 1.0f;
    animal->Calculate();
    if (node.ChildCount() > 0 && node.HasAttribute("pregnant")) {
        animal->baby = LoadAnimalNested(*node.GetChild(0), depth + 1);
        if (!animal->baby) return nullptr;
        // A baby with no time left is born on the next update rather than never.
        animal->pregnant_counter = InRange(node.AttributeFloat("pregnant"), 1, kPregnancyTime, kPregnancyTime);
    }
    return animal;
}

int Profile::Load() {
    std::string path = ProfilePath(profile_name);
    CleanProfile();
    // The profile in memory is no longer the one that was active: nothing may be saved until the
    // caller has seen this load succeed, so a broken save is never overwritten by an empty or
    // partial profile.
    profile_active = 0;
    if (!FileExists(path)) return 0;
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    int rev = GetProfileRevision(root.get());
    if (rev <= 0) return 0;
    play_time = InRange(root->AttributeFloat("time"), 0, kMaxPlayTime, 0);
    location = root->AttributeInt("location");
    character_image = PortraitInRange(root->AttributeInt("image"));
    character_name = root->AttributeString("name");
    const float portrait_pitch = character_image == 1000 ? 1.0f : 1.25f;
    if (rev >= 2)
        pitch = InRange(root->AttributeFloat("pitch"), 1.0f, 1.25f, portrait_pitch);
    else
        pitch = portrait_pitch;
    if (root->HasAttribute("percent")) completion = InRange(root->AttributeInt("percent"), 0, 100);

    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* child = root->GetChild(i);
        if (child->Name == "flag") {
            if (!child->HasAttribute("name") || !child->HasAttribute("value")) return 0;
            const std::string name = child->AttributeString("name");
            SetFlag(name, FlagInRange(name, child->AttributeInt("value")));
        } else if (child->Name == "item") {
            if (!child->HasAttribute("name") || !child->HasAttribute("number")) return 0;
            std::shared_ptr<Item> item = ItemList::GetItem(child->AttributeString("name"));
            if (!item) return 0;
            item->number = InRange(child->AttributeInt("number"), 0, kMaxItemCount);
            // A repeated entry must not put the same catalogue object in the inventory twice, and
            // the last entry counts: one of none takes the item out again.
            if (item->number == 0) {
                RemoveFromInventory(item);
            } else if (!GetItem(item->name)) {
                inventory.push_back(item);
            }
        } else if (child->Name == "animal") {
            std::shared_ptr<Animal> animal = LoadAnimal(*child);
            if (!animal) return 0;
            // Two animals cannot share a pen: the later one waits for a free pen.
            if (animal->position >= 0 && std::any_of(animals.begin(), animals.end(), [&](const auto& a) {
                    return a->position == animal->position;
                }))
                animal->position = -1;
            animals.push_back(animal);
        } else if (child->Name == "store") {
            if (child->ChildCount() < 1) return 0;
            std::shared_ptr<Animal> animal = LoadAnimal(*child->GetChild(0));
            if (!animal) return 0;
            if (!stored_animals[0])
                stored_animals[0] = animal;
            else if (!stored_animals[1])
                stored_animals[1] = animal;
            else
                return 0;
        }
    }
    return 1;
}

// ---- Writing ----------------------------------------------------------------------------------

static std::string FloatText(float value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%#.9g", static_cast<double>(value));
    return buffer;
}

void Profile::SaveAnimal(std::string& out, const Animal& a, const std::string& indent) {
    out += indent + "<animal name=\"" + a.name + "\" male=\"" + std::to_string(a.male) + "\" position=\"" +
           std::to_string(a.position) + "\" bovine=\"" + FloatText(a.bovine) + "\" bunny=\"" + FloatText(a.bunny) +
           "\" cat=\"" + FloatText(a.cat) + "\" wild=\"" + FloatText(a.wild) + "\" age=\"" + FloatText(a.age) +
           "\" food=\"" + FloatText(a.food) + "\" mood=\"" + FloatText(a.mood) + "\" health=\"" +
           FloatText(a.health) + "\" r=\"" + std::to_string(a.r) + "\" g=\"" + std::to_string(a.g) + "\" b=\"" +
           std::to_string(a.b) + "\" direction=\"" + FloatText(a.direction) + "\" pricemod=\"" +
           FloatText(a.pricemod) + "\"";
    if (!a.baby) {
        out += "/>\r\n";
        return;
    }
    out += " pregnant=\"" + FloatText(a.pregnant_counter) + "\">\r\n";
    SaveAnimal(out, *a.baby, indent + "  ");
    out += indent + "</animal>\r\n";
}

std::string Profile::SaveText() {
    SortFlags();
    std::string out;
    out.reserve(4096);
    out += "<?xml version=\"1.0\"?>\r\n";
    out += "<profile rev=\"3\" time=\"" + FloatText(play_time) + "\" percent=\"" + std::to_string(completion) +
           "\" location=\"" + std::to_string(location) + "\" image=\"" + std::to_string(character_image) +
           "\" pitch=\"" + FloatText(pitch) + "\" name=\"" + character_name + "\">\r\n";
    for (const Flag& flag : flags)
        out += "  <flag name=\"" + flag.name + "\" value=\"" + std::to_string(flag.value) + "\"/>\r\n";
    for (const auto& item : inventory)
        out += "  <item name=\"" + item->name + "\" number=\"" + std::to_string(item->number) + "\"/>\r\n";
    for (const auto& animal : animals) SaveAnimal(out, *animal, "  ");
    for (const auto& stored : stored_animals) {
        if (!stored) continue;
        out += "  <store>\r\n";
        SaveAnimal(out, *stored, "    ");
        out += "  </store>\r\n";
    }
    out += "</profile>\r\n";
    return out;
}

static int WriteProfile(const std::string& text) {
    CreateDir(user_dir + "/Profiles");
    std::string path = Profile::ProfilePath(profile_name);
    // A failed save keeps the old file and the game goes on; the player is told (save_file.h).
    std::string reason;
    const bool ok = WriteSaveFile(path, text, &reason);
    ReportSaveResult(ok, path, reason);
    return ok ? 1 : 0;
}

int Profile::Save() {
    if (!profile_active || saving_blocked) return 0;
    return WriteProfile(SaveText());
}

void Profile::KeepDialogueSnapshot() { dialogue_snapshot = profile_active ? SaveText() : std::string(); }

void Profile::DropDialogueSnapshot() { dialogue_snapshot.clear(); }

int Profile::SaveOnShutdown() {
    if (profile_active && saving_blocked && !dialogue_snapshot.empty()) return WriteProfile(dialogue_snapshot);
    return Save();
}
