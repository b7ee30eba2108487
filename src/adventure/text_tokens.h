// The tokens that dialogue and chapter texts may contain ("$NAME$", "$ANIMALS$", ...).
#pragma once

#include <string>

// The name "$SPECIAL$" stands for: the animal a hosted game picked (breeding check, fighter).
extern std::string special_name;

// Replaces every token in `text`, in this order: "$NAME$" (the player's name), "$ANIMAL$",
// "$ANIMALS$", "$AN_ANIMAL$", "$FOUND_MONEY$", "$SPECIAL$", "$FLAG_VALUE$" (flag "FlagValue").
std::string ReplaceTokens(const std::string& text);
// Replaces every occurrence of `token` in `text` by `value`, scanning left to right; the inserted
// text is not scanned again.
std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& value);
