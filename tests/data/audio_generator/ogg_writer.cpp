// The audio generator is a separate program; its ogg_writer source is compiled into the tests here.
#include "../../../tools/assetgen/audio/ogg_writer.cpp"
