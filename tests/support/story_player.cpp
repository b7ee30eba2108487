#include "story_player.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "image_decode.h"
#include "location.h"
#include "manifest_paths.h"
#include "system.h"
#include "xml.h"

namespace {

const std::string kBuilt = std::string(MOSSMEADOW_BUILD_DIR) + "/Data/";

// Frames at the time step the player's scripts run at (10 units, a tenth of a second a frame).
constexpr int kStep = 10;

void ThrowOnFatal(const std::string& text) { throw std::runtime_error(text); }

// The built world: locations from the game's own catalogue, background sizes from the pictures.
struct World {
    World() {
        SetFatalHandler(ThrowOnFatal);
        if (LocationList::Load(kBuilt + "locations.xml") != 1) throw std::runtime_error("no locations.xml");
        paths = ManifestPicturePaths(kBuilt);
    }
    // The background's size, or the screen's for a place without one.
    void Size(int location, int* w, int* h) {
        *w = 1024;
        *h = 768;
        const ::Location* place = LocationList::GetLocation(location);
        if (!place || !place->bg || !paths.count(place->bg)) return;
        if (!sizes.count(place->bg)) {
            Pixmap bg;
            if (!DecodeImageFile(std::string(MOSSMEADOW_BUILD_DIR) + "/" + paths[place->bg], &bg)) {
                throw std::runtime_error("cannot read " + paths[place->bg]);
            }
            sizes[place->bg] = {bg.width, bg.height};
        }
        *w = sizes[place->bg].first;
        *h = sizes[place->bg].second;
    }
    const LocationHotspot& Hotspot(int location, const std::string& name) {
        const ::Location* place = LocationList::GetLocation(location);
        if (place) {
            for (const LocationHotspot& h : place->hotspots) {
                if (h.name == name) return h;
            }
        }
        throw std::runtime_error("no hotspot \"" + name + "\" in location " + std::to_string(location));
    }
    bool SetsCoords(int location) {
        const ::Location* place = LocationList::GetLocation(location);
        if (!place) return false;
        return std::any_of(place->actions.begin(), place->actions.end(),
                           [](const std::shared_ptr<Action>& a) { return a->name == "Misc-SetCoords"; });
    }
    std::map<int, std::string> paths;
    std::map<int, std::pair<int, int>> sizes;
};

World& TheWorld() {
    static World world;
    return world;
}

// The play scene's scroll clamp: a place no larger than the screen never scrolls.
int ClampView(int value, int size, int screen) {
    if (size <= screen) return 0;
    const int low = (screen - size) / 2 - 1;
    const int high = (size - screen) / 2;
    return std::min(std::max(value, low), high);
}

std::string Xy(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

float Float(const xmlNode& node, const char* name) { return node.AttributeFloat(name); }

SavedAnimal ReadAnimal(const xmlNode& node, bool stored) {
    SavedAnimal a;
    a.name = node.AttributeString("name");
    a.male = node.AttributeInt("male");
    a.position = node.AttributeInt("position", -1);
    a.stored = stored;
    a.bovine = Float(node, "bovine");
    a.bunny = Float(node, "bunny");
    a.cat = Float(node, "cat");
    a.wild = Float(node, "wild");
    a.age = Float(node, "age");
    a.food = Float(node, "food");
    a.mood = Float(node, "mood");
    a.health = Float(node, "health");
    a.pregnant = Float(node, "pregnant");
    return a;
}

}  // namespace

SavedGame SavedGame::Parse(const std::string& text) {
    SavedGame game;
    std::unique_ptr<xmlNode> root = xmlNode::LoadString(text);
    if (!root) return game;
    game.valid = true;
    game.location = root->AttributeInt("location");
    game.time = root->AttributeFloat("time");
    for (const auto& child : root->_children) {
        if (child->Name == "flag") {
            game.flags[child->AttributeString("name")] = child->AttributeInt("value");
        } else if (child->Name == "item") {
            game.items.emplace_back(child->AttributeString("name"), child->AttributeInt("number"));
        } else if (child->Name == "animal") {
            game.animals.push_back(ReadAnimal(*child, false));
        } else if (child->Name == "store") {
            for (const auto& stored : child->_children) {
                if (stored->Name == "animal") game.animals.push_back(ReadAnimal(*stored, true));
            }
        }
    }
    return game;
}

int SavedGame::Flag(const std::string& name) const {
    auto it = flags.find(name);
    return it == flags.end() ? 0 : it->second;
}

int SavedGame::Count(const std::string& item) const {
    for (const auto& entry : items) {
        if (entry.first == item) return entry.second;
    }
    return 0;
}

const SavedAnimal* SavedGame::Animal(const std::string& name) const {
    for (const SavedAnimal& a : animals) {
        if (a.name == name) return &a;
    }
    return nullptr;
}

std::map<std::string, int> SavedGame::Pens(int usable_pens) const {
    std::map<std::string, int> pens;
    std::vector<bool> taken(static_cast<size_t>(usable_pens), false);
    for (const SavedAnimal& a : animals) {
        if (a.stored || a.position < 0 || a.position >= usable_pens) continue;
        pens[a.name] = a.position;
        taken[static_cast<size_t>(a.position)] = true;
    }
    for (const SavedAnimal& a : animals) {
        if (a.stored || pens.count(a.name)) continue;
        for (int k = 0; k < usable_pens; k++) {
            if (taken[static_cast<size_t>(k)]) continue;
            taken[static_cast<size_t>(k)] = true;
            pens[a.name] = k;
            break;
        }
    }
    return pens;
}

StoryPlayer::StoryPlayer(int location, int came_from) { Enter(location, came_from); }

void StoryPlayer::Enter(int location, int came_from) {
    location_ = location;
    view_x_ = view_y_ = 0;
    World& world = TheWorld();
    if (!world.SetsCoords(location)) return;
    int w = 0, h = 0;
    world.Size(location, &w, &h);
    const ::Location* place = LocationList::GetLocation(location);
    for (const LocationHotspot& hs : place->hotspots) {
        if (hs.location != came_from) continue;
        view_x_ = ClampView(w / 2 - hs.x, w, 1024);
        view_y_ = ClampView(h / 2 - hs.y, h, 768);
        break;
    }
}

StoryPlayer& StoryPlayer::Line(const std::string& line) {
    script_ += line + "\n";
    return *this;
}

StoryPlayer& StoryPlayer::Wait(int frames) { return Line("wait " + std::to_string(frames)); }
StoryPlayer& StoryPlayer::Step(int time_step) { return Line("step " + std::to_string(time_step)); }
StoryPlayer& StoryPlayer::Move(int x, int y) { return Line("move " + Xy(x, y)); }

StoryPlayer& StoryPlayer::Click(int x, int y, int settle) {
    Line("click " + Xy(x, y));
    return settle > 0 ? Wait(settle) : *this;
}

StoryPlayer& StoryPlayer::Drag(int x0, int y0, int x1, int y1, int settle) {
    Move(x0, y0).Wait(2).Line("down").Wait(3);
    Move((x0 + x1) / 2, (y0 + y1) / 2).Wait(2).Move(x1, y1).Wait(3);
    return Line("up").Wait(settle);
}

StoryPlayer& StoryPlayer::DoubleClick(int x, int y) {
    // Both presses within three quarters of a second, at the finest time step.
    Step(1).Move(x, y).Wait(2).Line("down").Wait(2).Line("up").Wait(3).Line("down").Wait(2).Line("up");
    return Step(kStep).Wait(15);
}

StoryPlayer& StoryPlayer::Screenshot(const std::string& path) { return Line("screenshot " + path); }

StoryPlayer& StoryPlayer::Opening(const std::string& new_name) {
    Step(kStep).Wait(10).Click(20, 20).Wait(20).Click(20, 20).Wait(300);
    if (!new_name.empty()) Line("type " + new_name + "\\n").Wait(30);
    return Click(512, 352, 50);
}

StoryPlayer& StoryPlayer::Speech(int boxes) {
    for (int i = 0; i < boxes; i++) Click(512, 200, 3).Click(512, 200, 8);
    return *this;
}

StoryPlayer& StoryPlayer::Notice(int count) { return Wait(30 * count); }

StoryPlayer& StoryPlayer::Choose(int index, int count) {
    // Choices stack up from 96 pixels above the bottom edge, 31 pixels a row.
    return Click(512, 683 - 31 * (count - index), 10);
}

StoryPlayer& StoryPlayer::ChapterIntro() { return Click(500, 500, 60); }
StoryPlayer& StoryPlayer::AwardOk() { return Click(512, 448, 20); }

void StoryPlayer::Look(int hx, int hy, int* sx, int* sy) {
    int w = 0, h = 0;
    TheWorld().Size(location_, &w, &h);
    *sx = hx - w / 2 + 512 + view_x_;
    *sy = hy - h / 2 + 384 + view_y_;
    // Resting the pointer at an edge scrolls the view there; at the far end the spot is in view.
    if (w > 1024 && (*sx < 80 || *sx > 944)) {
        const bool left = *sx < 80;
        Move(left ? 2 : 1021, 384).Wait(20);
        view_x_ = ClampView(left ? w : -w, w, 1024);
    }
    if (h > 768 && (*sy < 120 || *sy > 680)) {
        const bool top = *sy < 120;
        Move(512, top ? 2 : 765).Wait(20);
        view_y_ = ClampView(top ? h : -h, h, 768);
    }
    Move(512, 384).Wait(2);
    *sx = hx - w / 2 + 512 + view_x_;
    *sy = hy - h / 2 + 384 + view_y_;
}

StoryPlayer& StoryPlayer::Use(const std::string& hotspot, int settle) {
    const LocationHotspot& h = TheWorld().Hotspot(location_, hotspot);
    int sx = 0, sy = 0;
    Look(h.x, h.y, &sx, &sy);
    return Click(sx, sy, settle);
}

StoryPlayer& StoryPlayer::Go(const std::string& portal, bool chapter_due, int settle) {
    const LocationHotspot& h = TheWorld().Hotspot(location_, portal);
    const int from = location_;
    const int to = h.location;
    Use(portal, settle);
    if (chapter_due) ChapterIntro();
    Enter(to, from);
    return *this;
}

StoryPlayer& StoryPlayer::Glided(int x, int y) {
    int w = 0, h = 0;
    TheWorld().Size(location_, &w, &h);
    view_x_ = ClampView(w / 2 - x, w, 1024);
    view_y_ = ClampView(h / 2 - y, h, 768);
    return Wait(130);  // the glide eases in slowly at its end
}

StoryPlayer& StoryPlayer::ForestSearch() {
    Use("Fallen log", 10).Speech(1).Wait(15);
    // Every spot where an acorn or a mushroom can hide lies within 9 pixels of a point of this
    // 12-pixel grid (tree crowns from y 336, the ground to y 488); two frames a press, at a time
    // step that leaves the half-minute enough for the whole grid. Escape then ends the search.
    Step(2);
    for (int y = 336; y <= 492; y += 12) {
        for (int x = 288; x <= 744; x += 12) Move(x, y).Line("down").Wait(1).Line("up").Wait(1);
    }
    Line("key escape down").Wait(2).Line("key escape up").Step(kStep).Wait(45);
    return Speech(1);
}

StoryPlayer& StoryPlayer::SellGoods(const std::vector<std::pair<int, int>>& picks) {
    Use("Malcolm").Speech(1);  // his greeting
    for (const auto& pick : picks) Choose(1, 5).Speech(1).Choose(pick.first, pick.second).Wait(10).Speech(1);
    return Choose(4, 5).Speech(1);
}

void RanchSpots::Pen(int index, int* x, int* y) {
    static const int xs[9] = {296, 382, 428, 496, 582, 628, 696, 782, 828};
    static const int ys[9] = {556, 422, 332, 556, 422, 332, 556, 422, 332};
    *x = xs[index];
    // A little above the feet, where every breed has body (less in the back row, drawn smaller).
    *y = ys[index] - (ys[index] < 400 ? 10 : 20);
}

void RanchSpots::FoodCell(int index, int* x, int* y) {
    *x = 312 + 80 * index;
    *y = 64;
}

void RanchSpots::ToolCell(int index, int* x, int* y) {
    *x = 312 + 80 * index;
    *y = 144;
}

void RanchSpots::StorageSlot(int index, int* x, int* y) {
    *x = 792 + 80 * index;
    *y = 144;
}
