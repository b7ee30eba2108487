// Checks, once the catalogues are loaded, that everything the world's locations name exists: the
// dialogues their hotspots and actions start, the locations they lead to, and the pictures they
// load. A broken reference would otherwise only show when the player clicks it, long into a game.
#pragma once

#include <string>

// The first broken reference as the fatal message the game shows for it ("Error: Dialogue id 400
// not found! ..."), or "" when the world is whole.
std::string FindBrokenWorldReference();
// Ends the program with that message when there is one.
void CheckWorldReferences();
