#include "music_tracks.h"

#include "arrangement.h"

// Every tune is in 4/4; a bar is four beats. Looping tunes end on a chord that leads back into their
// first bar, and their notes and echoes wrap around from the end onto the start when rendered.

namespace {

constexpr double kBar = 4.0;

double Bars(int n) { return n * kBar; }

// Reads a chord progression for `song`, counting any unreadable chord against it.
std::vector<ChordSlot> Chords(Song& song, const std::string& text, double at) {
    int errors = 0;
    std::vector<ChordSlot> slots = ParseProgression(text, at, kBar, &errors);
    song.AddNotationErrors(errors);
    return slots;
}

// Title theme: warm and singable, in F. A (theme) B (answer) A' (theme with fuller band).
Song AwardsCeremony() {
    Song song(84.0, Bars(24), true, 0x71713u);
    song.SetReverb(0.7f, 0.4f, 0.3f);
    const std::string prog_a = "F C/E Dm Bb F C Bb:2 C:2 F";
    const std::string prog_b = "Dm Bb F C Dm Bb Gm:2 C:2 C";
    const std::string theme =
        "c5:1 a5:1.5 g5:.5 f5:1 | e5:1 g5:1 c5:2 | d5:1 f5:1 a5:1.5 g5:.5 | f5:2 d5:2 |"
        "c5:1 a5:1.5 g5:.5 f5:1 | g5:1 c6:1.5 bb5:.5 a5:.5 g5:.5 | f5:1 d5:1 e5:1 g5:1 | f5:3 r:1";
    const std::string answer =
        "a5:1.5 bb5:.5 a5:1 f5:1 | d6:2 c6:1 bb5:1 | a5:1.5 g5:.5 f5:1 c5:1 | e5:1 f5:1 g5:2 |"
        "f5:1 a5:1 d6:1.5 c6:.5 | bb5:1 a5:1 g5:1 f5:1 | g5:1 bb5:1 e5:1 g5:1 | c6:2 bb5:1 g5:1";
    for (int section = 0; section < 3; ++section) {
        double at = Bars(8 * section);
        auto chords = Chords(song, section == 1 ? prog_b : prog_a, at);
        AddArpeggio(song, chords, Instrument::kHarp, "01232123", 0.5, 53, 0.45f, -0.3f, 3.0);
        AddPad(song, chords, Instrument::kPad, 57, section == 1 ? 0.55f : 0.4f, 0.1f);
        AddBassLine(song, chords, Instrument::kBass, section == 0 ? "R---" : "R--F", 1.0, 36, 0.6f, 0.0f);
        if (section == 2) {
            AddDrums(song, Instrument::kKick, at, 8, "x...x...", 0.5, 0.45f, 0.0f);
            AddDrums(song, Instrument::kShaker, at, 8, "..x...x.", 0.5, 0.45f, 0.3f);
        }
    }
    song.AddMelody(Instrument::kFlute, Bars(0), theme, 0.75f, 0.1f);
    song.AddMelody(Instrument::kBell, Bars(8), answer, 0.5f, 0.2f, 0.9f);
    song.AddMelody(Instrument::kFlute, Bars(8), answer, 0.45f, -0.1f, 0.92f, -12);
    song.AddMelody(Instrument::kFlute, Bars(16), theme, 0.8f, 0.1f);
    song.AddMelody(Instrument::kCelesta, Bars(16), theme, 0.35f, 0.35f, 0.9f, 12);
    return song;
}

// Chapter intro: the title theme, slower and hushed, ending on a held chord (does not loop).
Song Intro() {
    Song song(76.0, Bars(12), false, 0x1272u);
    song.SetReverb(0.75f, 0.4f, 0.32f);
    auto chords = Chords(song, "F Bb/F F C/E Dm Bb F C F Bb C:2 C7:2 F", 0.0);
    AddPad(song, chords, Instrument::kPad, 57, 0.5f, 0.0f);
    AddArpeggio(song, chords, Instrument::kHarp, "0123", 1.0, 53, 0.45f, -0.3f, 2.0);
    AddBassLine(song, chords, Instrument::kBass, "R---", 1.0, 36, 0.5f, 0.0f);
    song.AddMelody(Instrument::kFlute, Bars(2),
                   "c5:1 a5:1.5 g5:.5 f5:1 | e5:1 g5:1 c5:2 | d5:1 f5:1 a5:1.5 g5:.5 | f5:2 d5:2 |"
                   "c5:1 a5:1.5 g5:.5 f5:1 | g5:1 c6:1.5 bb5:.5 a5:.5 g5:.5 | a5:2 f5:2 | d6:2 bb5:2 | g5:2 e5:2 |"
                   "f5:4",
                   0.7f, 0.1f);
    song.Add(Instrument::kBell, Bars(11), 4.0, 77.0f, 0.4f, 0.3f);  // F5 chime on the last chord
    song.Add(Instrument::kBell, Bars(11) + 0.5, 4.0, 84.0f, 0.25f, -0.3f);
    return song;
}

// Village: cosy folk in G; strummed guitar, flute and a light shaker.
Song Village() {
    Song song(100.0, Bars(24), true, 0x5111u);
    song.SetReverb(0.55f, 0.5f, 0.3f);
    const std::string prog_a = "G D Em C G D C D";
    const std::string prog_b = "Em C G D Em C Am D";
    const std::string tune_a =
        "d5:1 g5:1 b5:1 a5:.5 g5:.5 | a5:1.5 f#5:.5 d5:2 | e5:1 g5:1 b5:1.5 a5:.5 | g5:1.5 e5:.5 c5:2 |"
        "d5:1 g5:1 b5:1 d6:1 | c6:.5 b5:.5 a5:1 f#5:2 | e5:1 g5:.5 f#5:.5 e5:1 c5:1 | d5:3 r:1";
    const std::string tune_b =
        "b5:1.5 a5:.5 g5:1 e5:1 | g5:1 a5:.5 g5:.5 e5:2 | d5:1 g5:1 b5:1 g5:1 | a5:3 r:1 |"
        "b5:1 c6:.5 b5:.5 a5:1 g5:1 | e5:1 g5:1 c6:2 | b5:.5 a5:.5 g5:.5 a5:.5 e5:1 c5:1 | d5:1 f#5:1 a5:2";
    for (int section = 0; section < 3; ++section) {
        double at = Bars(8 * section);
        auto chords = Chords(song, section == 1 ? prog_b : prog_a, at);
        AddStrum(song, chords, Instrument::kGuitar, "x..ox.o.", 0.5, 55, 0.55f, -0.25f, 2.0);
        AddBassLine(song, chords, Instrument::kBass, "R-F-", 0.5, 40, 0.6f, 0.0f);
        if (section > 0) AddDrums(song, Instrument::kShaker, at, 8, "..x...x.", 0.5, 0.45f, 0.35f);
        if (section == 1) AddArpeggio(song, chords, Instrument::kHarp, "0.2.3.2.", 0.5, 67, 0.3f, 0.4f, 2.0);
    }
    song.AddMelody(Instrument::kHarp, Bars(0), tune_a, 0.7f, 0.15f, 0.9f);
    song.AddMelody(Instrument::kFlute, Bars(8), tune_b, 0.75f, 0.1f);
    song.AddMelody(Instrument::kFlute, Bars(16), tune_a, 0.75f, 0.1f);
    song.AddMelody(Instrument::kHarp, Bars(16), tune_a, 0.4f, -0.3f, 0.9f, -12);
    return song;
}

// Forest: mysterious and soft, in A minor; harp ripples, pad, a low flute and stray chimes.
Song Forest() {
    Song song(72.0, Bars(16), true, 0xF0E57u);
    song.SetReverb(0.8f, 0.5f, 0.24f);
    auto chords = Chords(song, "Am Fmaj7 G Em Am Dm F E Am Fmaj7 G Em Am Dm F E", 0.0);
    AddPad(song, chords, Instrument::kPad, 57, 0.45f, 0.0f);
    AddArpeggio(song, chords, Instrument::kHarp, "02431324", 0.5, 45, 0.35f, -0.35f, 3.0);
    AddArpeggio(song, chords, Instrument::kCelesta, "4.....2.", 0.5, 72, 0.25f, 0.5f);
    AddBassLine(song, chords, Instrument::kBass, "R---", 1.0, 36, 0.45f, 0.0f);
    song.AddMelody(Instrument::kFlute, Bars(0),
                   "a4:1.5 b4:.5 c5:2 | e5:1.5 d5:.5 c5:1 a4:1 | b4:1.5 c5:.5 d5:2 | g4:1 b4:1 e5:2 |"
                   "e5:1.5 f5:.5 e5:1 c5:1 | d5:1.5 c5:.5 a4:2 | c5:1 a4:1 f4:1 a4:1 | g#4:3 r:1",
                   0.6f, 0.1f);
    const std::string second =
        "c6:2 b5:1 a5:1 | e5:2 r:1 a5:1 | g5:1.5 d5:.5 b4:2 | e5:3 r:1 |"
        "a5:1 g5:1 e5:1 c5:1 | f5:1.5 e5:.5 d5:2 | c5:1.5 d5:.5 a4:2 | b4:2 g#4:2";
    song.AddMelody(Instrument::kPanFlute, Bars(8), second, 0.6f, 0.1f, 0.92f, -12);
    song.AddMelody(Instrument::kCelesta, Bars(8), second, 0.3f, -0.3f, 0.9f);
    // Birds somewhere in the canopy.
    const struct {
        int bar;
        double beat;
        float midi, pan;
    } birds[] = {{1, 2.5, 96, 0.6f}, {3, 1.0, 98, -0.6f}, {6, 3.0, 95, 0.4f},
                 {9, 0.5, 97, -0.5f}, {12, 2.0, 99, 0.7f}, {14, 3.5, 96, -0.3f}};
    for (const auto& b : birds) song.Add(Instrument::kBird, Bars(b.bar) + b.beat, 0.5, b.midi, 0.8f, b.pan);
    return song;
}

// Ranch: bouncy and pastoral, in D; oom-pah marimba, woodblock, whistling flute.
Song Ranch() {
    Song song(116.0, Bars(24), true, 0x4A2Cu);
    song.SetReverb(0.45f, 0.5f, 0.18f);
    const std::string prog_a = "D D G D G D A:2 A7:2 D";
    const std::string prog_b = "G A F#m Bm G D Em:2 A:2 D";
    const std::string tune_a =
        "a4:.5 d5:.5 f#5:.5 a5:.5 f#5:1 d5:1 | e5:.5 f#5:.5 e5:.5 d5:.5 a4:2 |"
        "b4:.5 d5:.5 g5:.5 b5:.5 a5:1 g5:1 | f#5:1.5 e5:.5 d5:2 |"
        "g5:.5 a5:.5 b5:1 a5:.5 g5:.5 d5:1 | f#5:.5 g5:.5 a5:1 f#5:1 d5:1 |"
        "e5:1 c#5:.5 e5:.5 g5:1 e5:1 | d5:2 r:2";
    const std::string tune_b =
        "b5:1.5 a5:.5 g5:1 d5:1 | c#6:1.5 b5:.5 a5:1 e5:1 | a5:1 f#5:.5 a5:.5 c#6:2 | b5:3 r:1 |"
        "d6:1 b5:1 g5:1 b5:1 | a5:1 f#5:1 d5:2 | e5:.5 f#5:.5 g5:1 a5:.5 g5:.5 e5:1 | d5:2 a4:1 r:1";
    for (int section = 0; section < 3; ++section) {
        double at = Bars(8 * section);
        auto chords = Chords(song, section == 1 ? prog_b : prog_a, at);
        AddBassLine(song, chords, Instrument::kBass, "R.F.", 1.0, 38, 0.65f, 0.0f);
        AddStrum(song, chords, Instrument::kMarimba, ".x.x", 1.0, 62, 0.5f, 0.25f, 0.5);
        AddDrums(song, Instrument::kWoodblock, at, 8, ".x.x", 1.0, 0.45f, -0.4f, 79.0f);
        AddDrums(song, Instrument::kShaker, at, 8, "oxoxoxox", 0.5, 0.3f, 0.4f);
        AddDrums(song, Instrument::kKick, at, 8, "x.x.", 1.0, 0.4f, 0.0f);
        if (section == 1) AddStrum(song, chords, Instrument::kGuitar, "x...x.o.", 0.5, 55, 0.4f, -0.3f, 2.0);
    }
    song.AddMelody(Instrument::kFlute, Bars(0), tune_a, 0.75f, 0.1f, 0.85f);
    song.AddMelody(Instrument::kFlute, Bars(8), tune_b, 0.75f, 0.1f, 0.85f);
    song.AddMelody(Instrument::kHarp, Bars(8), tune_b, 0.35f, -0.2f, 0.9f, -12);
    song.AddMelody(Instrument::kFlute, Bars(16), tune_a, 0.75f, 0.1f, 0.85f);
    song.AddMelody(Instrument::kMarimba, Bars(16), tune_a, 0.45f, 0.35f, 0.9f, 12);
    song.Add(Instrument::kBird, Bars(2) + 1.5, 0.5, 98.0f, 0.55f, 0.7f);
    song.Add(Instrument::kBird, Bars(13) + 3.0, 0.5, 96.0f, 0.55f, -0.6f);
    return song;
}

// Lake: flowing sixteenth-note harp over soft sevenths, bell melody, then a flute.
Song Lake() {
    Song song(80.0, Bars(16), true, 0x1A4Eu);
    song.SetReverb(0.8f, 0.4f, 0.3f);
    auto chords = Chords(song, "Cmaj7 Am7 Fmaj7 G Em7 Am7 Dm7 G Cmaj7 Am7 Fmaj7 G Em7 Am7 Dm7 Gsus4:2 G:2", 0.0);
    AddArpeggio(song, chords, Instrument::kHarp, "01234321", 0.25, 48, 0.28f, -0.2f, 4.0);
    AddPad(song, chords, Instrument::kPad, 60, 0.35f, 0.2f);
    AddBassLine(song, chords, Instrument::kBass, "R-----F-", 0.5, 36, 0.5f, 0.0f);
    song.AddMelody(Instrument::kBell, Bars(0),
                   "g5:3 e5:1 | c6:2 b5:1 a5:1 | a5:3 c6:1 | b5:2 d6:2 |"
                   "g5:3 e5:1 | e6:2 d6:1 c6:1 | d6:1.5 c6:.5 a5:2 | b5:2 g5:2",
                   0.55f, 0.25f, 0.95f);
    song.AddMelody(Instrument::kFlute, Bars(8),
                   "e5:1 g5:1 b5:1.5 g5:.5 | a5:1 g5:1 e5:2 | f5:1 a5:1 c6:1.5 a5:.5 | b5:1 a5:1 g5:1 d5:1 |"
                   "e5:1 g5:1 b5:1.5 d6:.5 | c6:1 b5:1 a5:1 e5:1 | f5:1 a5:1 d6:1 c6:1 | c6:2 b5:2",
                   0.7f, 0.05f);
    return song;
}

// Mountain: sparse and airy over a D drone; pan flute, slow harp, distant chimes.
Song Mountain() {
    Song song(66.0, Bars(16), true, 0x3047u);
    song.SetReverb(0.85f, 0.35f, 0.22f);
    auto chords = Chords(song, "D5 G/D D5 Asus4 Bm G D A Bm G D A G Em Asus4 A", 0.0);
    AddPad(song, chords, Instrument::kPad, 50, 0.4f, 0.0f);
    AddArpeggio(song, chords, Instrument::kHarp, "0..1..2.", 0.5, 50, 0.3f, -0.4f, 4.0);
    AddArpeggio(song, chords, Instrument::kCelesta, "4.......", 0.5, 74, 0.2f, 0.5f);
    for (int i = 0; i < 8; ++i) {
        song.Add(Instrument::kOrgan, Bars(2 * i), 8.0, 38.0f, 0.45f, 0.0f);  // D2 drone
        song.Add(Instrument::kOrgan, Bars(2 * i), 8.0, 45.0f, 0.25f, 0.0f);  // A2
    }
    // Wind sweeping over the pass; the last gust blows on across the loop point.
    song.Add(Instrument::kWind, Bars(0) + 2.0, 12.0, 79.0f, 0.5f, -0.5f);
    song.Add(Instrument::kWind, Bars(6), 10.0, 74.0f, 0.45f, 0.5f);
    song.Add(Instrument::kWind, Bars(10) + 2.0, 12.0, 81.0f, 0.5f, -0.3f);
    song.Add(Instrument::kWind, Bars(14), 10.0, 76.0f, 0.45f, 0.4f);
    song.AddMelody(Instrument::kPanFlute, Bars(0),
                   "r:2 a4:1 d5:1 | e5:3 d5:1 | a4:4 | r:2 b4:1 d5:1 | f#5:2 e5:1 d5:1 | b4:3 a4:1 |"
                   "d5:1.5 e5:.5 f#5:2 | e5:4 | r:1 f#5:1 a5:1 b5:1 | b5:2 a5:1 f#5:1 | a5:3 f#5:1 | e5:4 |"
                   "d5:1 e5:1 g5:1 b5:1 | a5:2 g5:1 e5:1 | d5:4 | e5:2 r:2",
                   0.7f, 0.1f, 0.95f);
    return song;
}

// Hrafnirr's hall: deep and dwarvish in D minor; organ fifths, marching toms, anvil rings, horns.
Song Hall() {
    Song song(76.0, Bars(16), true, 0x4A11u);
    song.SetReverb(0.8f, 0.6f, 0.3f);
    auto chords = Chords(song, "Dm Dm Bb C Dm Gm A A Dm Dm Bb C Gm:2 A:2 Dm Bb:2 C:2 A", 0.0);
    for (int i = 0; i < 8; ++i) {
        song.Add(Instrument::kOrgan, Bars(2 * i), 8.0, 38.0f, 0.5f, -0.1f);  // D2
        song.Add(Instrument::kOrgan, Bars(2 * i), 8.0, 45.0f, 0.35f, 0.1f);  // A2
    }
    AddPad(song, chords, Instrument::kPad, 50, 0.3f, 0.0f);
    AddBassLine(song, chords, Instrument::kBass, "R--.R.R.", 0.5, 31, 0.65f, 0.0f);
    AddDrums(song, Instrument::kTom, 0.0, 16, "x..x..x.", 0.5, 0.6f, -0.15f, 40.0f);
    AddDrums(song, Instrument::kTom, 0.0, 16, "....o..o", 0.5, 0.5f, 0.25f, 47.0f);
    AddDrums(song, Instrument::kBell, 0.0, 8, "....x...", 1.0, 0.3f, 0.45f, 93.0f);  // anvil
    const std::string tune =
        "d4:1.5 e4:.5 f4:1 a4:1 | d5:2 c5:1 a4:1 | bb4:1.5 a4:.5 f4:2 | g4:1 a4:.5 bb4:.5 c5:2 |"
        "a4:1.5 g4:.5 f4:1 d4:1 | g4:1.5 a4:.5 bb4:2 | a4:1 c#5:1 e5:1 c#5:1 | a4:4 |"
        "d5:1 d5:.5 e5:.5 f5:1 d5:1 | a5:3 f5:1 | f5:1.5 d5:.5 bb4:2 | c5:1 e5:1 g5:2 |"
        "g5:1 f5:.5 e5:.5 e5:1 c#5:1 | d5:3 a4:1 | bb4:1 d5:1 c5:1 e5:1 | a4:2 c#5:1 e5:1";
    song.AddMelody(Instrument::kHorn, Bars(0), tune, 0.75f, 0.0f, 0.95f);
    song.AddMelody(Instrument::kHorn, Bars(8), tune.substr(tune.find("d5:1 d5:.5")), 0.5f, -0.3f, 0.95f, -12);
    return song;
}

// Battle at the ravine: tense and driving in A minor; drums, pulsing bass, string stabs, lead.
Song Battle() {
    Song song(138.0, Bars(28), true, 0xBA77u);
    song.SetReverb(0.55f, 0.5f, 0.2f);
    const std::string prog_a = "Am Am F G Am Am F E";
    const std::string prog_b = "Dm Am Dm E F G Am E";
    const std::string tune_a =
        "e5:.5 e5:.5 a5:1 g5:.5 e5:.5 c5:1 | d5:.5 e5:.5 c5:.5 b4:.5 a4:2 |"
        "a4:.5 c5:.5 f5:1 e5:.5 d5:.5 c5:1 | d5:1.5 b4:.5 g4:1 b4:1 |"
        "e5:.5 e5:.5 a5:1 b5:.5 c6:.5 b5:1 | a5:.5 g5:.5 e5:.5 g5:.5 a5:2 |"
        "f5:1 a5:1 c6:1 a5:1 | g#5:1 f5:.5 e5:.5 d5:1 b4:1";
    const std::string tune_b =
        "d5:1.5 f5:.5 a5:2 | e5:1.5 a5:.5 c6:2 | f5:1 e5:.5 d5:.5 a4:2 | b4:1 d5:1 g#5:2 |"
        "c6:1.5 a5:.5 f5:2 | d6:1.5 b5:.5 g5:2 | e6:1 c6:1 a5:1 e5:1 | g#5:2 b5:2";
    const char* progs[] = {prog_a.c_str(), prog_b.c_str(), prog_a.c_str(), "F G E E7"};
    for (int section = 0; section < 4; ++section) {
        double at = Bars(8 * section);
        int bars = section == 3 ? 4 : 8;
        auto chords = Chords(song, progs[section], at);
        AddBassLine(song, chords, Instrument::kBass, "RRORRFRO", 0.5, 33, 0.6f, 0.0f);
        AddStrum(song, chords, Instrument::kFiddle, "x..x..x.", 0.5, 57, 0.45f, -0.3f, 1.2);
        AddDrums(song, Instrument::kKick, at, bars, "x.....x.x.......", 0.25, 0.7f, 0.0f);
        AddDrums(song, Instrument::kSnare, at, bars, "....x.......x..o", 0.25, 0.5f, 0.1f);
        AddDrums(song, Instrument::kShaker, at, bars, "xoxoxoxoxoxoxoxo", 0.25, 0.3f, 0.35f);
        if (section == 1 || section == 3) AddPad(song, chords, Instrument::kHorn, 52, 0.45f, 0.2f);
    }
    AddDrums(song, Instrument::kTom, Bars(27), 1, "x.x.o.o.xxxx", 1.0 / 3.0, 0.6f, -0.2f, 45.0f);
    song.AddMelody(Instrument::kLead, Bars(0), tune_a, 0.85f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kLead, Bars(8), tune_b, 0.85f, 0.15f, 0.9f);
    song.AddMelody(Instrument::kLead, Bars(16), tune_a, 0.85f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kFiddle, Bars(16), tune_a, 0.35f, -0.2f, 0.85f, -12);
    song.AddMelody(Instrument::kHorn, Bars(24), "c5:4 d5:4 b4:4 g#4:4", 0.6f, 0.0f, 0.95f);
    return song;
}

// Festival: a joyful dance in G; fiddle jig, off-beat squeezebox chords, tambourine.
Song Festival() {
    Song song(128.0, Bars(32), true, 0xFE57u);
    song.SetReverb(0.5f, 0.5f, 0.2f);
    const std::string prog_a = "G C G D G C D:2 D7:2 G";
    const std::string prog_b = "C D G Em C D G:2 D:2 G";
    const std::string tune_a =
        "g5:.5 b5:.5 d6:.5 b5:.5 g5:.5 b5:.5 d6:1 | e6:.5 d6:.5 c6:.5 b5:.5 a5:.5 g5:.5 e5:1 |"
        "d5:.5 g5:.5 b5:.5 g5:.5 d5:.5 g5:.5 b5:1 | a5:.5 b5:.5 a5:.5 f#5:.5 d5:2 |"
        "g5:.5 b5:.5 d6:.5 b5:.5 g5:.5 b5:.5 d6:1 | e6:.5 g6:.5 e6:.5 c6:.5 a5:1 c6:1 |"
        "b5:.5 a5:.5 g5:.5 f#5:.5 a5:.5 c6:.5 f#5:1 | g5:2 d5:1 r:1";
    const std::string tune_b =
        "e5:1 g5:.5 e5:.5 c6:1 g5:1 | f#5:1 a5:.5 f#5:.5 d6:1 a5:1 | b5:.5 c6:.5 d6:.5 b5:.5 g5:1 d5:1 |"
        "e5:.5 f#5:.5 g5:.5 a5:.5 b5:2 | c6:1 b5:.5 a5:.5 g5:1 e5:1 | d5:1 f#5:.5 a5:.5 d6:1 c6:1 |"
        "b5:1 g5:1 a5:1 f#5:1 | g5:3 r:1";
    for (int section = 0; section < 4; ++section) {
        double at = Bars(8 * section);
        auto chords = Chords(song, section % 2 == 0 ? prog_a : prog_b, at);
        AddBassLine(song, chords, Instrument::kBass, "R.F.", 1.0, 38, 0.65f, 0.0f);
        AddStrum(song, chords, Instrument::kLead, ".x.x", 1.0, 60, 0.4f, -0.3f, 0.6);
        AddDrums(song, Instrument::kKick, at, 8, "x.x.", 1.0, 0.55f, 0.0f);
        AddDrums(song, Instrument::kTambourine, at, 8, "o.x.o.x.", 0.5, 0.5f, 0.35f);
        if (section % 2 == 1) AddArpeggio(song, chords, Instrument::kMarimba, "0123", 0.5, 67, 0.35f, 0.4f);
    }
    song.AddMelody(Instrument::kFiddle, Bars(0), tune_a, 0.75f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kFlute, Bars(8), tune_b, 0.75f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kHarp, Bars(8), tune_b, 0.35f, -0.25f, 0.9f, -12);
    song.AddMelody(Instrument::kFiddle, Bars(16), tune_a, 0.75f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kFlute, Bars(16), tune_a, 0.45f, -0.15f, 0.85f, -12);
    song.AddMelody(Instrument::kFiddle, Bars(24), tune_b, 0.75f, 0.15f, 0.85f);
    song.AddMelody(Instrument::kMarimba, Bars(24), tune_b, 0.4f, 0.4f, 0.9f);
    return song;
}

}  // namespace

std::vector<MusicTrack> ComposeMusic() {
    std::vector<MusicTrack> tracks;
    tracks.push_back({"Data/Music/AwardsCeremony.ogg", AwardsCeremony()});
    tracks.push_back({"Data/Music/Intro.ogg", Intro()});
    tracks.push_back({"Data/Music/Village.ogg", Village()});
    tracks.push_back({"Data/Music/Forest.ogg", Forest()});
    tracks.push_back({"Data/Music/Ranch.ogg", Ranch()});
    tracks.push_back({"Data/Music/Lake.ogg", Lake()});
    tracks.push_back({"Data/Music/Mountain.ogg", Mountain()});
    tracks.push_back({"Data/Music/Hall.ogg", Hall()});
    tracks.push_back({"Data/Music/Battle.ogg", Battle()});
    tracks.push_back({"Data/Music/Festival.ogg", Festival()});
    return tracks;
}
