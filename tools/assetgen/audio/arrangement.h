// Arranging helpers on top of Song: chord progressions written as text ("C G Am F:2 G7:2") and the
// usual accompaniment figures built from them (bass lines, arpeggios, strums, pads, drum patterns).
#pragma once

#include <string>
#include <vector>

#include "song.h"

struct ChordSlot {
    double beat = 0.0;
    double beats = 4.0;
    int root = 0;                // pitch class 0..11 (C = 0)
    int bass = 0;                // pitch class of the bass note (the root unless written "C/E")
    std::vector<int> intervals;  // semitones above the root
};

// Parses a chord symbol: root (A-G, optional # or b), quality ("", m, 7, m7, maj7, sus2, sus4, 5,
// dim, add9, 6, m6) and an optional "/bass". Returns false for anything else.
bool ParseChord(const std::string& symbol, ChordSlot& chord);

// "C G:2 D:2 | Em" -> slots from `start_beat`; a chord without ":beats" lasts `default_beats`.
// Unknown symbols are reported on stderr, counted in `errors` (when given) and skipped (their time
// still passes).
std::vector<ChordSlot> ParseProgression(const std::string& text, double start_beat, double default_beats = 4.0,
                                        int* errors = nullptr);

// Every chord tone between `low` and `high` (MIDI numbers, inclusive), ascending.
std::vector<int> ChordTones(const ChordSlot& chord, int low, int high);
// The lowest MIDI note >= low with the pitch class `pc`.
int NoteAtOrAbove(int pc, int low);

// Bass figure per chord: each character of `pattern` lasts `step` beats and the pattern repeats over
// the chord. R root (the written bass note), F fifth, O octave, T third, '-' holds, '.' rests.
void AddBassLine(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
                 double step, int low, float velocity, float pan);
// Arpeggio per chord over the chord tones from `low` upwards: digits index the tones ('0' lowest),
// '.' rests. Each note rings for `ring` steps.
void AddArpeggio(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
                 double step, int low, float velocity, float pan, double ring = 1.0);
// Strummed chords (tones in [low, low + 12]) on each 'x' (full) or 'o' (soft) of `pattern`.
void AddStrum(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, const std::string& pattern,
              double step, int low, float velocity, float pan, double ring = 1.0);
// Sustained chord (tones in [low, low + 12)) for each chord's whole length.
void AddPad(Song& song, const std::vector<ChordSlot>& chords, Instrument instrument, int low, float velocity,
            float pan);
// Drum pattern repeated `repeats` times from `beat`: 'x' full hit, 'o' soft hit, '.' nothing.
void AddDrums(Song& song, Instrument instrument, double beat, int repeats, const std::string& pattern, double step,
              float velocity, float pan, float tuning_midi = 60.0f);
