#include "dialogue_list.h"

#include "app.h"
#include "system.h"
#include "xml.h"

std::vector<std::unique_ptr<Dialogue>> dialogue_list;

namespace {

bool Has(const xmlNode& node, const char* name) { return node.HasAttribute(name) != 0; }

int IntAttr(const xmlNode& node, const char* name) { return node.AttributeInt(name, 0); }

std::string StrAttr(const xmlNode& node, const char* name) { return node.AttributeString(name, ""); }

// `block` is 0 only when the attribute reads exactly "0"; any other value (or none) blocks.
int BlockAttr(const xmlNode& node) {
    const xmlAttribute* attribute = node.Attribute("block");
    return attribute && attribute->Value == "0" ? 0 : 1;
}

// Float to int, truncating toward zero; values out of the int range saturate instead of being
// undefined, and NaN reads as 0.
int TruncateToInt(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int>(v);
}

std::shared_ptr<DialogueItem> NewItem(int type) {
    auto item = std::make_shared<DialogueItem>();
    item->item_type = type;
    return item;
}

// An `enter`: the enter step itself and, for speakers sliding in from a side, the move onto the stage.
bool LoadEnter(DialogueItems& list, const xmlNode& child) {
    if (!Has(child, "id")) return false;
    auto item = NewItem(kStepEnter);
    item->id = IntAttr(child, "id");
    if (Has(child, "left")) {
        item->extra = kModeLeft;
    } else if (Has(child, "right")) {
        item->extra = kModeRight;
    } else if (Has(child, "message")) {
        item->extra = kModeMessage;
    } else if (Has(child, "info")) {
        item->extra = kModeInfo;
        item->value = IntAttr(child, "info");
    } else if (Has(child, "item")) {
        item->extra = kModeItem;
        item->item = StrAttr(child, "item");
        item->value = Has(child, "remove") ? 2 : 1;
        if (Has(child, "text")) item->text = StrAttr(child, "text");
    }
    if (Has(child, "image")) item->value = IntAttr(child, "image");
    if (Has(child, "text")) item->text = StrAttr(child, "text");
    if (Has(child, "pitch")) item->pitch = child.AttributeFloat("pitch", 0);
    list.push_back(item);
    if (item->extra == kModeLeft || item->extra == kModeRight) {
        auto move = NewItem(kStepMove);
        move->id = item->id;
        if (Has(child, "x")) {
            move->value = IntAttr(child, "x");
        } else {
            move->value = item->extra == kModeLeft ? 256 : virtual_width - 256;
        }
        if (Has(child, "frames")) move->extra = IntAttr(child, "frames");
        move->block = BlockAttr(child);
        list.push_back(move);
    }
    return true;
}

bool LoadChoices(DialogueItems& list, const xmlNode& child) {
    auto item = NewItem(kStepChoices);
    item->text = Has(child, "text") ? StrAttr(child, "text") : "Ask about...";
    item->choices = std::make_shared<DialogueChoiceList>();
    for (int i = 0; i < child.ChildCount(); ++i) {
        const xmlNode& node = *child.GetChild(i);
        if (node.Name != "choice" || !Has(node, "text")) return false;
        auto choice = std::make_shared<DialogueChoice>();
        choice->text = StrAttr(node, "text");
        if (Has(node, "flag")) {
            choice->flag = StrAttr(node, "flag");
            choice->value = Has(node, "value") ? IntAttr(node, "value") : 1;
        }
        if (Has(node, "name")) choice->name = StrAttr(node, "name");
        if (Has(node, "item")) choice->item = StrAttr(node, "item");
        if (!DialogueList::LoadItems(choice->items, node)) return false;
        item->choices->push_back(choice);
    }
    list.push_back(item);
    return true;
}

// Every other element: one step, or false when the element is unknown or lacks a required attribute.
bool LoadStep(DialogueItems& list, const xmlNode& child) {
    const std::string& tag = child.Name;
    std::shared_ptr<DialogueItem> item;
    if (tag == "wait") {
        if (!Has(child, "value")) return false;
        item = NewItem(kStepWait);
        item->value = TruncateToInt(static_cast<double>(child.AttributeFloat("value", 0) * 100.0f));
    } else if (tag == "move") {
        if (!Has(child, "id") || !Has(child, "x")) return false;
        item = NewItem(kStepMove);
        item->id = IntAttr(child, "id");
        item->value = IntAttr(child, "x");
        if (Has(child, "frames")) item->extra = IntAttr(child, "frames");
    } else if (tag == "exit") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepExit);
        item->id = IntAttr(child, "id");
        if (Has(child, "frames")) item->value = IntAttr(child, "frames");
    } else if (tag == "text") {
        if (!Has(child, "id") || !Has(child, "text")) return false;
        item = NewItem(kStepText);
        item->id = IntAttr(child, "id");
        item->text = StrAttr(child, "text");
        item->block = BlockAttr(child);
        if (Has(child, "flag")) {
            item->flag = StrAttr(child, "flag");
            item->value = Has(child, "value") ? IntAttr(child, "value") : 1;
        }
    } else if (tag == "actor") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepActor);
        item->id = IntAttr(child, "id");
        item->block = BlockAttr(child);
    } else if (tag == "skip") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepSkip);
        item->id = IntAttr(child, "id");
    } else if (tag == "add_image" || tag == "del_image") {
        if (!Has(child, "id") || !Has(child, "image")) return false;
        const bool add = tag == "add_image";
        item = NewItem(add ? kStepAddImage : kStepDelImage);
        item->id = IntAttr(child, "id");
        item->value = IntAttr(child, "image");
        if (add) {
            if (Has(child, "x")) item->x = IntAttr(child, "x");
            if (Has(child, "y")) item->y = IntAttr(child, "y");
        }
        if (Has(child, "flag")) {
            item->flag = StrAttr(child, "flag");
            item->extra = Has(child, "value") ? IntAttr(child, "value") : 1;
        }
    } else if (tag == "label") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepLabel);
        item->id = IntAttr(child, "id");
    } else if (tag == "goto") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepGoto);
        item->id = IntAttr(child, "id");
        if (Has(child, "item")) item->item = StrAttr(child, "item");
        if (Has(child, "flag")) {
            item->flag = StrAttr(child, "flag");
            item->value = Has(child, "value") ? IntAttr(child, "value") : 1;
        }
    } else if (tag == "location") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepLocation);
        item->id = IntAttr(child, "id");
    } else if (tag == "flag") {
        if (!Has(child, "name")) return false;
        item = NewItem(kStepFlag);
        item->flag = StrAttr(child, "name");
        if (Has(child, "value")) {
            item->value = IntAttr(child, "value");
        } else if (Has(child, "random")) {
            item->extra = IntAttr(child, "random");
        } else if (Has(child, "add")) {
            item->extra = -1;
            item->value = IntAttr(child, "add");
        } else {
            item->value = 1;
        }
    } else if (tag == "item") {
        if (!Has(child, "name")) return false;
        item = NewItem(kStepItem);
        item->flag = StrAttr(child, "name");
        item->value = Has(child, "number") ? IntAttr(child, "number") : 1;
    } else if (tag == "music") {
        if (!Has(child, "path")) return false;
        item = NewItem(kStepMusic);
        item->flag = StrAttr(child, "path");
    } else if (tag == "mood") {
        if (!Has(child, "value")) return false;
        item = NewItem(kStepMood);
        item->value = IntAttr(child, "value");
    } else if (tag == "game") {
        if (!Has(child, "id")) return false;
        item = NewItem(kStepGame);
        item->id = IntAttr(child, "id");
    } else {
        return false;
    }
    list.push_back(item);
    return true;
}

}  // namespace

