#include "location.h"

#include "app.h"
#include "xml.h"

std::vector<std::shared_ptr<Location>> locations;

void Action::ApplyFlags() {
    for (const Flag& flag : flag_list) Profile::SetFlag(flag.name, flag.value);
}

Action* Location::CheckAction() {
    for (const auto& action : actions) {
        if (!action->item.empty() && !Profile::GetItem(action->item)) continue;
        if (action->comparison != 0) continue;
        if (Profile::GetFlagValue(action->name) != action->value) continue;
        action->ApplyFlags();
        return action.get();
    }
    return nullptr;
}

namespace {

bool ReadHotspot(const xmlNode& node, int& counter, LocationHotspot& h) {
    if (!node.HasAttribute("x") || !node.HasAttribute("y") || !node.HasAttribute("image")) return false;
    // Hotspots without an id are numbered by one counter that runs through the whole file.
    counter++;
    h.id = node.AttributeInt("id", counter);
    h.name = node.AttributeString("name");
    h.x = node.AttributeInt("x");
    h.y = node.AttributeInt("y");
    h.w = node.AttributeInt("w");
    h.h = node.AttributeInt("h");
    h.image = node.AttributeInt("image");
    h.scale = node.AttributeFloat("scale", 1.0f);
    if (node.HasAttribute("visible")) {
        h.visible = node.AttributeString("visible");
        h.value = node.AttributeInt("value", 1);
    }
    h.dialogue = node.AttributeInt("dialogue");
    h.location = node.AttributeInt("location");
    if (node.HasAttribute("item")) {
        h.item = node.AttributeString("item");
        h.number = node.AttributeInt("number", 1);
    }
    h.condition = node.AttributeString("if");
    h.result = node.AttributeInt("else");
    return true;
}

std::shared_ptr<Action> ReadAction(const xmlNode& node) {
    if (!node.HasAttribute("name")) return nullptr;
    auto action = std::make_shared<Action>();
    action->name = node.AttributeString("name");
    action->value = node.AttributeInt("equals", 0);
    action->item = node.AttributeString("item");
    action->dialogue = node.AttributeInt("dialogue");
    action->location = node.AttributeInt("location");
    for (int i = 0; i < node.ChildCount(); i++) {
        const xmlNode* child = node.GetChild(i);
        if (child->Name != "flag") continue;
        if (!child->HasAttribute("name") || !child->HasAttribute("value")) return nullptr;
        action->flag_list.emplace_back(child->AttributeString("name"), child->AttributeInt("value"));
    }
    return action;
}

}  // namespace

void LocationList::Initialize() {
    if (!Load(DataPath("locations.xml"))) Fatal("Error: 'Data/locations.xml' invalid!");
}

int LocationList::Load(const std::string& path) {
    locations.clear();
    int hotspot_counter = 0;
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "location" || !node->HasAttribute("id")) return 0;
        auto loc = std::make_shared<Location>();
        loc->id = node->AttributeInt("id");
        loc->name = node->AttributeString("name");
        loc->bg = node->AttributeInt("bg");
        loc->music = node->AttributeString("music");
        loc->special = node->AttributeInt("special");
        loc->effect = node->AttributeInt("effect");
        loc->random = node->AttributeInt("random");
        for (int j = 0; j < node->ChildCount(); j++) {
            const xmlNode* child = node->GetChild(j);
            if (child->Name == "hotspot") {
                LocationHotspot hotspot;
                if (!ReadHotspot(*child, hotspot_counter, hotspot)) return 0;
                loc->hotspots.push_back(hotspot);
            } else if (child->Name == "if") {
                std::shared_ptr<Action> action = ReadAction(*child);
                if (!action) return 0;
                loc->actions.push_back(action);
            } else if (child->Name == "image") {
                if (!child->HasAttribute("id") || !child->HasAttribute("path")) return 0;
                LocationFile file;
                file.id = child->AttributeInt("id");
                file.path = child->AttributeString("path");
                loc->files.push_back(file);
            } else {
                return 0;
            }
        }
        locations.push_back(loc);
    }
    return 1;
}

Location* LocationList::GetLocation(int id) {
    for (const auto& loc : locations)
        if (loc->id == id) return loc.get();
    return nullptr;
}

void LocationList::Destroy() { locations.clear(); }
