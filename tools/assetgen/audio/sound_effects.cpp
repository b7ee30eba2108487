#include "sound_effects.h"

#include <algorithm>
#include <cmath>

#include "song.h"
#include "voices.h"

namespace {

size_t Secs(float seconds) { return static_cast<size_t>(seconds * kSampleRate); }

// Raised-cosine envelope: rises over `attack`, falls over the rest of `length` seconds.
float Swell(float t, float attack, float length) {
    if (t <= 0.0f || t >= length) return 0.0f;
    if (t < attack) return 0.5f - 0.5f * std::cos(3.14159265f * t / attack);
    return 0.5f + 0.5f * std::cos(3.14159265f * (t - attack) / (length - attack));
}

// A sung syllable: a glottal-like harmonic series shaped by three vowel formants (additive, so it is
// exact and cheap), with a small pitch glide. Kept short and mellow so it still sounds like a voice
// when the game plays it 0.98-1.3 times faster.
Samples Syllable(float f0_start, float f0_end, float seconds, float f1, float f2, float f3, float breath,
                 uint32_t seed) {
    Samples out(Secs(seconds), 0.0f);
    struct Formant {
        float centre, width, gain;
    };
    const Formant formants[] = {{f1, 90.0f, 1.0f}, {f2, 120.0f, 0.55f}, {f3, 180.0f, 0.2f}};
    SynthRng rng(seed);
    BandPass air(f2, 2.0f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float u = t / seconds;
        float f0 = f0_start + (f0_end - f0_start) * u;
        float sum = 0.0f;
        for (int k = 1; k * f0 < 3800.0f; ++k) {
            float fk = k * f0;
            float amp = 0.0f;
            for (const Formant& fm : formants) {
                float d = (fk - fm.centre) / fm.width;
                amp += fm.gain / (1.0f + d * d);
            }
            sum += amp / std::sqrt(static_cast<float>(k)) * SineWave(phase * k);
        }
        float env = Swell(t, seconds * 0.18f, seconds);
        out[n] = (sum + air.Process(rng.Signed()) * breath) * env;
        phase += f0 / kSampleRate;
    }
    return out;
}

Samples Blip(float f_start, float f_end, float seconds, float decay_rate, float second_harmonic) {
    Samples out(Secs(seconds), 0.0f);
    double phase = 0.0;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float f = f_end + (f_start - f_end) * std::exp(-t * 25.0f);
        float a = std::min(1.0f, t / 0.002f) * std::exp(-t * decay_rate);
        out[n] = (SineWave(phase) + second_harmonic * SineWave(phase * 2.0)) * a;
        phase += f / kSampleRate;
    }
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples Note(Instrument instrument, const char* name, float hold, float velocity) {
    return RenderInstrumentNote(instrument, static_cast<float>(ParseNoteName(name)), hold, velocity, 7u);
}

void Normalize(Samples& samples, float peak) {
    float current = PeakOf(samples);
    if (current > 0.0f) Scale(samples, peak / current);
}

Samples Hover() { return Blip(2100.0f, 1600.0f, 0.05f, 90.0f, 0.15f); }

Samples Click() {
    Samples out = RenderWoodblock(1150.0f, 1.0f);
    MixInto(out, Blip(420.0f, 300.0f, 0.07f, 70.0f, 0.0f), 0, 0.6f);
    return out;
}

Samples Talk() {
    Samples out(Secs(0.16f), 0.0f);
    MixInto(out, Blip(420.0f, 560.0f, 0.07f, 45.0f, 0.2f), 0, 1.0f);
    MixInto(out, Blip(630.0f, 800.0f, 0.08f, 45.0f, 0.2f), Secs(0.065f), 0.9f);
    FadeEdges(out, 0.0f, 0.01f);
    return out;
}

Samples Rustle() {
    // Leaves brushing: crackly band-passed noise under a soft swell, with a faint glint on top.
    Samples out(Secs(0.22f), 0.0f);
    SynthRng rng(105);
    BandPass leaves(3200.0f, 1.2f);
    float crackle = 0.0f;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        if (rng.Uniform() < 0.004f) crackle = 1.0f;
        crackle *= 0.995f;
        out[n] = leaves.Process(rng.Signed()) * (0.35f + crackle) * Swell(t, 0.05f, 0.22f);
    }
    MixInto(out, Note(Instrument::kCelesta, "e7", 0.05f, 0.12f), Secs(0.02f), 1.0f);
    FadeEdges(out, 0.0f, 0.02f);
    return out;
}

Samples Arpeggio(Instrument instrument, const char* const* names, int count, float spacing, float hold,
                 float seconds) {
    Samples out(Secs(seconds), 0.0f);
    for (int i = 0; i < count; ++i) {
        MixInto(out, Note(instrument, names[i], hold, 0.8f + 0.05f * i), Secs(spacing * i), 1.0f);
    }
    FadeEdges(out, 0.0f, 0.05f);
    return out;
}

