#include "compositor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "graphics_internal.h"

namespace {

constexpr int kStride = kVirtualWidth * 4;

pixman_color_t Colour16(int r, int g, int b, int a) {
    return pixman_color_t{static_cast<uint16_t>(r * 257), static_cast<uint16_t>(g * 257),
                          static_cast<uint16_t>(b * 257), static_cast<uint16_t>(a * 257)};
}

int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

int Times(int a, int b) { return (a * b + 127) / 255; }

// A solid colour, premultiplied (the channels given straight).
pixman_image_t* SolidPremultiplied(int r, int g, int b, int a) {
    const pixman_color_t c = Colour16(Times(r, a), Times(g, a), Times(b, a), a);
    return pixman_image_create_solid_fill(&c);
}

// A solid mask multiplying each channel by its own factor (component alpha).
pixman_image_t* ChannelMask(int r, int g, int b, int a) {
    const pixman_color_t c = Colour16(r, g, b, a);
    pixman_image_t* mask = pixman_image_create_solid_fill(&c);
    pixman_image_set_component_alpha(mask, 1);
    return mask;
}

pixman_image_t* AlphaMask(int a) {
    const pixman_color_t c = Colour16(0, 0, 0, a);
    return pixman_image_create_solid_fill(&c);
}

void Unref(pixman_image_t* image) {
    if (image) pixman_image_unref(image);
}

// The compositor's view of a frame's stored pixels, made once.
pixman_image_t* Picture(ImageFrame& frame) {
    if (!frame.picture) {
        frame.picture = pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, frame.w, frame.h,
                                                          reinterpret_cast<uint32_t*>(frame.data.data()), frame.w * 4);
    }
    return frame.picture;
}

// The alpha of a white frame's stored pixels as an 8-bit coverage picture: pixman's fastest mask.
pixman_image_t* Coverage(ImageFrame& frame) {
    if (!frame.coverage) {
        frame.coverage = pixman_image_create_bits(PIXMAN_a8, frame.w, frame.h, nullptr, 0);
        if (!frame.coverage) return nullptr;
        auto* bits = reinterpret_cast<uint8_t*>(pixman_image_get_data(frame.coverage));
        const int stride = pixman_image_get_stride(frame.coverage);
        for (int y = 0; y < frame.h; ++y) {
            for (int x = 0; x < frame.w; ++x) {
                bits[y * stride + x] = static_cast<uint8_t>(frame.Pixel(frame.x + x, frame.y + y) >> 24);
            }
        }
    }
    return frame.coverage;
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Empty() const { return w <= 0 || h <= 0; }
};

// The part of the drawn rectangle that the source stores (picture coordinates).
Rect StoredPart(const Compositor::Source& s) {
    Rect r;
    r.x = std::max(s.x, s.ox);
    r.y = std::max(s.y, s.oy);
    r.w = std::min(s.x + s.w, s.ox + s.ow) - r.x;
    r.h = std::min(s.y + s.h, s.oy + s.oh) - r.y;
    return r;
}

// A picture of a rectangle of the stored pixels alone, in the given format, so that edge padding and
// filtering stay inside it (a sprite sheet's neighbouring frames never bleed in).
pixman_image_t* StoredView(const Compositor::Source& s, const Rect& part, pixman_format_code_t format) {
    return pixman_image_create_bits_no_clear(
        format, part.w, part.h, s.bits + static_cast<size_t>(part.y - s.oy) * s.stride + (part.x - s.ox),
        s.stride * 4);
}

bool AllOpaque(const uint32_t* pixels, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        if ((pixels[i] >> 24) != 255) return false;
    }
    return true;
}

constexpr size_t kKeptLimit = 48u << 20;  // bytes of kept pictures at most

pixman_box32_t Intersect(const pixman_box32_t& a, const pixman_box32_t& b) {
    pixman_box32_t r{std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
    if (r.x2 < r.x1) r.x2 = r.x1;
    if (r.y2 < r.y1) r.y2 = r.y1;
    return r;
}

}  // namespace

Compositor::Compositor() {
    for (int i = 0; i < 2; ++i) {
        buffers_[i].assign(static_cast<size_t>(kVirtualWidth) * kVirtualHeight, 0);
        images_[i] = pixman_image_create_bits_no_clear(PIXMAN_x8r8g8b8, kVirtualWidth, kVirtualHeight,
                                                       buffers_[i].data(), kStride);
    }
    pixman_region32_init(&pending_clear_);
    pixman_region32_init(&clip_);
}

Compositor::~Compositor() {
    for (pixman_image_t* image : images_) Unref(image);
    pixman_region32_fini(&pending_clear_);
    pixman_region32_fini(&clip_);
}

void Compositor::Clear() {
    Flush();
    // What the frame just finished did not draw is let go.
    ++frame_number_;
    for (auto it = kept_.begin(); it != kept_.end();) {
        if (it->second->last_used + 1 < frame_number_) {
            cached_bytes_ -= it->second->Bytes();
            it = kept_.erase(it);
        } else {
            ++it;
        }
    }
    if (current_ == shown_) current_ ^= 1;
    pixman_region32_fini(&pending_clear_);
    pixman_region32_init_rect(&pending_clear_, 0, 0, kVirtualWidth, kVirtualHeight);
}

