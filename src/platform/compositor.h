// The software compositor: the virtual screen as premultiplied pixels in memory, every draw
// composited into it with pixman (SIMD blending, bilinear scaling and rotation), then shown with one
// copy. It keeps the pictures of the renderer it replaces: straight-alpha blending becomes
// premultiplied OVER, additive stays additive, solid copies colour; destination rectangles are cut
// to whole pixels the way SDL's renderer cuts them; scaled and rotated pictures are filtered
// linearly.
//
// What makes it fast besides pixman:
// - Pictures drawn one after another at the same place and size (an animal's body, face, glow and
//   outlines) are composed once at their own size and the result drawn once, scaled.
// - Tinted pictures (a scene dimmed behind a window, a coloured animal) and such composed stacks are
//   kept from one frame to the next while they are drawn the same way, so a steady scene copies
//   instead of multiplying colours; what a frame no longer draws is dropped at the next.
// - Two buffers take turns: the one last shown stays intact while the next frame is drawn (the paused
//   screen lies over it). Clearing is deferred and skips whatever opaque pictures cover anyway.
#pragma once

#include <pixman.h>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "graphics.h"

// How one draw paints: colour modulation and alpha (0-255) and the blend mode.
struct Paint {
    int r = 255, g = 255, b = 255;
    int alpha = 255;
    int blend = ALPHABLEND;
    bool White() const { return r == 255 && g == 255 && b == 255; }
};

// Where a picture lands: a w x h box centred on (cx, cy) in virtual pixels, rotated by `angle`
// degrees about its centre, mirrored as asked.
struct Placement {
    float cx = 0, cy = 0, w = 0, h = 0;
    float angle = 0;
    bool flip_x = false, flip_y = false;
    bool operator==(const Placement& o) const {
        return cx == o.cx && cy == o.cy && w == o.w && h == o.h && angle == o.angle && flip_x == o.flip_x &&
               flip_y == o.flip_y;
    }
};

class Compositor {
public:
    Compositor();
    ~Compositor();
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Starts a new frame on the buffer not last shown; it reads black until drawn on.
    void Clear();
    // Limits drawing to a rectangle of the virtual screen; the whole screen lifts the limit.
    void SetClip(int x, int y, int w, int h);

    // Draws the source rectangle (sx, sy, sw, sh) of a frame of an image.
    void DrawFrame(const Image& image, int frame, int sx, int sy, int sw, int sh, const Placement& at,
                   const Paint& paint);
    // A filled rectangle, top-left corner (x, y), not rotated.
    void FillRect(float x, float y, float w, float h, const Paint& paint);
    // A filled quad with corners in drawing order (virtual pixels).
    void FillQuad(const float xy[8], const Paint& paint);

    // The frame being drawn, 1024 x 768 words 0x??RRGGBB (the top byte means nothing).
    const uint32_t* Pixels();
    // The frame last shown.
    const uint32_t* ShownPixels() const { return buffers_[shown_].data(); }
    // Copies the frame into a window's pixels (0x??RRGGBB words), letterboxed and scaled smoothly into
    // `view`, the bars black; then counts it as shown.
    void Present(uint32_t* pixels, int pitch_bytes, int width, int height, const Viewport& view);
    // Counts the frame as shown without copying it anywhere.
    void MarkShown();

    // Memory held by kept tinted pictures and composed stacks (for tests and measurements).
    size_t CachedBytes() const { return cached_bytes_; }

