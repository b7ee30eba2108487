#include "quest.h"

#include <algorithm>

#include "app.h"
#include "font.h"
#include "font_list.h"
#include "graphics.h"
#include "profile.h"
#include "xml.h"

std::vector<std::shared_ptr<Quest>> quests;

const QuestStatus* Quest::GetStatus(int value) const {
    for (const QuestStatus& status : status_list)
        if (status.value == value) return &status;
    return nullptr;
}

void Quest::Update(float delta) {
    (void)delta;
    int a = Profile::GetFlagValue(name);
    if (a == last) return;
    last = a;
    const QuestStatus* s = GetStatus(a);
    if (!s) Fatal("Error! " + name + " status " + std::to_string(a) + " does not exist!");
    if (!active && a > 0) active = 1;
    if (active && !complete && s->complete) {
        complete = 1;
        tw = th = 0;
        FontList::SetFont(2);
        nw = TextWidth(text);
        nh = TextHeight(text);
        w = nw;
        h = nh;
    } else {
        status_text = s->text;
        FontList::SetFont(3);
        nw = TextWidth(text);
        nh = TextHeight(text);
        FontList::SetFont(2);
        tw = TextWidth(status_text);
        th = TextHeight(status_text);
        w = std::max(nw, tw);
        h = nh + th;
    }
}

void Quest::Draw(int px, int py) {
    if (!active) return;
    SetColor(0, 0, 0);
    FontList::SetFont(3);
    DrawText(text, static_cast<float>(px - TextWidth(text) / 2), static_cast<float>(py));
    FontList::SetFont(2);
    DrawText(status_text, static_cast<float>(px - TextWidth(status_text) / 2), static_cast<float>(py + nh));
}

void Quest::DrawCompleted(int px, int py) {
    if (!active) return;
    SetColor(0, 0, 0);
    FontList::SetFont(2);
    DrawText(text, static_cast<float>(px - TextWidth(text) / 2), static_cast<float>(py));
}

void QuestList::Initialize() {
    if (!Load(DataPath("quests.xml"))) Fatal("Error: 'Data/quests.xml' invalid!");
}

int QuestList::Load(const std::string& path) {
    quests.clear();
    std::unique_ptr<xmlNode> root = xmlNode::Load(path);
    if (!root) return 0;
    for (int i = 0; i < root->ChildCount(); i++) {
        const xmlNode* node = root->GetChild(i);
        if (node->Name != "quest" || !node->HasAttribute("name") || !node->HasAttribute("text")) return 0;
        auto quest = std::make_shared<Quest>();
        quest->name = node->AttributeString("name");
        quest->text = node->AttributeString("text");
        for (int j = 0; j < node->ChildCount(); j++) {
            const xmlNode* child = node->GetChild(j);
            if (child->Name != "status" || !child->HasAttribute("value")) return 0;
            QuestStatus status;
            status.value = child->AttributeInt("value");
            status.text = child->AttributeString("text");
            status.complete = child->HasAttribute("complete") ? 1 : 0;
            quest->status_list.push_back(status);
        }
        quests.push_back(quest);
    }
    return 1;
}

void QuestList::Destroy() { quests.clear(); }

void QuestList::Update(float delta) {
    for (const auto& quest : quests) quest->Update(delta);
}

int QuestList::NumberCompleted() {
    int count = 0;
    for (const auto& quest : quests) {
        const QuestStatus* status = quest->GetStatus(Profile::GetFlagValue(quest->name));
        if (status && status->complete) count++;
    }
    return count;
}

void QuestList::Draw(int first, int x, int y) {
    (void)first;
    for (const auto& quest : quests) {
        if (!quest->active || quest->complete) continue;
        quest->Draw(x, y);
        y += quest->h + 8;
    }
}

void QuestList::DrawCompleted(int x, int y) {
    for (const auto& quest : quests) {
        if (!quest->complete) continue;
        quest->DrawCompleted(x, y);
        y += quest->h + 4;
    }
}

float QuestList::GetPercentage(int total) {
    size_t statuses = 0;
    for (const auto& quest : quests) statuses += quest->status_list.size();
    if (statuses == 0) return 0;
    float per_status = static_cast<float>(total) / static_cast<float>(statuses);
    float sum = 0;
    for (const auto& quest : quests) sum += static_cast<float>(Profile::GetFlagValue(quest->name)) * per_status;
    return sum;
}
