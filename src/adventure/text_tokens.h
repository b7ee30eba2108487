// The tokens that dialogue and chapter texts may contain ("$NAME$", "$ANIMALS$", ...).
#pragma once

#include <string>

// The name "$SPECIAL$" stands for: the animal a hosted game picked (breeding check, fighter).
extern std::string special_name;

// Replaces every token in `text`, in this order: "$NAME$" (the player's name), "$ANIMAL$",
// "$ANIMALS$", "$AN_ANIMAL$", "$FOUND_MONEY$", "$SPECIAL$", "$FLAG_VALUE$" (flag "FlagValue").
std::string ReplaceTokens(const std::string& text);
