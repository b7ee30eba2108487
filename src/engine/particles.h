// Particles: dots, pictures and floating texts that move in a straight line, slow down and fade.
// ParticleList keeps two lists: the screen list (drawn as is) and the scene list (drawn with the
// scene's scroll offset).
#pragma once

#include <memory>
#include <string>
#include <vector>

class Particle {
public:
    std::string id;  // lets a scene find a particle again
    virtual ~Particle() = default;
    // Advances the particle; 0 when it is dead.
    virtual int Update(float dt) {
        (void)dt;
        return 0;
    }
    virtual void Draw(float ox, float oy) {
        (void)ox;
        (void)oy;
    }
};

class DotParticle : public Particle {
public:
    float x = 0, y = 0;   // centre
    int angle = 0;        // direction of motion in degrees (0 = right, 90 = down)
    float speed = 0;      // pixels per 10 time units
    float maxspeed = 0;   // not used in motion
    float alpha = 1.0f;
    float max_alpha = 0;  // > 0: fade in up to this value first
    float dec_speed = 0;  // speed lost per time unit
    float dec_alpha = 0;  // opacity lost per time unit
    float inc_alpha = 0;  // opacity gained per time unit while fading in
    int r = 255, g = 255, b = 255;
    int size = 1;         // edge of the square dot
    float gravity = 0;    // kept for the bursts' sake; motion is a straight line

    int Update(float dt) override;
    void Draw(float ox, float oy) override;
};

class ImageParticle : public DotParticle {
public:
    int image = 0;  // image id
    float scale = 1.0f;
    float dir = 1.0f;  // -1 mirrors horizontally

    void Draw(float ox, float oy) override;
};

class TextParticle : public DotParticle {
public:
    int font = 0;  // font id
    std::string text;
    int w = 0, h = 0;  // the text's measured size, set by its creator

    // Drawn centred on (x, y) without the scene offset.
    void Draw(float ox, float oy) override;
};

using ParticlePtr = std::shared_ptr<Particle>;

// A floating text in `font`, its size measured so that it draws centred.
std::shared_ptr<TextParticle> MeasuredTextParticle(int font, const std::string& text);

class ParticleList {
public:
    // Appends to the scene list when `scene` != 0, else to the screen list.
    static void AddParticle(ParticlePtr p, int scene);
    // Updates every particle of both lists and drops the dead ones.
    static void Update(float dt);
    // The screen list at (0, 0), then the scene list offset by (ox, oy).
    static void Draw(float ox, float oy);
    static void Clear();
    // First particle with that id in the screen list, then in the scene list; null if none.
    static Particle* GetParticle(const std::string& id);
    static const std::vector<ParticlePtr>& ScreenParticles();
    static const std::vector<ParticlePtr>& SceneParticles();
};

// A sparkle that rises and fades in, in a random light colour: the hotspots' and the camera move's
// glitter. Speed and slowing are drawn from the given ranges.
void SetUpRisingSparkle(DotParticle& p, float speed_min, float speed_max, float dec_min, float dec_max);

// A spark of a burst: starts on the circle of `radius` around (x, y) at a random angle and flies
// outward at a speed drawn from [speed_min, speed_max), fully opaque, in a random light colour.
void SetUpSpark(DotParticle& p, float x, float y, float radius, float gravity, float speed_min, float speed_max,
                float dec_speed, float dec_alpha);