void Compositor::SetClip(int x, int y, int w, int h) {
    Flush();
    clipped_ = !(x <= 0 && y <= 0 && x + w >= kVirtualWidth && y + h >= kVirtualHeight);
    pixman_region32_fini(&clip_);
    pixman_region32_init_rect(&clip_, x, y, static_cast<unsigned>(std::max(w, 0)), static_cast<unsigned>(std::max(h, 0)));
    for (pixman_image_t* image : images_) pixman_image_set_clip_region32(image, clipped_ ? &clip_ : nullptr);
}

void Compositor::Prepare(const pixman_box32_t* box, bool covers) {
    if (!pixman_region32_not_empty(&pending_clear_)) return;
    pixman_region32_t area;
    if (box) {
        pixman_box32_t b = Intersect(*box, pixman_box32_t{0, 0, kVirtualWidth, kVirtualHeight});
        if (clipped_) b = Intersect(b, *pixman_region32_extents(&clip_));
        pixman_region32_init_rect(&area, b.x1, b.y1, static_cast<unsigned>(b.x2 - b.x1),
                                  static_cast<unsigned>(b.y2 - b.y1));
        pixman_region32_intersect(&area, &area, &pending_clear_);
    } else {
        pixman_region32_init(&area);
        pixman_region32_copy(&area, &pending_clear_);
    }
    if (!covers) {
        int n = 0;
        const pixman_box32_t* rects = pixman_region32_rectangles(&area, &n);
        uint32_t* bits = buffers_[current_].data();
        for (int i = 0; i < n; ++i) {
            pixman_fill(bits, kVirtualWidth, 32, rects[i].x1, rects[i].y1, rects[i].x2 - rects[i].x1,
                        rects[i].y2 - rects[i].y1, 0);
        }
    }
    pixman_region32_subtract(&pending_clear_, &pending_clear_, &area);
    pixman_region32_fini(&area);
}

void Compositor::Composite(pixman_op_t op, pixman_image_t* src, pixman_image_t* mask, int src_x, int src_y, int x,
                           int y, int w, int h) {
    pixman_image_composite32(op, src, mask, Target(), src_x, src_y, src_x, src_y, x, y, w, h);
}

void Compositor::DrawFrame(const Image& image, int frame, int sx, int sy, int sw, int sh, const Placement& at,
                           const Paint& paint) {
    if (!image || frame < 0 || frame >= static_cast<int>(image->frames.size())) return;
    if (sx < 0) {
        sw += sx;
        sx = 0;
    }
    if (sy < 0) {
        sh += sy;
        sy = 0;
    }
    sw = std::min(sw, image->width - sx);
    sh = std::min(sh, image->height - sy);
    if (sw <= 0 || sh <= 0 || image->frames[static_cast<size_t>(frame)].data.empty()) return;
    if (paint.blend != SOLIDBLEND && Clamp255(paint.alpha) == 0) return;
    Layer layer{image, frame, sx, sy, sw, sh, paint};
    layer.paint.alpha = Clamp255(paint.alpha);
    // A picture at the same place and size as the one before joins it (solid copies stand alone).
    if (!pending_.empty() && paint.blend != SOLIDBLEND && pending_[0].paint.blend != SOLIDBLEND &&
        pending_at_ == at && pending_[0].sw == sw && pending_[0].sh == sh) {
        pending_.push_back(std::move(layer));
        return;
    }
    Flush();
    pending_.push_back(std::move(layer));
    pending_at_ = at;
}

void Compositor::Flush() {
    if (pending_.empty()) return;
    std::vector<Layer> layers;
    layers.swap(pending_);
    DrawLayers(layers, pending_at_);
}

namespace {
Compositor::Source FrameSource(ImageFrame& frame, int fw, int fh, int sx, int sy, int sw, int sh) {
    MeasureFrame(frame, fw, fh);
    Compositor::Source s;
    s.bits = reinterpret_cast<uint32_t*>(frame.data.data());
    s.stride = frame.w;
    s.ox = frame.x;
    s.oy = frame.y;
    s.ow = frame.w;
    s.oh = frame.h;
    s.x = sx;
    s.y = sy;
    s.w = sw;
    s.h = sh;
    s.whole = Picture(frame);
    s.frame = &frame;
    s.opaque = frame.opaque == 1;
    s.white = frame.white == 1;
    return s;
}

uint64_t Packed(const Paint& p, bool with_alpha) {
    return (static_cast<uint64_t>(p.r) << 32) | (static_cast<uint64_t>(p.g) << 24) |
           (static_cast<uint64_t>(p.b) << 16) | (static_cast<uint64_t>(with_alpha ? p.alpha : 0) << 8) |
           static_cast<uint64_t>(p.blend);
}

uint64_t Hash(const std::vector<uint64_t>& key) {
    uint64_t h = 1469598103934665603ull;
    for (uint64_t v : key) {
        h ^= v;
        h *= 1099511628211ull;
        h ^= h >> 29;
    }
    return h;
}
}  // namespace

Compositor::Kept::~Kept() {
    Unref(picture);
    Unref(scaled_picture);
}

