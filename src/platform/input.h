// Input, polled once per frame. Real events come from SDL; scripted input (scenario tests) is fed
// through the Inject functions and replaces the real mouse while a script runs.
#pragma once

#include <string>

// Reads pending window events; called once per frame by the shell before anything reads input.
void PollInput();

int MouseX();  // window pixels
int MouseY();
int MouseDown(int button);  // only button 1 (left) is read
int MouseZ();               // running wheel count
int KeyDown(int key);       // only 27 (Escape)
int GetChar();              // next typed character (8 Backspace, 13 Enter) or 0
void FlushChars();
// Typed characters reach only an open text field: a field takes the keyboard while it is open and
// gives it back when it closes. Characters typed while no field holds it (scripted ones included)
// are dropped, so keys pressed elsewhere never replay into the next field. Taking or losing the
// keyboard empties the queue.
void SetTextFocus(const void* owner);
void ReleaseTextFocus(const void* owner);  // only when `owner` holds it
int AppSuspended();  // focus lost or minimised
int AppTerminate();  // a close was requested; reading clears it
// True once when the window changed size since the last call.
bool WindowResized();
// True once after Alt+Enter or F11 (switch between window and full screen). These keys belong to
// the window: they work even while a script drives the game, and Alt+Enter types no Enter.
bool FullScreenKeyPressed();

// Scripted input: these override the hardware state from the moment they are first used.
void InjectMouseMove(int window_x, int window_y);
void InjectMouseButton(bool down);
void InjectWheel(int notches);
void InjectEscape(bool down);
void InjectChars(const std::string& text);
void InjectTerminate();
void InjectSuspended(bool suspended);
// A window key ("f11" or "alt+enter") pushed into the window's event queue, so it takes the
// keyboard's own path at the next PollInput. False for another name or without a window.
bool InjectWindowKey(const std::string& name, bool down);
