// The audio generator is a separate program; its music_tracks source is compiled into the tests here.
#include "../../../tools/assetgen/audio/music_tracks.cpp"
