// The audio generator is a separate program; its synth source is compiled into the tests here.
#include "../../../tools/assetgen/audio/synth.cpp"
