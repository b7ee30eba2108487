// A game or transaction that a dialogue hosts (`game` step): a shop, a gathering game, a check. The
// dialogue waits until its Update reports the end. Games are found by id in a registry that their
// own modules fill in, so the dialogue runner depends on none of them; an id without a game does
// nothing.
#pragma once

#include <functional>
#include <memory>

class DialogueGame {
public:
    virtual ~DialogueGame() = default;
    // 1 once the game has finished.
    virtual int Update(float delta) {
        (void)delta;
        return 0;
    }
    virtual void Draw() {}
};

using DialogueGameFactory = std::function<std::unique_ptr<DialogueGame>()>;

// Makes `factory` the game for `id` (replacing an earlier one); a null factory unregisters it.
void RegisterDialogueGame(int id, DialogueGameFactory factory);
// A new game for `id`, or null when no game is registered under it.
std::unique_ptr<DialogueGame> CreateDialogueGame(int id);
void ClearDialogueGames();
