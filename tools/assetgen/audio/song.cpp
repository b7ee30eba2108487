#include "song.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <tuple>

#include "reverb.h"
#include "voices.h"

namespace {

constexpr size_t kInstrumentCount = static_cast<size_t>(Instrument::kCount);
constexpr double kBeatsPerBar = 4.0;

bool IsDrum(Instrument instrument) {
    switch (instrument) {
        case Instrument::kKick:
        case Instrument::kShaker:
        case Instrument::kWoodblock:
        case Instrument::kSnare:
        case Instrument::kTom:
        case Instrument::kTambourine:
            return true;
        default:
            return false;
    }
}

// Voices whose output is exactly proportional to velocity (the plucked strings and the horn also
// brighten when played harder).
bool IsVelocityLinear(Instrument instrument) {
    return instrument != Instrument::kGuitar && instrument != Instrument::kHarp && instrument != Instrument::kHorn;
}

bool UsesNoise(Instrument instrument) {
    switch (instrument) {
        case Instrument::kGuitar:
        case Instrument::kHarp:
        case Instrument::kFlute:
        case Instrument::kPanFlute:
        case Instrument::kShaker:
        case Instrument::kSnare:
        case Instrument::kTom:
        case Instrument::kTambourine:
        case Instrument::kWind:
        case Instrument::kBird:
            return true;
        default:
            return false;
    }
}

struct NoteKey {
    size_t instrument;
    int midi_cents;
    size_t hold_samples;
    int velocity_milli;
    uint32_t take;

    bool operator<(const NoteKey& o) const {
        return std::tie(instrument, midi_cents, hold_samples, velocity_milli, take) <
               std::tie(o.instrument, o.midi_cents, o.hold_samples, o.velocity_milli, o.take);
    }
};

// Default reverb send of each instrument: drums and bass stay fairly dry, chimes and pads float.
float DefaultSend(Instrument instrument) {
    switch (instrument) {
        case Instrument::kBass:
        case Instrument::kKick:
            return 0.05f;
        case Instrument::kShaker:
        case Instrument::kSnare:
        case Instrument::kTambourine:
        case Instrument::kWoodblock:
            return 0.2f;
        case Instrument::kBell:
        case Instrument::kCelesta:
        case Instrument::kPad:
        case Instrument::kHarp:
        case Instrument::kPanFlute:
        case Instrument::kWind:
            return 0.6f;
        default:
            return 0.35f;
    }
}

}  // namespace

int ParseNoteName(const std::string& name) {
    static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (name.size() < 2) return -1;
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
    if (letter < 'a' || letter > 'g') return -1;
    int pc = kSemitone[letter - 'a'];
    size_t i = 1;
    if (name[i] == '#') {
        ++pc;
        ++i;
    } else if (name[i] == 'b' && i + 1 < name.size()) {
        --pc;
        ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '9') return -1;
    int octave = name[i] - '0';
    return 12 * (octave + 1) + pc;
}

Samples RenderInstrumentNote(Instrument instrument, float midi, float hold, float velocity, uint32_t seed) {
    float f = static_cast<float>(MidiToHz(midi));
    switch (instrument) {
        case Instrument::kGuitar: return RenderPluck(f, hold, velocity, 0.35f, seed);
        case Instrument::kHarp: return RenderPluck(f, std::max(hold, 1.5f), velocity, 0.6f, seed);
        case Instrument::kBell: return RenderBell(f, hold, velocity, 1.0f);
        case Instrument::kCelesta: return RenderBell(f, hold, velocity, 0.4f);
        case Instrument::kMarimba: return RenderMarimba(f, hold, velocity);
        case Instrument::kFlute: return RenderFlute(f, hold, velocity, 0.05f, seed);
        case Instrument::kPanFlute: return RenderFlute(f, hold, velocity, 0.16f, seed);
        case Instrument::kPad: return RenderPad(f, hold, velocity, 1400.0f);
        case Instrument::kBass: return RenderBass(f, hold, velocity);
        case Instrument::kOrgan: return RenderOrgan(f, hold, velocity);
        case Instrument::kHorn: return RenderHorn(f, hold, velocity);
        case Instrument::kFiddle: return RenderFiddle(f, hold, velocity);
        case Instrument::kLead: return RenderSquareLead(f, hold, velocity);
        case Instrument::kKick: return RenderKick(velocity);
        case Instrument::kShaker: return RenderShaker(velocity, seed);
        case Instrument::kWoodblock: return RenderWoodblock(f, velocity);
        case Instrument::kSnare: return RenderSnare(velocity, seed);
        case Instrument::kTom: return RenderTom(f, velocity, seed);
        case Instrument::kTambourine: return RenderTambourine(velocity, seed);
        case Instrument::kWind: return RenderWind(f, hold, velocity, seed);
        case Instrument::kBird: return RenderBird(f, velocity, seed);
        case Instrument::kCount: break;
    }
    return {};
}

