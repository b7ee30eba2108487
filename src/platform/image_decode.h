// Picture decoding: PNG (libpng) and JPEG (libjpeg) into RGBA pixmaps. Pure black (0, 0, 0) is the
// game's mask colour and becomes fully transparent. A picture that does not decode is an error the
// caller sees (false), never an exit. LoadImage, LoadImageFrames, ImageFromPixmap and CreateImage
// (graphics.h) are defined here.
#pragma once

#include <string>

#include "graphics.h"

// Decoders of a whole file's bytes. On failure `out` is left empty and `error` (when given) says why.
bool DecodePNG(const std::string& bytes, Pixmap* out, std::string* error = nullptr);
bool DecodeJPEG(const std::string& bytes, Pixmap* out, std::string* error = nullptr);
// Picks the decoder by the file's signature (not its name) and masks black.
bool DecodeImage(const std::string& bytes, Pixmap* out, std::string* error = nullptr);
bool DecodeImageFile(const std::string& path, Pixmap* out, std::string* error = nullptr);

// Sets alpha 0 on every pixel whose colour is exactly black.
void MaskBlack(Pixmap* pixmap);

// Pictures larger than this on either side are refused rather than allocated.
constexpr int kMaxImageSide = 16384;
