#include "input.h"

#include <SDL.h>

#include <deque>

namespace {
struct InputState {
    int mouse_x = 0, mouse_y = 0;
    bool mouse_down = false;
    int wheel = 0;
    bool escape = false;
    bool suspended = false;
    bool terminate = false;
    bool resized = false;
    bool full_screen_key = false;
    std::deque<int> chars;
};
InputState hardware;
// The text field that takes typed characters, or null: keys typed while no field is open are
// dropped instead of waiting in the queue for the next field.
const void* text_focus = nullptr;
bool scripted = false;  // once a script drives the input, real mouse and keys are ignored
bool script_suspended = false;

void TakeScript() { scripted = true; }

void QueueChar(int c) {
    if (text_focus) hardware.chars.push_back(c);
}

bool IsFullScreenKey(const SDL_Keysym& key) {
    if (key.sym == SDLK_F11) return true;
    return (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) && (key.mod & KMOD_ALT) != 0;
}
}  // namespace

void PollInput() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT: hardware.terminate = true; break;
            case SDL_MOUSEMOTION:
                if (!scripted) {
                    hardware.mouse_x = event.motion.x;
                    hardware.mouse_y = event.motion.y;
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (!scripted && event.button.button == SDL_BUTTON_LEFT) {
                    hardware.mouse_down = event.type == SDL_MOUSEBUTTONDOWN;
                }
                break;
            case SDL_MOUSEWHEEL:
                if (!scripted) hardware.wheel += event.wheel.y;
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (IsFullScreenKey(event.key.keysym)) {
                    if (event.type == SDL_KEYDOWN && !event.key.repeat) hardware.full_screen_key = true;
                    break;
                }
                if (scripted) break;
                if (event.key.keysym.sym == SDLK_ESCAPE) hardware.escape = event.type == SDL_KEYDOWN;
                if (event.type == SDL_KEYDOWN) {
                    const SDL_Keycode key = event.key.keysym.sym;
                    if (key == SDLK_BACKSPACE) QueueChar(8);
                    if (key == SDLK_RETURN || key == SDLK_KP_ENTER) QueueChar(13);
                }
                break;
            case SDL_TEXTINPUT:
                if (scripted) break;
                // Our text is one byte per character: keep what fits in Latin-1, decode simple UTF-8.
                for (const char* p = event.text.text; *p;) {
                    const unsigned char c = static_cast<unsigned char>(*p);
                    if (c < 0x80) {
                        QueueChar(c);
                        ++p;
                    } else if ((c & 0xE0) == 0xC0 && p[1]) {
                        const int code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(p[1]) & 0x3F);
                        if (code < 256) QueueChar(code);
                        p += 2;
                    } else {
                        ++p;
                        while ((static_cast<unsigned char>(*p) & 0xC0) == 0x80) ++p;
                    }
                }
                break;
            case SDL_WINDOWEVENT:
                switch (event.window.event) {
                    case SDL_WINDOWEVENT_FOCUS_LOST:
                    case SDL_WINDOWEVENT_MINIMIZED: hardware.suspended = true; break;
                    case SDL_WINDOWEVENT_FOCUS_GAINED:
                    case SDL_WINDOWEVENT_RESTORED: hardware.suspended = false; break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED: hardware.resized = true; break;
                    default: break;
                }
                break;
            default: break;
        }
    }
}

int MouseX() { return hardware.mouse_x; }
int MouseY() { return hardware.mouse_y; }
int MouseDown(int button) { return button == 1 && hardware.mouse_down ? 1 : 0; }
int MouseZ() { return hardware.wheel; }
int KeyDown(int key) { return key == 27 && hardware.escape ? 1 : 0; }

int GetChar() {
    if (hardware.chars.empty()) return 0;
    const int c = hardware.chars.front();
    hardware.chars.pop_front();
    return c;
}

void FlushChars() { hardware.chars.clear(); }

void SetTextFocus(const void* owner) {
    if (owner == text_focus) return;
    text_focus = owner;
    hardware.chars.clear();
}

void ReleaseTextFocus(const void* owner) {
    if (owner != text_focus) return;
    text_focus = nullptr;
    hardware.chars.clear();
}

int AppSuspended() {
    // A scripted run is never suspended by the real window losing focus.
    if (scripted) return script_suspended ? 1 : 0;
    return hardware.suspended ? 1 : 0;
}

int AppTerminate() {
    const bool t = hardware.terminate;
    hardware.terminate = false;
    return t ? 1 : 0;
}

bool WindowResized() {
    const bool r = hardware.resized;
    hardware.resized = false;
    return r;
}

bool FullScreenKeyPressed() {
    const bool pressed = hardware.full_screen_key;
    hardware.full_screen_key = false;
    return pressed;
}

void InjectMouseMove(int window_x, int window_y) {
    TakeScript();
    hardware.mouse_x = window_x;
    hardware.mouse_y = window_y;
}
void InjectMouseButton(bool down) {
    TakeScript();
    hardware.mouse_down = down;
}
void InjectWheel(int notches) {
    TakeScript();
    hardware.wheel += notches;
}
void InjectEscape(bool down) {
    TakeScript();
    hardware.escape = down;
}
void InjectChars(const std::string& text) {
    TakeScript();
    for (unsigned char c : text) QueueChar(c);
}
void InjectTerminate() { hardware.terminate = true; }
void InjectSuspended(bool suspended) {
    TakeScript();
    script_suspended = suspended;
}

bool InjectWindowKey(const std::string& name, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    if (name == "f11") {
        event.key.keysym.sym = SDLK_F11;
        event.key.keysym.scancode = SDL_SCANCODE_F11;
    } else if (name == "alt+enter") {
        event.key.keysym.sym = SDLK_RETURN;
        event.key.keysym.scancode = SDL_SCANCODE_RETURN;
        event.key.keysym.mod = KMOD_LALT;
    } else {
        return false;
    }
    return SDL_WasInit(SDL_INIT_VIDEO) && SDL_PushEvent(&event) == 1;
}