Song::Song(double bpm_value, double length, bool loops, uint32_t seed_value)
    : bpm(bpm_value), length_beats(length), loop(loops), seed(seed_value), levels(kInstrumentCount, 1.0f),
      sends(kInstrumentCount, 0.0f) {
    for (size_t i = 0; i < kInstrumentCount; ++i) sends[i] = DefaultSend(static_cast<Instrument>(i));
}

void Song::SetReverb(float room_size, float damp, float wet_level) {
    room = room_size;
    damping = damp;
    wet = wet_level;
}

void Song::SetLevel(Instrument instrument, float gain) { levels[static_cast<size_t>(instrument)] = gain; }

void Song::SetSend(Instrument instrument, float send) { sends[static_cast<size_t>(instrument)] = send; }

void Song::SetHumanize(float timing_seconds, float velocity_spread) {
    timing_jitter = timing_seconds;
    velocity_jitter = velocity_spread;
}

void Song::Add(Instrument instrument, double beat, double beats, float midi, float velocity, float pan) {
    notes.push_back({instrument, beat, beats, midi, velocity, pan});
}

double Song::AddMelody(Instrument instrument, double beat, const std::string& text, float velocity, float pan,
                       float legato, int transpose) {
    // "|" marks a bar line (4/4): it must fall on a whole bar from the melody's start, which catches
    // a bar whose lengths do not add up.
    std::string spaced;
    for (char c : text) {
        if (c == '|') {
            spaced += " | ";
        } else {
            spaced += c;
        }
    }
    std::istringstream in(spaced);
    std::string token;
    const double start = beat;
    double length = 1.0;
    bool has_bar_lines = false;
    bool ends_on_bar_line = false;
    auto check_bar_line = [&]() {
        double bars = (beat - start) / kBeatsPerBar;
        if (std::fabs(bars - std::round(bars)) > 1e-6) {
            std::fprintf(stderr, "Warning: melody bar line at beat %.3f is not on a bar\n", beat - start);
            ++notation_errors;
        }
    };
    while (in >> token) {
        if (token == "|") {
            has_bar_lines = true;
            ends_on_bar_line = true;
            check_bar_line();
            continue;
        }
        ends_on_bar_line = false;
        std::string name = token;
        size_t colon = token.find(':');
        if (colon != std::string::npos) {
            name = token.substr(0, colon);
            length = std::atof(token.substr(colon + 1).c_str());
            if (length <= 0.0) {
                std::fprintf(stderr, "Warning: bad length in '%s'\n", token.c_str());
                ++notation_errors;
                length = 1.0;
            }
        }
        if (name != "r") {
            int midi = ParseNoteName(name);
            if (midi < 0) {
                std::fprintf(stderr, "Warning: bad note '%s' in melody\n", token.c_str());
                ++notation_errors;
            } else {
                Add(instrument, beat, length * legato, static_cast<float>(midi + transpose), velocity, pan);
            }
        }
        beat += length;
    }
    if (has_bar_lines && !ends_on_bar_line) check_bar_line();  // the last bar must be whole too
    return beat;
}

