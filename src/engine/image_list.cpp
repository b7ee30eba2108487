#include "image_list.h"

#include <algorithm>
#include <cstring>

#include "image_decode.h"

namespace {

std::vector<std::unique_ptr<ImageContainer>> image_list;

// Measured visible boxes, per registration and frame. Registered pictures are never edited after
// loading, and hit tests ask for them every frame, so each is measured once.
struct SizeCacheEntry {
    const ImageContainer* container;
    int frame;
    Area area;
};
std::vector<SizeCacheEntry> size_cache;

bool IdTaken(int id) { return ImageList::GetImageContainer(id) != nullptr; }

// A cut picture unused for this many frames (two seconds) is let go.
constexpr uint64_t kIdleFrames = 200;
uint64_t idle_checked = 0;  // the frame whose draws last looked for idle pictures

// Cuts a pixmap into rows x cols square tiles of `split` pixels; the remainder at the right and
// bottom edges is dropped.
std::vector<Image> CutTiles(const Pixmap& pixmap, int split) {
    std::vector<Image> tiles;
    const int cols = pixmap.width / split;
    const int rows = pixmap.height / split;
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            Pixmap piece(split, split);
            for (int y = 0; y < split; ++y) {
                std::memcpy(&piece.rgba[static_cast<size_t>(y) * split * 4],
                            &pixmap.rgba[(static_cast<size_t>(i * split + y) * pixmap.width + j * split) * 4],
                            static_cast<size_t>(split) * 4);
            }
            auto tile = std::make_shared<TImage>();
            tile->width = split;
            tile->height = split;
            tile->frames.push_back(FrameFromPixmap(std::move(piece)));
            tiles.push_back(tile);
        }
    }
    return tiles;
}

// Decodes a cut picture that was let go; false when its file no longer decodes.
bool EnsureLoaded(ImageContainer& c) {
    c.last_used = FrameCount();
    if (!c.images.empty() || c.path.empty()) return true;
    Pixmap pixmap;
    if (!DecodeImageFile(c.path, &pixmap)) return false;
    c.images = CutTiles(pixmap, c.split);
    return true;
}

// A sheet of `count` frames of tile_x x tile_y must fit its picture: frames beyond its edges would
// be drawn and measured from pixels that are not there.
bool SheetHolds(int width, int height, int tile_x, int tile_y, int count) {
    const long long per_row = width / tile_x, rows = height / tile_y;
    return per_row >= 1 && rows >= 1 && count <= per_row * rows;
}

// A picture cut into a few thousand tiles at most: a tile edge of a pixel or two would turn one
// picture into millions of tiny images.
bool TileCountSane(const Pixmap& pixmap, int split) {
    return static_cast<long long>(pixmap.width / split) * (pixmap.height / split) <= 4096;
}

// A sprite sheet's registration, images still to add: ids id .. id + count - 1, frames of
// tile_x x tile_y, `width / tile_x` per row.
std::unique_ptr<ImageContainer> SheetContainer(int id, int tile_x, int tile_y, int count, int width, int height) {
    auto c = std::make_unique<ImageContainer>();
    c->id = id;
    c->count = count;
    c->tile_x = tile_x;
    c->tile_y = tile_y;
    c->width = width;
    c->height = height;
    c->w = width / tile_x;
    return c;
}

int AddContainer(std::unique_ptr<ImageContainer> c) {
    image_list.push_back(std::move(c));
    return 1;
}

// Alpha of the pixel (px, py) of the whole registered picture; outside it counts as transparent.
uint8_t AlphaAt(ImageContainer& c, int px, int py) {
    if (px < 0 || py < 0) return 0;
    if (c.split > 0) {
        if (!EnsureLoaded(c)) return 0;
        const int cols = c.width / c.split;
        const int rows = c.height / c.split;
        const int tj = px / c.split;
        const int ti = py / c.split;
        if (tj >= cols || ti >= rows) return 0;
        const size_t index = static_cast<size_t>(ti) * cols + tj;
        if (index >= c.images.size() || !c.images[index] || c.images[index]->frames.empty()) return 0;
        return static_cast<uint8_t>(c.images[index]->frames[0].Pixel(px % c.split, py % c.split) >> 24);
    }
    if (c.images.empty() || !c.images[0] || c.images[0]->frames.empty()) return 0;
    const TImage& image = *c.images[0];
    if (c.count > 1) {
        // A sheet: the frame under the point.
        if (px >= c.w * c.tile_x) return 0;
        const size_t k = static_cast<size_t>(py / c.tile_y) * c.w + px / c.tile_x;
        if (k >= image.frames.size()) return 0;
        return static_cast<uint8_t>(image.frames[k].Pixel(px % c.tile_x, py % c.tile_y) >> 24);
    }
    return static_cast<uint8_t>(image.frames[0].Pixel(px, py) >> 24);
}