Samples GotItem() {
    static const char* const notes[] = {"c6", "e6", "g6", "c7"};
    return Arpeggio(Instrument::kCelesta, notes, 4, 0.07f, 0.3f, 1.3f);
}

Samples Notice() {
    static const char* const notes[] = {"g5", "d6"};
    return Arpeggio(Instrument::kBell, notes, 2, 0.12f, 0.4f, 1.4f);
}

Samples Fanfare() {
    static const char* const notes[] = {"c5", "e5", "g5"};
    Samples out = Arpeggio(Instrument::kHarp, notes, 3, 0.09f, 0.6f, 2.0f);
    for (const char* n : {"c6", "e6", "g6"}) MixInto(out, Note(Instrument::kBell, n, 1.0f, 0.7f), Secs(0.27f), 0.8f);
    MixInto(out, Note(Instrument::kCelesta, "c7", 0.5f, 0.5f), Secs(0.33f), 0.6f);
    FadeEdges(out, 0.0f, 0.1f);
    return out;
}

Samples Whoosh() {
    // Air sweeping past (band-pass noise gliding up and down) and a harp glissando.
    const float length = 1.5f;
    Samples out(Secs(length), 0.0f);
    SynthRng rng(109);
    float low = 0.0f, band = 0.0f;
    for (size_t n = 0; n < out.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float centre = 500.0f + 2200.0f * std::sin(3.14159265f * std::min(1.0f, t / 1.1f));
        float f = 2.0f * std::sin(3.14159265f * centre / kSampleRate);
        low += f * band;
        float high = rng.Signed() - low - 0.8f * band;
        band += f * high;
        out[n] = band * 0.5f * Swell(t, 0.5f, 1.2f);
    }
    static const char* const gliss[] = {"c5", "d5", "e5", "g5", "a5", "c6", "d6", "e6"};
    for (int i = 0; i < 8; ++i) {
        MixInto(out, Note(Instrument::kHarp, gliss[i], 0.4f, 0.45f), Secs(0.25f + 0.045f * i), 0.8f);
    }
    FadeEdges(out, 0.0f, 0.1f);
    return out;
}

Samples Feed() {
    // Three munches: a falling plop each with a crunchy grain of low noise.
    Samples out(Secs(0.5f), 0.0f);
    SynthRng rng(110);
    for (int i = 0; i < 3; ++i) {
        size_t at = Secs(0.13f * i);
        MixInto(out, Blip(700.0f - 60.0f * i, 240.0f, 0.09f, 35.0f, 0.1f), at, 0.8f - 0.1f * i);
        OnePoleLowPass lp(1800.0f);
        for (size_t n = 0; n < Secs(0.04f) && at + n < out.size(); ++n) {
            float t = n / static_cast<float>(kSampleRate);
            out[at + n] += lp.Process(rng.Signed()) * 0.5f * std::exp(-t * 80.0f);
        }
    }
    FadeEdges(out, 0.0f, 0.02f);
    return out;
}

Samples Hurt() {
    Samples out = RenderTom(110.0f, 1.0f, 111);
    out.resize(Secs(0.45f), 0.0f);
    Samples tone(Secs(0.35f), 0.0f);
    OnePoleLowPass lp(1400.0f);
    double phase = 0.0;
    for (size_t n = 0; n < tone.size(); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        float f = 440.0f * std::pow(0.5f, t / 0.3f);
        tone[n] = lp.Process(SoftSquareWave(phase)) * Swell(t, 0.01f, 0.35f);
        phase += f / kSampleRate;
    }
    MixInto(out, tone, Secs(0.01f), 0.5f);
    FadeEdges(out, 0.0f, 0.03f);
    return out;
}

Samples Warning() {
    Samples out(Secs(0.75f), 0.0f);
    const float freqs[] = {659.25f, 523.25f};  // E5 then C5: "uh-oh"
    for (int i = 0; i < 2; ++i) {
        OnePoleLowPass lp(1800.0f);
        double phase = 0.0;
        size_t at = Secs(0.24f * i);
        float length = i == 0 ? 0.22f : 0.45f;
        for (size_t n = 0; n < Secs(length); ++n) {
            float t = n / static_cast<float>(kSampleRate);
            float v = 1.0f + 0.006f * SineWave(t * 6.0f);
            out[at + n] += lp.Process(SoftSquareWave(phase)) * Swell(t, 0.015f, length);
            phase += freqs[i] * v / kSampleRate;
        }
    }
    FadeEdges(out, 0.0f, 0.02f);
    return out;
}