void Compositor::DrawLayers(const std::vector<Layer>& layers, const Placement& at) {
    const Layer& first = layers[0];
    auto direct = [&](const Layer& l) {
        TImage& image = *l.image;
        Draw(FrameSource(image.frames[static_cast<size_t>(l.frame)], image.width, image.height, l.sx, l.sy, l.sw,
                         l.sh),
             at, l.paint);
    };
    const bool single = layers.size() == 1;
    ImageFrame& frame = first.image->frames[static_cast<size_t>(first.frame)];
    MeasureFrame(frame, first.image->width, first.image->height);
    // A draw without turning whose box differs from its source: scaled, mirrored, or both. A turned
    // draw samples fastest from a copy with a clear border.
    const float angle = std::fmod(at.angle, 360.0f);
    const bool turned = angle != 0;
    const int box_w = static_cast<int>(at.w), box_h = static_cast<int>(at.h);
    const bool scaled = !turned && box_w > 0 && box_h > 0 &&
                        (box_w != first.sw || box_h != first.sh || at.flip_x || at.flip_y);
    const bool composed = turned || !(single && first.paint.White());
    const int border = turned ? 1 : 0;
    if (single && !turned && (frame.white == 1 ? !first.paint.White() || !scaled : !composed && !scaled)) {
        // Drawn as they are: white pictures take their colour through their coverage; untinted ones
        // drawn at their own size need nothing made.
        direct(first);
        return;
    }
    // The key of what is composed: every layer's frame, rectangle and paint (a single picture keeps
    // its alpha and blend out: they apply when it is drawn).
    std::vector<uint64_t> key;
    key.reserve(layers.size() * 3 + 1);
    key.push_back((static_cast<uint64_t>(border) << 62) | (static_cast<uint64_t>(first.sw) << 32) |
                  static_cast<uint64_t>(first.sh));
    for (const Layer& l : layers) {
        key.push_back(l.image->frames[static_cast<size_t>(l.frame)].serial);
        key.push_back((static_cast<uint64_t>(l.sx) << 32) | static_cast<uint64_t>(l.sy));
        key.push_back(single ? Packed(l.paint, false) & ~0xFFull : Packed(l.paint, true));
    }
    bool fresh = false;
    Kept* kept = Keep(key, Hash(key), &fresh);
    if (!kept || (fresh && !kept->composed)) {
        // Seen for the first time: drawn layer by layer; kept if the next frame draws it again.
        for (const Layer& l : layers) direct(l);
        return;
    }
    if (!kept->composed) {
        if (composed) {
            // Only the box of what the layers store is composed, inside the clear border.
            Rect content;
            for (const Layer& l : layers) {
                const ImageFrame& f = l.image->frames[static_cast<size_t>(l.frame)];
                const int x0 = std::max(l.sx, f.x) - l.sx, y0 = std::max(l.sy, f.y) - l.sy;
                const int x1 = std::min(l.sx + l.sw, f.x + f.w) - l.sx, y1 = std::min(l.sy + l.sh, f.y + f.h) - l.sy;
                if (x1 <= x0 || y1 <= y0) continue;
                if (content.Empty()) {
                    content = Rect{x0, y0, x1 - x0, y1 - y0};
                } else {
                    const int cx1 = std::max(content.x + content.w, x1), cy1 = std::max(content.y + content.h, y1);
                    content.x = std::min(content.x, x0);
                    content.y = std::min(content.y, y0);
                    content.w = cx1 - content.x;
                    content.h = cy1 - content.y;
                }
            }
            if (content.Empty()) return;  // nothing shows
            const int own_w = content.w + 2 * border, own_h = content.h + 2 * border;
            const size_t own_bytes = static_cast<size_t>(own_w) * own_h * 4;
            if (cached_bytes_ + own_bytes > kKeptLimit) {
                for (const Layer& l : layers) direct(l);
                return;
            }
            kept->pixels.assign(static_cast<size_t>(own_w) * own_h, 0);
            kept->x = content.x - border;
            kept->y = content.y - border;
            kept->w = own_w;
            kept->h = own_h;
            kept->border = border;
            Compose(layers, single, -kept->x, -kept->y, own_w, own_h, kept->pixels.data());
            kept->opaque = border == 0 && own_w == first.sw && own_h == first.sh &&
                           AllOpaque(kept->pixels.data(), kept->pixels.size());
            kept->picture =
                pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, own_w, own_h, kept->pixels.data(), own_w * 4);
            cached_bytes_ += own_bytes;
            if (border > 0 && own_w < 32768) {
                kept->row_first.assign(static_cast<size_t>(own_h), -1);
                kept->row_last.assign(static_cast<size_t>(own_h), -1);
                for (int y = 0; y < own_h; ++y) {
                    const uint32_t* row = &kept->pixels[static_cast<size_t>(y) * own_w];
                    for (int x = 0; x < own_w; ++x) {
                        if (!(row[x] >> 24)) continue;
                        if (kept->row_first[y] < 0) kept->row_first[y] = static_cast<int16_t>(x);
                        kept->row_last[y] = static_cast<int16_t>(x);
                    }
                }
            }
        }
        kept->composed = true;
    }
    Source s;
    if (composed) {
        s.bits = kept->pixels.data();
        s.stride = kept->w;
        s.ox = kept->x;
        s.oy = kept->y;
        s.ow = kept->w;
        s.oh = kept->h;
        s.w = first.sw;
        s.h = first.sh;
        s.whole = kept->picture;
        s.opaque = kept->opaque;
        s.bordered = kept->border > 0;
        if (!kept->row_first.empty()) {
            s.row_first = kept->row_first.data();
            s.row_last = kept->row_last.data();
        }
    } else {
        s = FrameSource(frame, first.image->width, first.image->height, first.sx, first.sy, first.sw, first.sh);
    }
    Paint paint;  // a composed stack is drawn as it is
    if (single) {
        paint.alpha = first.paint.alpha;
        paint.blend = first.paint.blend;
    }
    if (!scaled) {
        Draw(s, at, paint);
        return;
    }
    // Scaled: from the second frame at one size on, the scaled copy is kept and drawn 1:1.
    auto matches = [&](int w, int h, bool fx, bool fy) {
        return w == box_w && h == box_h && fx == at.flip_x && fy == at.flip_y;
    };
    bool ready = kept->scaled_picture && matches(kept->scaled_w, kept->scaled_h, kept->scaled_fx, kept->scaled_fy);
    const size_t scaled_bytes = static_cast<size_t>(box_w) * box_h * 4;
    if (!ready && matches(kept->seen_w, kept->seen_h, kept->seen_fx, kept->seen_fy) &&
        cached_bytes_ - kept->scaled.size() * 4 + scaled_bytes <= kKeptLimit) {
        cached_bytes_ -= kept->scaled.size() * 4;
        Unref(kept->scaled_picture);
        kept->scaled.assign(static_cast<size_t>(box_w) * box_h, 0);
        Scale(s, box_w, box_h, at.flip_x, at.flip_y, kept->scaled.data());
        kept->scaled_picture =
            pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, box_w, box_h, kept->scaled.data(), box_w * 4);
        kept->scaled_opaque = AllOpaque(kept->scaled.data(), kept->scaled.size());
        kept->scaled_w = box_w;
        kept->scaled_h = box_h;
        kept->scaled_fx = at.flip_x;
        kept->scaled_fy = at.flip_y;
        cached_bytes_ += scaled_bytes;
        ready = true;
    }
    kept->seen_w = box_w;
    kept->seen_h = box_h;
    kept->seen_fx = at.flip_x;
    kept->seen_fy = at.flip_y;
    if (!ready) {
        Draw(s, at, paint);
        return;
    }
    Source copy;
    copy.bits = kept->scaled.data();
    copy.stride = box_w;
    copy.ow = copy.w = box_w;
    copy.oh = copy.h = box_h;
    copy.whole = kept->scaled_picture;
    copy.opaque = kept->scaled_opaque;
    Placement one_to_one;
    one_to_one.cx = static_cast<float>(static_cast<int>(at.cx - at.w / 2)) + box_w / 2.0f;
    one_to_one.cy = static_cast<float>(static_cast<int>(at.cy - at.h / 2)) + box_h / 2.0f;
    one_to_one.w = static_cast<float>(box_w);
    one_to_one.h = static_cast<float>(box_h);
    Draw(copy, one_to_one, paint);
}