Area MeasureVisible(ImageContainer& c, int left, int top, int rect_w, int rect_h) {
    int first_row = -1, last_row = -1, first_col = -1, last_col = -1;
    for (int y = 0; y < rect_h; ++y) {
        for (int x = 0; x < rect_w; ++x) {
            if (AlphaAt(c, left + x, top + y) == 0) continue;
            if (first_row < 0) first_row = y;
            last_row = y;
            if (first_col < 0 || x < first_col) first_col = x;
            if (x > last_col) last_col = x;
        }
    }
    Area a;
    if (first_row >= 0) {
        a.y = first_row;
        a.h = last_row - first_row + 1;
        a.x = first_col;
        a.w = last_col - first_col + 1;
    }
    a.x -= (rect_w - a.w) / 2;
    a.y -= (rect_h - a.h) / 2;
    return a;
}

void ForgetSizes(const ImageContainer* c) {
    size_cache.erase(std::remove_if(size_cache.begin(), size_cache.end(),
                                    [c](const SizeCacheEntry& e) { return e.container == c; }),
                     size_cache.end());
}

}  // namespace

int ImageList::AddImage(const std::string& path, int id) {
    if (IdTaken(id)) return 0;
    Image image = LoadImage(path);
    if (!image) return 0;
    auto c = std::make_unique<ImageContainer>();
    c->id = id;
    c->count = 1;
    c->width = image->width;
    c->height = image->height;
    c->images.push_back(image);
    return AddContainer(std::move(c));
}

int ImageList::AddAnimImage(const std::string& path, int id, int tile_x, int tile_y, int count) {
    if (tile_x <= 0 || tile_y <= 0 || count <= 0 || IdTaken(id)) return 0;
    Pixmap sheet;
    if (!DecodeImageFile(path, &sheet) || !SheetHolds(sheet.width, sheet.height, tile_x, tile_y, count)) return 0;
    auto c = SheetContainer(id, tile_x, tile_y, count, sheet.width, sheet.height);
    // Each frame keeps only the box around what it shows: sheets are mostly clear.
    auto image = std::make_shared<TImage>();
    image->width = tile_x;
    image->height = tile_y;
    image->frames.reserve(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        image->frames.push_back(TrimmedFrame(sheet, (k % c->w) * tile_x, (k / c->w) * tile_y, tile_x, tile_y));
    }
    c->images.push_back(image);
    return AddContainer(std::move(c));
}

int ImageList::AddSplitImage(const std::string& path, int id, int split) {
    if (split <= 0 || IdTaken(id)) return 0;
    Pixmap pixmap;
    if (!DecodeImageFile(path, &pixmap) || !TileCountSane(pixmap, split)) return 0;
    auto c = std::make_unique<ImageContainer>();
    c->id = id;
    c->count = 1;
    c->width = pixmap.width;
    c->height = pixmap.height;
    c->split = split;
    // Only the size is kept now: the tiles are cut when the picture is first used.
    c->path = path;
    return AddContainer(std::move(c));
}

int ImageList::AddSplitAnimImage(const std::string& path, int id, int tile_x, int tile_y, int count, int split) {
    if (split <= 0 || tile_x <= 0 || tile_y <= 0 || count <= 0 || IdTaken(id)) return 0;
    Pixmap pixmap;
    if (!DecodeImageFile(path, &pixmap) || !SheetHolds(pixmap.width, pixmap.height, tile_x, tile_y, count) ||
        !TileCountSane(pixmap, split))
        return 0;
    auto c = SheetContainer(id, tile_x, tile_y, count, pixmap.width, pixmap.height);
    c->split = split;
    c->images = CutTiles(pixmap, split);
    return AddContainer(std::move(c));
}

ImageContainer* ImageList::GetImageContainer(int id) {
    for (auto& c : image_list)
        if (c->Covers(id)) return c.get();
    return nullptr;
}

void ImageList::RemoveImage(int id) {
    for (auto it = image_list.begin(); it != image_list.end(); ++it) {
        if ((*it)->Covers(id)) {
            ForgetSizes(it->get());
            image_list.erase(it);
            return;
        }
    }
}

void ImageList::Clear() {
    size_cache.clear();
    image_list.clear();
}

int ImageList::GetWidth(int id) {
    const ImageContainer* c = GetImageContainer(id);
    if (!c) return 0;
    return c->count > 1 ? c->tile_x : c->width;
}

int ImageList::GetHeight(int id) {
    const ImageContainer* c = GetImageContainer(id);
    if (!c) return 0;
    return c->count > 1 ? c->tile_y : c->height;
}

