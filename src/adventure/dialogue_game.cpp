#include "dialogue_game.h"

#include <map>

namespace {

std::map<int, DialogueGameFactory>& Registry() {
    static std::map<int, DialogueGameFactory> registry;
    return registry;
}

}  // namespace

void RegisterDialogueGame(int id, DialogueGameFactory factory) {
    if (factory) {
        Registry()[id] = std::move(factory);
    } else {
        Registry().erase(id);
    }
}

std::unique_ptr<DialogueGame> CreateDialogueGame(int id) {
    auto found = Registry().find(id);
    if (found == Registry().end()) return nullptr;
    return found->second();
}

void ClearDialogueGames() { Registry().clear(); }
