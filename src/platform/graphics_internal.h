// Shared between the platform's drawing files.
#pragma once

#include "graphics.h"

// Measures once whether a frame is opaque and whether it is white with coverage.
void MeasureFrame(ImageFrame& frame, int fw, int fh);

// Draws the source rectangle (sx, sy, sw, sh) of a frame into a w x h box centred on (cx, cy)
// (virtual pixels, origin already added), rotated by `angle` degrees about its centre, mirrored as
// asked, with the current colour, alpha, blend and viewport. The primitive under every picture and
// glyph.
void DrawFrameRect(const Image& image, int frame, int sx, int sy, int sw, int sh, float cx, float cy, float w, float h,
                   float angle, bool flip_x, bool flip_y);