std::optional<Area> ImageList::GetSize(int id) {
    ImageContainer* c = GetImageContainer(id);
    if (!c) return std::nullopt;
    const int k = id - c->id;
    for (const SizeCacheEntry& e : size_cache)
        if (e.container == c && e.frame == k) return e.area;
    Area area;
    if (c->count > 1) {
        area = MeasureVisible(*c, (k % c->w) * c->tile_x, (k / c->w) * c->tile_y, c->tile_x, c->tile_y);
    } else if (c->split > 0) {
        // A cut picture is measured over all its kept tiles, the area that is drawn.
        area = MeasureVisible(*c, 0, 0, (c->width / c->split) * c->split, (c->height / c->split) * c->split);
    } else {
        area = MeasureVisible(*c, 0, 0, c->width, c->height);
    }
    size_cache.push_back({c, k, area});
    return area;
}

void ImageList::DrawSimple(int id, float x, float y) {
    if (FrameCount() != idle_checked) {
        idle_checked = FrameCount();
        ReleaseIdle(kIdleFrames);
    }
    ImageContainer* c = GetImageContainer(id);
    if (!c || (c->split > 0 && !EnsureLoaded(*c)) || c->images.empty()) return;
    const float screen_w = static_cast<float>(kVirtualWidth);
    const float screen_h = static_cast<float>(kVirtualHeight);
    if (c->count <= 1) {
        if (c->split <= 0) {
            DrawImage(c->images[0], x, y);
            return;
        }
        const int s = c->split;
        const int cols = c->width / s;
        const int rows = c->height / s;
        const float half = static_cast<float>(s / 2);
        for (int i = 0; i < rows; ++i) {
            const float ty = y + static_cast<float>(i * s - (rows - 1) * s / 2);
            if (ty < -half || ty >= screen_h + half) continue;
            for (int j = 0; j < cols; ++j) {
                const float tx = x + static_cast<float>(j * s - (cols - 1) * s / 2);
                if (tx < -half || tx >= screen_w + half) continue;
                const size_t index = static_cast<size_t>(i) * cols + j;
                if (index < c->images.size()) DrawImage(c->images[index], tx, ty);
            }
        }
        return;
    }
    const float half_w = static_cast<float>(c->tile_x / 2);
    const float half_h = static_cast<float>(c->tile_y / 2);
    if (x < -half_w || x >= screen_w + half_w || y < -half_h || y >= screen_h + half_h) return;
    const int k = id - c->id;
    const int fx = (k % c->w) * c->tile_x;
    const int fy = (k / c->w) * c->tile_y;
    if (c->split <= 0) {
        DrawPart(c->images[0], c->tile_x, c->tile_y, 0, 0, c->tile_x, c->tile_y, x, y, k);
        return;
    }
    const int s = c->split;
    const size_t tile = static_cast<size_t>(fx / s + (fy / s) * (c->width / s));
    if (tile < c->images.size()) DrawPart(c->images[tile], s, s, fx % s, fy % s, c->tile_x, c->tile_y, x, y);
}

void ImageList::DrawSimpleRect(int id, int sx, int sy, int sw, int sh, float x, float y) {
    const ImageContainer* c = GetImageContainer(id);
    if (!c || c->images.empty() || c->split > 0) return;
    if (c->count > 1) {
        DrawPart(c->images[0], c->tile_x, c->tile_y, sx, sy, sw, sh, x, y, id - c->id);
        return;
    }
    DrawPart(c->images[0], c->width, c->height, sx, sy, sw, sh, x, y);
}

void ImageList::ReleaseIdle(uint64_t idle_frames) {
    const uint64_t now = FrameCount();
    for (auto& c : image_list) {
        if (c->split <= 0 || c->path.empty() || c->images.empty() || c->last_used + idle_frames >= now) continue;
        c->images.clear();
        c->images.shrink_to_fit();
    }
}

void ImageList::DrawPart(const Image& image, int image_w, int image_h, int sx, int sy, int sw, int sh, float x,
                         float y, int frame) {
    if (!image || image_w <= 0 || image_h <= 0 || sw <= 0 || sh <= 0) return;
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    if (sx != 0 || sy != 0 || sw != image_w || sh != image_h) {
        // Inset by a quarter pixel on the near edges and three quarters on the far ones, so linear
        // filtering never reads the neighbouring frame.
        u0 = (static_cast<float>(sx) + 0.25f) / static_cast<float>(image_w);
        u1 = (static_cast<float>(sx + sw) - 0.75f) / static_cast<float>(image_w);
        v0 = (static_cast<float>(sy) + 0.25f) / static_cast<float>(image_h);
        v1 = (static_cast<float>(sy + sh) - 0.75f) / static_cast<float>(image_h);
    }
    DrawImageQuad(image, frame, x, y, static_cast<float>(sw), static_cast<float>(sh), u0, v0, u1, v1);
}
