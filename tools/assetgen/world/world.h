// The world's pictures: location backgrounds (3001-3016), hotspot pictures (3100-3299) and dialogue
// pictures (4000-4003). world/README.md lists where each hotspot picture belongs.
#pragma once

#include <string>

// Writes every world picture into data_dir/Graphics/World, Hotspots and Dialogue. Returns false if
// a file could not be written (after printing which).
bool PaintWorld(const std::string& data_dir);
