// The game's tunes: each is composed here as a Song (chords, melodies, accompaniment) and rendered.
#pragma once

#include <string>
#include <vector>

#include "song.h"

struct MusicTrack {
    std::string path;  // relative to the game folder, e.g. "Data/Music/Village.ogg"
    Song song;
};

// Every tune of the game, composed (not yet rendered).
std::vector<MusicTrack> ComposeMusic();
