#include "primitives.h"

#include <chrono>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>

#include "app.h"

void Interpolation::SetAbsolute(float v) {
    value = destination = v;
    delta = 0;
    deccelerate = 0;
}

void Interpolation::SetDelta(float dest, float speed) {
    destination = dest;
    deccelerate = 0;
    delta = value > dest ? -speed : speed;
}

void Interpolation::Set(float dest, int steps) {
    if (steps <= 0) {  // a zero-length move would divide by zero: jump instead
        SetAbsolute(dest);
        return;
    }
    destination = dest;
    deccelerate = 0;
    delta = (dest - value) / static_cast<float>(steps);
}

int Interpolation::Update(float dt) {
    if (delta == 0) return 0;
    const float speed = delta;
    if (value < destination) {
        value = value + speed * dt;
        if (value >= destination) {
            value = destination;
            delta = 0;
        }
    } else if (value > destination) {
        value = value + speed * dt;
        if (value <= destination) {
            value = destination;
            delta = 0;
        }
    }
    if (deccelerate != 0) {
        if (delta > 0) {
            delta = delta - deccelerate * dt;
            if (delta < 0) delta = 0;
        } else {
            delta = delta + deccelerate * dt;
            if (delta > 0) delta = 0;
        }
    }
    return 0;
}

void Interpolation::Stop() {
    destination = 0.0f;
    delta = 0;
}

int Thing::Compare(const Thing& other) const {
    if (&other == this) return 0;
    return other.y < y ? 1 : -1;
}

int Thing::MouseOver(int ox, int oy, float scale) const {
    const int cx = x - ox;
    const int cy = y - oy;
    const float hw = scale * static_cast<float>(w) / 2.0f;
    const float hh = scale * static_cast<float>(h) / 2.0f;
    return (cx - hw <= mouse_x && mouse_x < cx + hw && cy - hh <= mouse_y && mouse_y < cy + hh) ? 1 : 0;
}

int Thing::Inside(int px, int py, float scale) const {
    const float hw = scale * static_cast<float>(w) / 2.0f;
    const float hh = scale * static_cast<float>(h) / 2.0f;
    return (x - hw <= px && px < x + hw && y - hh <= py && py < y + hh) ? 1 : 0;
}

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator(12345u);
    return generator;
}
}  // namespace

int Rand(int min, int max) {
    if (max < min) std::swap(min, max);
    std::uniform_int_distribution<int> dist(min, max);
    return dist(Generator());
}

float Rnd(float min, float max) {
    if (!(max > min)) return min;
    // 24 random bits give a float in [0, 1) that never rounds up to 1.
    const float unit = static_cast<float>(Generator()() >> 8) / 16777216.0f;
    const float r = min + (max - min) * unit;
    return r < max ? r : min;
}

void SeedRnd(unsigned int seed) { Generator().seed(seed); }

unsigned int ClockSeed() {
    // Nanoseconds of the calendar clock, folded to 32 bits: no two starts share a seed.
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::system_clock::now().time_since_epoch())
                        .count();
    const auto bits = static_cast<unsigned long long>(ns);
    return static_cast<unsigned int>(bits ^ (bits >> 32));
}

namespace {
int ToIntRange(long long v) { return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v)); }
}  // namespace

int SaturatingAdd(int a, int b) { return ToIntRange(static_cast<long long>(a) + b); }

int SaturatingMultiply(int a, int b) { return ToIntRange(static_cast<long long>(a) * b); }

int AngleBetween(float x1, float y1, float x2, float y2) {
    return static_cast<int>(std::atan2(y2 - y1, x2 - x1) * 180.0 / M_PI);
}

int RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return (x1 < x2 + w2 && x1 + w1 >= x2 && y1 < y2 + h2 && y1 + h1 >= y2) ? 1 : 0;
}

std::string AppDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.local/share";
    return ".";
}
