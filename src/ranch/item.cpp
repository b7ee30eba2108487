#include "item.h"

#include "app.h"
#include "graphics.h"
#include "image_list.h"
#include "xml.h"

std::vector<std::shared_ptr<Item>> items_catalogue;

void Item::Draw(float alpha, float scale) {
    SetBlend(ALPHABLEND);
    SetAlpha(alpha);
    SetColor(fade_level, fade_level, fade_level);
    SetScale(scale, scale);
    ImageList::DrawSimple(image, x, y);
}

void ItemList::Initialize() {
    if (!Load(DataPath("items.xml"))) Fatal("Error: 'Data/items.xml' invalid!");
}

int ItemList::Load(const std::string& path) {
    items_catalogue.clear();
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "item" || !node->HasAttribute("name") || !node->HasAttribute("class") ||
            !node->HasAttribute("description") || !node->HasAttribute("image"))
            return 0;
        auto item = std::make_shared<Item>();
        item->name = node->AttributeString("name");
        item->class_name = node->AttributeString("class");
        item->description = node->AttributeString("description");
        item->image = node->AttributeInt("image");
        item->cost = node->AttributeInt("cost", 0);
        items_catalogue.push_back(item);
    }
    return 1;
}

std::shared_ptr<Item> ItemList::GetItem(const std::string& name) {
    for (const auto& item : items_catalogue)
        if (item->name == name) return item;
    return nullptr;
}

void ItemList::Destroy() { items_catalogue.clear(); }