void Song::Render(Samples& left, Samples& right, float tail_seconds) const {
    const double spb = SecondsPerBeat();
    const size_t length = static_cast<size_t>(std::llround(length_beats * spb * kSampleRate));
    const size_t total = loop ? length : length + static_cast<size_t>(tail_seconds * kSampleRate);
    left.assign(total, 0.0f);
    right.assign(total, 0.0f);
    Samples send(total, 0.0f);
    SynthRng rng(seed);
    std::map<NoteKey, Samples> cache;
    for (size_t index = 0; index < notes.size(); ++index) {
        const NoteEvent& note = notes[index];
        size_t inst = static_cast<size_t>(note.instrument);
        float jitter = IsDrum(note.instrument) ? timing_jitter * 0.5f : timing_jitter;
        double offset = rng.Signed() * jitter;
        float velocity = std::clamp(note.velocity * (1.0f + rng.Signed() * velocity_jitter), 0.0f, 1.0f);
        // Identical notes are rendered once. Voices whose sound scales linearly with velocity are
        // rendered at full velocity and scaled; the others are keyed on a rounded velocity. Voices
        // with a noise part come in three takes so repeated notes do not sound stamped.
        bool linear = IsVelocityLinear(note.instrument);
        float render_velocity = linear ? 1.0f : std::max(0.05f, std::round(velocity * 20.0f) / 20.0f);
        uint32_t take = UsesNoise(note.instrument) ? static_cast<uint32_t>(index % 3) : 0u;
        size_t hold_samples = static_cast<size_t>(note.beats * spb * kSampleRate);
        NoteKey key{inst, static_cast<int>(std::lround(note.midi * 100.0f)), hold_samples,
                    static_cast<int>(std::lround(render_velocity * 1000.0f)), take};
        auto cached = cache.find(key);
        if (cached == cache.end()) {
            uint32_t note_seed = seed ^ (take * 2654435761u) ^ (static_cast<uint32_t>(key.midi_cents) * 40503u);
            Samples rendered = RenderInstrumentNote(note.instrument, note.midi,
                                                    static_cast<float>(hold_samples) / kSampleRate, render_velocity,
                                                    note_seed);
            cached = cache.emplace(key, std::move(rendered)).first;
        }
        const Samples& voice = cached->second;
        float voice_gain = linear ? velocity : 1.0f;
        float angle = (std::clamp(note.pan, -1.0f, 1.0f) + 1.0f) * 0.25f * 3.14159265f;
        float gain = levels[inst];
        gain *= voice_gain;
        float lg = std::cos(angle) * gain * 1.41421356f, rg = std::sin(angle) * gain * 1.41421356f;
        float sg = sends[inst] * gain;
        long long start_sample = std::llround((note.beat * spb + offset) * kSampleRate);
        if (loop) {
            long long period = static_cast<long long>(length);
            start_sample = ((start_sample % period) + period) % period;
        }
        size_t start = static_cast<size_t>(std::max(0LL, start_sample));
        // Mix in runs; a looping song wraps the part that runs past its end onto its start.
        size_t done = 0;
        size_t at = start;
        while (done < voice.size()) {
            if (at >= total) {
                if (!loop) break;
                at = 0;
            }
            size_t run = std::min(voice.size() - done, total - at);
            for (size_t i = 0; i < run; ++i) {
                float v = voice[done + i];
                left[at + i] += v * lg;
                right[at + i] += v * rg;
                send[at + i] += v * sg;
            }
            done += run;
            at += run;
        }
    }
    Reverb reverb(room, damping);
    reverb.Apply(send, left, right, wet, loop);
    if (!loop) {
        // Let the tail die away to true silence.
        FadeEdges(left, 0.0f, std::min(tail_seconds, 2.0f));
        FadeEdges(right, 0.0f, std::min(tail_seconds, 2.0f));
    }
}
