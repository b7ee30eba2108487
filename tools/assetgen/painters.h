// The picture families painted by the generator's own painters (the characters and world painters
// have their own headers). Each writes its files through `out` and returns out.ok() afterwards.
#pragma once

#include <string>

#include "paint/kit.h"

// Pointer, particles, arrows, frame pictures, window panels, buttons, corner icons, markers,
// check box, slider, bars, money, star, speech tail, health icons, statues and award tiles.
bool PaintInterface(Output& out);
// Title scene pictures, clouds, splash pictures, logos, loading screen, ending, window icon.
bool PaintTitle(Output& out);
// The desktop icons (the window icon's emblem): OUT_DIR/hicolor/NxN/apps/NAME.png at the usual
// sizes and OUT_DIR/hicolor/scalable/apps/NAME.svg.
bool PaintDesktopIcons(const std::string& out_dir, const std::string& name);
// The ranch: background, fences, pen extensions, repair states, slot frames, pregnancy clock.
bool PaintRanch(Output& out);
// Mini-game pictures: apple tree, berry bush, forest, lens, fish, junk, gauge, leaves, charge bar.
bool PaintGames(Output& out);
// One 64 x 64 picture per inventory item (see items/item_pictures.h for the ids).
bool PaintItems(Output& out);

// Shared by the interface and ranch painters: a rounded wooden/honey button plate filling
// (x, y, w, h) with outline, bevel and shine. `color` is the plate's face colour.
void PaintPlate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb color,
                double line_width);
// A slot frame for 64 x 64 cells (72 x 72 picture): rim of `rim` colour around a sunken cell.
void PaintSlot(cairo_t* cr, double size, Rgb rim, Rgb cell, double line_width);