void Compositor::Scale(const Source& source, int w, int h, bool flip_x, bool flip_y, uint32_t* out) {
    const Rect part = StoredPart(source);
    if (part.Empty()) return;
    pixman_image_t* target = pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, w, h, out, w * 4);
    pixman_image_t* view = StoredView(source, part, PIXMAN_a8r8g8b8);
    // The transform an unturned draw uses, from the box's pixels to the stored part.
    const double kx = static_cast<double>(source.w) / w, ky = static_cast<double>(source.h) / h;
    pixman_f_transform_t f;
    pixman_f_transform_init_identity(&f);
    f.m[0][0] = flip_x ? -kx : kx;
    f.m[0][2] = (flip_x ? source.w : 0) - (part.x - source.x);
    f.m[1][1] = flip_y ? -ky : ky;
    f.m[1][2] = (flip_y ? source.h : 0) - (part.y - source.y);
    pixman_transform_t t;
    pixman_transform_from_pixman_f_transform(&t, &f);
    pixman_image_set_transform(view, &t);
    pixman_image_set_filter(view, PIXMAN_FILTER_BILINEAR, nullptr, 0);
    pixman_image_set_repeat(view, PIXMAN_REPEAT_PAD);
    pixman_image_composite32(PIXMAN_OP_SRC, view, nullptr, target, 0, 0, 0, 0, 0, 0, w, h);
    Unref(view);
    Unref(target);
}

Compositor::Kept* Compositor::Keep(const std::vector<uint64_t>& key, uint64_t hash, bool* fresh) {
    auto it = kept_.find(hash);
    if (it != kept_.end() && it->second->key == key) {
        *fresh = false;
        it->second->last_used = frame_number_;
        return it->second.get();
    }
    auto kept = std::make_unique<Kept>();
    kept->key = key;
    kept->last_used = frame_number_;
    if (it != kept_.end()) cached_bytes_ -= it->second->Bytes();
    Kept* result = kept.get();
    kept_[hash] = std::move(kept);
    *fresh = true;
    return result;
}

