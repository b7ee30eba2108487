// The building blocks of the small synthesizer behind every sound and tune: oscillators, envelopes,
// filters and buffer helpers. Randomness comes from a seeded generator, so the same call always gives
// the same samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kSampleRate = 44100;

using Samples = std::vector<float>;

// xorshift32: deterministic, identical on every platform.
class SynthRng {
public:
    explicit SynthRng(uint32_t seed) : state(seed != 0 ? seed : 0x9E3779B9u) {}
    uint32_t Next();
    float Uniform();  // [0, 1)
    float Signed();   // [-1, 1)

private:
    uint32_t state;
};

// Waveforms of a phase measured in cycles (any real number; only the fraction matters).
float SineWave(double phase);
float TriangleWave(double phase);
// A square with rounded edges: a sine pushed through a soft saturator.
float SoftSquareWave(double phase);
// Sum of the first `harmonics` sine harmonics with 1/n amplitudes (a band-limited, mellow saw).
float SoftSawWave(double phase, int harmonics);

// One cycle of a fixed mix of sine harmonics (amplitudes[0] = fundamental), read with linear
// interpolation: as cheap as a sine however many harmonics it holds.
class WaveTable {
public:
    explicit WaveTable(const std::vector<float>& amplitudes);
    float At(double phase) const;

private:
    std::vector<float> table;
};

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double MidiToHz(double midi);

// Attack-decay-sustain-release gain curve for a note held `hold` seconds; the release starts at
// `hold` from whatever level the curve has reached. Times in seconds.
struct Adsr {
    float attack = 0.01f;
    float decay = 0.1f;
    float sustain = 1.0f;
    float release = 0.1f;

    float At(float t, float hold) const;
    // The curve sampled at kSampleRate for `count` samples (computed every few samples and
    // interpolated in between: cheap, and smooth enough for any note).
    Samples Curve(float hold, size_t count) const;
    // Length of the whole curve, release included.
    float Length(float hold) const { return hold + release; }
};

// One-pole low-pass and high-pass filters (6 dB/octave).
class OnePoleLowPass {
public:
    explicit OnePoleLowPass(float cutoff_hz);
    void SetCutoff(float cutoff_hz);
    float Process(float x);

private:
    float coefficient = 0.0f;
    float value = 0.0f;
};

class OnePoleHighPass {
public:
    explicit OnePoleHighPass(float cutoff_hz);
    float Process(float x);

private:
    OnePoleLowPass low;
};

// Two-pole resonant band-pass (state-variable filter), used for vowel formants and noise colours.
class BandPass {
public:
    BandPass(float centre_hz, float q);
    float Process(float x);

private:
    float f = 0.0f;
    float damping = 0.0f;
    float low = 0.0f;
    float band = 0.0f;
};

// Buffer helpers.
void MixInto(Samples& target, const Samples& source, size_t offset, float gain);
float PeakOf(const Samples& samples);
void Scale(Samples& samples, float gain);
// Removes DC and rumble below ~20 Hz.
void RemoveDc(Samples& samples);
// Fades the first and last `seconds` linearly so the buffer starts and ends at silence.
void FadeEdges(Samples& samples, float in_seconds, float out_seconds);
