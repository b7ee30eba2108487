#include "arrangement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

bool ParsePitchClass(const std::string& text, size_t& pos, int& pc) {
    static const int kSemitone[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G') return false;
    pc = kSemitone[text[pos] - 'A'];
    ++pos;
    if (pos < text.size() && text[pos] == '#') {
        pc = (pc + 1) % 12;
        ++pos;
    } else if (pos < text.size() && text[pos] == 'b') {
        pc = (pc + 11) % 12;
        ++pos;
    }
    return true;
}

}  // namespace

bool ParseChord(const std::string& symbol, ChordSlot& chord) {
    size_t pos = 0;
    if (!ParsePitchClass(symbol, pos, chord.root)) return false;
    size_t slash = symbol.find('/', pos);
    std::string quality = symbol.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
    struct Quality {
        const char* name;
        std::vector<int> intervals;
    };
    static const Quality kQualities[] = {
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},  {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"sus2", {0, 2, 7}},   {"sus4", {0, 5, 7}},   {"5", {0, 7}},
        {"dim", {0, 3, 6}},    {"add9", {0, 4, 7, 14}}, {"6", {0, 4, 7, 9}},   {"m6", {0, 3, 7, 9}},
    };
    bool found = false;
    for (const Quality& q : kQualities) {
        if (quality == q.name) {
            chord.intervals = q.intervals;
            found = true;
            break;
        }
    }
    if (!found) return false;
    chord.bass = chord.root;
    if (slash != std::string::npos) {
        size_t bass_pos = slash + 1;
        if (!ParsePitchClass(symbol, bass_pos, chord.bass) || bass_pos != symbol.size()) return false;
    }
    return true;
}

std::vector<ChordSlot> ParseProgression(const std::string& text, double start_beat, double default_beats,
                                        int* errors) {
    std::vector<ChordSlot> slots;
    std::string spaced = text;
    std::replace(spaced.begin(), spaced.end(), '|', ' ');
    std::istringstream in(spaced);
    std::string token;
    double beat = start_beat;
    while (in >> token) {
        std::string symbol = token;
        double beats = default_beats;
        size_t colon = token.find(':');
        if (colon != std::string::npos) {
            symbol = token.substr(0, colon);
            beats = std::atof(token.substr(colon + 1).c_str());
        }
        ChordSlot slot;
        if (ParseChord(symbol, slot)) {
            slot.beat = beat;
            slot.beats = beats;
            slots.push_back(slot);
        } else {
            std::fprintf(stderr, "Warning: unknown chord '%s'\n", token.c_str());
            if (errors != nullptr) ++*errors;
        }
        beat += beats;
    }
    return slots;
}

int NoteAtOrAbove(int pc, int low) {
    int n = low + ((pc - low) % 12 + 12) % 12;
    return n;
}

std::vector<int> ChordTones(const ChordSlot& chord, int low, int high) {
    std::vector<int> tones;
    for (int n = low; n <= high; ++n) {
        int rel = ((n - chord.root) % 12 + 12) % 12;
        for (int iv : chord.intervals) {
            if (iv % 12 == rel) {
                tones.push_back(n);
                break;
            }
        }
    }
    return tones;
}

void AddBassLine(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
                 double step, int low, float velocity, float pan) {
    if (pattern.empty()) return;
    for (const ChordSlot& chord : chords) {
        int root = NoteAtOrAbove(chord.bass, low);
        int steps = static_cast<int>(chord.beats / step + 0.5);
        for (int i = 0; i < steps; ++i) {
            char c = pattern[i % pattern.size()];
            int note = -1;
            switch (c) {
                case 'R': note = root; break;
                case 'F': note = NoteAtOrAbove((chord.root + 7) % 12, low); break;
                case 'O': note = root + 12; break;
                case 'T': note = NoteAtOrAbove((chord.root + chord.intervals[1]) % 12, low); break;
                default: break;
            }
            if (note < 0) continue;
            int hold = 1;
            while (i + hold < steps && pattern[(i + hold) % pattern.size()] == '-') ++hold;
            song.Add(instrument, chord.beat + i * step, hold * step * 0.9, static_cast<float>(note), velocity, pan);
        }
    }
}

void AddArpeggio(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
                 double step, int low, float velocity, float pan, double ring) {
    if (pattern.empty()) return;
    for (const ChordSlot& chord : chords) {
        std::vector<int> tones = ChordTones(chord, low, low + 30);
        if (tones.empty()) continue;
        int steps = static_cast<int>(chord.beats / step + 0.5);
        for (int i = 0; i < steps; ++i) {
            char c = pattern[i % pattern.size()];
            if (c < '0' || c > '9') continue;
            size_t index = std::min(static_cast<size_t>(c - '0'), tones.size() - 1);
            // The first note of a figure leans a little heavier.
            float v = velocity * (i % pattern.size() == 0 ? 1.0f : 0.82f);
            song.Add(instrument, chord.beat + i * step, ring * step, static_cast<float>(tones[index]), v, pan);
        }
    }
}

void AddStrum(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
              double step, int low, float velocity, float pan, double ring) {
    if (pattern.empty()) return;
    const double strum_beats = 0.018 / song.SecondsPerBeat();
    for (const ChordSlot& chord : chords) {
        std::vector<int> tones = ChordTones(chord, low, low + 12);
        int steps = static_cast<int>(chord.beats / step + 0.5);
        for (int i = 0; i < steps; ++i) {
            char c = pattern[i % pattern.size()];
            if (c != 'x' && c != 'o') continue;
            float v = velocity * (c == 'x' ? 1.0f : 0.6f);
            for (size_t t = 0; t < tones.size(); ++t) {
                song.Add(instrument, chord.beat + i * step + t * strum_beats, ring * step, static_cast<float>(tones[t]),
                         v * 0.7f, pan + 0.08f * (static_cast<float>(t) - 1.5f));
            }
        }
    }
}

void AddPad(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, int low, float velocity,
            float pan) {
    for (const ChordSlot& chord : chords) {
        std::vector<int> tones = ChordTones(chord, low, low + 11);
        for (size_t t = 0; t < tones.size(); ++t) {
            float spread = tones.size() > 1 ? static_cast<float>(t) / (tones.size() - 1) - 0.5f : 0.0f;
            song.Add(instrument, chord.beat, chord.beats, static_cast<float>(tones[t]), velocity, pan + 0.5f * spread);
        }
    }
}

void AddDrums(Song& song, Instrument instrument, double beat, int repeats, const std::string& pattern, double step,
              float velocity, float pan, float tuning_midi) {
    for (int r = 0; r < repeats; ++r) {
        for (size_t i = 0; i < pattern.size(); ++i) {
            char c = pattern[i];
            if (c != 'x' && c != 'o') continue;
            float v = velocity * (c == 'x' ? 1.0f : 0.55f);
            song.Add(instrument, beat + (r * pattern.size() + i) * step, step, tuning_midi, v, pan);
        }
    }
}
