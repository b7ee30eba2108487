#include "text_block.h"

#include <vector>

#include "font.h"

namespace {
// The lines of a text: pieces between line feeds; a final line feed adds no empty line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
}  // namespace

void DrawTextBlock(const std::string& text, float x, float y) { DrawTextBlockEnd(text, x, y); }

Tuple DrawTextBlockEnd(const std::string& text, float x, float y) {
    Tuple end;
    if (text.empty()) return end;
    float s = 0;
    float last_y = y;
    for (const std::string& line : Lines(text)) {
        DrawText(line, x, y + s);
        last_y = y + s;
        s += static_cast<float>(TextHeight(line));
    }
    if (text.back() == '\n') {
        end.a = static_cast<int>(x);
        end.b = static_cast<int>(y + s);
    } else {
        const std::vector<std::string> lines = Lines(text);
        end.a = static_cast<int>(x + static_cast<float>(TextWidth(lines.back())));
        end.b = static_cast<int>(last_y);
    }
    return end;
}

int TextBlockWidth(const std::string& text) {
    int widest = 0;
    for (const std::string& line : Lines(text)) {
        const int w = TextWidth(line);
        if (w > widest) widest = w;
    }
    return widest;
}

int TextBlockHeight(const std::string& text) {
    int total = 0;
    for (const std::string& line : Lines(text)) total += TextHeight(line);
    return total;
}

namespace {
// Word wrapping; after every inserted line feed the indent is appended and then doubled.
std::string Wrap(const std::string& text, int width, std::string* indent) {
    std::string result, line, word;
    auto line_break = [&]() {
        result += '\n';
        if (indent) {
            result += *indent;
            *indent += *indent;
        }
    };
    for (char ch : text) {
        if (ch == ' ') {
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (TextBlockWidth(candidate) > width) {
                result += line;
                line_break();
                line = word;
            } else {
                line = candidate;
            }
            word.clear();
        } else if (ch == '|') {
            result += line;
            if (!line.empty() && !word.empty()) result += ' ';
            result += word;
            line_break();
            line.clear();
            word.clear();
        } else {
            word += ch;
        }
    }
    const std::string candidate = line + ((!line.empty() && !word.empty()) ? " " : "") + word;
    if (TextBlockWidth(candidate) > width) {
        result += line;
        line_break();
        result += word;
    } else {
        result += candidate;
    }
    return result;
}
}  // namespace

std::string WrapText(const std::string& text, int width) { return Wrap(text, width, nullptr); }

std::string WrapTextIndent(const std::string& text, int width, std::string indent) {
    return Wrap(text, width, &indent);
}
