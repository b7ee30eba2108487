// Small value types and free functions used everywhere: the eased animator, plain records, the
// centre-anchored hit-testable base, random numbers and geometry.
#pragma once

#include <string>

// An eased float animator. Time is in frame units (1.0 = 10 ms).
class Interpolation {
public:
    float value = 0;
    float destination = 0;
    float delta = 0;
    float deccelerate = 0;

    Interpolation() = default;
    explicit Interpolation(float start) : value(start), destination(start) {}
    static Interpolation Create(float start) { return Interpolation(start); }

    int Stopped() const { return value == destination ? 1 : 0; }
    void SetAbsolute(float v);
    void SetDelta(float dest, float speed);
    // Reaches `dest` after `steps` time units; steps <= 0 jumps there at once.
    void Set(float dest, int steps);
    int Update(float dt);
    void Stop();
    void Slow(float d) { deccelerate = d; }
    double Get() const { return value; }
};

struct Area {
    int x = 0, y = 0, w = 0, h = 0;
};

struct Tuple {
    int a = 0, b = 0;
};

// A centre-anchored rectangle: (x, y) is the centre, (w, h) the full size.
class Thing {
public:
    int x = 0, y = 0, w = 0, h = 0;
    virtual ~Thing() = default;
    // Drawing order: 0 for itself, 1 when `other` is higher on the screen, else -1.
    virtual int Compare(const Thing& other) const;
    virtual int MouseOver(int ox, int oy, float scale) const;
    virtual int Inside(int px, int py, float scale) const;
};

int Rand(int min, int max);
float Rnd(float min, float max);
void SeedRnd(unsigned int seed);
// A seed from the wall clock, for runs without a chosen seed. (The millisecond clock of the frame
// loop reads 0 at start-up, so it would give every run the same numbers.)
unsigned int ClockSeed();
// Integer arithmetic that stops at the ends of the int range instead of wrapping (money, counts).
int SaturatingAdd(int a, int b);
int SaturatingMultiply(int a, int b);
int AngleBetween(float x1, float y1, float x2, float y2);
int RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
// The per-user data folder: $XDG_DATA_HOME, else ~/.local/share.
std::string AppDataFolder();
