// The audio generator is a separate program; its loudness measure is compiled into the tests here.
#include "../../../tools/assetgen/audio/loudness.cpp"
