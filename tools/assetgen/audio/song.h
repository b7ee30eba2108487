// A tiny note sequencer: a song is a list of timed notes (in beats) for the synthesizer's
// instruments, rendered to stereo with per-instrument level, pan and reverb send. Looping songs are
// rendered circularly: notes and reverb tails that run past the end wrap around onto the start, so
// the last sample flows straight into the first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "synth.h"

enum class Instrument {
    kGuitar,     // plucked string, warm
    kHarp,       // plucked string, bright and ringing
    kBell,       // chime
    kCelesta,    // short, soft chime
    kMarimba,
    kFlute,
    kPanFlute,   // breathier flute
    kPad,        // soft strings
    kBass,
    kOrgan,      // drone
    kHorn,
    kFiddle,
    kLead,       // soft square
    kKick,
    kShaker,
    kWoodblock,
    kSnare,
    kTom,
    kTambourine,
    kWind,
    kBird,
    kCount
};

struct NoteEvent {
    Instrument instrument;
    double beat;   // start
    double beats;  // held length
    float midi;    // pitch (drums: tuning)
    float velocity;
    float pan;     // -1 left .. +1 right
};

class Song {
public:
    Song(double bpm, double length_beats, bool loop, uint32_t seed);

    void SetReverb(float room, float damping, float wet);
    void SetLevel(Instrument instrument, float gain);
    void SetSend(Instrument instrument, float send);
    // Random timing offset (seconds, +-) and velocity spread applied to every melodic note.
    void SetHumanize(float timing_seconds, float velocity_spread);

    void Add(Instrument instrument, double beat, double beats, float midi, float velocity, float pan);
    // Adds a melody written as space-separated notes "name[octave][:beats]", e.g.
    // "e5:1 d5:.5 c#5 r:2 |" (r = rest; a missing length repeats the previous one; "|" is a bar line of
    // 4/4 and must fall on a whole bar from `beat`, else it counts as a notation error).
    // Each note sounds for `legato` of its length, `transpose` semitones away from where it is
    // written. Returns the beat after the last note.
    double AddMelody(Instrument instrument, double beat, const std::string& notes, float velocity, float pan,
                     float legato = 0.92f, int transpose = 0);

    double Bpm() const { return bpm; }
    double LengthBeats() const { return length_beats; }
    double SecondsPerBeat() const { return 60.0 / bpm; }
    bool Loops() const { return loop; }
    const std::vector<NoteEvent>& Notes() const { return notes; }
    // Notation errors met while composing the song: melody tokens that were not notes, chords that
    // could not be read (each reported on stderr and skipped, its time still passing).
    int NotationErrors() const { return notation_errors; }
    void AddNotationErrors(int count) { notation_errors += count; }

    // Renders the whole song. A looping song gives exactly LengthBeats() worth of samples; a song that
    // does not loop gets `tail_seconds` more so its last notes can ring out (then fades to silence).
    void Render(Samples& left, Samples& right, float tail_seconds = 4.0f) const;

private:
    double bpm;
    double length_beats;
    bool loop;
    uint32_t seed;
    float room = 0.5f;
    float damping = 0.5f;
    float wet = 0.25f;
    float timing_jitter = 0.006f;
    float velocity_jitter = 0.06f;
    std::vector<float> levels;
    std::vector<float> sends;
    std::vector<NoteEvent> notes;
    int notation_errors = 0;
};

// Parses a note name like "c5", "f#4", "bb3" into a MIDI number; returns -1 when it is not a note.
int ParseNoteName(const std::string& name);

// Renders one note of an instrument (mono, with its release tail).
Samples RenderInstrumentNote(Instrument instrument, float midi, float hold_seconds, float velocity, uint32_t seed);
