#include "world/world.h"

#include <cstdio>

#include "world/locations.h"

bool PaintWorld(const std::string& data_dir) {
    Output out(data_dir);
    bool ok = PaintVillage(out);
    ok = PaintWilds(out) && ok;
    ok = PaintMountain(out) && ok;
    ok = PaintHotspotPictures(out) && ok;
    if (!ok) std::fprintf(stderr, "assetgen: could not write every world picture\n");
    return ok;
}
