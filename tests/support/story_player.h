// Writes the input script of a player who knows the valley: walks through portals (scrolling the
// view first where a place is wider or taller than the screen, exactly as the game scrolls it),
// talks (speech boxes, notices, choice menus), plays the forest search, tends the ranch and buys in
// shops. The scenario tests read the save between runs and hand what they learn back in.
#pragma once

#include <map>
#include <string>
#include <vector>

// What a save holds, read back for the next step of a story.
struct SavedAnimal {
    std::string name;
    int male = 0;
    int position = -1;
    bool stored = false;
    float bovine = 0, bunny = 0, cat = 0, wild = 0, age = 0, food = 0, mood = 0, health = 0, pregnant = 0;
};

struct SavedGame {
    bool valid = false;
    int location = 0;
    float time = 0;
    std::map<std::string, int> flags;
    std::vector<std::pair<std::string, int>> items;  // in inventory order
    std::vector<SavedAnimal> animals;                // the ranch's, then the stored ones

    static SavedGame Parse(const std::string& text);
    int Flag(const std::string& name) const;
    int Count(const std::string& item) const;
    const SavedAnimal* Animal(const std::string& name) const;
    // The pens the ranch scene gives the animals on its next start: placed ones keep theirs, the
    // others take the lowest free pen in list order.
    std::map<std::string, int> Pens(int usable_pens) const;
};

class StoryPlayer {
public:
    // `location` is where the save left the player, `came_from` the place before it (the save's
    // "OldLocation"): together they decide how a scrolling place's view opens.
    StoryPlayer(int location, int came_from);

    const std::string& Script() const { return script_; }
    int Location() const { return location_; }

    // Input as the script language has it.
    StoryPlayer& Line(const std::string& line);
    StoryPlayer& Wait(int frames);
    StoryPlayer& Step(int time_step);
    StoryPlayer& Move(int x, int y);
    StoryPlayer& Click(int x, int y, int settle = 0);
    StoryPlayer& Drag(int x0, int y0, int x1, int y1, int settle = 10);
    StoryPlayer& DoubleClick(int x, int y);
    StoryPlayer& Screenshot(const std::string& path);

    // From the splash to "Play" on the title; a new player first names the character.
    StoryPlayer& Opening(const std::string& new_name = "");
    // Speech boxes take two clicks each (the first shows the whole text); notices pass by themselves.
    StoryPlayer& Speech(int boxes);
    StoryPlayer& Notice(int count = 1);
    // Clicks choice `index` (from 0) of a menu of `count` one-line choices.
    StoryPlayer& Choose(int index, int count);
    StoryPlayer& ChapterIntro();
    StoryPlayer& AwardOk();

    // Clicks the named hotspot of the current place, scrolling the view to it first.
    StoryPlayer& Use(const std::string& hotspot, int settle = 25);
    // Walks through the named portal; `chapter_due` clicks through the chapter intro on the way.
    // A place whose arrival starts a dialogue is entered with a shorter `settle`, so that the
    // first speech box is still typing when the player clicks it.
    StoryPlayer& Go(const std::string& portal, bool chapter_due = false, int settle = 60);
    // A dialogue's camera move has centred the view on this spot of the background.
    StoryPlayer& Glided(int x, int y);

    // The fallen log at the Forest Edge: its dialogue and a search of every spot of the play area.
    StoryPlayer& ForestSearch();
    // Malcolm buys everything of the kinds picked, each pick an (index, count) of his list.
    StoryPlayer& SellGoods(const std::vector<std::pair<int, int>>& picks);

private:
    void Enter(int location, int came_from);
    void Look(int hx, int hy, int* sx, int* sy);

    std::string script_;
    int location_ = 0;
    int view_x_ = 0, view_y_ = 0;  // the play scene's scroll offset
};

// The ranch screen's fixed places.
struct RanchSpots {
    static void Pen(int index, int* x, int* y);
    static void FoodCell(int index, int* x, int* y);
    static void ToolCell(int index, int* x, int* y);
    static void StorageSlot(int index, int* x, int* y);
};