void Compositor::Compose(const std::vector<Layer>& layers, bool single, int dx, int dy, int out_w, int out_h,
                         uint32_t* out) {
    const int w = layers[0].sw, h = layers[0].sh;
    pixman_image_t* target = pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, out_w, out_h, out, out_w * 4);
    for (const Layer& l : layers) {
        ImageFrame& frame = l.image->frames[static_cast<size_t>(l.frame)];
        // Only the stored part of the layer's rectangle holds anything.
        const int x0 = std::max(l.sx, frame.x), y0 = std::max(l.sy, frame.y);
        const int x1 = std::min(l.sx + w, frame.x + frame.w), y1 = std::min(l.sy + h, frame.y + frame.h);
        if (x1 <= x0 || y1 <= y0) continue;
        pixman_image_t* src = Picture(frame);
        const Paint& p = l.paint;
        auto put = [&](pixman_op_t op, pixman_image_t* mask) {
            pixman_image_composite32(op, src, mask, target, x0 - frame.x, y0 - frame.y, 0, 0, dx + x0 - l.sx,
                                     dy + y0 - l.sy,
                                     x1 - x0, y1 - y0);
            Unref(mask);
        };
        if (single) {
            put(PIXMAN_OP_SRC, ChannelMask(p.r, p.g, p.b, 255));  // the tinted copy
        } else if (p.blend == LIGHTBLEND) {
            // Additive light adds colour and no coverage, so the stack drawn OVER adds it too.
            put(PIXMAN_OP_ADD, ChannelMask(Times(p.r, p.alpha), Times(p.g, p.alpha), Times(p.b, p.alpha), 0));
        } else if (p.White()) {
            put(PIXMAN_OP_OVER, p.alpha < 255 ? AlphaMask(p.alpha) : nullptr);
        } else {
            put(PIXMAN_OP_OUT_REVERSE, AlphaMask(p.alpha));
            put(PIXMAN_OP_ADD, ChannelMask(Times(p.r, p.alpha), Times(p.g, p.alpha), Times(p.b, p.alpha), p.alpha));
        }
    }
    Unref(target);
}

