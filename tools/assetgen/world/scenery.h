// Scenery pieces the location backgrounds share (on top of the painting kit's parts): rooms,
// big trees, mountains, cobbles, meadows, bunting, rock faces and signposts.
#pragma once

#include <functional>
#include <vector>

#include "paint/kit.h"

constexpr double kWorldPi = 3.14159265358979323846;

// Vertical boards filling (x, y, w, h) with joints, knots and a soft top shadow.
void PaintPlankWall(cairo_t* cr, double x, double y, double w, double h, Rgb wood, Rng& rng,
                    double board = 64);
// Floor boards from y0 (far) to y1 (near) across the width, joints running towards vanish_x.
void PaintFloorBoards(cairo_t* cr, double x, double y0, double w, double y1, Rgb wood,
                      double vanish_x);
// A window with frame, sill and cross bars; `view` paints what is seen through it (clipped).
void PaintWindow(cairo_t* cr, double x, double y, double w, double h,
                 const std::function<void(cairo_t*)>& view, Rgb frame = kWood);
// A big leafy tree: trunk with roots and a crown of many shaded blobs. `fruit` > 0 adds that many
// red apples.
void PaintBigTree(cairo_t* cr, double x, double ground_y, double height, Rgb leaf, Rng& rng,
                  int fruit = 0, double line_width = kOutlineWidth);
// A mountain range between x0 and x1 standing on base_y; peaks up to `height`, snow caps optional.
void PaintMountains(cairo_t* cr, double x0, double x1, double base_y, double height, Rgb color,
                    Rng& rng, bool snow, double line_width = kOutlineWidth);
// Cobblestones filling the rectangle, smaller towards the top (distance).
void PaintCobbles(cairo_t* cr, double x, double y, double w, double h, Rgb stone, Rng& rng);
// Grass tufts and flowers scattered in the rectangle.
void PaintMeadow(cairo_t* cr, double x, double y, double w, double h, Rng& rng, int count,
                 Rgb grass = kMoss);
// A string of pennants hanging from (x0, y0) to (x1, y1), sagging by `sag`.
void PaintBunting(cairo_t* cr, double x0, double y0, double x1, double y1, double sag, Rng& rng);
// A closed rock face through `xy` with cracks and moss.
void PaintRock(cairo_t* cr, const std::vector<double>& xy, Rgb color, Rng& rng,
               double line_width = kOutlineWidth);
// A glowing paper lantern hanging at (x, y).
void PaintLantern(cairo_t* cr, double x, double y, double r, Rgb color);
// Soft warm light: radial glow with additive feel (plain alpha over).
void PaintLight(cairo_t* cr, double x, double y, double r, Rgb color, double alpha);
// A simple wooden crate.
void PaintCrate(cairo_t* cr, double x, double y, double w, double h);
// A sack of grain.
void PaintSack(cairo_t* cr, double x, double ground_y, double w, double h, Rgb color);
// A reed/cattail clump standing on (x, ground_y).
void PaintReeds(cairo_t* cr, double x, double ground_y, double h, Rng& rng);
