// Food and catch shapes shared by the mini-game pictures and the item pictures, so an apple looks
// the same flying from the tree and lying in the inventory. Each draws centred at (cx, cy) with the
// house outline of weight lw.
#pragma once

#include "paint/kit.h"

// A fish pointing left, `length` px from nose to tail tip.
void DrawFish(cairo_t* cr, double cx, double cy, double length, Rgb body, Rgb fin, double lw);
// An apple of radius r with stalk and leaf.
void DrawApple(cairo_t* cr, double cx, double cy, double r, double lw);
// An acorn `height` px tall.
void DrawAcorn(cairo_t* cr, double cx, double cy, double height, double lw);
// A toadstool `height` px tall (red cap, cream spots).
void DrawMushroom(cairo_t* cr, double cx, double cy, double height, double lw);
// One round berry of radius r with a shine and a tiny crown.
void DrawBerry(cairo_t* cr, double cx, double cy, double r, Rgb color, double lw);
// A pointed leaf `length` long along `angle` (radians), starting at (x, y).
void DrawLeaf(cairo_t* cr, double x, double y, double length, double width, double angle, Rgb color,
              double lw);
