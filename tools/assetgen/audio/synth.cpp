#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTableSize = 4096;

// One cycle of a sine, with a guard entry for interpolation.
const std::array<float, kTableSize + 1>& SineTable() {
    static const std::array<float, kTableSize + 1> table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) t[i] = static_cast<float>(std::sin(2.0 * kPi * i / kTableSize));
        return t;
    }();
    return table;
}

}  // namespace

uint32_t SynthRng::Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

float SynthRng::Uniform() { return static_cast<float>(Next() >> 8) / 16777216.0f; }

float SynthRng::Signed() { return Uniform() * 2.0f - 1.0f; }

float SineWave(double phase) {
    double frac = phase - std::floor(phase);
    double pos = frac * kTableSize;
    int index = static_cast<int>(pos);
    if (index >= kTableSize) index = kTableSize - 1;
    float t = static_cast<float>(pos - index);
    const auto& table = SineTable();
    return table[index] + (table[index + 1] - table[index]) * t;
}

float TriangleWave(double phase) {
    float frac = static_cast<float>(phase - std::floor(phase));
    return frac < 0.5f ? 4.0f * frac - 1.0f : 3.0f - 4.0f * frac;
}

float SoftSquareWave(double phase) {
    float s = SineWave(phase);
    float shaped = s * (1.5f - 0.5f * s * s);
    return shaped * (1.5f - 0.5f * shaped * shaped);
}

WaveTable::WaveTable(const std::vector<float>& amplitudes) : table(kTableSize + 1, 0.0f) {
    for (int i = 0; i <= kTableSize; ++i) {
        double sum = 0.0;
        for (size_t h = 0; h < amplitudes.size(); ++h) {
            sum += amplitudes[h] * std::sin(2.0 * kPi * static_cast<double>(h + 1) * i / kTableSize);
        }
        table[i] = static_cast<float>(sum);
    }
}

float WaveTable::At(double phase) const {
    double frac = phase - std::floor(phase);
    double pos = frac * kTableSize;
    int index = std::min(static_cast<int>(pos), kTableSize - 1);
    float t = static_cast<float>(pos - index);
    return table[index] + (table[index + 1] - table[index]) * t;
}

float SoftSawWave(double phase, int harmonics) {
    constexpr int kMaxHarmonics = 16;
    static const std::vector<WaveTable> saws = [] {
        std::vector<WaveTable> tables;
        for (int n = 0; n <= kMaxHarmonics; ++n) {
            std::vector<float> amps;
            for (int h = 1; h <= n; ++h) amps.push_back(0.6f / h);
            tables.emplace_back(amps);
        }
        return tables;
    }();
    return saws[std::clamp(harmonics, 0, kMaxHarmonics)].At(phase);
}

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float Adsr::At(float t, float hold) const {
    auto before_release = [this](float time) {
        if (time < attack) return attack > 0.0f ? time / attack : 1.0f;
        float d = time - attack;
        if (decay <= 0.0f) return sustain;
        return sustain + (1.0f - sustain) * std::exp(-d / decay);
    };
    if (t < 0.0f) return 0.0f;
    if (t < hold) return before_release(t);
    float level = before_release(hold);
    if (release <= 0.0f) return 0.0f;
    float r = (t - hold) / release;
    if (r >= 1.0f) return 0.0f;
    // Smooth (cosine) release so the note never ends in a corner.
    return level * 0.5f * (1.0f + std::cos(static_cast<float>(kPi) * r));
}

Samples Adsr::Curve(float hold, size_t count) const {
    constexpr size_t kStep = 32;
    Samples curve(count, 0.0f);
    float previous = At(0.0f, hold);
    for (size_t start = 0; start < count; start += kStep) {
        float next = At(static_cast<float>(start + kStep) / kSampleRate, hold);
        size_t end = std::min(count, start + kStep);
        for (size_t n = start; n < end; ++n) {
            curve[n] = previous + (next - previous) * static_cast<float>(n - start) / kStep;
        }
        previous = next;
    }
    return curve;
}

OnePoleLowPass::OnePoleLowPass(float cutoff_hz) { SetCutoff(cutoff_hz); }

void OnePoleLowPass::SetCutoff(float cutoff_hz) {
    float c = std::min(cutoff_hz, kSampleRate * 0.45f);
    coefficient = 1.0f - std::exp(static_cast<float>(-2.0 * kPi) * c / kSampleRate);
}

float OnePoleLowPass::Process(float x) {
    value += coefficient * (x - value);
    return value;
}

OnePoleHighPass::OnePoleHighPass(float cutoff_hz) : low(cutoff_hz) {}

float OnePoleHighPass::Process(float x) { return x - low.Process(x); }

BandPass::BandPass(float centre_hz, float q) {
    f = 2.0f * std::sin(static_cast<float>(kPi) * std::min(centre_hz, kSampleRate * 0.2f) / kSampleRate);
    damping = 1.0f / std::max(0.5f, q);
}

float BandPass::Process(float x) {
    low += f * band;
    float high = x - low - damping * band;
    band += f * high;
    return band;
}

void MixInto(Samples& target, const Samples& source, size_t offset, float gain) {
    if (offset >= target.size()) return;
    size_t count = std::min(source.size(), target.size() - offset);
    for (size_t i = 0; i < count; ++i) target[offset + i] += source[i] * gain;
}

float PeakOf(const Samples& samples) {
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

void Scale(Samples& samples, float gain) {
    for (float& s : samples) s *= gain;
}

void RemoveDc(Samples& samples) {
    OnePoleHighPass hp(20.0f);
    for (float& s : samples) s = hp.Process(s);
}

void FadeEdges(Samples& samples, float in_seconds, float out_seconds) {
    size_t in = std::min(samples.size(), static_cast<size_t>(in_seconds * kSampleRate));
    size_t out = std::min(samples.size(), static_cast<size_t>(out_seconds * kSampleRate));
    for (size_t i = 0; i < in; ++i) samples[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out; ++i) samples[samples.size() - 1 - i] *= static_cast<float>(i) / out;
}