    // Pixels to draw from: the stored rectangle of a picture (premultiplied words; outside it the
    // picture is transparent) and the rectangle of the picture to draw.
    struct Source {
        uint32_t* bits = nullptr;
        int stride = 0;                     // words per row
        int ox = 0, oy = 0, ow = 0, oh = 0;  // where the stored pixels lie in the picture
        int x = 0, y = 0, w = 0, h = 0;     // the rectangle drawn, in the picture
        pixman_image_t* whole = nullptr;    // the stored pixels as a picture
        ImageFrame* frame = nullptr;        // the image frame, when drawing one (for its coverage picture)
        bool opaque = false;
        bool white = false;
        bool bordered = false;  // the stored pixels hold a clear pixel all round the rectangle
        // Per stored row, the first and last column holding anything (-1: none); may be null.
        const int16_t* row_first = nullptr;
        const int16_t* row_last = nullptr;
    };

private:
    struct Layer {
        Image image;  // held until drawn
        int frame = 0;
        int sx = 0, sy = 0, sw = 0, sh = 0;
        Paint paint;
    };
    // A picture kept while drawn the same way frame after frame: a stack composed (or a picture
    // tinted) at its own size, and the last size it was drawn at, scaled once.
    struct Kept {
        std::vector<uint64_t> key;
        bool composed = false;         // false while seen only once
        std::vector<uint32_t> pixels;  // the composition (none for an untinted single picture)
        int x = 0, y = 0, w = 0, h = 0;  // where `pixels` lie in the layers' rectangle
        int border = 0;                  // clear pixels round what shows (for turned draws)
        std::vector<int16_t> row_first, row_last;  // what each row of `pixels` shows (turned draws)
        pixman_image_t* picture = nullptr;
        bool opaque = false;
        int scaled_w = 0, scaled_h = 0;
        bool scaled_fx = false, scaled_fy = false;
        std::vector<uint32_t> scaled;  // drawn at scaled_w x scaled_h, mirrored as marked
        pixman_image_t* scaled_picture = nullptr;
        bool scaled_opaque = false;
        int seen_w = 0, seen_h = 0;  // the scaled size of the frame before
        bool seen_fx = false, seen_fy = false;
        uint64_t last_used = 0;
        ~Kept();
        size_t Bytes() const { return (pixels.size() + scaled.size()) * 4; }
    };

    void Flush();
    void DrawLayers(const std::vector<Layer>& layers, const Placement& at);
    void Draw(const Source& source, const Placement& at, const Paint& paint);
    // Composes the layers (all of one size) into the out_w x out_h pixels `out`, the layers' rectangle
    // placed at (dx, dy).
    void Compose(const std::vector<Layer>& layers, bool single, int dx, int dy, int out_w, int out_h, uint32_t* out);
    // The source scaled to w x h (and mirrored) as an unturned draw would sample it.
    static void Scale(const Source& source, int w, int h, bool flip_x, bool flip_y, uint32_t* out);
    Kept* Keep(const std::vector<uint64_t>& key, uint64_t hash, bool* fresh);
    // Clears what is still pending inside `box` (all of it for null) before a draw that does not cover
    // the box opaquely; a draw that does cover it just takes the box off the pending region.
    void Prepare(const pixman_box32_t* box, bool covers);
    pixman_image_t* Target() const { return images_[current_]; }
    // Limits the next composite to the screen rows' spans where a turned source shows anything
    // (false when not worth it); RestoreClip undoes it.
    bool ClipToSpans(const Source& source, const pixman_f_transform_t& to_view, const pixman_box32_t& box);
    void RestoreClip();
    void Composite(pixman_op_t op, pixman_image_t* src, pixman_image_t* mask, int src_x, int src_y, int x, int y,
                   int w, int h);

    std::vector<uint32_t> buffers_[2];
    pixman_image_t* images_[2] = {nullptr, nullptr};
    int current_ = 0;
    int shown_ = 1;
    pixman_region32_t pending_clear_;
    pixman_region32_t clip_;
    bool clipped_ = false;

    std::vector<Layer> pending_;  // drawn at `pending_at_` at the next flush
    Placement pending_at_;
    std::unordered_map<uint64_t, std::unique_ptr<Kept>> kept_;
    size_t cached_bytes_ = 0;
    uint64_t frame_number_ = 1;
};
