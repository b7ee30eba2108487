#include "font_list.h"

#include <memory>
#include <vector>

namespace {
std::vector<std::unique_ptr<FontContainer>> font_list;
}

int FontList::AddFont(const std::string& path, int id, int size, int style) {
    if (GetFontContainer(id)) return 0;
    Font font = LoadImageFont(path, size, style);
    if (!font) return 0;
    auto c = std::make_unique<FontContainer>();
    c->id = id;
    c->font = font;
    font_list.push_back(std::move(c));
    return 1;
}

void FontList::SetFont(int id) {
    if (const FontContainer* c = GetFontContainer(id)) SetImageFont(c->font);
}

FontContainer* FontList::GetFontContainer(int id) {
    for (auto& c : font_list)
        if (c->id == id) return c.get();
    return nullptr;
}

void FontList::RemoveFont(int id) {
    for (auto it = font_list.begin(); it != font_list.end(); ++it) {
        if ((*it)->id == id) {
            font_list.erase(it);
            return;
        }
    }
}

void FontList::Clear() { font_list.clear(); }
