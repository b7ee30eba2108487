// The game's short sound effects (audio ids 100-118).
#pragma once

#include "synth.h"

// Synthesises the effect registered under `id` (100-118); empty for any other id. Effects are mono.
// 118 (the charge hum) is exactly one second long and periodic, so it loops without a click.
Samples SynthesizeSoundEffect(int id);
