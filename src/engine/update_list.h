// One-shot timers: a function called after a delay in frame time (1.0 = 10 ms). Every "fade the
// screen out, then switch scene" step of the game goes through them.
#pragma once

#include <functional>
#include <memory>

class UpdateObject {
public:
    int id = 0;
    float counter = 0;  // time units left
    std::function<void()> Callback;
    bool removed = false;
};

class UpdateList {
public:
    static void AddUpdate(float delay, std::function<void()> callback, int id);
    // Removes every timer with that id.
    static void RemoveUpdate(int id);
    // Counts every timer down by dt, in creation order; one that reaches 0 is removed and called.
    // Timers added by a callback first count down on the next Update.
    static void Update(float dt);
    static int Count();
    static void Clear();
};
