// Encodes float samples as an Ogg Vorbis file with libvorbisenc.
#pragma once

#include <string>

#include "synth.h"

// Writes `left` (and `right` when it is not empty: a stereo file) at kSampleRate. Samples are clamped
// to [-1, 1]. `serial` is the Ogg stream serial number: fixed, so the same samples always give the
// same bytes. Returns false (after printing why) when the file cannot be written.
bool WriteOggVorbis(const std::string& path, const Samples& left, const Samples& right, float quality,
                    int serial);
