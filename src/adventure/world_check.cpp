#include "world_check.h"

#include "app.h"
#include "dialogue_list.h"
#include "location.h"
#include "system.h"

namespace {

std::string Where(const Location& location, const std::string& what) {
    return " (" + what + " in location " + std::to_string(location.id) + ", '" + location.name + "')";
}

std::string MissingDialogue(int id, const Location& location, const std::string& what) {
    if (DialogueList::GetDialogue(id)) return "";
    return "Error: Dialogue id " + std::to_string(id) + " not found!" + Where(location, what);
}

std::string MissingLocation(int id, const Location& location, const std::string& what) {
    if (LocationList::GetLocation(id)) return "";
    return "Error: Location " + std::to_string(id) + " does not exist!" + Where(location, what);
}

}  // namespace

std::string FindBrokenWorldReference() {
    for (const auto& location : locations) {
        for (const LocationHotspot& h : location->hotspots) {
            const std::string what = "hotspot '" + h.name + "'";
            std::string broken;
            // The same choice of kind as the hotspot list makes: a dialogue, else a way elsewhere.
            if (h.dialogue != 0) {
                broken = MissingDialogue(h.dialogue, *location, what);
            } else if (h.location != 0) {
                broken = MissingLocation(h.location, *location, what);
            }
            // Without its condition item, a dialogue or a way starts dialogue `result` instead; with
            // no such dialogue named the click does nothing (the data checker reports that).
            if (broken.empty() && !h.condition.empty() && h.result != 0 && (h.dialogue != 0 || h.location != 0))
                broken = MissingDialogue(h.result, *location, what);
            if (!broken.empty()) return broken;
        }
        for (const auto& action : location->actions) {
            const std::string what = "action on flag '" + action->name + "'";
            std::string broken;
            if (action->dialogue > 0) {
                broken = MissingDialogue(action->dialogue, *location, what);
            } else if (action->location > 0) {
                broken = MissingLocation(action->location, *location, what);
            }
            if (!broken.empty()) return broken;
        }
        for (const LocationFile& file : location->files) {
            const std::string path = app_dir + "/" + file.path;
            if (!FileExists(path)) return "Error: Failed to load file '" + path + "'!" + Where(*location, "picture");
        }
    }
    return "";
}

void CheckWorldReferences() {
    const std::string broken = FindBrokenWorldReference();
    if (!broken.empty()) Fatal(broken);
}
