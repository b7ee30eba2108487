// The audio generator is a separate program; its song source is compiled into the tests here.
#include "../../../tools/assetgen/audio/song.cpp"
