// Loudness of sounds and tunes by EBU R128 (libebur128), and levelling to a target.
#pragma once

#include "synth.h"

// The loudness targets (LUFS, as a player hears the file): every tune sits at one level, every sound
// effect at another, a little above the music so that the game's answers to a click stand out.
constexpr double kMusicLoudness = -20.0;
constexpr double kEffectLoudness = -17.0;

// Integrated loudness in LUFS of `left` (and `right`, when not empty) at kSampleRate. A mono sound
// plays centred on both speakers, so it is measured as dual mono. A sound shorter than a second is
// measured as if it repeated for a second: its own average loudness, not that of the silence after
// it. -HUGE_VAL for silence.
double IntegratedLoudness(const Samples& left, const Samples& right);

// Scales the samples to `target` LUFS. When that would lift the peak past `max_peak`, the gain stops
// there and the function returns false (the caller reports it). *measured gets the loudness before.
bool LevelLoudness(Samples& left, Samples& right, double target, float max_peak, double* measured);
