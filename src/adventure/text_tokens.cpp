#include "text_tokens.h"

#include "profile.h"

std::string special_name;

std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& value) {
    if (token.empty()) return text;
    std::string out;
    size_t start = 0;
    for (size_t found = text.find(token); found != std::string::npos; found = text.find(token, start)) {
        out.append(text, start, found - start);
        out += value;
        start = found + token.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

std::string ReplaceTokens(const std::string& text) {
    std::string s = ReplaceAll(text, "$NAME$", character_name);
    s = ReplaceAll(s, "$ANIMAL$", "spiggle");
    s = ReplaceAll(s, "$ANIMALS$", "spiggles");
    s = ReplaceAll(s, "$AN_ANIMAL$", "a spiggle");
    s = ReplaceAll(s, "$FOUND_MONEY$", "Found Money");
    s = ReplaceAll(s, "$SPECIAL$", special_name);
    s = ReplaceAll(s, "$FLAG_VALUE$", std::to_string(Profile::GetFlagValue("FlagValue")));
    return s;
}
