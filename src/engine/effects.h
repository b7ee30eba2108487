// Shared effects: bursts of sparks, the sparkles that trail the pointer, and the drifting cloud
// layers drawn over outdoor scenes.
#pragma once

// One spark of a burst at a random point of the circle, flying outward (screen particle list).
void BurstDots(float x, float y, float radius);
void BurstImages(float x, float y, float radius);
// Emits one sparkle under the pointer per 4 time units that pass.
void CursorSparkles(float dt);
// The time CursorSparkles has not yet spent (under 4 after each call).
extern float cursor_sparkle_time;

// X of a cloud layer: scrolls with the counter and wraps every `period` pixels.
int CloudLayerX(float counter, float offset, float divisor, float period, float margin);

class Effect {
public:
    virtual ~Effect() = default;
    virtual void Update(float dt) { (void)dt; }
    virtual void Draw(float ox, float oy) {
        (void)ox;
        (void)oy;
    }
};

// Three thin layers near the top of the screen (images 352 and 353).
class CloudEffect : public Effect {
public:
    float counter = 0;
    int ystart = 76;
    float scale = 1.0f;
    void Update(float dt) override;
    // Drawn at fixed positions: the offsets are not used.
    void Draw(float ox, float oy) override;
};

// Big slow layers over a scrolling scene (images 350, 351 and 352).
class BigCloudEffect : public Effect {
public:
    float counter = 0;
    void Update(float dt) override;
    void Draw(float ox, float oy) override;
};
