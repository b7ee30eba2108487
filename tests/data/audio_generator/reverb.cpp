// The audio generator is a separate program; its reverb source is compiled into the tests here.
#include "../../../tools/assetgen/audio/reverb.cpp"
