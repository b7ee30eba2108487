// The location painters of the world. Each paints its backgrounds (JPEG, sizes in multiples of 256
// so the manifest can cut them into 256 px tiles) and returns false if a file could not be written.
// Hotspot pictures that belong in these scenes are painted by PaintHotspotPictures at the sizes the
// backgrounds leave room for (see world/README.md for where each one goes).
#pragma once

#include "paint/kit.h"

bool PaintVillage(Output& out);    // 3001 cottage, 3002 square, 3004 store, 3014 festival, 3016 shrine
bool PaintWilds(Output& out);      // 3005 Zachary's ranch, 3006 forest edge, 3007 lake, 3008 orchard,
                                   // 3013 Wildman's camp
bool PaintMountain(Output& out);   // 3009 mountain path, 3010 lookout, 3011 ravine, 3012 hall
bool PaintHotspotPictures(Output& out);  // 3100-3299 and the dialogue pictures 4000-4003
