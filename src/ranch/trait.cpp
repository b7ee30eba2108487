#include "trait.h"

#include "app.h"
#include "primitives.h"
#include "xml.h"

std::vector<std::shared_ptr<Trait>> traits;

int TraitList::Initialize() {
    PopulateTraits(traits, DataPath("traits.xml"));
    return 0;
}

int TraitList::PopulateTraits(std::vector<std::shared_ptr<Trait>>& list, const std::string& path) {
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "trait" || !node->HasAttribute("class") || !node->HasAttribute("name"))
            Fatal("Error in '" + path + "'!");
        auto trait = std::make_shared<Trait>();
        trait->class_name = node->AttributeString("class");
        trait->name = node->AttributeString("name");
        trait->dominant = node->HasAttribute("dominant") ? 1 : 0;
        list.push_back(trait);
    }
    return 0;
}

std::shared_ptr<Trait> TraitList::GetTrait(const std::string& class_name, const std::string& name) {
    for (const auto& trait : traits)
        if (trait->class_name == class_name && trait->name == name) return trait;
    Fatal("Error: Couldn't find trait '" + name + "'!");
}

std::shared_ptr<Trait> TraitList::GetRandom(const std::string& class_name) {
    std::vector<std::shared_ptr<Trait>> matches;
    for (const auto& trait : traits)
        if (trait->class_name == class_name) matches.push_back(trait);
    if (matches.empty()) Fatal("Error: Couldn't generate random trait!");
    return matches[Rand(0, static_cast<int>(matches.size()) - 1)];
}