Samples Breed() {
    // A cute warble: two rising, trilling coos and a little heart chime.
    Samples out(Secs(1.3f), 0.0f);
    for (int i = 0; i < 2; ++i) {
        size_t at = Secs(0.35f * i);
        float base = 560.0f * (i == 0 ? 1.0f : 1.26f);
        double phase = 0.0;
        const float length = 0.32f;
        for (size_t n = 0; n < Secs(length); ++n) {
            float t = n / static_cast<float>(kSampleRate);
            float f = base * (1.0f + 0.5f * t / length) * (1.0f + 0.035f * SineWave(t * 11.0f));
            out[at + n] += (SineWave(phase) + 0.2f * SineWave(phase * 2.0)) * Swell(t, 0.05f, length) * 0.7f;
            phase += f / kSampleRate;
        }
    }
    MixInto(out, Note(Instrument::kCelesta, "e6", 0.2f, 0.6f), Secs(0.72f), 0.8f);
    MixInto(out, Note(Instrument::kCelesta, "a6", 0.2f, 0.6f), Secs(0.8f), 0.8f);
    FadeEdges(out, 0.0f, 0.05f);
    return out;
}

Samples Purchase() {
    Samples out(Secs(0.9f), 0.0f);
    MixInto(out, Note(Instrument::kCelesta, "b6", 0.1f, 0.8f), 0, 1.0f);
    MixInto(out, Note(Instrument::kBell, "e7", 0.4f, 0.9f), Secs(0.075f), 1.0f);
    SynthRng rng(116);
    OnePoleHighPass hp(5000.0f);
    for (size_t n = 0; n < Secs(0.08f); ++n) {
        float t = n / static_cast<float>(kSampleRate);
        out[Secs(0.075f) + n] += hp.Process(rng.Signed()) * 0.2f * std::exp(-t * 50.0f);
    }
    FadeEdges(out, 0.0f, 0.05f);
    return out;
}

Samples Refuse() {
    Samples out(Secs(0.45f), 0.0f);
    MixInto(out, Note(Instrument::kMarimba, "a3", 0.1f, 0.9f), 0, 1.0f);
    MixInto(out, Note(Instrument::kMarimba, "e3", 0.1f, 0.9f), Secs(0.14f), 1.0f);
    FadeEdges(out, 0.0f, 0.1f);
    return out;
}

Samples Charge() {
    // Exactly one second of a humming chord whose every component (partials, tremolo, shimmer)
    // completes a whole number of cycles per second: the end joins the start exactly.
    Samples out(kSampleRate, 0.0f);
    struct Part {
        double hz;
        float amp;
    };
    const Part parts[] = {{110.0, 0.5f}, {220.0, 0.3f}, {330.0, 0.16f}, {165.0, 0.2f}, {440.0, 0.06f}};
    for (size_t n = 0; n < out.size(); ++n) {
        double t = static_cast<double>(n) / kSampleRate;
        float sum = 0.0f;
        for (const Part& p : parts) sum += p.amp * SineWave(p.hz * t);
        float tremolo = 0.8f + 0.2f * SineWave(6.0 * t);
        float shimmer = 0.05f * SineWave(880.0 * t) * (0.5f + 0.5f * SineWave(2.0 * t));
        out[n] = sum * tremolo + shimmer;
    }
    return out;
}

}  // namespace

Samples SynthesizeSoundEffect(int id) {
    Samples s;
    float peak = 0.5f;
    switch (id) {
        case 100: s = Hover(); peak = 0.3f; break;
        case 101: s = Syllable(230.0f, 205.0f, 0.085f, 730.0f, 1150.0f, 2500.0f, 0.02f, 101); peak = 0.45f; break;
        case 102: s = Syllable(205.0f, 225.0f, 0.075f, 480.0f, 880.0f, 2400.0f, 0.02f, 102); peak = 0.45f; break;
        case 103: s = Click(); peak = 0.45f; break;
        case 104: s = Talk(); peak = 0.4f; break;
        case 105: s = Rustle(); peak = 0.25f; break;
        case 106: s = GotItem(); peak = 0.55f; break;
        case 107: s = Notice(); peak = 0.5f; break;
        case 108: s = Fanfare(); peak = 0.6f; break;
        case 109: s = Whoosh(); peak = 0.5f; break;
        case 110: s = Feed(); peak = 0.5f; break;
        case 111: s = Hurt(); peak = 0.6f; break;
        case 112: s = Warning(); peak = 0.45f; break;
        case 113: s = Syllable(185.0f, 170.0f, 0.07f, 380.0f, 820.0f, 2300.0f, 0.03f, 113); peak = 0.4f; break;
        case 114: s = Syllable(175.0f, 185.0f, 0.065f, 450.0f, 1700.0f, 2500.0f, 0.03f, 114); peak = 0.4f; break;
        case 115: s = Breed(); peak = 0.5f; break;
        case 116: s = Purchase(); peak = 0.5f; break;
        case 117: s = Refuse(); peak = 0.5f; break;
        case 118: s = Charge(); peak = 0.4f; break;
        default: return {};
    }
    // Every one-shot effect starts and ends on silence (no click); the charge hum is a seamless loop.
    if (id != 118) FadeEdges(s, 0.002f, 0.004f);
    Normalize(s, peak);
    return s;
}
