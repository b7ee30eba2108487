// A small Schroeder/Freeverb-style room: parallel damped comb filters into series all-pass filters,
// with slightly different delay lengths per side for a stereo spread.
#pragma once

#include "synth.h"

class Reverb {
public:
    // `room` 0..0.9 sets the tail length, `damping` 0..1 how quickly high frequencies die away.
    Reverb(float room, float damping);

    // Processes a mono send into a stereo wet signal (added to `left` and `right` times `wet`).
    // When `looped` is true the input is treated as one period of an endless loop: the filters run
    // over it twice and the second pass is kept, so the tail of the end rings on into the start and
    // the loop point stays seamless.
    void Apply(const Samples& send, Samples& left, Samples& right, float wet, bool looped);

private:
    struct Comb {
        std::vector<float> line;
        size_t pos = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        size_t pos = 0;
    };
    struct Side {
        std::vector<Comb> combs;
        std::vector<AllPass> allpasses;
    };

    // Runs one side's filters over `count` samples of `in`, writing the wet signal to `out`.
    void ProcessSide(Side& side, const float* in, float* out, size_t count);
    void Reset();

    float feedback;
    float damp;
    Side sides[2];
};
