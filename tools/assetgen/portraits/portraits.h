// Speaker portraits: the player (male 1000, female 1005, each with four expression overlays) and the
// eight villagers 1010-1017. Every portrait P owns four overlays at 1100 + 4 (P - 1000) + j:
// j = 0 mouth A, 1 mouth B, 2 eyes half shut, 3 eyes shut. All share one 384 x 512 canvas per
// portrait, drawn centred at the speaker's position (y 512), so overlays line up with the face.
//
// Expression overlays (mood value of the dialogue `mood` step -> picture):
//   mood 1 happy -> 1003 / 1008, mood 2 surprised -> 1002 / 1007,
//   mood 3 worried -> 1004 / 1009, mood 4 cross -> 1001 / 1006.
#pragma once

#include <cairo.h>

#include <string>

// Who can stand in a scene: 0 male player, 1 female player, 2 Malcolm, 3 Zachary, 4 Hrafnirr,
// 5 Honest Harry, 6 the Wildman, 7 Mayor Prudence Bell, 8 Old Wen, 9 Lilly.
// Paints that character standing with the feet at (cx, feet_y), about `height` px tall; with
// to_waist only the upper body at the same size (someone behind a counter: the cut at the waist
// lies at feet_y).
void PaintFigure(cairo_t* cr, int who, double cx, double feet_y, double height, bool to_waist);

// Writes the portrait sheets into data_dir/Graphics/Portraits. Returns false if a file could not be
// written (after printing which).
bool PaintPortraits(const std::string& data_dir);