int DialogueList::LoadItems(DialogueItems& list, const xmlNode& node) {
    for (int i = 0; i < node.ChildCount(); ++i) {
        const xmlNode& child = *node.GetChild(i);
        bool ok;
        if (child.Name == "enter") {
            ok = LoadEnter(list, child);
        } else if (child.Name == "choices") {
            ok = LoadChoices(list, child);
        } else {
            ok = LoadStep(list, child);
        }
        if (!ok) return 0;
    }
    return 1;
}

int DialogueList::Load(const std::string& path) {
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    return LoadRoot(*root);
}

int DialogueList::LoadRoot(const xmlNode& root) {
    for (int i = 0; i < root.ChildCount(); ++i) {
        const xmlNode& child = *root.GetChild(i);
        if (child.Name != "dialogue" || !Has(child, "id")) return 0;
        auto dialogue = std::make_unique<Dialogue>();
        dialogue->id = IntAttr(child, "id");
        if (Has(child, "name")) dialogue->name = StrAttr(child, "name");
        if (Has(child, "color")) dialogue->color = child.AttributeFloat("color", 0);
        if (Has(child, "tutorial")) dialogue->tutorial = 1;
        if (!LoadItems(dialogue->items, child)) return 0;
        dialogue_list.push_back(std::move(dialogue));
    }
    return 1;
}

void DialogueList::Initialize() {
    dialogue_list.clear();
    const std::string dir = app_dir + "/Data/Dialogues";
    // The scripts are part of the game: a missing folder is as fatal as a broken file.
    if (!DirExists(dir)) Fatal("Error: Could not read folder '" + dir + "'!");
    for (const std::string& entry : ReadDir(dir)) {
        if (entry.size() < 4 || entry.compare(entry.size() - 4, 4, ".xml") != 0) continue;
        if (!Load(dir + "/" + entry)) Fatal("Error: '" + entry + "' invalid!");
    }
}

Dialogue* DialogueList::GetDialogue(int id) {
    for (const auto& dialogue : dialogue_list) {
        if (dialogue->id == id) return dialogue.get();
    }
    return nullptr;
}

void DialogueList::Destroy() { dialogue_list.clear(); }
