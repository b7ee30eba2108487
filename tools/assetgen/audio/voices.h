// The synthesizer's instrument voices. Every voice renders one note into a mono buffer, release tail
// included; voices with a noise part take a seed, so the same call always gives the same samples.
#pragma once

#include <cstdint>

#include "synth.h"

// Instrument voices. `freq` in Hz, `hold` = seconds the note is held, `velocity` 0..1.
Samples RenderPluck(float freq, float hold, float velocity, float brightness, uint32_t seed);
Samples RenderBell(float freq, float hold, float velocity, float decay_scale);
Samples RenderMarimba(float freq, float hold, float velocity);
Samples RenderFlute(float freq, float hold, float velocity, float breath, uint32_t seed);
Samples RenderPad(float freq, float hold, float velocity, float cutoff_hz);
Samples RenderBass(float freq, float hold, float velocity);
Samples RenderOrgan(float freq, float hold, float velocity);
Samples RenderHorn(float freq, float hold, float velocity);
Samples RenderFiddle(float freq, float hold, float velocity);
Samples RenderSquareLead(float freq, float hold, float velocity);

// Soft drums.
Samples RenderKick(float velocity);
Samples RenderShaker(float velocity, uint32_t seed);
Samples RenderWoodblock(float freq, float velocity);
Samples RenderSnare(float velocity, uint32_t seed);
Samples RenderTom(float freq, float velocity, uint32_t seed);
Samples RenderTambourine(float velocity, uint32_t seed);

// Nature.
// Wind: band-passed noise around `freq`, swelling in and out over `hold` seconds.
Samples RenderWind(float freq, float hold, float velocity, uint32_t seed);
// A small bird: two to four quick rising chirps around `freq`.
Samples RenderBird(float freq, float velocity, uint32_t seed);