void Compositor::Draw(const Source& source, const Placement& at, const Paint& paint) {
    const int sw = source.w, sh = source.h;
    const bool solid = paint.blend == SOLIDBLEND;
    const bool additive = paint.blend == LIGHTBLEND;
    const int alpha = Clamp255(paint.alpha);
    if (!solid && alpha == 0) return;

    float angle = std::fmod(at.angle, 360.0f);
    if (angle < 0) angle += 360.0f;
    const bool turned = angle != 0;

    // The destination: whole pixels cut the way SDL's renderer cuts them, then (when scaled, mirrored
    // or turned) a transform from screen pixels back to the source rectangle.
    int x0, y0, w, h;
    bool transformed;
    pixman_f_transform_t f;
    if (!turned) {
        x0 = static_cast<int>(at.cx - at.w / 2);
        y0 = static_cast<int>(at.cy - at.h / 2);
        w = static_cast<int>(at.w);
        h = static_cast<int>(at.h);
        if (w <= 0 || h <= 0) return;
        transformed = w != sw || h != sh || at.flip_x || at.flip_y;
        const double kx = static_cast<double>(sw) / w, ky = static_cast<double>(sh) / h;
        pixman_f_transform_init_identity(&f);
        f.m[0][0] = at.flip_x ? -kx : kx;
        f.m[0][2] = at.flip_x ? sw + x0 * kx : -x0 * kx;
        f.m[1][1] = at.flip_y ? -ky : ky;
        f.m[1][2] = at.flip_y ? sh + y0 * ky : -y0 * ky;
    } else {
        // Turned about the centre of the box cut to whole pixels, as SDL's renderer turns it.
        const int box_x = static_cast<int>(at.cx - at.w / 2), box_y = static_cast<int>(at.cy - at.h / 2);
        const int box_w = static_cast<int>(at.w), box_h = static_cast<int>(at.h);
        if (box_w <= 0 || box_h <= 0) return;
        const double ccx = box_x + box_w / 2, ccy = box_y + box_h / 2;
        const double rad = angle * M_PI / 180.0;
        const double c = std::cos(rad), s = std::sin(rad);
        const double hw = box_w / 2.0, hh = box_h / 2.0;
        double minx = 1e9, miny = 1e9, maxx = -1e9, maxy = -1e9;
        for (int corner = 0; corner < 4; ++corner) {
            const double lx = (corner == 1 || corner == 2) ? hw : -hw;
            const double ly = corner >= 2 ? hh : -hh;
            const double px = ccx + lx * c - ly * s, py = ccy + lx * s + ly * c;
            minx = std::min(minx, px);
            maxx = std::max(maxx, px);
            miny = std::min(miny, py);
            maxy = std::max(maxy, py);
        }
        x0 = static_cast<int>(std::floor(minx));
        y0 = static_cast<int>(std::floor(miny));
        w = static_cast<int>(std::ceil(maxx)) - x0;
        h = static_cast<int>(std::ceil(maxy)) - y0;
        transformed = true;
        // Screen point -> box-local (turned back) -> source rectangle.
        const double kx = (at.flip_x ? -1.0 : 1.0) * sw / box_w, ky = (at.flip_y ? -1.0 : 1.0) * sh / box_h;
        f.m[0][0] = c * kx;
        f.m[0][1] = s * kx;
        f.m[0][2] = -(ccx * c + ccy * s) * kx + sw / 2.0;
        f.m[1][0] = -s * ky;
        f.m[1][1] = c * ky;
        f.m[1][2] = (ccx * s - ccy * c) * ky + sh / 2.0;
        f.m[2][0] = 0;
        f.m[2][1] = 0;
        f.m[2][2] = 1;
    }
    const pixman_box32_t box{x0, y0, x0 + w, y0 + h};

    // The stored part of the rectangle and where it lands (outside it everything is transparent).
    const Rect part = StoredPart(source);
    const int part_dx = part.x - source.x, part_dy = part.y - source.y;
    if (part.Empty()) {
        if (solid) {
            // A solid copy of nothing visible still writes black.
            Prepare(&box, true);
            const pixman_color_t black = Colour16(0, 0, 0, 255);
            const pixman_box32_t boxes[1] = {box};
            pixman_image_fill_boxes(PIXMAN_OP_SRC, Target(), &black, 1, boxes);
        }
        return;
    }
    const bool whole_part = part.w == sw && part.h == sh;
    // What a transformed draw samples: the stored part; for a turned picture with a clear border, all
    // it stores, padded (pixman pads far faster than it clips edges).
    const bool padded_border = turned && source.bordered;
    const Rect viewed = padded_border ? Rect{source.ox, source.oy, source.ow, source.oh} : part;
    const int view_dx = viewed.x - source.x, view_dy = viewed.y - source.y;
    pixman_box32_t part_box;
    pixman_transform_t transform;
    if (!transformed) {
        part_box = pixman_box32_t{x0 + part_dx, y0 + part_dy, x0 + part_dx + part.w, y0 + part_dy + part.h};
    } else {
        pixman_f_transform_t forward;
        if ((whole_part && !padded_border) || !pixman_f_transform_invert(&forward, &f)) {
            part_box = box;
        } else {
            // Where the viewed pixels land, a pixel wider for filtering.
            double minx = 1e9, miny = 1e9, maxx = -1e9, maxy = -1e9;
            for (int corner = 0; corner < 4; ++corner) {
                pixman_f_vector v{{static_cast<double>(view_dx + ((corner == 1 || corner == 2) ? viewed.w : 0)),
                                   static_cast<double>(view_dy + (corner >= 2 ? viewed.h : 0)), 1.0}};
                pixman_f_transform_point(&forward, &v);
                minx = std::min(minx, v.v[0]);
                maxx = std::max(maxx, v.v[0]);
                miny = std::min(miny, v.v[1]);
                maxy = std::max(maxy, v.v[1]);
            }
            part_box = pixman_box32_t{static_cast<int>(std::floor(minx)) - 1, static_cast<int>(std::floor(miny)) - 1,
                                      static_cast<int>(std::ceil(maxx)) + 1, static_cast<int>(std::ceil(maxy)) + 1};
            if (!padded_border) part_box = Intersect(box, part_box);
            if (part_box.x2 <= part_box.x1 || part_box.y2 <= part_box.y1) return;
        }
        // From the rectangle to the viewed pixels.
        f.m[0][2] -= view_dx;
        f.m[1][2] -= view_dy;
        pixman_transform_from_pixman_f_transform(&transform, &f);
    }
    // The source as a picture: the stored pixels from the part's corner when drawn 1:1, else a view
    // carrying the transform.
    auto picture_of = [&](pixman_format_code_t format, int* src_x, int* src_y) {
        if (!transformed) {
            *src_x = part.x - source.ox;
            *src_y = part.y - source.oy;
            if (format == PIXMAN_a8r8g8b8 && source.whole) return pixman_image_ref(source.whole);
            return pixman_image_create_bits_no_clear(format, source.ow, source.oh, source.bits, source.stride * 4);
        }
        *src_x = part_box.x1;
        *src_y = part_box.y1;
        pixman_image_t* view = StoredView(source, viewed, format);
        pixman_image_set_transform(view, &transform);
        pixman_image_set_filter(view, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        pixman_image_set_repeat(view, turned && !padded_border ? PIXMAN_REPEAT_NONE : PIXMAN_REPEAT_PAD);
        return view;
    };
    const int px = part_box.x1, py = part_box.y1, pw = part_box.x2 - part_box.x1, ph = part_box.y2 - part_box.y1;
    const bool white_paint = paint.White();
    // Opaque pixels drawn fully opaque and square cover what lies beneath: a plain copy.
    const bool covering = !turned && source.opaque && whole_part && (solid || (!additive && alpha == 255));
    int src_x = 0, src_y = 0;

    if (solid || covering) {
        Prepare(&box, true);
        if (!whole_part) {
            const pixman_color_t black = Colour16(0, 0, 0, 255);
            const pixman_box32_t boxes[1] = {box};
            pixman_image_fill_boxes(PIXMAN_OP_SRC, Target(), &black, 1, boxes);
        }
        pixman_image_t* mask = white_paint ? nullptr : ChannelMask(paint.r, paint.g, paint.b, 255);
        // A solid copy keeps the colour channels and drops coverage, as the renderer's copy does.
        pixman_image_t* picture = picture_of(source.opaque ? PIXMAN_a8r8g8b8 : PIXMAN_x8r8g8b8, &src_x, &src_y);
        Composite(PIXMAN_OP_SRC, picture, mask, src_x, src_y, px, py, pw, ph);
        Unref(picture);
        Unref(mask);
        return;
    }

    Prepare(&part_box, false);
    const bool spans = padded_border && ClipToSpans(source, f, part_box);
    pixman_image_t* picture = picture_of(PIXMAN_a8r8g8b8, &src_x, &src_y);
    const pixman_op_t op = additive ? PIXMAN_OP_ADD : PIXMAN_OP_OVER;
    if (white_paint) {
        pixman_image_t* mask = alpha < 255 ? AlphaMask(alpha) : nullptr;
        Composite(op, picture, mask, src_x, src_y, px, py, pw, ph);
        Unref(mask);
    } else if (source.white) {
        // White with coverage (glyphs, sparks): the colour painted through the picture's alpha.
        pixman_image_t* colour = SolidPremultiplied(paint.r, paint.g, paint.b, alpha);
        pixman_image_t* mask = picture;
        if (!transformed && source.frame) {
            pixman_image_t* coverage = Coverage(*source.frame);
            if (coverage) mask = coverage;
        }
        Composite(op, colour, mask, src_x, src_y, px, py, pw, ph);
        Unref(colour);
    } else if (additive) {
        pixman_image_t* mask = ChannelMask(Times(paint.r, alpha), Times(paint.g, alpha), Times(paint.b, alpha), alpha);
        Composite(PIXMAN_OP_ADD, picture, mask, src_x, src_y, px, py, pw, ph);
        Unref(mask);
    } else {
        // Tinted OVER in two passes: take away what the picture covers, then add its tinted colour.
        pixman_image_t* cover = AlphaMask(alpha);
        Composite(PIXMAN_OP_OUT_REVERSE, picture, cover, src_x, src_y, px, py, pw, ph);
        Unref(cover);
        pixman_image_t* mask = ChannelMask(Times(paint.r, alpha), Times(paint.g, alpha), Times(paint.b, alpha), alpha);
        Composite(PIXMAN_OP_ADD, picture, mask, src_x, src_y, px, py, pw, ph);
        Unref(mask);
    }
    Unref(picture);
    if (spans) RestoreClip();
}

bool Compositor::ClipToSpans(const Source& source, const pixman_f_transform_t& to_view, const pixman_box32_t& box) {
    const int w = box.x2 - box.x1, h = box.y2 - box.y1;
    if (!source.row_first || static_cast<long>(w) * h < 32768) return false;
    // Along a screen row the sample moves by (du, dv) a pixel; a steep turn crosses too many rows.
    const double du = to_view.m[0][0], dv = to_view.m[1][0];
    if (std::fabs(dv) * w > 256) return false;
    std::vector<pixman_box32_t> boxes;
    constexpr int kBand = 4;
    for (int y0 = box.y1; y0 < box.y2; y0 += kBand) {
        double lo = 1e9, hi = -1e9;
        for (int y = y0; y < std::min(y0 + kBand, box.y2); ++y) {
            // The sample at screen x: u = u0 + du * (x + 0.5), v = v0 + dv * (x + 0.5).
            const double u0 = to_view.m[0][1] * (y + 0.5) + to_view.m[0][2];
            const double v0 = to_view.m[1][1] * (y + 0.5) + to_view.m[1][2];
            const double va = v0 + dv * (box.x1 + 0.5), vb = v0 + dv * (box.x2 - 0.5);
            const int r0 = std::max(0, static_cast<int>(std::floor(std::min(va, vb) - 1.5)));
            const int r1 = std::min(source.oh - 1, static_cast<int>(std::ceil(std::max(va, vb) + 0.5)));
            for (int r = r0; r <= r1; ++r) {
                if (source.row_first[r] < 0) continue;
                // Screen x where row r is within the filter's reach, and the row's columns too.
                double x_lo = box.x1, x_hi = box.x2;
                auto limit = [&](double slope, double base, double from, double to) {
                    // from <= base + slope * (x + 0.5) <= to
                    if (slope == 0) {
                        if (base < from || base > to) x_hi = x_lo - 1;
                        return;
                    }
                    double a = (from - base) / slope - 0.5, b = (to - base) / slope - 0.5;
                    if (a > b) std::swap(a, b);
                    x_lo = std::max(x_lo, a);
                    x_hi = std::min(x_hi, b);
                };
                limit(dv, v0, r - 1.0, r + 2.0);
                limit(du, u0, source.row_first[r] - 1.0, source.row_last[r] + 2.0);
                if (x_hi < x_lo) continue;
                lo = std::min(lo, x_lo);
                hi = std::max(hi, x_hi);
            }
        }
        if (hi < lo) continue;
        boxes.push_back(pixman_box32_t{std::max(box.x1, static_cast<int>(std::floor(lo)) - 1), y0,
                                       std::min(box.x2, static_cast<int>(std::ceil(hi)) + 2),
                                       std::min(y0 + kBand, box.y2)});
    }
    pixman_region32_t region;
    pixman_region32_init_rects(&region, boxes.data(), static_cast<int>(boxes.size()));
    if (clipped_) pixman_region32_intersect(&region, &region, &clip_);
    pixman_image_set_clip_region32(Target(), &region);
    pixman_region32_fini(&region);
    return true;
}

void Compositor::RestoreClip() { pixman_image_set_clip_region32(Target(), clipped_ ? &clip_ : nullptr); }

void Compositor::FillRect(float x, float y, float w, float h, const Paint& paint) {
    Flush();
    const int alpha = Clamp255(paint.alpha);
    if (paint.blend != SOLIDBLEND && alpha == 0) return;
    // SDL's renderer cuts rectangles to whole pixels and draws at least one.
    const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    const int rw = std::max(static_cast<int>(w), 1), rh = std::max(static_cast<int>(h), 1);
    const pixman_box32_t box{x0, y0, x0 + rw, y0 + rh};
    const bool covers = paint.blend == SOLIDBLEND || (paint.blend == ALPHABLEND && alpha == 255);
    Prepare(&box, covers);
    pixman_image_t* colour = covers ? SolidPremultiplied(paint.r, paint.g, paint.b, 255)
                                    : SolidPremultiplied(paint.r, paint.g, paint.b, alpha);
    const pixman_op_t op = covers ? PIXMAN_OP_SRC : (paint.blend == LIGHTBLEND ? PIXMAN_OP_ADD : PIXMAN_OP_OVER);
    Composite(op, colour, nullptr, 0, 0, x0, y0, rw, rh);
    Unref(colour);
}

void Compositor::FillQuad(const float xy[8], const Paint& paint) {
    Flush();
    const int alpha = Clamp255(paint.alpha);
    if (paint.blend != SOLIDBLEND && alpha == 0) return;
    float minx = xy[0], maxx = xy[0], miny = xy[1], maxy = xy[1];
    for (int i = 1; i < 4; ++i) {
        minx = std::min(minx, xy[i * 2]);
        maxx = std::max(maxx, xy[i * 2]);
        miny = std::min(miny, xy[i * 2 + 1]);
        maxy = std::max(maxy, xy[i * 2 + 1]);
    }
    const pixman_box32_t box{static_cast<int>(std::floor(minx)), static_cast<int>(std::floor(miny)),
                             static_cast<int>(std::ceil(maxx)), static_cast<int>(std::ceil(maxy))};
    Prepare(&box, false);
    pixman_image_t* colour = paint.blend == SOLIDBLEND ? SolidPremultiplied(paint.r, paint.g, paint.b, 255)
                                                       : SolidPremultiplied(paint.r, paint.g, paint.b, alpha);
    const pixman_op_t op = paint.blend == LIGHTBLEND ? PIXMAN_OP_ADD : PIXMAN_OP_OVER;
    auto point = [xy](int i) {
        return pixman_point_fixed_t{pixman_double_to_fixed(xy[i * 2]), pixman_double_to_fixed(xy[i * 2 + 1])};
    };
    const pixman_triangle_t triangles[2] = {{point(0), point(1), point(2)}, {point(0), point(2), point(3)}};
    // Hard edges, as the renderer's triangles have.
    pixman_composite_triangles(op, colour, Target(), PIXMAN_a1, 0, 0, 0, 0, 2, triangles);
    Unref(colour);
}

const uint32_t* Compositor::Pixels() {
    Flush();
    Prepare(nullptr, false);
    return buffers_[current_].data();
}

void Compositor::MarkShown() {
    Flush();
    Prepare(nullptr, false);
    shown_ = current_;
}

void Compositor::Present(uint32_t* pixels, int pitch_bytes, int width, int height, const Viewport& view) {
    Flush();
    Prepare(nullptr, false);
    const uint32_t* source = buffers_[current_].data();
    if (view.x == 0 && view.y == 0 && view.w == kVirtualWidth && view.h == kVirtualHeight && width == kVirtualWidth &&
        height == kVirtualHeight) {
        auto* out = reinterpret_cast<uint8_t*>(pixels);
        for (int y = 0; y < kVirtualHeight; ++y) {
            std::memcpy(out + static_cast<size_t>(y) * pitch_bytes, source + static_cast<size_t>(y) * kVirtualWidth,
                        kStride);
        }
    } else {
        pixman_image_t* window = pixman_image_create_bits_no_clear(PIXMAN_x8r8g8b8, width, height, pixels, pitch_bytes);
        const pixman_color_t black = Colour16(0, 0, 0, 255);
        const pixman_rectangle16_t bars[4] = {
            {0, 0, static_cast<uint16_t>(width), static_cast<uint16_t>(std::max(view.y, 0))},
            {0, static_cast<int16_t>(view.y + view.h), static_cast<uint16_t>(width),
             static_cast<uint16_t>(std::max(height - view.y - view.h, 0))},
            {0, static_cast<int16_t>(view.y), static_cast<uint16_t>(std::max(view.x, 0)), static_cast<uint16_t>(view.h)},
            {static_cast<int16_t>(view.x + view.w), static_cast<int16_t>(view.y),
             static_cast<uint16_t>(std::max(width - view.x - view.w, 0)), static_cast<uint16_t>(view.h)}};
        pixman_image_fill_rectangles(PIXMAN_OP_SRC, window, &black, 4, bars);
        if (view.w > 0 && view.h > 0) {
            pixman_image_t* screen = pixman_image_create_bits_no_clear(
                PIXMAN_x8r8g8b8, kVirtualWidth, kVirtualHeight, const_cast<uint32_t*>(source), kStride);
            pixman_f_transform_t f;
            pixman_f_transform_init_scale(&f, static_cast<double>(kVirtualWidth) / view.w,
                                          static_cast<double>(kVirtualHeight) / view.h);
            pixman_transform_t t;
            pixman_transform_from_pixman_f_transform(&t, &f);
            pixman_image_set_transform(screen, &t);
            pixman_image_set_filter(screen, PIXMAN_FILTER_BILINEAR, nullptr, 0);
            pixman_image_set_repeat(screen, PIXMAN_REPEAT_PAD);
            pixman_image_composite32(PIXMAN_OP_SRC, screen, nullptr, window, 0, 0, 0, 0, view.x, view.y, view.w, view.h);
            Unref(screen);
        }
        Unref(window);
    }
    shown_ = current_;
}
