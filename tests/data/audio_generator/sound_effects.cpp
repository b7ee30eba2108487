// The audio generator is a separate program; its sound_effects source is compiled into the tests here.
#include "../../../tools/assetgen/audio/sound_effects.cpp"
