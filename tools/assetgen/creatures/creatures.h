// The thirteen spiggle breeds. Each breed is painted as four layers on one 320 x 320 cell so they
// line up when the game draws them centred on the animal:
//   top    2000 + k          outlines and details (eyes, horns, spots...), drawn untinted, last;
//   face   2100 + k          light grey fill of the static parts (head, torso), tinted;
//   line   2200 + 4k + f     outlines of the moving parts (legs, tail) and the ground shadow;
//   body   2300 + 4k + f     light grey fill of the moving parts, tinted.
// Frames f = 0 (rest), 1, 2 (feet tucked: the hop) and 3 (same as 0, never drawn).
#pragma once

#include <cairo.h>

#include <string>

#include "paint/kit.h"

// Breed names in breed-index order (k = 0..12).
extern const char* const kBreedNames[13];

// Writes the four sprite sheets into data_dir/Graphics/Spiggles. Returns false if a file could not
// be written (after printing which).
bool PaintCreatures(const std::string& data_dir);

// Paints breed k at rest, tinted like the game tints it, centred at (x, y) at `scale` (1 = the
// 320 px cell), for spiggles standing in scenery.
void PaintSpiggle(cairo_t* cr, int breed, double x, double y, double scale, Rgb tint, bool facing_left);
