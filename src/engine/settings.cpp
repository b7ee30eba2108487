#include "settings.h"

std::string profile_name;
Interpolation sound_volume(0.8f);
Interpolation music_volume(0.8f);
int audio_enabled = 1;
