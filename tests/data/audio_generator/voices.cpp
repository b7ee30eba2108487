// The audio generator is a separate program; its voices source is compiled into the tests here.
#include "../../../tools/assetgen/audio/voices.cpp"
