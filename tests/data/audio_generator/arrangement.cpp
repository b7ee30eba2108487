// The audio generator is a separate program; its arrangement source is compiled into the tests here.
#include "../../../tools/assetgen/audio/arrangement.cpp"
