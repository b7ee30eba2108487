// The data checker behind `mossmeadow --check-data`: loads every catalogue and dialogue script of
// a game folder with the game's own loaders, then follows every reference between them (dialogue
// ids, labels, items, pictures, sounds, music, locations, hosted games, quests, flags, awards,
// statues) and reports each problem as "file: element: what is wrong". Runs without a window.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

class Dialogue;
class DialogueItem;
class Location;

struct DataProblem {
    std::string kind;     // the check that found it: "load", "dialogue", "label", "item", ...
    std::string file;     // relative to the game folder, e.g. "Data/locations.xml"
    std::string element;  // e.g. "location 6 hotspot 'Overgrown trail'"
    std::string what;
    std::string Line() const { return file + ": " + element + ": " + what; }
};

// One way a flag gets a value: the values it can set (a closed range) and who sets it.
struct FlagWrite {
    int low = 0, high = 0;
    bool add = false;  // a data `add` step: any value can follow
    int dialogue = 0;  // the dialogue that writes it (0: a location, the catalogues or the program)
    std::string file;  // "" for the program's own writes
    std::string element;
};

class DataCheck {
public:
    // Loads Data/ of `game_dir` with the game's loaders (locations, dialogues, quests, traits,
    // items, chapters, awards, the manifests); a file a loader rejects is a "load" problem. The
    // catalogues stay loaded (they are the game's globals) until the check is destroyed.
    explicit DataCheck(const std::string& game_dir);
    ~DataCheck();
    DataCheck(const DataCheck&) = delete;
    DataCheck& operator=(const DataCheck&) = delete;

    // Every check below, in order.
    void RunAll();
    void CheckDialogueIds();
    void CheckLabels();
    void CheckItems();
    void CheckImages();
    void CheckSounds();
    void CheckMusic();
    void CheckLocations();
    void CheckGames();
    void CheckQuests();
    void CheckFlags();
    void CheckGivenItems();
    void CheckAwards();
    void CheckStatues();
    void CheckMenus();
    void CheckActors();

    // The problems found so far, in the order found.
    const std::vector<DataProblem>& Problems() const { return problems_; }
    // The problems of one kind.
    std::vector<DataProblem> ProblemsOf(const std::string& kind) const;
    // One line: what was checked (counts), and how many problems.
    std::string Summary() const;

    // `mossmeadow --check-data`: checks `game_dir`, prints every problem (one per line) and returns
    // 1, or prints the summary and returns 0.
    static int Main(const std::string& game_dir);

private:
    struct Resource {
        std::string manifest;  // "Data/common.xml" or "Data/extra.xml"
        std::string path;      // relative to the game folder
    };

    void Report(const std::string& kind, const std::string& file, const std::string& element, const std::string& what);
    void Load();
    void LoadCatalogue(const std::string& file, void (*initialize)());
    void LoadDialogues();
    void LoadManifest(const std::string& file);
    void CollectStarts();
    void CollectFlagWrites();
    void CollectReachable();

    bool FileThere(const std::string& relative) const;
    bool ImageRegistered(int id) const { return images_.count(id) > 0; }
    // A picture a location's scene can draw: in a manifest or among the location's own files.
    bool ImageIn(const Location& location, int id) const;
    // A picture a dialogue can draw: in a manifest or in every location that starts it.
    bool ImageForDialogue(const Dialogue& dialogue, int id) const;
    const std::string& FileOf(const Dialogue& dialogue) const;
    std::string Where(const Dialogue& dialogue) const;
    bool ItemExists(const std::string& name) const;

    std::string game_dir_;
    std::string saved_app_dir_;
    std::vector<DataProblem> problems_;
    std::map<const Dialogue*, std::string> dialogue_files_;
    int dialogue_files_loaded_ = 0;
    std::map<int, Resource> images_, sounds_, fonts_;
    std::map<int, std::vector<int>> starts_;  // dialogue id -> locations whose hotspots or actions start it
    std::set<int> reachable_locations_;
    std::set<int> reachable_dialogues_;
    std::map<std::string, std::vector<FlagWrite>> flag_writes_;
    std::set<int> games_used_;
    int steps_ = 0;
};
