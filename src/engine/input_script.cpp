#include "input_script.h"

#include <cstdlib>
#include <sstream>

#include "input.h"
#include "system.h"

namespace {
bool ParseInt(const std::string& word, int* out) {
    if (word.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || v < -1000000000L || v > 1000000000L) return false;
    *out = static_cast<int>(v);
    return true;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char n = text[i + 1];
            if (n == 'n') {
                out += '\r';  // Enter
                ++i;
                continue;
            }
            if (n == 'b') {
                out += '\b';
                ++i;
                continue;
            }
            if (n == '\\') {
                out += '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
}  // namespace

bool InputScript::Parse(const std::string& source, std::string* error) {
    commands_.clear();
    std::istringstream in(source);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string verb;
        if (!(words >> verb) || verb[0] == '#') continue;
        auto fail = [&](const std::string& why) {
            if (error) *error = "line " + std::to_string(number) + ": " + why + ": " + line;
            commands_.clear();
            return false;
        };
        std::string w1, w2;
        ScriptCommand c;
        if (verb == "wait" || verb == "wheel") {
            if (!(words >> w1) || !ParseInt(w1, &c.a)) return fail("expected a number");
            if (verb == "wait" && c.a < 0) return fail("negative wait");
            c.kind = verb == "wait" ? ScriptCommand::Wait : ScriptCommand::Wheel;
            commands_.push_back(c);
        } else if (verb == "move" || verb == "click") {
            if (!(words >> w1 >> w2) || !ParseInt(w1, &c.a) || !ParseInt(w2, &c.b)) {
                return fail("expected X Y");
            }
            c.kind = ScriptCommand::Move;
            commands_.push_back(c);
            if (verb == "click") {
                // A hand rests on the spot before it presses: buttons light up under the pointer
                // one frame and take the press the next.
                commands_.push_back({ScriptCommand::Wait, 1, 0, 0, ""});
                commands_.push_back({ScriptCommand::Down, 0, 0, 0, ""});
                commands_.push_back({ScriptCommand::Wait, 2, 0, 0, ""});
                commands_.push_back({ScriptCommand::Up, 0, 0, 0, ""});
                commands_.push_back({ScriptCommand::Wait, 2, 0, 0, ""});
            }
        } else if (verb == "step") {
            char* end = nullptr;
            if (!(words >> w1)) return fail("expected a time step");
            const double v = std::strtod(w1.c_str(), &end);
            if (*end != '\0' || !(v >= 0 && v <= 20)) return fail("expected a time step from 0 to 20");
            c.kind = ScriptCommand::Step;
            c.step = static_cast<float>(v);
            commands_.push_back(c);
        } else if (verb == "down" || verb == "up") {
            c.kind = verb == "down" ? ScriptCommand::Down : ScriptCommand::Up;
            commands_.push_back(c);
        } else if (verb == "key") {
            if (!(words >> w1 >> w2) || (w1 != "escape" && w1 != "f11" && w1 != "alt+enter") ||
                (w2 != "down" && w2 != "up")) {
                return fail("expected key escape|f11|alt+enter down|up");
            }
            if (w1 == "escape") {
                c.kind = w2 == "down" ? ScriptCommand::EscapeDown : ScriptCommand::EscapeUp;
            } else {
                c.kind = w2 == "down" ? ScriptCommand::WindowKeyDown : ScriptCommand::WindowKeyUp;
                c.text = w1;
            }
            commands_.push_back(c);
        } else if (verb == "type" || verb == "screenshot") {
            const size_t start = line.find(verb) + verb.size();
            std::string rest = start < line.size() ? line.substr(start + 1) : "";
            if (verb == "screenshot") {
                while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.pop_back();
                if (rest.empty()) return fail("expected a path");
                c.kind = ScriptCommand::Screenshot;
                c.text = rest;
            } else {
                c.kind = ScriptCommand::Type;
                c.text = Unescape(rest);
            }
            commands_.push_back(c);
        } else if (verb == "quit") {
            c.kind = ScriptCommand::Quit;
            commands_.push_back(c);
        } else {
            return fail("unknown command");
        }
    }
    next_ = 0;
    waiting_ = 0;
    time_step_ = 0;
    active_ = true;
    return true;
}

bool InputScript::Load(const std::string& path, std::string* error) {
    std::string source;
    if (!ReadFileBytes(path, &source)) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    return Parse(source, error);
}

bool InputScript::Advance(bool (*take_screenshot)(const std::string& path)) {
    if (!active_) return false;
    if (waiting_ > 0) {
        --waiting_;
        if (waiting_ > 0) return true;
    }
    while (next_ < commands_.size()) {
        const ScriptCommand& c = commands_[next_++];
        switch (c.kind) {
            case ScriptCommand::Wait:
                if (c.a > 0) {
                    waiting_ = c.a;
                    return true;
                }
                break;
            case ScriptCommand::Move:
                mouse_x_ = c.a;
                mouse_y_ = c.b;
                InjectMouseMove(c.a, c.b);
                break;
            case ScriptCommand::Down: InjectMouseButton(true); break;
            case ScriptCommand::Up: InjectMouseButton(false); break;
            case ScriptCommand::Wheel: InjectWheel(c.a); break;
            case ScriptCommand::EscapeDown: InjectEscape(true); break;
            case ScriptCommand::EscapeUp: InjectEscape(false); break;
            case ScriptCommand::WindowKeyDown: InjectWindowKey(c.text, true); break;
            case ScriptCommand::WindowKeyUp: InjectWindowKey(c.text, false); break;
            case ScriptCommand::Type: InjectChars(c.text); break;
            case ScriptCommand::Screenshot:
                if (take_screenshot) take_screenshot(c.text);
                break;
            case ScriptCommand::Quit: InjectTerminate(); break;
            case ScriptCommand::Step: time_step_ = c.step; break;
        }
    }
    return false;
}
