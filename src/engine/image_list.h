// The image registry: pictures referred to by small integer ids. One registration covers the id
// range [id, id + count): a single picture, the frames of a sprite sheet, or a large picture cut
// into square tiles. Drawing by id uses the current drawing state.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics.h"
#include "primitives.h"

class ImageContainer {
public:
    int id = 0;
    int count = 1;    // ids covered: 1 for a single picture, the frame count of a sheet
    int w = 0;        // frames per row of a sheet (width / tile_x)
    int tile_x = 0;   // frame size of a sheet
    int tile_y = 0;
    int width = 0;    // size of the whole loaded picture
    int height = 0;
    int split = 0;    // edge of the square tiles the picture was cut into; 0 = not cut
    // The picture; a sheet's frames as the frames of one image; or a cut picture's tiles row by row
    // (width / split per row). A cut picture (a location's background: large, one scene's) is decoded
    // when first drawn or measured and let go again when no frame has used it for a while: then
    // `images` is empty and `path` says where it comes from.
    std::vector<Image> images;
    std::string path;
    uint64_t last_used = 0;  // the frame (FrameCount) that last drew or measured it
    std::function<void(int, int)> Callback;  // unused by the game

    bool Covers(int other) const { return other >= id && static_cast<long long>(other) - id < count; }
};

class ImageList {
public:
    // Each returns 1 on success; 0 when `id` is already covered by a registration or the picture
    // does not load. Only `id` itself is tested: later ids of a sheet may overlap older ones, and
    // then the older registration wins for those ids.
    static int AddImage(const std::string& path, int id);
    static int AddAnimImage(const std::string& path, int id, int tile_x, int tile_y, int count);
    static int AddSplitImage(const std::string& path, int id, int split);
    static int AddSplitAnimImage(const std::string& path, int id, int tile_x, int tile_y, int count, int split);

    // The first registration whose range holds `id`, or null.
    static ImageContainer* GetImageContainer(int id);
    // Removes the registration whose range holds `id` (a sheet's other ids go with it).
    static void RemoveImage(int id);
    // Empties the registry.
    static void Clear();

    // Picture size (single) or frame size (sheet); 0 for an unregistered id.
    static int GetWidth(int id);
    static int GetHeight(int id);
    // The box of visible (alpha != 0) pixels as an offset from the picture's centre: drawn centred at
    // (px, py), the visible pixels fill a w x h box centred at about (px + x, py + y). Empty
    // (std::nullopt) for an unregistered id.
    static std::optional<Area> GetSize(int id);

    // Draws the picture or frame centred on (x, y); unregistered ids draw nothing.
    static void DrawSimple(int id, float x, float y);
    // Draws the source rectangle of the picture (for a sheet, relative to the frame's corner) centred
    // on (x, y). Cut pictures are not drawn this way.
    static void DrawSimpleRect(int id, int sx, int sy, int sw, int sh, float x, float y);
    // The primitive under both: the source rectangle of a frame of `image` as a sw x sh quad centred
    // on (x, y). Texture coordinates are inset a little unless the rectangle is the whole picture, so
    // neighbouring frames never bleed in.
    static void DrawPart(const Image& image, int image_w, int image_h, int sx, int sy, int sw, int sh, float x,
                         float y, int frame = 0);
    // Lets go of cut pictures no frame has used for `idle_frames` frames (they decode again when next
    // used). Drawing calls it once a frame.
    static void ReleaseIdle(uint64_t idle_frames);
};
