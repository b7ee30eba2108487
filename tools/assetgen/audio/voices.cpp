#include "voices.h"

#include <algorithm>
#include <cmath>

namespace {

size_t SamplesFor(float seconds) { return static_cast<size_t>(std::max(0.0f, seconds) * kSampleRate) + 1; }

// Gentle vibrato: depth in fractions of the frequency, fading in after `delay` seconds.
float Vibrato(float t, float rate, float depth, float delay) {
    if (t < delay) return 0.0f;
    float ramp = std::min(1.0f, (t - delay) / 0.3f);
    return depth * ramp * SineWave(t * rate);
}

}  // namespace

Samples RenderPluck(float freq, float hold, float velocity, float brightness, uint32_t seed) {
    // Karplus-Strong: a noise burst circulating through a delay line of one period with a two-tap
    // averaging filter. The period is read with linear interpolation for accurate tuning.
    const float release = 0.12f;
    float length_s = std::min(hold + release, 4.0f);
    Samples out(SamplesFor(length_s), 0.0f);
    double period = static_cast<double>(kSampleRate) / freq;
    double line = period - 0.5;  // the averaging filter adds half a sample
    int whole = static_cast<int>(line);
    float frac = static_cast<float>(line - whole);
    SynthRng rng(seed);
    OnePoleLowPass shape(400.0f + 6000.0f * brightness * velocity);
    int burst = static_cast<int>(std::ceil(period)) + 2;
    for (int i = 0; i < burst && i < static_cast<int>(out.size()); ++i) out[i] = shape.Process(rng.Signed());
    // Loss per period: longer sustain for low notes, a little shorter for bright plucks.
    float loss = 0.996f - 0.002f * brightness;
    auto read = [&](int n) { return n >= 0 ? out[n] : 0.0f; };
    for (int n = burst; n < static_cast<int>(out.size()); ++n) {
        float a = read(n - whole) * (1.0f - frac) + read(n - whole - 1) * frac;
        float b = read(n - whole - 1) * (1.0f - frac) + read(n - whole - 2) * frac;
        out[n] = loss * 0.5f * (a + b);
    }
    RemoveDc(out);
    Adsr env{0.002f, 0.0f, 1.0f, release};
    Samples curve = env.Curve(hold, out.size());
    for (size_t n = 0; n < out.size(); ++n) out[n] *= velocity * 2.2f * curve[n];
    return out;
}

Samples RenderBell(float freq, float hold, float velocity, float decay_scale) {
    // Additive chime: slightly inharmonic partials, each decaying at its own rate.
    struct Partial {
        float ratio, amp, decay;
    };
    static const Partial partials[] = {{1.0f, 1.0f, 1.6f},  {2.0f, 0.45f, 0.9f}, {2.76f, 0.3f, 0.6f},
                                       {4.07f, 0.18f, 0.35f}, {5.4f, 0.1f, 0.22f}, {0.5f, 0.12f, 1.2f}};
    float length_s = std::min(2.5f * decay_scale + 0.2f, 5.0f);
    Samples out(SamplesFor(length_s), 0.0f);
    (void)hold;
    for (const auto& p : partials) {
        float f = freq * p.ratio;
        if (f > 16000.0f) continue;
        float d = p.decay * decay_scale * std::min(1.0f, 600.0f / std::max(freq, 200.0f) + 0.35f);
        float k = std::exp(-1.0f / (d * kSampleRate));
        float g = p.amp;
        double phase = 0.0, step = f / static_cast<double>(kSampleRate);
        for (size_t n = 0; n < out.size(); ++n) {
            out[n] += g * SineWave(phase);
            phase += step;
            g *= k;
        }
    }
    size_t attack = SamplesFor(0.002f);
    for (size_t n = 0; n < out.size(); ++n) {
        float a = n < attack ? n / static_cast<float>(attack) : 1.0f;
        float tail = n + 400 > out.size() ? (out.size() - n) / 400.0f : 1.0f;
        out[n] *= velocity * 0.45f * a * tail;
    }
    return out;
}

