// Player settings shared by the shell, the sound registry and the options file.
#pragma once

#include <string>

#include "primitives.h"

extern std::string profile_name;    // the last used profile ("" = none)
extern Interpolation sound_volume;  // effects, 0..1
extern Interpolation music_volume;  // music, 0..1
extern int audio_enabled;           // 0 when no sound device could be opened
