// Unit tests of the audio generator's parts: note and chord notation, accompaniment figures, the
// envelope, circular (looping) rendering and reverb, the sound effects and the Vorbis writer.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../tools/assetgen/audio/arrangement.h"
#include "../../tools/assetgen/audio/music_tracks.h"
#include "../../tools/assetgen/audio/ogg_writer.h"
#include "../../tools/assetgen/audio/reverb.h"
#include "../../tools/assetgen/audio/song.h"
#include "../../tools/assetgen/audio/sound_effects.h"
#include "../../tools/assetgen/audio/synth.h"

namespace {

double Energy(const Samples& s, size_t first, size_t last) {
    double e = 0.0;
    for (size_t i = first; i < last && i < s.size(); ++i) e += static_cast<double>(s[i]) * s[i];
    return e;
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("mossmeadow_audio_" + name)).string();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(AudioNotation, NoteNamesGiveMidiNumbers) {
    EXPECT_EQ(ParseNoteName("a4"), 69);
    EXPECT_EQ(ParseNoteName("c4"), 60);
    EXPECT_EQ(ParseNoteName("c#5"), 73);
    EXPECT_EQ(ParseNoteName("bb3"), 58);  // b flat, not a note "b" of octave "b3"
    EXPECT_EQ(ParseNoteName("b3"), 59);
    EXPECT_EQ(ParseNoteName("G2"), 43);
    EXPECT_EQ(ParseNoteName("r"), -1);
    EXPECT_EQ(ParseNoteName("h4"), -1);
    EXPECT_EQ(ParseNoteName("c"), -1);
    EXPECT_EQ(ParseNoteName("c45"), -1);
    EXPECT_EQ(ParseNoteName("|c5"), -1);
}

TEST(AudioNotation, ChordSymbols) {
    ChordSlot chord;
    ASSERT_TRUE(ParseChord("F#m7", chord));
    EXPECT_EQ(chord.root, 6);
    EXPECT_EQ(chord.bass, 6);
    EXPECT_EQ(chord.intervals, (std::vector<int>{0, 3, 7, 10}));
    ASSERT_TRUE(ParseChord("C/E", chord));
    EXPECT_EQ(chord.root, 0);
    EXPECT_EQ(chord.bass, 4);
    ASSERT_TRUE(ParseChord("Bb", chord));
    EXPECT_EQ(chord.root, 10);
    ASSERT_TRUE(ParseChord("Gsus4", chord));
    EXPECT_EQ(chord.intervals, (std::vector<int>{0, 5, 7}));
    EXPECT_FALSE(ParseChord("H", chord));
    EXPECT_FALSE(ParseChord("Cxyz", chord));
    EXPECT_FALSE(ParseChord("C/", chord));
    EXPECT_FALSE(ParseChord("C/Eb7", chord));
    EXPECT_FALSE(ParseChord("", chord));
}

TEST(AudioNotation, ProgressionsKeepTimeAndCountErrors) {
    int errors = 0;
    auto slots = ParseProgression("C G:2 Xx:2 | Am", 8.0, 4.0, &errors);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_DOUBLE_EQ(slots[0].beat, 8.0);
    EXPECT_DOUBLE_EQ(slots[1].beat, 12.0);
    EXPECT_DOUBLE_EQ(slots[1].beats, 2.0);
    EXPECT_DOUBLE_EQ(slots[2].beat, 16.0);  // the unknown chord's two beats still pass
    EXPECT_EQ(errors, 1);
}

TEST(AudioNotation, ChordTonesAndNearestNotes) {
    ChordSlot c;
    ASSERT_TRUE(ParseChord("C", c));
    EXPECT_EQ(ChordTones(c, 60, 72), (std::vector<int>{60, 64, 67, 72}));
    EXPECT_EQ(ChordTones(c, 61, 63), std::vector<int>{});
    EXPECT_EQ(NoteAtOrAbove(0, 61), 72);
    EXPECT_EQ(NoteAtOrAbove(0, 60), 60);
    EXPECT_EQ(NoteAtOrAbove(11, 0), 11);
}

TEST(AudioSong, MelodiesAddNotesAndCheckBarLines) {
    Song song(120.0, 16.0, true, 1);
    double end = song.AddMelody(Instrument::kFlute, 2.0, "c5:1 d5 e5:.5 r:1.5 |g4:4|", 0.8f, 0.0f, 0.5f, 12);
    EXPECT_DOUBLE_EQ(end, 10.0);
    ASSERT_EQ(song.Notes().size(), 4u);
    EXPECT_DOUBLE_EQ(song.Notes()[1].beat, 3.0);   // "d5" keeps the previous length of 1
    EXPECT_DOUBLE_EQ(song.Notes()[1].beats, 0.5);  // legato 0.5
    EXPECT_FLOAT_EQ(song.Notes()[0].midi, 84.0f);  // transposed an octave up
    EXPECT_DOUBLE_EQ(song.Notes()[3].beat, 6.0);
    EXPECT_EQ(song.NotationErrors(), 0);

    Song bad(120.0, 16.0, true, 1);
    bad.AddMelody(Instrument::kFlute, 0.0, "c5:1 x5:1 e5:1 | d5:2 |", 0.8f, 0.0f);  // 3 beats before a bar line
    EXPECT_EQ(bad.NotationErrors(), 3);  // the bad note, the misplaced bar line, the short last bar
    EXPECT_EQ(bad.Notes().size(), 3u);
}

TEST(AudioSong, AccompanimentFiguresFollowTheChords) {
    Song song(120.0, 8.0, true, 1);
    auto chords = ParseProgression("C G", 0.0);
    AddBassLine(song, chords, Instrument::kBass, "R-F-", 1.0, 36, 0.5f, 0.0f);
    ASSERT_EQ(song.Notes().size(), 4u);
    EXPECT_FLOAT_EQ(song.Notes()[0].midi, 36.0f);  // C2
    EXPECT_DOUBLE_EQ(song.Notes()[0].beats, 1.8);  // held over the '-'
    EXPECT_FLOAT_EQ(song.Notes()[1].midi, 43.0f);  // G2, the fifth
    EXPECT_FLOAT_EQ(song.Notes()[2].midi, 43.0f);  // G chord: root G2
    EXPECT_FLOAT_EQ(song.Notes()[3].midi, 38.0f);  // its fifth D, the lowest at or above C2
    EXPECT_DOUBLE_EQ(song.Notes()[3].beat, 6.0);

    Song arp(120.0, 4.0, true, 1);
    AddArpeggio(arp, ParseProgression("Am", 0.0), Instrument::kHarp, "0.2.", 1.0, 57, 0.5f, 0.0f);
    ASSERT_EQ(arp.Notes().size(), 2u);
    EXPECT_FLOAT_EQ(arp.Notes()[0].midi, 57.0f);  // A3
    EXPECT_FLOAT_EQ(arp.Notes()[1].midi, 64.0f);  // E4
    EXPECT_DOUBLE_EQ(arp.Notes()[1].beat, 2.0);

    Song pad(120.0, 4.0, true, 1);
    AddPad(pad, ParseProgression("C/E", 0.0), Instrument::kPad, 57, 0.5f, 0.0f);
    ASSERT_EQ(pad.Notes().size(), 3u);  // C4 E4 G4 within A3..G#4
    EXPECT_FLOAT_EQ(pad.Notes()[0].midi, 60.0f);
    EXPECT_DOUBLE_EQ(pad.Notes()[0].beats, 4.0);
}

TEST(AudioSynth, EnvelopeShape) {
    Adsr env{0.1f, 0.2f, 0.5f, 0.4f};
    EXPECT_FLOAT_EQ(env.At(0.0f, 1.0f), 0.0f);
    EXPECT_NEAR(env.At(0.05f, 1.0f), 0.5f, 1e-5);
    EXPECT_NEAR(env.At(0.1f, 1.0f), 1.0f, 1e-5);
    EXPECT_NEAR(env.At(0.99f, 1.0f), 0.5f, 0.01f);  // settled on the sustain level
    EXPECT_NEAR(env.At(1.4f, 1.0f), 0.0f, 1e-6);    // release over
    EXPECT_EQ(env.At(1.5f, 1.0f), 0.0f);
    EXPECT_LT(env.At(1.3f, 1.0f), env.At(1.1f, 1.0f));
    // Released during the attack: starts from where the attack had got to.
    EXPECT_NEAR(env.At(0.05f, 0.05f), 0.5f, 1e-5);
    Samples curve = env.Curve(1.0f, static_cast<size_t>(1.4f * kSampleRate));
    for (size_t n = 0; n < curve.size(); n += 997) {
        EXPECT_NEAR(curve[n], env.At(static_cast<float>(n) / kSampleRate, 1.0f), 0.01f) << n;
    }
}

TEST(AudioSynth, VoicesAreDeterministicAndEndInSilence) {
    for (int i = 0; i < static_cast<int>(Instrument::kCount); ++i) {
        Instrument instrument = static_cast<Instrument>(i);
        Samples a = RenderInstrumentNote(instrument, 60.0f, 0.3f, 0.8f, 42);
        Samples b = RenderInstrumentNote(instrument, 60.0f, 0.3f, 0.8f, 42);
        ASSERT_FALSE(a.empty()) << i;
        EXPECT_EQ(a, b) << "instrument " << i;
        EXPECT_GT(PeakOf(a), 0.01f) << "instrument " << i;
        EXPECT_LT(PeakOf(a), 2.0f) << "instrument " << i;  // no runaway (tunes are levelled after mixing)
        EXPECT_LT(std::fabs(a.back()), 1e-3f) << "instrument " << i << " ends in a click";
    }
}

TEST(AudioSong, LoopingSongsWrapTheirTailOntoTheStart) {
    // One bass note near the end of a two-second loop rings past the end: in a looping song that
    // part comes back at the start; in a song that plays once it rings out into the tail instead.
    auto make = [](bool loop) {
        Song song(120.0, 4.0, loop, 7);
        song.SetHumanize(0.0f, 0.0f);
        song.SetReverb(0.5f, 0.5f, 0.0f);
        song.Add(Instrument::kBass, 3.5, 1.0, 45.0f, 1.0f, 0.0f);
        return song;
    };
    Samples left, right;
    make(true).Render(left, right);
    ASSERT_EQ(left.size(), static_cast<size_t>(2 * kSampleRate));
    EXPECT_GT(Energy(left, 0, 4410), 1.0);
    EXPECT_EQ(Energy(left, 22050, 22050 + 4410), 0.0);  // nothing sounds in the middle

    Samples once_left, once_right;
    make(false).Render(once_left, once_right, 1.0f);
    ASSERT_EQ(once_left.size(), static_cast<size_t>(3 * kSampleRate));
    EXPECT_EQ(Energy(once_left, 0, 4410), 0.0);
    EXPECT_GT(Energy(once_left, 2 * kSampleRate, 2 * kSampleRate + 4410), 1.0);
    EXPECT_FLOAT_EQ(once_left.back(), 0.0f);  // faded out
}

TEST(AudioSong, RenderingIsRepeatableAndPansTheSides) {
    Song song(100.0, 8.0, true, 3);
    song.AddMelody(Instrument::kGuitar, 0.0, "c4:1 e4 g4 c5 | b4:2 g4:2 |", 0.8f, -0.8f);
    Samples l1, r1, l2, r2;
    song.Render(l1, r1);
    song.Render(l2, r2);
    EXPECT_EQ(l1, l2);
    EXPECT_EQ(r1, r2);
    EXPECT_GT(Energy(l1, 0, l1.size()), 4.0 * Energy(r1, 0, r1.size()));  // panned left
}

TEST(AudioReverb, LoopedTailRingsIntoTheStart) {
    const size_t n = 3 * kSampleRate;
    Samples send(n, 0.0f);
    send[n - 100] = 1.0f;  // a click just before the loop point
    Samples left(n, 0.0f), right(n, 0.0f);
    Reverb(0.7f, 0.5f).Apply(send, left, right, 1.0f, true);
    EXPECT_GT(Energy(left, 0, 22050), 1e-6);
    EXPECT_GT(Energy(right, 0, 22050), 1e-6);
    EXPECT_NE(left, right);  // the two sides are decorrelated

    Samples once_left(n, 0.0f), once_right(n, 0.0f);
    Reverb(0.7f, 0.5f).Apply(send, once_left, once_right, 1.0f, false);
    EXPECT_EQ(Energy(once_left, 0, 22050), 0.0);
}

TEST(AudioEffects, EveryIdHasASoundAndTheChargeHumLoops) {
    for (int id = 100; id <= 118; ++id) {
        Samples s = SynthesizeSoundEffect(id);
        ASSERT_FALSE(s.empty()) << id;
        EXPECT_EQ(s, SynthesizeSoundEffect(id)) << id;
        EXPECT_LE(PeakOf(s), 0.61f) << id;
        if (id != 118) {
            EXPECT_EQ(s.front(), 0.0f) << id;
            EXPECT_EQ(s.back(), 0.0f) << id;
        }
    }
    EXPECT_TRUE(SynthesizeSoundEffect(99).empty());
    EXPECT_TRUE(SynthesizeSoundEffect(119).empty());
    // One exact second whose every component completes whole cycles: the sample after the last
    // would be the first again.
    Samples hum = SynthesizeSoundEffect(118);
    ASSERT_EQ(hum.size(), static_cast<size_t>(kSampleRate));
    float step = hum[1] - hum[0];
    float seam = hum[0] - hum.back();
    EXPECT_NEAR(seam, step, 0.01f);
}

TEST(AudioMusic, EveryTuneIsWrittenWithoutNotationErrors) {
    std::vector<MusicTrack> tracks = ComposeMusic();
    EXPECT_EQ(tracks.size(), 10u);
    for (const MusicTrack& t : tracks) {
        SCOPED_TRACE(t.path);
        EXPECT_EQ(t.song.NotationErrors(), 0);
        EXPECT_FALSE(t.song.Notes().empty());
        double seconds = t.song.LengthBeats() * t.song.SecondsPerBeat();
        EXPECT_EQ(t.song.Loops(), t.path != "Data/Music/Intro.ogg");
        if (t.song.Loops()) {
            EXPECT_GE(seconds, 45.0);
            EXPECT_LE(seconds, 90.0);
        } else {
            EXPECT_GE(seconds, 26.0);  // plus the ringing tail
            EXPECT_LE(seconds, 41.0);
        }
        for (const NoteEvent& note : t.song.Notes()) {
            EXPECT_GE(note.beat, 0.0);
            EXPECT_LT(note.beat, t.song.LengthBeats());
            EXPECT_GE(note.midi, 24.0f);
            EXPECT_LE(note.midi, 100.0f);
            EXPECT_GT(note.velocity, 0.0f);
            EXPECT_LE(note.velocity, 1.0f);
        }
    }
}

TEST(AudioOggWriter, RoundTripsExactLengthAndSameBytes) {
    Samples left(22050), right(22050);
    for (size_t i = 0; i < left.size(); ++i) {
        left[i] = 0.5f * std::sin(2.0f * 3.14159265f * 440.0f * i / kSampleRate);
        right[i] = 0.25f * std::sin(2.0f * 3.14159265f * 660.0f * i / kSampleRate);
    }
    const std::string a = TempPath("a.ogg"), b = TempPath("b.ogg");
    ASSERT_TRUE(WriteOggVorbis(a, left, right, 0.3f, 1234));
    ASSERT_TRUE(WriteOggVorbis(b, left, right, 0.3f, 1234));
    EXPECT_EQ(ReadBytes(a), ReadBytes(b));

    OggVorbis_File file;
    ASSERT_EQ(ov_fopen(a.c_str(), &file), 0);
    EXPECT_EQ(ov_info(&file, -1)->channels, 2);
    EXPECT_EQ(ov_info(&file, -1)->rate, kSampleRate);
    EXPECT_EQ(ov_pcm_total(&file, -1), 22050);
    double error = 0.0;
    long frames = 0;
    int section = 0;
    float** pcm = nullptr;
    long got;
    while ((got = ov_read_float(&file, &pcm, 1024, &section)) > 0) {
        for (long i = 0; i < got; ++i) error = std::max(error, double(std::fabs(pcm[0][i] - left[frames + i])));
        frames += got;
    }
    ov_clear(&file);
    EXPECT_EQ(frames, 22050);
    EXPECT_LT(error, 0.05);  // lossy, but the same waveform

    EXPECT_FALSE(WriteOggVorbis(TempPath("missing/dir/c.ogg"), left, right, 0.3f, 1));
    EXPECT_FALSE(WriteOggVorbis(TempPath("d.ogg"), left, Samples(10), 0.3f, 1));  // channels differ
    std::remove(a.c_str());
    std::remove(b.c_str());
}