Samples RenderMarimba(float freq, float hold, float velocity) {
    (void)hold;
    Samples out(SamplesFor(0.9f), 0.0f);
    double p1 = 0.0, p2 = 0.0, p3 = 0.0;
    double s1 = freq / static_cast<double>(kSampleRate);
    float g1 = 1.0f, g2 = 0.35f, g3 = 0.08f;
    float k1 = std::exp(-1.0f / (0.28f * kSampleRate));
    float k2 = std::exp(-1.0f / (0.05f * kSampleRate));
    float k3 = std::exp(-1.0f / (0.02f * kSampleRate));
    size_t attack = SamplesFor(0.002f);
    for (size_t n = 0; n < out.size(); ++n) {
        float a = n < attack ? n / static_cast<float>(attack) : 1.0f;
        float tail = n + 600 > out.size() ? (out.size() - n) / 600.0f : 1.0f;
        out[n] = (g1 * SineWave(p1) + g2 * SineWave(p2) + g3 * SineWave(p3)) * a * tail * velocity * 0.6f;
        p1 += s1;
        p2 += s1 * 3.93;
        p3 += s1 * 9.2;
        g1 *= k1;
        g2 *= k2;
        g3 *= k3;
    }
    return out;
}

Samples RenderFlute(float freq, float hold, float velocity, float breath, uint32_t seed) {
    static const WaveTable flute_tone({1.0f, 0.22f, 0.07f});
    Adsr env{0.06f, 0.2f, 0.85f, 0.12f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    SynthRng rng(seed);
    BandPass noise_colour(freq * 2.0f, 1.5f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float e = curve[n];
        // A little overshoot of breath at the start, then a steady hiss.
        float chiff = t < 0.08f ? 1.0f - t / 0.08f : 0.0f;
        float f = freq * (1.0f + Vibrato(t, 5.2f, 0.004f, 0.25f));
        float tone = flute_tone.At(phase);
        float air = noise_colour.Process(rng.Signed()) * (breath + chiff * 0.6f);
        out[n] = (tone + air) * e * velocity * 0.42f;
        phase += f / static_cast<double>(kSampleRate);
    }
    return out;
}

Samples RenderPad(float freq, float hold, float velocity, float cutoff_hz) {
    Adsr env{0.45f, 0.6f, 0.85f, 0.9f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    int harmonics = std::max(1, std::min(10, static_cast<int>(cutoff_hz * 1.5f / freq)));
    OnePoleLowPass lp(cutoff_hz);
    double p1 = 0.0, p2 = 0.31, p3 = 0.67;
    double s = freq / static_cast<double>(kSampleRate);
    for (size_t n = 0; n < out.size(); ++n) {
        float x = SoftSawWave(p1, harmonics) + SoftSawWave(p2, harmonics) * 0.8f + SineWave(p3 * 0.5) * 0.5f;
        out[n] = lp.Process(x) * curve[n] * velocity * 0.22f;
        p1 += s * 1.0025;
        p2 += s * 0.9975;
        p3 += s;
    }
    return out;
}

Samples RenderBass(float freq, float hold, float velocity) {
    Adsr env{0.006f, 0.35f, 0.55f, 0.08f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    double phase = 0.0, s = freq / static_cast<double>(kSampleRate);
    OnePoleLowPass lp(900.0f);
    // The plucky overtone dies away (time constant 1/6 s).
    float overtone = 0.35f;
    const float overtone_decay = std::exp(-6.0f / kSampleRate);
    for (size_t n = 0; n < out.size(); ++n) {
        float x = SineWave(phase) + overtone * TriangleWave(phase * 2.0);
        out[n] = lp.Process(x) * curve[n] * velocity * 0.4f;
        overtone *= overtone_decay;
        phase += s;
    }
    return out;
}

Samples RenderOrgan(float freq, float hold, float velocity) {
    static const WaveTable organ_tone({0.7f, 0.3f, 0.15f, 0.06f});
    Adsr env{0.5f, 0.5f, 0.9f, 1.0f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    double phase = 0.0, s = freq / static_cast<double>(kSampleRate);
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float swell = 1.0f + 0.08f * SineWave(t * 0.25f);
        float x = organ_tone.At(phase);
        out[n] = x * swell * curve[n] * velocity * 0.4f;
        phase += s;
    }
    return out;
}

Samples RenderHorn(float freq, float hold, float velocity) {
    // Brass-like: a soft saw whose brightness follows the envelope.
    Adsr env{0.09f, 0.3f, 0.8f, 0.18f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    int harmonics = std::max(1, std::min(8, static_cast<int>(2400.0f / freq)));
    OnePoleLowPass lp(600.0f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float e = curve[n];
        if (n % 32 == 0) lp.SetCutoff(250.0f + 1600.0f * e * velocity);
        float f = freq * (1.0f + Vibrato(t, 4.5f, 0.003f, 0.35f));
        out[n] = lp.Process(SoftSawWave(phase, harmonics)) * e * velocity * 0.55f;
        phase += f / static_cast<double>(kSampleRate);
    }
    return out;
}

Samples RenderFiddle(float freq, float hold, float velocity) {
    Adsr env{0.04f, 0.15f, 0.8f, 0.12f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    int harmonics = std::max(1, std::min(12, static_cast<int>(5000.0f / freq)));
    OnePoleLowPass lp(2600.0f);
    BandPass body(1100.0f, 0.9f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float f = freq * (1.0f + Vibrato(t, 5.8f, 0.005f, 0.15f));
        float x = lp.Process(SoftSawWave(phase, harmonics));
        out[n] = (x + 0.4f * body.Process(x)) * curve[n] * velocity * 0.4f;
        phase += f / static_cast<double>(kSampleRate);
    }
    return out;
}

Samples RenderSquareLead(float freq, float hold, float velocity) {
    Adsr env{0.015f, 0.2f, 0.7f, 0.1f};
    Samples out(SamplesFor(env.Length(hold)), 0.0f);
    Samples curve = env.Curve(hold, out.size());
    OnePoleLowPass lp(2200.0f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float f = freq * (1.0f + Vibrato(t, 5.5f, 0.004f, 0.2f));
        out[n] = lp.Process(SoftSquareWave(phase)) * curve[n] * velocity * 0.3f;
        phase += f / static_cast<double>(kSampleRate);
    }
    return out;
}

Samples RenderKick(float velocity) {
    Samples out(SamplesFor(0.35f), 0.0f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float f = 48.0f + 90.0f * std::exp(-t * 30.0f);
        float a = std::min(1.0f, t / 0.002f) * std::exp(-t * 9.0f);
        float tail = n + 300 > out.size() ? (out.size() - n) / 300.0f : 1.0f;
        out[n] = SineWave(phase) * a * tail * velocity * 0.9f;
        phase += f / kSampleRate;
    }
    return out;
}

Samples RenderShaker(float velocity, uint32_t seed) {
    Samples out(SamplesFor(0.12f), 0.0f);
    SynthRng rng(seed);
    OnePoleHighPass hp1(3500.0f), hp2(3500.0f);
    OnePoleLowPass lp(9000.0f);
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float a = std::min(1.0f, t / 0.012f) * std::exp(-t * 45.0f);
        out[n] = lp.Process(hp2.Process(hp1.Process(rng.Signed()))) * a * velocity * 2.0f;
    }
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples RenderWoodblock(float freq, float velocity) {
    Samples out(SamplesFor(0.15f), 0.0f);
    double p = 0.0, s = freq / static_cast<double>(kSampleRate);
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float a = std::min(1.0f, t / 0.001f) * std::exp(-t * 40.0f);
        out[n] = (SineWave(p) + 0.3f * SineWave(p * 2.57) * std::exp(-t * 60.0f)) * a * velocity * 0.8f;
        p += s;
    }
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples RenderSnare(float velocity, uint32_t seed) {
    Samples out(SamplesFor(0.25f), 0.0f);
    SynthRng rng(seed);
    BandPass colour(2500.0f, 0.7f);
    double p = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float a = std::min(1.0f, t / 0.002f);
        float noise = colour.Process(rng.Signed()) * std::exp(-t * 18.0f);
        float body = SineWave(p) * std::exp(-t * 25.0f);
        out[n] = (noise * 0.9f + body * 0.5f) * a * velocity * 1.2f;
        p += (185.0f + 40.0f * std::exp(-t * 40.0f)) / kSampleRate;
    }
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples RenderTom(float freq, float velocity, uint32_t seed) {
    Samples out(SamplesFor(0.6f), 0.0f);
    SynthRng rng(seed);
    OnePoleLowPass thump(500.0f);
    double p = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float a = std::min(1.0f, t / 0.003f);
        float f = freq * (1.0f + 0.5f * std::exp(-t * 20.0f));
        float tone = SineWave(p) * std::exp(-t * 5.5f);
        float skin = thump.Process(rng.Signed()) * std::exp(-t * 30.0f);
        out[n] = (tone + skin * 0.8f) * a * velocity * 0.7f;
        p += f / kSampleRate;
    }
    FadeEdges(out, 0.0f, 0.02f);
    return out;
}

Samples RenderTambourine(float velocity, uint32_t seed) {
    Samples out(SamplesFor(0.22f), 0.0f);
    SynthRng rng(seed);
    OnePoleHighPass hp(6000.0f);
    double p1 = 0.0, p2 = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float a = std::min(1.0f, t / 0.003f) * std::exp(-t * 22.0f);
        float jingle = SineWave(p1) * 0.3f + SineWave(p2) * 0.2f;
        out[n] = (hp.Process(rng.Signed()) + jingle * std::exp(-t * 10.0f)) * a * velocity * 1.0f;
        p1 += 5400.0 / kSampleRate;
        p2 += 7900.0 / kSampleRate;
    }
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples RenderWind(float freq, float hold, float velocity, uint32_t seed) {
    Samples out(SamplesFor(hold), 0.0f);
    SynthRng rng(seed);
    BandPass low_band(freq, 1.2f), high_band(freq * 2.1f, 2.0f);
    OnePoleLowPass gust(3.0f);  // slow random flutter of the level
    OnePoleLowPass soften(2500.0f);
    const float length = static_cast<float>(out.size()) / kSampleRate;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float swell = 0.5f - 0.5f * std::cos(2.0f * 3.14159265f * t / length);  // 0 -> 1 -> 0
        float noise = rng.Signed();
        float flutter = 0.7f + 6.0f * gust.Process(rng.Signed());
        float air = soften.Process(low_band.Process(noise) + 0.35f * high_band.Process(noise));
        out[n] = air * swell * flutter * velocity * 1.6f;
    }
    return out;
}

Samples RenderBird(float freq, float velocity, uint32_t seed) {
    SynthRng rng(seed);
    int chirps = 2 + static_cast<int>(rng.Uniform() * 3.0f);
    const float chirp = 0.07f, gap = 0.045f;
    Samples out(SamplesFor(chirps * (chirp + gap) + 0.05f), 0.0f);
    for (int c = 0; c < chirps; ++c) {
        float base = freq * (0.92f + 0.16f * rng.Uniform());
        size_t at = static_cast<size_t>(c * (chirp + gap) * kSampleRate);
        double phase = 0.0;
        size_t count = static_cast<size_t>(chirp * kSampleRate);
        for (size_t n = 0; n < count && at + n < out.size(); ++n) {
            float u = static_cast<float>(n) / count;
            float f = base * (1.0f + 0.45f * u * u);
            float env = std::sin(3.14159265f * u);
            out[at + n] += (SineWave(phase) + 0.1f * SineWave(phase * 2.0)) * env * env * velocity * 0.3f;
            phase += f / kSampleRate;
        }
    }
    return out;
}
